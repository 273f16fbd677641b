#include "CaseNames.h"
#include "LifecycleFixture.h"
#include "OldFormatFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {
const QString kRequired = QStringLiteral("\r\n is required by the Programming Tool and cannot be selected.");
const QString kInvalid = QStringLiteral("\r\n is an invalid database.");
const QString kOpenTitle = QStringLiteral("Open database");
} // namespace

using OpenDatabase = LifecycleTest;

TEST_F(OpenDatabase, OpensAValidFileIntoTheWorkingCopy)
{
    const QString file = validFile();
    exec(file, {QStringLiteral("UPDATE ClockDef SET ClockEnabled = 1"),
                QStringLiteral("INSERT INTO Event (Schedule, StartTime) VALUES (1, '07:00'), (2, '09:15')")});
    const QByteArray before = bytes(file);

    ASSERT_TRUE(files.OpenDatabase(file));
    EXPECT_TRUE(prompter().asked().isEmpty()) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(state().CurrentFileName, file);
    EXPECT_EQ(state().TotalEvents, 2);
    EXPECT_TRUE(state().ClockBoard);
    EXPECT_EQ(window.caption(), kTitle + QStringLiteral(" - ") + file);
    EXPECT_EQ(window.recentFiles, QStringList{file});
    EXPECT_EQ(window.fileMenuOptions, 1);
    EXPECT_EQ(window.switchBoardShown, 1);
    EXPECT_FALSE(window.busyCursor);
    EXPECT_EQ(value(paths().TempDbPath(), QStringLiteral("SELECT count(*) FROM Event")).toInt(), 2);
    EXPECT_EQ(bytes(file), before);
}

TEST_F(OpenDatabase, RefusesTheToolsOwnFilesInAnyLetterCase)
{
    const QString elsewhere = app.file(QStringLiteral("lists"));
    for (const QString &file :
         {paths().DefaultDbPath(), paths().file(QStringLiteral("default")), paths().file(QStringLiteral("DeFaUlT")),
          paths().TempDbPath().toLower(), paths().file(QStringLiteral("sub/../DEFAULT")),
          elsewhere + QStringLiteral("/modem"), elsewhere + QStringLiteral("/Phonelst"),
          elsewhere + QStringLiteral("/DPHONELST"), elsewhere + QStringLiteral("/dmodem")}) {
        prompter().clear();
        EXPECT_FALSE(files.OpenDatabase(file)) << file.toStdString();
        ASSERT_EQ(prompter().asked().size(), 1) << file.toStdString();
        EXPECT_EQ(lastPrompt(), file + kRequired);
        EXPECT_EQ(lastTitle(), kOpenTitle);
        EXPECT_EQ(prompter().asked().last().icon, Prompter::Exclamation);
        EXPECT_TRUE(state().CurrentFileName.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(paths().DefaultDbPath()).isFile()) << "the default database was touched";
}

TEST_F(OpenDatabase, AcceptsAListNameWithAnExtensionElsewhere)
{
    const QString file = validFile(QStringLiteral("Phonelst.mdb"));
    EXPECT_TRUE(files.OpenDatabase(file));
    EXPECT_EQ(state().CurrentFileName, file);
}

TEST_F(OpenDatabase, MissingFileSaysItDoesNotExist)
{
    const QString file = app.file(QStringLiteral("nowhere.mdb"));
    EXPECT_FALSE(files.OpenDatabase(file));
    EXPECT_EQ(prompter().texts(), QStringList{file + QStringLiteral("\r\n does not exist.")});
    EXPECT_EQ(lastTitle(), kOpenTitle);
    EXPECT_FALSE(workingCopyExists());
    EXPECT_FALSE(QFile::exists(file)) << "a mistyped name must not be created";
}

TEST_F(OpenDatabase, OpenCommandUsesTheDatabaseFilterAndEndsQuietlyOnCancel)
{
    window.openAnswers = {std::nullopt, validFile()};
    files.mnuFileOpen_Click();
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_TRUE(prompter().asked().isEmpty());
    files.mnuFileOpen_Click();
    EXPECT_EQ(state().CurrentFileName, app.file(QStringLiteral("site.mdb")));
    EXPECT_EQ(window.filters, QStringList(2, QStringLiteral("Database Files (*.mdb)|*.mdb")));
}

// Files the open must refuse, leaving them exactly as they were and no
// configuration open.
struct DamagedCase {
    const char *name;
    std::function<void(const QString &defaultDb, const QString &file)> make;
    bool olderFormat = false; // the conversion is offered (and accepted) first
};

void fromDefault(const QString &defaultDb, const QString &file, const QStringList &statements)
{
    QFile::copy(defaultDb, file);
    QFile::setPermissions(file, QFile::permissions(file) | QFile::WriteOwner);
    Database db(file);
    for (const QString &sql : statements)
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
}

void truncated(const QString &file)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() / 2));
}

class DamagedFile : public LifecycleTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFile, IsRefusedAsInvalidAndLeftUntouched)
{
    const QString file = app.file(QStringLiteral("site.mdb"));
    GetParam().make(paths().DefaultDbPath(), file);
    ASSERT_TRUE(QFile::exists(file));
    const QByteArray before = bytes(file);
    if (GetParam().olderFormat)
        prompter().answer(Prompter::AnswerYes);

    EXPECT_FALSE(files.OpenDatabase(file));

    ASSERT_FALSE(prompter().asked().isEmpty());
    EXPECT_EQ(lastPrompt(), file + kInvalid);
    EXPECT_EQ(lastTitle(), kOpenTitle);
    EXPECT_EQ(prompter().asked().size(), GetParam().olderFormat ? 2 : 1) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(bytes(file), before);
    EXPECT_TRUE(state().CurrentFileName.isEmpty());
    EXPECT_EQ(window.fileMenuOptions, 0);
    EXPECT_FALSE(workingCopyExists());
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("site.OLD"))));
    EXPECT_FALSE(window.busyCursor);
    EXPECT_GE(value(paths().ErrorsDbPath(),
                    QStringLiteral("SELECT count(*) FROM Error WHERE errfcn IN ('ValidDatabase', 'OpenDatabase')"))
                  .toInt(),
              1)
        << "the reason is logged";
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFile,
    ::testing::Values(
        DamagedCase{"Clid95", [](auto d, auto f) { fromDefault(d, f, {"DELETE FROM Clid WHERE clid_station = 96"}); }},
        DamagedCase{"PageGroup5",
                    [](auto d, auto f) { fromDefault(d, f, {"INSERT INTO PageGroup (DialCode) VALUES (4)"}); }},
        DamagedCase{"SchedDays7",
                    [](auto d, auto f) { fromDefault(d, f, {"INSERT INTO SchedDays (Schedule) VALUES (7)"}); }},
        DamagedCase{"ClockDef2", [](auto d, auto f) { fromDefault(d, f, {"INSERT INTO ClockDef DEFAULT VALUES"}); }},
        DamagedCase{"SystemConfig4",
                    [](auto d, auto f) { fromDefault(d, f, {"UPDATE Config SET System_Config = 4"}); }},
        DamagedCase{"NoConfigRow", [](auto d, auto f) { fromDefault(d, f, {"DELETE FROM Config"}); }},
        DamagedCase{"TableMissing", [](auto d, auto f) { fromDefault(d, f, {"DROP TABLE DipSwitch"}); }},
        DamagedCase{"ColumnMissing",
                    [](auto d, auto f) { fromDefault(d, f, {"ALTER TABLE Bgm DROP COLUMN PageGroup16"}); }},
        DamagedCase{"ColumnRenamed",
                    [](auto d, auto f) { fromDefault(d, f, {"ALTER TABLE Clid RENAME COLUMN archnum TO arch"}); }},
        DamagedCase{"Truncated",
                    [](auto d, auto f) {
                        fromDefault(d, f, {});
                        truncated(f);
                    }},
        DamagedCase{"RandomBytes",
                    [](auto, auto f) {
                        QFile out(f);
                        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
                        QByteArray noise(8192, '\0');
                        QRandomGenerator gen(42);
                        for (char &c : noise)
                            c = char(gen.bounded(256));
                        out.write(noise);
                    }},
        DamagedCase{"EmptyFile",
                    [](auto, auto f) {
                        QFile out(f);
                        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
                    }},
        DamagedCase{"OlderFormatTableMissing",
                    [](auto d, auto f) {
                        writeOldFormatFile(d, f);
                        Database(f).exec("DROP TABLE SchedDays");
                    },
                    true},
        DamagedCase{"OlderFormatClid95",
                    [](auto d, auto f) {
                        writeOldFormatFile(d, f);
                        Database(f).exec("DELETE FROM Clid WHERE Clid_Station > 95");
                    },
                    true},
        DamagedCase{"OlderFormatTruncated",
                    [](auto d, auto f) {
                        writeOldFormatFile(d, f);
                        truncated(f);
                    },
                    false /* found damaged before any question */}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OpenDatabase, EmptyEventTableIsValidWithNoEvents)
{
    const QString file = validFile();
    exec(file, {QStringLiteral("DELETE FROM Event")});
    state().TotalEvents = 99;
    EXPECT_TRUE(files.OpenDatabase(file));
    EXPECT_EQ(state().TotalEvents, 0);
}

TEST_F(OpenDatabase, ColumnNamesMatchInAnyLetterCase)
{
    const QString file = validFile();
    QStringList renames;
    for (int g = 1; g <= 16; ++g) {
        renames << QStringLiteral("ALTER TABLE EmergencyPG RENAME COLUMN PageGroup%1 TO PAGEGROUP%1").arg(g)
                << QStringLiteral("ALTER TABLE TonesPG RENAME COLUMN PageGroup%1 TO pagegroup%1").arg(g);
    }
    renames << QStringLiteral("ALTER TABLE Config RENAME COLUMN System_Config TO SYSTEM_CONFIG")
            << QStringLiteral("ALTER TABLE ClockDef RENAME COLUMN ClockEnabled TO CLOCKENABLED")
            << QStringLiteral("ALTER TABLE Clid RENAME COLUMN clid_station TO Clid_Station")
            << QStringLiteral("UPDATE Config SET SYSTEM_CONFIG = 1")
            << QStringLiteral("UPDATE ClockDef SET CLOCKENABLED = 1");
    exec(file, renames);

    ASSERT_TRUE(files.OpenDatabase(file)) << prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(state().ExpansionBoards, 1);
    EXPECT_TRUE(state().ClockBoard);
    EXPECT_EQ(value(paths().TempDbPath(), QStringLiteral("SELECT PAGEGROUP9 FROM EmergencyPG")).toInt(), 0);
    EXPECT_EQ(value(paths().TempDbPath(), QStringLiteral("SELECT pagegroup16 FROM TonesPG")).toInt(), 0);
    EXPECT_EQ(value(paths().TempDbPath(), QStringLiteral("SELECT PAGEGROUP8 FROM EmergencyPG")).toInt(), 1);
}

// Page groups of the boards that are not fitted are cleared in the working copy only.
TEST_F(OpenDatabase, ClearsToneGroupsOfMissingBoardsInTheWorkingCopyOnly)
{
    struct Case {
        int boards;
        int firstCleared; // 17: none
    };
    for (const Case c : {Case{0, 5}, Case{1, 9}, Case{2, 13}, Case{3, 17}}) {
        const QString file = validFile();
        exec(file, {QStringLiteral("UPDATE Config SET System_Config = %1").arg(c.boards)});
        const QByteArray before = bytes(file);
        ASSERT_TRUE(files.OpenDatabase(file)) << c.boards;
        for (const QString &table : {QStringLiteral("EmergencyPG"), QStringLiteral("TonesPG")}) {
            Database work(paths().TempDbPath(), Database::Mode::ReadOnly);
            const QVariantList row = work.rows(QStringLiteral("SELECT * FROM ") + table)->first();
            for (int g = 1; g <= 16; ++g)
                EXPECT_EQ(row[g - 1].toInt(), g < c.firstCleared ? 1 : 0)
                    << table.toStdString() << " boards " << c.boards << " group " << g;
        }
        EXPECT_EQ(bytes(file), before);
        state().CurrentFileName.clear();
    }
}

TEST_F(OpenDatabase, WarnsOnlyAboutFilesFromANewerTool)
{
    const QString warning = QStringLiteral(
        "Linnet Programming Tool may not support all programmed features.\r\n\r\nUpgrade the Linnet Programming "
        "Tool  to prevent receiving\r\nthis message in the future.\r\n\r\n");
    for (auto [rev, warns] : {std::pair{"02.01", true}, {"01.00", false}, {"02.00", false}}) {
        const QString file = validFile();
        exec(file, {QStringLiteral("UPDATE Rev SET rev = '%1'").arg(QLatin1String(rev))});
        prompter().clear();
        EXPECT_TRUE(files.OpenDatabase(file)) << rev;
        EXPECT_EQ(prompter().texts(), warns ? QStringList{warning} : QStringList{}) << rev;
        if (warns) {
            EXPECT_EQ(lastTitle(), kTitle);
            EXPECT_EQ(prompter().asked().last().icon, Prompter::NoIcon);
        }
        state().CurrentFileName.clear();
    }
}
