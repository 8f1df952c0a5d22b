#include "CRangeSlider.h"

#include <QCoreApplication>

const int RANGE_CHANGED = QEvent::registerEventType();

CRangeChangedEvent::CRangeChangedEvent(int wParam, int lParam)
    : QEvent(static_cast<QEvent::Type>(RANGE_CHANGED))
    , m_wParam(wParam)
    , m_lParam(lParam)
{}

CRangeSlider::CRangeSlider(QWidget *parent)
    : QWidget(parent)
{}

CRangeSlider::~CRangeSlider() = default;

void CRangeSlider::SetLimits(double a, double b)
{
    m_minValue = qMin(a, b);
    m_maxValue = qMax(a, b);
}

void CRangeSlider::SetSelection(double left, double right)
{
    m_leftValue = left;
    m_rightValue = right;
}

void CRangeSlider::GetSelection(double &left, double &right) const
{
    left = m_leftValue;
    right = m_rightValue;
}

void CRangeSlider::SetInverted(bool inverted)
{
    m_inverted = inverted;
}

QRect CRangeSlider::LeftThumbRect() const
{
    return {};
}

QRect CRangeSlider::RightThumbRect() const
{
    return {};
}

int CRangeSlider::PixelOf(double) const
{
    return 0;
}

QSize CRangeSlider::sizeHint() const
{
    return {222, 18};
}

void CRangeSlider::paintEvent(QPaintEvent *) {}
void CRangeSlider::resizeEvent(QResizeEvent *) {}
void CRangeSlider::mousePressEvent(QMouseEvent *) {}
void CRangeSlider::mouseDoubleClickEvent(QMouseEvent *) {}
void CRangeSlider::mouseMoveEvent(QMouseEvent *) {}
void CRangeSlider::mouseReleaseEvent(QMouseEvent *) {}
void CRangeSlider::keyPressEvent(QKeyEvent *) {}
void CRangeSlider::focusInEvent(QFocusEvent *) {}
void CRangeSlider::focusOutEvent(QFocusEvent *) {}
void CRangeSlider::ClampSelection() {}
void CRangeSlider::UpdateLayout() {}
void CRangeSlider::Notify(int wParam, int lParam)
{
    if (parentWidget()) {
        CRangeChangedEvent e(wParam, lParam);
        QCoreApplication::sendEvent(parentWidget(), &e);
    }
}
double CRangeSlider::ValueAtPixel(int) const
{
    return 0;
}
