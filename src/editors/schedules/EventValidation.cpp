#include "editors/schedules/EventValidation.h"

#include "editors/schedules/ScheduleEvent.h"
#include "editors/schedules/StartTime.h"

using namespace Qt::StringLiterals;

bool durationTextValid(const QString &duration)
{
    if (duration.isEmpty() || duration.size() > 2)
        return false;
    for (QChar c : duration)
        if (c < u'0' || c > u'9')
            return false;
    const int seconds = duration.toInt();
    return seconds >= ScheduleEvent::kMinDuration && seconds <= ScheduleEvent::kMaxDuration;
}

EventValidation EventValidation::check(const QString &startTime, bool startTimeTaken, const QString &duration,
                                       bool anyPageGroup)
{
    EventValidation v;
    v.formatOk = StartTime::parse(startTime).has_value();
    v.duplicateOk = !startTimeTaken;
    v.durationOk = durationTextValid(duration);
    v.pageGroupOk = anyPageGroup;
    return v;
}

QString EventValidation::message() const
{
    if (valid())
        return {};
    const QString crlf = u"\r\n"_s;
    QString text = u"Cannot save current event:"_s;
    if (!formatOk)
        text += crlf + u"Start Time format must be 'hh:mm'."_s;
    if (!duplicateOk)
        text += crlf + u"- An event at this 'Start Time' is already scheduled."_s;
    if (!durationOk)
        text += crlf + u"- 'Tone Duration' must be between 1-59 seconds."_s;
    if (!pageGroupOk)
        text += crlf + u"- Must select a 'Page Group'."_s;
    return text;
}
