#pragma once

#include <QImage>
#include <QList>

class QPainter;

/// The program's pictures, drawn with QPainter. Every function returns the picture at the size
/// the program expects (see res/ResourceImages.h for ids and sizes), times `scale`: 2 draws the
/// same design with twice the pixels in each direction, for screens at 200 % (the "@2x" files).

/// Size of the main window's client area over which the background is stretched; the colour-keyed
/// preview bitmaps blend their soft edges with the background as it shows there.
inline constexpr QSize kWindowClientSize{669, 608};

QImage DrawBackground(int scale = 1);                  // 185, 464 x 282, opaque
QImage DrawPreviewArea(int scale = 1);                 // 191, 264 x 196
QImage DrawPreviewButton(int id, int scale = 1);       // 192, 202, 203, 210: 18 x 18 on green
QImage DrawListButton(int id, int scale = 1);          // 135-140, 50 x 50
QImage DrawStartStopButton(int id, int scale = 1);     // 145-148, 77 x 76
QImage DrawPauseButton(int id, int scale = 1);         // 149-152, 50 x 50
QList<QImage> DrawApplicationIcon();                   // 128 at 16, 24, 32 and 48 pixels
QImage DrawApplicationIconAt(int size);                // 128 at any size (64, 128, 256 installed)
void PaintApplicationIcon(QPainter &p, int size);      // the icon's design on any paint device
QImage DrawSliderTrack(int scale = 1);                 // 212, 6 x 11, fixed colours
QImage DrawSliderRange(int scale = 1);                 // 213, 3 x 7, fixed colours
QImage DrawSliderThumb(bool left, int scale = 1);      // 214 (left), 215 (right), 13 x 18
QImage DrawSkinDownArrow(bool enabled, int scale = 1); // the skin's combo-box arrow, 9 x 5
