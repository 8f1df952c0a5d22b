#pragma once

#include <QObject>

class ConversionBatch;
class QWidget;

/// Announces the end of a batch on the desktop (DesktopNotifier) when the window is not the
/// active one, so a long batch behind other windows does not end unnoticed: once per batch that
/// ran to its end (a Stop is the person's own doing and is not announced).
class BatchNotifier : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BatchNotifier)

public:
    /// A child of page.
    BatchNotifier(ConversionBatch *batch, QWidget *page);

private:
    void OnFinished(int converted, int failed, bool stopped);

    QWidget *m_page;
};
