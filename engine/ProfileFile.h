#pragma once

#include "ProfileList.h"

#include <QHash>
#include <QString>

/// The profile file ("Zune_Profile.ini" in the app folder): the MPEG4 profiles' titles, the
/// default profile and each profile's encoder command template. Opened by absolute path and
/// read once, when the object is made; the working directory plays no part. A missing file
/// reads as one with no profile.
class ProfileFile
{
public:
    /// The profile file's name inside the app folder.
    static constexpr const char *FileName = "Zune_Profile.ini";

    /// No file: no profiles and no templates.
    ProfileFile() = default;
    /// Reads the profile file at path (made absolute against the current directory now).
    explicit ProfileFile(const QString &path);

    /// The profile file of the program: FileName in the app folder (AppDir).
    static QString DefaultPath();

    /// The absolute path the file was read from; empty for an object made without a file.
    QString Path() const { return m_path; }
    /// The profiles as the "MPEG4 Profile" combo box lists them (see ReadProfileList).
    const ProfileList &List() const { return m_list; }
    /// The template "Command0" of section "profile<profile>"; empty when the section or the key
    /// is missing.
    QString CommandTemplate(int profile) const;

private:
    QString m_path;
    ProfileList m_list;
    /// Command0 of every section that has one, by the section's name in lower case (section
    /// names are compared without regard to letter case).
    QHash<QString, QString> m_templates;
};
