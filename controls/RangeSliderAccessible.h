#pragma once

#include <QAccessibleWidget>

class CRangeSlider;

/// What assistive technology sees of a CRangeSlider: a slider whose value is the selected range
/// ("from 00:00:05 to 00:00:27") and whose numeric value is the range's left end.
class RangeSliderAccessible
    : public QAccessibleWidget
    , public QAccessibleValueInterface
{
public:
    explicit RangeSliderAccessible(CRangeSlider *slider);

    /// Installs the factory that gives every CRangeSlider this interface; safe to call often.
    static void Install();

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    CRangeSlider *slider() const;
};
