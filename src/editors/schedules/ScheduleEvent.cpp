#include "editors/schedules/ScheduleEvent.h"

#include "core/AppState.h"

#include <QStringList>

using namespace Qt::StringLiterals;

ScheduleEvent ScheduleEvent::defaultEvent()
{
    ScheduleEvent e;
    e.StartTime = u"00:00"_s;
    return e;
}

ScheduleEvent ScheduleEvent::fromRemembered(const RememberedEvent &remembered)
{
    const ScheduleEvent fallback = defaultEvent();
    ScheduleEvent e;
    e.StartTime = remembered.StartTime;
    e.Tone = (remembered.Tone >= 1 && remembered.Tone <= kRelayTypes) ? remembered.Tone : fallback.Tone;
    e.Duration = (remembered.Duration >= kMinDuration && remembered.Duration <= kMaxDuration) ? remembered.Duration
                                                                                              : fallback.Duration;
    e.PageGroup = remembered.PageGroup;
    return e;
}

RememberedEvent ScheduleEvent::remembered() const
{
    RememberedEvent r;
    r.StartTime = StartTime;
    r.Tone = Tone;
    r.Duration = Duration;
    r.PageGroup = PageGroup;
    return r;
}

bool ScheduleEvent::anyPageGroup() const
{
    for (bool set : PageGroup)
        if (set)
            return true;
    return false;
}

QString ScheduleEvent::pageGroupList() const
{
    QStringList numbers;
    for (int i = 0; i < kPageGroups; ++i)
        if (PageGroup[i])
            numbers << QString::number(i + 1);
    return numbers.join(u',');
}

QString ScheduleEvent::line() const
{
    return StartTime + u'\t' + u"Relay "_s + QString::number(Tone) + u'\t' + QString::number(Duration) + u" sec"_s +
           u'\t' + pageGroupList();
}

namespace EventLine {

// Fields are split at the TABs rather than taken at fixed character positions,
// so a relay type or duration of unusual width in a damaged file is still read.
QString startTime(const QString &line)
{
    return line.section(u'\t', 0, 0).left(5);
}

int tone(const QString &line)
{
    QString field = line.section(u'\t', 1, 1);
    if (!field.startsWith(u"Relay "_s))
        return 0;
    return field.mid(6).trimmed().toInt();
}

int duration(const QString &line)
{
    QString field = line.section(u'\t', 2, 2);
    if (!field.endsWith(u" sec"_s))
        return 0;
    field.chop(4);
    return field.trimmed().toInt();
}

} // namespace EventLine
