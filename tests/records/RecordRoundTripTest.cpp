#include "link/records/ReceiveTables.h"
#include "link/records/RecordReaders.h"
#include "link/records/RecordSenders.h"

#include "RecordsFixture.h"

#include <QRandomGenerator>

// A whole programming sent by the senders and read back by the readers into a
// fresh default configuration comes back equal, table by table.
class RoundTrip : public RecordsFixture {
protected:
    void fillProgramming()
    {
        QRandomGenerator random(20240611);
        const auto bit = [&] { return int(random.bounded(2)); };
        exec(s("UPDATE Config SET System_Config = 3"));
        state.ExpansionBoards = 3;
        for (int schedule = 1; schedule <= 6; ++schedule)
            for (int e = 0; e < 5; ++e) {
                QVariantList values{
                    schedule, QStringLiteral("%1:%2").arg(2 + 3 * e, 2, 10, QChar(u'0')).arg(e * 7, 2, 10, QChar(u'0')),
                    1 + int(random.bounded(4)), 1 + int(random.bounded(59))};
                for (int k = 0; k < 16; ++k)
                    values << bit();
                exec(s("INSERT INTO Event VALUES (") + QString(s("?,")).repeated(19) + s("?)"), values);
            }
        // Each weekday in at most one schedule, Saturday in none.
        exec(s("UPDATE SchedDays SET Sunday = (Schedule = 2), Monday = (Schedule = 5), Friday = (Schedule = 1)"));
        for (int station = 1; station <= 96; ++station)
            exec(s("UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"),
                 {QString::number(1000 + station * 7).left(station % 5).leftJustified(4, u' '),
                  QStringLiteral("Room %1").arg(station).leftJustified(15, u' '), station});
        for (const char *table : {"PageGroup", "Bgm", "EmergencyPG", "TonesPG"})
            for (int k = 1; k <= 16; ++k)
                exec(QStringLiteral("UPDATE %1 SET PageGroup%2 = %3").arg(s(table)).arg(k).arg(bit()));
        exec(s("UPDATE ClassService SET Service = \"Group\" % 3"));
        exec(s("UPDATE DipSwitch SET LowStn22 = 1, DialPlan3Digit = 1, QueueTone = 0, RingPattern = 2, "
               "ExtToneSource = 1"));
        exec(s("UPDATE ClockDef SET ClockEnabled = 1, ClockA = 4, ClockB = 8, Direction = 1, BCD_Type = 2"));
    }

    QList<QVariantList> table(Database &database, const QString &name, const QString &order = s("rowid"))
    {
        return database.rows(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(name, order)).value();
    }
};

TEST_F(RoundTrip, EveryTableComesBackEqual)
{
    fillProgramming();
    RecordSenders send(*db, state, link, log, flags);
    send.SendConfig();
    send.SendEvents();
    send.SendGroups();
    send.SendSched();
    send.SendClid();
    send.SendDip();
    send.SendBGM();
    send.SendEmer();
    send.SendCT();
    send.SendClock();
    send.SendClassService();
    send.SendAllDone();
    ASSERT_TRUE(flags.AllDone);
    EXPECT_EQ(link.sent.size(), 1 + 30 + 4 + 7 + 96 + 1 + 1 + 1 + 1 + 1 + 1 + 1);

    const QString target = app.copyTemplate(s("DEFAULT"), s("received.mdb"));
    AppState received;
    FakeTransferLink readerLink;
    {
        ReceiveTables tables(log);
        ASSERT_TRUE(tables.Open_Tables(target));
        RecordReaders read(tables, received, readerLink, log);
        for (const QString &body : link.sent) {
            switch (body.front().toLatin1()) {
            case 'X': read.ReadConfig(body); break;
            case 'E': read.ReadEvent(body); break;
            case 'G': read.ReadGroup(body); break;
            case 'W': read.ReadSched(body); break;
            case 'C': read.ReadClid(body); break;
            case 'D': read.ReadDip(body); break;
            case 'M': read.ReadBGM(body); break;
            case 'N': read.ReadEmer(body); break;
            case 'K': read.ReadCT(body); break;
            case 'I': read.REadClock(body); break;
            case 'P': read.ReadClassService(body); break;
            default: break;
            }
        }
    }
    EXPECT_TRUE(readerLink.log.isEmpty()) << readerLink.log.join(u'\n').toStdString();
    EXPECT_EQ(received.ExpansionBoards, 3);
    EXPECT_TRUE(received.ClockBoard);

    Database copy(target);
    for (const char *name : {"SchedDays", "Clid", "PageGroup", "ClassService", "DipSwitch", "Bgm", "EmergencyPG",
                             "TonesPG", "Config", "ClockDef"})
        EXPECT_EQ(table(copy, s(name)), table(*db, s(name))) << name;
    EXPECT_EQ(table(copy, s("Event"), s("Schedule, StartTime")), table(*db, s("Event"), s("Schedule, StartTime")));
}
