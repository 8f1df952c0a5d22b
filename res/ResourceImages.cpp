#include "ResourceImages.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

// Registration lives outside any namespace, as Q_INIT_RESOURCE requires.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(pictures);
}

void InitResourceImages()
{
    static const bool registered = (RegisterPictures(), true);
    Q_UNUSED(registered);
}

QString ResourceImagePath(int id)
{
    return QStringLiteral(":/res/%1.png").arg(id);
}

QString ResourceImagePath2x(int id)
{
    return QStringLiteral(":/res/%1@2x.png").arg(id);
}

namespace {

// Qt's high-DPI rule for pictures: where a screen shows more than one device pixel per pixel,
// the "@2x" file is read instead, and Qt gives it a pixel ratio of 2 from its name, so it is
// drawn at the same size with twice the detail.
QString PathForScreens(int id)
{
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (app && app->devicePixelRatio() > 1.0) {
        const QString sharp = ResourceImagePath2x(id);
        if (QFile::exists(sharp))
            return sharp;
    }
    return ResourceImagePath(id);
}

} // namespace

QImage LoadResourceImage(int id)
{
    InitResourceImages();
    return QImage(PathForScreens(id));
}

QPixmap LoadResourcePixmap(int id)
{
    InitResourceImages();
    return QPixmap(PathForScreens(id));
}

QIcon LoadResourceIcon(int id)
{
    InitResourceImages();
    QIcon icon;
    // An .ico holds several sizes; each becomes one entry of the icon.
    QImageReader ico(QStringLiteral(":/res/%1.ico").arg(id));
    if (ico.canRead()) {
        do {
            const QImage image = ico.read();
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
        } while (ico.jumpToNextImage());
    }
    if (icon.isNull()) {
        const QPixmap pixmap = LoadResourcePixmap(id);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

QList<int> AllResourceImageIds()
{
    return {IDI_APPLICATION_ICON,
            IDI_REMOVE,
            IDI_REMOVE_HOT,
            IDI_ADD,
            IDI_ADD_HOT,
            IDI_REMOVE_ALL,
            IDI_REMOVE_ALL_HOT,
            IDI_STOP_HOT,
            IDI_STOP,
            IDI_START_HOT,
            IDI_START,
            IDI_PAUSE_HOT,
            IDI_PAUSE,
            IDI_RESUME_HOT,
            IDI_RESUME,
            IDB_BACKGROUND,
            IDB_PREVIEW_AREA,
            IDB_PREVIEW_STOP_HOT,
            IDB_PREVIEW_PLAY,
            IDB_PREVIEW_PLAY_HOT,
            IDB_PREVIEW_STOP,
            IDB_SLIDER_TRACK,
            IDB_SLIDER_RANGE,
            IDB_SLIDER_LEFT_THUMB,
            IDB_SLIDER_RIGHT_THUMB};
}
