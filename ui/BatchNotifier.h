#pragma once

#include <QObject>

class ConversionBatch;
class TaskArray;
class QWidget;

/// Announces the end of a batch on the desktop (DesktopNotifier) when the window is not the
/// active one, so a long batch behind other windows does not end unnoticed: once per batch that
/// ran to its end (a Stop is the person's own doing and is not announced).
class BatchNotifier : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BatchNotifier)

public:
    /// A child of page; tasks is the batch's task list.
    BatchNotifier(ConversionBatch *batch, const TaskArray &tasks, QWidget *page);

private:
    void OnBusyChanged(bool busy);

    const TaskArray &m_tasks;
    QWidget *m_page;
};
