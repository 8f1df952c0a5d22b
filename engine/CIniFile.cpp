#include "CIniFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct IniEntry
{
    QString key;
    QString value;
};

struct IniSection
{
    QString name;
    QList<IniEntry> entries;
};

QString unquote(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

QList<IniSection> readSections(const QString &path)
{
    QList<IniSection> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // UTF-8 byte order mark
    const QStringList lines = text.split(u'\n');
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
            sections.append({name, {}});
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || sections.isEmpty())
            continue; // not a key, or a key before the first section
        sections.last().entries.append(
            {line.left(equals).trimmed(), unquote(line.mid(equals + 1))});
    }
    return sections;
}

const IniSection *findSection(const QList<IniSection> &sections, const QString &name)
{
    for (const IniSection &section : sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

} // namespace

int CIniFile::SetPath(const QString &path)
{
    m_path = path;
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? 1 : 0;
}

bool CIniFile::HasSection(const QString &section) const
{
    const QList<IniSection> sections = readSections(m_path);
    const IniSection *found = findSection(sections, section);
    return found && !found->entries.isEmpty();
}

QString CIniFile::GetString(const QString &section, const QString &key) const
{
    const QList<IniSection> sections = readSections(m_path);
    const IniSection *found = findSection(sections, section);
    if (!found)
        return QString();
    for (const IniEntry &entry : found->entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value.left(MaxValueLength);
    }
    return QString();
}

int CIniFile::GetSectionNames(QStringList &names) const
{
    names.clear();
    for (const IniSection &section : readSections(m_path))
        names.append(section.name.left(MaxSectionNameLength));
    if (names.isEmpty())
        names.append(QString());
    return int(names.size());
}
