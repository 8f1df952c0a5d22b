#include "ClipPlayer.h"

#include "ChildProcess.h"
#include "ConversionTask.h"
#include "MediaConverter.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace {

constexpr int PollMs = 50;
// A player whose position has not moved for this long while it should be playing is stuck
// (a damaged file, a failed seek); playback then ends instead of hanging on.
constexpr int StallMs = 8000;
// Positions this far before the seek target still come from before the seek took effect.
constexpr double SeekSlack = 0.5;
constexpr int StopWaitMs = 3000;

} // namespace

ClipPlayer::ClipPlayer(QVideoWidget *output, QObject *parent)
    : QObject(parent)
    , m_output(output)
    , m_poll(new QTimer(this))
{
    m_poll->setInterval(PollMs);
    connect(m_poll, &QTimer::timeout, this, &ClipPlayer::onPoll);
}

ClipPlayer::~ClipPlayer()
{
    stop();
    if (m_player)
        m_player->disconnect(this);
}

bool ClipPlayer::needsPreviewFile(const MediaClip &clip)
{
    // GStreamer's RealMedia demuxer loses the stream after a seek in files without an index,
    // which is what most converters write.
    return clip.start > 0.0 && NeedsPreconversion(clip.path);
}

bool ClipPlayer::play(const MediaClip &clip, bool withSound, const QString &ffmpeg)
{
    stop();
    if (!QFileInfo(clip.path).isFile())
        return false;
    m_clip = clip;
    m_withSound = withSound;
    m_playing = true;
    m_lastPosition = clip.start;
    if (needsPreviewFile(clip)) {
        makePreviewFile(ffmpeg);
    } else {
        m_offset = 0.0;
        startPlayer(clip.path, clip.start);
    }
    return m_playing;
}

void ClipPlayer::stop()
{
    m_poll->stop();
    m_playing = false;
    m_seekPending = false;
    if (m_previewProcess) {
        QProcess *process = m_previewProcess;
        m_previewProcess = nullptr;
        process->disconnect(this);
        process->kill();
        process->waitForFinished(StopWaitMs);
        process->deleteLater();
    }
    // Paused rather than stopped: the picture in view stays, so a preview of one second leaves
    // the frame at the cut on screen.
    if (m_player)
        m_player->pause();
}

void ClipPlayer::ensurePlayer()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    m_player->setVideoOutput(m_output);
    connect(m_player, &QMediaPlayer::positionChanged, this, &ClipPlayer::onPosition);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &ClipPlayer::onStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] {
        if (m_playing)
            finish(m_lastPosition);
    });
}

void ClipPlayer::startPlayer(const QString &path, double seekTo)
{
    ensurePlayer();
    if (m_withSound) {
        if (!m_audioOutput)
            m_audioOutput = new QAudioOutput(this);
        m_player->setAudioOutput(m_audioOutput);
    } else {
        m_player->setAudioOutput(nullptr);
    }
    m_player->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_seekTarget = seekTo;
    m_seekPending = seekTo > 0.0;
    m_sinceAdvance.start();
    m_player->play();
    m_poll->start();
}

void ClipPlayer::makePreviewFile(const QString &ffmpeg)
{
    if (m_player)
        m_player->setSource(QUrl()); // lets go of the previous preview file
    m_previewDir = std::make_unique<QTemporaryDir>();
    const QString found = QStandardPaths::findExecutable(ffmpeg);
    const QString program = found.isEmpty() ? ffmpeg : found;
    ConversionRequest request;
    request.format = AviIntermediateFormat;
    request.width = 320;
    request.height = 240;
    request.frameRate = 25.0;
    request.hasVideoClip = true;
    request.videoClip = m_clip;
    if (!m_clip.hasEnd() || m_clip.end - m_clip.start > MaxPreviewSeconds)
        request.videoClip.end = m_clip.start + MaxPreviewSeconds;
    request.hasAudioClip = m_withSound;
    request.audioClip = request.videoClip;
    request.outputPath = m_previewDir->filePath(QStringLiteral("preview.avi"));
    const QStringList arguments = request.ffmpegArguments();
    if (!m_previewDir->isValid() || arguments.isEmpty()) {
        m_playing = false;
        return;
    }
    m_offset = m_clip.start;
    m_previewProcess = new QProcess(this);
    m_previewProcess->setStandardOutputFile(QProcess::nullDevice());
    m_previewProcess->setStandardErrorFile(QProcess::nullDevice());
    PrepareChildProcess(*m_previewProcess);
    connect(m_previewProcess, &QProcess::finished, this, &ClipPlayer::onPreviewFinished);
    connect(m_previewProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            onPreviewFinished(-1, QProcess::CrashExit);
    });
    m_previewProcess->start(program, arguments, QIODevice::ReadOnly);
}

void ClipPlayer::onPreviewFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!m_previewProcess)
        return;
    m_previewProcess->disconnect(this);
    m_previewProcess->deleteLater();
    m_previewProcess = nullptr;
    const QString preview = m_previewDir->filePath(QStringLiteral("preview.avi"));
    if (status != QProcess::NormalExit || exitCode != 0 || QFileInfo(preview).size() == 0) {
        finish(m_clip.start);
        return;
    }
    startPlayer(preview, 0.0);
}

double ClipPlayer::sourceSeconds(qint64 playerMs) const
{
    return m_offset + playerMs / 1000.0;
}

void ClipPlayer::onStatus()
{
    if (!m_playing || !m_player)
        return;
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    if (m_seekPending
        && (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)) {
        // A seek asked for while the pipeline is still being built is dropped; once the media
        // is loaded, asking from the event loop works.
        QTimer::singleShot(0, this, [this] {
            if (m_playing && m_seekPending && m_player)
                m_player->setPosition(qint64(m_seekTarget * 1000.0));
        });
    } else if (status == QMediaPlayer::EndOfMedia) {
        finish(std::max(m_lastPosition, sourceSeconds(m_player->duration())));
    } else if (status == QMediaPlayer::InvalidMedia) {
        finish(m_lastPosition);
    }
}

void ClipPlayer::onPosition(qint64 ms)
{
    if (!m_playing || m_previewProcess)
        return;
    const double played = ms / 1000.0;
    if (m_seekPending) {
        if (played + SeekSlack < m_seekTarget)
            return;
        m_seekPending = false;
    }
    const double seconds = sourceSeconds(ms);
    if (seconds > m_lastPosition) {
        m_lastPosition = seconds;
        m_sinceAdvance.start();
    }
    if (m_clip.hasEnd() && seconds >= m_clip.end)
        finish(seconds);
}

void ClipPlayer::onPoll()
{
    if (!m_playing || !m_player || m_previewProcess)
        return;
    onPosition(m_player->position());
    if (m_playing && m_sinceAdvance.isValid() && m_sinceAdvance.elapsed() > StallMs)
        finish(m_lastPosition);
}

void ClipPlayer::finish(double position)
{
    if (!m_playing)
        return;
    m_playing = false;
    m_seekPending = false;
    m_poll->stop();
    if (m_player)
        m_player->pause(); // the last picture stays in view
    emit ended(position);
}
