#pragma once

#include "SourceFacts.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

/// The facts of the sources a window shows (their sound and subtitle tracks for the row menu),
/// read on worker threads when they are asked for and kept per file until the file changes.
/// Lives on the user-interface thread and never blocks it.
class SourceFactsCache : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SourceFactsCache)

public:
    explicit SourceFactsCache(QObject *parent = nullptr);
    ~SourceFactsCache() override;

    /// Starts reading the facts of path unless they are known for the file as it is now or are
    /// being read.
    void Request(const QString &path);
    /// The facts of path as read from the file as it is now (facts.ok false: it could not be
    /// read); nullopt while they are unknown or being read.
    std::optional<SourceFacts> Facts(const QString &path) const;

signals:
    /// The facts of path have been read.
    void factsReady(const QString &path);

private:
    struct Entry
    {
        SourceFacts facts;
        QDateTime modified; ///< the file's time of change when it was read
        qint64 size = -1;
        bool reading = false;
    };
    bool IsCurrent(const QString &path, const Entry &entry) const;

    QHash<QString, Entry> m_entries;
};
