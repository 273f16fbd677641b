#include "core/ShutDown.h"
#include "core/FileCommands.h"

#include "TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
// Records every step of a shut-down, host and callbacks alike, in one list.
class Recorder : public ShutDownHost, public FileCommands {
public:
    explicit Recorder(AppState &state) : m_state(state) {}
    bool closeEnabled() const override { return configurationOpen; }
    bool modemReleaseEnabled() const override { return modemLinked; }
    QSize windowSizeTwips() const override { return QSize(9000, 6000); }
    void setBusyCursor(bool busy) override { steps << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
    void unloadAllWindows() override { steps << QStringLiteral("unload windows"); }

    void mnuFileNew_Click() override {}
    void mnuFileOpen_Click() override {}
    bool OpenDatabase(QString) override { return false; }
    void mnuFileClose_Click() override
    {
        steps << QStringLiteral("close");
        m_state.CancelClose = cancelClose;
    }
    void mnuFileSave_Click() override {}
    void mnuFileSaveAs_Click() override {}
    void shutDownWithoutQuestions() override { steps << QStringLiteral("keep work"); }

    bool configurationOpen = true;
    bool modemLinked = false;
    bool releases = true;
    bool cancelClose = false;
    QStringList steps;

private:
    AppState &m_state;
};

class ShutDownSequence : public ::testing::Test {
protected:
    void SetUp() override
    {
        shutDown.setFileCommands(&host);
        ShutDown::Callbacks &c = shutDown.callbacks();
        c.releaseModem = [this] {
            host.steps << QStringLiteral("release");
            return host.releases;
        };
        c.exitComm = [this] { host.steps << QStringLiteral("exit comm"); };
        c.modemReleaseCommand = [this] { host.steps << QStringLiteral("release command"); };
    }
    bool settingsSaved()
    {
        QFile ini(app.context().paths.IniFilePath());
        return ini.open(QIODevice::ReadOnly) && ini.readAll().contains("MDI Height=6000");
    }

    TempAppFolder app;
    Recorder host{app.context().state};
    ShutDown shutDown{app.context(), host};
};
} // namespace

TEST_F(ShutDownSequence, CloseRunsEveryStepInOrderAndCancelKeepsTheWindowButNotTheSteps)
{
    host.modemLinked = true;
    EXPECT_TRUE(shutDown.queryClose());
    EXPECT_EQ(host.steps, (QStringList{"busy", "close", "release", "exit comm", "idle"}));
    EXPECT_TRUE(settingsSaved());
    EXPECT_TRUE(QFile::exists(app.context().paths.file(QStringLiteral("errors.old")))); // compacted

    host.steps.clear();
    host.cancelClose = true;
    host.modemLinked = false;
    EXPECT_FALSE(shutDown.queryClose());
    EXPECT_EQ(host.steps, (QStringList{"busy", "close", "exit comm", "idle"}));
    EXPECT_TRUE(app.prompter().asked().isEmpty());

    // No configuration open: nothing to close.
    host.steps.clear();
    host.configurationOpen = false;
    EXPECT_TRUE(shutDown.queryClose());
    EXPECT_EQ(host.steps, (QStringList{"busy", "exit comm", "idle"}));
}

// The modem block of the three shut-down paths: what is asked, and what an answer does.
TEST_F(ShutDownSequence, AModemThatDoesNotReleaseIsAskedAboutOnCloseAndUnloadAndLoggedOnASignal)
{
    host.modemLinked = true;
    host.releases = false;
    ScriptedPrompter &p = app.prompter();

    p.answer(Prompter::AnswerNo);
    EXPECT_FALSE(shutDown.queryClose());
    p.answer(Prompter::AnswerYes);
    EXPECT_TRUE(shutDown.queryClose());
    EXPECT_EQ(p.texts(), (QStringList{ShutDown::kShutDownAnyway, ShutDown::kShutDownAnyway}));
    EXPECT_EQ(p.asked()[0].title, QStringLiteral("System Configuration"));
    EXPECT_EQ(p.asked()[0].buttons, Prompter::YesNo);
    EXPECT_EQ(p.asked()[0].icon, Prompter::Exclamation);

    p.clear();
    host.steps.clear();
    p.answer(Prompter::AnswerYes);
    shutDown.unload();
    EXPECT_EQ(p.texts(), QStringList{ShutDown::kTryAgain});
    EXPECT_EQ(host.steps, (QStringList{"release", "release command", "exit comm", "unload windows"}));

    p.clear();
    host.steps.clear();
    shutDown.withoutQuestions();
    EXPECT_TRUE(p.asked().isEmpty());
    EXPECT_EQ(host.steps, (QStringList{"keep work", "release", "exit comm"}));
    EXPECT_TRUE(settingsSaved());
}

TEST_F(ShutDownSequence, AReleaseUnderWayIsOnlyMentionedAndNotRepeated)
{
    host.modemLinked = true;
    app.context().state.ModemReleasing = true;
    app.prompter().answer(Prompter::AnswerNo);
    EXPECT_TRUE(shutDown.queryClose()); // the answer changes nothing
    shutDown.unload();
    EXPECT_EQ(app.prompter().texts(), (QStringList{ShutDown::kModemBeingReleased, ShutDown::kModemBeingReleased}));
    EXPECT_FALSE(host.steps.contains(QStringLiteral("release")));

    host.steps.clear();
    app.prompter().clear();
    shutDown.withoutQuestions();
    EXPECT_TRUE(app.prompter().asked().isEmpty());
    EXPECT_FALSE(host.steps.contains(QStringLiteral("release")));
}
