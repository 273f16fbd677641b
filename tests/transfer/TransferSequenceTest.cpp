#include "TransferFixture.h"

#include "DamagedFiles.h"
#include "link/LinkFrame.h"
#include "link/Revisions.h"

namespace {
const QString kSendFailed = QStringLiteral("Error sending data to Linnet.");
const QString kSendDone = QStringLiteral("Send data completed successfully.");
const QStringList kTables = {QStringLiteral("SchedDays"),    QStringLiteral("Clid"),      QStringLiteral("PageGroup"),
                             QStringLiteral("ClassService"), QStringLiteral("DipSwitch"), QStringLiteral("Bgm"),
                             QStringLiteral("EmergencyPG"),  QStringLiteral("TonesPG"),   QStringLiteral("Config"),
                             QStringLiteral("ClockDef")};
} // namespace

class SendSequence : public TransferFixture {};

TEST_F(SendSequence, AFullSendShowsEveryProgressValueInOrder)
{
    for (int e = 0; e < 3; ++e)
        work(QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup1) VALUES (2, '0%1:15', 1)").arg(e));
    commands.mnuSend_Click();

    EXPECT_EQ(messages(), QStringList{kSendDone});
    QList<int> expected{1, 3, 10, 20, 30};
    for (int p = 31; p <= 62; ++p)
        expected << p;
    expected << 75 << 80 << 90 << 98 << 100;
    EXPECT_EQ(screen.distinctPercents(), expected);
    EXPECT_EQ(screen.shown.last(), QStringLiteral("Finished||100"));
    EXPECT_EQ(host.saveOpenForms, QStringList{QStringLiteral("Send Data")});
    EXPECT_EQ(host.menus, (QStringList{QStringLiteral("disable"), QStringLiteral("enable")}));

    const QStringList sent = framesSent();
    QStringList letters;
    for (const QString &body : sent)
        if (letters.isEmpty() || letters.last() != body.left(1))
            letters << body.left(1);
    EXPECT_EQ(letters.join(QString()), QStringLiteral("HSXEGWCDMNKIPA"));
    EXPECT_EQ(sent.count(QStringLiteral("S")), 1);
    EXPECT_TRUE(screen.exceptions.isEmpty());
    EXPECT_TRUE(programming.problems().isEmpty()) << programming.problems().join(u'\n').toStdString();
}

TEST_F(SendSequence, ASilentControllerIsTriedFiveTimesWithoutTheRevisionQuestion)
{
    sim.faults().silent = true;
    commands.mnuSend_Click();
    EXPECT_EQ(comm.revisions().LinkStatusText, QStringLiteral("** Not Communicating **"));
    EXPECT_EQ(messages(), QStringList{kSendFailed});
    EXPECT_EQ(framesSent().count(QStringLiteral("S")), 5);
    EXPECT_FALSE(commands.succeeded());
}

TEST_F(SendSequence, FiveNaksToTheRevisionRequestAskWhetherToContinue)
{
    sim.faults().naks['H'] = 5;
    commands.mnuSend_Click(); // the scripted answer is No
    EXPECT_EQ(messages(), QStringList{SendWarningText(QStringLiteral("Linnet"))});
    EXPECT_FALSE(framesSent().contains(QStringLiteral("S")));
    EXPECT_EQ(screen.events.last(), QStringLiteral("close"));

    app.prompter().clear();
    sim.faults().naks['H'] = 5;
    app.prompter().answer(Prompter::AnswerYes);
    commands.mnuSend_Click();
    EXPECT_EQ(messages().last(), kSendDone);
}

TEST_F(SendSequence, AnEventRefusedFiveTimesEndsTheSendAfterTheEvents)
{
    work(QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup1) VALUES (1, '08:00', 1)"));
    work(QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup1) VALUES (1, '09:00', 1)"));
    sim.faults().naks['E'] = 5;
    commands.mnuSend_Click();
    const QStringList sent = framesSent();
    EXPECT_EQ(sent.count(QStringLiteral("E108:001011000000000000000")), 5);
    EXPECT_EQ(sent.last().left(1), QStringLiteral("E"));
    EXPECT_EQ(messages(), QStringList{kSendFailed});
}

// Records whose refusal does not stop the sequence: the rest is still sent,
// but the send is a failure that names the refused record.
struct RefusedRecord {
    char type;
    const char *laterTypes; // records still sent after the refused one
};
void PrintTo(const RefusedRecord &c, std::ostream *os)
{
    *os << c.type << " refused";
}
class RefusedRecordSend : public TransferFixture, public ::testing::WithParamInterface<RefusedRecord> {};

TEST_P(RefusedRecordSend, GoesOnButEndsInTheErrorNamingTheRecord)
{
    const RefusedRecord c = GetParam();
    sim.faults().naks[c.type] = 5;
    commands.mnuSend_Click();

    const QStringList sent = framesSent();
    QString refused;
    for (const QString &body : sent)
        if (body.startsWith(QLatin1Char(c.type)))
            refused = body;
    ASSERT_FALSE(refused.isEmpty());
    EXPECT_EQ(sent.count(refused), 5);
    for (const char *t = c.laterTypes; *t; ++t)
        EXPECT_TRUE(
            std::any_of(sent.begin(), sent.end(), [t](const QString &b) { return b.startsWith(QLatin1Char(*t)); }))
            << "no " << *t << " after the refused " << c.type;
    EXPECT_EQ(messages(), QStringList{kSendFailed});
    EXPECT_FALSE(commands.succeeded());
    ASSERT_EQ(screen.exceptions.size(), 1);
    EXPECT_TRUE(screen.exceptions.first().contains(QStringLiteral("Refused by the controller:\r\n") + refused))
        << screen.exceptions.first().toStdString();
    EXPECT_TRUE(commLog().contains(QStringLiteral("ERROR : RECORD REFUSED BY THE CONTROLLER: ") + refused));
}

INSTANTIATE_TEST_SUITE_P(Records, RefusedRecordSend,
                         ::testing::Values(RefusedRecord{'N', "KIPA"}, RefusedRecord{'K', "IPA"},
                                           RefusedRecord{'I', "PA"}, RefusedRecord{'A', ""}),
                         [](const auto &info) { return std::string("Type") + info.param.type; });

TEST_F(SendSequence, ADeviceThatGoesAwayIsNamedInTheFailureAndTheLog)
{
    port.setResponder([this](const QByteArray &written) {
        if (written.startsWith('C'))
            port.close(); // unplugged while the stations go out
        sim.receive(written.constData(), std::size_t(written.size()), clock.now());
        return sim.takeDue(clock.now());
    });
    commands.mnuSend_Click();

    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().first(), kSendFailed + QStringLiteral("\r\nThe serial device ") + port.device() +
                                      QStringLiteral(" went away (unplugged or switched off?)."));
    EXPECT_TRUE(
        commLog().contains(QStringLiteral("ERROR : the device ") + port.device() + QStringLiteral(" went away")));
    EXPECT_FALSE(commands.succeeded());
}

TEST_F(SendSequence, CancellingTheOpenEditorsSendsNothing)
{
    state.CurrentFileName.clear(); // nothing open and no File > Open to run
    commands.mnuSend_Click();
    EXPECT_TRUE(port.writes().isEmpty());
    EXPECT_FALSE(QFile::exists(app.context().paths.CommLogPath()));
    EXPECT_EQ(host.menus.last(), QStringLiteral("enable"));
}

class SendOfADamagedFile : public TransferFixture, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(SendOfADamagedFile, IsRefusedWithTheNamedCellAndNothingReachesThePort)
{
    damage(app.context().paths.TempDbPath(), GetParam());
    commands.mnuSend_Click();
    ASSERT_EQ(app.prompter().asked().size(), 1);
    const ScriptedPrompter::Prompt &refusal = app.prompter().asked().first();
    EXPECT_TRUE(refusal.text.split(QStringLiteral("\r\n")).contains(GetParam().refusal)) << refusal.text.toStdString();
    EXPECT_EQ(refusal.icon, Prompter::Exclamation);
    EXPECT_EQ(refusal.title, QStringLiteral("Linnet Programming Tool"));
    EXPECT_TRUE(port.writes().isEmpty());
    EXPECT_FALSE(QFile::exists(app.context().paths.CommLogPath()));
    EXPECT_EQ(host.menus, (QStringList{QStringLiteral("disable"), QStringLiteral("enable")}));
    EXPECT_EQ(screen.events.last(), QStringLiteral("close"));
    EXPECT_TRUE(commands.refused());
    EXPECT_FALSE(commands.succeeded());
}

INSTANTIATE_TEST_SUITE_P(Files, SendOfADamagedFile, ::testing::ValuesIn(damagedFiles()),
                         [](const auto &info) { return std::string(info.param.name); });

class ReceiveSequence : public TransferFixture {
protected:
    // A programming with every board, stations, events and options, sent to the
    // controller; the working database is then what was sent.
    void sendFullProgramming()
    {
        work(QStringLiteral("UPDATE Config SET System_Config = 3"));
        state.ExpansionBoards = 3;
        for (int e = 0; e < 12; ++e)
            work(QStringLiteral("INSERT INTO Event VALUES (%1, '%2:30', %3, %4, 1,0,1,0, 0,0,0,0, 0,1,0,0, 0,0,0,%5)")
                     .arg(1 + e % 6)
                     .arg(10 + e)
                     .arg(1 + e % 4)
                     .arg(5 + e)
                     .arg(e % 2));
        work(QStringLiteral("UPDATE Clid SET archnum = substr('0000' || (clid_station * 11), -4, 4), "
                            "clid_string = substr('Station ' || clid_station || '        ', 1, 15)"));
        work(QStringLiteral("UPDATE SchedDays SET Monday = (Schedule = 3), Saturday = (Schedule = 6)"));
        work(QStringLiteral("UPDATE PageGroup SET PageGroup9 = 1, PageGroup2 = (DialCode = 1)"));
        work(QStringLiteral("UPDATE ClassService SET Service = (\"Group\" % 3)"));
        work(QStringLiteral("UPDATE DipSwitch SET LowStn21 = 1, RingPattern = 1, ExtToneSource = 1"));
        work(QStringLiteral("UPDATE Bgm SET PageGroup3 = 1, PageGroup16 = 1"));
        work(QStringLiteral("UPDATE TonesPG SET PageGroup5 = 0"));
        work(QStringLiteral("UPDATE ClockDef SET ClockEnabled = 1, ClockA = 3, ClockB = 8, Direction = 1"));
        commands.mnuSend_Click();
        ASSERT_EQ(messages(), QStringList{kSendDone});
        sent = app.file(QStringLiteral("sent.mdb"));
        ASSERT_TRUE(QFile::copy(app.context().paths.TempDbPath(), sent));
        app.prompter().clear();
        screen = RecordingScreen();
    }
    QString sent;
};

TEST_F(ReceiveSequence, WhatWasSentComesBackIntoAnUntitledConfiguration)
{
    sendFullProgramming();
    work(QStringLiteral("DELETE FROM Event"));
    commands.mnuRx_Click();

    EXPECT_EQ(messages(), QStringList{QStringLiteral("Receive Data completed successfully.")});
    const QString working = app.context().paths.TempDbPath();
    for (const QString &table : kTables)
        EXPECT_EQ(rows(working, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid")),
                  rows(sent, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid")))
            << table.toStdString();
    EXPECT_EQ(rows(working, QStringLiteral("SELECT * FROM Event ORDER BY Schedule, StartTime")),
              rows(sent, QStringLiteral("SELECT * FROM Event ORDER BY Schedule, StartTime")));
    EXPECT_EQ(state.TotalEvents, 12);
    EXPECT_EQ(state.ExpansionBoards, 3);
    EXPECT_TRUE(state.ClockBoard);
    EXPECT_EQ(state.CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_EQ(host.caption(), QStringLiteral("Linnet Programming Tool - Untitled"));
    EXPECT_EQ(host.switchBoard, 1);
    EXPECT_EQ(updateData, 0); // the controller is 2.00

    // 96 stations move the progress from 50 to 82, one step per three stations.
    QList<int> clid;
    for (const QString &line : screen.shown)
        if (line.startsWith(QStringLiteral("Receiving data...|CLID|")))
            clid << line.section(u'|', 2).toInt();
    ASSERT_EQ(clid.size(), 96);
    EXPECT_EQ(clid.first(), 50);
    EXPECT_EQ(clid.last(), 82);
    EXPECT_EQ(screen.percents.last(), 100);
}

TEST_F(ReceiveSequence, BoardsTheReceivedConfigurationLacksAreCleared)
{
    // The controller holds page groups beyond its one expansion board.
    work(QStringLiteral("UPDATE Config SET System_Config = 1"));
    state.ExpansionBoards = 1;
    work(QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup12) VALUES (1, '08:00', 1)"));
    work(QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup2) VALUES (1, '09:00', 1)"));
    work(QStringLiteral("UPDATE Clid SET clid_string = 'Far station    ' WHERE clid_station = 60"));
    commands.mnuSend_Click();
    commands.mnuRx_Click();
    const QString working = app.context().paths.TempDbPath();
    EXPECT_EQ(rows(working, QStringLiteral("SELECT StartTime FROM Event")),
              QList<QVariantList>{{QStringLiteral("09:00")}});
    EXPECT_EQ(state.TotalEvents, 1);
    EXPECT_EQ(rows(working, QStringLiteral("SELECT clid_string FROM Clid WHERE clid_station = 60")),
              QList<QVariantList>{{QString()}});
    EXPECT_EQ(rows(working, QStringLiteral("SELECT PageGroup8, PageGroup9 FROM TonesPG")),
              (QList<QVariantList>{{1, 0}}));
}

TEST_F(ReceiveSequence, ANewerControllerMayAddMessagesThisToolDoesNotKnow)
{
    sim.setRevision({2, 10});
    programming.setNewerType(true);
    commands.mnuRx_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Receive Data completed successfully.")});
    EXPECT_TRUE(commLog().contains(QStringLiteral("Ignore Message Due to Rev Conflicts")));
    EXPECT_EQ(host.caption(), QStringLiteral("Linnet Programming Tool - Untitled"));
}

TEST_F(ReceiveSequence, TheSameMessageFromA200ControllerEndsTheReceive)
{
    programming.setNewerType(true);
    commands.mnuRx_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Error receiving data")});
    EXPECT_EQ(commLog().count(QStringLiteral("5 - NACK:  Y12") + QString::fromLatin1(LinkFrame::checksum("Y12"))), 1);
    EXPECT_NE(state.CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_EQ(host.caption(), QStringLiteral("Linnet Programming Tool"));
}

TEST_F(ReceiveSequence, AnOlderControllerIsPostProcessedWhateverTheOutcome)
{
    sim.faults().naks['H'] = 5;
    sim.faults().naks['R'] = 5;
    commands.mnuRx_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Error receiving data")});
    EXPECT_EQ(updateData, 1);
}

TEST_F(ReceiveSequence, TextTravelsAsWindows1252BothWays)
{
    const QString text = QStringLiteral("“Café” – 5 € ŒŸ");
    ASSERT_EQ(text.size(), 15);
    work(QStringLiteral("UPDATE Clid SET clid_string = '%1' WHERE clid_station = 4").arg(text));
    commands.mnuSend_Click();
    ASSERT_EQ(messages(), QStringList{kSendDone});
    // One byte per character, the checksum summed over those bytes.
    const QByteArray body("C04    \x93"
                          "Caf\xE9\x94 \x96 5 \x80 \x8C\x9F");
    EXPECT_TRUE(port.writes().contains(body + LinkFrame::checksum(body) + QByteArray("\r\0", 2)));

    // The controller sends the same bytes back; they are stored as the characters.
    commands.mnuRx_Click();
    ASSERT_EQ(messages().last(), QStringLiteral("Receive Data completed successfully."));
    QFile trace(app.context().paths.RxTracePath());
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_TRUE(trace.readAll().contains(body + LinkFrame::checksum(body)));
    EXPECT_EQ(
        rows(app.context().paths.TempDbPath(), QStringLiteral("SELECT clid_string FROM Clid WHERE clid_station = 4")),
        QList<QVariantList>{{text}});
}
