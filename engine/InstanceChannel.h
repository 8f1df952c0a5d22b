#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

/// How one window takes the files a later start of the program is given ("Open with" from a
/// file manager): the first window listens on a local socket of the user's runtime folder; a
/// program started with files hands them over to it and ends. Who listens is decided by a lock
/// file beside the socket, so that two programs starting at once never both listen, and a
/// socket left by a window that crashed is taken over by the next one.
///
/// The listening side only reacts to its socket's signals; only Join, which runs before any
/// window exists, waits (bounded).
class InstanceChannel : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(InstanceChannel)

public:
    enum class Role {
        Handed, ///< a running window took the files: this program can end
        First,  ///< this program is the first window: it takes later programs' files (Listen)
        Alone,  ///< another window runs but did not take files (or none were given)
    };

    /// Longest wait of Join for a window that holds the lock to answer, milliseconds.
    static constexpr int kJoinTimeoutMs = 5000;
    /// Largest message a window takes, bytes.
    static constexpr int kMaxMessageBytes = 16 * 1024 * 1024;

    /// name: the socket's path (DefaultName()).
    explicit InstanceChannel(const QString &name, QObject *parent = nullptr);
    ~InstanceChannel() override;

    /// "tavrel.socket" in the user's runtime folder ($XDG_RUNTIME_DIR).
    static QString DefaultName();

    /// Hands files (absolute paths) and rejected (names an add left out, for the notice) to the
    /// window that listens, when files or rejected are not empty; otherwise, or when no window
    /// runs, takes the lock and becomes the first window. Waits at most kJoinTimeoutMs (only
    /// while another window holds the lock without answering yet).
    Role Join(const QStringList &files, const QStringList &rejected);
    /// After Join gave First: starts taking later programs' files, which filesReceived reports
    /// (until then they wait). A socket left by a window that crashed is replaced. False when
    /// the socket cannot be made (later programs then open windows of their own).
    bool Listen();
    bool IsListening() const;

signals:
    /// A later program handed these over (files: absolute paths; rejected: names it left out).
    void filesReceived(const QStringList &files, const QStringList &rejected);

private:
    bool Send(const QByteArray &message, int timeoutMs);
    void OnNewConnection();
    void OnReadyRead(QLocalSocket *socket);

    QString m_name;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
