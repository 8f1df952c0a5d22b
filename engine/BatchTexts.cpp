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

QString BatchProgressCaption(const QString &caption, int number, int count, int percent)
{
    // One pass over the template: a caption holding "%2" is not filled in again.
    return QStringLiteral("%1 \u2013 %2 of %3, %4 %")
        .arg(caption, QString::number(number), QString::number(count), QString::number(percent));
}
