#pragma once

#include "ColorRef.h"

#include <QColor>
#include <QEvent>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>

class QWidget;
struct TaskCell;

/// Images a list cell can show, addressed by index (the list's small-icon images).
using CellImageList = QList<QPixmap>;

/// Edge types for CellInfo::barEdge.
enum CellEdge : quint32 {
    NoEdge = 0,
    EDGE_RAISED = 5,
    EDGE_ETCHED = 6,
    EDGE_BUMP = 9,
    EDGE_SUNKEN = 10,
};

/// Blend style for the image of a selected cell: half the image, half the selection colour.
inline constexpr quint32 ILD_BLEND50 = 4;

/// The appearance of one list cell. The list resets every field to these defaults before it asks
/// its parent (UM_GETCELLINFO); the parent reads item/subItem and may change any field.
/// Colours: CLR_DEFAULT = the system colour for that place, CLR_NONE = do not paint.
struct CellInfo
{
    QString text;
    bool noHighlight = false;                 ///< normal colours even when the row is selected
    int image = -1;                           ///< index into imageList; -1 = no image
    const CellImageList *imageList = nullptr; ///< set by the list; not owned
    bool plainImageBack = true;          ///< the strip behind the image keeps the normal background
    bool centerImage = false;            ///< centre the image horizontally in the cell
    quint32 imageBlend = ILD_BLEND50;    ///< style for a selected cell's image; 0 = never blend
    int progressMax = -1;                ///< range of the in-cell bar; <= 0: no bar
    int progressPos = 0;                 ///< 0..progressMax
    COLORREF barColor = CLR_DEFAULT;     ///< done part of the bar (default: highlight)
    COLORREF barTextColor = CLR_DEFAULT; ///< text over the done part (default: highlighted text)
    quint32 barEdge = EDGE_SUNKEN;       ///< edge around the bar; 0 = none
    COLORREF textColor = CLR_DEFAULT;
    COLORREF backColor = CLR_DEFAULT;
    COLORREF hotTextColor = CLR_DEFAULT;
    COLORREF selTextColor = CLR_DEFAULT;
    COLORREF selBackColor = CLR_DEFAULT;        ///< selected, while the list has the focus
    COLORREF selBackColorNoFocus = CLR_DEFAULT; ///< selected, while it does not
    int item = 0;                               ///< row (set by the list)
    int subItem = 0;                            ///< column (set by the list)
    bool selected = false;                      ///< painted as selected (set by the list)
    bool hot = false; ///< the row is the hot row (set by the list; this list has none)
    QString toolTip;  ///< shown when the pointer rests on the cell; empty for none

    /// Back to the defaults above.
    void reset();
};

/// Copies a computed task cell (text, the six row colours, the bar, the tooltip) into info.
void ApplyTaskCell(CellInfo &info, const TaskCell &cell);

/// Where a left click on a cell landed (UM_CELLCLICK).
struct CellHitInfo
{
    int item = -1;
    int subItem = -1;
    bool onImage = false; ///< the point lies on the cell's image
    bool onCheck = false; ///< always false: cells have no check box of their own
};

/// A right click on the list's column header (UM_HEADERRCLICK).
struct HeaderClickInfo
{
    int column = -1; ///< the header item under the point, -1 when none
    QPoint point;    ///< screen coordinates
};

/// Event numbers of the list's requests to its parent. They are delivered synchronously
/// (QCoreApplication::sendEvent); the record they point at belongs to the list and is valid only
/// during the call.
enum TaskListEventType : int {
    UM_GETCELLINFO = 3003,
    UM_CELLCLICK = 3005,
    UM_HEADERRCLICK = 3006,
};

QColor ColorFromRef(COLORREF color);

/// Base of the three requests: carries the list that sends it and the list-owned record.
template<int EventNumber, typename Record>
class TaskListEvent : public QEvent
{
public:
    TaskListEvent(QWidget *list, Record *record)
        : QEvent(QEvent::Type(EventNumber))
        , m_list(list)
        , m_record(record)
    {}

    static constexpr QEvent::Type eventType() { return QEvent::Type(EventNumber); }

    /// The list that asks (the sender).
    QWidget *list() const { return m_list; }
    /// The record to read or fill; owned by the list.
    Record *record() const { return m_record; }

private:
    QWidget *m_list;
    Record *m_record;
};

/// UM_GETCELLINFO: fill the CellInfo for record()->item / record()->subItem.
using GetCellInfoEvent = TaskListEvent<UM_GETCELLINFO, CellInfo>;
/// UM_CELLCLICK: a left click hit a cell.
using CellClickEvent = TaskListEvent<UM_CELLCLICK, CellHitInfo>;
/// UM_HEADERRCLICK: a right click on the header.
using HeaderRClickEvent = TaskListEvent<UM_HEADERRCLICK, HeaderClickInfo>;
