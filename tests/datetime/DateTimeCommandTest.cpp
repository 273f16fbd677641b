// The Date/Time command: connection, daylight-saving and date queries, the
// mend of an impossible controller clock, and the busy rule.
#include "DateTimeFixture.h"

namespace {
const QString kNotConnected =
    QStringLiteral("Cannot perform 'Set System Date and Time'.\n\rCommunications not established.");
}

TEST_F(DateTimeFixture, ReadsTheControllerAndShowsTheDialog)
{
    run();
    ASSERT_EQ(dialogs, 1);
    EXPECT_TRUE(inProgressDuringDialog);
    EXPECT_FALSE(app.context().state.DateTimeInProgress);
    EXPECT_EQ(command->lastSession().reply, "T120000010106");
    EXPECT_EQ(command->lastSession().daylight, (DateTimeMessages::Daylight{true, true}));
    EXPECT_EQ(received(), (QStringList{"Z", "Q"}));
    EXPECT_EQ(screen.shown,
              QStringList{QStringLiteral("Preparing to Communicate | Preparing to communicate with Linnet system...")});
    EXPECT_FALSE(screen.open);
    EXPECT_EQ(host.disabled, 1);
    EXPECT_EQ(host.enabled, 1);
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST_F(DateTimeFixture, ZNotAcknowledgedClearsBothFlagsSilently)
{
    sim.faults().naks['Z'] = 5;
    run();
    ASSERT_EQ(dialogs, 1);
    EXPECT_EQ(command->lastSession().daylight, (DateTimeMessages::Daylight{false, false}));
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST_F(DateTimeFixture, ImpossibleControllerDateIsSetFromThePcFirst)
{
    controllerClock.setClockLost(true);
    run();
    ASSERT_EQ(dialogs, 1);
    EXPECT_EQ(received(), (QStringList{"Z", "Q", "T090407030507", "Z", "Q"}));
    // The dialog shows what the controller reports once corrected.
    EXPECT_EQ(command->lastSession().reply, "T090407030507");
}

TEST_F(DateTimeFixture, AClockThatStaysImpossibleEndsAfterThreeSettings)
{
    controllerClock.setClockLost(true);
    sim.registerHandler('T', [](SimCore &, const QByteArray &) {}); // takes the setting, keeps its clock
    run();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(received().count(QStringLiteral("T090407030507")), DateTimeCommand::kSetFromPcTries);
    EXPECT_EQ(app.prompter().texts(), QStringList{kNotConnected});
    EXPECT_FALSE(app.context().state.DateTimeInProgress);
    EXPECT_EQ(host.enabled, 1);
}

TEST_F(DateTimeFixture, ConnectionFailuresGiveTheMessageAndNoDialog)
{
    struct Case {
        const char *name;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"port cannot open", [this] { port.failNextOpen(QStringLiteral("busy")); }},
        {"silent controller", [this] { sim.faults().silent = true; }},
        {"Q refused", [this] { sim.faults().naks['Q'] = 5; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        app.prompter().clear();
        comm.Exit_Comm();
        sim.faults() = {};
        c.arrange();
        dialogs = 0;
        run();
        EXPECT_EQ(dialogs, 0);
        ASSERT_EQ(app.prompter().asked().size(), 1);
        EXPECT_EQ(app.prompter().asked().first().text, kNotConnected);
        EXPECT_EQ(app.prompter().asked().first().title, QStringLiteral("Linnet Programming Tool"));
        EXPECT_EQ(app.prompter().asked().first().icon, Prompter::Exclamation);
        EXPECT_EQ(command->lastResult(), DateTimeCommand::Result::NotConnected);
        EXPECT_FALSE(app.context().state.DateTimeInProgress);
        EXPECT_FALSE(screen.open);
    }
}

TEST_F(DateTimeFixture, DoesNothingWhileBusy)
{
    struct Case {
        const char *name;
        QList<BusyHost::Loaded> extra;
        bool inProgress;
    };
    const QString title = QStringLiteral("Linnet Programming Tool");
    const Case cases[] = {
        {"progress window", {{QStringLiteral("frmMsgWait"), title}}, false},
        {"dialling", {{QStringLiteral("frmPhoneList"), QStringLiteral("Dialing Modem")}}, false},
        {"progress over an editor",
         {{QStringLiteral("frmSched"), QStringLiteral("Schedule 1")}, {QStringLiteral("frmMsgWait"), title}},
         false},
        {"already running", {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        host.windows = {{QStringLiteral("frmMenu"), title}};
        host.windows << c.extra;
        app.context().state.DateTimeInProgress = c.inProgress;
        run();
        EXPECT_EQ(command->lastResult(), DateTimeCommand::Result::Busy);
        EXPECT_TRUE(port.writes().isEmpty());
        EXPECT_EQ(dialogs, 0);
        EXPECT_EQ(app.context().state.DateTimeInProgress, c.inProgress);
    }
    // An editor alone is no reason to refuse.
    host.windows = {{QStringLiteral("frmMenu"), title}, {QStringLiteral("frmSched"), QStringLiteral("Schedule 1")}};
    app.context().state.DateTimeInProgress = false;
    run();
    EXPECT_EQ(dialogs, 1);
}

TEST_F(DateTimeFixture, UpdateSendsThroughTheLink)
{
    run([](DateTimeSession &s) {
        EXPECT_TRUE(s.sendDaylight(false));
        EXPECT_TRUE(s.sendDateTime("T101112020306"));
    });
    EXPECT_EQ(received().mid(2), (QStringList{"U01", "T101112020306"}));
    EXPECT_FALSE(controllerClock.daylightEnabled());
    EXPECT_EQ(controllerClock.dateTimeReply(), "T101112020306");
}
