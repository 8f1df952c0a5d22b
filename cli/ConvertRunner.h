#pragma once

#include "ConvertArguments.h"
#include "ConvertReport.h"
#include "TaskArray.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class ConversionBatch;
class ProfileFile;
class TerminationSignals;

/// The batch of tavrel-convert: the videos that the inputs name (folders walked as a drop on the
/// window walks them), each made a task as Add makes one, converted by the window's engine
/// (ConversionBatch with FfmpegConverters) into the output folder, told to a report as they
/// start, progress and end. Nothing waits: the durations are read off this thread and the
/// batch runs in the program's event loop; ended() says when everything is over.
///
/// SIGINT, SIGTERM and SIGHUP stop the batch as the window's Stop does (an encoder finishes its
/// file, which is kept once verified; no part file or program is left) and the status becomes
/// 128 plus the signal's number; a second signal ends the running programs at once, keeping
/// nothing.
class ConvertRunner : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ConvertRunner)

public:
    /// The exit status after a termination signal: 128 plus its number.
    static constexpr int SignalStatusBase = 128;

    /// Reads the program's profile file (through the batch) and catches termination signals
    /// from now on.
    explicit ConvertRunner(QObject *parent = nullptr);
    ~ConvertRunner() override;

    /// The profile file the batch converts with.
    const ProfileFile &Profiles() const;

    /// Converts what options say, reporting to report (which the runner keeps). Returns at
    /// once; ended() follows from the event loop.
    void Start(const ConvertOptions &options, std::unique_ptr<ConvertReport> report);

signals:
    /// Everything is over: the exit status (0 all converted, 1 any failed, 2 no usable input
    /// or output folder, 128 + N after signal N).
    void ended(int exitStatus);

private:
    enum class Seen { Waiting, Running, Ending, Ended };

    void OnDurations(const QList<double> &durations);
    void Refuse(const QString &message);
    void OnTermination(int signalNumber);
    void Observe(int row);
    /// Reports the ends of videos whose jobs are over (so that their logs are written).
    void ReportEnds();
    void OnBatchFinished();
    void Finish(bool abandoned);
    ConvertVideo Video(int row) const;

    TaskArray m_tasks;
    std::unique_ptr<ConversionBatch> m_batch; ///< made after, and gone before, m_tasks
    TerminationSignals *m_signals = nullptr;
    std::unique_ptr<ConvertReport> m_report;
    ConvertOptions m_options;
    QString m_outputDirectory;
    QStringList m_sources;
    QList<Seen> m_seen;      ///< by row
    QString m_startError;    ///< the message the batch gave while it was being started
    bool m_starting = false; ///< inside ConversionBatch::Start
    int m_signal = 0;        ///< the first termination signal, 0 for none
    bool m_probing = false;
    bool m_over = false;
};
