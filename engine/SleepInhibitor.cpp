#include "SleepInhibitor.h"

#include "Logind.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr int CallTimeoutMs = 5000;

} // namespace

SleepInhibitor::SleepInhibitor(QObject *parent)
    : QObject(parent)
{}

SleepInhibitor::~SleepInhibitor() = default;

void SleepInhibitor::Acquire(const QString &reason)
{
    if (m_wanted)
        return;
    m_wanted = true;
    const quint64 request = ++m_request;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = LogindManagerCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Tavrel") << reason
         << QStringLiteral("block");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, CallTimeoutMs), this);
    connect(watcher,
            &QDBusPendingCallWatcher::finished,
            this,
            [this, request](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
                // An error (no logind, refused) or an answer that comes too late: no lock.
                if (reply.isError() || !m_wanted || request != m_request)
                    return;
                m_lock = reply.value();
                if (m_lock.isValid())
                    emit acquired();
            });
}

void SleepInhibitor::Release()
{
    m_wanted = false;
    ++m_request;
    // The last copy of the descriptor closes it, and logind drops the lock.
    m_lock = QDBusUnixFileDescriptor();
}
