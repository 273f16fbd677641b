#include "link/records/RecordMessages.h"

#include "config/Schema.h"
#include "core/ErrorLog.h"
#include "core/Utility.h"
#include "link/LinkFrame.h"

namespace RecordMessages {

namespace {

const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");

// Characters of a body by 1-based position, as the message tables count them.
QString at(const QString &body, int position, int width = 1)
{
    if (position < 1 || position > body.size())
        return {};
    return body.mid(position - 1, width);
}

bool isTrue(const QVariant &value)
{
    if (value.isNull())
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number != 0 : value.toBool();
}

// Flags from consecutive positions of a body: "1" is true, anything else false.
QVariantList flagsAt(const QString &body, int firstPosition, int count)
{
    QVariantList flags;
    for (int k = 0; k < count; ++k)
        flags << int(at(body, firstPosition + k) == kOne);
    return flags;
}

QVariantList invertedFlagsAt(const QString &body, int firstPosition, int count)
{
    QVariantList flags;
    for (int k = 0; k < count; ++k)
        flags << int(at(body, firstPosition + k) != kOne);
    return flags;
}

// A one-byte numeric field: Val of the text, refused outside 0-255.
Parsed<int> byteVal(const QString &text)
{
    const int value = Val(text);
    if (value < 0 || value > 255)
        return Parsed<int>::fail(ErrNo::Overflow);
    return Parsed<int>::ok(value);
}

} // namespace

QString flag(const QVariant &value)
{
    return isTrue(value) ? kOne : kZero;
}

QString invertedFlag(const QVariant &value)
{
    return isTrue(value) ? kZero : kOne;
}

QString text(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

int Val(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 1'000'000'000)
            break;
    }
    return int(negative ? -value : value);
}

Parsed<int> toNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return Parsed<int>::fail(ErrNo::TypeMismatch);
    return Parsed<int>::ok(value);
}

QString schedBody(int weekday, const QList<QVariantList> &schedDays)
{
    QString schedule = kZero;
    for (const QVariantList &row : schedDays)
        if (isTrue(row.value(weekday)))
            schedule = text(row.value(0));
    return QStringLiteral("W") + QString::number(weekday) + schedule;
}

Parsed<SchedRecord> parseSched(const QString &body)
{
    const auto schedule = toNumber(at(body, 3));
    if (!schedule)
        return Parsed<SchedRecord>::fail(schedule.error);
    const auto weekday = toNumber(at(body, 2));
    return Parsed<SchedRecord>::ok({weekday ? *weekday : -1, *schedule});
}

QString eventBody(const QVariantList &eventRow)
{
    QString body = QStringLiteral("E") + text(eventRow.value(0)) + text(eventRow.value(1)) + text(eventRow.value(2)) +
                   Utility::LeadingZeroes(text(eventRow.value(3)), 2);
    for (int k = 1; k <= kPageGroups; ++k)
        body += flag(eventRow.value(3 + k));
    return body;
}

Parsed<QVariantList> parseEvent(const QString &body)
{
    const auto schedule = toNumber(at(body, 2));
    const auto tone = toNumber(at(body, 8));
    const auto duration = toNumber(at(body, 9, 2));
    for (const auto *number : {&schedule, &tone, &duration})
        if (!*number)
            return Parsed<QVariantList>::fail(number->error);
    QVariantList row{*schedule, at(body, 3, 5), *tone, *duration};
    row += flagsAt(body, 11, kPageGroups);
    return Parsed<QVariantList>::ok(row);
}

QString clockBody(const ClockValues &clock)
{
    const auto twoDigits = [](const QVariant &value) {
        const QString digits = text(value).remove(u' ');
        return digits.size() == 1 ? kZero + digits : digits;
    };
    return QStringLiteral("I") + text(clock.direction).remove(u' ') + text(clock.bcdType).remove(u' ') +
           twoDigits(clock.clockA) + twoDigits(clock.clockB) + (clock.enabled ? kOne : kZero);
}

Parsed<ClockRecord> parseClock(const QString &body)
{
    const auto direction = toNumber(at(body, 2));
    const auto bcdType = toNumber(at(body, 3));
    const auto clockA = toNumber(at(body, 4, 2));
    const auto clockB = toNumber(at(body, 6, 2));
    for (const auto *number : {&direction, &bcdType, &clockA, &clockB})
        if (!*number)
            return Parsed<ClockRecord>::fail(number->error);
    return Parsed<ClockRecord>::ok({*direction, *bcdType, *clockA, *clockB, Val(at(body, 8)) != 0});
}

QString tonePageGroupsBody(QChar type, const QVariantList &row)
{
    QString body(type);
    for (int k = 0; k < kPageGroups; ++k)
        body += flag(row.value(k));
    return body;
}

QVariantList parseTonePageGroups(const QString &body, int expansionBoards)
{
    const int existing = std::clamp(pageGroupCount(expansionBoards), 0, kPageGroups);
    QVariantList flags = flagsAt(body, 2, existing);
    while (flags.size() < kPageGroups)
        flags << 0;
    return flags;
}

QString clidBody(const QVariantList &clidRow)
{
    return QStringLiteral("C") + Utility::LeadingZeroes(text(clidRow.value(0)), 2) +
           Utility::PadRight(text(clidRow.value(1)), 4) + Utility::PadRight(text(clidRow.value(2)), 15);
}

Parsed<ClidRecord> parseClid(const QString &body)
{
    const auto station = byteVal(at(body, 2, 2));
    if (!station)
        return Parsed<ClidRecord>::fail(station.error);
    return Parsed<ClidRecord>::ok({*station, at(body, 4, 4), at(body, 8, 15)});
}

QString groupBody(const QVariantList &pageGroupRow)
{
    QString body = QStringLiteral("G") + text(pageGroupRow.value(0));
    for (int k = 1; k <= kPageGroups; ++k)
        body += flag(pageGroupRow.value(k));
    return body;
}

Parsed<GroupRecord> parseGroup(const QString &body)
{
    const auto dialCode = byteVal(at(body, 2));
    if (!dialCode)
        return Parsed<GroupRecord>::fail(dialCode.error);
    return Parsed<GroupRecord>::ok({*dialCode, flagsAt(body, 3, kPageGroups)});
}

QString classServiceBody(const QList<QVariantList> &rows, int expansionBoards)
{
    const int lastGroup = pageGroupCount(expansionBoards);
    QString body = QStringLiteral("P");
    bool beyondLast = false;
    for (const QVariantList &row : rows) {
        const QString service = text(row.value(1));
        body += beyondLast || service == u"-1" ? kOne : service;
        const auto group = toNumber(text(row.value(0)));
        if (group && *group == lastGroup)
            beyondLast = true;
    }
    return body;
}

Parsed<int> classServiceOf(const QString &body, const QVariant &group)
{
    const auto number = toNumber(text(group));
    if (!number)
        return Parsed<int>::fail(number.error);
    if (*number + 1 < 1)
        return Parsed<int>::fail(ErrNo::InvalidProcedureCall);
    return toNumber(at(body, *number + 1));
}

QString ringPatternPair(const QVariant &ringPattern)
{
    const auto pattern = toNumber(text(ringPattern));
    if (!pattern)
        return {};
    switch (*pattern) {
    case 0: return QStringLiteral("11");
    case 1: return QStringLiteral("10");
    case 2: return QStringLiteral("01");
    default: return {};
    }
}

std::optional<int> ringPatternOf(const QString &pair)
{
    if (pair == u"11")
        return 0;
    if (pair == u"10")
        return 1;
    if (pair == u"01")
        return 2;
    return std::nullopt;
}

QString dipBody(const QVariantList &dipRow)
{
    QString body = QStringLiteral("D");
    for (int c = 0; c < kDipFlags; ++c)
        body += invertedFlag(dipRow.value(c));
    body += ringPatternPair(dipRow.value(kDipRingPatternColumn));
    body += invertedFlag(dipRow.value(kDipColumns - 1));
    return body;
}

DipRecord parseDip(const QString &body)
{
    return {invertedFlagsAt(body, 2, kDipFlags), ringPatternOf(at(body, 15, 2)), int(at(body, 17) != kOne)};
}

QString bgmBody(const QVariantList &bgmRow)
{
    QString body = QStringLiteral("M");
    for (int k = 0; k < kPageGroups; ++k)
        body += invertedFlag(bgmRow.value(k));
    return body;
}

QVariantList parseBgm(const QString &body)
{
    return invertedFlagsAt(body, 2, kPageGroups);
}

QString configBody(int expansionBoards)
{
    return QStringLiteral("X") + QString::number(expansionBoards);
}

Parsed<int> parseConfig(const QString &body)
{
    const int boards = Val(at(body, 2));
    if (boards < 0 || boards > 3)
        return Parsed<int>::fail(ErrNo::InvalidProcedureCall);
    return Parsed<int>::ok(boards);
}

QString allDoneBody()
{
    return QStringLiteral("A");
}

QString bodyFault(const QString &body)
{
    if (body.isEmpty())
        return QStringLiteral("empty body");
    const QChar type = body.front();
    const int expected = type.unicode() < 128 ? LinkFrame::expectedLength(char(type.unicode())) : 0;
    if (expected == 0)
        return QStringLiteral("unknown message type");
    if (body.size() != expected)
        return QStringLiteral("%1 characters where %2 are needed").arg(body.size()).arg(expected);
    // Every field is digits, but for a station's two texts and the colon of a start time.
    for (int i = 1; i < body.size(); ++i) {
        const QChar c = body[i];
        const bool text = type == u'C' && i >= 3;
        const bool colon = type == u'E' && i == 4;
        const bool fits = text ? Schema::isShownByController(c) : colon ? c == u':' : (c >= u'0' && c <= u'9');
        if (!fits)
            return QStringLiteral("character U+%1 at position %2")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'))
                .arg(i + 1);
    }
    return {};
}

} // namespace RecordMessages
