#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

DesktopNotifier::Handler g_handler;

} // namespace

void DesktopNotifier::Notify(const QString &summary, const QString &body)
{
    if (g_handler) {
        g_handler(summary, body);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                         QStringLiteral("/org/freedesktop/Notifications"),
                                         QStringLiteral("org.freedesktop.Notifications"),
                                         QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tavrel"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // server's default).
    call << QStringLiteral("Tavrel") << quint32(0) << QStringLiteral("tavrel") << summary << body
         << QStringList() << hints << qint32(-1);
    // No reply is awaited: an absent service costs an error reply nobody reads. A server that
    // the bus starts on demand is started.
    bus.send(call);
}

void DesktopNotifier::SetHandler(Handler handler)
{
    g_handler = std::move(handler);
}
