#include "link/records/ReceiveTables.h"

#include "core/ErrorLog.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"

namespace {
const QString kModule = QStringLiteral("ModComm");
}

ReceiveTables::ReceiveTables(ErrorLog &log) : m_log(log)
{
}

ReceiveTables::~ReceiveTables()
{
    Close_Tables();
}

QString ReceiveTables::tableName(Table t)
{
    static const std::array<QString, TableCount> names = {
        QStringLiteral("Bgm"),       QStringLiteral("EmergencyPG"), QStringLiteral("TonesPG"),
        QStringLiteral("ClockDef"),  QStringLiteral("Clid"),        QStringLiteral("Config"),
        QStringLiteral("DipSwitch"), QStringLiteral("Event"),       QStringLiteral("PageGroup"),
        QStringLiteral("SchedDays"), QStringLiteral("ClassService")};
    return names[t];
}

bool ReceiveTables::Open_Tables(const QString &databasePath)
{
    Close_Tables();
    m_db = std::make_unique<Database>(databasePath);
    if (!m_db->isOpen()) {
        m_log.LogError(ErrNo::CannotOpenDatabase, m_db->lastError(), kModule, kModule, QStringLiteral("Open_Tables"));
        m_db.reset();
        return false;
    }
    // The working copy is rebuilt from the default database by every receive, so
    // waiting for the disk after each stored record buys nothing; the file is
    // complete once the tables are closed. For the same reason the rollback
    // journal stays in memory instead of being created and deleted per record.
    m_db->exec(QStringLiteral("PRAGMA synchronous = OFF"));
    m_db->exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
    for (int t = 0; t < TableCount; ++t) {
        auto records = std::make_unique<RecordSet>(*m_db, tableName(Table(t)));
        if (!records->ok()) {
            m_log.LogError(ErrNo::CouldNotFindTable, m_db->lastError(), kModule, kModule,
                           QStringLiteral("Open_Tables"));
            continue;
        }
        m_tables[t] = std::move(records);
    }
    return true;
}

void ReceiveTables::Close_Tables()
{
    for (auto &records : m_tables)
        records.reset();
    m_db.reset();
}

RecordSet *ReceiveTables::table(Table t) const
{
    return m_tables[t].get();
}
