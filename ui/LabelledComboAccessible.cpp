#include "LabelledComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

QAccessibleInterface *CreateLabelledComboAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox")) {
        if (auto *combo = qobject_cast<QComboBox *>(object))
            return new LabelledComboAccessible(combo);
    }
    return nullptr;
}

} // namespace

LabelledComboAccessible::LabelledComboAccessible(QComboBox *combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{}

void LabelledComboAccessible::Install()
{
    static const bool installed
        = (QAccessible::installFactory(CreateLabelledComboAccessible), true);
    Q_UNUSED(installed);
}

QComboBox *LabelledComboAccessible::combo() const
{
    return static_cast<QComboBox *>(widget());
}

QString LabelledComboAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return combo()->accessibleName().isEmpty() ? combo()->currentText()
                                                   : combo()->accessibleName();
    case QAccessible::Value:
        return combo()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

int LabelledComboAccessible::childCount() const
{
    return combo()->view() ? 1 : 0;
}

QAccessibleInterface *LabelledComboAccessible::child(int index) const
{
    if (index != 0 || !combo()->view())
        return nullptr;
    return QAccessible::queryAccessibleInterface(combo()->view());
}

int LabelledComboAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && combo()->view() && child->object() == combo()->view() ? 0 : -1;
}

QStringList LabelledComboAccessible::actionNames() const
{
    return {QAccessibleActionInterface::showMenuAction(),
            QAccessibleActionInterface::pressAction()};
}

void LabelledComboAccessible::doAction(const QString &actionName)
{
    if (actionName == QAccessibleActionInterface::showMenuAction()
        || actionName == QAccessibleActionInterface::pressAction()) {
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
