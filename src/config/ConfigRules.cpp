#include "config/ConfigRules.h"

#include "config/Schema.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "platform/Database.h"

namespace modProject {

namespace {
const QString kModule = QStringLiteral("modProject");
constexpr int kStationsPerBoard = 24;
constexpr int kGroupsPerBoard = 4;
// One above the last station and the last class-of-service group.
constexpr int kStationLimit = 97;
constexpr int kGroupLimit = 17;

void run(Database &db, ErrorLog &log, const QString &sql, const QVariantList &binds = {})
{
    if (!db.exec(sql, binds))
        log.LogError(ErrNo::DatabaseError, db.lastError(), kModule, kModule, QStringLiteral("Validate_Config"));
}

QString clearBoardClause(int board)
{
    const int first = 4 * board + 1;
    return QStringLiteral(" SET PageGroup%1 = 0, PageGroup%2 = 0, PageGroup%3 = 0, PageGroup%4 = 0")
        .arg(first)
        .arg(first + 1)
        .arg(first + 2)
        .arg(first + 3);
}
} // namespace

void Validate_Config(const QString &databasePath, const AppState &state, ErrorLog &log)
{
    Database db(databasePath);
    if (!db.isOpen()) {
        log.LogError(ErrNo::CannotOpenDatabase, db.lastError(), kModule, kModule, QStringLiteral("Validate_Config"));
        return;
    }
    const int boards = state.ExpansionBoards;
    const int firstStation = (boards + 1) * kStationsPerBoard + 1;
    const int firstGroup = (boards + 1) * kGroupsPerBoard + 1;
    run(db, log, QStringLiteral("UPDATE Clid SET clid_string = '' WHERE clid_station BETWEEN ? AND ?"),
        {firstStation, kStationLimit});
    run(db, log, QStringLiteral("UPDATE Clid SET archnum = '' WHERE clid_station BETWEEN ? AND ?"),
        {firstStation, kStationLimit});
    run(db, log, QStringLiteral("UPDATE ClassService SET Service = 1 WHERE \"Group\" BETWEEN ? AND ?"),
        {firstGroup, kGroupLimit});
    for (const char *table : {"PageGroup", "Event", "Bgm", "EmergencyPG", "TonesPG"})
        for (int board = boards + 1; board <= 3; ++board)
            run(db, log, QStringLiteral("UPDATE ") + QString::fromLatin1(table) + clearBoardClause(board));
    QStringList none;
    for (int k = 1; k <= Schema::kPageGroups; ++k)
        none << QStringLiteral("PageGroup%1 = 0").arg(k);
    run(db, log, QStringLiteral("DELETE FROM Event WHERE ") + none.join(QStringLiteral(" AND ")));
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
