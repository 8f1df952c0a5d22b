#pragma once

#include <QString>

#include <functional>

/// Shows a notice through the desktop's notification service (org.freedesktop.Notifications on
/// the session bus). Fire and forget: nothing waits for the service, and without one nothing
/// happens. Tests replace the sending with a handler, so no test talks to a real server.
class DesktopNotifier
{
public:
    using Handler = std::function<void(const QString &summary, const QString &body)>;

    static void Notify(const QString &summary, const QString &body = QString());
    /// Replaces the sending; an empty function restores the D-Bus call.
    static void SetHandler(Handler handler);
};
