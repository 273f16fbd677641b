#pragma once

#include "editors/schedules/ScheduleEvent.h"
#include "platform/RecordSet.h"

#include <QStringList>

#include <array>
#include <optional>

class Database;

// The Event rows of one schedule in start-time order, read from and written
// straight through to the working database. The schedule view and the event
// editor it opens share one instance.
class ScheduleEvents {
public:
    static constexpr int kSchedules = 6;

    ScheduleEvents(Database &db, int schedule);

    int schedule() const { return m_schedule; }
    bool ok() const { return m_rows.ok(); }
    bool reload() { return m_rows.reload(); }
    int count() const { return m_rows.count(); }
    ScheduleEvent event(int row) const;
    // Row of the event starting at startTime, or -1.
    int find(const QString &startTime) const;
    // One list line per event, in row order.
    QStringList lines() const;

    // Stores a new event; the rows are re-read, so the new one stands in
    // start-time order. False (nothing stored) when the write fails.
    bool insert(const ScheduleEvent &event);
    // Rewrites a row in place; call reload() when its start time changed.
    bool update(int row, const ScheduleEvent &event);
    bool remove(int row);

    // Whether a stored event of this schedule starts at startTime, looked up
    // in the database rather than in the rows held here; nothing when the
    // look-up fails.
    std::optional<bool> startTimeTaken(const QString &startTime) const;

    // Events of all schedules together, and per schedule (index schedule - 1).
    static std::optional<int> countAll(Database &db);
    static std::optional<std::array<int, kSchedules>> countPerSchedule(Database &db);

    Database &database() const { return m_db; }

private:
    QVariantList values(const ScheduleEvent &event) const;

    Database &m_db;
    int m_schedule;
    RecordSet m_rows;
};
