#include "core/StartUp.h"
#include "CaseNames.h"
#include "core/CompactErrors.h"

#include "QtPrinters.h"
#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Records which start-up steps reached the main window.
class FakeHost : public StartUpHost {
public:
    QSize designSizeTwips() const override { return design; }
    QSize screenSizeTwips() const override { return screen; }
    void placeMainWindow(QSize size, bool max) override
    {
        steps << QStringLiteral("place");
        placed = size;
        maximised = max;
    }
    bool SetProjectOptions() override
    {
        steps << QStringLiteral("options");
        return true;
    }
    void showSplash() override { steps << QStringLiteral("splash"); }
    bool initializeWindow() override
    {
        steps << QStringLiteral("initialize");
        return initializeResult;
    }
    void setHelpFile(const QString &path) override { helpFile = path; }
    void DisplayFileArray() override { steps << QStringLiteral("files"); }
    void disableModemRelease() override { steps << QStringLiteral("modem"); }

    QSize design{12000, 9000};
    QSize screen{19200, 15360};
    QSize placed;
    bool maximised = false;
    bool initializeResult = true;
    QString helpFile;
    QStringList steps;
};

QList<QVariantList> logRows(const QString &path, const QString &where = QStringLiteral("1"))
{
    Database db(path, Database::Mode::ReadOnly);
    return db
        .rows(QStringLiteral("SELECT errno, errdesc, errfcn FROM \"Error\" WHERE ") + where +
              QStringLiteral(" ORDER BY rowid"))
        .value_or(QList<QVariantList>{});
}
} // namespace

TEST(StartUp, RunsEveryStepInOrderAndLeavesTheRevisionsAndTracesSet)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    ctx.state.DebugTrace = ctx.state.ATCommandTrace = true;
    FakeHost host;
    StartUp startUp(ctx);
    ASSERT_TRUE(startUp.run(host, true));
    EXPECT_EQ(host.steps,
              (QStringList{QStringLiteral("place"), QStringLiteral("options"), QStringLiteral("splash"),
                           QStringLiteral("initialize"), QStringLiteral("files"), QStringLiteral("modem")}));
    EXPECT_EQ(host.helpFile, ctx.paths.file(QStringLiteral("Linnets.chm")));
    EXPECT_FALSE(ctx.state.DebugTrace);
    EXPECT_FALSE(ctx.state.ATCommandTrace);
    EXPECT_EQ(ctx.state.ToolRev, QStringLiteral("02.00"));
    EXPECT_EQ(ctx.state.SupportedControllerRev, QStringLiteral("2.00"));
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST(StartUp, RestoresAMissingErrorsDatabaseFromItsBakCopy)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    ctx.log.LogError(53, QStringLiteral("kept in the copy"), QStringLiteral("p"), QStringLiteral("m"),
                     QStringLiteral("f"));
    // The copy is found without regard to the letter case of its extension.
    ASSERT_TRUE(QFile::rename(ctx.paths.ErrorsDbPath(), ctx.paths.file(QStringLiteral("errors.BAK"))));
    FakeHost host;
    StartUp startUp(ctx);
    ASSERT_TRUE(startUp.run(host, false));
    ASSERT_TRUE(QFile::exists(ctx.paths.ErrorsDbPath()));
    EXPECT_EQ(logRows(ctx.paths.ErrorsDbPath()).value(0).value(1).toString(), QStringLiteral("kept in the copy"));
}

TEST(StartUp, FallsBackToTheOldCopyAndEndsBeforeTheSplashWhenThereIsNone)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    ASSERT_TRUE(QFile::rename(ctx.paths.ErrorsDbPath(), ctx.paths.file(QStringLiteral("errors.old"))));
    {
        FakeHost host;
        StartUp startUp(ctx);
        EXPECT_TRUE(startUp.run(host, false));
        EXPECT_TRUE(QFile::exists(ctx.paths.ErrorsDbPath()));
    }
    ASSERT_TRUE(QFile::remove(ctx.paths.ErrorsDbPath()));
    ASSERT_TRUE(QFile::remove(ctx.paths.file(QStringLiteral("errors.old"))));
    ctx.state.variant = VariantRecord{};
    FakeHost host;
    StartUp startUp(ctx);
    EXPECT_FALSE(startUp.run(host, true));
    EXPECT_EQ(host.steps, QStringList{QStringLiteral("place")});
    ASSERT_EQ(app.prompter().asked().size(), 1);
    EXPECT_EQ(app.prompter().asked()[0].text, QStringLiteral("Errors Database is corrupt"));
    EXPECT_EQ(app.prompter().asked()[0].title, QString()); // the product title is not known yet
    EXPECT_EQ(app.prompter().asked()[0].icon, Prompter::Exclamation);
}

TEST(StartUp, RebuildsADamagedErrorsDatabaseFromASoundCopyOrAnew)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const auto damage = [&] {
        QFile f(ctx.paths.ErrorsDbPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    };
    damage();
    StartUp startUp(ctx);
    startUp.repairErrorsDatabase();
    Database fresh(ctx.paths.ErrorsDbPath());
    ASSERT_TRUE(fresh.isOpen());
    EXPECT_TRUE(fresh.integrityCheck());
    // The rebuild itself is the first entry of the new log.
    EXPECT_EQ(logRows(ctx.paths.ErrorsDbPath()).size(), 1);
}

// An errors file that opens but has no Error table (empty, or another
// database) records nothing: start-up rebuilds it from the template, says so
// in the new log, and logging works from then on.
struct UnusableLog {
    const char *name;
    std::function<void(const QString &path)> make;
};
class UnusableErrorsDatabase : public ::testing::TestWithParam<UnusableLog> {};

TEST_P(UnusableErrorsDatabase, IsRebuiltFromTheTemplateAndLoggingWorks)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const QString errors = ctx.paths.ErrorsDbPath();
    ASSERT_TRUE(QFile::remove(errors));
    GetParam().make(errors);
    FakeHost host;
    StartUp startUp(ctx);
    ASSERT_TRUE(startUp.run(host, false));

    const QList<QVariantList> rows = logRows(errors);
    ASSERT_EQ(rows.size(), 1) << GetParam().name;
    EXPECT_EQ(rows[0][1].toString(),
              QStringLiteral("Errors database had no Error table; a new empty log was started from the template"));
    EXPECT_EQ(rows[0][2].toString(), QStringLiteral("Load"));
    ctx.log.LogError(53, QStringLiteral("after the rebuild"), QStringLiteral("p"), QStringLiteral("m"),
                     QStringLiteral("f"));
    EXPECT_EQ(logRows(errors).size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableErrorsDatabase,
    ::testing::Values(UnusableLog{"EmptyFile",
                                  [](const QString &path) {
                                      QFile f(path);
                                      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                                  }},
                      UnusableLog{"NoErrorTable",
                                  [](const QString &path) {
                                      Database db(path, Database::Mode::Create);
                                      ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE Notes (text TEXT)")));
                                  }},
                      UnusableLog{"ErrorTableWithoutItsColumns",
                                  [](const QString &path) {
                                      Database db(path, Database::Mode::Create);
                                      ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE \"Error\" (errno INTEGER)")));
                                  }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, ASecondInstanceOnTheSameFolderIsRefused)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    FakeHost first, second;
    StartUp running(ctx);
    ASSERT_TRUE(running.run(first, false));
    StartUp another(ctx);
    EXPECT_FALSE(another.run(second, true));
    EXPECT_TRUE(second.steps.contains(QStringLiteral("splash")));
    EXPECT_FALSE(second.steps.contains(QStringLiteral("files")));
    ASSERT_EQ(app.prompter().asked().size(), 1);
    EXPECT_EQ(app.prompter().asked()[0].text, QStringLiteral("'Tarnwick Linnet Programming Tool' is already running."));
    EXPECT_EQ(app.prompter().asked()[0].icon, Prompter::Exclamation);

    TempAppFolder otherFolder;
    FakeHost third;
    StartUp elsewhere(otherFolder.context());
    EXPECT_TRUE(elsewhere.run(third, false));
}

TEST(StartUp, AMissingDefaultDatabaseIsReportedOnceAndStartUpGoesOn)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    FakeHost host;
    host.initializeResult = true; // the required-file check belongs to the window, faked here
    ASSERT_TRUE(QFile::remove(ctx.paths.DefaultDbPath()));
    StartUp startUp(ctx);
    EXPECT_TRUE(startUp.run(host, false));
    EXPECT_EQ(app.prompter().texts(), QStringList{QStringLiteral("could not find default db")});
    EXPECT_EQ(app.prompter().asked()[0].icon, Prompter::NoIcon);
    EXPECT_TRUE(host.steps.contains(QStringLiteral("files")));
}

TEST(StartUp, AMissingRequiredFileEndsStartUp)
{
    TempAppFolder app;
    FakeHost host;
    host.initializeResult = false;
    StartUp startUp(app.context());
    EXPECT_FALSE(startUp.run(host, false));
    EXPECT_FALSE(host.steps.contains(QStringLiteral("files")));
}

struct SizeCase {
    const char *name;
    QSize screen;
    int savedHeight, savedWidth;
    bool maximised;
    QSize size;
};
class MainWindowSize : public ::testing::TestWithParam<SizeCase> {};
TEST_P(MainWindowSize, FollowsTheSavedSizeAndTheScreen)
{
    const SizeCase &c = GetParam();
    SettingsValues s;
    s.MdiHeight = c.savedHeight;
    s.MdiWidth = c.savedWidth;
    bool maximised = false;
    const QSize size = StartUp::mainWindowSize(QSize(12000, 9000), c.screen, s, &maximised);
    EXPECT_EQ(maximised, c.maximised) << c.name;
    EXPECT_EQ(size, c.size) << c.name;
    EXPECT_EQ(QSize(s.MdiWidth, s.MdiHeight), c.size) << c.name;
}
INSTANTIATE_TEST_SUITE_P(
    Cases, MainWindowSize,
    ::testing::Values(SizeCase{"640x480 screen", QSize(9600, 7200), 7000, 10000, true, QSize(10000, 7000)},
                      SizeCase{"large screen keeps saved", QSize(19200, 15360), 7000, 10000, false, QSize(10000, 7000)},
                      SizeCase{"small saved height", QSize(19200, 15360), 4000, 10000, false, QSize(10000, 9000)},
                      SizeCase{"nothing saved", QSize(19200, 15360), 0, 0, false, QSize(12000, 9000)},
                      SizeCase{"wide but low screen", QSize(12000, 7200), 7000, 10000, false, QSize(10000, 7000)}),
    ByCaseName());

TEST(CompactErrors, TwoRunsLeaveTheCompactedLogAndThePreviousOne)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const QString errors = ctx.paths.ErrorsDbPath();
    const QString bak = ctx.paths.file(QStringLiteral("errors.bak"));
    const QString old = ctx.paths.file(QStringLiteral("errors.old"));
    ctx.log.LogError(53, QStringLiteral("first run"), QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("f"));
    ASSERT_TRUE(CompactErrors(ctx));
    ctx.log.LogError(53, QStringLiteral("second run"), QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("f"));
    ASSERT_TRUE(CompactErrors(ctx));

    const auto descriptions = [](const QString &path) {
        QStringList out;
        for (const QVariantList &r : logRows(path))
            out << r[1].toString();
        return out;
    };
    const QStringList both{QStringLiteral("first run"), QStringLiteral("second run")};
    EXPECT_EQ(descriptions(errors), both);
    EXPECT_EQ(descriptions(bak), both);
    EXPECT_EQ(descriptions(old), both);
    // errors and errors.bak are the same compacted file.
    QFile a(errors), b(bak);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

// Shut-down never copies a log without its Error table over the copies the
// next start would restore it from.
TEST(CompactErrors, ALogWithoutItsTableLeavesBothCopiesAsTheyWere)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const QString errors = ctx.paths.ErrorsDbPath();
    ctx.log.LogError(53, QStringLiteral("kept"), QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("f"));
    ASSERT_TRUE(CompactErrors(ctx));
    const auto bytes = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QString bak = ctx.paths.file(QStringLiteral("errors.bak"));
    const QString old = ctx.paths.file(QStringLiteral("errors.old"));
    const QByteArray bakBefore = bytes(bak), oldBefore = bytes(old);
    QFile empty(errors);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    empty.close();

    EXPECT_FALSE(CompactErrors(ctx));

    EXPECT_EQ(bytes(bak), bakBefore);
    EXPECT_EQ(bytes(old), oldBefore);
    // The next start restores the log from the copy.
    FakeHost host;
    StartUp startUp(ctx);
    ASSERT_TRUE(startUp.run(host, false));
    EXPECT_EQ(logRows(errors).value(0).value(1).toString(), QStringLiteral("kept"));
}

TEST(CompactErrors, AMissingLogStopsAtTheCompactStepAndChangesNothingElse)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    ASSERT_TRUE(QFile::copy(ctx.paths.ErrorsDbPath(), ctx.paths.file(QStringLiteral("errors.old"))));
    ASSERT_TRUE(QFile::remove(ctx.paths.ErrorsDbPath()));
    EXPECT_FALSE(CompactErrors(ctx));
    EXPECT_TRUE(QFile::exists(ctx.paths.file(QStringLiteral("errors.old"))));
    EXPECT_FALSE(QFile::exists(ctx.paths.file(QStringLiteral("errors.bak"))));
}
