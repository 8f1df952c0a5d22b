#include "EncoderEnvironment.h"

#include "ConversionTask.h"
#include "SourceTreatment.h"

#include <QLocale>

QMap<QString, QString> EncoderTaskVariables(const ConversionTask &task, const QString &partFile)
{
    QMap<QString, QString> variables;
    if (!partFile.isEmpty())
        variables.insert(QString::fromLatin1(PartFileVariable), partFile);
    variables.insert(QString::fromLatin1(LanguageVariable), QLocale().name());
    // An intermediate file holds the chosen sound alone, and the subtitles already burned in.
    if (task.needsPreconversion == 1)
        return variables;
    if (task.soundTrack >= 0)
        variables.insert(QString::fromLatin1(SoundTrackVariable), QString::number(task.soundTrack));
    if (task.subtitleTrack >= 0 || task.subtitleTrack == NoTrack)
        variables.insert(QString::fromLatin1(SubtitleTrackVariable),
                         task.subtitleTrack == NoTrack ? u"none"_qs
                                                       : QString::number(task.subtitleTrack));
    return variables;
}
