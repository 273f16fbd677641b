#pragma once

#include <QString>

#include <array>
#include <memory>

class Database;
class ErrorLog;
class RecordSet;

// The working database and the eleven record sets a receive keeps open from
// start to end (Open_Tables / Close_Tables). The readers write through them.
class ReceiveTables {
public:
    enum Table {
        Bgm,
        EmergencyPG,
        TonesPG,
        ClockDef,
        Clid,
        Config,
        DipSwitch,
        Event,
        PageGroup,
        SchedDays,
        ClassService,
        TableCount
    };

    explicit ReceiveTables(ErrorLog &log);
    ~ReceiveTables();
    ReceiveTables(const ReceiveTables &) = delete;
    ReceiveTables &operator=(const ReceiveTables &) = delete;

    // Opens the database and every table; a table that cannot be opened is
    // logged and the next one is tried. False when the database itself could
    // not be opened.
    bool Open_Tables(const QString &databasePath);
    void Close_Tables();

    // The open record set of a table, or nullptr when it could not be opened.
    RecordSet *table(Table t) const;
    Database *database() const { return m_db.get(); }
    static QString tableName(Table t);

private:
    ErrorLog &m_log;
    std::unique_ptr<Database> m_db;
    std::array<std::unique_ptr<RecordSet>, TableCount> m_tables;
};
