#include "config/ValidityCheck.h"

#include "config/Schema.h"
#include "platform/Database.h"

namespace {
struct TableShape {
    const char *table;
    // Column names in physical order; "" marks a position whose name is free.
    QStringList columns;
    // Read by position: the names must stand at these positions. Otherwise
    // they are only looked up by name.
    bool positional;
};

QStringList pageGroupColumns()
{
    QStringList out;
    for (int n = 1; n <= Schema::kPageGroups; ++n)
        out << QStringLiteral("PageGroup%1").arg(n);
    return out;
}

const QList<TableShape> &shapes()
{
    static const QList<TableShape> all = [] {
        const QStringList pageGroups = pageGroupColumns();
        return QList<TableShape>{
            {"Clid", {"clid_station", "archnum", "clid_string"}, true},
            {"PageGroup", QStringList{"DialCode"} + QStringList(Schema::kPageGroups, QString()), true},
            {"SchedDays", QStringList{"Schedule"} + QStringList(7, QString()), true},
            {"Event", QStringList{"Schedule", "StartTime", "Tone", "Duration"} + pageGroups, true},
            {"Config", {"System_Config"}, false},
            {"ClockDef", {"ClockEnabled", "ClockA", "ClockB", "Direction", "BCD_Type"}, false},
            {"Bgm", pageGroups, true},
            {"DipSwitch",
             {"LowStn21", "LowStn22", "LowStn23", "LowStn24", "", "QueueTone", "DialTone", "HfAlertTone",
              "PageAlertTone", "RingbackTone", "PrivacyTone", "PriorityGlobal", "PriorityOverride", "RingPattern",
              "ExtToneSource"},
             true},
            {"EmergencyPG", pageGroups, true},
            {"TonesPG", pageGroups, true},
            {"Rev", {"rev"}, false},
            {"ClassService", {"Group", "Service"}, false},
            {"Clocks", {"CIndex", "CCorrected"}, false},
        };
    }();
    return all;
}

// Empty when the table has the shape the tool reads, else the reason.
QString shapeProblem(Database &db, const TableShape &shape, ValidityCheck::Names names)
{
    const QString table = QLatin1String(shape.table);
    if (db.tableName(table).isEmpty())
        return QStringLiteral("table %1 is missing").arg(table);
    const QStringList actual = db.columns(table);
    if (actual.size() < shape.columns.size())
        return QStringLiteral("table %1 has %2 columns, %3 expected")
            .arg(table)
            .arg(actual.size())
            .arg(shape.columns.size());
    if (names == ValidityCheck::Names::Ignored)
        return {};
    for (int i = 0; i < shape.columns.size(); ++i) {
        const QString &want = shape.columns[i];
        if (want.isEmpty())
            continue;
        const bool found = shape.positional ? actual[i].compare(want, Qt::CaseInsensitive) == 0
                                            : actual.contains(want, Qt::CaseInsensitive);
        if (!found)
            return shape.positional
                       ? QStringLiteral("table %1 has no column %2 at position %3").arg(table, want).arg(i + 1)
                       : QStringLiteral("table %1 has no column %2").arg(table, want);
    }
    return {};
}
} // namespace

ValidityCheck::Result ValidityCheck::check(Database &db, Names names)
{
    Result r;
    if (!db.isOpen()) {
        r.problems << QStringLiteral("cannot open the database: ") + db.lastError();
        return r;
    }
    if (!db.integrityCheck(true))
        r.problems << QStringLiteral("the file is damaged: ") + db.lastError();

    bool shapesOk = true;
    for (const TableShape &shape : shapes()) {
        const QString problem = shapeProblem(db, shape, names);
        if (!problem.isEmpty()) {
            r.problems << problem;
            shapesOk = false;
        }
    }

    const auto expectRows = [&](const QString &table, int expected) {
        const auto count = db.rowCount(table);
        if (!count)
            r.problems << QStringLiteral("cannot count %1: %2").arg(table, db.lastError());
        else if (*count != expected)
            r.problems << QStringLiteral("%1 has %2 rows, %3 expected").arg(table).arg(*count).arg(expected);
    };
    expectRows(QStringLiteral("Clid"), Schema::kStations);
    expectRows(QStringLiteral("PageGroup"), Schema::kCustomPageGroups);
    expectRows(QStringLiteral("SchedDays"), Schema::kSchedules);

    if (const auto events = db.rowCount(QStringLiteral("Event")))
        r.totalEvents = *events;
    else
        r.problems << QStringLiteral("cannot count Event: ") + db.lastError();

    const auto boards = db.scalar(QStringLiteral("SELECT System_Config FROM Config ORDER BY rowid LIMIT 1"));
    bool boardsOk = false;
    const int boardCount = boards ? boards->toInt(&boardsOk) : 0;
    if (!boards || !boardsOk)
        r.problems << QStringLiteral("cannot read Config.System_Config: ") + db.lastError();
    else if (boardCount < 0 || boardCount > Schema::kMaxExpansionBoards)
        r.problems << QStringLiteral("Config.System_Config is %1, at most %2 allowed")
                          .arg(boardCount)
                          .arg(Schema::kMaxExpansionBoards);
    else
        r.expansionBoards = boardCount;

    expectRows(QStringLiteral("ClockDef"), 1);
    if (const auto clock = db.scalar(QStringLiteral("SELECT ClockEnabled FROM ClockDef ORDER BY rowid LIMIT 1")))
        r.clockBoard = clock->toInt() != 0;
    else
        r.problems << QStringLiteral("cannot read ClockDef.ClockEnabled: ") + db.lastError();

    r.valid = shapesOk && r.problems.isEmpty();
    return r;
}
