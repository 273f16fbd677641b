#include "config/ConfigRules.h"

#include "config/Schema.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "platform/Database.h"

#include <algorithm>

namespace modProject {

namespace {
const QString kModule = QStringLiteral("modProject");
constexpr int kStationsPerBoard = 24;
constexpr int kGroupsPerBoard = 4;
// One above the last station and the last class-of-service group.
constexpr int kStationLimit = 97;
constexpr int kGroupLimit = 17;

const QString kEditor = QStringLiteral("frmConfig");

// The statements run one after the other: a failing one is logged under the
// procedure's names and the next one still runs.
struct Statements {
    Database &db;
    ErrorLog &log;
    QString module;
    QString procedure;

    void run(const QString &sql, const QVariantList &binds = {})
    {
        if (!db.exec(sql, binds))
            log.LogError(ErrNo::DatabaseError, db.lastError(), module, module, procedure);
    }
};

// The four page-group columns of one expansion board (1-3) set to value.
QString boardClause(int board, bool value)
{
    const int first = 4 * board + 1;
    const int v = value ? 1 : 0;
    return QStringLiteral(" SET PageGroup%1 = %5, PageGroup%2 = %5, PageGroup%3 = %5, PageGroup%4 = %5")
        .arg(first)
        .arg(first + 1)
        .arg(first + 2)
        .arg(first + 3)
        .arg(v);
}

void deleteEventsWithoutPageGroups(Statements &statements)
{
    QStringList none;
    for (int k = 1; k <= Schema::kPageGroups; ++k)
        none << QStringLiteral("PageGroup%1 = 0").arg(k);
    statements.run(QStringLiteral("DELETE FROM Event WHERE ") + none.join(QStringLiteral(" AND ")));
}
} // namespace

void Validate_Config(const QString &databasePath, const AppState &state, ErrorLog &log)
{
    Database db(databasePath);
    if (!db.isOpen()) {
        log.LogError(ErrNo::CannotOpenDatabase, db.lastError(), kModule, kModule, QStringLiteral("Validate_Config"));
        return;
    }
    Statements statements{db, log, kModule, QStringLiteral("Validate_Config")};
    const int boards = state.ExpansionBoards;
    const int firstStation = (boards + 1) * kStationsPerBoard + 1;
    const int firstGroup = (boards + 1) * kGroupsPerBoard + 1;
    statements.run(QStringLiteral("UPDATE Clid SET clid_string = '' WHERE clid_station BETWEEN ? AND ?"),
                   {firstStation, kStationLimit});
    statements.run(QStringLiteral("UPDATE Clid SET archnum = '' WHERE clid_station BETWEEN ? AND ?"),
                   {firstStation, kStationLimit});
    statements.run(QStringLiteral("UPDATE ClassService SET Service = 1 WHERE \"Group\" BETWEEN ? AND ?"),
                   {firstGroup, kGroupLimit});
    for (const char *table : {"PageGroup", "Event", "Bgm", "EmergencyPG", "TonesPG"})
        for (int board = boards + 1; board <= 3; ++board)
            statements.run(QStringLiteral("UPDATE ") + QString::fromLatin1(table) + boardClause(board, false));
    deleteEventsWithoutPageGroups(statements);
}

void UpdateDefaults(const QString &databasePath, int firstBoard, int lastBoard, ErrorLog &log)
{
    const QString procedure = QStringLiteral("UpdateDefaults");
    Database db(databasePath);
    if (!db.isOpen()) {
        log.LogError(ErrNo::CannotOpenDatabase, db.lastError(), kEditor, kEditor, procedure);
        return;
    }
    Statements statements{db, log, kEditor, procedure};
    for (const char *table : {"EmergencyPG", "TonesPG"})
        for (int board = std::max(firstBoard, 1); board <= std::min(lastBoard, 3); ++board)
            statements.run(QStringLiteral("UPDATE ") + QString::fromLatin1(table) + boardClause(board, true));
    deleteEventsWithoutPageGroups(statements);
}

void GetTotalEvents(const QString &databasePath, AppState &state, ErrorLog &log)
{
    Database db(databasePath);
    const auto count = db.isOpen() ? db.rowCount(QStringLiteral("Event")) : std::nullopt;
    if (!count) {
        log.LogError(ErrNo::CouldNotFindTable, db.lastError(), kModule, kModule, QStringLiteral("GetTotalEvents"));
        state.TotalEvents = 0;
        return;
    }
    state.TotalEvents = *count;
}

} // namespace modProject
