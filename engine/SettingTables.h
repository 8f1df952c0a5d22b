#pragma once

#include "ConversionTask.h"

#include <QList>
#include <QString>

/// One item of a setting combo box and the text that replaces its placeholder.
struct SettingItem
{
    QString itemText;    ///< the combo item, spaces included
    QString replacement; ///< what replaces the placeholder in a profile-0 command line
};

/// One of the nine encoding-setting combo boxes (ids 1025 to 1033).
struct SettingTable
{
    int comboId;                ///< control id of the combo box
    QString label;              ///< text of the label beside it
    QString placeholder;        ///< "$VCODEC", "$SIZE", ...
    int ConversionTask::*field; ///< the task field that holds the item index
    QList<SettingItem> items;
    int defaultIndex; ///< what a new task and a reset select
};

/// The nine tables in the order their placeholders are replaced ($VCODEC first, $VOLUME last).
const QList<SettingTable> &SettingTables();

/// The table of a combo id (1025..1033), or nullptr for any other id.
const SettingTable *SettingTableForCombo(int comboId);

/// The text of a table (a label or an item, as the tables hold it in English) in the language
/// of the translators installed; the English text itself when none has it. An item made of a
/// number and a unit word ("128   kbps", "44100  Hz") keeps its number and padding and takes the
/// unit word's translation. The tables keep the English, which the command line and stored
/// values match on.
QString SettingText(const QString &englishText);

/// Sets the nine setting fields of task to their default indexes.
void ApplyDefaultSettings(ConversionTask &task);
