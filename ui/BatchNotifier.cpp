#include "BatchNotifier.h"

#include "BatchNotice.h"
#include "ConversionBatch.h"
#include "DesktopNotifier.h"

#include <QWidget>

BatchNotifier::BatchNotifier(ConversionBatch *batch, QWidget *page)
    : QObject(page)
    , m_page(page)
{
    connect(batch, &ConversionBatch::finished, this, &BatchNotifier::OnFinished);
}

void BatchNotifier::OnFinished(int converted, int failed, bool stopped)
{
    if (stopped || m_page->window()->isActiveWindow())
        return;
    DesktopNotifier::Notify(BatchNoticeText(converted, failed));
}
