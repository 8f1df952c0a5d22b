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
/// The window reads durations and WMV profiles and sets up previews here; conversions, their
/// settings and their events belong to Converter(), which the batch works with directly.
///
/// All calls and all signals happen on the user-interface thread; the signals arrive from its
/// event loop. Clip times are seconds; the second time of a clip is its end.
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

    /// Read from the data file "WMV_Profiles.ini" beside the program when the component is made.
    MediaItemList WmvProfileList() const;

    void SetOutputBitDepth(int bits);
    /// Set once when the main window starts; kept, it changes nothing here.
    void SetStartupFlag(bool flag);

    void ResetClips();
    bool AddVideoClip(const QString &path, double t1, double t2, int n);
    bool AddAudioClip(const QString &path, double t1, double t2);

    /// Plays the first video clip (with sound only when an audio clip was added) from its start
    /// to its end in the component's area; the last picture stays in view afterwards. Returns
    /// false when there is no clip to play or its file is missing. A RealMedia clip that starts
    /// later than 0 is first cut into a temporary preview file (its first two minutes at most),
    /// because the player cannot seek in such files.
    bool StartPlayback();
    /// Ends playback; the last picture stays in view and no PlaybackEnded follows.
    void StopPlayback();
    bool IsPlaying() const;

signals:
    /// Playback reached the clip's end (or the player failed or stalled); the argument is the
    /// position in seconds of the source.
    void PlaybackEnded(double position);

private:
    bool m_startupFlag = false;
    FfmpegConverter *m_converter = nullptr;
    QVideoWidget *m_videoWidget = nullptr;
    ClipPlayer *m_clipPlayer = nullptr;
};
