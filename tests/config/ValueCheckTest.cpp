#include "config/ValueCheck.h"

#include "DamagedFiles.h"
#include "TempAppFolder.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

namespace {
QStringList lines(const QList<ValueCheck::Problem> &problems)
{
    QStringList out;
    for (const ValueCheck::Problem &p : problems)
        out << p.text();
    return out;
}
} // namespace

class ValueCheckOfDamagedFiles : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(ValueCheckOfDamagedFiles, NamesTheCellAndWhatIsAllowed)
{
    TempAppFolder app;
    const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    damage(file, GetParam());
    Database db(file, Database::Mode::ReadOnly);
    EXPECT_EQ(lines(ValueCheck::check(db)), QStringList{GetParam().refusal});
}

INSTANTIATE_TEST_SUITE_P(Files, ValueCheckOfDamagedFiles, ::testing::ValuesIn(damagedFiles()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ValueCheck, TheDefaultAndTheEdgesOfEveryRangePass)
{
    TempAppFolder app;
    const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    Database db(file);
    for (const QString &sql :
         withoutConstraints(QStringLiteral("Clid")) +
             QStringList{
                 QStringLiteral("INSERT INTO Event VALUES (6, '23:59', 4, 59, -1,1,0,1, 0,0,0,0, 0,0,0,0, 0,0,0,1)"),
                 QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup2) "
                                "VALUES (1, '00:00', 1, 1, 1)"),
                 QStringLiteral("UPDATE Clid SET archnum = NULL, clid_string = NULL WHERE clid_station = 1"),
                 QStringLiteral("UPDATE Clid SET archnum = '', clid_string = '' WHERE clid_station = 2"),
                 QStringLiteral(
                     "UPDATE Clid SET archnum = '9876', clid_string = '“Café” – 5 € Œ' WHERE clid_station = 3"),
                 QStringLiteral("UPDATE Clid SET archnum = '12  ' WHERE clid_station = 4"),
                 QStringLiteral("UPDATE ClassService SET Service = -1 WHERE \"Group\" = 1"),
                 QStringLiteral("UPDATE ClassService SET Service = 2 WHERE \"Group\" = 16"),
                 QStringLiteral("UPDATE DipSwitch SET RingPattern = 2, LowStn21 = -1"),
                 QStringLiteral("UPDATE ClockDef SET ClockA = 8, ClockB = 1, Direction = 1, BCD_Type = 3"),
                 QStringLiteral("UPDATE Config SET System_Config = 3"),
                 QStringLiteral("UPDATE PageGroup SET DialCode = 9 WHERE DialCode = 0"),
             })
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << db.lastError().toStdString();
    EXPECT_EQ(lines(ValueCheck::check(db)), QStringList());
}

TEST(ValueCheck, AMissingTableOrColumnIsAProblemNotACrash)
{
    TempAppFolder app;
    const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    Database db(file);
    ASSERT_TRUE(db.exec(QStringLiteral("DROP TABLE TonesPG")));
    ASSERT_TRUE(db.exec(QStringLiteral("ALTER TABLE ClockDef DROP COLUMN BCD_Type")));
    ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE Narrow AS SELECT PageGroup1, PageGroup2 FROM Bgm")));
    ASSERT_TRUE(db.exec(QStringLiteral("DROP TABLE Bgm")));
    ASSERT_TRUE(db.exec(QStringLiteral("ALTER TABLE Narrow RENAME TO Bgm")));
    EXPECT_EQ(lines(ValueCheck::check(db)),
              (QStringList{QStringLiteral("Bgm: the table has 2 columns - allowed: at least 3 columns"),
                           QStringLiteral("TonesPG: the table is missing"),
                           QStringLiteral("ClockDef, BCD_Type: the column is missing")}));

    Database missing(app.file(QStringLiteral("none.mdb")), Database::Mode::ReadOnly);
    ASSERT_EQ(ValueCheck::check(missing).size(), 1);
    EXPECT_TRUE(
        ValueCheck::check(missing).first().text().startsWith(QStringLiteral("The configuration cannot be read")));
}

TEST(ValueCheck, TheMessageListsTenProblemsThenCountsTheRest)
{
    QList<ValueCheck::Problem> problems;
    for (int row = 1; row <= 13; ++row)
        problems.append({QStringLiteral("Event"),
                         row,
                         QStringLiteral("Tone"),
                         QStringLiteral("0"),
                         {},
                         QStringLiteral("a whole number from 1 to 4")});
    const QStringList message = ValueCheck::message(problems).split(QStringLiteral("\r\n"));
    ASSERT_EQ(message.size(), 13);
    EXPECT_EQ(message.first(), QStringLiteral("The configuration cannot be sent: these values are not allowed."));
    EXPECT_EQ(message[2], QStringLiteral("Event, row 1, Tone: 0 - allowed: a whole number from 1 to 4"));
    EXPECT_EQ(message[11], QStringLiteral("Event, row 10, Tone: 0 - allowed: a whole number from 1 to 4"));
    EXPECT_EQ(message.last(), QStringLiteral("... and 3 more."));
    EXPECT_EQ(ValueCheck::message({}), QString());
}
