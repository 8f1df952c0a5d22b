#pragma once

#include <QString>

/// The desktop notice at the end of a batch: "Tavrel: 5 videos converted" ("1 video converted")
/// when none failed, else "Tavrel: 4 converted, 1 failed". Counts below 0 count as 0.
QString BatchNoticeText(int converted, int failed);
