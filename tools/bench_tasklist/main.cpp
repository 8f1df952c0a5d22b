// Task list painting benchmark: 10,000 rows, 20 visible, cells answered as the main window does
// (ComputeTaskCell from the task of the row). Prints timings, GetCellInfo calls and heap
// allocations per repaint.

#include "CTaskListCtrl.h"
#include "ProgressText.h"
#include "TickCount.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QList>
#include <QScrollBar>
#include <QWidget>

#include <atomic>
#include <cstdio>
#include <cstdlib>

// Every heap allocation of the process is counted (glibc: malloc and friends are interposed, so
// Qt's own allocations count as well), to see what one repaint allocates.
static std::atomic<long long> g_allocations{0};

#if defined(__GLIBC__)
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *p, std::size_t size);

void *malloc(std::size_t size)
{
    ++g_allocations;
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size)
{
    ++g_allocations;
    return __libc_calloc(count, size);
}
void *realloc(void *p, std::size_t size)
{
    ++g_allocations;
    return __libc_realloc(p, size);
}
}
#endif

namespace {

class Host : public QWidget
{
public:
    Host()
        : list(new CTaskListCtrl(this))
    {}

    CTaskListCtrl *list;
    QList<ConversionTask> tasks;
    long long queries = 0;

protected:
    bool event(QEvent *event) override
    {
        if (int(event->type()) != UM_GETCELLINFO)
            return QWidget::event(event);
        CellInfo &info = *static_cast<GetCellInfoEvent *>(event)->record();
        ++queries;
        if (info.item >= 0 && info.item < tasks.size())
            ApplyTaskCell(
                info,
                ComputeTaskCell(tasks.at(info.item), info.item, info.subItem, 0, TickCount()));
        return true;
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    constexpr int kRows = 10000;
    constexpr int kVisible = 20;
    constexpr int kTicks = 2000;
    constexpr int kFullRepaints = 300;

    Host host;
    CTaskListCtrl *list = host.list;
    list->InsertColumn(0, QStringLiteral("Source"), Qt::AlignLeft, 120);
    list->InsertColumn(1, QStringLiteral("Begin Time"), Qt::AlignHCenter, 70);
    list->InsertColumn(2, QStringLiteral("End Time"), Qt::AlignHCenter, 70);
    list->InsertColumn(3, QStringLiteral("Output"), Qt::AlignLeft, 100);
    list->InsertColumn(4, QStringLiteral("Progress"), Qt::AlignLeft, 250);
    for (int i = 0; i < kRows; ++i) {
        ConversionTask task
            = NewConversionTask(QStringLiteral("/videos/clip %1.avi").arg(i), 600.0 + i % 97, 0, 0);
        task.encodedTime = 30.0 + i % 300;
        task.speed = 2.5;
        task.sizeKB = 1000 + i;
        host.tasks.append(task);
    }
    list->SetItemCount(kRows);
    const int chrome = 2 * list->frameWidth() + list->horizontalHeader()->sizeHint().height();
    list->resize(640, chrome + kVisible * list->verticalHeader()->defaultSectionSize());
    host.resize(660, list->height() + 20);
    host.show();
    list->verticalScrollBar()->setValue(kRows / 2);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    const int visibleRows = list->rowAt(list->viewport()->height() - 1) - list->rowAt(0) + 1;
    const int row = list->rowAt(0) + kVisible / 2;

    // One progress tick: the engine stores a new position and invalidates the Progress cell; the
    // event loop then paints it.
    long long tickQueries = 0;
    long long tickAllocations = 0;
    QElapsedTimer timer;
    qint64 tickNanos = 0;
    for (int i = 0; i < kTicks; ++i) {
        host.tasks[row].encodedTime = 10.0 + i * 0.25;
        const long long queriesBefore = host.queries;
        const long long allocationsBefore = g_allocations.load();
        timer.start();
        list->InvalidateCells(row, row, 4, false);
        while (host.queries == queriesBefore)
            QCoreApplication::processEvents();
        tickNanos += timer.nsecsElapsed();
        tickQueries += host.queries - queriesBefore;
        tickAllocations += g_allocations.load() - allocationsBefore;
    }

    // The whole viewport, painted synchronously.
    long long fullQueries = 0;
    long long fullAllocations = 0;
    qint64 fullNanos = 0;
    for (int i = 0; i < kFullRepaints; ++i) {
        const long long queriesBefore = host.queries;
        const long long allocationsBefore = g_allocations.load();
        timer.start();
        list->viewport()->repaint();
        fullNanos += timer.nsecsElapsed();
        fullQueries += host.queries - queriesBefore;
        fullAllocations += g_allocations.load() - allocationsBefore;
    }

    // What the parent's answers allocate by themselves (texts made by ComputeTaskCell).
    const long long computeBefore = g_allocations.load();
    int computedCells = 0;
    for (int r = list->rowAt(0); r < list->rowAt(0) + visibleRows; ++r) {
        for (int column = 0; column < 5; ++column, ++computedCells) {
            CellInfo info;
            ApplyTaskCell(info, ComputeTaskCell(host.tasks.at(r), r, column, 0, TickCount()));
        }
    }
    const double computeAllocationsPerCell
        = double(g_allocations.load() - computeBefore) / computedCells;

    std::printf("task list: %d rows, %d visible (%d with the partly visible one), 5 columns\n",
                kRows,
                kVisible,
                visibleRows);
    std::printf("progress tick (InvalidateCells of one cell, then the event loop paints it):\n");
    std::printf("  %.1f us per tick, %.2f GetCellInfo calls per tick, %.1f heap allocations per "
                "tick (%d ticks)\n",
                tickNanos / 1000.0 / kTicks,
                double(tickQueries) / kTicks,
                double(tickAllocations) / kTicks,
                kTicks);
    std::printf("whole viewport repaint:\n");
    std::printf("  %.3f ms per repaint, %.1f GetCellInfo calls per repaint, %.1f heap allocations "
                "per repaint (%.2f per cell) (%d repaints)\n",
                fullNanos / 1e6 / kFullRepaints,
                double(fullQueries) / kFullRepaints,
                double(fullAllocations) / kFullRepaints,
                double(fullAllocations) / double(fullQueries),
                kFullRepaints);
    std::printf("  of which the answers themselves (ComputeTaskCell texts): %.2f allocations per "
                "cell; the rest is Qt's text layout, elision and painter state\n",
                computeAllocationsPerCell);
    return 0;
}
