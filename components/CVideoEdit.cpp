#include "CVideoEdit.h"

CVideoEdit::CVideoEdit(QWidget *parent)
    : QWidget(parent)
{}
CVideoEdit::~CVideoEdit() = default;
double CVideoEdit::GetMediaDuration(const QString &)
{
    return 0.0;
}
MediaItemList CVideoEdit::VideoCodecList() const
{
    return {};
}
MediaItemList CVideoEdit::AudioCodecList() const
{
    return {};
}
MediaItemList CVideoEdit::WmvProfileList() const
{
    return {};
}
void CVideoEdit::SetOutputWidth(int v)
{
    m_outputWidth = v;
}
void CVideoEdit::SetOutputHeight(int v)
{
    m_outputHeight = v;
}
void CVideoEdit::SetOutputBitDepth(int v)
{
    m_outputBitDepth = v;
}
void CVideoEdit::SetOutputFormat(int v)
{
    m_outputFormat = v;
}
void CVideoEdit::SetFrameRate(double v)
{
    m_frameRate = v;
}
void CVideoEdit::SetWmvProfileIndex(int v)
{
    m_wmvProfileIndex = v;
}
void CVideoEdit::SetVideoCodecIndex(int v)
{
    m_videoCodecIndex = v;
}
void CVideoEdit::SetAudioCodecIndex(int v)
{
    m_audioCodecIndex = v;
}
void CVideoEdit::SetUseVideoCodec(bool v)
{
    m_useVideoCodec = v;
}
void CVideoEdit::SetUseAudioCodec(bool v)
{
    m_useAudioCodec = v;
}
void CVideoEdit::SetStartupFlag(bool v)
{
    m_startupFlag = v;
}
void CVideoEdit::ResetClips() {}
bool CVideoEdit::AddVideoClip(const QString &, double, double, int)
{
    return false;
}
bool CVideoEdit::AddAudioClip(const QString &, double, double)
{
    return false;
}
bool CVideoEdit::StartConversion(const QString &)
{
    return false;
}
void CVideoEdit::StopConversion() {}
bool CVideoEdit::IsConverting() const
{
    return false;
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
bool CVideoEdit::StartPlayback()
{
    return false;
}
void CVideoEdit::StopPlayback() {}
bool CVideoEdit::IsPlaying() const
{
    return false;
}
void CVideoEdit::SetFfmpegProgram(const QString &p)
{
    m_ffmpegProgram = p;
}
QStringList CVideoEdit::conversionArguments(const QString &, QString *) const
{
    return {};
}
void CVideoEdit::onProcessOutput() {}
void CVideoEdit::onProcessFinished(int, QProcess::ExitStatus) {}
void CVideoEdit::handleProgressLine(const QByteArray &) {}
void CVideoEdit::finishConversion(bool, const QString &) {}
void CVideoEdit::onPlaybackPosition(qint64) {}
void CVideoEdit::endPlayback(double) {}
