#pragma once

#include <QImage>
#include <QList>

/// The program's pictures, drawn with QPainter. Every function returns the picture at the size
/// the program expects (see res/ResourceImages.h for ids and sizes).

/// Size of the main window's client area over which the background is stretched; the colour-keyed
/// preview bitmaps blend their soft edges with the background as it shows there.
inline constexpr QSize kWindowClientSize{669, 608};

QImage DrawBackground();                // 185, 464 x 282, opaque
QImage DrawPreviewArea();               // 191, 264 x 196
QImage DrawPreviewButton(int id);       // 192, 202, 203, 210: 18 x 18 on RGB(0, 255, 0)
QImage DrawListButton(int id);          // 135-140, 50 x 50
QImage DrawStartStopButton(int id);     // 145-148, 77 x 76
QList<QImage> DrawApplicationIcon();    // 128 at 16, 24, 32 and 48 pixels
QImage DrawSliderTrack();               // 212, 6 x 11, fixed colours
QImage DrawSliderRange();               // 213, 3 x 7, fixed colours
QImage DrawSliderThumb(bool left);      // 214 (left), 215 (right), 13 x 18
QImage DrawSkinDownArrow(bool enabled); // the skin's combo-box arrow, 9 x 5
