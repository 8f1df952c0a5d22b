#pragma once

#include <QString>
#include <QStringList>

/// Reader of an INI profile file with the reading rules of the Windows profile functions:
/// sections in file order, section and key names compared without regard to letter case, values
/// trimmed and stripped of one pair of surrounding quotes, lines starting with ';' ignored.
/// The file is read afresh on every query, as those functions do, so a file edited meanwhile is
/// seen at once.
class CIniFile
{
public:
    /// Longest value returned by GetString (longer values are cut).
    static constexpr int MaxValueLength = 1023;
    /// Longest section name returned by GetSectionNames (longer names are cut).
    static constexpr int MaxSectionNameLength = 259;

    /// Stores path in any case; returns 1 when it names an existing file (not a folder), else 0.
    int SetPath(const QString &path);
    QString path() const { return m_path; }

    /// True when the section exists and holds at least one key.
    bool HasSection(const QString &section) const;
    /// The value of key in section; empty when the file, section or key is missing.
    QString GetString(const QString &section, const QString &key) const;
    /// Fills names with the section names in file order and returns their count. A file without
    /// sections (or a missing file) gives one empty name.
    int GetSectionNames(QStringList &names) const;

private:
    QString m_path;
};
