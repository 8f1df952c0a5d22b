#include "BatchTexts.h"

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
    QString text = CenterMessageText(QStringLiteral("Converting Finished"));
    if (failed > 0) {
        const QString files = total == 1 ? QStringLiteral("file") : QStringLiteral("files");
        text += u'\n'
                + CenterMessageText(
                    QStringLiteral("%1 of %2 %3 failed").arg(failed).arg(total).arg(files));
    }
    return text;
}

QString EmptyRangeReason(double trimStart, double trimEnd, double fileDuration)
{
    if (trimEnd > trimStart)
        return {};
    if (!(fileDuration > 0.0))
        return QStringLiteral("The file could not be read: its duration is unknown.");
    return QStringLiteral(
        "The selected part of the file is empty: its end is not after its start.");
}

QString StallReason(int seconds)
{
    const QString time = seconds >= 60 && seconds % 60 == 0
                             ? (seconds == 60 ? QStringLiteral("1 minute")
                                              : QStringLiteral("%1 minutes").arg(seconds / 60))
                             : (seconds == 1 ? QStringLiteral("1 second")
                                             : QStringLiteral("%1 seconds").arg(seconds));
    return QStringLiteral("The conversion made no progress for %1 and was ended.").arg(time);
}

QString BatchProgressCaption(const QString &caption, const BatchProgress &progress)
{
    const QString done = QString::number(progress.done);
    const QString total = QString::number(progress.total);
    // One pass over each template: a caption holding "%2" is not filled in again.
    if (progress.paused)
        return QStringLiteral("%1 \u2013 Paused, %2 of %3 done").arg(caption, done, total);
    if (progress.running > 1)
        return QStringLiteral("%1 \u2013 %2 of %3 done").arg(caption, done, total);
    return QStringLiteral("%1 \u2013 %2 of %3, %4 %")
        .arg(caption, QString::number(progress.done + 1), total, QString::number(progress.percent));
}
