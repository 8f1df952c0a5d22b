#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

/// Numeric ids of the program's pictures. Every picture is compiled into the program as
/// ":/res/<id>.png" (the application icon also as ":/res/128.ico", all four sizes in one file).
enum ResourceId : int {
    IDI_APPLICATION_ICON = 128,   ///< 16, 24, 32 and 48 pixels square
    IDI_REMOVE = 135,             ///< 50 x 50, Remove, normal look
    IDI_REMOVE_HOT = 136,         ///< 50 x 50, Remove, pointer over it
    IDI_ADD = 137,                ///< 50 x 50, Add, normal look
    IDI_ADD_HOT = 138,            ///< 50 x 50, Add, pointer over it
    IDI_REMOVE_ALL = 139,         ///< 50 x 50, Remove all, normal look
    IDI_REMOVE_ALL_HOT = 140,     ///< 50 x 50, Remove all, pointer over it
    IDI_STOP_HOT = 145,           ///< 77 x 76, Stop, pointer over it
    IDI_STOP = 146,               ///< 77 x 76, Stop, normal look
    IDI_START_HOT = 147,          ///< 77 x 76, Start, pointer over it
    IDI_START = 148,              ///< 77 x 76, Start, normal look
    IDI_PAUSE_HOT = 149,          ///< 50 x 50, Pause, pointer over it
    IDI_PAUSE = 150,              ///< 50 x 50, Pause, normal look
    IDI_RESUME_HOT = 151,         ///< 50 x 50, Resume (while paused), pointer over it
    IDI_RESUME = 152,             ///< 50 x 50, Resume, normal look
    IDB_BACKGROUND = 185,         ///< 464 x 282, opaque; stretched over the main window
    IDB_PREVIEW_AREA = 191,       ///< 264 x 196; faded in where the preview will play
    IDB_PREVIEW_STOP_HOT = 192,   ///< 18 x 18 on RGB(0, 255, 0)
    IDB_PREVIEW_PLAY = 202,       ///< 18 x 18 on RGB(0, 255, 0)
    IDB_PREVIEW_PLAY_HOT = 203,   ///< 18 x 18 on RGB(0, 255, 0)
    IDB_PREVIEW_STOP = 210,       ///< 18 x 18 on RGB(0, 255, 0)
    IDB_SLIDER_TRACK = 212,       ///< 6 x 11, the range slider's track
    IDB_SLIDER_RANGE = 213,       ///< 3 x 7, the bar between the slider's thumbs
    IDB_SLIDER_LEFT_THUMB = 214,  ///< 13 x 18, the slider's left thumb
    IDB_SLIDER_RIGHT_THUMB = 215, ///< 13 x 18, the slider's right thumb
};

/// Transparent colour of the bitmaps that are drawn with a colour key (the preview buttons).
constexpr QRgb kPictureKeyColor = 0xff00ff00;

/// Makes sure the compiled pictures are registered with Qt's resource system. The loaders below
/// call it; code that opens ":/res/..." paths itself calls it once first.
void InitResourceImages();

/// ":/res/<id>.png", the resource path of picture or icon `id`.
QString ResourceImagePath(int id);

/// ":/res/<id>@2x.png", the same picture with twice the pixels each way (every picture has one).
QString ResourceImagePath2x(int id);

/// Picture `id` at its own size; a null image or pixmap when there is no such picture. On
/// screens scaled above 100 % the "@2x" picture, with a device pixel ratio of 2 (its size in
/// pixels is then deviceIndependentSize()).
QImage LoadResourceImage(int id);
QPixmap LoadResourcePixmap(int id);

/// Icon `id` with every size the resources hold (four for the application icon, one otherwise);
/// a null icon when there is no such picture.
QIcon LoadResourceIcon(int id);

/// Every id above, in ascending order (for the contact sheet and the tests).
QList<int> AllResourceImageIds();
