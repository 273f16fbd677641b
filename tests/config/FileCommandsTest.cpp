#include "LifecycleFixture.h"

#include <QFile>

using NewFile = LifecycleTest;

TEST_F(NewFile, StartsAnUntitledConfigurationFromTheDefault)
{
    files.mnuFileNew_Click();

    EXPECT_TRUE(prompter().asked().isEmpty()) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(state().CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_EQ(window.caption(), kTitle + QStringLiteral(" - Untitled"));
    EXPECT_EQ(window.fileMenuOptions, 1);
    EXPECT_EQ(window.modalShown, QStringList{QStringLiteral("frmConfig")});
    EXPECT_EQ(window.switchBoardShown, 1);
    EXPECT_TRUE(window.recentFiles.isEmpty());
    EXPECT_FALSE(window.busyCursor);
    // No expansion board in the default: only the main board's page groups keep their tones.
    Database work(paths().TempDbPath(), Database::Mode::ReadOnly);
    EXPECT_EQ(work.scalar(QStringLiteral("SELECT PageGroup4 + PageGroup5 + PageGroup16 FROM EmergencyPG"))->toInt(), 1);
    EXPECT_EQ(work.scalar(QStringLiteral("SELECT PageGroup1 + PageGroup8 + PageGroup9 FROM TonesPG"))->toInt(), 1);
}

TEST_F(NewFile, MissingDefaultDatabaseIsReported)
{
    ASSERT_TRUE(QFile::remove(paths().DefaultDbPath()));
    files.mnuFileNew_Click();
    EXPECT_EQ(prompter().texts(), QStringList{QStringLiteral("Error opening Work database.")});
    EXPECT_EQ(lastTitle(), kTitle);
    EXPECT_EQ(prompter().asked().last().icon, Prompter::Exclamation);
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_FALSE(workingCopyExists());
    EXPECT_EQ(window.fileMenuOptions, 0);
    EXPECT_FALSE(window.busyCursor);
}

TEST_F(NewFile, InvalidDefaultDatabaseLeavesNothingOpen)
{
    exec(paths().DefaultDbPath(), {QStringLiteral("DELETE FROM SchedDays WHERE Schedule = 6")});
    files.mnuFileNew_Click();
    EXPECT_EQ(prompter().texts(), QStringList{QStringLiteral("The default database does not exist.")});
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_FALSE(workingCopyExists());
}

using CloseFile = LifecycleTest;

TEST_F(CloseFile, AsksOnlyWhenThereIsSomethingToSave)
{
    struct Case {
        const char *situation;
        bool untitled, unsaved, saveEnabled;
        bool asks;
    };
    for (const Case c : {Case{"clean", false, false, false, false}, Case{"untitled", true, false, false, true},
                         Case{"changed", false, true, false, true}, Case{"editor changes", false, false, true, true}}) {
        if (c.untitled)
            files.mnuFileNew_Click();
        else
            openValidFile();
        const QString name = state().CurrentFileName;
        state().UnsavedChanges = c.unsaved;
        window.saveOn = c.saveEnabled;
        prompter().clear();
        prompter().answer(Prompter::AnswerNo);
        const int initialized = window.initialized;

        files.mnuFileClose_Click();

        EXPECT_EQ(prompter().texts(),
                  c.asks ? QStringList{QStringLiteral("Do you want to save changes to ") + name + QStringLiteral("?")}
                         : QStringList{})
            << c.situation;
        EXPECT_EQ(window.initialized, initialized + 1) << c.situation;
        EXPECT_TRUE(state().CurrentFileName.isEmpty()) << c.situation;
        EXPECT_FALSE(workingCopyExists()) << c.situation;
        EXPECT_FALSE(state().CancelClose) << c.situation;
    }
}

TEST_F(CloseFile, CancelKeepsTheConfigurationOpen)
{
    const QString file = openValidFile();
    state().UnsavedChanges = true;
    prompter().answer(Prompter::AnswerCancel);
    files.mnuFileClose_Click();
    EXPECT_TRUE(state().CancelClose);
    EXPECT_EQ(state().CurrentFileName, file);
    EXPECT_TRUE(workingCopyExists());
    EXPECT_EQ(window.unloaded, 0);
}

TEST_F(CloseFile, YesSavesAcceptingEveryEditorThenCloses)
{
    const QString file = openValidFile();
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 3")});
    state().UnsavedChanges = true;
    prompter().answer(Prompter::AnswerYes);
    files.mnuFileClose_Click();
    EXPECT_EQ(window.saveOpenFormsTitles, QStringList{QStringLiteral("Save File")});
    EXPECT_EQ(value(file, QStringLiteral("SELECT System_Config FROM Config")).toInt(), 3);
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_EQ(window.unloaded, 1);
    EXPECT_FALSE(workingCopyExists());
}

// While the phone list is dialling, the file commands do nothing.
TEST_F(LifecycleTest, FileCommandsWaitForThePhoneList)
{
    const QString dialing = QStringLiteral("Dialing Modem");
    window.windowCaptions = {QStringLiteral("main"), dialing};
    window.openAnswers = {validFile()};
    files.mnuFileNew_Click();
    files.mnuFileOpen_Click();
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_TRUE(window.filters.isEmpty());

    window.windowCaptions = {QStringLiteral("main")};
    files.mnuFileNew_Click();
    ASSERT_EQ(state().CurrentFileName, QStringLiteral("Untitled"));
    window.windowCaptions = {QStringLiteral("main"), QStringLiteral("Programming Windows"), dialing};
    state().UnsavedChanges = true;
    files.mnuFileSave_Click();
    files.mnuFileSaveAs_Click();
    files.mnuFileClose_Click();
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_TRUE(window.saveOpenFormsTitles.isEmpty());
    EXPECT_EQ(state().CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_EQ(window.initialized, 0);
}
