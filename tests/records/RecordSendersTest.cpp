#include "link/records/RecordSenders.h"

#include "RecordsFixture.h"

class Senders : public RecordsFixture {
protected:
    RecordSenders senders() { return RecordSenders(*db, state, link, log, flags, &progress); }
    void addEvent(int schedule, const char *time, int tone, int duration, int pageGroup)
    {
        exec(QStringLiteral(
                 "INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup%1) VALUES (?, ?, ?, ?, 1)")
                 .arg(pageGroup),
             {schedule, s(time), tone, duration});
    }
    RecordingProgress progress;
};

TEST_F(Senders, EventsGoByScheduleThenStartTime)
{
    addEvent(3, "07:45", 2, 5, 1);
    exec(s("UPDATE Event SET PageGroup16 = 1"));
    addEvent(1, "12:00", 1, 30, 4);
    addEvent(1, "08:30", 4, 59, 2);
    addEvent(3, "07:05", 1, 1, 3);
    senders().SendEvents();
    EXPECT_EQ(link.sent,
              (QStringList{s("E108:30459") + s("0100000000000000"), s("E112:00130") + s("0001000000000000"),
                           s("E307:05101") + s("0010000000000000"), s("E307:45205") + s("1000000000000001")}));
    EXPECT_FALSE(flags.AbortSession);
}

TEST_F(Senders, ARecordNotAcknowledgedStopsItsSender)
{
    for (int i = 0; i < 4; ++i)
        addEvent(1, QStringLiteral("0%1:00").arg(i).toLatin1().constData(), 1, 1, 1);
    link.answer = [](const QString &body) {
        return !body.startsWith(u"E101:00") && body != u"W3"
                                                       "0";
    };
    senders().SendEvents();
    EXPECT_EQ(link.sent.size(), 2);
    EXPECT_TRUE(flags.AbortSession);

    link.sent.clear();
    flags.clear();
    senders().SendSched();
    EXPECT_EQ(link.sent, (QStringList{s("W10"), s("W20"), s("W30")}));
    EXPECT_TRUE(flags.AbortSession);
}

TEST_F(Senders, ClockAndTonePageGroupsGoOnButAreListedAsRefused)
{
    exec(s("UPDATE ClockDef SET ClockEnabled = 1, ClockA = 7, ClockB = 12, Direction = 1, BCD_Type = 3"));
    exec(s("UPDATE TonesPG SET PageGroup2 = 0"));
    link.answer = [](const QString &) { return false; };
    auto send = senders();
    send.SendEmer();
    send.SendCT();
    send.SendClock();
    EXPECT_EQ(link.sent, (QStringList{s("N") + QString(16, u'1'), s("K1011111111111111"),
                                      s("I130712"
                                        "1")}));
    EXPECT_FALSE(flags.AbortSession);
    EXPECT_EQ(flags.Refused, link.sent);
    EXPECT_TRUE(link.exceptions);
}

TEST_F(Senders, StationsAdvanceTheProgressEveryThirdStation)
{
    exec(s("UPDATE Clid SET archnum = '123', clid_string = '' WHERE clid_station = 7"));
    senders().SendClid();
    ASSERT_EQ(link.sent.size(), 96);
    EXPECT_EQ(link.sent[6], s("C07123 ") + QString(15, u' '));
    QList<int> expected{30};
    for (int p = 31; p <= 62; ++p)
        expected << p;
    EXPECT_EQ(progress.percents(), expected);
    EXPECT_EQ(progress.shown.first().label, s("Sending Data:"));
    EXPECT_EQ(progress.shown.last().text, s("CLID"));
}

TEST_F(Senders, StationsStopAtTheFirstRefusal)
{
    link.answer = [](const QString &body) { return !body.startsWith(u"C05"); };
    senders().SendClid();
    EXPECT_EQ(link.sent.size(), 5);
    EXPECT_TRUE(flags.AbortSession);
}

TEST_F(Senders, OptionsAudioClassOfServiceAndConfiguration)
{
    exec(s("UPDATE DipSwitch SET QueueTone = 0, DialTone = 0, HfAlertTone = 0, PageAlertTone = 0, RingbackTone = 0, "
           "PrivacyTone = 0, RingPattern = 1"));
    exec(s("UPDATE Bgm SET PageGroup1 = 1"));
    exec(s("UPDATE ClassService SET Service = 2"));
    exec(s("UPDATE PageGroup SET PageGroup1 = 1 WHERE DialCode = 2"));
    state.ExpansionBoards = 0;
    auto send = senders();
    send.SendConfig();
    send.SendGroups();
    send.SendDip();
    send.SendBGM();
    send.SendClassService();
    EXPECT_EQ(link.sent, (QStringList{s("X0"), s("G0") + QString(16, u'0'), s("G1") + QString(16, u'0'),
                                      s("G21") + QString(15, u'0'), s("G3") + QString(16, u'0'),
                                      s("D") + QString(13, u'1') + s("10") + s("1"), s("M0") + QString(15, u'1'),
                                      s("P2222") + QString(12, u'1')}));
}

TEST_F(Senders, EndOfDataSetsAllDoneOnlyWhenAcknowledged)
{
    senders().SendAllDone();
    EXPECT_TRUE(flags.AllDone);
    EXPECT_FALSE(flags.AbortSession);

    flags.clear();
    link.answer = [](const QString &) { return false; };
    senders().SendAllDone();
    EXPECT_FALSE(flags.AllDone);
    EXPECT_TRUE(flags.AbortSession);
}

TEST_F(Senders, AMissingTableIsLoggedAndNothingIsSent)
{
    exec(s("DROP TABLE Bgm"));
    exec(s("DROP TABLE SchedDays"));
    auto send = senders();
    send.SendBGM();
    send.SendSched();
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_EQ(link.log, (QStringList{s("ERROR 3078 SENDING MESSAGE (SendBgm): M"),
                                     s("ERROR 3078 SENDING MESSAGE (SendSched): ")}));
    EXPECT_TRUE(link.exceptions);
    Database errors(app.context().paths.ErrorsDbPath());
    EXPECT_EQ(errors.scalar(s("SELECT errfcn FROM Error WHERE errno = 3078 ORDER BY rowid LIMIT 1"))->toString(),
              s("SendBGM"));
}

TEST_F(Senders, AMalformedBodyIsNeverSentAndStopsTheSend)
{
    // The value check refuses these; the senders still never let them out.
    exec(s("UPDATE DipSwitch SET RingPattern = 5"));
    exec(s("UPDATE ClockDef SET Direction = 12"));
    auto send = senders();
    send.SendDip();
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_TRUE(flags.AbortSession);
    flags.clear();
    send.SendClock(); // its answer is otherwise ignored, but a malformed body stops the send
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_TRUE(flags.AbortSession);
    EXPECT_EQ(link.log, (QStringList{s("ERROR MALFORMED MESSAGE NOT SENT (SendDip): 15 characters where 17 are needed: "
                                       "D11111000000111"),
                                     s("ERROR MALFORMED MESSAGE NOT SENT (SendClock): 9 characters where 8 are needed: "
                                       "I12001010")}));
    EXPECT_TRUE(link.exceptions);
    Database errors(app.context().paths.ErrorsDbPath());
    EXPECT_EQ(errors.rows(s("SELECT errno, errfcn FROM Error ORDER BY rowid")),
              (QList<QVariantList>{{5, s("SendDip")}, {5, s("SendClock")}}));
}
