#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

// The bodies of the date, time and daylight-saving messages, as pure functions:
// Z asks for the daylight-saving state, answered by U ("U", adjustment flag,
// support flag); Q asks for the date and time, answered by T ("T", then hours,
// minutes, seconds, month, day and two-digit year, two digits each). The tool
// sends U and T to set them.
namespace DateTimeMessages {
inline constexpr char kDaylightQuery[] = "Z";
inline constexpr char kDateTimeQuery[] = "Q";

struct Daylight {
    bool supported = false; // the controller keeps daylight-saving information
    bool enabled = false;   // its automatic adjustment is on
    bool operator==(const Daylight &) const = default;
};

// The six two-digit fields of a T body, as the controller sent them.
struct Fields {
    QString hours, minutes, seconds, month, day, year;
};

// "0" + text for a one-character text, the text itself otherwise.
QString InsLeftZeroToOne(const QString &text);

// Reads a U body: a support flag "0" means no daylight-saving information at
// all, whatever the adjustment flag says.
Daylight Setup_Daylight(const QByteArray &body);

// The U body that sets the adjustment on or off.
QByteArray daylightBody(bool on, bool supported);

// The fields of a T body (missing characters give short fields).
Fields fields(const QByteArray &body);

// The T body for a date and time given as two-digit fields.
QByteArray dateTimeBody(const Fields &f);

// The T body for a moment of the PC's clock.
QByteArray dateTimeBody(const QDateTime &moment);

// The calendar date of month, day and a two-digit year read as 2000-2099;
// invalid for an impossible date such as 02/31 or anything not a number.
QDate calendarDate(const QString &month, const QString &day, const QString &year);

// True when a T body holds a possible date (month/day/two-digit year) and a
// 24-hour time.
bool holdsValidDateTime(const QByteArray &body);
} // namespace DateTimeMessages
