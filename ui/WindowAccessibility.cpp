#include "WindowAccessibility.h"

#include "CImageButton.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "LabelledComboAccessible.h"

#include <QCoreApplication>
#include <QLabel>

//: shown in the empty list of videos, which is about 600 px wide
const char *const kEmptyListHint
    = QT_TRANSLATE_NOOP("WindowAccessibility", "Add videos with + or drop them here");

namespace {

/// The skin's accent, the colour its own focused buttons and fields are framed in.
const QColor kFocusFrameColor(0x4a, 0x90, 0xb8);

/// A label's text as a name: without its mnemonic marks and the trailing colon.
QString NameFromLabel(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    // Some languages set the colon apart ("Dossier de sortie :") or write it full width.
    if (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xff1a)))
        text.chop(1);
    return text.trimmed();
}

} // namespace

void InstallWindowAccessibleInterfaces()
{
    LabelledComboAccessible::Install();
}

void SetUpWindowAccessibility(CTavrelDlg &page)
{
    for (const ControlEntry &entry : ControlTable()) {
        QWidget *control = page.Control(entry.id);
        if (!control)
            continue;
        if (!entry.accessibleName.isEmpty())
            control->setAccessibleName(ControlAccessibleName(entry));
        if (entry.buddy != 0) {
            auto *label = qobject_cast<QLabel *>(control);
            QWidget *named = page.Control(entry.buddy);
            if (label && named) {
                label->setBuddy(named);
                named->setAccessibleName(NameFromLabel(label->text()));
            }
        }
    }
    for (const ImageButtonEntry &entry : ImageButtonTable()) {
        auto *button = qobject_cast<CImageButton *>(page.Control(entry.id));
        if (!button)
            continue;
        button->setAccessibleName(ImageButtonAccessibleName(entry));
        button->setAccessibleDescription(ImageButtonTooltip(entry));
        button->SetFocusFrameColor(kFocusFrameColor);
    }
    if (auto *slider = qobject_cast<CRangeSlider *>(page.Control(IDC_RANGE_SLIDER)))
        slider->SetFocusFrameColor(kFocusFrameColor);
    if (auto *list = qobject_cast<CTaskListCtrl *>(page.Control(IDC_TASK_LIST)))
        list->SetEmptyText(QCoreApplication::translate("WindowAccessibility", kEmptyListHint));

    const QList<int> &order = TabOrderIds();
    for (int i = 1; i < order.size(); ++i) {
        QWidget *before = page.Control(order.at(i - 1));
        QWidget *after = page.Control(order.at(i));
        if (before && after)
            QWidget::setTabOrder(before, after);
    }
}
