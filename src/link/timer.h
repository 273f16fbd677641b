#pragma once

#include "platform/Clock.h"

// A stopwatch of elapsed milliseconds on the given clock. Elapsed is stop minus
// start, or now minus start while the watch has not been stopped.
class timer {
public:
    explicit timer(const Clock &clock = SystemClock::instance()) : m_clock(clock) {}

    void StartTimer()
    {
        m_start = m_clock.now();
        m_stopped = false;
    }
    void StopTimer()
    {
        m_stop = m_clock.now();
        m_stopped = true;
    }
    qint64 Elapsed() const
    {
        const auto end = m_stopped ? m_stop : m_clock.now();
        return std::chrono::duration_cast<std::chrono::milliseconds>(end - m_start).count();
    }

private:
    const Clock &m_clock;
    Clock::TimePoint m_start{};
    Clock::TimePoint m_stop{};
    bool m_stopped = false;
};
