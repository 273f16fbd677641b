// linnet-cli is the tool without windows: a file it sends or dumps makes the
// bodies File > Open then Send make in the tool, a file the tool refuses it
// refuses too, and its texts carry the variant's names.
#include "TransferFixture.h"

#include "DamagedFiles.h"
#include "OldFormatFile.h"
#include "Programs.h"
#include "config/FileLifecycle.h"
#include "core/StartUp.h"
#include "core/Variant.h"
#include "link/Revisions.h"

#include <QLockFile>

#include <functional>

namespace {
const QString kSendDone = QStringLiteral("Send data completed successfully.");

QString modelName()
{
    return QString::fromLatin1(Variant::activeRow().ModelName);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList lines(const QString &text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

// The bodies of a transmit trace: each line after the first without its checksum.
QStringList transmitted(const QString &trace)
{
    QStringList bodies;
    const QList<QByteArray> frames = contents(trace).split('\n');
    for (qsizetype i = 1; i < frames.size(); ++i)
        if (const QByteArray frame = frames[i].trimmed(); frame.size() > 3)
            bodies << Windows1252::decode(frame.chopped(3));
    return bodies;
}

struct SiteFile {
    const char *name;
    // Writes the file at path from the default configuration.
    std::function<void(const QString &defaultDb, const QString &path)> make;
};

void PrintTo(const SiteFile &file, std::ostream *os)
{
    *os << file.name;
}

void fromDefault(const QString &defaultDb, const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(defaultDb, path));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    Database db(path);
    for (const QString &sql : statements)
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
}

// The time- and emergency-tone page groups of the default are all ticked, so
// a file with fewer boards shows whether the open steps cleared them.
const QList<SiteFile> &siteFiles()
{
    static const QList<SiteFile> files{
        {"NoExpansionBoard",
         [](const QString &defaults, const QString &path) {
             fromDefault(defaults, path,
                         {QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup2) VALUES "
                                         "(1, '08:00', 2, 5, 1), (1, '07:30', 1, 10, 1), (4, '12:00', 3, 59, 1)"),
                          QStringLiteral("UPDATE SchedDays SET Monday = 1, Friday = 1 WHERE Schedule = 1"),
                          QStringLiteral("UPDATE Clid SET archnum = '207 ', clid_string = '“Front” Office' "
                                         "WHERE clid_station = 7"),
                          QStringLiteral("UPDATE Bgm SET PageGroup2 = 1"),
                          QStringLiteral("UPDATE ClassService SET Service = 2 WHERE \"Group\" <= 2")});
         }},
        {"ThreeBoards",
         [](const QString &defaults, const QString &path) {
             fromDefault(defaults, path,
                         {QStringLiteral("UPDATE Config SET System_Config = 3"),
                          QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup13) "
                                         "VALUES (6, '23:59', 4, 1, 1)"),
                          QStringLiteral("UPDATE Clid SET archnum = '9001', clid_string = 'Far wing – € 5' "
                                         "WHERE clid_station = 80"),
                          QStringLiteral("UPDATE ClassService SET Service = 0 WHERE \"Group\" = 14"),
                          QStringLiteral("UPDATE ClockDef SET ClockEnabled = 1, ClockA = 4, ClockB = 8"),
                          QStringLiteral("UPDATE DipSwitch SET RingPattern = 2")});
         }},
        {"OlderFormat", [](const QString &defaults, const QString &path) { writeOldFormatFile(defaults, path, 2); }},
    };
    return files;
}
} // namespace

class CommandLineAndTool : public TransferFixture, public ::testing::WithParamInterface<SiteFile> {
protected:
    // File > Open, then Send, in the tool with a windowless main window.
    QStringList toolBodies(const QString &file)
    {
        FileLifecycle files(app.context());
        if (files.OldAccess(file))
            app.prompter().answer(Prompter::AnswerYes); // convert it
        EXPECT_TRUE(files.OpenDatabase(file));
        commands.mnuSend_Click();
        EXPECT_EQ(messages().value(messages().size() - 1), kSendDone) << messages().join(u'\n').toStdString();
        QStringList bodies = framesSent();
        bodies.removeAll(QStringLiteral("H"));
        return bodies;
    }
};

TEST_P(CommandLineAndTool, SendAndDumpTheBodiesTheToolSends)
{
    const QString defaults = app.context().paths.DefaultDbPath();
    const QString toolFile = app.file(QStringLiteral("tool.mdb"));
    const QString cliFile = app.file(QStringLiteral("cli.mdb"));
    GetParam().make(defaults, toolFile);
    GetParam().make(defaults, cliFile);
    const QByteArray before = contents(cliFile);

    const QStringList tool = toolBodies(toolFile);
    ASSERT_GT(tool.size(), 96);
    const QString cliDir = app.file(QStringLiteral("cli"));
    const CliRun dump = runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("dump"), cliFile});
    EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_EQ(lines(dump.out), tool);

    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const CliRun send = runCli(
        {QStringLiteral("--app-dir"), cliDir, QStringLiteral("--device"), sim.path(), QStringLiteral("send"), cliFile});
    EXPECT_EQ(send.status, 0) << send.err.toStdString();
    EXPECT_EQ(transmitted(cliDir + QStringLiteral("/tx_data.txt")), tool);
    // An older file is converted for the run only: the command line never writes the user's file.
    EXPECT_EQ(contents(cliFile), before);
}

INSTANTIATE_TEST_SUITE_P(Files, CommandLineAndTool, ::testing::ValuesIn(siteFiles()),
                         [](const auto &info) { return std::string(info.param.name); });

class CommandLineRefusal : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(CommandLineRefusal, DumpAndSendNameTheCellAndNothingIsSent)
{
    TempAppFolder app;
    const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    damage(file, GetParam());
    const QString cliDir = app.file(QStringLiteral("cli"));

    const CliRun dump = runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("dump"), file});
    EXPECT_EQ(dump.status, 5);
    EXPECT_TRUE(lines(dump.err).contains(GetParam().refusal)) << dump.err.toStdString();
    EXPECT_EQ(dump.out, QString());

    const CliRun send = runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("--device"),
                                app.file(QStringLiteral("ttyNone")), QStringLiteral("send"), file});
    EXPECT_EQ(send.status, 5);
    EXPECT_TRUE(lines(send.err).contains(GetParam().refusal)) << send.err.toStdString();
    EXPECT_FALSE(send.err.contains(QStringLiteral("Error sending data")));
    // Not even the revision request was tried: its log was never created.
    EXPECT_FALSE(QFile::exists(cliDir + QStringLiteral("/log_file.txt")));
}

INSTANTIATE_TEST_SUITE_P(Files, CommandLineRefusal, ::testing::ValuesIn(damagedFiles()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLine, TextsCarryTheModelName)
{
    TempAppFolder app;
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    const QString cliDir = app.file(QStringLiteral("cli"));

    CliRun run = runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("--device"),
                         app.file(QStringLiteral("ttyNone")), QStringLiteral("send"), site});
    EXPECT_EQ(run.status, 4);
    EXPECT_TRUE(lines(run.err).contains(QStringLiteral("Error sending data to ") + modelName() + u'.'))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("does not exist"))) << run.err.toStdString();

    SimProcess older({QStringLiteral("--rev"), QStringLiteral("1.90")});
    run = runCli(
        {QStringLiteral("--app-dir"), cliDir, QStringLiteral("--device"), older.path(), QStringLiteral("send"), site});
    EXPECT_EQ(run.status, 4);
    EXPECT_TRUE(run.out.contains(SendWarningText(modelName()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
                                 QStringLiteral(" No")))
        << run.out.toStdString();
}

TEST(CommandLine, RefusesAnApplicationFolderTheToolHolds)
{
    TempAppFolder app;
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    const QString cliDir = app.file(QStringLiteral("cli"));
    EXPECT_EQ(runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("dump"), site}).status, 0);
    QLockFile tool(cliDir + QLatin1Char('/') + StartUp::lockFileName());
    ASSERT_TRUE(tool.tryLock(0));
    const CliRun run = runCli({QStringLiteral("--app-dir"), cliDir, QStringLiteral("dump"), site});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.err.contains(QStringLiteral("is already running"))) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
}
