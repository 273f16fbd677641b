#include "TempAppFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

// The program itself: a termination signal ends linnet-tool through its
// shut-down, without a question on the screen.
namespace {
// True once the process has a handler of its own for signalNumber (the SigCgt
// mask of /proc/PID/status): from then on the signal no longer kills it outright.
bool catches(qint64 pid, int signalNumber)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:"))
            continue;
        bool ok = false;
        const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && (mask & (1ULL << (signalNumber - 1))) != 0;
    }
    return false;
}
} // namespace

TEST(ToolSignal, SigtermRunsTheShutDownAndEndsTheTool)
{
    TempAppFolder app;
    const QString dir = app.context().paths.appDir();
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start(TempAppFolder::binDir() + QStringLiteral("/linnet-tool"),
               {QStringLiteral("--app-dir"), dir, QStringLiteral("--no-splash")});
    ASSERT_TRUE(tool.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!catches(tool.processId(), SIGTERM) && waited.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(catches(tool.processId(), SIGTERM)) << "the tool did not get ready";

    ::kill(pid_t(tool.processId()), SIGTERM);

    ASSERT_TRUE(tool.waitForFinished(20000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QFile ini(app.context().paths.IniFilePath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << "the settings were not saved";
    const QByteArray settings = ini.readAll();
    EXPECT_TRUE(settings.contains("MDI Height=")) << settings.toStdString();
    EXPECT_TRUE(QFile::exists(app.context().paths.file(QStringLiteral("errors.bak")))) << "no compaction";
}
