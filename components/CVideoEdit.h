#pragma once

#include "ConversionRequest.h"
#include "MediaConverter.h"
#include "MediaItemList.h"

#include <QList>
#include <QWidget>

class ClipPlayer;
class FfmpegConverter;
class QVideoWidget;

/// The media component: previews clips in its own area and hosts the converter (FfmpegConverter,
/// which reports durations, lists codecs and WMV profiles, keeps the clips and converts them).
/// The conversion calls and events of the component are forwarded to and from its converter,
/// so its interface stays that of the component; engine code works with Converter() directly.
///
/// All calls and all signals happen on the user-interface thread; the signals arrive while the
/// caller dispatches events (PumpMessages). Clip times are seconds; the second time of a clip is
/// its end.
class CVideoEdit : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CVideoEdit)

public:
    explicit CVideoEdit(QWidget *parent = nullptr);
    ~CVideoEdit() override;

    /// The converter the component forwards to; it lives as long as the component.
    FfmpegConverter &Converter() const { return *m_converter; }

    double GetMediaDuration(const QString &path);

    /// Lists are values; names of the codec lists carry the encoder's FFmpeg name in brackets.
    MediaItemList VideoCodecList() const;
    MediaItemList AudioCodecList() const;
    /// Read from the data file "WMV_Profiles.ini" beside the program when the component is made.
    MediaItemList WmvProfileList() const;

    void SetOutputWidth(int width);
    void SetOutputHeight(int height);
    void SetOutputBitDepth(int bits);
    void SetOutputFormat(int format);
    void SetFrameRate(double fps);
    void SetWmvProfileIndex(int index);
    void SetVideoCodecIndex(int index);
    void SetAudioCodecIndex(int index);
    void SetUseVideoCodec(bool use);
    void SetUseAudioCodec(bool use);
    /// Set once when the main window starts; kept, it changes nothing here.
    void SetStartupFlag(bool flag);

    void ResetClips();
    bool AddVideoClip(const QString &path, double t1, double t2, int n);
    bool AddAudioClip(const QString &path, double t1, double t2);
    /// The clips added since the last ResetClips, in order.
    const QList<MediaClip> &VideoClips() const;
    const QList<MediaClip> &AudioClips() const;

    /// See MediaConverter::StartConversion and FfmpegConverter.
    bool StartConversion(const QString &outputPath);
    void StopConversion();
    /// True while an ffmpeg run is going on.
    bool IsConverting() const;

    bool LastConversionSucceeded() const;
    QString LastConversionError() const;
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
    bool m_startupFlag = false;
    FfmpegConverter *m_converter = nullptr;
    QVideoWidget *m_videoWidget = nullptr;
    ClipPlayer *m_clipPlayer = nullptr;
};
