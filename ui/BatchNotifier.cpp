#include "BatchNotifier.h"

#include "BatchNotice.h"
#include "BatchState.h"
#include "ConversionBatch.h"
#include "DesktopNotifier.h"
#include "TaskArray.h"

#include <QWidget>

BatchNotifier::BatchNotifier(ConversionBatch *batch, const TaskArray &tasks, QWidget *page)
    : QObject(page)
    , m_tasks(tasks)
    , m_page(page)
{
    connect(batch, &ConversionBatch::busyChanged, this, &BatchNotifier::OnBusyChanged);
}

void BatchNotifier::OnBusyChanged(bool busy)
{
    if (busy || g_stopRequested || m_page->window()->isActiveWindow())
        return;
    int converted = 0;
    int failed = 0;
    for (int i = 0; i < m_tasks.count(); ++i) {
        const ConversionTask task = m_tasks.at(i);
        if (task.failed)
            ++failed;
        else if (IsConverted(task))
            ++converted;
    }
    DesktopNotifier::Notify(BatchNoticeText(converted, failed));
}
