#include "CVideoEdit.h"

#include "ClipPlayer.h"
#include "FfmpegConverter.h"

#include <QVBoxLayout>
#include <QVideoWidget>

CVideoEdit::CVideoEdit(QWidget *parent)
    : QWidget(parent)
    , m_converter(new FfmpegConverter(this))
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

    connect(
        m_converter, &FfmpegConverter::ConversionFinished, this, &CVideoEdit::ConversionFinished);
    connect(
        m_converter, &FfmpegConverter::ConversionProgress, this, &CVideoEdit::ConversionProgress);
    connect(m_clipPlayer, &ClipPlayer::ended, this, &CVideoEdit::PlaybackEnded);
}

CVideoEdit::~CVideoEdit()
{
    m_converter->StopConversion();
    m_converter->disconnect(this);
    m_clipPlayer->disconnect(this);
}

double CVideoEdit::GetMediaDuration(const QString &path)
{
    return m_converter->GetMediaDuration(path);
}

MediaItemList CVideoEdit::VideoCodecList() const
{
    return m_converter->VideoCodecList();
}

MediaItemList CVideoEdit::AudioCodecList() const
{
    return m_converter->AudioCodecList();
}

MediaItemList CVideoEdit::WmvProfileList() const
{
    return m_converter->WmvProfileList();
}

void CVideoEdit::SetOutputWidth(int width)
{
    m_converter->SetOutputWidth(width);
}

void CVideoEdit::SetOutputHeight(int height)
{
    m_converter->SetOutputHeight(height);
}

void CVideoEdit::SetOutputBitDepth(int bits)
{
    m_converter->SetOutputBitDepth(bits);
}

void CVideoEdit::SetOutputFormat(int format)
{
    m_converter->SetOutputFormat(format);
}

void CVideoEdit::SetFrameRate(double fps)
{
    m_converter->SetFrameRate(fps);
}

void CVideoEdit::SetWmvProfileIndex(int index)
{
    m_converter->SetWmvProfileIndex(index);
}

void CVideoEdit::SetVideoCodecIndex(int index)
{
    m_converter->SetVideoCodecIndex(index);
}

void CVideoEdit::SetAudioCodecIndex(int index)
{
    m_converter->SetAudioCodecIndex(index);
}

void CVideoEdit::SetUseVideoCodec(bool use)
{
    m_converter->SetUseVideoCodec(use);
}

void CVideoEdit::SetUseAudioCodec(bool use)
{
    m_converter->SetUseAudioCodec(use);
}

void CVideoEdit::SetStartupFlag(bool flag)
{
    m_startupFlag = flag;
}

void CVideoEdit::ResetClips()
{
    m_converter->ResetClips();
}

bool CVideoEdit::AddVideoClip(const QString &path, double t1, double t2, int n)
{
    return m_converter->AddVideoClip(path, t1, t2, n);
}

bool CVideoEdit::AddAudioClip(const QString &path, double t1, double t2)
{
    return m_converter->AddAudioClip(path, t1, t2);
}

const QList<MediaClip> &CVideoEdit::VideoClips() const
{
    return m_converter->VideoClips();
}

const QList<MediaClip> &CVideoEdit::AudioClips() const
{
    return m_converter->AudioClips();
}

bool CVideoEdit::StartConversion(const QString &outputPath)
{
    return m_converter->StartConversion(outputPath);
}

void CVideoEdit::StopConversion()
{
    m_converter->StopConversion();
}

bool CVideoEdit::IsConverting() const
{
    return m_converter->IsConverting();
}

bool CVideoEdit::LastConversionSucceeded() const
{
    return m_converter->LastConversionSucceeded();
}

QString CVideoEdit::LastConversionError() const
{
    return m_converter->LastConversionError();
}

QString CVideoEdit::LastFfmpegLine() const
{
    return m_converter->LastFfmpegLine();
}

void CVideoEdit::SetFfmpegProgram(const QString &program)
{
    m_converter->SetFfmpegProgram(program);
}

bool CVideoEdit::StartPlayback()
{
    StopPlayback();
    const QList<MediaClip> &videoClips = VideoClips();
    const QList<MediaClip> &audioClips = AudioClips();
    if (videoClips.isEmpty() && audioClips.isEmpty())
        return false;
    const MediaClip clip = videoClips.isEmpty() ? audioClips.first() : videoClips.first();
    return m_clipPlayer->play(clip, !audioClips.isEmpty(), m_converter->FfmpegProgram());
}

void CVideoEdit::StopPlayback()
{
    m_clipPlayer->stop();
}

bool CVideoEdit::IsPlaying() const
{
    return m_clipPlayer->isPlaying();
}
