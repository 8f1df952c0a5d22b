#pragma once

#include <QDBusMessage>
#include <QString>

/// A call of method on the session manager: logind's org.freedesktop.login1.Manager on the
/// system bus. The caller adds the arguments and sends it.
inline QDBusMessage LogindManagerCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"),
                                          method);
}
