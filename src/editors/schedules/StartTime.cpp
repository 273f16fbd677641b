#include "editors/schedules/StartTime.h"

#include "core/Utility.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

QString TimeOfDay::text() const
{
    return Utility::LeadingZeroes(QString::number(hour), 2) + u':' + Utility::LeadingZeroes(QString::number(minute), 2);
}

namespace StartTime {

namespace {
constexpr QChar kBackspace = QChar(8);

bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

Normalised completed(const QString &hour, const QString &minute)
{
    Normalised result;
    result.text = hour + u':' + minute;
    result.valid = hour.toInt() <= kLastHour && minute.toInt() <= kLastMinute;
    return result;
}
} // namespace

bool isAcceptedKey(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u':' || c == kBackspace;
}

Normalised normalise(const QString &typed)
{
    const qsizetype colons = typed.count(u':');
    if (colons > 1)
        return {typed, false};
    if (colons == 0) {
        if (!allDigits(typed))
            return {typed, false};
        const QString digits = Utility::LeadingZeroes(typed, 4);
        return completed(digits.left(2), digits.right(2));
    }
    const QString hour = typed.section(u':', 0, 0);
    const QString minute = typed.section(u':', 1, 1);
    if (!allDigits(hour) || !allDigits(minute))
        return {typed, false};
    return completed(Utility::LeadingZeroes(hour, 2), Utility::LeadingZeroes(minute, 2));
}

std::optional<TimeOfDay> parse(const QString &text)
{
    static const QRegularExpression pattern(u"^([0-9]{1,2}):([0-9]{1,2})$"_s);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const TimeOfDay time{match.captured(1).toInt(), match.captured(2).toInt()};
    if (time.hour > kLastHour || time.minute > kLastMinute)
        return std::nullopt;
    return time;
}

TimeOfDay stepHour(TimeOfDay time, int delta)
{
    time.hour = std::clamp(time.hour + delta, 0, kLastHour);
    return time;
}

TimeOfDay stepMinute(TimeOfDay time, int delta)
{
    const int total = std::clamp(time.hour * 60 + time.minute + delta, 0, kLastHour * 60 + kLastMinute);
    return {total / 60, total % 60};
}

} // namespace StartTime
