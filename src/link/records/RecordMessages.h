#pragma once

#include "core/Capacities.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The record messages exchanged with the controller, as pure conversions
// between stored row values and message bodies (type letter included,
// checksum excluded). No database, no port: the senders and readers add those.
//
// Rows are given as QVariantLists in the table's physical column order; yes/no
// columns read as true when non-zero. Decoded rows use ints (0/1 for flags).
namespace RecordMessages {

constexpr int kWeekdays = 7;
constexpr int kPageGroups = Capacities::kPageGroups;
constexpr int kDipFlags = 13;             // DipSwitch columns 1-13 are flags
constexpr int kDipColumns = 15;           // ... column 14 the ring pattern, 15 a flag
constexpr int kDipRingPatternColumn = 13; // 0-based
constexpr int kEventColumns = 4 + kPageGroups;
constexpr int kClassServiceGroups = Capacities::kClassServiceGroups;

// A decoded value, or the run-time error number that converting the message
// into the columns would raise (13 type mismatch, 6 overflow...).
template <typename T> struct Parsed {
    std::optional<T> value;
    int error = 0;

    static Parsed ok(T v) { return {std::move(v), 0}; }
    static Parsed fail(int number) { return {std::nullopt, number}; }
    explicit operator bool() const { return value.has_value(); }
    const T &operator*() const { return *value; }
    const T *operator->() const { return &*value; }
};

// Number of page groups that exist with the given expansion boards: 4 per board.
constexpr int pageGroupCount(int expansionBoards)
{
    return 4 * (expansionBoards + 1);
}

// "1" for a true yes/no value, "0" otherwise; the inverted form the reverse.
QString flag(const QVariant &value);
QString invertedFlag(const QVariant &value);
// A stored value as it is concatenated into a body (Null is "").
QString text(const QVariant &value);
// The numeric value of the leading digits of a text (blanks and a sign
// allowed before them; 0 when there are none).
int Val(const QString &text);
// A text assigned to a numeric column: digits with optional blanks and sign,
// else error 13 (type mismatch).
Parsed<int> toNumber(const QString &text);

// W: one weekday (1 = Sunday ... 7 = Saturday) and the schedule active on it.
// schedDays: the SchedDays rows in table order; the last row whose day column
// is true gives the schedule, "0" when none.
QString schedBody(int weekday, const QList<QVariantList> &schedDays);
struct SchedRecord {
    int weekday = 0;  // as received; -1 when not a digit
    int schedule = 0; // the SchedDays row to find
};
Parsed<SchedRecord> parseSched(const QString &body);

// E: one Event row (20 columns) concatenated as stored.
QString eventBody(const QVariantList &eventRow);
// The 20 column values of a received event.
Parsed<QVariantList> parseEvent(const QString &body);

// I: the ClockDef values.
struct ClockValues {
    QVariant direction, bcdType, clockA, clockB;
    bool enabled = false;
};
QString clockBody(const ClockValues &clock);
struct ClockRecord {
    int direction = 0, bcdType = 0, clockA = 0, clockB = 0;
    bool enabled = false;
};
Parsed<ClockRecord> parseClock(const QString &body);

// K (time tones) and N (emergency tones): type letter and the first sixteen
// columns of the row, as stored.
QString tonePageGroupsBody(QChar type, const QVariantList &row);
// The sixteen flags to store: page groups beyond the existing ones are cleared.
QVariantList parseTonePageGroups(const QString &body, int expansionBoards);

// C: one Clid row (station, archnum, clid_string).
QString clidBody(const QVariantList &clidRow);
struct ClidRecord {
    int station = 0;
    QString archnum;    // 4 characters, blanks kept
    QString clidString; // 15 characters, blanks kept
};
Parsed<ClidRecord> parseClid(const QString &body);

// G: one PageGroup row (dial code and sixteen flags).
QString groupBody(const QVariantList &pageGroupRow);
struct GroupRecord {
    int dialCode = 0;
    QVariantList pageGroups; // sixteen 0/1
};
Parsed<GroupRecord> parseGroup(const QString &body);

// P: the ClassService rows in table order, each {Group, Service}. Values are
// taken up to the row whose Group is the last existing group; "1" is sent for
// every row after it. A stored -1 is sent as 1, the class the editor shows for it.
QString classServiceBody(const QList<QVariantList> &rows, int expansionBoards);
// The service value the body gives a group (the digit at position group + 1).
Parsed<int> classServiceOf(const QString &body, const QVariant &group);

// D: the DipSwitch row (15 columns). Flags are inverted; the ring pattern
// takes two characters ("11", "10", "01" for 0, 1, 2; nothing for any other).
QString ringPatternPair(const QVariant &ringPattern);
std::optional<int> ringPatternOf(const QString &pair);
QString dipBody(const QVariantList &dipRow);
struct DipRecord {
    QVariantList flags;             // columns 1-13, 0/1
    std::optional<int> ringPattern; // empty when the pair is not known
    int extToneSource = 0;          // column 15
};
DipRecord parseDip(const QString &body);

// M: the Bgm row, sixteen inverted flags.
QString bgmBody(const QVariantList &bgmRow);
QVariantList parseBgm(const QString &body);

// X: the number of expansion boards. A received count outside 0-3 is refused
// (error 5): it would make the configuration invalid.
QString configBody(int expansionBoards);
Parsed<int> parseConfig(const QString &body);

// A: end of data.
QString allDoneBody();

// Why a body built for sending would be misread by the controller: "" when it
// has its type's length and only the characters its fields take (digits, the
// colon of a start time, and in a station's texts any character the
// controller can show).
QString bodyFault(const QString &body);

} // namespace RecordMessages
