#pragma once

#include "SourceFacts.h"
#include "SourceTreatment.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QProcess;

/// Finds out, without blocking its thread, what a conversion needs to know of its source: the
/// source's facts (read on a worker thread) and, when its picture stream states no interlacing,
/// whether its pictures are interlaced (idet in an ffmpeg run of its own, over a few seconds
/// from the middle of the range, each run given up after InterlaceDetectionTimeoutMs; a sample
/// in which ffmpeg finds too few frames is tried once more from the range's start). Lives on the
/// user-interface thread; its signal comes there, from the event loop, never from inside Start.
class SourceExamination : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SourceExamination)

public:
    explicit SourceExamination(QObject *parent = nullptr);
    ~SourceExamination() override;

    /// Examines path for the range that starts at rangeStart seconds and lasts rangeLength
    /// (<= 0: to the end). An examination still going on is cancelled first.
    void Start(const QString &path, double rangeStart, double rangeLength);
    /// Gives the examination up: no examined signal follows; its detection run is killed.
    void Cancel();
    /// True from Start until examined is emitted or Cancel is called.
    bool IsRunning() const { return m_running; }

    /// The ffmpeg that detects; "ffmpeg" on PATH unless set.
    void SetFfmpegProgram(const QString &program) { m_program = program; }

signals:
    /// What was found. facts.ok false when the file could not be read; interlacing Unknown
    /// when the pictures were not looked at or did not tell (a failed or timed-out run too).
    void examined(const SourceFacts &facts, Interlacing interlacing);

private:
    void OnFactsRead(quint64 serial, const SourceFacts &facts);
    void RunDetection(double sampleStart);
    void OnDetectionEnded();
    void Finish(Interlacing interlacing);
    void DropProcess();

    QString m_program = QStringLiteral("ffmpeg");
    QString m_path;
    double m_rangeStart = 0.0;
    double m_rangeLength = 0.0;
    double m_sampleStart = 0.0;
    SourceFacts m_facts;
    QProcess *m_process = nullptr;
    QTimer m_timeout;
    quint64 m_serial = 0;
    bool m_running = false;
};
