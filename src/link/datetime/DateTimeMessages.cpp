#include "link/datetime/DateTimeMessages.h"

#include <QTime>

namespace DateTimeMessages {
namespace {
constexpr int kCentury = 2000;

// Characters pos..pos+1 (1-based) of a body, as far as it has them.
QString twoAt(const QByteArray &body, qsizetype pos)
{
    return QString::fromLatin1(body.mid(pos - 1, 2));
}

// A two-digit field's value; nothing unless it is exactly two decimal digits.
std::optional<int> twoDigitValue(const QString &text)
{
    if (text.size() != 2 || !text.at(0).isDigit() || !text.at(1).isDigit())
        return std::nullopt;
    return text.toInt();
}
} // namespace

QString InsLeftZeroToOne(const QString &text)
{
    return text.size() == 1 ? QStringLiteral("0") + text : text;
}

Daylight Setup_Daylight(const QByteArray &body)
{
    Daylight d;
    if (body.size() < 3 || body.at(2) == '0')
        return d;
    d.enabled = body.at(1) == '1';
    d.supported = true;
    return d;
}

QByteArray daylightBody(bool on, bool supported)
{
    return QByteArray("U") + (on ? '1' : '0') + (supported ? '1' : '0');
}

Fields fields(const QByteArray &body)
{
    return {twoAt(body, 2), twoAt(body, 4), twoAt(body, 6), twoAt(body, 8), twoAt(body, 10), twoAt(body, 12)};
}

QByteArray dateTimeBody(const Fields &f)
{
    return "T" + (f.hours + f.minutes + f.seconds + f.month + f.day + f.year).toLatin1();
}

QByteArray dateTimeBody(const QDateTime &moment)
{
    const QDate d = moment.date();
    const QTime t = moment.time();
    auto two = [](int n) { return InsLeftZeroToOne(QString::number(n)); };
    return dateTimeBody(Fields{two(t.hour()), two(t.minute()), two(t.second()), two(d.month()), two(d.day()),
                               QString::number(d.year()).mid(2, 2)});
}

QDate calendarDate(const QString &month, const QString &day, const QString &year)
{
    const auto m = twoDigitValue(InsLeftZeroToOne(month));
    const auto d = twoDigitValue(InsLeftZeroToOne(day));
    const auto y = twoDigitValue(InsLeftZeroToOne(year));
    if (!m || !d || !y)
        return {};
    return QDate(kCentury + *y, *m, *d);
}

bool holdsValidDateTime(const QByteArray &body)
{
    const Fields f = fields(body);
    const auto h = twoDigitValue(f.hours);
    const auto mi = twoDigitValue(f.minutes);
    const auto s = twoDigitValue(f.seconds);
    return body.size() == 13 && calendarDate(f.month, f.day, f.year).isValid() && h && mi && s &&
           QTime::isValid(*h, *mi, *s);
}
} // namespace DateTimeMessages
