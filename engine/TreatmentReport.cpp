#include "TreatmentReport.h"

QByteArray DecisionLines(const QStringList &decisions)
{
    QByteArray lines;
    for (const QString &decision : decisions)
        lines += DecisionPrefix + decision.toUtf8() + '\n';
    return lines;
}

QStringList ParseDecisionLines(QByteArrayView chunk)
{
    QStringList decisions;
    const QByteArrayView prefix(DecisionPrefix);
    qsizetype begin = 0;
    while (begin < chunk.size()) {
        qsizetype end = begin;
        while (end < chunk.size() && chunk.at(end) != '\n' && chunk.at(end) != '\r')
            ++end;
        if (end == chunk.size())
            break; // not complete in this chunk
        const QByteArrayView line = chunk.sliced(begin, end - begin);
        if (line.startsWith(prefix) && line.size() > prefix.size())
            decisions << QString::fromUtf8(line.sliced(prefix.size())).trimmed();
        begin = end + 1;
    }
    return decisions;
}

QString MergedSummary(const QString &summary, const QStringList &decisions)
{
    QStringList lines = summary.isEmpty() ? QStringList() : summary.split(u'\n');
    for (const QString &decision : decisions) {
        if (!decision.isEmpty() && !lines.contains(decision))
            lines << decision;
    }
    return lines.join(u'\n');
}
