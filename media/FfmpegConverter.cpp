#include "FfmpegConverter.h"

#include "BackgroundCall.h"
#include "ChildProcess.h"
#include "MediaDuration.h"
#include "MediaFrameRate.h"
#include "ProgramDir.h"
#include "TreatmentReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

// ffmpeg reports four times a second; when it is silent longer (a slow start, a long seek) the
// last position is reported again so that listeners still hear at least twice a second.
constexpr int HeartbeatMs = 200;
constexpr int SilentProgressMs = 400;
// A killed ffmpeg is waited for this long at most; one still there later deletes itself when it
// has ended. (Killing is immediate on every platform; the wait lets a caller delete the output
// right after a stop on systems that keep files of a running process locked.)
constexpr int KilledWaitMs = 250;
// The error channel carries a few lines at most; more is kept only up to this size.
constexpr qsizetype MaxErrorBuffer = 64 * 1024;

QString ProgramFolder()
{
    return g_programDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_programDir;
}

QStringList Names(const QList<CodecEntry> &entries)
{
    QStringList names;
    for (const CodecEntry &entry : entries)
        names << entry.name;
    return names;
}

QString FindProgram(const QString &program)
{
    const QFileInfo info(program);
    if (info.isAbsolute() || program.contains(QLatin1Char('/')))
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    return QStandardPaths::findExecutable(program);
}

bool IsUsableTime(double t)
{
    return std::isfinite(t) && t >= 0.0;
}

} // namespace

FfmpegConverter::FfmpegConverter(QObject *parent)
    : MediaConverter(parent)
    , m_videoCodecs(InstalledVideoCodecs())
    , m_audioCodecs(InstalledAudioCodecs())
    , m_wmvProfiles(LoadWmvProfiles(QDir(ProgramFolder()).filePath(WmvProfileFileName)))
    , m_heartbeat(new QTimer(this))
    , m_examination(new SourceExamination(this))
{
    m_heartbeat->setInterval(HeartbeatMs);
    connect(m_heartbeat, &QTimer::timeout, this, &FfmpegConverter::onHeartbeat);
    connect(m_examination,
            &SourceExamination::examined,
            this,
            &FfmpegConverter::onSourceExamined,
            Qt::QueuedConnection);
}

FfmpegConverter::~FfmpegConverter()
{
    if (QProcess *process = detachProcess()) {
        // No event loop may run any more for it: the process goes with the converter.
        process->setParent(nullptr);
        process->kill();
        process->waitForFinished(KilledWaitMs);
        if (process->state() == QProcess::NotRunning)
            delete process;
        else
            process->deleteLater();
    }
}

double FfmpegConverter::GetMediaDuration(const QString &path)
{
    return ReadMediaDurationResponsively(path);
}

MediaItemList FfmpegConverter::VideoCodecList() const
{
    return MediaItemList(Names(m_videoCodecs));
}

MediaItemList FfmpegConverter::AudioCodecList() const
{
    return MediaItemList(Names(m_audioCodecs));
}

MediaItemList FfmpegConverter::WmvProfileList() const
{
    QStringList names;
    for (const WmvProfile &profile : m_wmvProfiles)
        names << profile.name;
    return MediaItemList(names);
}

void FfmpegConverter::SetOutputWidth(int width)
{
    m_outputWidth = width;
}

void FfmpegConverter::SetOutputHeight(int height)
{
    m_outputHeight = height;
}

void FfmpegConverter::SetOutputBitDepth(int)
{
    // Every output is planar YUV whatever depth is asked for: nothing to keep.
}

void FfmpegConverter::SetOutputFormat(int format)
{
    m_outputFormat = format;
}

void FfmpegConverter::SetFrameRate(double fps)
{
    m_frameRate = fps;
}

void FfmpegConverter::SetWmvProfileIndex(int index)
{
    m_wmvProfileIndex = index;
}

void FfmpegConverter::SetVideoCodecIndex(int index)
{
    m_videoCodecIndex = index;
}

void FfmpegConverter::SetAudioCodecIndex(int index)
{
    m_audioCodecIndex = index;
}

void FfmpegConverter::SetUseVideoCodec(bool use)
{
    m_useVideoCodec = use;
}

void FfmpegConverter::SetUseAudioCodec(bool use)
{
    m_useAudioCodec = use;
}

void FfmpegConverter::ResetClips()
{
    m_videoClips.clear();
    m_audioClips.clear();
}

bool FfmpegConverter::AddVideoClip(const QString &path, double t1, double t2, int n)
{
    Q_UNUSED(n)
    if (path.isEmpty() || !IsUsableTime(t1) || !std::isfinite(t2))
        return false;
    m_videoClips.append(MediaClip{path, t1, t2});
    return true;
}

bool FfmpegConverter::AddAudioClip(const QString &path, double t1, double t2)
{
    if (path.isEmpty() || !IsUsableTime(t1) || !std::isfinite(t2))
        return false;
    m_audioClips.append(MediaClip{path, t1, t2});
    return true;
}

WmvProfile FfmpegConverter::currentWmvProfile() const
{
    return m_wmvProfileIndex >= 0 && m_wmvProfileIndex < m_wmvProfiles.size()
               ? m_wmvProfiles.at(m_wmvProfileIndex)
               : WmvProfile::fallback();
}

ConversionRequest FfmpegConverter::currentRequest(const QString &outputPath) const
{
    ConversionRequest request;
    request.format = m_outputFormat;
    request.width = m_outputWidth;
    request.height = m_outputHeight;
    request.frameRate = m_frameRate;
    if (m_useVideoCodec && m_videoCodecIndex >= 0 && m_videoCodecIndex < m_videoCodecs.size())
        request.videoEncoder = m_videoCodecs.at(m_videoCodecIndex).encoder;
    if (m_useAudioCodec && m_audioCodecIndex >= 0 && m_audioCodecIndex < m_audioCodecs.size())
        request.audioEncoder = m_audioCodecs.at(m_audioCodecIndex).encoder;
    request.wmv = currentWmvProfile();
    // One picture and one sound clip make a conversion; further clips are kept for the caller
    // but not converted.
    request.hasVideoClip = !m_videoClips.isEmpty();
    if (request.hasVideoClip)
        request.videoClip = m_videoClips.first();
    if (request.hasVideoClip && m_outputFormat == WmvOutputFormat)
        request.sourceFrameRate = ReadVideoFrameRate(request.videoClip.path);
    request.hasAudioClip = !m_audioClips.isEmpty();
    if (request.hasAudioClip)
        request.audioClip = m_audioClips.first();
    request.outputPath = outputPath;
    request.treatment = m_treatment;
    return request;
}

void FfmpegConverter::SetTrackChoices(int soundTrack, int subtitleTrack)
{
    m_choices.sound = soundTrack;
    m_choices.subtitles = subtitleTrack;
}

bool FfmpegConverter::refuseConversion(const QString &reason)
{
    m_lastSucceeded = false;
    m_lastError = reason;
    return false;
}

bool FfmpegConverter::StartConversion(const QString &outputPath)
{
    const bool examined = std::exchange(m_examined, false);
    StopConversion();
    m_lastFfmpegLine.clear();

    const ConversionRequest request = currentRequest(outputPath);
    if (!request.hasVideoClip && !request.hasAudioClip)
        return refuseConversion(tr("There is no clip to convert."));
    if (outputPath.isEmpty())
        return refuseConversion(tr("No output file was named."));
    for (const MediaClip *clip : {&request.videoClip, &request.audioClip}) {
        if (clip->path.isEmpty())
            continue;
        if (!QFileInfo(clip->path).isFile())
            return refuseConversion(
                //: %1 is a file's path
                tr("The source file %1 does not exist.").arg(QDir::toNativeSeparators(clip->path)));
    }
    const QStringList arguments = request.ffmpegArguments();
    if (arguments.isEmpty())
        //: %1 is the output format's number, %2x%3 the picture's width and height in pixels
        return refuseConversion(tr("The output settings are not supported (format %1, %2x%3).")
                                    .arg(m_outputFormat)
                                    .arg(m_outputWidth)
                                    .arg(m_outputHeight));
    const QString program = FindProgram(m_ffmpegProgram);
    if (program.isEmpty())
        //: %1 is the converter program's name, such as ffmpeg
        return refuseConversion(tr("The converter %1 was not found.").arg(m_ffmpegProgram));
    if (!examined) {
        // The run starts from the examination's verdict (onSourceExamined).
        m_suspended = false;
        const MediaClip &clip = request.hasVideoClip ? request.videoClip : request.audioClip;
        m_examinedOutput = outputPath;
        m_environment = QProcessEnvironment::systemEnvironment();
        m_lastSucceeded = false;
        m_lastError.clear();
        m_examination->Start(clip.path, clip.start, clip.hasEnd() ? clip.end - clip.start : 0.0);
        return true;
    }

    // The clips' own length now; the files' durations (a clip to its file's end, or past it)
    // are read off this thread and refine it when they come.
    m_conversionTotal = request.expectedLength(0.0, 0.0);
    m_lastPosition = 0.0;
    m_progress.reset();
    m_errorBuffer.clear();
    m_outputPath = outputPath;

    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setInputChannelMode(QProcess::ManagedInputChannel);
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessEnvironment(m_environment);
    PrepareChildProcess(*process);
    connect(process, &QProcess::readyReadStandardOutput, this, &FfmpegConverter::onProgressOutput);
    connect(process, &QProcess::readyReadStandardError, this, &FfmpegConverter::onErrorOutput);
    connect(process, &QProcess::finished, this, &FfmpegConverter::onProcessFinished);
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && m_process == process)
            onStartFailed();
    });
    // Suspended while the source was examined: the run starts held.
    connect(process, &QProcess::started, this, [this, process] {
        if (m_suspended && m_process == process)
            SuspendChildProcess(process->processId(), true);
    });

    m_process = process;
    const quint64 serial = ++m_conversionSerial;
    m_lastSucceeded = false;
    m_lastError.clear();
    m_sinceProgress.start();
    m_heartbeat->start();
    process->start(QIODevice::ReadOnly);

    const MediaClip clip = request.hasVideoClip ? request.videoClip : request.audioClip;
    RunInBackground<double>(
        this,
        [path = clip.path] { return ReadMediaDuration(path); },
        [this, serial, request](double fileDuration) {
            if (serial != m_conversionSerial || !m_process || fileDuration <= 0.0)
                return;
            const double video = request.hasVideoClip ? fileDuration : 0.0;
            const double audio = request.hasVideoClip ? 0.0 : fileDuration;
            m_conversionTotal = request.expectedLength(video, audio);
        });
    return true;
}

void FfmpegConverter::onStartFailed()
{
    QProcess *process = detachProcess();
    const QString error = process ? process->errorString() : QString();
    dispose(process);
    m_lastSucceeded = false;
    //: %1 is the system's reason
    m_lastError = tr("The converter could not be started: %1").arg(error);
    // Never from inside StartConversion: its caller learns of the end as of any other.
    QMetaObject::invokeMethod(
        this, [this] { emit ConversionFinished(); }, Qt::QueuedConnection);
}

QProcess *FfmpegConverter::detachProcess()
{
    QProcess *process = m_process;
    m_process = nullptr;
    m_heartbeat->stop();
    if (process)
        process->disconnect(this);
    return process;
}

void FfmpegConverter::dispose(QProcess *process)
{
    if (!process)
        return;
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
    process->waitForFinished(KilledWaitMs);
}

void FfmpegConverter::onSourceExamined(const SourceFacts &facts, Interlacing interlacing)
{
    const int frameHeight
        = m_outputFormat == WmvOutputFormat ? currentWmvProfile().height : m_outputHeight;
    m_treatment = PlanTreatment(facts,
                                interlacing,
                                {m_choices.sound, m_choices.subtitles, QLocale().language()},
                                frameHeight);
    const QPointer<FfmpegConverter> self(this);
    m_examined = true;
    if (!m_treatment.decisions.isEmpty())
        emit ConversionOutput(DecisionLines(m_treatment.decisions));
    if (!self || !m_examined)
        return; // a listener of the output stopped the conversion
    if (StartConversion(m_examinedOutput) || !self)
        return;
    // Refused now: the end of the conversion that was started.
    emit ConversionFinished();
}

void FfmpegConverter::StopConversion()
{
    const bool examining = m_examination->IsRunning();
    m_examination->Cancel();
    m_examined = false;
    if (m_suspended && m_process)
        SuspendChildProcess(m_process->processId(), false); // a stopped process cannot die
    m_suspended = false;
    QProcess *process = detachProcess();
    if (!process && !examining)
        return;
    // Killed rather than asked to finish: the output is abandoned anyway, and the caller may
    // delete the file right after this returns.
    dispose(process);
    m_lastSucceeded = false;
    m_lastError = tr("The conversion was stopped.");
}

void FfmpegConverter::SuspendConversion(bool suspend)
{
    if (suspend == m_suspended || !IsConverting())
        return;
    // While the source is examined there is no process yet: it starts held (see the started
    // connection), and the examination itself is short and bounded.
    m_suspended = suspend;
    if (m_process && m_process->state() == QProcess::Running)
        SuspendChildProcess(m_process->processId(), suspend);
    if (!m_process)
        return;
    if (suspend)
        m_heartbeat->stop();
    else
        m_heartbeat->start();
}

void FfmpegConverter::emitProgress(double position)
{
    double clamped = std::max(0.0, position);
    if (m_conversionTotal > 0.0)
        clamped = std::min(clamped, m_conversionTotal);
    m_lastPosition = clamped;
    m_sinceProgress.start();
    emit ConversionProgress(clamped, m_conversionTotal);
}

void FfmpegConverter::onProgressOutput()
{
    if (!m_process)
        return;
    const QByteArray chunk = m_process->readAllStandardOutput();
    if (!chunk.isEmpty())
        emit ConversionOutput(chunk);
    // A listener of the output may have stopped the conversion.
    if (!m_process)
        return;
    const QList<FfmpegProgressParser::Update> updates = m_progress.feed(chunk);
    if (updates.isEmpty())
        return;
    // One event per chunk: the listener repaints and dispatches events for each.
    emitProgress(updates.last().position);
}

void FfmpegConverter::onErrorOutput()
{
    if (!m_process)
        return;
    const QByteArray chunk = m_process->readAllStandardError();
    if (chunk.isEmpty())
        return;
    m_errorBuffer += chunk;
    if (m_errorBuffer.size() > MaxErrorBuffer)
        m_errorBuffer = m_errorBuffer.right(MaxErrorBuffer / 2);
    const QList<QByteArray> lines = m_errorBuffer.split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = QString::fromLocal8Bit(it->trimmed());
        if (!line.isEmpty()) {
            m_lastFfmpegLine = line;
            break;
        }
    }
    emit ConversionOutput(chunk);
}

void FfmpegConverter::onHeartbeat()
{
    if (m_process && m_sinceProgress.elapsed() >= SilentProgressMs)
        emitProgress(m_lastPosition);
}

void FfmpegConverter::onProcessFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!m_process)
        return;
    const quint64 serial = m_conversionSerial;
    onErrorOutput();
    if (m_process && serial == m_conversionSerial)
        onProgressOutput();
    // A listener may have stopped or restarted the conversion inside the progress event.
    if (!m_process || serial != m_conversionSerial)
        return;
    QProcess *process = detachProcess();
    process->deleteLater();

    const QFileInfo output(m_outputPath);
    QString error;
    if (status != QProcess::NormalExit)
        error = tr("The converter stopped unexpectedly.");
    else if (exitCode != 0)
        //: %1 is a number
        error = tr("The converter ended with exit code %1.").arg(exitCode);
    else if (!output.isFile() || output.size() == 0)
        error = tr("The converter wrote no output file.");
    if (!error.isEmpty() && !m_lastFfmpegLine.isEmpty())
        error = m_lastFfmpegLine;
    m_lastSucceeded = error.isEmpty();
    m_lastError = error;
    emit ConversionFinished();
}
