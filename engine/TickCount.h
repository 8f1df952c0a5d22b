#pragma once

#include <QtGlobal>

/// Monotonic milliseconds since the first call, kept as unsigned 32 bits: differences stay right
/// across a wrap.
quint32 TickCount();
