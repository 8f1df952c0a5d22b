#include "CImageButton.h"

#include "ResourceImages.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

// The picture with every pixel of colour `key` made fully transparent (alpha ignored when
// comparing). A null image when the picture cannot be converted.
QPixmap KeyedPixmap(const QImage &source, QRgb key)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const QRgb keyRgb = key & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == keyRgb)
                line[x] = 0;
        }
    }
    QPixmap keyed = QPixmap::fromImage(image);
    keyed.setDevicePixelRatio(source.devicePixelRatio()); // an "@2x" picture stays one
    return keyed;
}

// A picture's size in the widget's pixels, whatever pixel ratio it was loaded at.
QSize LogicalSize(const QPixmap &pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

} // namespace

CImageButton::CImageButton(QWidget *parent)
    : QPushButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    ResetColors(false);
}

CImageButton::~CImageButton() = default;

void CImageButton::ClearImages()
{
    m_kind = ImageKind::None;
    m_hotImage = QPixmap();
    m_normalImage = QPixmap();
}

void CImageButton::RepaintIf(bool repaint)
{
    if (repaint)
        update();
}

int CImageButton::SetIconPair(int hotId, int normalId)
{
    ClearImages();
    const QPixmap hot = LoadResourcePixmap(hotId);
    const QPixmap normal = normalId != 0 ? LoadResourcePixmap(normalId) : QPixmap();
    if (hot.isNull() || (normalId != 0 && normal.isNull())) {
        update();
        return ImageUnreadable;
    }
    m_kind = ImageKind::Icon;
    m_hotImage = hot;
    m_normalImage = normal;
    update();
    return Ok;
}

int CImageButton::SetBitmapPair(int hotId,
                                QRgb hotTransparent,
                                int normalId,
                                QRgb normalTransparent)
{
    ClearImages();
    const QImage hot = LoadResourceImage(hotId);
    const QImage normal = normalId != 0 ? LoadResourceImage(normalId) : QImage();
    if (hot.isNull() || (normalId != 0 && normal.isNull())) {
        update();
        return ImageUnreadable;
    }
    const QPixmap hotKeyed = KeyedPixmap(hot, hotTransparent);
    const QPixmap normalKeyed = normalId != 0 ? KeyedPixmap(normal, normalTransparent) : QPixmap();
    if (hotKeyed.isNull() || (normalId != 0 && normalKeyed.isNull())) {
        update();
        return MaskFailed;
    }
    m_kind = ImageKind::Bitmap;
    m_hotImage = hotKeyed;
    m_normalImage = normalKeyed;
    update();
    return Ok;
}

int CImageButton::SetImageAlign(int align, bool repaint)
{
    if (align < AlignLeft || align > AlignTopLeft)
        return BadAlignment;
    m_align = align;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::SetPressStyle(int style, bool repaint)
{
    if (style == 0)
        m_pressOffset = {1, 1};
    else if (style == 1)
        m_pressOffset = {0, 2};
    else
        return BadPressStyle;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::SetStateColor(int index, QColor color, bool repaint)
{
    if (index < 0 || index > TextFocused)
        return BadColorIndex;
    m_colors[index] = color;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::ResetColors(bool repaint)
{
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    m_colors[FaceHot] = m_colors[FaceNormal] = m_colors[FaceFocused] = face;
    m_colors[TextHot] = m_colors[TextNormal] = m_colors[TextFocused] = text;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::SetHoverBorder(bool on, bool repaint)
{
    m_hoverBorder = on;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::UseParentBackground(bool repaint)
{
    m_parentBackground = true;
    RepaintIf(repaint);
    return Ok;
}

int CImageButton::SetTipText(const QString &text, bool activate)
{
    if (text.isEmpty())
        return Ok;
    m_tipText = text;
    m_tipActive = activate;
    setToolTip(activate ? text : QString());
    return Ok;
}

QColor CImageButton::StateColor(int index) const
{
    if (index < 0 || index > TextFocused)
        return {};
    return m_colors[index];
}

QSize CImageButton::sizeHint() const
{
    const QSize image = LogicalSize(m_hotImage).expandedTo(LogicalSize(m_normalImage));
    if (text().isEmpty() && !image.isEmpty())
        return image + QSize(2 * m_margin.x(), 2 * m_margin.y());
    return QPushButton::sizeHint();
}

bool CImageButton::IsPressedLook() const
{
    return isDown() || (isCheckable() && isChecked());
}

QPixmap CImageButton::CurrentImage() const
{
    if (m_normalImage.isNull() || m_hot || IsPressedLook())
        return m_hotImage;
    return m_normalImage;
}

/*
 * Where an image of `image` size goes in the client rectangle, and (with a caption) the rectangle
 * that is left for the caption. Halves truncate toward zero.
 */
QPoint CImageButton::ImagePosition(QSize image, QRect *captionRect) const
{
    const QRect r = rect();
    const int w = image.width();
    const int h = image.height();
    QRect caption = r;
    QPoint pos;
    const bool hasCaption = !text().isEmpty();
    const int centredX = r.left() + (r.width() - w) / 2;
    const int centredY = r.top() + (r.height() - h) / 2;
    switch (m_align) {
    case AlignLeft:
        if (hasCaption) {
            pos = {r.left() + m_margin.x(), centredY};
            caption.setLeft(caption.left() + m_margin.x() + w);
        } else {
            pos = {centredX, centredY};
        }
        break;
    case AlignTop:
        if (hasCaption) {
            pos = {centredX, r.top() + m_margin.y()};
            caption.setTop(caption.top() + h);
        } else {
            pos = {centredX, centredY};
        }
        break;
    case AlignRight:
        if (hasCaption) {
            pos = {r.left() + r.width() - m_margin.x() - w, centredY};
            caption.setLeft(r.left() + m_margin.x());
            caption.setRight(r.right() - m_margin.x() - w);
        } else {
            pos = {centredX, r.top()};
        }
        break;
    default:
        pos = r.topLeft();
        break;
    }
    if (isDown() && !isCheckable())
        pos += m_pressOffset;
    if (captionRect)
        *captionRect = caption;
    return pos;
}

void CImageButton::PaintBackground(QPainter &p)
{
    QColor face = m_colors[FaceNormal];
    if (m_hot || IsPressedLook())
        face = m_colors[FaceHot];
    else if (hasFocus())
        face = m_colors[FaceFocused];
    p.fillRect(rect(), face);
}

void CImageButton::PaintBorder(QPainter &p)
{
    if (!m_hoverBorder)
        return;
    const bool pressed = IsPressedLook();
    if (!pressed && !m_hot)
        return;
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    // Pressed: sunken (shadow on the top and left); hovered: raised.
    const QColor topLeft = pressed ? shadow : light;
    const QColor bottomRight = pressed ? light : shadow;
    const QRect r = rect();
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void CImageButton::PaintIcon(QPainter &p)
{
    QPixmap image = CurrentImage();
    if (image.isNull())
        return;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        image = style()->generatedIconPixmap(QIcon::Disabled, image, &option);
    }
    p.drawPixmap(ImagePosition(LogicalSize(image), nullptr), image);
}

void CImageButton::PaintBitmap(QPainter &p)
{
    // The transparent colour was already turned into alpha when the bitmaps were set.
    PaintIcon(p);
}

void CImageButton::PaintCaption(QPainter &p)
{
    QRect caption;
    ImagePosition(LogicalSize(CurrentImage()), &caption);
    if (CurrentImage().isNull())
        caption = rect();
    if (isDown() && !isCheckable())
        caption.translate(m_pressOffset);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QRect textRect = p.boundingRect(caption, flags, text());
    QRect placed = textRect;
    placed.moveCenter(caption.center());
    if (!isEnabled()) {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(placed.translated(1, 1), flags, text());
        p.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(placed, flags, text());
        return;
    }
    QColor ink = m_colors[TextNormal];
    if (m_hot || IsPressedLook())
        ink = m_colors[TextHot];
    else if (hasFocus())
        ink = m_colors[TextFocused];
    p.setPen(ink);
    p.drawText(placed, flags, text());
}

/*
 * Drawing order: face (or nothing, so that the parent shows through), border, image, caption,
 * then the focus frame when the button has the focus and a frame colour is set.
 */
void CImageButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_parentBackground)
        PaintBackground(p);
    PaintBorder(p);
    if (m_kind == ImageKind::Icon)
        PaintIcon(p);
    else if (m_kind == ImageKind::Bitmap)
        PaintBitmap(p);
    if (!text().isEmpty())
        PaintCaption(p);
    if (hasFocus() && m_focusFrameColor.isValid()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_focusFrameColor, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void CImageButton::SetFocusFrameColor(const QColor &color)
{
    m_focusFrameColor = color;
    update();
}

void CImageButton::SetHot(bool hot)
{
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

/*
 * The hot state starts with a move over the button. A move that arrives while the left button is
 * held and the button is not hot yet belongs to a press that began elsewhere: it is ignored, so a
 * button never lights up under a drag that another control holds.
 */
void CImageButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    if ((event->buttons() & Qt::LeftButton) && !m_hot)
        return;
    SetHot(rect().contains(event->position().toPoint()));
}

void CImageButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a double click is a click of its own. It arrives as a double-click
    // event, in place of its press or right after it: it counts as the press unless a press
    // already holds the button down.
    if (event->button() == Qt::LeftButton && isDown()) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void CImageButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    SetHot(false);
}

void CImageButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    SetHot(false);
}

void CImageButton::hideEvent(QHideEvent *event)
{
    // A hidden button has no pointer over it; it must not come back lit (Start and Stop take
    // turns at the same place).
    QPushButton::hideEvent(event);
    SetHot(false);
}

void CImageButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::ActivationChange:
        if (!isActiveWindow())
            SetHot(false);
        break;
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            // Qt has already handed the focus of the disabled button to the next tab stop; when
            // there was none it cleared the focus, and the parent takes it instead of nobody.
            if (!window()->focusWidget() && parentWidget())
                parentWidget()->setFocus(Qt::TabFocusReason);
            SetHot(false);
        }
        break;
    default:
        break;
    }
}

bool CImageButton::event(QEvent *event)
{
    // A new application palette (the desktop's colours changed) brings the state colours back to
    // the palette's button colours. A palette set on the widget or its parents does not: that
    // happens whenever a style sheet is applied and must not undo the colours a caller chose.
    if (event->type() == QEvent::ApplicationPaletteChange)
        ResetColors(true);
    return QPushButton::event(event);
}
