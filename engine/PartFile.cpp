#include "PartFile.h"

#include "OutputPath.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QDir>

#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace {

// Beyond this many taken names something is wrong with the folder; give up.
constexpr int MaxCandidates = 10000;
// A part file unchanged for this long and held by no program is a leftover. The wait covers the
// moment between its creation and its lock.
constexpr time_t StaleSeconds = 60;

const QString PartMarker = QStringLiteral(".tavrel-part");

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

/// renameat2(RENAME_NOREPLACE): 0, or errno. EINVAL/ENOSYS when the file system or the kernel
/// cannot do it.
int RenameNoReplace(const QByteArray &from, const QByteArray &to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    return errno;
#else
    Q_UNUSED(from)
    Q_UNUSED(to)
    return ENOSYS;
#endif
}

/// Moves from to the new name to without ever replacing a file: 0, EEXIST when to is taken, or
/// another errno.
int MoveWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    const int renamed = RenameNoReplace(from, to);
    if (renamed != EINVAL && renamed != ENOSYS && renamed != ENOTSUP)
        return renamed;
    // A hard link cannot replace either.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    // No hard links (FAT, some network file systems): reserve the name exclusively, then
    // replace that empty file of our own.
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(from.constData(), to.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlink(to.constData());
    return error;
}

} // namespace

PartFile::~PartFile()
{
    Remove();
}

bool PartFile::Create(const Candidates &candidates, QString *error)
{
    Remove();
    for (int n = 1; n <= MaxCandidates; ++n) {
        const QString path = candidates(n);
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            if (error)
                //: %1 is a file's path, %2 the system's reason.
                *error = tr("%1 cannot be created: %2").arg(path, SystemError(errno));
            return false;
        }
        struct stat info = {};
        ::fstat(fd, &info);
        ::flock(fd, LOCK_EX | LOCK_NB);
        m_fd = fd;
        m_path = path;
        m_device = quint64(info.st_dev);
        m_inode = quint64(info.st_ino);
        return true;
    }
    if (error)
        *error = tr("No free file name was found.");
    return false;
}

bool PartFile::CreateFor(const QString &finalPath, QString *error)
{
    return Create([&finalPath](int n) { return PartFilePath(finalPath, n); }, error);
}

QString PartFile::MoveIntoPlace(const Candidates &candidates, QString *error)
{
    if (m_path.isEmpty()) {
        if (error)
            *error = tr("There is no file to move.");
        return {};
    }
    const QByteArray from = QFile::encodeName(m_path);
    for (int n = 1; n <= MaxCandidates; ++n) {
        const QString target = candidates(n);
        const int result = MoveWithoutReplacing(from, QFile::encodeName(target));
        if (result == EEXIST)
            continue;
        if (result != 0) {
            if (error)
                //: %1 is a file's path, %2 the system's reason.
                *error = tr("%1 cannot be written: %2").arg(target, SystemError(result));
            return {};
        }
        Release();
        return target;
    }
    if (error)
        *error = tr("No free file name was found.");
    return {};
}

void PartFile::Remove()
{
    if (m_path.isEmpty())
        return;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) == 0 && quint64(info.st_dev) == m_device
        && quint64(info.st_ino) == m_inode)
        ::unlink(name.constData());
    Release();
}

void PartFile::Release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

namespace {

/// Deletes path when it is a regular file that nobody holds (flock), unchanged for minimumAge
/// seconds, and still the file named.
bool RemoveUnheld(const QString &fileName, time_t minimumAge)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened = {};
    struct stat named = {};
    const bool removed = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)
                         && std::time(nullptr) - opened.st_mtime >= minimumAge
                         && ::flock(fd, LOCK_EX | LOCK_NB) == 0
                         && ::lstat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev
                         && named.st_ino == opened.st_ino && ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
}

} // namespace

int PartFile::RemoveStalePartFiles(const QString &folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (IsPartFileName(name))
            removed += RemoveUnheld(dir.filePath(name), StaleSeconds);
    }
    return removed;
}

bool PartFile::RemoveAbandoned(const QString &path)
{
    return !path.isEmpty() && RemoveUnheld(path, 0);
}

QString PartFilePath(const QString &finalPath, int n)
{
    const QFileInfo info(finalPath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const QString marker = n <= 1 ? PartMarker : PartMarker + QStringLiteral("-%1").arg(n);
    const QString folder = finalPath.left(finalPath.size() - name.size());
    return folder + FitFileName(u'.' + stem, marker + extension);
}

bool IsPartFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\..*\\.tavrel-part(-[0-9]+)?(\\.[^.]*)?$"));
    return pattern.match(fileName).hasMatch();
}
