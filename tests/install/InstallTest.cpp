#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

// The programs as installed: they find their templates under the install
// prefix (never in the build folder), and linnet-cli transfers a configuration
// to and from linnet-sim run from there.
namespace {
struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_prefix = std::make_unique<QTemporaryDir>();
        QProcess install;
        install.start(QStringLiteral(LINNET_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(LINNET_BUILD_DIR), QStringLiteral("--prefix"),
                       s_prefix->path()});
        install.waitForFinished(120000);
        s_installed = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        s_installLog = QString::fromLocal8Bit(install.readAllStandardOutput() + install.readAllStandardError());
    }
    static void TearDownTestSuite() { s_prefix.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_installed) << s_installLog.toStdString();
        ASSERT_TRUE(m_home.isValid() && m_work.isValid());
    }

    static QString prefix(const QString &path = {}) { return s_prefix->path() + QLatin1Char('/') + path; }

    // A user's environment: a home of its own and no hint of where the templates are.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LINNET_TEMPLATES"));
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        return env;
    }

    ProgramRun cli(const QStringList &args) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(prefix(QStringLiteral("bin/linnet-cli")), args);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // A configuration to send: the installed template under a user's name.
    QString configuration(const QString &name) const
    {
        const QString file = m_work.filePath(name);
        EXPECT_TRUE(QFile::copy(prefix(QStringLiteral("share/linnet/DEFAULT")), file));
        QFile::setPermissions(file, QFile::permissions(file) | QFile::WriteOwner);
        return file;
    }

    QTemporaryDir m_home;
    QTemporaryDir m_work;

private:
    static inline std::unique_ptr<QTemporaryDir> s_prefix;
    static inline bool s_installed = false;
    static inline QString s_installLog;
};

// True once the process handles signalNumber itself (SigCgt of /proc/PID/status).
bool catches(qint64 pid, int signalNumber)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (signalNumber - 1))) != 0;
    return false;
}

class InstalledSimulator {
public:
    explicit InstalledSimulator(const QString &program)
    {
        m_process.start(program, {});
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000)) {
            const QString line = QString::fromLatin1(m_process.readLine()).trimmed();
            if (line.startsWith(QLatin1String("PTY ")))
                m_path = line.mid(4);
        }
    }
    ~InstalledSimulator()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    const QString &path() const { return m_path; }

private:
    QProcess m_process;
    QString m_path;
};
} // namespace

TEST_F(Installed, CliSendsToAndReceivesFromTheInstalledSimulator)
{
    InstalledSimulator sim(prefix(QStringLiteral("bin/linnet-sim")));
    ASSERT_FALSE(sim.path().isEmpty()) << "the installed simulator did not start";
    const QString appDir = m_work.filePath(QStringLiteral("app"));
    const QString site = configuration(QStringLiteral("site.mdb"));
    const QString received = m_work.filePath(QStringLiteral("received.mdb"));
    const QStringList common{QStringLiteral("--app-dir"), appDir, QStringLiteral("--device"), sim.path(),
                             QStringLiteral("--no-pause")};

    const ProgramRun send = cli(common + QStringList{QStringLiteral("send"), QStringLiteral("--yes"), site});
    ASSERT_EQ(send.status, 0) << send.out.toStdString() << send.err.toStdString();
    const ProgramRun receive = cli(common + QStringList{QStringLiteral("receive"), received});
    ASSERT_EQ(receive.status, 0) << receive.out.toStdString() << receive.err.toStdString();

    const ProgramRun sent = cli({QStringLiteral("--app-dir"), appDir, QStringLiteral("dump"), site});
    const ProgramRun back = cli({QStringLiteral("--app-dir"), appDir, QStringLiteral("dump"), received});
    ASSERT_EQ(sent.status, 0) << sent.err.toStdString();
    EXPECT_FALSE(sent.out.isEmpty());
    EXPECT_EQ(back.out, sent.out) << "the configuration received is not the one sent";
    EXPECT_TRUE(QFile::exists(appDir + QStringLiteral("/DEFAULT"))) << "the application folder was not seeded";
}

TEST_F(Installed, WithoutAppDirTheUsersFolderIsSeededFromThePrefix)
{
    const ProgramRun dump = cli({QStringLiteral("dump"), configuration(QStringLiteral("site.mdb"))});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QString userFolder = m_home.filePath(QStringLiteral(".local/share/linnet-tool/linnet-tool"));
    for (const QString &name : {QStringLiteral("DEFAULT"), QStringLiteral("errors"), QStringLiteral("Dphonelst"),
                                QStringLiteral("Dmodem"), QStringLiteral("reports/sched.rpt")})
        EXPECT_TRUE(QFile::exists(userFolder + QLatin1Char('/') + name)) << name.toStdString();
}

TEST_F(Installed, TheTemplatesAreLookedForUnderThePrefixOnly)
{
    // With the installed templates gone, a new application folder cannot be
    // filled, although the build folder still holds its own.
    ASSERT_TRUE(QDir().rename(prefix(QStringLiteral("share/linnet")), prefix(QStringLiteral("share/linnet.away"))));
    const ProgramRun dump = cli({QStringLiteral("--app-dir"), m_work.filePath(QStringLiteral("app")),
                                 QStringLiteral("dump"), m_work.filePath(QStringLiteral("any.mdb"))});
    EXPECT_EQ(dump.status, 3);
    EXPECT_TRUE(dump.err.contains(QDir::cleanPath(prefix(QStringLiteral("share/linnet"))))) << dump.err.toStdString();
    EXPECT_TRUE(QDir().rename(prefix(QStringLiteral("share/linnet.away")), prefix(QStringLiteral("share/linnet"))));
}

// A file manager goes by the MIME database the installed type is merged
// into (update-mime-database, as the package's trigger runs it): the tool's
// own configuration files are told by their content, whatever their name, and
// other .mdb files keep the type they had.
TEST_F(Installed, ConfigurationFilesAreRecognisedByTheirApplicationId)
{
    QSettings entry(prefix(QStringLiteral("share/applications/org.linnet.ProgrammingTool.desktop")),
                    QSettings::IniFormat);
    const QString ours = entry.value(QStringLiteral("Desktop Entry/MimeType")).toString().section(u';', 0, 0);
    ASSERT_EQ(ours, QStringLiteral("application/x-linnet-configuration"));

    const QString mimeDir = m_work.filePath(QStringLiteral("share/mime"));
    ASSERT_TRUE(QDir().mkpath(mimeDir + QStringLiteral("/packages")));
    const QDir system(QStringLiteral("/usr/share/mime/packages"));
    for (const QString &name : system.entryList({QStringLiteral("*.xml")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(system.filePath(name), mimeDir + QStringLiteral("/packages/") + name));
    ASSERT_TRUE(QFile::copy(prefix(QStringLiteral("share/mime/packages/org.linnet.ProgrammingTool.xml")),
                            mimeDir + QStringLiteral("/packages/org.linnet.ProgrammingTool.xml")));
    ASSERT_EQ(QProcess::execute(QStringLiteral("update-mime-database"), {mimeDir}), 0);

    const QString site = configuration(QStringLiteral("site.mdb"));
    const QString unnamed = configuration(QStringLiteral("site"));
    const QString otherSqlite = configuration(QStringLiteral("other.mdb"));
    {
        Database db(otherSqlite);
        ASSERT_TRUE(db.exec(QStringLiteral("PRAGMA application_id = 7")));
    }
    const QString jet = m_work.filePath(QStringLiteral("access.mdb"));
    {
        QFile f(jet);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray header("\x00\x01\x00\x00Standard Jet DB", 19);
        header.resize(2048, '\0');
        f.write(header);
    }

    qputenv("XDG_DATA_HOME", QFile::encodeName(m_work.filePath(QStringLiteral("share"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_work.filePath(QStringLiteral("share"))));
    const QMimeDatabase mime;
    ASSERT_TRUE(mime.mimeTypeForName(ours).isValid()) << "the installed type is not seen";
    struct Case {
        QString file;
        bool isOurs;
    };
    for (const Case &c : {Case{site, true}, Case{unnamed, true}, Case{otherSqlite, false}, Case{jet, false}}) {
        const QString type = mime.mimeTypeForFile(c.file).name();
        EXPECT_EQ(type == ours, c.isOurs) << QFileInfo(c.file).fileName().toStdString() << ": " << type.toStdString();
    }
}

// The desktop entry starts "linnet-tool FILE": the file opens as File > Open
// opens it, and is the most recent file from then on.
TEST_F(Installed, TheToolOpensTheFileItIsStartedWith)
{
    const QString appDir = m_work.filePath(QStringLiteral("app"));
    const QString site = configuration(QStringLiteral("site.mdb"));
    QProcess tool;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start(prefix(QStringLiteral("bin/linnet-tool")),
               {QStringLiteral("--app-dir"), appDir, QStringLiteral("--no-splash"), site});
    ASSERT_TRUE(tool.waitForStarted());
    for (int i = 0; i < 1000 && !catches(tool.processId(), SIGTERM); ++i)
        QThread::msleep(20);
    ASSERT_TRUE(catches(tool.processId(), SIGTERM)) << "the tool did not get ready";
    ::kill(pid_t(tool.processId()), SIGTERM);
    ASSERT_TRUE(tool.waitForFinished(20000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    QFile ini(appDir + QStringLiteral("/settings.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains(QFile::encodeName(site))) << "the file was not opened";
}
