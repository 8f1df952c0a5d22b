#include "InstanceChannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

/// The window's answer once it has the files.
const QByteArray kTaken = QByteArrayLiteral("taken\n");
constexpr int kLengthBytes = 4;
/// Pause between two tries while another window holds the lock but does not answer yet.
constexpr int kRetryMs = 100;

const QString kFilesKey = QStringLiteral("files");
const QString kRejectedKey = QStringLiteral("rejected");

QStringList Strings(const QJsonValue &value)
{
    QStringList strings;
    for (const QJsonValue &item : value.toArray()) {
        if (item.isString())
            strings.append(item.toString());
    }
    return strings;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_lock(name + QStringLiteral(".lock"))
{
    // Held for the window's whole life: only a lock of a process that has gone is stale.
    m_lock.setStaleLockTime(0);
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::DefaultName()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("tavrel.socket"));
}

bool InstanceChannel::IsListening() const
{
    return m_server && m_server->isListening();
}

InstanceChannel::Role InstanceChannel::Join(const QStringList &files, const QStringList &rejected)
{
    const bool handing = !files.isEmpty() || !rejected.isEmpty();
    const QByteArray message
        = QJsonDocument(QJsonObject{{kFilesKey, QJsonArray::fromStringList(files)},
                                    {kRejectedKey, QJsonArray::fromStringList(rejected)}})
              .toJson(QJsonDocument::Compact);
    QDeadlineTimer deadline(kJoinTimeoutMs);
    for (;;) {
        if (handing && Send(message, int(deadline.remainingTime())))
            return Role::Handed;
        if (m_lock.tryLock(0))
            return Role::First;
        // Another window holds the lock: it may be starting and not listen yet. A program
        // without files opens a window of its own.
        if (!handing || deadline.hasExpired() || m_lock.error() != QLockFile::LockFailedError)
            return Role::Alone;
        QThread::msleep(kRetryMs);
    }
}

bool InstanceChannel::Send(const QByteArray &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    const QDeadlineTimer deadline(std::max(timeoutMs, kRetryMs));
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray length(kLengthBytes, '\0');
    qToBigEndian(quint32(message.size()), length.data());
    socket.write(length + message);
    QByteArray reply;
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(int(deadline.remainingTime()))) {
    }
    while (reply.size() < kTaken.size() && socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    reply += socket.readAll();
    socket.abort();
    return reply.startsWith(kTaken);
}

bool InstanceChannel::Listen()
{
    if (!m_lock.isLocked() || m_server)
        return IsListening();
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // This program holds the lock: a socket that is there was left by a window that crashed.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name)) {
        //: Printed after "Tavrel: "; %1 is the system's reason.
        qWarning("Tavrel: %s",
                 qPrintable(tr("files opened later will open windows of their own: %1")
                                .arg(m_server->errorString())));
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &InstanceChannel::OnNewConnection);
    return true;
}

void InstanceChannel::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A program that never says all it meant to is not listened to for ever.
        QTimer::singleShot(2 * kJoinTimeoutMs, socket, [socket] { socket->abort(); });
    }
}

void InstanceChannel::OnReadyRead(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < kLengthBytes)
        return;
    const QByteArray head = socket->peek(kLengthBytes);
    const quint32 length = qFromBigEndian<quint32>(head.constData());
    if (length > quint32(kMaxMessageBytes)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < kLengthBytes + qint64(length))
        return;
    socket->read(kLengthBytes);
    const QJsonObject message = QJsonDocument::fromJson(socket->read(length)).object();
    QStringList files;
    for (const QString &file : Strings(message.value(kFilesKey))) {
        if (QFileInfo(file).isAbsolute())
            files.append(file);
    }
    const QStringList rejected = Strings(message.value(kRejectedKey));
    if (socket->state() != QLocalSocket::ConnectedState)
        return; // the program gave up waiting and opens a window of its own
    socket->write(kTaken);
    socket->disconnectFromServer();
    if (!files.isEmpty() || !rejected.isEmpty())
        emit filesReceived(files, rejected);
}
