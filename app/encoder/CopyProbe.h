#pragma once

#include "CopyDecision.h"
#include "SourceTreatment.h"

#include <QStringList>

/// What the adapter runs for one command: the arguments to translate and the log line of the
/// copy decision (empty when the command does not ask for copying).
struct StreamCopyPlan
{
    QStringList arguments;
    QString line;
};

/// Reads the command's copy limits (ReadCopyLimits); when it asks for copying, probes the source
/// (ProbeCopyInputs) and decides (DecideStreamCopy). The arguments carry the decision out
/// (CopyArguments); without "-copy fit" they are the command's own. treatment (when given) is
/// what else is done to the source: its sound track is the one judged, and a picture it filters
/// or a sound it mixes is encoded.
StreamCopyPlan PlanStreamCopy(const QStringList &arguments,
                              bool alwaysEncode,
                              const SourceTreatment *treatment = nullptr);

/// The facts of limits.input that the decision needs, read in process (SourceFacts): the
/// picture, the sound track the run uses, and, only when nothing else already makes it encode,
/// what the packets tell: the number of pictures, the bit rates the container leaves out, and
/// the key frame of a trimmed start. Reads nothing when alwaysEncode or a need of the command
/// decides already. Blocks for as long as reading takes (bounded by deadlines).
CopyInputs ProbeCopyInputs(const CopyLimits &limits, bool alwaysEncode);
