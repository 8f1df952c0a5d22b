// Preview and trimming on the main page: the range slider cuts the marked task, a finished drag
// shows one second of the source at the new cut, and the play and stop buttons play the trimmed
// part with sound.

#include "CTavrelDlg.h"

#include "CRangeSlider.h"
#include "CVideoEdit.h"

#include <QScopedValueRollback>

#include <algorithm>

int g_previewPlaying = 0;

namespace {

/// Length of a still preview, seconds.
constexpr double kStillSeconds = 1.0;

} // namespace

int CTavrelDlg::OnRangeChanged(int wParam, int lParam)
{
    const int mark = MarkedTask();
    if (mark < 0 || m_settingRange == 1)
        return 0;
    if (!CanChangeTask(m_tasks.at(mark))) {
        // The range of a task being converted or converted already stays as it is.
        QScopedValueRollback<int> guard(m_settingRange, 1);
        m_rangeSlider->SetSelection(m_tasks.at(mark).trimStart, m_tasks.at(mark).trimEnd);
        return 0;
    }
    // Both ends are read every time: a keyboard move of the right end may be reported as the
    // left one. They are stored in order, since a reversed range would convert nothing.
    double left = 0.0;
    double right = 0.0;
    m_rangeSlider->GetSelection(left, right);
    m_tasks.update(mark, NoColumn, [left, right](ConversionTask &task) {
        task.trimStart = std::min(left, right);
        task.trimEnd = std::max(left, right);
    });
    const ConversionTask task = m_tasks.at(mark);
    m_tasks.invalidateCells(m_curTask, mark, BeginColumn);
    m_tasks.invalidateCells(m_curTask, mark, EndColumn);

    if (lParam != 0) {
        if (wParam == 0 || wParam == 2)
            PreviewStill(task.sourcePath, left);
        else if (wParam == 1)
            PreviewStill(task.sourcePath, right);
    }
    return 0;
}

void CTavrelDlg::PreviewStill(const QString &path, double t)
{
    if (m_previewBusy == 1)
        return;
    m_previewBusy = 1;
    g_previewPlaying = 0;
    const int row = m_tasks.isValidIndex(m_curTask) ? m_curTask : MarkedTask();
    const double duration = m_tasks.at(row).sourcePath == path ? m_tasks.at(row).sourceDuration
                                                               : m_media->GetMediaDuration(path);
    m_media->ResetClips();
    m_media->SetOutputBitDepth(24);
    if (t <= duration)
        m_media->AddVideoClip(path, t, t + kStillSeconds, 0);
    else
        m_media->AddVideoClip(path, kStillSeconds, kStillSeconds, 0);
    // A file that cannot be played sends no end: the preview is over at once, quietly.
    if (!m_media->StartPlayback())
        m_previewBusy = 0;
}

void CTavrelDlg::OnPlaybackEnded(double position)
{
    Q_UNUSED(position)
    if (g_previewPlaying == 0)
        m_media->StopPlayback();
    m_previewBusy = 0;
}

void CTavrelDlg::OnPreviewPlay()
{
    const int mark = MarkedTask();
    if (mark < 0)
        return;
    g_previewPlaying = 1;
    const ConversionTask task = m_tasks.at(mark);
    m_media->ResetClips();
    m_media->SetOutputBitDepth(24);
    // The second time of a clip is its end, so the trimmed part plays exactly.
    m_media->AddVideoClip(task.sourcePath, task.trimStart, task.trimEnd, 0);
    m_media->AddAudioClip(task.sourcePath, task.trimStart, task.trimEnd);
    m_media->StartPlayback();
}

// Stops whatever plays, whether or not a row is marked: a full play, or a still preview whose
// busy state would otherwise outlive it (no end comes after a stop).
void CTavrelDlg::OnPreviewStop()
{
    StopPreview();
}

void CTavrelDlg::StopPreview()
{
    m_media->StopPlayback();
    g_previewPlaying = 0;
    m_previewBusy = 0;
}
