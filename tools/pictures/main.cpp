// Writes every picture of the program into a folder (normally res/), named by its id.

#include "IcoWriter.h"
#include "PictureDesigns.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
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
    ok &= Save(DrawBackground().convertToFormat(QImage::Format_RGB888), path(185, "png"), err);
    ok &= Save(DrawPreviewArea(), path(191, "png"), err);
    for (const int id : {192, 202, 203, 210})
        ok &= Save(
            DrawPreviewButton(id).convertToFormat(QImage::Format_RGB888), path(id, "png"), err);
    for (int id = 135; id <= 140; ++id)
        ok &= Save(DrawListButton(id), path(id, "png"), err);
    for (int id = 145; id <= 148; ++id)
        ok &= Save(DrawStartStopButton(id), path(id, "png"), err);
    ok &= Save(DrawSliderTrack().convertToFormat(QImage::Format_RGB888), path(212, "png"), err);
    ok &= Save(DrawSliderRange().convertToFormat(QImage::Format_RGB888), path(213, "png"), err);
    ok &= Save(DrawSliderThumb(true), path(214, "png"), err);
    ok &= Save(DrawSliderThumb(false), path(215, "png"), err);
    // The skin's own pictures are named, not numbered: no window asks for them by id.
    ok &= Save(DrawSkinDownArrow(true), out.filePath(QStringLiteral("skin-down-arrow.png")), err);
    ok &= Save(DrawSkinDownArrow(false),
               out.filePath(QStringLiteral("skin-down-arrow-disabled.png")),
               err);

    const QList<QImage> appIcon = DrawApplicationIcon();
    ok &= Save(appIcon.last(), path(128, "png"), err);
    // Each size once more as its own PNG, for the desktop's icon theme (installed as hicolor).
    for (const QImage &size : appIcon)
        ok &= Save(size, out.filePath(QStringLiteral("128-%1.png").arg(size.width())), err);
    QFile ico(path(128, "ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(EncodeIco(appIcon)) < 0) {
        err << "cannot write " << ico.fileName() << "\n";
        ok = false;
    }
    return ok ? 0 : 1;
}
