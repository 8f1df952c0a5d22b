#include "CRangeSlider.h"

#include "RangeSliderAccessible.h"
#include "ResourceImages.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

const int RANGE_CHANGED = QEvent::registerEventType();

CRangeChangedEvent::CRangeChangedEvent(int wParam, int lParam)
    : QEvent(static_cast<QEvent::Type>(RANGE_CHANGED))
    , m_wParam(wParam)
    , m_lParam(lParam)
{}

namespace {
// Margin between the client edges and the value scale: one thumb on each side.
constexpr int kScaleMargin = 26;
// Rows of the thumb pictures that are shown (the pictures are one row taller).
constexpr int kThumbRows = 17;
} // namespace

CRangeSlider::CRangeSlider(QWidget *parent)
    : QWidget(parent)
    , m_track(LoadResourcePixmap(IDB_SLIDER_TRACK))
    , m_range(LoadResourcePixmap(IDB_SLIDER_RANGE))
    , m_leftThumb(LoadResourcePixmap(IDB_SLIDER_LEFT_THUMB))
    , m_rightThumb(LoadResourcePixmap(IDB_SLIDER_RIGHT_THUMB))
{
    setFocusPolicy(Qt::StrongFocus);
    RangeSliderAccessible::Install();
    // No background of its own: the parent's picture shows between the slider's images.
    setAutoFillBackground(false);
    UpdateLayout();
}

CRangeSlider::~CRangeSlider() = default;

void CRangeSlider::SetLimits(double a, double b)
{
    const double smaller = qMin(a, b);
    const double larger = qMax(a, b);
    if (m_inverted) {
        m_minValue = -larger;
        m_maxValue = -smaller;
    } else {
        m_minValue = smaller;
        m_maxValue = larger;
    }
    ClampSelection();
    UpdateLayout();
    update();
}

void CRangeSlider::SetSelection(double left, double right)
{
    if (m_inverted) {
        m_leftValue = -right;
        m_rightValue = -left;
    } else {
        m_leftValue = left;
        m_rightValue = right;
    }
    ClampSelection();
    UpdateLayout();
    update();
}

void CRangeSlider::GetSelection(double &left, double &right) const
{
    if (m_inverted) {
        left = -m_rightValue;
        right = -m_leftValue;
    } else {
        left = m_leftValue;
        right = m_rightValue;
    }
}

void CRangeSlider::SetInverted(bool inverted)
{
    m_inverted = inverted;
}

QRect CRangeSlider::LeftThumbRect() const
{
    const Span &s = m_leftThumbRect;
    return QRect(s.left, s.top, s.right - s.left, s.bottom - s.top);
}

QRect CRangeSlider::RightThumbRect() const
{
    const Span &s = m_rightThumbRect;
    return QRect(s.left, s.top, s.right - s.left, s.bottom - s.top);
}

int CRangeSlider::PixelOf(double v) const
{
    const double span = m_maxValue - m_minValue;
    if (span == 0.0)
        return 0;
    const double pos = std::trunc(m_trackPixels * (v - m_minValue) / span + 0.5);
    // Values far outside the limits (or not numbers) must not overflow the conversion.
    if (!std::isfinite(pos))
        return 0;
    return static_cast<int>(qBound(-1.0e6, pos, 1.0e6));
}

QSize CRangeSlider::sizeHint() const
{
    return {222, 18};
}

double CRangeSlider::ValueAtPixel(int n) const
{
    if (m_trackPixels <= 0)
        return m_minValue;
    return m_minValue + (double(n) / m_trackPixels) * (m_maxValue - m_minValue);
}

/*
 * The thumb rectangles and the scale length follow the geometry and the values at once (not only
 * at the next paint), so that hit tests and key steps always match what the next paint shows,
 * also before the first paint.
 */
void CRangeSlider::UpdateLayout()
{
    m_thumbWidth = 13;
    m_trackPixels = width() - kScaleMargin;
    const int x1 = PixelOf(m_leftValue);
    const int x2 = PixelOf(m_rightValue);
    const int h = height();
    m_leftThumbRect = {x1, 0, x1 + m_thumbWidth, h};
    m_rightThumbRect = {x2 + m_thumbWidth, 0, x2 + 2 * m_thumbWidth, h};
}

void CRangeSlider::Notify(int wParam, int lParam)
{
    // Screen readers hear the new range as it changes.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_leftValue);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    QWidget *receiver = parentWidget();
    if (!receiver)
        return;
    CRangeChangedEvent event(wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
}

/*
 * Pulls the selection inside the limits. Each change is reported at once with its own
 * RANGE_CHANGED, so the parent may see up to two notifications per call, in this order.
 */
void CRangeSlider::ClampSelection()
{
    if (m_leftValue < m_minValue) {
        m_leftValue = m_minValue;
        Notify(0, 0);
        if (m_rightValue < m_leftValue) {
            m_rightValue = m_leftValue;
            Notify(1, 0);
        }
    }
    if (m_rightValue > m_maxValue) {
        m_rightValue = m_maxValue;
        Notify(1, 0);
        if (m_leftValue > m_rightValue) {
            m_leftValue = m_rightValue;
            Notify(0, 0);
        }
    }
}

void CRangeSlider::paintEvent(QPaintEvent *)
{
    UpdateLayout();
    QPainter p(this);
    const int w = width();
    const int x1 = m_leftThumbRect.left;
    const int x2 = m_rightThumbRect.left - m_thumbWidth;

    if (!m_track.isNull())
        p.drawPixmap(QRect(0, 3, w, 11), m_track);
    // The part of a thumb picture that shows, in the picture's own pixels ("@2x" has twice).
    const auto shown = [this](const QPixmap &thumb) {
        const qreal ratio = thumb.devicePixelRatio();
        return QRectF(0, 0, m_thumbWidth * ratio, kThumbRows * ratio);
    };
    if (!m_leftThumb.isNull())
        p.drawPixmap(QRectF(x1, 0, m_thumbWidth, kThumbRows), m_leftThumb, shown(m_leftThumb));
    if (!m_rightThumb.isNull())
        p.drawPixmap(QRectF(x2 + m_thumbWidth, 0, m_thumbWidth, kThumbRows),
                     m_rightThumb,
                     shown(m_rightThumb));
    // The bar overlaps the inner column of each thumb by one pixel.
    const int barWidth = x2 - x1 + 2;
    if (!m_range.isNull() && barWidth > 0)
        p.drawPixmap(QRect(x1 + m_thumbWidth - 1, 5, barWidth, 7), m_range);
    if (hasFocus() && m_focusFrameColor.isValid()) {
        p.setPen(m_focusFrameColor);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QString CRangeSlider::AccessibleValueText() const
{
    auto text = [this](double v) {
        return m_valueText ? m_valueText(v) : QString::number(v);
    };
    //: what a screen reader says of the slider choosing the part to convert; %1 and %2 are
    //: times (00:00:05)
    return tr("from %1 to %2").arg(text(m_leftValue), text(m_rightValue));
}

void CRangeSlider::SetFocusFrameColor(const QColor &color)
{
    m_focusFrameColor = color;
    update();
}

void CRangeSlider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateLayout();
}

void CRangeSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    update();
    if (m_tracking)
        return;

    UpdateLayout();
    const QPoint pos = event->position().toPoint();
    // The bar lies between the thumbs, one dead pixel column away from each.
    const Span bar{m_leftThumbRect.right + 1, 0, m_rightThumbRect.left - 1, height()};
    const Span *grabbed = nullptr;
    if (m_leftThumbRect.Contains(pos)) {
        m_dragPart = 0;
        grabbed = &m_leftThumbRect;
    } else if (m_rightThumbRect.Contains(pos)) {
        m_dragPart = 1;
        grabbed = &m_rightThumbRect;
    } else if (bar.Contains(pos)) {
        m_dragPart = 2;
        grabbed = &bar;
    }
    if (!grabbed)
        return;
    m_tracking = true;
    m_grabOffsetX = pos.x() - (grabbed->left + grabbed->right) / 2;
    m_grabOffsetY = pos.y() - (grabbed->top + grabbed->bottom) / 2;
    // The press itself grabs the mouse for this widget until the release.
}

void CRangeSlider::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click was already delivered as a press; the double click
    // itself counts as one more press, as it does for any widget.
    mousePressEvent(event);
}

/*
 * A drag converts the pointer position back to a value through the pixel each part's left edge
 * would take: the grab offset keeps the pointer at the same place on the grabbed part.
 * RANGE_CHANGED goes out on every move, whether the value changed or not.
 */
void CRangeSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const int x = event->position().toPoint().x() - m_grabOffsetX;
    const int a = m_thumbWidth;
    int wParam = 0;
    switch (m_dragPart) {
    case 0: {
        double v = ValueAtPixel(x - a / 2);
        if (v >= m_rightValue)
            v = m_rightValue;
        if (v <= m_minValue)
            v = m_minValue;
        m_leftValue = v;
        wParam = 0;
        break;
    }
    case 1: {
        const double before = m_rightValue;
        double v = ValueAtPixel(x - (3 * a) / 2);
        if (v <= m_leftValue)
            v = m_leftValue;
        if (v >= m_maxValue)
            v = m_maxValue;
        m_rightValue = v;
        wParam = m_rightValue != before ? 1 : 0;
        break;
    }
    default: {
        const double w = m_rightValue - m_leftValue;
        const double m = ValueAtPixel(x - a);
        m_leftValue = m - w / 2;
        m_rightValue = m + w / 2;
        if (m_leftValue <= m_minValue) {
            m_leftValue = m_minValue;
            m_rightValue = m_minValue + w;
        }
        if (m_rightValue >= m_maxValue) {
            m_rightValue = m_maxValue;
            m_leftValue = m_maxValue - w;
        }
        wParam = 2;
        break;
    }
    }
    UpdateLayout();
    ShowDragTip();
    Notify(wParam, 0);
    update();
}

void CRangeSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_tracking) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    m_tracking = false;
    QToolTip::hideText();
    Notify(m_dragPart, 1);
    update();
}

void CRangeSlider::ShowDragTip()
{
    if (!m_valueText)
        return;
    QString text;
    int x = 0;
    switch (m_dragPart) {
    case 0:
        text = m_valueText(m_leftValue);
        x = (m_leftThumbRect.left + m_leftThumbRect.right) / 2;
        break;
    case 1:
        text = m_valueText(m_rightValue);
        x = (m_rightThumbRect.left + m_rightThumbRect.right) / 2;
        break;
    default:
        text = m_valueText(m_leftValue) + QStringLiteral(" – ") + m_valueText(m_rightValue);
        x = (m_leftThumbRect.right + m_rightThumbRect.left) / 2;
        break;
    }
    // Above the slider, so the pointer and the thumb stay in view. Qt places a tip below and to
    // the right of the point it is given, which would lay it over the thumb: once shown, the tip
    // is moved so that its bottom edge lies clear above the slider's top.
    const QPoint anchor = mapToGlobal(QPoint(x, 0));
    QToolTip::showText(anchor, text, this);
    const QList<QWidget *> tops = QApplication::topLevelWidgets();
    for (QWidget *tip : tops) {
        if (tip->inherits("QTipLabel") && tip->isVisible()) {
            const int gap = 2;
            tip->move(anchor.x() - tip->width() / 2, anchor.y() - gap - tip->height());
        }
    }
}

/*
 * Right and left arrows move the range by one pixel of the scale, landing both ends on whole
 * pixels; with Shift only the right end moves. A step that would leave the scale changes nothing
 * but is still reported. Ctrl + arrow is left to the parent.
 */
void CRangeSlider::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key != Qt::Key_Right && key != Qt::Key_Left)
        || (event->modifiers() & Qt::ControlModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    UpdateLayout();
    if (m_trackPixels <= 0)
        return;
    const double step = (m_maxValue - m_minValue) / m_trackPixels;
    if (step == 0.0)
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const double perPixel = 1.0 / step;
    double l = std::trunc((m_leftValue - m_minValue) * perPixel + 0.5);
    double r = std::trunc((m_rightValue - m_minValue) * perPixel + 0.5);
    const double delta = key == Qt::Key_Right ? 1.0 : -1.0;
    r += delta;
    if (!shift)
        l += delta;
    if (l >= 0 && r <= m_trackPixels) {
        m_leftValue = m_minValue + l * step;
        m_rightValue = m_minValue + r * step;
    }
    UpdateLayout();
    Notify(shift ? 0 : 2, 0);
    update();
}

void CRangeSlider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CRangeSlider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
