#pragma once

#include <QString>
#include <QStringList>

/// Most names the notice lists; the rest are counted.
constexpr int NotAddedNoticeMaxNames = 10;

/// The one notice after an add (drop, folder, command line) that left files out: a first line,
/// then one name a line, at most NotAddedNoticeMaxNames of them, then "and N more" for the
/// rest. Empty when names is empty: nothing to say.
QString NotAddedNoticeText(const QStringList &names);
