#pragma once

#include "ConversionTask.h"
#include "ProfileFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

/// Seconds as an int for display and command lines: truncated toward zero; NaN and negative
/// values give 0, values beyond the range of int give INT_MAX. Never undefined behaviour.
int WholeSeconds(double seconds);

/// " -ss hh:mm:ss" (note the leading blank) for the task's trim start, with ".mmm" when it is
/// not whole seconds; empty when the range starts at 0 (no seek at all).
QString StartText(const ConversionTask &task);
/// " -t hh:mm:ss" for the task's trimmed length, with ".mmm" when it is not whole seconds.
QString LengthText(const ConversionTask &task);

/// Fills a profile template with the task's values.
///
/// Placeholders ($INPUT_FILE, $START, $LENGTH, $TITLE, $TIMESTAMP, $OUTPUT_FILE, and for profile 0
/// only $VCODEC ... $VOLUME) are replaced in one left-to-right pass, so an inserted value is
/// never scanned again. File names, the title and the time stamp are quoted so that each reaches
/// the encoder as exactly one argument, unchanged, by the rules of SplitCommandLine: escaped when
/// the template already has them inside double quotes, quoted otherwise. Setting texts are
/// inserted as they stand. A setting index outside its table leaves its placeholder as written.
QString BuildCommandLineFromTemplate(const QString &templateText,
                                     const ConversionTask &task,
                                     const QString &outputPath,
                                     const QDateTime &now);

/// The encoder command line of a task: the template of profile mpeg4Profile in profiles, filled
/// with the task's values and the current time. An empty result means there is no template
/// (missing file, section or key).
QString BuildCommandLine(const ProfileFile &profiles,
                         const ConversionTask &task,
                         const QString &outputPath);

/// Splits a command line into program and arguments by the Windows command-line rules: blanks
/// separate arguments outside double quotes; 2n backslashes before a quote give n backslashes and
/// the quote opens or closes quoting; 2n+1 backslashes before a quote give n backslashes and a
/// literal quote; other backslashes are literal.
QStringList SplitCommandLine(const QString &commandLine);

/// The argument quoted (only when needed) so that SplitCommandLine gives it back unchanged.
QString QuoteCommandLineArgument(const QString &argument);
