#pragma once

#include <array>
#include <optional>

class Database;

// The SchedDays table: for each schedule the days of the week (Sunday first)
// on which it is active. A day may belong to one schedule only; the schedule
// view enforces it by disabling the days other schedules hold.
class ScheduleDays {
public:
    static constexpr int kDays = 7;
    using Days = std::array<bool, kDays>;

    // What one schedule view shows: its own days ticked, the days of the
    // other schedules disabled. Stored data with a day in two schedules is
    // shown as it is (ticked and disabled in both).
    struct Boxes {
        Days ticked{};
        Days enabled{};
        bool rowFound = false;
    };

    explicit ScheduleDays(Database &db) : m_db(db) {}

    // Nothing when the table cannot be read.
    std::optional<Boxes> boxesFor(int schedule) const;
    // Writes the seven days of a schedule's row; false when the row is
    // missing or the write fails.
    bool store(int schedule, const Days &days);

private:
    Database &m_db;
};
