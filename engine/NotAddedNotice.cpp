#include "NotAddedNotice.h"

QString NotAddedNoticeText(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    QStringList lines{names.size() == 1
                          ? QStringLiteral("This file could not be added (not a readable video of "
                                           "a supported type):")
                          : QStringLiteral("These files could not be added (not readable videos "
                                           "of a supported type):")};
    lines += names.mid(0, NotAddedNoticeMaxNames);
    if (names.size() > NotAddedNoticeMaxNames)
        lines << QStringLiteral("and %1 more").arg(names.size() - NotAddedNoticeMaxNames);
    return lines.join(u'\n');
}
