#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

/// A file this process created exclusively and therefore owns: the part file an encoder writes
/// instead of the final output, or a pre-conversion's intermediate. Whatever happens to it, the
/// object only ever deletes or moves the very file it created (same device and inode), never a
/// file of another window that took the same name. The file is deleted when the object goes away
/// without having been moved into place. While the object holds it, the file is locked (flock),
/// so that RemoveStalePartFiles can tell a part file of a program that was killed from one that
/// is being written.
class PartFile
{
    Q_DISABLE_COPY(PartFile)
    Q_DECLARE_TR_FUNCTIONS(PartFile)

public:
    /// Names to try: candidate(1), candidate(2), ... until one is free.
    using Candidates = std::function<QString(int n)>;

    PartFile() = default;
    ~PartFile();

    /// Creates the first free candidate as a new, empty file (O_EXCL: never an existing name, a
    /// dangling link included). false with the reason when none could be created.
    bool Create(const Candidates &candidates, QString *error = nullptr);
    /// Creates the hidden part file for finalPath in its folder (PartFilePath).
    bool CreateFor(const QString &finalPath, QString *error = nullptr);

    /// The file's path; empty before Create and after Remove or MoveIntoPlace.
    QString Path() const { return m_path; }
    bool IsOpen() const { return !m_path.isEmpty(); }

    /// Moves the file to the first free candidate with a move that never replaces anything
    /// (renameat2 with RENAME_NOREPLACE; where the file system lacks it, link and unlink, or a
    /// name reserved exclusively and then replaced). Returns the name the file got, or an empty
    /// text with the reason; on failure the part file stays (Remove deletes it).
    QString MoveIntoPlace(const Candidates &candidates, QString *error = nullptr);

    /// Deletes the file when it is still the one this object created; forgets it either way.
    void Remove();

    /// Deletes the part files (PartFilePath names) in folder that no living program holds and
    /// that have not changed for a while: what a program that was killed left behind. Returns
    /// how many were deleted.
    static int RemoveStalePartFiles(const QString &folder);
    /// Deletes the file at path when it is a regular file that no living program holds: one a
    /// program that was killed had made. True when it was deleted.
    static bool RemoveAbandoned(const QString &path);

private:
    void Release();

    QString m_path;
    int m_fd = -1;
    quint64 m_device = 0;
    quint64 m_inode = 0;
};

/// The hidden part file name for finalPath, try n (1, 2, ...): in the same folder, a leading
/// full stop, the final name's stem, ".tavrel-part" (and "-<n>" from 2 on), and the final
/// extension, so that the container is the same: "/out/clip.mp4" gives
/// "/out/.clip.tavrel-part.mp4". Cut by bytes to the file system's name limit.
QString PartFilePath(const QString &finalPath, int n);

/// True for a file name made by PartFilePath.
bool IsPartFileName(const QString &fileName);
