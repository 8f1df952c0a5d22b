#include "ControlTable.h"

#include "SettingTables.h"

#include <QCoreApplication>

namespace {

/// A table text: the English source as the tables keep it.
QString source(const char *text)
{
    return QString::fromUtf8(text);
}

/// A text of this file's tables in the language of the translators installed.
QString translated(const QString &english)
{
    return english.isEmpty()
               ? english
               : QCoreApplication::translate("ControlTable", english.toUtf8().constData());
}

// The labels of the setting combos carry the same words as the setting tables of the engine;
// they are taken from there so that the two can never drift apart.
QString settingLabel(int comboId)
{
    const SettingTable *table = SettingTableForCombo(comboId);
    return table ? table->label : QString();
}

QList<ControlEntry> makeControlTable()
{
    using K = ControlKind;
    return {
        {IDC_TASK_LIST,
         K::TaskList,
         {},
         {10, 13, 605, 160},
         //: screen reader name of the list of videos
         source(QT_TRANSLATE_NOOP("ControlTable", "Videos to convert"))},
        {IDC_ADD, K::ImageButton, {}, {620, 15, 50, 50}},
        {IDC_REMOVE, K::ImageButton, {}, {620, 80, 50, 50}},
        {IDC_REMOVE_ALL, K::ImageButton, {}, {620, 145, 50, 50}},
        {IDC_LABEL_OUTPUT_DIR,
         K::Label,
         //: label, about 100 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Output Directory:")),
         {10, 182, 100, 15},
         {},
         IDC_OUTPUT_DIR},
        {IDC_OUTPUT_DIR, K::Edit, {}, {115, 178, 440, 20}},
        {IDC_BROWSE,
         K::PushButton,
         //: push button, about 60 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Browse")),
         {557, 178, 60, 20}},
        {IDC_PICTURE,
         K::FadePicture,
         {},
         {10, 212, 264, 200},
         source(QT_TRANSLATE_NOOP("ControlTable", "Preview"))},
        {IDC_PREVIEW_PLAY, K::ImageButton, {}, {10, 413, 19, 19}},
        {IDC_PREVIEW_STOP, K::ImageButton, {}, {30, 413, 19, 19}},
        {IDC_LABEL_TITLE,
         K::Label,
         //: label beside the title field, about 115 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Title (showed in Zune)")),
         {288, 255, 115, 15},
         {},
         IDC_TITLE},
        {IDC_TITLE, K::Edit, {}, {405, 251, 240, 20}},
        {IDC_LABEL_VIDEO_TYPE,
         K::Label,
         settingLabel(IDC_VIDEO_TYPE),
         {288, 305, 75, 15},
         {},
         IDC_VIDEO_TYPE},
        {IDC_VIDEO_TYPE, K::ComboBox, {}, {365, 303, 100, 20}},
        {IDC_LABEL_VIDEO_SIZE,
         K::Label,
         settingLabel(IDC_VIDEO_SIZE),
         {478, 305, 75, 15},
         {},
         IDC_VIDEO_SIZE},
        {IDC_VIDEO_SIZE, K::ComboBox, {}, {545, 303, 100, 20}},
        {IDC_LABEL_FRAME_RATE,
         K::Label,
         settingLabel(IDC_FRAME_RATE),
         {288, 330, 75, 15},
         {},
         IDC_FRAME_RATE},
        {IDC_FRAME_RATE, K::ComboBox, {}, {365, 328, 100, 20}},
        {IDC_LABEL_VIDEO_BITRATE,
         K::Label,
         settingLabel(IDC_VIDEO_BITRATE),
         {478, 330, 75, 15},
         {},
         IDC_VIDEO_BITRATE},
        {IDC_VIDEO_BITRATE, K::ComboBox, {}, {545, 328, 100, 20}},
        {IDC_LABEL_ASPECT, K::Label, settingLabel(IDC_ASPECT), {288, 355, 75, 15}, {}, IDC_ASPECT},
        {IDC_ASPECT, K::ComboBox, {}, {365, 353, 100, 20}},
        {IDC_LABEL_AUDIO_BITRATE,
         K::Label,
         settingLabel(IDC_AUDIO_BITRATE),
         {288, 380, 75, 15},
         {},
         IDC_AUDIO_BITRATE},
        {IDC_AUDIO_BITRATE, K::ComboBox, {}, {365, 377, 100, 20}},
        {IDC_LABEL_CHANNELS,
         K::Label,
         settingLabel(IDC_CHANNELS),
         {478, 380, 75, 15},
         {},
         IDC_CHANNELS},
        {IDC_CHANNELS, K::ComboBox, {}, {545, 378, 100, 20}},
        {IDC_LABEL_SAMPLE_RATE,
         K::Label,
         settingLabel(IDC_SAMPLE_RATE),
         {288, 405, 75, 15},
         {},
         IDC_SAMPLE_RATE},
        {IDC_SAMPLE_RATE, K::ComboBox, {}, {365, 403, 100, 20}},
        {IDC_LABEL_VOLUME, K::Label, settingLabel(IDC_VOLUME), {478, 405, 75, 15}, {}, IDC_VOLUME},
        {IDC_VOLUME, K::ComboBox, {}, {545, 403, 100, 20}},
        {IDC_HELP_BUTTON,
         K::PushButton,
         //: push button, about 70 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Help")),
         {570, 475, 70, 25}},
        {IDC_START, K::ImageButton, {}, {35, 445, 95, 75}},
        {IDC_SETTINGS_GROUP,
         K::GroupBox,
         {},
         {280, 206, 372, 255},
         //: screen reader name of the frame around the settings
         source(QT_TRANSLATE_NOOP("ControlTable", "Conversion settings"))},
        {IDC_STOP, K::ImageButton, {}, {35, 445, 95, 75}},
        {IDC_RANGE_SLIDER,
         K::RangeSlider,
         {},
         {51, 415, 222, 18},
         //: screen reader name of the slider choosing the part of a video to convert
         source(QT_TRANSLATE_NOOP("ControlTable", "Part to convert"))},
        {IDC_MEDIA,
         K::MediaControl,
         {},
         {10, 212, 264, 200},
         source(QT_TRANSLATE_NOOP("ControlTable", "Preview"))},
        {IDC_SHUTDOWN,
         K::CheckBox,
         //: check box, about 340 px wide
         source(QT_TRANSLATE_NOOP("ControlTable",
                                  "Automatically Shut Down the computer when converting finished")),
         {288, 432, 358, 15}},
        {IDC_LABEL_MPEG4_PROFILE,
         K::Label,
         //: label beside its combo box, about 75 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "MPEG4 Profile")),
         {288, 280, 75, 15},
         {},
         IDC_MPEG4_PROFILE},
        {IDC_MPEG4_PROFILE, K::ComboBox, {}, {365, 277, 280, 20}},
        {IDC_UNUSED_BUTTON1, K::ImageButton, {}, {}},
        {IDC_UNUSED_BUTTON2, K::ImageButton, {}, {}},
        {IDC_LABEL_WMV_PROFILE,
         K::Label,
         //: label beside its combo box, about 75 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "WMV Profile")),
         {288, 280, 75, 15},
         {},
         IDC_WMV_PROFILE},
        {IDC_WMV_PROFILE, K::ComboBox, {}, {365, 277, 280, 20}},
        {IDC_TO_MPEG4,
         K::RadioButton,
         //: radio button, about 105 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "To Zune MPEG4")),
         {365, 225, 120, 20}},
        {IDC_TO_WMV,
         K::RadioButton,
         //: radio button, about 105 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "To Zune WMV")),
         {485, 225, 120, 20}},
        {IDC_LABEL_OUTPUT_TYPE,
         K::Label,
         //: label, about 74 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Output Type")),
         {288, 227, 74, 20}},
        {IDC_PAUSE, K::ImageButton, {}, {140, 458, 50, 50}},
        {IDC_LABEL_SIMULTANEOUS,
         K::Label,
         //: label beside a small combo box, about 80 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Videos at once")),
         {288, 480, 80, 15},
         {},
         IDC_SIMULTANEOUS},
        {IDC_SIMULTANEOUS, K::ComboBox, {}, {370, 477, 50, 20}},
    };
}

} // namespace

const QList<ControlEntry> &ControlTable()
{
    static const QList<ControlEntry> table = makeControlTable();
    return table;
}

const ControlEntry *ControlEntryFor(int id)
{
    for (const ControlEntry &entry : ControlTable()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

const QList<int> &TabOrderIds()
{
    static const QList<int> ids = [] {
        QList<int> order = {IDC_TASK_LIST,
                            IDC_ADD,
                            IDC_REMOVE,
                            IDC_REMOVE_ALL,
                            IDC_OUTPUT_DIR,
                            IDC_BROWSE,
                            IDC_PREVIEW_PLAY,
                            IDC_PREVIEW_STOP,
                            IDC_RANGE_SLIDER,
                            IDC_TO_MPEG4,
                            IDC_TO_WMV,
                            IDC_TITLE,
                            IDC_MPEG4_PROFILE,
                            IDC_WMV_PROFILE};
        // The settings grid reads row by row, left before right: that is its id order.
        order += SettingComboIds();
        order += {IDC_SHUTDOWN, IDC_START, IDC_STOP, IDC_PAUSE, IDC_SIMULTANEOUS, IDC_HELP_BUTTON};
        return order;
    }();
    return ids;
}

const QList<int> &SettingComboIds()
{
    static const QList<int> ids = {IDC_VIDEO_TYPE,
                                   IDC_VIDEO_SIZE,
                                   IDC_FRAME_RATE,
                                   IDC_VIDEO_BITRATE,
                                   IDC_ASPECT,
                                   IDC_AUDIO_BITRATE,
                                   IDC_CHANNELS,
                                   IDC_SAMPLE_RATE,
                                   IDC_VOLUME};
    return ids;
}

const QList<ImageButtonEntry> &ImageButtonTable()
{
    static const QList<ImageButtonEntry> table = {
        {IDC_ADD,
         true,
         IDI_ADD_HOT,
         IDI_ADD,
         //: tooltip of an image button
         source(QT_TRANSLATE_NOOP("ControlTable", "Add a video to converting task")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Add videos"))},
        {IDC_REMOVE,
         true,
         IDI_REMOVE_HOT,
         IDI_REMOVE,
         source(QT_TRANSLATE_NOOP("ControlTable", "Remove selected video")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Remove the selected video"))},
        {IDC_REMOVE_ALL,
         true,
         IDI_REMOVE_ALL_HOT,
         IDI_REMOVE_ALL,
         source(QT_TRANSLATE_NOOP("ControlTable", "Remove all videos")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Remove all videos"))},
        {IDC_PREVIEW_PLAY,
         false,
         IDB_PREVIEW_PLAY_HOT,
         IDB_PREVIEW_PLAY,
         source(QT_TRANSLATE_NOOP("ControlTable", "Preview selected videos")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Play the selected part"))},
        {IDC_PREVIEW_STOP,
         false,
         IDB_PREVIEW_STOP_HOT,
         IDB_PREVIEW_STOP,
         source(QT_TRANSLATE_NOOP("ControlTable", "Stop preview")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Stop playing"))},
        {IDC_START,
         true,
         IDI_START_HOT,
         IDI_START,
         source(QT_TRANSLATE_NOOP("ControlTable", "Start Converting")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Start converting"))},
        {IDC_STOP,
         true,
         IDI_STOP_HOT,
         IDI_STOP,
         source(QT_TRANSLATE_NOOP("ControlTable", "Stop Converting")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Stop converting"))},
        {IDC_PAUSE,
         true,
         IDI_PAUSE_HOT,
         IDI_PAUSE,
         source(QT_TRANSLATE_NOOP("ControlTable", "Pause Converting (Ctrl+P)")),
         source(QT_TRANSLATE_NOOP("ControlTable", "Pause converting"))},
    };
    return table;
}

const ImageButtonEntry &PauseResumeEntry()
{
    static const ImageButtonEntry entry
        = {IDC_PAUSE,
           true,
           IDI_RESUME_HOT,
           IDI_RESUME,
           source(QT_TRANSLATE_NOOP("ControlTable", "Resume Converting (Ctrl+P)")),
           source(QT_TRANSLATE_NOOP("ControlTable", "Resume converting"))};
    return entry;
}

const QList<ColumnEntry> &ColumnTable()
{
    static const QList<ColumnEntry> table = {
        {//: list column heading, about 120 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Source")),
         Qt::AlignLeft,
         120},
        {//: list column heading, about 70 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Begin Time")),
         Qt::AlignHCenter,
         70},
        {//: list column heading, about 70 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "End Time")),
         Qt::AlignHCenter,
         70},
        {//: list column heading, about 100 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Output")),
         Qt::AlignLeft,
         100},
        {//: list column heading, about 250 px wide
         source(QT_TRANSLATE_NOOP("ControlTable", "Progress")),
         Qt::AlignLeft,
         250},
    };
    return table;
}

QString ControlText(const ControlEntry &entry)
{
    // A setting's label is the setting table's own text, translated as the table translates it.
    if (SettingTableForCombo(entry.buddy))
        return SettingText(entry.text);
    return translated(entry.text);
}

QString ControlAccessibleName(const ControlEntry &entry)
{
    return translated(entry.accessibleName);
}

QString ImageButtonTooltip(const ImageButtonEntry &entry)
{
    return translated(entry.tooltip);
}

QString ImageButtonAccessibleName(const ImageButtonEntry &entry)
{
    return translated(entry.accessibleName);
}

QString ColumnHeading(const ColumnEntry &entry)
{
    return translated(entry.heading);
}
