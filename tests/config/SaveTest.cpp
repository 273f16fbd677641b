#include "CaseNames.h"
#include "LifecycleFixture.h"

#include "config/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString kLfCr = QStringLiteral("\n\r");

QString writeProtectedFile(const QString &name)
{
    return QStringLiteral("File ") + name + QStringLiteral(" is write protected.") + kLfCr +
           QStringLiteral("Please remove the protection or save to another file.");
}

QString writeProtectedFolder(const QString &folder)
{
    return QStringLiteral("File ") + folder + QStringLiteral(" is write protected.") + kLfCr +
           QStringLiteral("Please remove the protection or save to another location.");
}
} // namespace

using Save = LifecycleTest;

TEST_F(Save, WritesTheWorkingCopyOverTheFile)
{
    const QString file = openValidFile();
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Clid SET archnum = '2001' WHERE clid_station = 1"),
                                QStringLiteral("UPDATE Rev SET rev = '00.10'")});
    state().UnsavedChanges = true;
    window.saveOn = true;

    files.mnuFileSave_Click();

    EXPECT_TRUE(prompter().asked().isEmpty()) << prompter().texts().join(u'|').toStdString();
    EXPECT_FALSE(state().CancelClose);
    EXPECT_FALSE(state().UnsavedChanges);
    EXPECT_FALSE(window.saveOn);
    EXPECT_EQ(window.saveOpenFormsTitles, QStringList{QStringLiteral("Save File")});
    EXPECT_EQ(value(file, QStringLiteral("SELECT archnum FROM Clid WHERE clid_station = 1")).toString(),
              QStringLiteral("2001"));
    EXPECT_EQ(value(file, QStringLiteral("SELECT rev FROM Rev")).toString(), QStringLiteral("02.00"));
    EXPECT_EQ(value(file, QStringLiteral("PRAGMA user_version")).toInt(), Schema::kCurrentFormat);
    EXPECT_TRUE(hiddenFiles(app.path()).isEmpty());
}

TEST_F(Save, CancelInAnEditorStopsTheSave)
{
    const QString file = openValidFile();
    const QByteArray before = bytes(file);
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 3")});
    window.cancelOpenForms = true;
    files.mnuFileSave_Click();
    EXPECT_TRUE(state().CancelClose);
    EXPECT_EQ(bytes(file), before);
}

// Closing a changed configuration, answering Yes, when the file cannot be
// written: the message, CancelClose, the configuration stays open and the
// user's file stays as it was.
struct ProtectedCase {
    const char *name;
    // Makes the situation; returns the file name the configuration is saved to.
    std::function<QString(LifecycleTest &, const QString &folder)> make;
    std::function<QString(const QString &file)> message;
};

class SaveToProtected : public LifecycleTest, public ::testing::WithParamInterface<ProtectedCase> {};

TEST_P(SaveToProtected, KeepsTheConfigurationOpenAndTheFileIntact)
{
    openValidFile();
    const QString target = GetParam().make(*this, app.path());
    const QByteArray before = bytes(target);
    state().CurrentFileName = target;
    state().UnsavedChanges = true;
    prompter().answer(Prompter::AnswerYes);

    files.mnuFileClose_Click();

    ASSERT_EQ(prompter().asked().size(), 2) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(prompter().asked()[0].text,
              QStringLiteral("Do you want to save changes to ") + target + QStringLiteral("?"));
    EXPECT_EQ(prompter().asked()[0].buttons, Prompter::YesNoCancel);
    EXPECT_EQ(prompter().asked()[1].text, GetParam().message(target));
    EXPECT_EQ(prompter().asked()[1].title, kTitle);
    EXPECT_TRUE(state().CancelClose);
    EXPECT_EQ(state().CurrentFileName, target);
    EXPECT_TRUE(state().UnsavedChanges);
    EXPECT_TRUE(workingCopyExists());
    EXPECT_EQ(window.initialized, 0);
    EXPECT_EQ(window.unloaded, 0);
    EXPECT_EQ(bytes(target), before);
    EXPECT_TRUE(hiddenFiles(app.path()).isEmpty());
    EXPECT_FALSE(window.busyCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveToProtected,
    ::testing::Values(
        ProtectedCase{"ReadOnlyFile",
                      [](LifecycleTest &, const QString &folder) {
                          const QString f = folder + QStringLiteral("/ro.mdb");
                          QFile::copy(TempAppFolder::templatesDir() + QStringLiteral("/DEFAULT"), f);
                          QFile::setPermissions(f, QFile::ReadOwner | QFile::ReadGroup);
                          return f;
                      },
                      [](const QString &f) {
                          return f +
                                 QStringLiteral(" is in Read-Only mode.  Unable to save to a Read-Only "
                                                "File.\r\nTry saveing to a different file that is not Read-Only.\r\n");
                      }},
        ProtectedCase{"TargetIsAFolder",
                      [](LifecycleTest &, const QString &folder) {
                          const QString f = folder + QStringLiteral("/SITE.MDB");
                          QDir().mkpath(f);
                          return f;
                      },
                      writeProtectedFile},
        ProtectedCase{"FolderMissing",
                      [](LifecycleTest &, const QString &folder) { return folder + QStringLiteral("/gone/SITE.MDB"); },
                      [](const QString &f) { return writeProtectedFolder(Utility::GetPathPart(f)); }}),
    [](const auto &info) { return std::string(info.param.name); });

// A failure after the temporary copy was written, at each stage before the
// rename: the file stays as it was and no temporary is left.
TEST_F(Save, AFailureBeforeTheRenameLeavesTheOldFileAndNoTemporary)
{
    using Stage = AtomicDatabaseWriter::Stage;
    const QString file = openValidFile();
    const QByteArray before = bytes(file);
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 3")});
    for (Stage failAt : {Stage::TemporaryWritten, Stage::TemporaryChecked, Stage::ReadyToReplace}) {
        prompter().clear();
        files.setSaveObserver([failAt](Stage s) { return s != failAt; });
        files.mnuFileSave_Click();
        EXPECT_EQ(prompter().texts(), QStringList{writeProtectedFolder(Utility::GetPathPart(file))}) << int(failAt);
        EXPECT_TRUE(state().CancelClose);
        EXPECT_EQ(bytes(file), before) << int(failAt);
        EXPECT_TRUE(hiddenFiles(app.path()).isEmpty()) << int(failAt);
    }
    files.setSaveObserver({});
    files.mnuFileSave_Click();
    EXPECT_EQ(value(file, QStringLiteral("SELECT System_Config FROM Config")).toInt(), 3);
}

// The copy is damaged on disk after it was written and before it is checked
// (a failing disk, a full file system that cut it short): the check refuses
// it, so it never replaces the user's file.
TEST_F(Save, ACopyDamagedBeforeItsCheckNeverReplacesTheFile)
{
    using Stage = AtomicDatabaseWriter::Stage;
    const QString file = openValidFile();
    const QByteArray before = bytes(file);
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 3")});
    files.setSaveObserver([this](Stage s) {
        if (s == Stage::TemporaryWritten) {
            const QStringList copies = hiddenFiles(app.path());
            EXPECT_EQ(copies.size(), 1);
            for (const QString &copy : copies) {
                QFile f(app.file(copy));
                EXPECT_TRUE(f.open(QIODevice::ReadWrite));
                // Keep the header, so the file still opens as a database;
                // wreck the pages after it and cut the file short.
                f.seek(1024);
                f.write(QByteArray(8192, '\xA5'));
                f.resize(f.size() / 2);
            }
        }
        return true;
    });
    files.mnuFileSave_Click();

    EXPECT_EQ(prompter().texts(), QStringList{writeProtectedFolder(Utility::GetPathPart(file))});
    EXPECT_EQ(bytes(file), before);
    EXPECT_TRUE(hiddenFiles(app.path()).isEmpty());
    EXPECT_TRUE(state().CancelClose);
    EXPECT_GE(
        value(paths().ErrorsDbPath(), QStringLiteral("SELECT count(*) FROM Error WHERE errfcn = 'SaveWorkingDatabase'"))
            .toInt(),
        1)
        << "the reason is logged";
}

// The process dies during the save (SIGKILL: no clean-up runs). The user's
// file is then the complete old one or the complete new one.
TEST_F(Save, AKilledSaveLeavesTheOldOrTheNewFileNeverAPartOne)
{
    using Stage = AtomicDatabaseWriter::Stage;
    for (auto [stage, expectNew] : {std::pair{Stage::TemporaryWritten, false},
                                    {Stage::TemporaryChecked, false},
                                    {Stage::ReadyToReplace, false},
                                    {Stage::Replaced, true}}) {
        const QString file = openValidFile();
        exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 2")});
        const QByteArray before = bytes(file);

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            files.setSaveObserver([stage = stage](Stage s) {
                if (s == stage)
                    ::raise(SIGKILL);
                return true;
            });
            files.mnuFileSave_Click();
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << int(stage);

        Database db(file, Database::Mode::ReadOnly);
        ASSERT_TRUE(db.isOpen()) << int(stage);
        EXPECT_TRUE(db.integrityCheck()) << int(stage);
        if (expectNew)
            EXPECT_EQ(db.scalar(QStringLiteral("SELECT System_Config FROM Config"))->toInt(), 2);
        else
            EXPECT_EQ(bytes(file), before) << int(stage);
        state().CurrentFileName.clear();
        for (const QString &left : hiddenFiles(app.path()))
            QFile::remove(app.path() + QLatin1Char('/') + left);
    }
}

using SaveAs = LifecycleTest;

TEST_F(SaveAs, NamesAreUpperCaseWithTheDatabaseExtension)
{
    const QString dotted = app.file(QStringLiteral("sites.2024"));
    QDir().mkpath(dotted);
    struct Case {
        QList<std::optional<QString>> answers;
        QString saved;
        int invalidMessages;
    };
    const QList<Case> cases{
        {{app.file(QStringLiteral("site"))}, app.file(QStringLiteral("SITE.MDB")), 0},
        {{app.file(QStringLiteral("site.mdb"))}, app.file(QStringLiteral("SITE.MDB")), 0},
        {{app.file(QStringLiteral("site.txt")), app.file(QStringLiteral("site.mdb"))},
         app.file(QStringLiteral("SITE.MDB")),
         1},
        {{dotted + QStringLiteral("/north")}, dotted + QStringLiteral("/NORTH.MDB"), 0},
    };
    for (const Case &c : cases) {
        files.mnuFileNew_Click();
        prompter().clear();
        window.recentFiles.clear();
        window.proposedNames.clear();
        window.saveAnswers = c.answers;
        state().UnsavedChanges = true;

        files.mnuFileSaveAs_Click();

        EXPECT_EQ(prompter().asked().size(), c.invalidMessages) << c.saved.toStdString();
        if (c.invalidMessages) {
            EXPECT_EQ(prompter().asked().first().text,
                      *c.answers.first() + QStringLiteral("\r\nThe above filename is invalid."));
            EXPECT_EQ(prompter().asked().first().title, QStringLiteral("Save As"));
            EXPECT_EQ(window.proposedNames, (QStringList{QStringLiteral("Untitled.mdb"), *c.answers.first()}));
        } else {
            EXPECT_EQ(window.proposedNames, QStringList{QStringLiteral("Untitled.mdb")});
        }
        EXPECT_FALSE(state().CancelClose);
        EXPECT_EQ(state().CurrentFileName, c.saved);
        EXPECT_EQ(window.caption(), kTitle + QStringLiteral(" - ") + c.saved);
        EXPECT_EQ(window.recentFiles, QStringList{c.saved});
        EXPECT_FALSE(state().UnsavedChanges);
        EXPECT_EQ(value(c.saved, QStringLiteral("SELECT count(*) FROM Clid")).toInt(), 96);
        QFile::remove(c.saved);
        window.Initialize();
    }
}

TEST_F(SaveAs, CancelledDialogWritesNothingAndStopsAClose)
{
    files.mnuFileNew_Click();
    window.saveAnswers = {std::nullopt};
    prompter().answer(Prompter::AnswerYes);
    files.mnuFileClose_Click();
    EXPECT_TRUE(state().CancelClose);
    EXPECT_EQ(state().CurrentFileName, QStringLiteral("Untitled"));
    EXPECT_TRUE(workingCopyExists());
    EXPECT_EQ(window.initialized, 0);
}

// The user types "other"; the file is saved as OTHER.MDB. An existing
// OTHER.MDB, or Other.mdb (the same file to the tool), is replaced only after
// the question, asked about that file; No keeps it and shows the dialog again.
struct OverwriteCase {
    const char *existing;
    Prompter::Answer answer;
};
class SaveAsOverExisting : public LifecycleTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(SaveAsOverExisting, AsksAboutTheFinalName)
{
    const QString existing = validFile(QString::fromLatin1(GetParam().existing));
    const QByteArray before = bytes(existing);
    const QString file = openValidFile(QStringLiteral("site.mdb"));
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 1")});
    state().UnsavedChanges = true;
    window.saveAnswers = {app.file(QStringLiteral("other"))}; // then the dialog is cancelled
    prompter().answer(GetParam().answer);

    files.mnuFileSaveAs_Click();

    ASSERT_EQ(prompter().asked().size(), 1) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(prompter().asked()[0].text, existing + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(prompter().asked()[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(prompter().asked()[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter().asked()[0].icon, Prompter::Exclamation);
    if (GetParam().answer == Prompter::AnswerYes) {
        EXPECT_FALSE(state().CancelClose);
        EXPECT_EQ(state().CurrentFileName, app.file(QStringLiteral("OTHER.MDB")));
        EXPECT_EQ(value(existing, QStringLiteral("SELECT System_Config FROM Config")).toInt(), 1);
        EXPECT_EQ(window.proposedNames.size(), 1);
    } else {
        EXPECT_TRUE(state().CancelClose);
        EXPECT_EQ(state().CurrentFileName, file);
        EXPECT_TRUE(state().UnsavedChanges);
        EXPECT_EQ(bytes(existing), before);
        EXPECT_EQ(window.proposedNames, (QStringList{file, app.file(QStringLiteral("other"))}));
    }
    // Never a second file beside it that differs only in letter case.
    EXPECT_EQ(QDir(app.path()).entryList({QStringLiteral("other.mdb")}, QDir::Files).size(), 1);
    EXPECT_TRUE(hiddenFiles(app.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveAsOverExisting,
                         ::testing::Values(OverwriteCase{"OTHER.MDB", Prompter::AnswerNo},
                                           OverwriteCase{"OTHER.MDB", Prompter::AnswerYes},
                                           OverwriteCase{"Other.mdb", Prompter::AnswerNo},
                                           OverwriteCase{"Other.mdb", Prompter::AnswerYes}),
                         [](const auto &info) {
                             return std::string(info.param.existing).replace(5, 1, "_") +
                                    (info.param.answer == Prompter::AnswerYes ? "_Yes" : "_No");
                         });

// A save killed before its rename leaves its full-size temporary hidden beside
// the file; the next save of that file removes it, and nothing else.
TEST_F(Save, TheNextSaveRemovesTheTemporaryOfAKilledOne)
{
    using Stage = AtomicDatabaseWriter::Stage;
    const QString file = openValidFile();
    exec(paths().TempDbPath(), {QStringLiteral("UPDATE Config SET System_Config = 2")});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        files.setSaveObserver([](Stage s) {
            if (s == Stage::ReadyToReplace)
                ::raise(SIGKILL);
            return true;
        });
        files.mnuFileSave_Click();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const QStringList left = hiddenFiles(app.path());
    ASSERT_EQ(left.size(), 1);
    EXPECT_GT(QFileInfo(app.path() + QLatin1Char('/') + left[0]).size(), 0);
    // Files of other names, hidden or not, are the user's.
    const QStringList others{QStringLiteral(".site.mdb.notes"), QStringLiteral(".other.mdb.Ab12Cd"),
                             QStringLiteral("site.mdb.Ab12Cd")};
    for (const QString &name : others) {
        QFile f(app.file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    files.mnuFileSave_Click();

    EXPECT_TRUE(prompter().asked().isEmpty()) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(value(file, QStringLiteral("SELECT System_Config FROM Config")).toInt(), 2);
    EXPECT_FALSE(QFile::exists(app.path() + QLatin1Char('/') + left[0]));
    for (const QString &name : others)
        EXPECT_TRUE(QFile::exists(app.file(name))) << name.toStdString();
}
