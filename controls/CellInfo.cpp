#include "CellInfo.h"

#include "ProgressText.h"

void CellInfo::reset()
{
    *this = CellInfo();
}

void ApplyTaskCell(CellInfo &info, const TaskCell &cell)
{
    info.text = cell.text;
    info.textColor = cell.colors.textColor;
    info.backColor = cell.colors.backColor;
    info.selTextColor = cell.colors.selTextColor;
    info.selBackColorNoFocus = cell.colors.selBackColorNoFocus;
    info.selBackColor = cell.colors.selBackColor;
    info.hotTextColor = cell.colors.hotTextColor;
    info.progressMax = cell.progressMax;
    info.progressPos = cell.progressPos;
    info.barColor = cell.barColor;
    info.toolTip = cell.toolTip;
}

QColor ColorFromRef(COLORREF color)
{
    if (IsSpecialColor(color))
        return QColor();
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
