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

/// Why a job was ended by the watchdog: "The conversion made no progress for <time> and was
/// ended.", the time in whole minutes when it is a whole number of them ("2 minutes"), else in
/// seconds ("90 seconds").
QString StallReason(int seconds);

/// Where a running batch stands, for the frame's caption.
struct BatchProgress
{
    int done = 0;    ///< tasks of the batch that have ended (finished, failed or stopped)
    int total = 0;   ///< tasks of the batch, those still waiting included
    int running = 0; ///< jobs working now
    int percent = 0; ///< the running task's percent (one job), 0 to 100
    bool paused = false;

    bool operator==(const BatchProgress &) const = default;
};

/// The frame's caption while a batch runs. With one job: "<caption> – <number> of <count>,
/// <percent> %", number counting from 1 (the running task's place among the batch's tasks).
/// With several: "<caption> – <done> of <count> done". Paused: "<caption> – Paused, <done> of
/// <count> done".
QString BatchProgressCaption(const QString &caption, const BatchProgress &progress);
