#include "TreatmentNotes.h"

#include "TaskArray.h"
#include "TreatmentReport.h"

void NoteDecisions(TaskArray &tasks, int index, QByteArrayView chunk)
{
    const QStringList decisions = ParseDecisionLines(chunk);
    if (decisions.isEmpty())
        return;
    tasks.update(index, OutputColumn, [&decisions](ConversionTask &task) {
        task.treatmentSummary = MergedSummary(task.treatmentSummary, decisions);
    });
}
