#pragma once

// How long the user-interface thread could not answer while a piece of work ran: a precise
// 10 ms timer ticks on the thread, and the largest gap between two ticks inside begin()..end()
// is kept. Header-only; the benchmarks include it by path.

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class UiTimerProbe
{
public:
    static constexpr int IntervalMs = 10;

    /// Starts ticking at once; the ticks are measured only between begin() and end().
    UiTimerProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (m_measuring)
                m_largestGapMs = std::max(m_largestGapMs, m_sinceTick.elapsed());
            m_sinceTick.start();
        });
        m_timer.start(IntervalMs);
    }

    void begin()
    {
        m_sinceTick.start();
        m_measuring = true;
    }
    void end() { m_measuring = false; }
    /// Milliseconds; IntervalMs when the thread was never late.
    qint64 largestGapMs() const { return m_largestGapMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    bool m_measuring = false;
    qint64 m_largestGapMs = 0;
};
