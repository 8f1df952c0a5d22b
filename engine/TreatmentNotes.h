#pragma once

#include <QByteArrayView>

class TaskArray;

/// Adds the decisions (TreatmentReport.h) that chunk of task index's output reports to the
/// task's treatmentSummary and repaints its Output cell; nothing when there are none or index
/// is out of range.
void NoteDecisions(TaskArray &tasks, int index, QByteArrayView chunk);
