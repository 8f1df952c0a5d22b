#include "RangeSliderAccessible.h"

#include "CRangeSlider.h"

namespace {

QAccessibleInterface *CreateRangeSliderAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("CRangeSlider")) {
        if (auto *slider = qobject_cast<CRangeSlider *>(object))
            return new RangeSliderAccessible(slider);
    }
    return nullptr;
}

} // namespace

RangeSliderAccessible::RangeSliderAccessible(CRangeSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{}

void RangeSliderAccessible::Install()
{
    static const bool installed = (QAccessible::installFactory(CreateRangeSliderAccessible), true);
    Q_UNUSED(installed);
}

CRangeSlider *RangeSliderAccessible::slider() const
{
    return static_cast<CRangeSlider *>(widget());
}

QString RangeSliderAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return slider()->AccessibleValueText();
    // AT-SPI carries only the numeric value of a slider: the range is told in the description
    // too, unless the slider has one of its own.
    if (t == QAccessible::Description && slider()->accessibleDescription().isEmpty())
        return slider()->AccessibleValueText();
    return QAccessibleWidget::text(t);
}

void *RangeSliderAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant RangeSliderAccessible::currentValue() const
{
    double left = 0.0;
    double right = 0.0;
    slider()->GetSelection(left, right);
    return left;
}

void RangeSliderAccessible::setCurrentValue(const QVariant &)
{
    // The range has two ends; assistive technology moves it with the arrow keys like anyone.
}

QVariant RangeSliderAccessible::maximumValue() const
{
    return slider()->MaxValue();
}

QVariant RangeSliderAccessible::minimumValue() const
{
    return slider()->MinValue();
}

QVariant RangeSliderAccessible::minimumStepSize() const
{
    return 0.0;
}
