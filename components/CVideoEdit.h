#pragma once

#include "CodecCatalog.h"
#include "ConversionRequest.h"
#include "FfmpegProgressParser.h"
#include "MediaConverter.h"
#include "WmvProfile.h"

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QWidget>

class ClipPlayer;
class QTimer;
class QVideoWidget;

/// The media component: previews clips in its own area, reports durations (through libavformat,
/// in process), lists codecs and WMV profiles, and converts clips with one `ffmpeg` run each
/// (WMV output and the AVI/MPEG intermediates of the pre-conversion).
///
/// All calls and all signals happen on the user-interface thread; the signals arrive while the
/// caller dispatches events (PumpMessages). Clip times are seconds; the second time of a clip is
/// its end.
class CVideoEdit
    : public QWidget
    , public MediaConverter
{
    Q_OBJECT
    Q_DISABLE_COPY(CVideoEdit)

public:
    explicit CVideoEdit(QWidget *parent = nullptr);
    ~CVideoEdit() override;

    double GetMediaDuration(const QString &path) override;

    /// Lists are values; names of the codec lists carry the encoder's FFmpeg name in brackets.
    MediaItemList VideoCodecList() const override;
    MediaItemList AudioCodecList() const override;
    /// Read from the data file "WMV_Profiles.ini" beside the program when the component is made.
    MediaItemList WmvProfileList() const override;

    void SetOutputWidth(int width) override;
    void SetOutputHeight(int height) override;
    void SetOutputBitDepth(int bits) override;
    void SetOutputFormat(int format) override;
    void SetFrameRate(double fps) override;
    void SetWmvProfileIndex(int index) override;
    void SetVideoCodecIndex(int index) override;
    void SetAudioCodecIndex(int index) override;
    void SetUseVideoCodec(bool use) override;
    void SetUseAudioCodec(bool use) override;
    /// Set once when the main window starts; kept, it changes nothing here.
    void SetStartupFlag(bool flag);

    void ResetClips() override;
    bool AddVideoClip(const QString &path, double t1, double t2, int n) override;
    bool AddAudioClip(const QString &path, double t1, double t2) override;
    /// The clips added since the last ResetClips, in order.
    const QList<MediaClip> &VideoClips() const { return m_videoClips; }
    const QList<MediaClip> &AudioClips() const { return m_audioClips; }

    bool StartConversion(const QString &outputPath) override;
    void StopConversion() override;
    /// True while an ffmpeg run is going on.
    bool IsConverting() const;

    bool LastConversionSucceeded() const override;
    QString LastConversionError() const override;
    /// The last line ffmpeg printed on its error channel in the last conversion.
    QString LastFfmpegLine() const;

    /// Plays the first video clip (with sound only when an audio clip was added) from its start
    /// to its end in the component's area; the last picture stays in view afterwards. Returns
    /// false when there is no clip to play or its file is missing. A RealMedia clip that starts
    /// later than 0 is first cut into a temporary preview file (its first two minutes at most),
    /// because the player cannot seek in such files.
    bool StartPlayback();
    /// Ends playback; the last picture stays in view and no PlaybackEnded follows.
    void StopPlayback();
    bool IsPlaying() const;

    /// The program that converts; "ffmpeg" (looked up on PATH) unless set. For tests and for
    /// installations that bring their own.
    void SetFfmpegProgram(const QString &program);

signals:
    /// A conversion ended (successfully or not: see LastConversionSucceeded). Not after a stop.
    void ConversionFinished();
    /// Seconds converted so far and seconds in all, at least twice a second while converting.
    void ConversionProgress(double position, double total);
    /// Playback reached the clip's end (or the player failed or stalled); the argument is the
    /// position in seconds of the source.
    void PlaybackEnded(double position);

private:
    ConversionRequest currentRequest(const QString &outputPath) const;
    bool refuseConversion(const QString &reason);
    void onProgressOutput();
    void onErrorOutput();
    void onProcessFinished(int exitCode, QProcess::ExitStatus status);
    void onHeartbeat();
    void emitProgress(double position);
    /// Detaches the running process (no more signals from it); returns it, or nullptr.
    QProcess *detachProcess();

    int m_outputWidth = 320;
    int m_outputHeight = 240;
    int m_outputBitDepth = 24;
    int m_outputFormat = WmvOutputFormat;
    double m_frameRate = 25.0;
    int m_wmvProfileIndex = 0;
    int m_videoCodecIndex = 0;
    int m_audioCodecIndex = 0;
    bool m_useVideoCodec = false;
    bool m_useAudioCodec = false;
    bool m_startupFlag = false;

    QList<MediaClip> m_videoClips;
    QList<MediaClip> m_audioClips;
    QList<CodecEntry> m_videoCodecs;
    QList<CodecEntry> m_audioCodecs;
    QList<WmvProfile> m_wmvProfiles;

    QString m_ffmpegProgram = QStringLiteral("ffmpeg");
    QProcess *m_process = nullptr;
    QTimer *m_heartbeat = nullptr;
    FfmpegProgressParser m_progress;
    QByteArray m_errorBuffer;
    QString m_outputPath;
    double m_conversionTotal = 0.0;
    double m_lastPosition = 0.0;
    QElapsedTimer m_sinceProgress;
    quint64 m_conversionSerial = 0;
    bool m_lastSucceeded = true;
    QString m_lastError;
    QString m_lastFfmpegLine;

    QVideoWidget *m_videoWidget = nullptr;
    ClipPlayer *m_clipPlayer = nullptr;
};
