#pragma once

#include "ConversionBatch.h"

#include <QObject>

class CImageButton;
class QComboBox;

/// The page's batch controls as the batch's state has them: Start while idle and Stop in its
/// place while a batch runs; Pause beside Stop while it runs, turning into Resume (look, tooltip
/// and accessible name) while paused; "Videos at once" listing 1 up to the number of cores,
/// showing the stored choice and storing a new one (the batch takes it at once).
class BatchControls : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BatchControls)

public:
    /// All controls are the page's; the object is a child of batch.
    BatchControls(ConversionBatch *batch,
                  CImageButton *start,
                  CImageButton *stop,
                  CImageButton *pause,
                  QComboBox *simultaneous);

private:
    void OnStateChanged(ConversionBatch::State state);
    void OnSimultaneousChosen(int index);

    ConversionBatch *m_batch;
    CImageButton *m_start;
    CImageButton *m_stop;
    CImageButton *m_pause;
    QComboBox *m_simultaneous;
};
