#include "CVideoEdit.h"

#include "BatchState.h"
#include "ClipPlayer.h"
#include "MediaDuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QVideoWidget>

#include <cmath>

namespace {

// ffmpeg reports four times a second; when it is silent longer (a slow start, a long seek) the
// last position is reported again so that listeners still hear at least twice a second.
constexpr int HeartbeatMs = 200;
constexpr int SilentProgressMs = 400;
// How long a stopped ffmpeg may take to go away before it is left to the operating system.
constexpr int StopWaitMs = 3000;
constexpr int StartWaitMs = 10000;
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

CVideoEdit::CVideoEdit(QWidget *parent)
    : QWidget(parent)
    , m_videoCodecs(InstalledVideoCodecs())
    , m_audioCodecs(InstalledAudioCodecs())
    , m_wmvProfiles(LoadWmvProfiles(QDir(ProgramFolder()).filePath(WmvProfileFileName)))
    , m_heartbeat(new QTimer(this))
    , m_videoWidget(new QVideoWidget(this))
    , m_clipPlayer(new ClipPlayer(m_videoWidget, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_videoWidget);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_heartbeat->setInterval(HeartbeatMs);
    connect(m_heartbeat, &QTimer::timeout, this, &CVideoEdit::onHeartbeat);
    connect(m_clipPlayer, &ClipPlayer::ended, this, &CVideoEdit::PlaybackEnded);
}

CVideoEdit::~CVideoEdit()
{
    StopConversion();
    m_clipPlayer->disconnect(this);
}

double CVideoEdit::GetMediaDuration(const QString &path)
{
    return ReadMediaDurationResponsively(path);
}

MediaItemList CVideoEdit::VideoCodecList() const
{
    return MediaItemList(Names(m_videoCodecs));
}

MediaItemList CVideoEdit::AudioCodecList() const
{
    return MediaItemList(Names(m_audioCodecs));
}

MediaItemList CVideoEdit::WmvProfileList() const
{
    QStringList names;
    for (const WmvProfile &profile : m_wmvProfiles)
        names << profile.name;
    return MediaItemList(names);
}

void CVideoEdit::SetOutputWidth(int width)
{
    m_outputWidth = width;
}

void CVideoEdit::SetOutputHeight(int height)
{
    m_outputHeight = height;
}

void CVideoEdit::SetOutputBitDepth(int bits)
{
    m_outputBitDepth = bits;
}

void CVideoEdit::SetOutputFormat(int format)
{
    m_outputFormat = format;
}

void CVideoEdit::SetFrameRate(double fps)
{
    m_frameRate = fps;
}

void CVideoEdit::SetWmvProfileIndex(int index)
{
    m_wmvProfileIndex = index;
}

void CVideoEdit::SetVideoCodecIndex(int index)
{
    m_videoCodecIndex = index;
}

void CVideoEdit::SetAudioCodecIndex(int index)
{
    m_audioCodecIndex = index;
}

void CVideoEdit::SetUseVideoCodec(bool use)
{
    m_useVideoCodec = use;
}

void CVideoEdit::SetUseAudioCodec(bool use)
{
    m_useAudioCodec = use;
}

void CVideoEdit::SetStartupFlag(bool flag)
{
    m_startupFlag = flag;
}

void CVideoEdit::ResetClips()
{
    m_videoClips.clear();
    m_audioClips.clear();
}

bool CVideoEdit::AddVideoClip(const QString &path, double t1, double t2, int n)
{
    Q_UNUSED(n)
    if (path.isEmpty() || !IsUsableTime(t1) || !std::isfinite(t2))
        return false;
    m_videoClips.append(MediaClip{path, t1, t2});
    return true;
}

bool CVideoEdit::AddAudioClip(const QString &path, double t1, double t2)
{
    if (path.isEmpty() || !IsUsableTime(t1) || !std::isfinite(t2))
        return false;
    m_audioClips.append(MediaClip{path, t1, t2});
    return true;
}

ConversionRequest CVideoEdit::currentRequest(const QString &outputPath) const
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
    request.wmv = m_wmvProfileIndex >= 0 && m_wmvProfileIndex < m_wmvProfiles.size()
                      ? m_wmvProfiles.at(m_wmvProfileIndex)
                      : WmvProfile::fallback();
    // One picture and one sound clip make a conversion; further clips are kept for the caller
    // but not converted.
    request.hasVideoClip = !m_videoClips.isEmpty();
    if (request.hasVideoClip)
        request.videoClip = m_videoClips.first();
    request.hasAudioClip = !m_audioClips.isEmpty();
    if (request.hasAudioClip)
        request.audioClip = m_audioClips.first();
    request.outputPath = outputPath;
    return request;
}

bool CVideoEdit::refuseConversion(const QString &reason)
{
    m_lastSucceeded = false;
    m_lastError = reason;
    return false;
}

bool CVideoEdit::StartConversion(const QString &outputPath)
{
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
                tr("The source file %1 does not exist.").arg(QDir::toNativeSeparators(clip->path)));
    }
    const QStringList arguments = request.ffmpegArguments();
    if (arguments.isEmpty())
        return refuseConversion(tr("The output settings are not supported (format %1, %2x%3).")
                                    .arg(m_outputFormat)
                                    .arg(m_outputWidth)
                                    .arg(m_outputHeight));
    const QString program = FindProgram(m_ffmpegProgram);
    if (program.isEmpty())
        return refuseConversion(tr("The converter %1 was not found.").arg(m_ffmpegProgram));

    const double videoDuration
        = request.hasVideoClip ? ReadMediaDuration(request.videoClip.path) : 0.0;
    const double audioDuration
        = request.hasAudioClip ? ReadMediaDuration(request.audioClip.path) : 0.0;
    m_conversionTotal = request.expectedLength(videoDuration, audioDuration);
    m_lastPosition = 0.0;
    m_progress.reset();
    m_errorBuffer.clear();
    m_outputPath = outputPath;

    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setInputChannelMode(QProcess::ManagedInputChannel);
    process->setProgram(program);
    process->setArguments(arguments);
    connect(process, &QProcess::readyReadStandardOutput, this, &CVideoEdit::onProgressOutput);
    connect(process, &QProcess::readyReadStandardError, this, &CVideoEdit::onErrorOutput);
    connect(process, &QProcess::finished, this, &CVideoEdit::onProcessFinished);
    process->start(QIODevice::ReadOnly);
    if (!process->waitForStarted(StartWaitMs)) {
        const QString error = process->errorString();
        process->disconnect(this);
        process->kill();
        process->waitForFinished(StopWaitMs);
        delete process;
        return refuseConversion(tr("The converter could not be started: %1").arg(error));
    }
    m_process = process;
    ++m_conversionSerial;
    m_lastSucceeded = false;
    m_lastError.clear();
    m_sinceProgress.start();
    m_heartbeat->start();
    return true;
}

QProcess *CVideoEdit::detachProcess()
{
    QProcess *process = m_process;
    m_process = nullptr;
    m_heartbeat->stop();
    if (process)
        process->disconnect(this);
    return process;
}

void CVideoEdit::StopConversion()
{
    QProcess *process = detachProcess();
    if (!process)
        return;
    // Killed rather than asked to finish: the output is abandoned anyway, and the caller may
    // delete the file right after this returns, so the process must be gone by then.
    process->kill();
    process->waitForFinished(StopWaitMs);
    process->deleteLater();
    m_lastSucceeded = false;
    m_lastError = tr("The conversion was stopped.");
}

bool CVideoEdit::IsConverting() const
{
    return m_process != nullptr;
}

bool CVideoEdit::LastConversionSucceeded() const
{
    return m_lastSucceeded;
}

QString CVideoEdit::LastConversionError() const
{
    return m_lastError;
}

QString CVideoEdit::LastFfmpegLine() const
{
    return m_lastFfmpegLine;
}

void CVideoEdit::SetFfmpegProgram(const QString &program)
{
    m_ffmpegProgram = program;
}

void CVideoEdit::emitProgress(double position)
{
    double clamped = std::max(0.0, position);
    if (m_conversionTotal > 0.0)
        clamped = std::min(clamped, m_conversionTotal);
    m_lastPosition = clamped;
    m_sinceProgress.start();
    emit ConversionProgress(clamped, m_conversionTotal);
}

void CVideoEdit::onProgressOutput()
{
    if (!m_process)
        return;
    const QList<FfmpegProgressParser::Update> updates
        = m_progress.feed(m_process->readAllStandardOutput());
    if (updates.isEmpty())
        return;
    // One event per chunk: the listener repaints and dispatches events for each.
    emitProgress(updates.last().position);
}

void CVideoEdit::onErrorOutput()
{
    if (!m_process)
        return;
    m_errorBuffer += m_process->readAllStandardError();
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
}

void CVideoEdit::onHeartbeat()
{
    if (m_process && m_sinceProgress.elapsed() >= SilentProgressMs)
        emitProgress(m_lastPosition);
}

void CVideoEdit::onProcessFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!m_process)
        return;
    const quint64 serial = m_conversionSerial;
    onErrorOutput();
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
        error = tr("The converter ended with exit code %1.").arg(exitCode);
    else if (!output.isFile() || output.size() == 0)
        error = tr("The converter wrote no output file.");
    if (!error.isEmpty() && !m_lastFfmpegLine.isEmpty())
        error = m_lastFfmpegLine;
    m_lastSucceeded = error.isEmpty();
    m_lastError = error;
    emit ConversionFinished();
}

bool CVideoEdit::StartPlayback()
{
    StopPlayback();
    if (m_videoClips.isEmpty() && m_audioClips.isEmpty())
        return false;
    const MediaClip clip = m_videoClips.isEmpty() ? m_audioClips.first() : m_videoClips.first();
    return m_clipPlayer->play(clip, !m_audioClips.isEmpty(), m_ffmpegProgram);
}

void CVideoEdit::StopPlayback()
{
    m_clipPlayer->stop();
}

bool CVideoEdit::IsPlaying() const
{
    return m_clipPlayer->isPlaying();
}
