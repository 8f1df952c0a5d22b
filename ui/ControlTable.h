#pragma once

#include "ResourceImages.h"

#include <QList>
#include <QRect>
#include <QString>

/// Control ids of the main page. The numbers are the controls' identity: tests, the control table
/// and the handlers all name a control by them.
enum ControlId : int {
    IDC_TASK_LIST = 1011,
    IDC_ADD = 1012,
    IDC_REMOVE = 1013,
    IDC_REMOVE_ALL = 1014,
    IDC_HELP_BUTTON = 1016,
    IDC_OUTPUT_DIR = 1021,
    IDC_BROWSE = 1022,
    IDC_TITLE = 1023,
    IDC_MPEG4_PROFILE = 1024,
    IDC_VIDEO_TYPE = 1025,
    IDC_VIDEO_SIZE = 1026,
    IDC_FRAME_RATE = 1027,
    IDC_VIDEO_BITRATE = 1028,
    IDC_ASPECT = 1029,
    IDC_AUDIO_BITRATE = 1030,
    IDC_CHANNELS = 1031,
    IDC_SAMPLE_RATE = 1032,
    IDC_VOLUME = 1033,
    IDC_LABEL_OUTPUT_DIR = 1034,
    IDC_LABEL_TITLE = 1035,
    IDC_LABEL_MPEG4_PROFILE = 1036,
    IDC_LABEL_VIDEO_TYPE = 1037,
    IDC_LABEL_FRAME_RATE = 1038,
    IDC_LABEL_ASPECT = 1039,
    IDC_LABEL_AUDIO_BITRATE = 1040,
    IDC_LABEL_SAMPLE_RATE = 1041,
    IDC_LABEL_VOLUME = 1042,
    IDC_LABEL_VIDEO_SIZE = 1043,
    IDC_LABEL_VIDEO_BITRATE = 1044,
    IDC_LABEL_CHANNELS = 1045,
    IDC_LABEL_WMV_PROFILE = 1046,
    IDC_RANGE_SLIDER = 1047,
    IDC_START = 1048,
    IDC_STOP = 1049,
    IDC_WMV_PROFILE = 1050,
    IDC_SETTINGS_GROUP = 1052,
    IDC_MEDIA = 1053,
    IDC_PREVIEW_PLAY = 1054,
    IDC_PREVIEW_STOP = 1055,
    IDC_PICTURE = 1058,
    IDC_SHUTDOWN = 1059,
    IDC_UNUSED_BUTTON1 = 1061,
    IDC_UNUSED_BUTTON2 = 1062,
    IDC_TO_MPEG4 = 1063,
    IDC_TO_WMV = 1064,
    IDC_LABEL_OUTPUT_TYPE = 1065,
    IDC_PAUSE = 1066,
    IDC_LABEL_SIMULTANEOUS = 1067,
    IDC_SIMULTANEOUS = 1068,
};

/// What kind of widget a control of the table is.
enum class ControlKind {
    TaskList,     ///< CTaskListCtrl
    ImageButton,  ///< CImageButton
    Label,        ///< QLabel (a static text)
    Edit,         ///< QLineEdit
    PushButton,   ///< QPushButton
    FadePicture,  ///< CFadePicture
    MediaControl, ///< CVideoEdit
    RangeSlider,  ///< CRangeSlider
    GroupBox,     ///< QGroupBox, a frame without title
    RadioButton,  ///< QRadioButton
    ComboBox,     ///< QComboBox, a drop-down list without typing
    CheckBox,     ///< QCheckBox
};

/// One control of the main page: the single description from which the page creates, names and
/// places it.
struct ControlEntry
{
    int id;
    ControlKind kind;
    QString text; ///< the control's own text (statics, buttons), English; empty for the others
    QRect rect;   ///< page client coordinates; a null rect means the control is never placed
    /// What a screen reader calls the control when neither its own text nor a label names it,
    /// English; empty for controls named otherwise.
    QString accessibleName = {};
    /// For a label: the control it names (its buddy), 0 for none.
    int buddy = 0;
};

/// Every control of the main page in creation order.
const QList<ControlEntry> &ControlTable();

/// The keyboard tab order of the page: the controls as the layout reads, top to bottom, left
/// column before right. Controls that are hidden or disabled at the time are skipped by Tab.
const QList<int> &TabOrderIds();

/// The entry of id, or nullptr when the table has no such control.
const ControlEntry *ControlEntryFor(int id);

/// The nine encoding-setting combo boxes, 1025 to 1033, in id order.
const QList<int> &SettingComboIds();

/// The look of one image button: the image shown while the pointer is over it or it is pressed,
/// the one shown otherwise, and its tooltip. Icons for the large buttons, bitmaps (transparent
/// where pure green) for the two preview buttons.
struct ImageButtonEntry
{
    int id;
    bool icons; ///< true: icon pair; false: bitmap pair
    int hotImage;
    int normalImage;
    QString tooltip;
    QString accessibleName; ///< the button's action, for screen readers
};

/// The eight configured image buttons, in the order the page sets them up. The Pause button
/// shows PauseResumeEntry's look while the batch is paused.
const QList<ImageButtonEntry> &ImageButtonTable();

/// The Pause button's look and names while the batch is paused (it then resumes).
const ImageButtonEntry &PauseResumeEntry();

/// The tables keep their texts in English, the source texts of the translations (context
/// "ControlTable"; a setting's label is the setting table's, SettingText). The page takes what it
/// shows from these, in the language of the translators installed when it is called (the English
/// itself when none has the text), so that each window shows the language of its creation.

/// The control's own text (a label, a button) as shown; empty when it has none.
QString ControlText(const ControlEntry &entry);

/// The control's accessible name from the table as shown; empty when the table gives none.
QString ControlAccessibleName(const ControlEntry &entry);

/// The image button's tooltip as shown (also its accessible description).
QString ImageButtonTooltip(const ImageButtonEntry &entry);

/// The image button's accessible name as shown.
QString ImageButtonAccessibleName(const ImageButtonEntry &entry);

/// One column of the task list.
struct ColumnEntry
{
    QString heading;         ///< English
    Qt::Alignment alignment; ///< Qt::AlignLeft or Qt::AlignHCenter
    int width;               ///< pixels
};

/// The five task-list columns in order (Source, Begin Time, End Time, Output, Progress).
const QList<ColumnEntry> &ColumnTable();

/// The column's heading as shown.
QString ColumnHeading(const ColumnEntry &entry);
