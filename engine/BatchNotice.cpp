#include "BatchNotice.h"

#include <QCoreApplication>

#include <algorithm>

QString BatchNoticeText(int converted, int failed)
{
    converted = std::max(converted, 0);
    failed = std::max(failed, 0);
    // The program's name leads the notice and is not translated.
    const QString name = QStringLiteral("Tavrel: ");
    if (failed == 0 && converted == 1)
        //: Desktop notification after "Tavrel: "; %1 is 1.
        return name
               + QCoreApplication::translate("BatchNotice", "%1 video converted").arg(converted);
    if (failed == 0)
        //: Desktop notification after "Tavrel: "; %1 is the number of videos.
        return name
               + QCoreApplication::translate("BatchNotice", "%1 videos converted").arg(converted);
    //: Desktop notification after "Tavrel: "; %1 and %2 are numbers of videos.
    return name
           + QCoreApplication::translate("BatchNotice", "%1 converted, %2 failed")
                 .arg(converted)
                 .arg(failed);
}
