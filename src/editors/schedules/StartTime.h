#pragma once

#include <QString>

#include <optional>

// A time of day of the event editor's scroll bars.
struct TimeOfDay {
    int hour = 0;   // 0-23
    int minute = 0; // 0-59

    // "hh:mm"
    QString text() const;
    bool operator==(const TimeOfDay &) const = default;
};

// The rules of the start-time box: which keys it takes, how a typed entry is
// completed to "hh:mm", what reads as a time, and how the scroll bars step.
namespace StartTime {
constexpr int kMaxLength = 5;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;

// Digits, ":" and Backspace; every other character is discarded.
bool isAcceptedKey(QChar c);

struct Normalised {
    QString text;       // the text the box shows afterwards
    bool valid = false; // hour 0-23 and minute 0-59
};
// Completes a typed entry: without ":" the last four digits (zero-padded) are
// hhmm ("930" → "09:30", "12345" → "23:45", "" → "00:00"); with one ":" each
// side is zero-padded and cut to its last two digits ("9:5" → "09:05"); a
// second ":" or any character other than a digit leaves the text as typed and
// invalid. An hour or minute out of range keeps the completed text, invalid.
Normalised normalise(const QString &typed);

// Reads "h:m" with one or two digits on each side, hour 0-23 and minute 0-59.
std::optional<TimeOfDay> parse(const QString &text);

// Hour bar: 0-23, no wrap-around.
TimeOfDay stepHour(TimeOfDay time, int delta);
// Minute bar: carries into the hour (10:59 + 1 → 11:00, 11:00 - 1 → 10:59),
// stopping at the ends of the day (23:59 + 1 and 00:00 - 1 stay put).
TimeOfDay stepMinute(TimeOfDay time, int delta);
} // namespace StartTime
