#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

/// The MPEG4 profiles of a profile file as the "MPEG4 Profile" combo box lists them.
struct ProfileList
{
    bool hasInfo = false;  ///< false: the file (or its [Info] section) is missing; list nothing
    QStringList titles;    ///< "Title" of every section after the first, in file order
    int defaultIndex = -1; ///< [Info] DefaultProfile, read as a decimal integer
    /// Per profile, its "Title[<language>]" keys by language ("de", "pt_BR"): the title a person
    /// of that language reads. The plain "Title" stays the profile's identity (the command line
    /// and the kept list match it).
    QList<QHash<QString, QString>> translatedTitles;

    /// The title of profile index as the list shows it in language (a QLocale name; empty for
    /// English): its translated title when the file has one, else its Title.
    QString ShownTitle(int index, const QString &language) const;
};

/// Reads the profile list from the profile file at path. Without an [Info] section that holds a
/// key the result lists nothing (hasInfo false). A missing DefaultProfile reads as 0.
ProfileList ReadProfileList(const QString &path);

/// A decimal integer as the C runtime reads one: leading blanks skipped, an optional sign, then
/// the digits up to the first other character; no digits give 0. Values beyond int are clamped.
int LeadingDecimal(const QString &text);
