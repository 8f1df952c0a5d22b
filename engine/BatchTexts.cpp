#include "BatchTexts.h"

#include <QCoreApplication>

namespace {

/// Width of the padded line; texts from LineWidth + 1 characters on stay as they are.
constexpr qsizetype LineWidth = 99;

} // namespace

QString CenterMessageText(const QString &text)
{
    if (text.size() > LineWidth)
        return text;
    QString line(LineWidth, u' ');
    line.replace((LineWidth + 1 - text.size()) / 2, text.size(), text);
    return line;
}

QString FinishedMessageText(int failed, int total)
{
    //: Message box at the end of a batch.
    QString text
        = CenterMessageText(QCoreApplication::translate("BatchTexts", "Converting Finished"));
    if (failed > 0) {
        QString line;
        if (total == 1)
            //: Message box; %1 is how many failed, %2 the batch's one file.
            line = QCoreApplication::translate("BatchTexts", "%1 of %2 file failed");
        else
            //: Message box; %1 is how many failed, %2 how many files the batch had.
            line = QCoreApplication::translate("BatchTexts", "%1 of %2 files failed");
        text += u'\n' + CenterMessageText(line.arg(failed).arg(total));
    }
    return text;
}

QString EmptyRangeReason(double trimStart, double trimEnd, double fileDuration)
{
    if (trimEnd > trimStart)
        return {};
    if (!(fileDuration > 0.0))
        return QCoreApplication::translate("BatchTexts",
                                           "The file could not be read: its duration is unknown.");
    return QCoreApplication::translate(
        "BatchTexts", "The selected part of the file is empty: its end is not after its start.");
}

QString StallReason(int seconds)
{
    if (seconds >= 60 && seconds % 60 == 0) {
        if (seconds == 60)
            return QCoreApplication::translate(
                "BatchTexts", "The conversion made no progress for 1 minute and was ended.");
        //: %1 is a whole number of minutes, 2 or more.
        return QCoreApplication::translate(
                   "BatchTexts", "The conversion made no progress for %1 minutes and was ended.")
            .arg(seconds / 60);
    }
    if (seconds == 1)
        return QCoreApplication::translate(
            "BatchTexts", "The conversion made no progress for 1 second and was ended.");
    //: %1 is a number of seconds.
    return QCoreApplication::translate(
               "BatchTexts", "The conversion made no progress for %1 seconds and was ended.")
        .arg(seconds);
}

QString BatchProgressCaption(const QString &caption, const BatchProgress &progress)
{
    const QString done = QString::number(progress.done);
    const QString total = QString::number(progress.total);
    // One pass over each template: a caption holding "%2" is not filled in again.
    if (progress.paused)
        //: Window title; %1 is the program's caption, %2 the videos done, %3 the batch's count.
        return QCoreApplication::translate("BatchTexts", "%1 \u2013 Paused, %2 of %3 done")
            .arg(caption, done, total);
    if (progress.running > 1)
        //: Window title; %1 is the program's caption, %2 the videos done, %3 the batch's count.
        return QCoreApplication::translate("BatchTexts", "%1 \u2013 %2 of %3 done")
            .arg(caption, done, total);
    //: Window title; %1 is the program's caption, %2 the number of the video being converted,
    //: %3 the batch's count, %4 its percent done.
    return QCoreApplication::translate("BatchTexts", "%1 \u2013 %2 of %3, %4 %")
        .arg(caption, QString::number(progress.done + 1), total, QString::number(progress.percent));
}
