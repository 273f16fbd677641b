#include "editors/schedules/ScheduleDays.h"

#include "platform/RecordSet.h"

using namespace Qt::StringLiterals;

namespace {
// SchedDays columns by position: the schedule, then Sunday to Saturday.
constexpr int kScheduleColumn = 0;
constexpr int kFirstDayColumn = 1;
} // namespace

std::optional<ScheduleDays::Boxes> ScheduleDays::boxesFor(int schedule) const
{
    const RecordSet rows(m_db, u"SchedDays"_s);
    if (!rows.ok() || rows.fieldCount() < kFirstDayColumn + kDays)
        return std::nullopt;
    Boxes boxes;
    boxes.enabled.fill(true);
    for (int r = 0; r < rows.count(); ++r) {
        const bool own = rows.value(r, kScheduleColumn).toInt() == schedule;
        boxes.rowFound = boxes.rowFound || own;
        for (int d = 0; d < kDays; ++d) {
            const bool set = rows.flag(r, kFirstDayColumn + d);
            if (own)
                boxes.ticked[d] = set;
            else if (set)
                boxes.enabled[d] = false;
        }
    }
    return boxes;
}

bool ScheduleDays::store(int schedule, const Days &days)
{
    RecordSet rows(m_db, u"SchedDays"_s, u"Schedule = ?"_s, {schedule});
    if (!rows.ok() || rows.isEmpty() || rows.fieldCount() < kFirstDayColumn + kDays)
        return false;
    QList<QPair<int, QVariant>> values;
    for (int d = 0; d < kDays; ++d)
        values.append({kFirstDayColumn + d, days[d] ? 1 : 0});
    return rows.setValues(0, values);
}
