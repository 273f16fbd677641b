#include "config/ValueCheck.h"

#include "config/Schema.h"
#include "core/AppState.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"

#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
// A shown text value is cut to this many characters.
constexpr int kShownText = 20;
// ClockA and ClockB travel as two decimal digits.
constexpr int kLargestClockType = 99;
// The editors' limits.
constexpr int kRelayTypes = 4;
constexpr int kLongestDuration = 59; // seconds
constexpr int kLastRingPattern = 2;  // American, Dutch, British
constexpr int kLastBcdType = 3;
constexpr int kWeekdays = 7;
// DipSwitch: thirteen switches, the ring pattern, the external tone source.
constexpr int kDipFlags = 13;

enum class Kind {
    Number,     // a whole number from min to max
    Flag,       // yes/no: 0, or 1 or -1 (the value true had in the older files)
    Time,       // "hh:mm", 00:00 to 23:59
    ArchNumber, // up to max digits, left-aligned, blank-padded; NULL or "" for none
    Text,       // up to max characters the controller can show; NULL or "" for none
    Position,   // the row's own place in the table, counting from 1
    DialCode,   // one digit no other row has
    Service,    // a class of service 0-2, or -1 which reads as 1
    ClockType,  // a row of the Clocks catalogue, counting from 1
};

struct ColumnRule {
    // Physical position (0-based) for the tables the messages read by position;
    // -1 for a column found by its name.
    int position;
    const char *name; // nullptr: the name stored at the position
    Kind kind;
    int min = 0;
    int max = 0; // for ArchNumber and Text: the width
};

struct TableRule {
    const char *table;
    int minRows;
    int maxRows;
    QList<ColumnRule> columns;
};

QList<ColumnRule> flags(int first, int count)
{
    QList<ColumnRule> rules;
    for (int i = 0; i < count; ++i)
        rules.append({first + i, nullptr, Kind::Flag});
    return rules;
}

// The tables in the order a send reads them, with what each column carries
// onto the wire. Positions and names are those the senders use.
const QList<TableRule> &tableRules()
{
    static const QList<TableRule> rules = [] {
        const int pageGroups = Schema::kPageGroups;
        return QList<TableRule>{
            {"Config", 1, 1, {{-1, "System_Config", Kind::Number, 0, Schema::kMaxExpansionBoards}}},
            {"Event", 0, AppState::kMaxEvents,
             QList<ColumnRule>{{0, nullptr, Kind::Number, 1, Schema::kSchedules},
                               {1, nullptr, Kind::Time},
                               {2, nullptr, Kind::Number, 1, kRelayTypes},
                               {3, nullptr, Kind::Number, 1, kLongestDuration}} +
                 flags(4, pageGroups)},
            {"PageGroup", Schema::kCustomPageGroups, Schema::kCustomPageGroups,
             QList<ColumnRule>{{0, nullptr, Kind::DialCode}} + flags(1, pageGroups)},
            {"SchedDays", Schema::kSchedules, Schema::kSchedules,
             QList<ColumnRule>{{0, nullptr, Kind::Number, 1, Schema::kSchedules}} + flags(1, kWeekdays)},
            {"Clid",
             Schema::kStations,
             Schema::kStations,
             {{0, nullptr, Kind::Position},
              {1, nullptr, Kind::ArchNumber, 0, Schema::kArchNumWidth},
              {2, nullptr, Kind::Text, 0, Schema::kClidWidth}}},
            {"DipSwitch", 1, 1,
             flags(0, kDipFlags) + QList<ColumnRule>{{kDipFlags, nullptr, Kind::Number, 0, kLastRingPattern}} +
                 flags(kDipFlags + 1, 1)},
            {"Bgm", 1, 1, flags(0, pageGroups)},
            {"EmergencyPG", 1, 1, flags(0, pageGroups)},
            {"TonesPG", 1, 1, flags(0, pageGroups)},
            {"ClockDef",
             1,
             1,
             {{-1, "ClockEnabled", Kind::Flag},
              {-1, "ClockA", Kind::ClockType},
              {-1, "ClockB", Kind::ClockType},
              {-1, "Direction", Kind::Number, 0, 1},
              {-1, "BCD_Type", Kind::Number, 0, kLastBcdType}}},
            {"ClassService",
             Schema::kClassServiceGroups,
             Schema::kClassServiceGroups,
             {{-1, "Group", Kind::Position}, {-1, "Service", Kind::Service}}},
        };
    }();
    return rules;
}

bool isBlob(const QVariant &value)
{
    return value.typeId() == QMetaType::QByteArray;
}

// The value when SQLite stores it as an integer; a text, a real or a NULL is not one.
std::optional<qint64> storedInteger(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return value.toLongLong();
    default: return std::nullopt;
    }
}

// How the message shows a stored value: texts quoted and cut, control
// characters replaced so the message keeps its lines.
QString shown(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (isBlob(value))
        return QStringLiteral("a binary value of %1 bytes").arg(value.toByteArray().size());
    if (value.typeId() != QMetaType::QString)
        return value.toString();
    QString text = value.toString();
    const bool cut = text.size() > kShownText;
    // Never half of a character that takes two.
    text.truncate(cut && text[kShownText - 1].isHighSurrogate() ? kShownText - 1 : kShownText);
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return QLatin1Char('"') + text + (cut ? QStringLiteral("...\"") : QStringLiteral("\""));
}

QString codePoint(char32_t c)
{
    return QStringLiteral("U+") + QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

// The first character of a text the controller cannot show, named.
QString unshownCharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c <= 0xFFFF && Schema::isShownByController(QChar(char16_t(c))))
            continue;
        const QString name = codePoint(c);
        const bool printable = c > 0xFFFF ? QChar::isPrint(c) : QChar(char16_t(c)).isPrint();
        return printable ? QStringLiteral("'%1' (%2)").arg(QString::fromUcs4(&c, 1), name) : name;
    }
    return {};
}

class Checker {
public:
    explicit Checker(Database &db) : m_db(db)
    {
        const auto types = db.rowCount(QStringLiteral("Clocks"));
        m_clockTypes = std::min(types.value_or(0), kLargestClockType);
    }

    const QList<ValueCheck::Problem> &problems() const { return m_problems; }

    void checkTable(const TableRule &rule)
    {
        const QString table = QString::fromLatin1(rule.table);
        if (m_db.tableName(table).isEmpty()) {
            add({table, 0, {}, {}, QStringLiteral("the table is missing"), {}});
            return;
        }
        RecordSet rows(m_db, table);
        if (!rows.ok()) {
            add({table, 0, {}, {}, QStringLiteral("the table cannot be read: ") + m_db.lastError(), {}});
            return;
        }
        if (rows.count() < rule.minRows || rows.count() > rule.maxRows)
            add({table, 0, {}, QStringLiteral("%1 rows").arg(rows.count()), {}, rowsAllowed(rule)});

        // Where each column is; a table without the columns the messages read
        // is reported once and its values are not looked at.
        QList<int> fields;
        for (const ColumnRule &column : rule.columns) {
            const int field = column.position >= 0 ? (column.position < rows.fieldCount() ? column.position : -1)
                                                   : rows.fieldIndex(QString::fromLatin1(column.name));
            if (field < 0) {
                if (column.position >= 0)
                    add({table,
                         0,
                         {},
                         {},
                         QStringLiteral("the table has %1 columns").arg(rows.fieldCount()),
                         QStringLiteral("at least %1 columns").arg(column.position + 1)});
                else
                    add({table, 0, QString::fromLatin1(column.name), {}, QStringLiteral("the column is missing"), {}});
                return;
            }
            fields << field;
        }
        m_dialCodes.clear();
        for (int r = 0; r < rows.count(); ++r)
            for (int c = 0; c < rule.columns.size(); ++c)
                checkValue(table, r + 1, rows.fields().at(fields[c]), rule.columns[c], rows.value(r, fields[c]));
    }

private:
    void add(ValueCheck::Problem problem) { m_problems.append(std::move(problem)); }

    static QString rowsAllowed(const TableRule &rule)
    {
        if (rule.minRows == rule.maxRows)
            return rule.minRows == 1 ? QStringLiteral("exactly one row")
                                     : QStringLiteral("exactly %1 rows").arg(rule.minRows);
        return QStringLiteral("at most %1 rows").arg(rule.maxRows);
    }

    void checkValue(const QString &table, int row, const QString &column, const ColumnRule &rule, const QVariant &value)
    {
        QString reason;
        const QString allowed = refusal(rule, row, value, &reason);
        if (!allowed.isEmpty())
            add({table, row, column, shown(value), reason, allowed});
    }

    // "" when the value is allowed; otherwise what is, with the reason when the
    // value alone does not show it.
    QString refusal(const ColumnRule &rule, int row, const QVariant &value, QString *reason)
    {
        const std::optional<qint64> number = storedInteger(value);
        const auto inRange = [&](qint64 low, qint64 high) { return number && *number >= low && *number <= high; };
        switch (rule.kind) {
        case Kind::Number:
            if (inRange(rule.min, rule.max))
                return {};
            return QStringLiteral("a whole number from %1 to %2").arg(rule.min).arg(rule.max);
        case Kind::Flag:
            if (inRange(-1, 1))
                return {};
            return QStringLiteral("0 for no, 1 (or -1) for yes");
        case Kind::Service:
            if (inRange(-1, 2))
                return {};
            return QStringLiteral("0, 1 or 2 (-1 reads as 1)");
        case Kind::Position:
            if (inRange(row, row))
                return {};
            return QStringLiteral("%1, the row's place in the table").arg(row);
        case Kind::DialCode: {
            const bool fresh = inRange(0, 9) && !m_dialCodes.contains(*number);
            if (number)
                m_dialCodes.insert(*number);
            if (fresh)
                return {};
            return QStringLiteral("one digit 0-9 that no other row has");
        }
        case Kind::ClockType:
            if (inRange(1, m_clockTypes))
                return {};
            return m_clockTypes > 0 ? QStringLiteral("a clock type from 1 to %1 (a row of Clocks)").arg(m_clockTypes)
                                    : QStringLiteral("a row of Clocks, which lists no clock type");
        case Kind::Time: {
            static const QRegularExpression time(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"));
            if (value.typeId() == QMetaType::QString && time.match(value.toString()).hasMatch())
                return {};
            return QStringLiteral("a time of day hh:mm from 00:00 to 23:59");
        }
        case Kind::ArchNumber: {
            static const QRegularExpression digits(QStringLiteral("^[0-9]* *$"));
            const QString allowed =
                QStringLiteral("up to %1 digits, left-aligned and padded with blanks").arg(rule.max);
            if (value.isNull())
                return {};
            const QString text = value.toString();
            if (isBlob(value) || !digits.match(text).hasMatch())
                return allowed;
            if (text.size() > rule.max) {
                *reason = QStringLiteral("%1 characters").arg(text.size());
                return allowed;
            }
            return {};
        }
        case Kind::Text: {
            const QString allowed = QStringLiteral("up to %1 characters the controller can show").arg(rule.max);
            if (value.isNull())
                return {};
            if (isBlob(value))
                return allowed;
            const QString text = value.toString();
            if (const QString character = unshownCharacter(text); !character.isEmpty()) {
                *reason = QStringLiteral("the controller cannot show ") + character;
                return allowed;
            }
            if (text.size() > rule.max) {
                *reason = QStringLiteral("%1 characters").arg(text.size());
                return allowed;
            }
            return {};
        }
        }
        return {};
    }

    Database &m_db;
    QList<ValueCheck::Problem> m_problems;
    int m_clockTypes = 0;
    QSet<qint64> m_dialCodes;
};
} // namespace

QString ValueCheck::Problem::text() const
{
    QString where = table;
    if (row > 0)
        where += QStringLiteral(", row %1").arg(row);
    if (!column.isEmpty())
        where += QStringLiteral(", ") + column;
    QString line = where.isEmpty() ? QString() : where + QStringLiteral(": ");
    if (!value.isEmpty())
        line += reason.isEmpty() ? value : value + QStringLiteral(" (") + reason + QLatin1Char(')');
    else
        line += reason;
    if (!allowed.isEmpty())
        line += QStringLiteral(" - allowed: ") + allowed;
    return line;
}

QList<ValueCheck::Problem> ValueCheck::check(Database &db)
{
    if (!db.isOpen())
        return {{{}, 0, {}, {}, QStringLiteral("The configuration cannot be read: ") + db.lastError(), {}}};
    Checker checker(db);
    for (const TableRule &rule : tableRules())
        checker.checkTable(rule);
    return checker.problems();
}

QString ValueCheck::message(const QList<Problem> &problems)
{
    if (problems.isEmpty())
        return {};
    QStringList lines{QStringLiteral("The configuration cannot be sent: these values are not allowed."), QString()};
    for (qsizetype i = 0; i < problems.size() && i < kShownProblems; ++i)
        lines << problems[i].text();
    if (problems.size() > kShownProblems)
        lines << QStringLiteral("... and %1 more.").arg(problems.size() - kShownProblems);
    return lines.join(kCrLf);
}
