#pragma once

#include <QtGlobal>

/// A colour as the cell records carry it: 0x00BBGGRR (red in the lowest byte). Two values are
/// not colours but instructions to the painter: CLR_DEFAULT and CLR_NONE.
using COLORREF = quint32;

/// Use the system colour that the painting rules name for this place.
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000u;
/// Paint nothing here: the fill is skipped (as a text background: transparent).
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFFu;

/// The COLORREF of red, green and blue, each 0..255 (higher bits are cut off).
constexpr COLORREF Rgb(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}

constexpr int RedOf(COLORREF c)
{
    return int(c & 0xFF);
}
constexpr int GreenOf(COLORREF c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF c)
{
    return int((c >> 16) & 0xFF);
}

/// True for the two values that are instructions rather than colours.
constexpr bool IsSpecialColor(COLORREF c)
{
    return c == CLR_DEFAULT || c == CLR_NONE;
}
