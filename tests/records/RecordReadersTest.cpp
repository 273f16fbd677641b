#include "link/records/RecordReaders.h"

#include "RecordsFixture.h"
#include "link/records/ReceiveTables.h"

class Readers : public RecordsFixture {
protected:
    Readers()
    {
        EXPECT_TRUE(tables.Open_Tables(path));
        state.ExpansionBoards = 0;
    }
    QVariantList row(const QString &table, const QString &where = QStringLiteral("1"))
    {
        const auto result = rows(QStringLiteral("SELECT * FROM %1 WHERE %2").arg(table, where));
        return result.value(0);
    }
    static QVariantList ints(const char *bits)
    {
        QVariantList values;
        for (const char *b = bits; *b; ++b)
            values << (*b - '0');
        return values;
    }

    ReceiveTables tables{log};
    RecordReaders read{tables, state, link, log};
};

TEST_F(Readers, WeekdaysSetTheDayOfTheNamedScheduleOnly)
{
    read.ReadSched(s("W25"));
    read.ReadSched(s("W30")); // no schedule 0: nothing written, nothing logged
    EXPECT_EQ(row(s("SchedDays"), s("Schedule = 5")), QVariantList{5} + ints("0100000"));
    EXPECT_EQ(rows(s("SELECT COUNT(*) FROM SchedDays WHERE Sunday + Monday + Tuesday + Wednesday + Thursday + "
                     "Friday + Saturday > 0"))[0][0]
                  .toInt(),
              1);
    EXPECT_TRUE(link.log.isEmpty());

    read.ReadSched(s("W92"));
    read.ReadSched(s("W2x"));
    EXPECT_EQ(link.log, (QStringList{s("ERROR 9 RECEIVING Schedules:  W92"), s("ERROR 13 RECEIVING Schedules:  W2x")}));
    EXPECT_TRUE(link.exceptions);
}

TEST_F(Readers, EventsKeepAllSixteenPageGroupsButTonesOnlyTheConfiguredOnes)
{
    state.ExpansionBoards = 1;
    read.ReadEvent(s("E307:45205") + QString(16, u'1'));
    read.ReadCT(s("K") + QString(16, u'1'));
    EXPECT_EQ(row(s("Event")), (QVariantList{3, s("07:45"), 2, 5} + ints("1111111111111111")));
    EXPECT_EQ(row(s("TonesPG")), ints("1111111100000000"));
}

TEST_F(Readers, ConfigurationBeforeThePageGroupsWidensThem)
{
    const QString emergency = s("N") + QString(16, u'1');
    read.ReadEmer(emergency); // before any X: groups 1-4 only
    EXPECT_EQ(row(s("EmergencyPG")), ints("1111000000000000"));
    read.ReadConfig(s("X3"));
    read.ReadEmer(emergency);
    EXPECT_EQ(state.ExpansionBoards, 3);
    EXPECT_EQ(row(s("Config")), QVariantList{3});
    EXPECT_EQ(row(s("EmergencyPG")), ints("1111111111111111"));

    read.ReadConfig(s("X7"));
    EXPECT_EQ(state.ExpansionBoards, 3);
    EXPECT_EQ(link.log, QStringList{s("ERROR 5 RECEIVING CONFIG: X7")});
}

TEST_F(Readers, ClockMessageSetsTheBoardFlag)
{
    state.ClockBoard = true;
    exec(s("UPDATE ClockDef SET ClockEnabled = 1"));
    tables.Open_Tables(path);
    read.REadClock(s("I1307120"));
    EXPECT_EQ(row(s("ClockDef")), (QVariantList{0, 7, 12, 1, 3}));
    EXPECT_FALSE(state.ClockBoard);

    read.REadClock(s("I13x7121"));
    EXPECT_EQ(link.log, QStringList{s("ERROR Type mismatch Reading MESSAGE (SendClock): I13x7121")});
    EXPECT_FALSE(state.ClockBoard);
}

TEST_F(Readers, StationsAndCustomGroupsWithoutAMatchingRowAreReported)
{
    const QString station = s("C07123 ") + s("Front desk     ");
    read.ReadClid(station);
    EXPECT_EQ(row(s("Clid"), s("clid_station = 7")), (QVariantList{7, s("123 "), s("Front desk     ")}));
    read.ReadClid(s("C97123 ") + QString(15, u' '));
    read.ReadGroup(s("G2") + s("1000000000000001"));
    read.ReadGroup(s("G9") + QString(16, u'1'));
    EXPECT_EQ(row(s("PageGroup"), s("DialCode = 2")), QVariantList{2} + ints("1000000000000001"));
    EXPECT_EQ(link.log, (QStringList{s("ERROR CLID STATION DOES NOT MATCH: C97123 ") + QString(15, u' '),
                                     s("CustomPageGroup - Dialing Code does not match:  G9") + QString(16, u'1')}));
    EXPECT_TRUE(link.exceptions);
    EXPECT_EQ(rows(s("SELECT COUNT(*) FROM Clid WHERE archnum <> '    '"))[0][0].toInt(), 1);
}

TEST_F(Readers, OptionsWithAnUnknownRingPatternKeepThePatternAndSaveTheRest)
{
    exec(s("UPDATE DipSwitch SET RingPattern = 2"));
    tables.Open_Tables(path);
    const QString body = s("D0111111111110") + s("00") + s("0");
    read.ReadDip(body);
    EXPECT_EQ(row(s("DipSwitch")), ints("1000000000001") + QVariantList({2, 1}));
    EXPECT_EQ(link.log, QStringList{s("Ring pattern 11 do not exist: ") + body});

    read.ReadDip(s("D") + QString(13, u'1') + s("10") + s("1"));
    EXPECT_EQ(row(s("DipSwitch")), ints("0000000000000") + QVariantList({1, 0}));
}

TEST_F(Readers, AudioAndClassOfService)
{
    read.ReadBGM(s("M0") + QString(15, u'1'));
    EXPECT_EQ(row(s("Bgm")), ints("1000000000000000"));
    read.ReadClassService(s("P0120120120120120"));
    QVariantList services;
    for (const QVariantList &r : rows(s("SELECT Service FROM ClassService ORDER BY rowid")))
        services << r[0];
    EXPECT_EQ(services, ints("0120120120120120"));
}
