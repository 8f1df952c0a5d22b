#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The decisions of a conversion (SourceTreatment::decisions) as its converter reports them: one
// line each in its output, which the program keeps as the task's log and from which it takes
// the task's summary.

/// What begins every decision line.
inline constexpr const char *DecisionPrefix = "Treatment: ";

/// The decision lines for decisions, each ending in "\n"; empty for none.
QByteArray DecisionLines(const QStringList &decisions);

/// The decisions of the complete decision lines in one chunk of a converter's output, in
/// order. Lines end at "\n" or "\r"; other lines are ignored.
QStringList ParseDecisionLines(QByteArrayView chunk);

/// summary (decisions one a line) with those of decisions it does not hold yet added at its end.
QString MergedSummary(const QString &summary, const QStringList &decisions);
