#include "BatchControls.h"

#include "AppSettings.h"
#include "CImageButton.h"
#include "ControlTable.h"

#include <QComboBox>

namespace {

void ApplyLook(CImageButton *button, const ImageButtonEntry &entry)
{
    button->SetIconPair(entry.hotImage, entry.normalImage);
    const QString tooltip = ImageButtonTooltip(entry);
    button->SetTipText(tooltip, true);
    button->setAccessibleName(ImageButtonAccessibleName(entry));
    button->setAccessibleDescription(tooltip);
}

const ImageButtonEntry &PauseEntry()
{
    for (const ImageButtonEntry &entry : ImageButtonTable()) {
        if (entry.id == IDC_PAUSE)
            return entry;
    }
    return PauseResumeEntry();
}

} // namespace

BatchControls::BatchControls(ConversionBatch *batch,
                             CImageButton *start,
                             CImageButton *stop,
                             CImageButton *pause,
                             QComboBox *simultaneous)
    : QObject(batch)
    , m_batch(batch)
    , m_start(start)
    , m_stop(stop)
    , m_pause(pause)
    , m_simultaneous(simultaneous)
{
    for (int n = 1; n <= ConversionBatch::MaxSimultaneous(); ++n)
        m_simultaneous->addItem(QString::number(n));
    const int stored = std::clamp(ReadSimultaneous(), 1, ConversionBatch::MaxSimultaneous());
    m_simultaneous->setCurrentIndex(stored - 1);
    m_batch->SetSimultaneous(stored);
    connect(m_simultaneous, &QComboBox::activated, this, &BatchControls::OnSimultaneousChosen);
    connect(m_batch, &ConversionBatch::stateChanged, this, &BatchControls::OnStateChanged);
    OnStateChanged(m_batch->QueueState());
}

void BatchControls::OnStateChanged(ConversionBatch::State state)
{
    const bool busy = state != ConversionBatch::State::Idle;
    m_start->setVisible(!busy);
    m_stop->setVisible(busy);
    m_pause->setVisible(busy);
    ApplyLook(m_pause, state == ConversionBatch::State::Paused ? PauseResumeEntry() : PauseEntry());
}

void BatchControls::OnSimultaneousChosen(int index)
{
    const int count = index + 1;
    m_batch->SetSimultaneous(count);
    WriteSimultaneous(count);
}
