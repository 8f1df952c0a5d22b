#pragma once

#include "MediaItemList.h"

#include <QByteArray>
#include <QObject>
#include <QString>

/// Values of the media component's OutputFormat property.
enum MediaOutputFormat {
    MpegIntermediateFormat = 6, ///< MPEG-1 program stream (.mpg), intermediate for the encoder
    AviIntermediateFormat = 8,  ///< AVI with the chosen video and audio codecs, intermediate
    WmvOutputFormat = 9         ///< WMV file made with the WmvProfileIndex profile
};

/// What engine code needs of the media component's converter (FfmpegConverter implements it;
/// the widget CVideoEdit forwards to one): format properties, clips and conversions. Everything
/// is called on the user-interface thread, and its signals come there from the event loop. Each
/// job of the batch has a converter of its own and connects to its signals.
class MediaConverter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MediaConverter)

public:
    explicit MediaConverter(QObject *parent = nullptr)
        : QObject(parent)
    {}
    ~MediaConverter() override = default;

    /// Duration of a media file in seconds; 0 when it cannot be read.
    virtual double GetMediaDuration(const QString &path) = 0;

    /// Encoders that can write the AVI intermediate, in a fixed order.
    virtual MediaItemList VideoCodecList() const = 0;
    virtual MediaItemList AudioCodecList() const = 0;
    /// The WMV outputs the component offers (WmvProfileIndex selects one).
    virtual MediaItemList WmvProfileList() const = 0;

    /// Frame size in pixels of conversions (the picture is scaled to fit and centred).
    virtual void SetOutputWidth(int width) = 0;
    virtual void SetOutputHeight(int height) = 0;
    /// Colour depth in bits per pixel (24); kept, the encoders always write planar YUV.
    virtual void SetOutputBitDepth(int bits) = 0;
    /// One of MediaOutputFormat; other values are refused by StartConversion.
    virtual void SetOutputFormat(int format) = 0;
    /// Frames per second of conversions (25.0, 23.976).
    virtual void SetFrameRate(double fps) = 0;
    virtual void SetWmvProfileIndex(int index) = 0;
    virtual void SetVideoCodecIndex(int index) = 0;
    virtual void SetAudioCodecIndex(int index) = 0;
    virtual void SetUseVideoCodec(bool use) = 0;
    virtual void SetUseAudioCodec(bool use) = 0;

    /// Drops the clips; the format properties stay.
    virtual void ResetClips() = 0;
    /// Adds the part t1..t2 (seconds; t2 is the end, not a length) of path. n is always 0.
    /// A t2 not after t1 means "to the end of the file". Returns true when the clip was taken.
    virtual bool AddVideoClip(const QString &path, double t1, double t2, int n) = 0;
    virtual bool AddAudioClip(const QString &path, double t1, double t2) = 0;

    /// The sound and subtitle tracks of the next conversions (ConversionTask::soundTrack and
    /// subtitleTrack: a track index, AutomaticTrack or NoTrack). A converter that cannot choose
    /// ignores them.
    virtual void SetTrackChoices(int soundTrack, int subtitleTrack)
    {
        Q_UNUSED(soundTrack)
        Q_UNUSED(subtitleTrack)
    }

    /// Starts converting the clips into outputPath and returns at once. false (and nothing
    /// started) when there is no clip, a source is missing, the format is unknown or the
    /// converter's program is not found; true when the conversion is under way: it reports
    /// progress and its end (ConversionFinished, also when its program then fails to start, or
    /// when a converter that looks at the source first then cannot start it).
    virtual bool StartConversion(const QString &outputPath) = 0;
    /// Ends a running conversion at once; no end event follows. Safe when none runs.
    virtual void StopConversion() = 0;
    /// Suspends (true) or resumes (false) a running conversion's process. While suspended no
    /// progress is made; StopConversion still works.
    virtual void SuspendConversion(bool suspend) = 0;
    /// True while a conversion is under way.
    virtual bool IsConverting() const = 0;

    /// Whether the last conversion (or attempt to start one) ended with a complete output file.
    virtual bool LastConversionSucceeded() const = 0;
    /// Why the last conversion failed (the converter's last message, or why it could not start);
    /// empty after a success.
    virtual QString LastConversionError() const = 0;

signals:
    /// A conversion ended (successfully or not: see LastConversionSucceeded). Not after a stop.
    void ConversionFinished();
    /// Seconds converted so far and seconds in all, at least twice a second while converting.
    void ConversionProgress(double position, double total);
    /// A raw chunk of the converter's own output (what ffmpeg prints), as it arrives.
    void ConversionOutput(const QByteArray &text);
};
