#pragma once

#include "ConversionRequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QTimer;
class QVideoWidget;

/// Plays one clip (start to end, in seconds of its file) into a video widget and tells when the
/// end is reached. The media component's playback engine.
///
/// Sources whose demuxer cannot seek here (RealMedia) are not played from a later start by
/// seeking: ffmpeg first writes the clip, at most MaxPreviewSeconds of it, into a temporary
/// preview file, which is then played; positions are still reported in the source's seconds.
class ClipPlayer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ClipPlayer)

public:
    static constexpr double MaxPreviewSeconds = 120.0;

    /// output must outlive the player.
    explicit ClipPlayer(QVideoWidget *output, QObject *parent = nullptr);
    ~ClipPlayer() override;

    /// Starts playing clip (with sound when withSound). ffmpeg is the converter program used for
    /// preview files. false when the file does not exist.
    bool play(const MediaClip &clip, bool withSound, const QString &ffmpeg);
    /// Ends playback (and the making of a preview file), leaving the last picture in view;
    /// ended() does not follow.
    void stop();
    bool isPlaying() const { return m_playing; }
    /// True when clip is played through a preview file rather than by seeking in its file.
    static bool needsPreviewFile(const MediaClip &clip);

signals:
    /// The clip's end was reached, the player failed, or playback stalled; position in the
    /// source's seconds.
    void ended(double position);

private:
    void ensurePlayer();
    void startPlayer(const QString &path, double seekTo);
    void makePreviewFile(const QString &ffmpeg);
    void onPreviewFinished(int exitCode, QProcess::ExitStatus status);
    void onStatus();
    void onPosition(qint64 ms);
    void onPoll();
    void finish(double position);
    double sourceSeconds(qint64 playerMs) const;

    QVideoWidget *m_output = nullptr;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audioOutput = nullptr;
    QTimer *m_poll = nullptr;
    QProcess *m_previewProcess = nullptr;
    std::unique_ptr<QTemporaryDir> m_previewDir;

    MediaClip m_clip;
    bool m_withSound = false;
    bool m_playing = false;
    bool m_seekPending = false;
    double m_seekTarget = 0.0; ///< seconds of the played file
    double m_offset = 0.0;     ///< source seconds at the played file's 0
    double m_lastPosition = 0.0;
    QElapsedTimer m_sinceAdvance;
};
