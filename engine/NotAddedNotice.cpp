#include "NotAddedNotice.h"

#include <QCoreApplication>

QString NotAddedNoticeText(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    //: Notice above a list of file names, one a line.
    QStringList lines{names.size() == 1
                          ? QCoreApplication::translate("NotAddedNotice",
                                                        "This file could not be added (not a "
                                                        "readable video of a supported type):")
                          : QCoreApplication::translate("NotAddedNotice",
                                                        "These files could not be added (not "
                                                        "readable videos of a supported type):")};
    lines += names.mid(0, NotAddedNoticeMaxNames);
    if (names.size() > NotAddedNoticeMaxNames)
        //: Last line of the notice's list of file names; %1 is how many names are not shown.
        lines << QCoreApplication::translate("NotAddedNotice", "and %1 more")
                     .arg(names.size() - NotAddedNoticeMaxNames);
    return lines.join(u'\n');
}
