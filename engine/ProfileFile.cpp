#include "ProfileFile.h"

#include "CIniFile.h"
#include "ProgramDir.h"

#include <QDir>

namespace {

const QString CommandKey = QStringLiteral("Command0");

} // namespace

ProfileFile::ProfileFile(const QString &path)
    : m_path(QDir::cleanPath(QDir::current().absoluteFilePath(path)))
    , m_list(ReadProfileList(m_path))
{
    CIniFile ini;
    if (ini.SetPath(m_path) == 0)
        return;
    QStringList sections;
    ini.GetSectionNames(sections);
    for (const QString &section : std::as_const(sections)) {
        const QString key = section.toLower();
        if (section.isEmpty() || m_templates.contains(key))
            continue; // the first of two sections of one name is the one that counts
        const QString command = ini.GetString(section, CommandKey);
        if (!command.isEmpty())
            m_templates.insert(key, command);
    }
}

QString ProfileFile::DefaultPath()
{
    return QDir(AppDir()).filePath(QString::fromLatin1(FileName));
}

QString ProfileFile::CommandTemplate(int profile) const
{
    return m_templates.value(QStringLiteral("profile%1").arg(profile));
}
