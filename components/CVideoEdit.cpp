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

MediaItemList CVideoEdit::WmvProfileList() const
{
    return m_converter->WmvProfileList();
}

void CVideoEdit::SetOutputBitDepth(int bits)
{
    m_converter->SetOutputBitDepth(bits);
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

bool CVideoEdit::StartPlayback()
{
    StopPlayback();
    const QList<MediaClip> &videoClips = m_converter->VideoClips();
    const QList<MediaClip> &audioClips = m_converter->AudioClips();
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
