#include "PictureDesigns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

/*
 * One family: a dark slate window, light grey-blue symbols, and one accent per purpose (the
 * slider's blue for list and preview actions, green for Start, coral for Stop). Symbols are drawn
 * as round-capped strokes inside soft discs; a hover look fills the disc with the accent.
 */

namespace {

const QColor kBgTop(0x29, 0x30, 0x3b);
const QColor kBgBottom(0x15, 0x18, 0x1d);
const QColor kSymbol(0xd5, 0xdc, 0xe6);
const QColor kRing(0x6b, 0x77, 0x89);
const QColor kBlue(0x5c, 0xa2, 0xff); // the slider bar's middle row
const QColor kBlueDeep(0x2f, 0x74, 0xd6);
const QColor kGreen(0x3d, 0xc0, 0x8b);
const QColor kGreenDeep(0x23, 0x93, 0x66);
const QColor kCoral(0xe8, 0x6a, 0x72);
const QColor kCoralDeep(0xc0, 0x45, 0x50);
const QRgb kKey = qRgb(0, 255, 0);

// A transparent picture of w x h logical pixels drawn at `scale` device pixels per pixel.
QImage Transparent(int w, int h, int scale = 1)
{
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Exact pixel rows made larger without blending: the flat slider pictures stay exact.
QImage Enlarged(const QImage &image, int scale)
{
    return scale == 1
               ? image
               : image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QPen RoundPen(const QColor &c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A play triangle centred (by its visual weight) on c, `size` high.
QPainterPath PlayTriangle(QPointF c, qreal size)
{
    const qreal h = size;
    const qreal w = size * 0.9;
    const qreal left = c.x() - w * 0.4; // the centroid sits a third from the flat side
    QPainterPath path;
    path.moveTo(left, c.y() - h / 2);
    path.lineTo(left + w, c.y());
    path.lineTo(left, c.y() + h / 2);
    path.closeSubpath();
    return path;
}

QPainterPath RoundedSquare(QPointF c, qreal side, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(c.x() - side / 2, c.y() - side / 2, side, side), radius, radius);
    return path;
}

// Disc of a round button. Normal: a faint glassy fill with a thin ring in `ring`.
// Hot: filled with the accent gradient, a light rim and a soft glow around it.
void PaintDisc(QPainter &p,
               QPointF c,
               qreal r,
               bool hot,
               QColor accent,
               QColor accentDeep,
               QColor ring,
               qreal ringWidth)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (hot) {
        QRadialGradient glow(c, r + 3);
        glow.setColorAt(0.80, WithAlpha(accent, 90));
        glow.setColorAt(1.0, WithAlpha(accent, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, r + 3, r + 3);

        QLinearGradient fill(c.x(), c.y() - r, c.x(), c.y() + r);
        fill.setColorAt(0, accent.lighter(118));
        fill.setColorAt(1, accentDeep);
        p.setBrush(fill);
        p.setPen(QPen(WithAlpha(accent.lighter(135), 220), ringWidth));
        p.drawEllipse(c, r, r);
    } else {
        QLinearGradient fill(c.x(), c.y() - r, c.x(), c.y() + r);
        fill.setColorAt(0, QColor(255, 255, 255, 30));
        fill.setColorAt(1, QColor(255, 255, 255, 8));
        p.setBrush(fill);
        p.setPen(QPen(ring, ringWidth));
        p.drawEllipse(c, r, r);
    }
}

// Average colour of the stretched background under a window rectangle.
QColor BackgroundUnder(const QImage &background, QRect windowRect)
{
    const QImage stretched
        = background.scaled(kWindowClientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = windowRect.top(); y <= windowRect.bottom(); ++y) {
        for (int x = windowRect.left(); x <= windowRect.right(); ++x) {
            const QRgb px = stretched.pixel(x, y);
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++n;
        }
    }
    return QColor(int(r / n), int(g / n), int(b / n));
}

// Flattens a picture with soft edges onto a colour key: pixels without any coverage become the
// key, the others are blended with the background they will be shown on.
QImage FlattenOnKey(const QImage &art, QColor under)
{
    QImage out(art.size(), QImage::Format_RGB32);
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb px = src.pixel(x, y);
            const int a = qAlpha(px);
            if (a < 8) {
                out.setPixel(x, y, kKey);
                continue;
            }
            auto mix = [a](int fg, int bg) {
                return (fg * a + bg * (255 - a) + 127) / 255;
            };
            out.setPixel(x,
                         y,
                         qRgb(mix(qRed(px), under.red()),
                              mix(qGreen(px), under.green()),
                              mix(qBlue(px), under.blue())));
        }
    }
    return out;
}

} // namespace

QImage DrawBackground(int scale)
{
    const int w = 464, h = 282;
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, w, h);

    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, kBgTop);
    base.setColorAt(0.55, QColor(0x1f, 0x24, 0x2b));
    base.setColorAt(1, kBgBottom);
    p.fillRect(all, base);

    // Two wide, faint glows: cool blue at the upper left, teal at the lower right.
    QRadialGradient glow(QPointF(w * 0.12, h * 0.05), w * 0.75);
    glow.setColorAt(0, QColor(0x5c, 0xa2, 0xff, 34));
    glow.setColorAt(1, QColor(0x5c, 0xa2, 0xff, 0));
    p.fillRect(all, glow);
    QRadialGradient teal(QPointF(w * 0.95, h * 1.05), w * 0.6);
    teal.setColorAt(0, QColor(0x3d, 0xc0, 0xb0, 22));
    teal.setColorAt(1, QColor(0x3d, 0xc0, 0xb0, 0));
    p.fillRect(all, teal);

    // A thin arc of light, like the rim of an eclipse, sweeping across the lower half.
    QPainterPath arc;
    arc.moveTo(-20, h * 0.98);
    arc.cubicTo(w * 0.30, h * 0.62, w * 0.70, h * 0.58, w + 20, h * 0.70);
    QLinearGradient arcPen(0, 0, w, 0);
    arcPen.setColorAt(0, QColor(255, 255, 255, 0));
    arcPen.setColorAt(0.5, QColor(0x9c, 0xc8, 0xff, 26));
    arcPen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(arcPen), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(QBrush(arcPen), 5));
    p.setOpacity(0.25);
    p.drawPath(arc);
    p.setOpacity(1);

    // Top highlight and a soft vignette at the bottom edge.
    p.setPen(QColor(255, 255, 255, 22));
    p.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));
    QLinearGradient shade(0, h * 0.85, 0, h);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(QRectF(0, h * 0.85, w, h * 0.15), shade);
    return image;
}

QImage DrawPreviewArea(int scale)
{
    const int w = 264, h = 196;
    QImage image = Transparent(w, h, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF frame(0.5, 0.5, w - 1, h - 1);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(0x13, 0x17, 0x1e));
    fill.setColorAt(1, QColor(0x0b, 0x0e, 0x13));
    p.setPen(QPen(QColor(0x3a, 0x43, 0x52), 1));
    p.setBrush(fill);
    p.drawRoundedRect(frame, 6, 6);

    // Film perforations along the top and the bottom edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x29, 0x34));
    for (int x = 10; x + 10 <= w - 6; x += 16) {
        p.drawRoundedRect(QRectF(x, 7, 9, 6), 1.5, 1.5);
        p.drawRoundedRect(QRectF(x, h - 13, 9, 6), 1.5, 1.5);
    }
    p.setPen(QPen(QColor(0x22, 0x29, 0x34), 1));
    p.drawLine(QPointF(6, 19.5), QPointF(w - 6, 19.5));
    p.drawLine(QPointF(6, h - 19.5), QPointF(w - 6, h - 19.5));

    // A soft light behind a large play symbol in the middle.
    const QPointF c(w / 2.0, h / 2.0);
    QRadialGradient halo(c, 70);
    halo.setColorAt(0, WithAlpha(kBlue, 46));
    halo.setColorAt(1, WithAlpha(kBlue, 0));
    p.setBrush(halo);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 70, 70);

    p.setBrush(QColor(255, 255, 255, 10));
    p.setPen(QPen(WithAlpha(kBlue, 150), 2));
    p.drawEllipse(c, 34, 34);
    p.setPen(Qt::NoPen);
    QLinearGradient tri(0, c.y() - 16, 0, c.y() + 16);
    tri.setColorAt(0, kBlue.lighter(125));
    tri.setColorAt(1, kBlue);
    p.setBrush(tri);
    p.drawPath(PlayTriangle(c, 30));

    // Two thin trim marks under the symbol, echoing the range slider below the preview.
    p.setPen(RoundPen(WithAlpha(kSymbol, 70), 2));
    p.drawLine(QPointF(c.x() - 44, c.y() + 52), QPointF(c.x() + 44, c.y() + 52));
    p.setPen(RoundPen(WithAlpha(kBlue, 200), 2));
    p.drawLine(QPointF(c.x() - 18, c.y() + 52), QPointF(c.x() + 22, c.y() + 52));
    return image;
}

QImage DrawPreviewButton(int id, int scale)
{
    const bool play = id == 202 || id == 203;
    const bool hot = id == 203 || id == 192;
    QImage art = Transparent(18, 18, scale);
    QPainter p(&art);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(9, 9);
    if (hot) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x47, 0x5a));
        p.drawRoundedRect(QRectF(0.5, 0.5, 17, 17), 4, 4);
    }
    const QColor symbol = hot ? kBlue.lighter(120) : kSymbol;
    p.setPen(Qt::NoPen);
    p.setBrush(symbol);
    if (play)
        p.drawPath(PlayTriangle(c + QPointF(0.5, 0), 10));
    else
        p.drawPath(RoundedSquare(c, 8.5, 1.5));
    p.end();
    // The buttons lie at (10, 413) and (30, 413) of the window, 19 x 19 each.
    const QColor under = BackgroundUnder(DrawBackground(), QRect(10, 413, 39, 19));
    return FlattenOnKey(art, under);
}

QImage DrawListButton(int id, int scale)
{
    // 135/136 Remove, 137/138 Add, 139/140 Remove all; the even id of each pair is the hot look.
    const bool hot = id % 2 == 0;
    QImage image = Transparent(50, 50, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    const QPointF c(25, 25);
    PaintDisc(p, c, 21, hot, kBlue, kBlueDeep, kRing, 1.5);

    const QColor ink = hot ? QColor(Qt::white) : kSymbol;
    p.setBrush(Qt::NoBrush);
    p.setPen(RoundPen(ink, 3.2));
    if (id == 137 || id == 138) {
        p.drawLine(QPointF(c.x() - 9, c.y()), QPointF(c.x() + 9, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 9), QPointF(c.x(), c.y() + 9));
    } else if (id == 135 || id == 136) {
        p.drawLine(QPointF(c.x() - 9, c.y()), QPointF(c.x() + 9, c.y()));
    } else {
        // A waste bin: lid with handle, body narrowing downwards, two ribs.
        p.setPen(RoundPen(ink, 2.2));
        p.drawLine(QPointF(c.x() - 10, c.y() - 8), QPointF(c.x() + 10, c.y() - 8));
        p.drawLine(QPointF(c.x() - 3, c.y() - 11), QPointF(c.x() + 3, c.y() - 11));
        p.drawLine(QPointF(c.x() - 3, c.y() - 11), QPointF(c.x() - 3, c.y() - 8));
        p.drawLine(QPointF(c.x() + 3, c.y() - 11), QPointF(c.x() + 3, c.y() - 8));
        QPainterPath body;
        body.moveTo(c.x() - 8, c.y() - 5);
        body.lineTo(c.x() - 6.5, c.y() + 11);
        body.lineTo(c.x() + 6.5, c.y() + 11);
        body.lineTo(c.x() + 8, c.y() - 5);
        p.drawPath(body);
        p.setPen(RoundPen(ink, 1.8));
        p.drawLine(QPointF(c.x() - 2.5, c.y() - 1.5), QPointF(c.x() - 2.2, c.y() + 7.5));
        p.drawLine(QPointF(c.x() + 2.5, c.y() - 1.5), QPointF(c.x() + 2.2, c.y() + 7.5));
    }
    return image;
}

QImage DrawPauseButton(int id, int scale)
{
    // 149/150 Pause hot/normal, 151/152 Resume hot/normal: the list buttons' disc, with the
    // pause bars or, while paused, the play triangle that resumes.
    const bool hot = id == 149 || id == 151;
    QImage image = Transparent(50, 50, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    const QPointF c(25, 25);
    PaintDisc(p, c, 21, hot, kBlue, kBlueDeep, kRing, 1.5);
    const QColor ink = hot ? QColor(Qt::white) : kSymbol;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (id == 149 || id == 150) {
        p.drawRoundedRect(QRectF(c.x() - 7.5, c.y() - 9, 5.5, 18), 1.2, 1.2);
        p.drawRoundedRect(QRectF(c.x() + 2, c.y() - 9, 5.5, 18), 1.2, 1.2);
    } else {
        p.drawPath(PlayTriangle(c + QPointF(1.5, 0), 18));
    }
    return image;
}

QImage DrawStartStopButton(int id, int scale)
{
    // 145/146 Stop hot/normal, 147/148 Start hot/normal.
    const bool start = id == 147 || id == 148;
    const bool hot = id == 145 || id == 147;
    const QColor accent = start ? kGreen : kCoral;
    const QColor deep = start ? kGreenDeep : kCoralDeep;
    QImage image = Transparent(77, 76, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    const QPointF c(38.5, 38);
    PaintDisc(p, c, 33, hot, accent, deep, WithAlpha(accent, 210), 2.2);

    p.setPen(Qt::NoPen);
    if (hot) {
        p.setBrush(Qt::white);
    } else {
        QLinearGradient ink(0, c.y() - 14, 0, c.y() + 14);
        ink.setColorAt(0, accent.lighter(120));
        ink.setColorAt(1, accent);
        p.setBrush(ink);
    }
    if (start)
        p.drawPath(PlayTriangle(c + QPointF(1, 0), 28));
    else
        p.drawPath(RoundedSquare(c, 22, 3.5));
    return image;
}

QList<QImage> DrawApplicationIcon()
{
    QList<QImage> images;
    for (const int size : {16, 24, 32, 48})
        images.append(DrawApplicationIconAt(size));
    return images;
}

QImage DrawApplicationIconAt(int size)
{
    QImage image = Transparent(size, size);
    QPainter p(&image);
    PaintApplicationIcon(p, size);
    return image;
}

void PaintApplicationIcon(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal inset = s <= 16 ? 0.5 : s / 32.0;
    const QRectF tile(inset, inset, s - 2 * inset, s - 2 * inset);
    QLinearGradient fill(0, 0, 0, s);
    fill.setColorAt(0, kBlue.lighter(112));
    fill.setColorAt(1, kBlueDeep.darker(115));
    p.setPen(s >= 32 ? QPen(QColor(255, 255, 255, 60), std::max(1.0, s / 48.0)) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.22, s * 0.22);

    // A play symbol with a curved arrow around it: a video that turns into another.
    const QPointF c(s / 2.0, s / 2.0);
    if (s >= 24) {
        p.setBrush(Qt::NoBrush);
        p.setPen(RoundPen(QColor(255, 255, 255, 200), s / 16.0));
        const qreal r = s * 0.31;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 30 * 16, 280 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(PlayTriangle(c + QPointF(s * 0.02, 0), s >= 24 ? s * 0.32 : s * 0.5));
}

QImage DrawSliderTrack(int scale)
{
    // Exact rows, top to bottom: a dark edge, eight light rows, a dark edge, a white line.
    QImage image(6, 11, QImage::Format_RGB32);
    for (int y = 0; y < 11; ++y) {
        QRgb c = qRgb(215, 215, 215);
        if (y == 0 || y == 9)
            c = qRgb(128, 130, 132);
        else if (y == 10)
            c = qRgb(255, 255, 255);
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, c);
    }
    return Enlarged(image, scale);
}

QImage DrawSliderRange(int scale)
{
    static const QRgb rows[7] = {qRgb(136, 199, 255),
                                 qRgb(136, 199, 255),
                                 qRgb(134, 197, 255),
                                 qRgb(100, 169, 255),
                                 qRgb(92, 162, 255),
                                 qRgb(113, 180, 255),
                                 qRgb(133, 196, 255)};
    QImage image(3, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, rows[y]);
    }
    return Enlarged(image, scale);
}

QImage DrawSliderThumb(bool left, int scale)
{
    // 13 x 18; only the top 17 rows are shown, the last row stays empty.
    QImage image = Transparent(13, 18, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 17);
    face.setColorAt(0, QColor(0xf6, 0xf7, 0xf9));
    face.setColorAt(1, QColor(0xbf, 0xc4, 0xcb));
    p.setPen(QPen(QColor(0x55, 0x5c, 0x66), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 16), 2.5, 2.5);

    // The mark: a small dark wedge pointing into the selected range.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2b, 0x31, 0x3b));
    QPainterPath wedge;
    if (left) {
        wedge.moveTo(4.5, 5);
        wedge.lineTo(8.5, 8.5);
        wedge.lineTo(4.5, 12);
    } else {
        wedge.moveTo(8.5, 5);
        wedge.lineTo(4.5, 8.5);
        wedge.lineTo(8.5, 12);
    }
    wedge.closeSubpath();
    p.drawPath(wedge);
    return image;
}

QImage DrawSkinDownArrow(bool enabled, int scale)
{
    QImage image = Transparent(9, 5, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(0xc9, 0xd2, 0xda) : QColor(0x5a, 0x63, 0x6d));
    QPainterPath wedge;
    wedge.moveTo(0, 0);
    wedge.lineTo(9, 0);
    wedge.lineTo(4.5, 5);
    wedge.closeSubpath();
    p.drawPath(wedge);
    return image;
}
