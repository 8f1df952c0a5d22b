#include "BatchNotice.h"

#include <algorithm>

QString BatchNoticeText(int converted, int failed)
{
    converted = std::max(converted, 0);
    failed = std::max(failed, 0);
    if (failed == 0)
        return QStringLiteral("Tavrel: %1 %2 converted")
            .arg(converted)
            .arg(converted == 1 ? QStringLiteral("video") : QStringLiteral("videos"));
    return QStringLiteral("Tavrel: %1 converted, %2 failed").arg(converted).arg(failed);
}
