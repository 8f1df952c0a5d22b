#include "EncoderEnvironment.h"

#include "ConversionTask.h"

QMap<QString, QString> EncoderTaskVariables(const ConversionTask &task, const QString &partFile)
{
    Q_UNUSED(task)
    QMap<QString, QString> variables;
    if (!partFile.isEmpty())
        variables.insert(QString::fromLatin1(PartFileVariable), partFile);
    return variables;
}
