#include "CImageButton.h"

#include <QPainter>

CImageButton::CImageButton(QWidget *parent)
    : QPushButton(parent)
{}

CImageButton::~CImageButton() = default;

int CImageButton::SetIconPair(int, int)
{
    return Ok;
}
int CImageButton::SetBitmapPair(int, QRgb, int, QRgb)
{
    return Ok;
}
int CImageButton::SetImageAlign(int, bool)
{
    return Ok;
}
int CImageButton::SetPressStyle(int, bool)
{
    return Ok;
}
int CImageButton::SetStateColor(int, QColor, bool)
{
    return Ok;
}
int CImageButton::ResetColors(bool)
{
    return Ok;
}
int CImageButton::SetHoverBorder(bool, bool)
{
    return Ok;
}
int CImageButton::UseParentBackground(bool)
{
    return Ok;
}
int CImageButton::SetTipText(const QString &, bool)
{
    return Ok;
}
QPixmap CImageButton::CurrentImage() const
{
    return {};
}
QColor CImageButton::StateColor(int) const
{
    return {};
}
QSize CImageButton::sizeHint() const
{
    return QPushButton::sizeHint();
}
void CImageButton::PaintBackground(QPainter &) {}
void CImageButton::PaintBorder(QPainter &) {}
void CImageButton::PaintIcon(QPainter &) {}
void CImageButton::PaintBitmap(QPainter &) {}
void CImageButton::PaintCaption(QPainter &) {}
void CImageButton::paintEvent(QPaintEvent *) {}
void CImageButton::mouseMoveEvent(QMouseEvent *e)
{
    QPushButton::mouseMoveEvent(e);
}
void CImageButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    QPushButton::mouseDoubleClickEvent(e);
}
void CImageButton::leaveEvent(QEvent *e)
{
    QPushButton::leaveEvent(e);
}
void CImageButton::focusOutEvent(QFocusEvent *e)
{
    QPushButton::focusOutEvent(e);
}
void CImageButton::changeEvent(QEvent *e)
{
    QPushButton::changeEvent(e);
}
bool CImageButton::event(QEvent *e)
{
    return QPushButton::event(e);
}
void CImageButton::ClearImages() {}
void CImageButton::SetHot(bool) {}
bool CImageButton::IsPressedLook() const
{
    return false;
}
QPoint CImageButton::ImagePosition(QSize, QRect *) const
{
    return {};
}
void CImageButton::RepaintIf(bool) {}
