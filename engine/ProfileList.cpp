#include "ProfileList.h"

#include "AppTranslations.h"
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
    for (qsizetype i = 1; i < sections.size(); ++i) {
        list.titles.append(ini.GetString(sections.at(i), QStringLiteral("Title")));
        QHash<QString, QString> translated;
        for (const QString &language : ShippedLanguages()) {
            const QString title
                = ini.GetString(sections.at(i), QStringLiteral("Title[%1]").arg(language));
            if (!title.isEmpty())
                translated.insert(language, title);
        }
        list.translatedTitles.append(translated);
    }
    return list;
}

QString ProfileList::ShownTitle(int index, const QString &language) const
{
    const QString title = titles.value(index);
    if (language.isEmpty() || index < 0 || index >= translatedTitles.size())
        return title;
    return translatedTitles.at(index).value(language, title);
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
