#include "SourceFactsCache.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

SourceFactsCache::SourceFactsCache(QObject *parent)
    : QObject(parent)
{}

SourceFactsCache::~SourceFactsCache() = default;

bool SourceFactsCache::IsCurrent(const QString &path, const Entry &entry) const
{
    const QFileInfo file(path);
    return file.lastModified() == entry.modified && file.size() == entry.size;
}

void SourceFactsCache::Request(const QString &path)
{
    if (path.isEmpty())
        return;
    const auto found = m_entries.constFind(path);
    if (found != m_entries.constEnd() && (found->reading || IsCurrent(path, *found)))
        return;
    const QFileInfo file(path);
    Entry &entry = m_entries[path];
    entry.reading = true;
    entry.modified = file.lastModified();
    entry.size = file.size();
    auto *watcher = new QFutureWatcher<SourceFacts>(this);
    connect(watcher, &QFutureWatcher<SourceFacts>::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        Entry &done = m_entries[path];
        done.facts = watcher->result();
        done.reading = false;
        emit factsReady(path);
    });
    watcher->setFuture(QtConcurrent::run([path] { return ReadSourceFacts(path); }));
}

std::optional<SourceFacts> SourceFactsCache::Facts(const QString &path) const
{
    const auto found = m_entries.constFind(path);
    if (found == m_entries.constEnd() || found->reading || !IsCurrent(path, *found))
        return std::nullopt;
    return found->facts;
}
