#pragma once

#include <QDateTime>

#include <chrono>

// Time source for time-outs (steady) and for dates written to logs (wall clock).
// Tests inject a fake so retry loops run without sleeping.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    virtual QDateTime wallNow() const = 0;
};

class SystemClock : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    QDateTime wallNow() const override { return QDateTime::currentDateTime(); }
    static SystemClock &instance()
    {
        static SystemClock clock;
        return clock;
    }
};
