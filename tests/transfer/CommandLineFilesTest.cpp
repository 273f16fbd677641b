#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

// What linnet-cli writes and refuses to touch: the tool's own files are never
// sent, dumped or received into, and a receive replaces its output in one
// rename, so a crash leaves the previous file or the new one.
namespace {
struct CliRun {
    int status = -1;
    bool crashed = false;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(TempAppFolder::binDir() + QStringLiteral("/linnet-cli"), args);
    EXPECT_TRUE(cli.waitForFinished(60000));
    return {cli.exitCode(), cli.exitStatus() == QProcess::CrashExit,
            QString::fromLocal8Bit(cli.readAllStandardOutput()), QString::fromLocal8Bit(cli.readAllStandardError())};
}

QByteArray bytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString archNum(const QString &file)
{
    Database db(file, Database::Mode::ReadOnly);
    return db.scalar(QStringLiteral("SELECT archnum FROM Clid WHERE clid_station = 1")).value_or(QVariant()).toString();
}

// A simulated controller on a pseudo-terminal.
class Simulator {
public:
    explicit Simulator(const QStringList &args = {},
                       const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(env);
        m_process.start(TempAppFolder::binDir() + QStringLiteral("/linnet-sim"), args);
        if (m_process.waitForStarted() && m_process.waitForReadyRead(5000))
            m_path = QString::fromLatin1(m_process.readLine()).trimmed().section(u' ', 1);
    }
    ~Simulator()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    const QString &path() const { return m_path; }
    bool crashed()
    {
        m_process.waitForFinished(5000);
        return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess m_process;
    QString m_path;
};

// The environment that kills a program at the rename that would put target in place.
QProcessEnvironment killedAtRenameOnto(const QString &target)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_ON_RENAME_LIBRARY));
    env.insert(QStringLiteral("LINNET_KILL_ON_RENAME_TO"), target);
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    return env;
}

struct OwnFile {
    const char *name;
    const char *role;
};
const OwnFile kOwnFiles[] = {
    {"~TEMP", "the tool's working copy of the open configuration"},
    {"~temp.mdb", "the tool's working copy of the open configuration"},
    {"DEFAULT", "the tool's template for new configurations"},
    {"Default.MDB", "the tool's template for new configurations"},
    {"errors", "the tool's error log"},
    {"errors.bak", "the tool's error log"},
    {"Errors.old", "the tool's error log"},
    {"phonelst", "the tool's phone list"},
    {"DPHONELST.mdb", "the tool's phone list"},
    {"Modem", "the tool's list of modem commands"},
    {"dmodem", "the tool's list of modem commands"},
};
} // namespace

TEST(CommandLineFiles, TheToolsOwnFilesAreNeverSentDumpedOrReceivedInto)
{
    TempAppFolder app;
    const QString dir = app.context().paths.appDir();
    // Each one exists as a valid configuration, so only its name refuses it.
    QHash<QString, QByteArray> before;
    for (const OwnFile &f : kOwnFiles) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(f.name);
        if (!QFileInfo::exists(FileOps::resolve(path))) {
            ASSERT_TRUE(QFile::copy(app.context().paths.DefaultDbPath(), path));
        }
        before.insert(path, bytes(FileOps::resolve(path)));
    }
    const QString noDevice = dir + QStringLiteral("/ttyNone");
    struct Command {
        const char *name;
        const char *action;
    };
    for (const Command command :
         {Command{"send", "sent"}, Command{"dump", "dumped"}, Command{"receive", "the output of a receive"}}) {
        for (const OwnFile &f : kOwnFiles) {
            const QString path = dir + QLatin1Char('/') + QLatin1String(f.name);
            const CliRun run = runCli({QStringLiteral("--app-dir"), dir, QStringLiteral("--device"), noDevice,
                                       QLatin1String(command.name), path});
            const std::string what = std::string(command.name) + " " + f.name;
            EXPECT_EQ(run.status, 2) << what;
            EXPECT_EQ(run.err, QStringLiteral("%1 is %2, not a configuration file of your own, and cannot be %3.\n")
                                   .arg(path, QLatin1String(f.role), QLatin1String(command.action)))
                << what;
            EXPECT_TRUE(run.out.isEmpty()) << what << ": " << run.out.toStdString();
        }
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(bytes(FileOps::resolve(it.key())), it.value()) << it.key().toStdString();
}

// The receive is killed at the rename that would put the received file in
// place: the previous file is still there, whole. The next receive replaces
// it, keeps its permissions, and removes the leftover of the killed one.
TEST(CommandLineFiles, AReceiveKilledBetweenWritingAndRenamingLeavesThePreviousFile)
{
    TempAppFolder app;
    const QString dir = app.file(QStringLiteral("cli"));
    const QString out = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("out.mdb"));
    {
        Database db(out);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Clid SET archnum = '7777' WHERE clid_station = 1")));
    }
    ASSERT_TRUE(QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QByteArray previous = bytes(out);
    Simulator sim;
    ASSERT_TRUE(sim.path().startsWith(QStringLiteral("/dev/")));
    const QStringList receive{QStringLiteral("--app-dir"), dir, QStringLiteral("--device"), sim.path(),
                              QStringLiteral("receive"),   out};

    const CliRun first = runCli(receive, killedAtRenameOnto(out));
    ASSERT_TRUE(first.crashed) << first.out.toStdString() << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Receive Data completed successfully.")));
    EXPECT_EQ(bytes(out), previous);
    const QStringList leftovers =
        QDir(app.path()).entryList({QStringLiteral(".out.mdb.*")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(leftovers.size(), 1) << "the complete copy, written but not yet renamed";

    const CliRun second = runCli(receive);
    EXPECT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_NE(archNum(out), QStringLiteral("7777"));
    Database received(out, Database::Mode::ReadOnly);
    EXPECT_TRUE(received.integrityCheck());
    EXPECT_EQ(received.rowCount(QStringLiteral("Clid")), 96);
    EXPECT_EQ(QFileInfo(out).permissions() & (QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther),
              QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    EXPECT_TRUE(QDir(app.path())
                    .entryList({QStringLiteral(".out.mdb.*"), QStringLiteral("out.mdb.*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
}

// The simulator's --save is written the same way: killed at the rename, the
// previous file stays; the next complete send replaces it.
TEST(CommandLineFiles, ASimulatorKilledWhileSavingLeavesThePreviousFile)
{
    TempAppFolder app;
    const QString saved = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("controller.mdb"));
    const QByteArray previous = bytes(saved);
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    {
        Database db(site);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Clid SET archnum = '4711' WHERE clid_station = 1")));
    }
    const auto send = [&](const QString &device) {
        return runCli({QStringLiteral("--app-dir"), app.file(QStringLiteral("cli")), QStringLiteral("--device"), device,
                       QStringLiteral("send"), site});
    };
    {
        Simulator sim({QStringLiteral("--save"), saved}, killedAtRenameOnto(saved));
        ASSERT_FALSE(sim.path().isEmpty());
        send(sim.path());
        EXPECT_TRUE(sim.crashed());
    }
    EXPECT_EQ(bytes(saved), previous);

    Simulator sim({QStringLiteral("--save"), saved});
    const CliRun run = send(sim.path());
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(archNum(saved), QStringLiteral("4711"));
    EXPECT_TRUE(
        QDir(app.path()).entryList({QStringLiteral(".controller.mdb.*")}, QDir::Files | QDir::Hidden).isEmpty());
}

// --app-dir naming a folder that holds other files and none of the tool's:
// refused with the reason, and left as it was.
TEST(CommandLineFiles, AFolderOfOtherFilesIsNotAnApplicationFolder)
{
    TempAppFolder app;
    const QString foreign = app.file(QStringLiteral("projects"));
    ASSERT_TRUE(QDir().mkpath(foreign));
    QFile notes(foreign + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();

    const CliRun run = runCli({QStringLiteral("--app-dir"), foreign, QStringLiteral("revs")});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, QStringLiteral("linnet-cli: %1 is not an application folder of the tool: it holds other files "
                                      "and none of the tool's own (DEFAULT, errors, settings.ini). Give a new or "
                                      "empty folder, or the folder the tool already uses.\n")
                           .arg(foreign));
    EXPECT_EQ(QDir(foreign).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("notes.txt")});
}

// The working copy holds changes the tool has not saved (it was killed): send
// and receive, which overwrite it, leave it for the tool to offer back.
TEST(CommandLineFiles, UnsavedChangesOfTheToolAreNotOverwritten)
{
    TempAppFolder app;
    const AppPaths &paths = app.context().paths;
    ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
    QFile marker(paths.UnsavedMarkerPath());
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("/sites/north.mdb\n");
    marker.close();
    const QByteArray working = bytes(paths.TempDbPath());
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    const QString out = app.file(QStringLiteral("out.mdb"));
    const QString expected =
        QStringLiteral("The working copy %1 holds changes the Programming Tool has not saved. Start "
                       "the tool to recover or discard them, then try again.\n")
            .arg(paths.TempDbPath());
    for (const QStringList &command :
         {QStringList{QStringLiteral("send"), site}, QStringList{QStringLiteral("receive"), out}}) {
        const CliRun run = runCli(QStringList{QStringLiteral("--app-dir"), paths.appDir(), QStringLiteral("--device"),
                                              paths.file(QStringLiteral("ttyNone"))} +
                                  command);
        EXPECT_EQ(run.status, 3) << command.join(u' ').toStdString();
        EXPECT_EQ(run.err, expected);
    }
    EXPECT_EQ(bytes(paths.TempDbPath()), working);
    EXPECT_TRUE(QFile::exists(paths.UnsavedMarkerPath()));
    EXPECT_FALSE(QFile::exists(out));
}
