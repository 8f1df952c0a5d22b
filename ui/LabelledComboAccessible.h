#pragma once

#include <QAccessibleWidget>

class QComboBox;

/// What assistive technology sees of a combo box: named by its accessible name (the label's text
/// the window gives it) with the chosen item as its value. Qt's own interface names a combo box by
/// its current item on Linux, so "AVC" would be read with nothing to say what it is. Without an
/// accessible name the current item names it, as before. The popup list is its one child.
class LabelledComboAccessible : public QAccessibleWidget
{
public:
    explicit LabelledComboAccessible(QComboBox *combo);

    /// Installs the factory that gives every QComboBox this interface; safe to call often.
    static void Install();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *combo() const;
};
