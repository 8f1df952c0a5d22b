#include "EncoderEnvironment.h"

#include "ConversionTask.h"

QMap<QString, QString> EncoderTaskVariables(const ConversionTask &task, const QString &partFile)
{
    QMap<QString, QString> variables;
    if (!partFile.isEmpty())
        variables.insert(QString::fromLatin1(PartFileVariable), partFile);
    if (task.alwaysEncode)
        variables.insert(QString::fromLatin1(AlwaysEncodeVariable), QStringLiteral("1"));
    return variables;
}
