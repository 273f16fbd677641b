#include "LifecycleFixture.h"

#include <QFile>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Unsaved work left by a tool that was killed: the next start offers it back.
namespace {
const QString kChangedArchNum = QStringLiteral("4711");

QString question(const QString &changes)
{
    return QStringLiteral("The Programming Tool was not shut down properly last time, and ") + changes +
           QStringLiteral(" were not saved.\r\n\r\nRecover opens the configuration with these changes as "
                          "\"Untitled\"; save it with Save As to keep them.\r\nDiscard deletes these changes for "
                          "good.");
}

// The next start of the tool on the same application folder: fresh state, a
// fresh main window, its own prompter.
struct NextStart {
    NextStart(const AppPaths &paths, const QString &title)
        : context(paths, prompter, registry), window(context.state, title), files(context)
    {
        context.state.variant.ProductTitle = title;
        context.host = &window;
    }
    ScriptedPrompter prompter;
    FixedRegistry registry{QStringLiteral("6.0")};
    AppContext context;
    FakeMainWindow window;
    FileLifecycle files;
};
} // namespace

class Recovery : public LifecycleTest {
public:
    // Runs steps in a child process that is then killed (no clean-up of any kind runs).
    void runAndKill(const std::function<void()> &steps)
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            steps();
            ::raise(SIGKILL);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    // Opens file, changes station 1's number in the working copy and marks the change, as an editor does.
    void openAndChange(const QString &file)
    {
        EXPECT_TRUE(files.OpenDatabase(file));
        exec(paths().TempDbPath(),
             {QStringLiteral("UPDATE Clid SET archnum = '%1' WHERE clid_station = 1").arg(kChangedArchNum)});
        state().UnsavedChanges = true;
    }
    QString archNum(const QString &file)
    {
        return value(file, QStringLiteral("SELECT archnum FROM Clid WHERE clid_station = 1")).toString();
    }
};

TEST_F(Recovery, RecoverOpensTheChangesAsUntitled)
{
    const QString file = validFile();
    const QByteArray before = bytes(file);
    runAndKill([&] { openAndChange(file); });

    NextStart next(paths(), kTitle);
    next.prompter.answer(Prompter::AnswerYes);
    ASSERT_TRUE(next.files.offerRecovery());

    ASSERT_EQ(next.prompter.asked().size(), 1);
    EXPECT_EQ(next.prompter.asked()[0].text, question(QStringLiteral("the changes to ") + file));
    EXPECT_EQ(next.prompter.asked()[0].title, kTitle);
    EXPECT_EQ(next.prompter.asked()[0].buttons, Prompter::RecoverDiscard);
    EXPECT_EQ(next.prompter.asked()[0].icon, Prompter::Exclamation);
    const AppState &s = next.context.state;
    EXPECT_EQ(s.CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_TRUE(s.UnsavedChanges);
    EXPECT_EQ(next.window.caption(), kTitle + QStringLiteral(" - Untitled"));
    EXPECT_EQ(next.window.fileMenuOptions, 1);
    EXPECT_EQ(next.window.switchBoardShown, 1);
    EXPECT_TRUE(next.window.saveOn);
    EXPECT_EQ(archNum(paths().TempDbPath()), kChangedArchNum);
    EXPECT_EQ(bytes(file), before) << "recovering never writes the user's file";

    // Save As keeps the changes where the user says.
    const QString kept = app.file(QStringLiteral("KEPT.MDB"));
    next.window.saveAnswers = {kept};
    next.files.mnuFileSaveAs_Click();
    EXPECT_EQ(archNum(kept), kChangedArchNum);
    EXPECT_FALSE(QFile::exists(paths().UnsavedMarkerPath()));
    EXPECT_EQ(bytes(file), before);
}

TEST_F(Recovery, DiscardDeletesTheChangesAndIsNotAskedAgain)
{
    const QString file = validFile();
    const QByteArray before = bytes(file);
    runAndKill([&] { openAndChange(file); });

    NextStart next(paths(), kTitle);
    next.prompter.answer(Prompter::AnswerNo);
    EXPECT_FALSE(next.files.offerRecovery());
    EXPECT_EQ(next.prompter.asked().size(), 1);
    EXPECT_TRUE(next.context.state.CurrentFileName.isEmpty());
    EXPECT_FALSE(QFile::exists(paths().TempDbPath()));
    EXPECT_FALSE(QFile::exists(paths().UnsavedMarkerPath()));
    EXPECT_EQ(bytes(file), before);

    NextStart after(paths(), kTitle);
    EXPECT_FALSE(after.files.offerRecovery());
    EXPECT_TRUE(after.prompter.asked().isEmpty());
}

// A configuration never saved: the question says so, and Recover brings it back.
TEST_F(Recovery, ANewConfigurationIsOfferedToo)
{
    runAndKill([&] {
        files.mnuFileNew_Click();
        exec(paths().TempDbPath(), {QStringLiteral("UPDATE Clid SET archnum = '4711' WHERE clid_station = 1")});
        state().UnsavedChanges = true;
    });
    NextStart next(paths(), kTitle);
    ASSERT_TRUE(next.files.offerRecovery()); // the cautious answer: Recover
    EXPECT_EQ(next.prompter.texts(),
              QStringList{question(QStringLiteral("the changes to a new configuration that was never saved"))});
    EXPECT_EQ(archNum(paths().TempDbPath()), kChangedArchNum);
}

// Nothing to offer: no change since the last save, or the tool closed normally.
TEST_F(Recovery, NothingIsOfferedWithoutUnsavedChanges)
{
    struct Case {
        const char *situation;
        std::function<void(const QString &)> steps;
    };
    const QList<Case> cases{
        {"opened, not changed", [this](const QString &f) { EXPECT_TRUE(files.OpenDatabase(f)); }},
        {"changed, then saved",
         [this](const QString &f) {
             openAndChange(f);
             files.mnuFileSave_Click();
         }},
        {"changed, closed without saving",
         [this](const QString &f) {
             openAndChange(f);
             prompter().answer(Prompter::AnswerNo);
             files.mnuFileClose_Click();
         }},
    };
    for (const Case &c : cases) {
        const QString file = validFile();
        runAndKill([&] { c.steps(file); });
        EXPECT_FALSE(QFile::exists(paths().UnsavedMarkerPath())) << c.situation;
        NextStart next(paths(), kTitle);
        EXPECT_FALSE(next.files.offerRecovery()) << c.situation;
        EXPECT_TRUE(next.prompter.asked().isEmpty()) << c.situation;
    }
}

// A termination signal ends the tool without questions: unsaved work stays
// for the next start, a clean working copy goes as Close removes it.
TEST_F(Recovery, AShutDownWithoutQuestionsKeepsOnlyUnsavedWork)
{
    struct Case {
        const char *situation;
        bool untitled, unsaved, kept;
    };
    for (const Case c : {Case{"clean", false, false, false}, Case{"changed", false, true, true},
                         Case{"untitled", true, false, true}}) {
        runAndKill([&] {
            if (c.untitled)
                files.mnuFileNew_Click();
            else
                openValidFile();
            state().UnsavedChanges = c.unsaved;
            prompter().clear();
            files.shutDownWithoutQuestions();
            if (!prompter().asked().isEmpty())
                ::_exit(1);
        });
        EXPECT_EQ(QFile::exists(paths().TempDbPath()), c.kept) << c.situation;
        EXPECT_EQ(QFile::exists(paths().UnsavedMarkerPath()), c.kept) << c.situation;
        NextStart next(paths(), kTitle);
        EXPECT_EQ(next.files.offerRecovery(), c.kept) << c.situation;
        EXPECT_EQ(next.prompter.asked().size(), c.kept ? 1 : 0) << c.situation;
    }
}
