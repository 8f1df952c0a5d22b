#pragma once

#include "CodecCatalog.h"
#include "ConversionRequest.h"
#include "FfmpegProgressParser.h"
#include "MediaConverter.h"
#include "SourceExamination.h"
#include "WmvProfile.h"

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>

class QTimer;

/// The media component's converter: reports durations (through libavformat, in process), lists
/// codecs and WMV profiles, keeps the clips, and converts them with one `ffmpeg` run each (WMV
/// output and the AVI/MPEG intermediates of the pre-conversion). No widget: the batch and its
/// tests use it directly; CVideoEdit owns one and forwards to it.
///
/// All calls and all signals happen on the user-interface thread; nothing waits for the process:
/// its start, output and end arrive as signals. Stopping kills the process and waits only
/// briefly. Clip times are seconds; the second time of a clip is its end.
class FfmpegConverter : public MediaConverter
{
    Q_OBJECT
    Q_DISABLE_COPY(FfmpegConverter)

public:
    explicit FfmpegConverter(QObject *parent = nullptr);
    ~FfmpegConverter() override;

    double GetMediaDuration(const QString &path) override;

    /// Lists are values; names of the codec lists carry the encoder's FFmpeg name in brackets.
    MediaItemList VideoCodecList() const override;
    MediaItemList AudioCodecList() const override;
    /// Read from the data file "WMV_Profiles.ini" beside the program when the converter is made.
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

    void ResetClips() override;
    bool AddVideoClip(const QString &path, double t1, double t2, int n) override;
    bool AddAudioClip(const QString &path, double t1, double t2) override;
    /// The clips added since the last ResetClips, in order.
    const QList<MediaClip> &VideoClips() const { return m_videoClips; }
    const QList<MediaClip> &AudioClips() const { return m_audioClips; }

    /// The language of the default sound track is this process's locale's.
    void SetTrackChoices(int soundTrack, int subtitleTrack) override;

    /// Starts a conversion of the first clips and returns at once: false at once when it is
    /// refused. Otherwise the source is examined first (SourceExamination: its facts and
    /// interlacing, off this thread) and true returned; the ffmpeg run starts from the
    /// examination's verdict, treated as PlanTreatment decides and with the environment of this
    /// call, its decisions reported as ConversionOutput lines (TreatmentReport.h). A run that then
    /// cannot start ends with ConversionFinished and the reason. The length the progress is
    /// measured against is the clips' own; where it depends on the file (a clip to the end of its
    /// file, or past it), the file's duration is read off this thread and taken when known.
    bool StartConversion(const QString &outputPath) override;
    void StopConversion() override;
    void SuspendConversion(bool suspend) override;
    /// True while the source is examined or an ffmpeg run is going on.
    bool IsConverting() const override
    {
        return m_process != nullptr || m_examination->IsRunning();
    }

    bool LastConversionSucceeded() const override { return m_lastSucceeded; }
    QString LastConversionError() const override { return m_lastError; }
    /// The last line ffmpeg printed on its error channel in the last conversion.
    QString LastFfmpegLine() const { return m_lastFfmpegLine; }

    /// The program that converts; "ffmpeg" (looked up on PATH) unless set. For tests and for
    /// installations that bring their own.
    void SetFfmpegProgram(const QString &program) { m_ffmpegProgram = program; }
    QString FfmpegProgram() const { return m_ffmpegProgram; }

private:
    WmvProfile currentWmvProfile() const;
    ConversionRequest currentRequest(const QString &outputPath) const;
    void onSourceExamined(const SourceFacts &facts, Interlacing interlacing);
    bool refuseConversion(const QString &reason);
    void onProgressOutput();
    void onErrorOutput();
    void onProcessFinished(int exitCode, QProcess::ExitStatus status);
    void onHeartbeat();
    void onStartFailed();
    void emitProgress(double position);
    /// Detaches the running process (no more signals from it); returns it, or nullptr.
    QProcess *detachProcess();
    /// Kills a detached process and lets it delete itself once it has ended.
    static void dispose(QProcess *process);

    int m_outputWidth = 320;
    int m_outputHeight = 240;
    int m_outputFormat = WmvOutputFormat;
    double m_frameRate = 25.0;
    int m_wmvProfileIndex = 0;
    int m_videoCodecIndex = 0;
    int m_audioCodecIndex = 0;
    bool m_useVideoCodec = false;
    bool m_useAudioCodec = false;

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
    bool m_suspended = false;
    bool m_lastSucceeded = true;
    QString m_lastError;
    QString m_lastFfmpegLine;

    SourceExamination *m_examination = nullptr;
    TrackChoices m_choices;
    bool m_examined = false;           ///< the next StartConversion comes from the verdict
    SourceTreatment m_treatment;       ///< the examined source's treatment
    QString m_examinedOutput;          ///< the output the examined conversion writes
    QProcessEnvironment m_environment; ///< the environment StartConversion was called in
};
