#include "editors/schedules/ScheduleEvents.h"

#include "config/Schema.h"
#include "platform/Database.h"

using namespace Qt::StringLiterals;

namespace {
// Event columns by position: Schedule, StartTime, Tone, Duration, then the
// sixteen page groups.
constexpr int kStartTimeColumn = 1;
constexpr int kToneColumn = 2;
constexpr int kDurationColumn = 3;
// Stored yes/no values; any non-zero value reads as set.
constexpr int kYes = 1;
constexpr int kNo = 0;
} // namespace

ScheduleEvents::ScheduleEvents(Database &db, int schedule)
    : m_db(db), m_schedule(schedule), m_rows(db, u"Event"_s, u"Schedule = ?"_s, {schedule}, u"StartTime, rowid"_s)
{
}

ScheduleEvent ScheduleEvents::event(int row) const
{
    ScheduleEvent e;
    e.StartTime = m_rows.value(row, kStartTimeColumn).toString();
    e.Tone = m_rows.value(row, kToneColumn).toInt();
    e.Duration = m_rows.value(row, kDurationColumn).toInt();
    for (int n = 1; n <= ScheduleEvent::kPageGroups; ++n)
        e.PageGroup[n - 1] = m_rows.flag(row, Schema::eventPageGroupColumn(n));
    return e;
}

int ScheduleEvents::find(const QString &startTime) const
{
    for (int row = 0; row < m_rows.count(); ++row)
        if (m_rows.value(row, kStartTimeColumn).toString() == startTime)
            return row;
    return -1;
}

QStringList ScheduleEvents::lines() const
{
    QStringList result;
    for (int row = 0; row < m_rows.count(); ++row)
        result << event(row).line();
    return result;
}

QVariantList ScheduleEvents::values(const ScheduleEvent &event) const
{
    QVariantList v{m_schedule, event.StartTime, event.Tone, event.Duration};
    for (bool set : event.PageGroup)
        v << (set ? kYes : kNo);
    return v;
}

bool ScheduleEvents::insert(const ScheduleEvent &event)
{
    return m_rows.addNew(values(event));
}

bool ScheduleEvents::update(int row, const ScheduleEvent &event)
{
    const QVariantList v = values(event);
    QList<QPair<int, QVariant>> fields;
    for (int i = kStartTimeColumn; i < v.size(); ++i)
        fields.append({i, v[i]});
    return m_rows.setValues(row, fields);
}

bool ScheduleEvents::remove(int row)
{
    return m_rows.remove(row);
}

std::optional<bool> ScheduleEvents::startTimeTaken(const QString &startTime) const
{
    const auto n =
        m_db.scalar(u"SELECT count(*) FROM Event WHERE Schedule = ? AND StartTime = ?"_s, {m_schedule, startTime});
    if (!n)
        return std::nullopt;
    return n->toInt() > 0;
}

std::optional<int> ScheduleEvents::countAll(Database &db)
{
    return db.rowCount(u"Event"_s);
}

std::optional<std::array<int, ScheduleEvents::kSchedules>> ScheduleEvents::countPerSchedule(Database &db)
{
    const auto rows = db.rows(u"SELECT Schedule, count(*) FROM Event GROUP BY Schedule"_s);
    if (!rows)
        return std::nullopt;
    std::array<int, kSchedules> counts{};
    for (const QVariantList &r : *rows) {
        const int schedule = r.value(0).toInt();
        if (schedule >= 1 && schedule <= kSchedules)
            counts[schedule - 1] = r.value(1).toInt();
    }
    return counts;
}
