#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

/// Keeps the computer from going to sleep or idling into sleep while held: a "sleep:idle" block
/// lock of the session manager (logind's Inhibit on the system bus). logind hands out a file
/// descriptor that holds the lock until it is closed. Where there is no system bus or no logind
/// (a container, CI) nothing happens, silently.
///
/// The request is asynchronous, so the user-interface thread never waits for the bus: a lock
/// that arrives after Release is closed at once.
class SleepInhibitor : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SleepInhibitor)

public:
    explicit SleepInhibitor(QObject *parent = nullptr);
    /// Releases a lock still held.
    ~SleepInhibitor() override;

    /// Asks for the lock, giving reason as the why that the desktop shows. Nothing when it is
    /// already asked for.
    void Acquire(const QString &reason);
    /// Closes the lock (or drops the pending request).
    void Release();

signals:
    /// The session manager granted the lock.
    void acquired();

private:
    QDBusUnixFileDescriptor m_lock;
    bool m_wanted = false;
    /// Counts requests, so that a late answer to an earlier one is recognised.
    quint64 m_request = 0;
};
