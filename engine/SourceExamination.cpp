#include "SourceExamination.h"

#include "ChildProcess.h"
#include "InterlaceDetection.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The error channel of a detection run is a few dozen lines; more is not kept.
constexpr qint64 MaxReportBytes = 256 * 1024;

} // namespace

SourceExamination::SourceExamination(QObject *parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(InterlaceDetectionTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        DropProcess();
        Finish(Interlacing::Unknown);
    });
}

SourceExamination::~SourceExamination()
{
    Cancel();
}

void SourceExamination::Start(const QString &path, double rangeStart, double rangeLength)
{
    Cancel();
    m_running = true;
    m_path = path;
    m_rangeStart = rangeStart;
    m_rangeLength = rangeLength;
    const quint64 serial = ++m_serial;
    // The read is bounded by its own deadline; a cancelled one runs out on its worker and its
    // result is dropped.
    auto *watcher = new QFutureWatcher<SourceFacts>(this);
    connect(watcher, &QFutureWatcher<SourceFacts>::finished, this, [this, watcher, serial] {
        watcher->deleteLater();
        OnFactsRead(serial, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([path] { return ReadSourceFacts(path); }));
}

void SourceExamination::Cancel()
{
    ++m_serial;
    m_running = false;
    m_timeout.stop();
    DropProcess();
}

void SourceExamination::DropProcess()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

void SourceExamination::OnFactsRead(quint64 serial, const SourceFacts &facts)
{
    if (serial != m_serial || !m_running)
        return;
    m_facts = facts;
    if (!facts.ok || !NeedsInterlaceDetection(facts.video)) {
        Finish(Interlacing::Unknown);
        return;
    }
    RunDetection(InterlaceSampleStart(m_rangeStart, m_rangeLength, facts.duration));
}

void SourceExamination::RunDetection(double sampleStart)
{
    m_sampleStart = sampleStart;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setProgram(m_program);
    m_process->setArguments(
        InterlaceDetectionArguments(m_path, sampleStart, m_facts.video.streamIndex));
    PrepareChildProcess(*m_process);
    connect(m_process, &QProcess::finished, this, &SourceExamination::OnDetectionEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            OnDetectionEnded();
    });
    connect(m_process, &QProcess::readyRead, this, [this] {
        // Only the end of the report counts; what is older than that goes.
        if (m_process && m_process->bytesAvailable() > MaxReportBytes)
            m_process->read(m_process->bytesAvailable() - MaxReportBytes / 2);
    });
    m_timeout.start();
    m_process->start(QIODevice::ReadOnly);
}

void SourceExamination::OnDetectionEnded()
{
    if (!m_process)
        return;
    m_timeout.stop();
    const QByteArray report = m_process->readAll();
    DropProcess();
    const Interlacing verdict = ParseInterlaceReport(report);
    // A seek past the last key frame of a short or sparse file finds nothing: once more from
    // the range's start.
    if (verdict == Interlacing::Unknown && m_sampleStart > std::max(0.0, m_rangeStart)) {
        RunDetection(std::max(0.0, m_rangeStart));
        return;
    }
    Finish(verdict);
}

void SourceExamination::Finish(Interlacing interlacing)
{
    m_running = false;
    m_timeout.stop();
    const SourceFacts facts = m_facts;
    m_facts = SourceFacts();
    emit examined(facts, interlacing);
}
