#include "ProfileList.h"

#include "CIniFile.h"

#include <limits>

ProfileList ReadProfileList(const QString &path)
{
    ProfileList list;
    CIniFile ini;
    ini.SetPath(path);
    if (!ini.HasSection(QStringLiteral("Info")))
        return list;
    list.hasInfo = true;
    list.defaultIndex
        = LeadingDecimal(ini.GetString(QStringLiteral("Info"), QStringLiteral("DefaultProfile")));

    // The first section is [Info]; every later one is a profile, profile0 first.
    QStringList sections;
    ini.GetSectionNames(sections);
    for (qsizetype i = 1; i < sections.size(); ++i)
        list.titles.append(ini.GetString(sections.at(i), QStringLiteral("Title")));
    return list;
}

int LeadingDecimal(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text.at(pos) == u' ' || text.at(pos) == u'\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'-' || text.at(pos) == u'+')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }
    qint64 value = 0;
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; pos < text.size() && text.at(pos) >= u'0' && text.at(pos) <= u'9'; ++pos) {
        value = value * 10 + (text.at(pos).unicode() - u'0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return int(-value);
    return int(qMin(value, qint64(std::numeric_limits<int>::max())));
}
