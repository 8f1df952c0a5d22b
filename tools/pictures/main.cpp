// Writes every picture of the program into a folder (normally res/), named by its id.

#include "IcoWriter.h"
#include "PictureDesigns.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include <cstdio>

namespace {

bool Save(const QImage &image, const QString &path, QTextStream &err)
{
    if (!image.save(path, "PNG")) {
        err << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: tavrel_pictures <output folder>\n";
        return 2;
    }
    QDir out(args.at(1));
    if (!out.exists() && !out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << args.at(1) << "\n";
        return 1;
    }
    auto path = [&out](int id, const char *ext) {
        return out.filePath(QStringLiteral("%1.%2").arg(id).arg(QLatin1String(ext)));
    };

    bool ok = true;
    // Every picture twice: as the program's pixels ("185.png") and with twice the pixels each way
    // ("185@2x.png"), which Qt's high-DPI rules pick on screens scaled above 100 %.
    for (const int scale : {1, 2}) {
        const auto name = [&](const QString &base) {
            return out.filePath(scale == 1 ? base + QStringLiteral(".png")
                                           : base + QStringLiteral("@2x.png"));
        };
        const auto id = [&](int number) {
            return name(QString::number(number));
        };
        const auto rgb = [](const QImage &image) {
            return image.convertToFormat(QImage::Format_RGB888);
        };
        ok &= Save(rgb(DrawBackground(scale)), id(185), err);
        ok &= Save(DrawPreviewArea(scale), id(191), err);
        for (const int n : {192, 202, 203, 210})
            ok &= Save(rgb(DrawPreviewButton(n, scale)), id(n), err);
        for (int n = 135; n <= 140; ++n)
            ok &= Save(DrawListButton(n, scale), id(n), err);
        for (int n = 145; n <= 148; ++n)
            ok &= Save(DrawStartStopButton(n, scale), id(n), err);
        for (int n = 149; n <= 152; ++n)
            ok &= Save(DrawPauseButton(n, scale), id(n), err);
        ok &= Save(rgb(DrawSliderTrack(scale)), id(212), err);
        ok &= Save(rgb(DrawSliderRange(scale)), id(213), err);
        ok &= Save(DrawSliderThumb(true, scale), id(214), err);
        ok &= Save(DrawSliderThumb(false, scale), id(215), err);
        // The skin's own pictures are named, not numbered: no window asks for them by id.
        ok &= Save(DrawSkinDownArrow(true, scale), name(QStringLiteral("skin-down-arrow")), err);
        ok &= Save(
            DrawSkinDownArrow(false, scale), name(QStringLiteral("skin-down-arrow-disabled")), err);
    }

    const QList<QImage> appIcon = DrawApplicationIcon();
    ok &= Save(appIcon.last(), path(128, "png"), err);
    ok &= Save(DrawApplicationIconAt(appIcon.last().width() * 2),
               out.filePath(QStringLiteral("128@2x.png")),
               err);
    // Each size once more as its own PNG, for the desktop's icon theme (installed as hicolor).
    for (const QImage &size : appIcon)
        ok &= Save(size, out.filePath(QStringLiteral("128-%1.png").arg(size.width())), err);
    // The large sizes software centres and launchers show, and the scalable one.
    for (const int size : {64, 128, 256})
        ok &= Save(
            DrawApplicationIconAt(size), out.filePath(QStringLiteral("128-%1.png").arg(size)), err);
    {
        QSvgGenerator svg;
        svg.setFileName(out.filePath(QStringLiteral("128.svg")));
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRect(0, 0, 256, 256));
        svg.setTitle(QStringLiteral("Tavrel"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            err << "cannot write 128.svg\n";
            ok = false;
        } else {
            PaintApplicationIcon(painter, 256);
            painter.end();
        }
    }
    QFile ico(path(128, "ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(EncodeIco(appIcon)) < 0) {
        err << "cannot write " << ico.fileName() << "\n";
        ok = false;
    }
    return ok ? 0 : 1;
}
