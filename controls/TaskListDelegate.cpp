#include "TaskListDelegate.h"

#include "CTaskListCtrl.h"
#include "TaskListModel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

/*
 * Rectangles of a cell, in viewport coordinates, with exclusive right and bottom edges (halving
 * truncates toward zero):
 *   R  the cell bounds;
 *   the image strip, R up to the image's right edge (only when the cell shows an image);
 *   L  the label: R from the strip's right edge on;
 *   O  the bar: L moved in by 1 pixel at the left, top and bottom and 2 at the right;
 *   I  inside the bar's edge: O moved in by 2 on every side (O itself without an edge);
 *   F  the done part: I up to I.left + I.width * pos / max.
 * Colours follow the cell's state: selected or not, the list focused or not, full-row selection
 * on or off; CLR_DEFAULT picks the palette colour for that place and CLR_NONE skips the fill.
 */

namespace {

struct Edges
{
    int left, top, right, bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect rect() const { return QRect(left, top, std::max(0, width()), std::max(0, height())); }
};

Edges EdgesOf(const QRect &r)
{
    return Edges{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

const QPixmap *ImageOf(const CellInfo &info)
{
    if (info.image < 0 || !info.imageList || info.image >= info.imageList->size())
        return nullptr;
    const QPixmap &pixmap = info.imageList->at(info.image);
    return pixmap.isNull() ? nullptr : &pixmap;
}

/// The palette colours that stand for the system colours of the painting rules.
struct SystemColors
{
    QColor window, windowText, highlight, highlightText, buttonFace, hotLight;

    explicit SystemColors(const QPalette &palette)
        : window(palette.color(QPalette::Active, QPalette::Base))
        , windowText(palette.color(QPalette::Active, QPalette::Text))
        , highlight(palette.color(QPalette::Active, QPalette::Highlight))
        , highlightText(palette.color(QPalette::Active, QPalette::HighlightedText))
        , buttonFace(palette.color(QPalette::Active, QPalette::Button))
        , hotLight(palette.color(QPalette::Active, QPalette::Link))
    {}
};

/// A record colour, or `system` for CLR_DEFAULT; an invalid QColor for CLR_NONE.
QColor Resolve(COLORREF color, const QColor &system)
{
    if (color == CLR_DEFAULT)
        return system;
    return ColorFromRef(color);
}

class CellColors
{
public:
    CellColors(const CellInfo &info, const SystemColors &system, bool focused)
        : m_info(info)
        , m_system(system)
        , m_focused(focused)
    {}

    /// Text colour; `noHl` paints as not selected.
    QColor text(bool noHl) const
    {
        if (!noHl && m_info.selected) {
            if (m_info.selTextColor == CLR_DEFAULT)
                return m_focused ? m_system.highlightText : m_system.windowText;
            return ColorFromRef(m_info.selTextColor);
        }
        if (m_info.hot)
            return Resolve(m_info.hotTextColor, m_system.hotLight);
        return Resolve(m_info.textColor, m_system.windowText);
    }

    /// Background colour; `noHl` paints as not selected.
    QColor back(bool noHl) const
    {
        if (noHl || !m_info.selected)
            return Resolve(m_info.backColor, m_system.window);
        const COLORREF selBack = m_focused ? m_info.selBackColor : m_info.selBackColorNoFocus;
        if (selBack != CLR_DEFAULT)
            return ColorFromRef(selBack);
        if (m_info.hot)
            return m_system.hotLight;
        return m_focused ? m_system.highlight : m_system.buttonFace;
    }

private:
    const CellInfo &m_info;
    const SystemColors &m_system;
    bool m_focused;
};

void Fill(QPainter *painter, const Edges &r, const QColor &color)
{
    if (color.isValid() && r.width() > 0 && r.height() > 0)
        painter->fillRect(r.rect(), color);
}

/// Fills `outer` except `inner` (which lies inside it).
void FillFrame(QPainter *painter, const Edges &outer, const Edges &inner, const QColor &color)
{
    Fill(painter, Edges{outer.left, outer.top, outer.right, inner.top}, color);
    Fill(painter, Edges{outer.left, inner.bottom, outer.right, outer.bottom}, color);
    Fill(painter, Edges{outer.left, inner.top, inner.left, inner.bottom}, color);
    Fill(painter, Edges{inner.right, inner.top, outer.right, inner.bottom}, color);
}

void DrawEdge(QPainter *painter, const Edges &r, quint32 edge, const QPalette &palette)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QRect rect = r.rect();
    switch (edge) {
    case EDGE_RAISED:
        qDrawWinPanel(painter, rect, palette, false);
        break;
    case EDGE_ETCHED:
        qDrawShadeRect(painter, rect, palette, true, 1);
        break;
    case EDGE_BUMP:
        qDrawShadeRect(painter, rect, palette, false, 1);
        break;
    default:
        qDrawWinPanel(painter, rect, palette, true);
        break;
    }
}

/// Draws one line of text into `rect`: cut with an ellipsis at the end when it is too wide,
/// placed by the column's alignment and centred vertically, clipped to `rect` (combined with
/// `clip` when that is given). Ampersands show as they are: there are no mnemonics here.
/// Positions the text itself rather than using the rectangle form of drawText, which lays out
/// a full text document for every cell.
void DrawLine(QPainter *painter,
              const QFontMetrics &metrics,
              const QRect &rect,
              Qt::Alignment alignment,
              const QString &text,
              const QRect &clip = QRect())
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    QString shown = text;
    int advance = metrics.horizontalAdvance(shown);
    if (advance > rect.width()) {
        shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
        advance = metrics.horizontalAdvance(shown);
    }
    int x = rect.left();
    if (alignment & Qt::AlignHCenter)
        x += (rect.width() - advance) / 2;
    else if (alignment & Qt::AlignRight)
        x += rect.width() - advance;
    const int baseline = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();

    // A clip only where something could stray outside: a part of a bar, a text wider than its
    // rectangle even when cut, or taller than it.
    const QRect needed = clip.isNull() ? rect : clip.intersected(rect);
    const bool clipped
        = !clip.isNull() || advance > rect.width() || metrics.height() > rect.height();
    if (clipped) {
        if (needed.isEmpty())
            return;
        painter->setClipRect(needed);
    }
    painter->drawText(QPoint(x, baseline), shown);
    if (clipped)
        painter->setClipping(false);
}

} // namespace

TaskListDelegate::TaskListDelegate(CTaskListCtrl *list)
    : QAbstractItemDelegate(list)
    , m_list(list)
{}

QRect TaskListDelegate::ImageRect(const CellInfo &info, const QRect &bounds)
{
    const QPixmap *pixmap = ImageOf(info);
    const Edges r = EdgesOf(bounds);
    if (!pixmap || r.width() <= 0)
        return QRect();
    const QSize size = pixmap->deviceIndependentSize().toSize();
    const int w = size.width();
    const int h = size.height();
    int x = info.centerImage ? (r.left + r.right) / 2 - w / 2 : r.left;
    x += 1;
    const int y = std::max((r.top + r.bottom) / 2 - h / 2, r.top);
    const int shownHeight = r.height() + 1 < h ? r.height() : h;
    return QRect(x, y, std::min(r.width(), w), shownHeight);
}

void TaskListDelegate::paint(QPainter *painter,
                             const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    // Work on a copy: the list's record is reused by the next query.
    const CellInfo info = *m_list->GetCellInfo(index.row(), index.column());
    paintCell(painter, option.rect, info);
    // Leave the painter as the next cell expects it.
    painter->setBackgroundMode(Qt::TransparentMode);
}

void TaskListDelegate::paintCell(QPainter *painter, const QRect &bounds, const CellInfo &info) const
{
    const QPalette &palette = m_list->palette();
    const SystemColors system(palette);
    const CellColors colors(info, system, m_list->hasFocus());
    const QColor area = colors.back(!m_list->FullRowSelect() || info.noHighlight);

    const Edges r = EdgesOf(bounds);
    Edges label = r;

    // Image and the strip behind it.
    const QRect imageRect = ImageRect(info, bounds);
    if (!imageRect.isEmpty()) {
        const QPixmap &pixmap = *ImageOf(info);
        const int stripRight = imageRect.left() + pixmap.deviceIndependentSize().toSize().width();
        const Edges strip{r.left, r.top, stripRight, r.bottom};
        Fill(painter, strip, colors.back(info.plainImageBack || info.noHighlight));
        label.left = stripRight;

        const QColor selBack = colors.back(false);
        const QRectF source(QPointF(0, 0), imageRect.size());
        if (info.selected && !info.noHighlight && info.imageBlend != 0 && selBack.isValid()) {
            // Half image, half selection colour, where the image has pixels.
            QImage blended = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            {
                QPainter tint(&blended);
                tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
                tint.setOpacity(0.5);
                tint.fillRect(blended.rect(), selBack);
            }
            painter->drawImage(QRectF(imageRect), blended, source);
        } else {
            painter->drawPixmap(QRectF(imageRect), pixmap, source);
        }
    }

    const bool hasBar = info.progressMax > 0;
    Edges inner = label;
    Edges done = label;
    if (hasBar) {
        const Edges outer{label.left + 1, label.top + 1, label.right - 2, label.bottom - 1};
        inner = info.barEdge != 0
                    ? Edges{outer.left + 2, outer.top + 2, outer.right - 2, outer.bottom - 2}
                    : outer;
        const qint64 innerWidth = std::max(0, inner.width());
        const qint64 doneWidth = info.progressPos < info.progressMax
                                     ? innerWidth * std::max(info.progressPos, 0) / info.progressMax
                                     : innerWidth;
        done = Edges{inner.left, inner.top, inner.left + int(doneWidth), inner.bottom};

        FillFrame(painter, label, outer, area);
        if (info.barEdge != 0)
            DrawEdge(painter, outer, info.barEdge, palette);
        Fill(painter, inner, colors.back(true));
        if (info.progressPos > 0)
            Fill(painter, done, Resolve(info.barColor, system.highlight));
    }

    if (info.text.isEmpty()) {
        if (!hasBar)
            Fill(painter, label, area);
        return;
    }

    const Qt::Alignment alignment = m_list->ColumnAlignment(info.subItem);
    const QFontMetrics metrics(m_list->font());
    painter->setFont(m_list->font());

    if (!hasBar) {
        Fill(painter, label, area);
        const QColor textBack = colors.back(info.noHighlight);
        const Edges textRect{label.left + 2, label.top, label.right, label.bottom};
        if (textBack.isValid()) {
            painter->setBackgroundMode(Qt::OpaqueMode);
            painter->setBackground(textBack);
        } else {
            painter->setBackgroundMode(Qt::TransparentMode);
        }
        const QColor textColor = colors.text(info.noHighlight);
        if (textColor.isValid()) {
            painter->setPen(textColor);
            DrawLine(painter, metrics, textRect.rect(), alignment, info.text);
        }
        return;
    }

    // Over a bar the text is drawn twice: in the bar's text colour over the done part, in the
    // normal colour beside it, so a character on the boundary is split between the two.
    painter->setBackgroundMode(Qt::TransparentMode);
    const QRect textRect = inner.rect();
    const QColor overDone = Resolve(info.barTextColor, system.highlightText);
    const QColor beside = colors.text(true);
    if (done.width() > 0 && overDone.isValid()) {
        painter->setPen(overDone);
        DrawLine(painter, metrics, textRect, alignment, info.text, done.rect());
    }
    if (done.right < inner.right && beside.isValid()) {
        painter->setPen(beside);
        const Edges rest{done.right, inner.top, inner.right, inner.bottom};
        DrawLine(painter, metrics, textRect, alignment, info.text, rest.rect());
    }
}

QSize TaskListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(0, option.fontMetrics.height() + 4);
}

bool TaskListDelegate::helpEvent(QHelpEvent *event,
                                 QAbstractItemView *view,
                                 const QStyleOptionViewItem &,
                                 const QModelIndex &index)
{
    if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
        return false;
    const QString tip = m_list->GetCellInfo(index.row(), index.column())->toolTip;
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport(), view->visualRect(index));
    return true;
}
