#include "DamagedFiles.h"

#include "platform/Database.h"

#include <gtest/gtest.h>

QStringList withoutConstraints(const QString &table)
{
    return {QStringLiteral("CREATE TABLE Loose AS SELECT * FROM %1").arg(table),
            QStringLiteral("DROP TABLE %1").arg(table), QStringLiteral("ALTER TABLE Loose RENAME TO %1").arg(table)};
}

const QList<DamagedFile> &damagedFiles()
{
    const auto event = [](const char *values) {
        return QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup1) VALUES (%1)")
            .arg(QLatin1String(values));
    };
    static const QList<DamagedFile> files{
        {"NullInANumberColumn",
         withoutConstraints(QStringLiteral("ClockDef")) << QStringLiteral("UPDATE ClockDef SET Direction = NULL"),
         QStringLiteral("ClockDef, row 1, Direction: NULL - allowed: a whole number from 0 to 1")},
        {"TextInANumberColumn",
         {event("1, '08:00', 'x', 5, 1")},
         QStringLiteral("Event, row 1, Tone: \"x\" - allowed: a whole number from 1 to 4")},
        {"Schedule99",
         {event("99, '08:00', 1, 5, 1")},
         QStringLiteral("Event, row 1, Schedule: 99 - allowed: a whole number from 1 to 6")},
        {"RelayType0",
         {event("1, '08:00', 0, 5, 1")},
         QStringLiteral("Event, row 1, Tone: 0 - allowed: a whole number from 1 to 4")},
        {"Duration500",
         {event("1, '08:00', 1, 500, 1")},
         QStringLiteral("Event, row 1, Duration: 500 - allowed: a whole number from 1 to 59")},
        {"StartTimeOfLetters",
         {event("1, 'ab:cd', 1, 5, 1")},
         QStringLiteral("Event, row 1, StartTime: \"ab:cd\" - allowed: a time of day hh:mm from 00:00 to 23:59")},
        {"Flag99",
         {QStringLiteral("UPDATE Bgm SET PageGroup3 = 99")},
         QStringLiteral("Bgm, row 1, PageGroup3: 99 - allowed: 0 for no, 1 (or -1) for yes")},
        {"OverlongText",
         {QStringLiteral("UPDATE Clid SET clid_string = replace(hex(zeroblob(100000)), '0', 'x') "
                         "WHERE clid_station = 5")},
         QStringLiteral("Clid, row 5, clid_string: \"xxxxxxxxxxxxxxxxxxxx...\" (200000 characters) - allowed: up to 15 "
                        "characters the controller can show")},
        {"CharacterTheControllerCannotShow",
         {QStringLiteral("UPDATE Clid SET clid_string = 'Snow ☃' WHERE clid_station = 6")},
         QStringLiteral("Clid, row 6, clid_string: \"Snow ☃\" (the controller cannot show '☃' (U+2603)) - allowed: up "
                        "to 15 characters the controller can show")},
        {"LineBreakInAText",
         {QStringLiteral("UPDATE Clid SET clid_string = 'Hall' || char(13) || 'A' WHERE clid_station = 9")},
         QStringLiteral("Clid, row 9, clid_string: \"Hall\uFFFDA\" (the controller cannot show U+000D) - allowed: up "
                        "to 15 characters the controller can show")},
        {"ArchNumberOfLetters",
         {QStringLiteral("UPDATE Clid SET archnum = 'ab' WHERE clid_station = 3")},
         QStringLiteral("Clid, row 3, archnum: \"ab\" - allowed: up to 4 digits, left-aligned and padded with blanks")},
        {"StationOutOfOrder",
         {QStringLiteral("UPDATE Clid SET clid_station = 8 WHERE rowid = 7")},
         QStringLiteral("Clid, row 7, clid_station: 8 - allowed: 7, the row's place in the table")},
        {"RingPattern3",
         {QStringLiteral("UPDATE DipSwitch SET RingPattern = 3")},
         QStringLiteral("DipSwitch, row 1, RingPattern: 3 - allowed: a whole number from 0 to 2")},
        {"DialCodeTwice",
         {QStringLiteral("UPDATE PageGroup SET DialCode = 1 WHERE DialCode = 2")},
         QStringLiteral("PageGroup, row 3, DialCode: 1 - allowed: one digit 0-9 that no other row has")},
        {"ClockTypeBeyondTheCatalogue",
         {QStringLiteral("UPDATE ClockDef SET ClockB = 9")},
         QStringLiteral("ClockDef, row 1, ClockB: 9 - allowed: a clock type from 1 to 8 (a row of Clocks)")},
        {"ClassServiceGroupMissing",
         {QStringLiteral("DELETE FROM ClassService WHERE \"Group\" = 16")},
         QStringLiteral("ClassService: 15 rows - allowed: exactly 16 rows")},
        {"NoOptionsRow",
         {QStringLiteral("DELETE FROM DipSwitch")},
         QStringLiteral("DipSwitch: 0 rows - allowed: exactly one row")},
        {"MoreEventsThanTheControllerHolds",
         {QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 256) "
                         "INSERT INTO Event (Schedule, StartTime, PageGroup1) "
                         "SELECT 1 + i % 6, printf('%02d:%02d', i / 6 % 24, i % 60), 1 FROM n")},
         QStringLiteral("Event: 257 rows - allowed: at most 256 rows")},
    };
    return files;
}

void damage(const QString &path, const DamagedFile &file)
{
    Database db(path);
    ASSERT_TRUE(db.isOpen()) << db.lastError().toStdString();
    for (const QString &sql : file.statements)
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
}
