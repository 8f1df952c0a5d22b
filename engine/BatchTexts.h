#pragma once

#include <QString>

/// Texts the batch shows the user: its message boxes and the caption while it runs.

/// Pads text with blanks into a line of 99 characters, the text starting at (100 - length) / 2
/// (counting from 0), so that a message box shows it roughly centred. A text of 100 characters
/// or more comes back unchanged.
QString CenterMessageText(const QString &text);

/// The message at the end of a batch: "Converting Finished", and when tasks failed a second line
/// "<failed> of <total> files failed"; each line centred with CenterMessageText.
QString FinishedMessageText(int failed, int total);

/// Why a task with the range trimStart..trimEnd (seconds) cannot be converted, or an empty text
/// when it can: a range that is empty (trimEnd not after trimStart, or not a number) is refused,
/// and when the source's duration (seconds, 0 when it cannot be read) is not positive the reason
/// says the file could not be read.
QString EmptyRangeReason(double trimStart, double trimEnd, double fileDuration);

/// The frame's caption while a batch runs: "<caption> – <number> of <count>, <percent> %".
/// number counts from 1; percent is the current task's, 0 to 100.
QString BatchProgressCaption(const QString &caption, int number, int count, int percent);
