// The link against linnet-sim over real pseudo-terminals, in real time.
#include "Programs.h"
#include "PseudoTerminal.h"
#include "TempAppFolder.h"
#include "link/LinkFrame.h"
#include "link/LinkThread.h"
#include "link/ModComm.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/QtSerialPort.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <thread>

#include <unistd.h>

namespace {
class PtyLink : public ::testing::Test {
protected:
    PtyLink() : comm(port, ports, app.context().state, app.context().log, app.context().paths, SystemClock::instance())
    {
    }
    void useDevice(const QString &path) { ports.setOverride(path); }

    TempAppFolder app;
    QtSerialPort port;
    PortMap ports;
    ModComm comm;
};

const QString kTab(QChar(9));
} // namespace

TEST_F(PtyLink, RevisionsFromTheSimulatorOnTheLinkThread)
{
    SimProcess sim({"--rev", "2.05", "--main-rev", "10.03", "--option-card", "1", "--pace", "9600"});
    ASSERT_FALSE(sim.path().isEmpty());
    useDevice(sim.path());
    LinkThread link;
    for (int run = 0; run < 2; ++run) { // the port can be closed and opened again
        link.call([&] { comm.GetRevs(); });
        EXPECT_EQ(comm.revisions().lines(),
                  (QStringList{"Main CPU: " + kTab + "Rev 10.03", "Second CPU: " + kTab + "Rev 2.05",
                               "First Option Card: " + kTab + "Type 1"}));
        EXPECT_EQ(comm.controllerRevision(), QStringLiteral("2.05"));
        link.call([&] { comm.Exit_Comm(); });
    }
}

TEST_F(PtyLink, SilentControllerIsTriedFiveTimesHalfASecondEach)
{
    SimProcess sim({"--fault", "silent"});
    useDevice(sim.path());
    QElapsedTimer elapsed;
    elapsed.start();
    comm.GetRevs();
    EXPECT_GE(elapsed.elapsed(), 5 * ModComm::kCharTimeout.count());
    EXPECT_TRUE(comm.link().NoResponse);
    EXPECT_EQ(comm.revisions().LinkStatusText, QStringLiteral("** Not Communicating **"));
    EXPECT_EQ(comm.controllerRevision(), std::nullopt);
}

TEST_F(PtyLink, NakedRevisionRequestGivesRevisionZero)
{
    SimProcess sim({"--fault", "nak-h=5"});
    useDevice(sim.path());
    comm.GetRevs();
    EXPECT_TRUE(comm.link().NakLimit);
    EXPECT_EQ(comm.controllerRevision(), QStringLiteral("0.00"));
}

TEST_F(PtyLink, PortIsOpenedExclusively)
{
    SimProcess sim;
    useDevice(sim.path());
    ASSERT_TRUE(comm.Init_Comm(0));
    QtSerialPort second;
    EXPECT_FALSE(second.open(sim.path(), 0));
    EXPECT_TRUE(second.openFailure().contains(QLatin1String("busy"))) << second.openFailure().toStdString();

    EXPECT_FALSE(second.open(app.file(QStringLiteral("no-such-device")), 0));
    EXPECT_TRUE(second.openFailure().contains(QLatin1String("does not exist")));
}

TEST_F(PtyLink, ModemModeOpensAPseudoTerminalWithoutModemLines)
{
    SimProcess sim;
    useDevice(sim.path());
    ASSERT_TRUE(comm.Init_Comm(SerialPort::HandshakeRtsCts)) << comm.openFailure().toStdString();
    EXPECT_FALSE(port.setDtr(false)); // a warning, not a failure of the port
    EXPECT_TRUE(port.isOpen());
    comm.MyPutStr("H048\r");
    EXPECT_EQ(comm.MyGet1Char(), QByteArray(1, 6));
}

TEST_F(PtyLink, GarbageFromTheLineNeverHangsTheReceive)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.isValid()) << pty.error().toStdString();
    useDevice(pty.slavePath());
    ASSERT_TRUE(comm.Init_Comm(0));
    QByteArray garbage = QByteArray(10000, 'x') + '\r' + QByteArray(50, '\0') + "\r\r\r\xff\x80\x15\x06\r";
    std::thread writer([&] {
        for (qsizetype done = 0; done < garbage.size();) {
            const ssize_t n = ::write(pty.masterFd(), garbage.constData() + done, std::size_t(garbage.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
    });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(comm.Receive_Msg(true));
    writer.join();
    // Five tries, none waiting longer than one time-out after its last character.
    EXPECT_LT(elapsed.elapsed(), 10 * ModComm::kCharTimeout.count());
}

TEST_F(PtyLink, CommandLineReadsRevisionsIntoANewApplicationFolder)
{
    SimProcess sim({"--rev", "1.90"});
    const QString dir = app.file(QStringLiteral("cli-app"));
    const CliRun run = runCli({"--app-dir", dir, "--device", sim.path(), "revs"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Main CPU: \tRev 2.00\nSecond CPU: \tRev 1.90\nTransfer revision: 1.90\n");
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/errors")));
    QFile log(dir + QStringLiteral("/log_file.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    EXPECT_TRUE(lines.value(0).startsWith("Date - Time - "));
    EXPECT_EQ(lines.value(1), "Valid :  J01900200000000" + LinkFrame::checksum("J01900200000000") + '\r');
}

TEST_F(PtyLink, CommandLineReportsAControllerThatIsNotThere)
{
    SimProcess silent({"--fault", "silent"});
    const QString dir = app.file(QStringLiteral("cli-app"));
    CliRun run = runCli({"--app-dir", dir, "--device", silent.path(), "revs"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains(QLatin1String("** Not Communicating **")));

    run = runCli({"--app-dir", dir, "--device", dir + QStringLiteral("/ttyNone"), "revs"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("does not exist"))) << run.err.toStdString();

    EXPECT_EQ(runCli({"--app-dir", dir, "--port", "17", "revs"}).status, 2);
    EXPECT_EQ(runCli({"--app-dir", dir, "fly"}).status, 2);
}

TEST_F(PtyLink, AControllerThatGoesAwayClosesThePortInsteadOfHanging)
{
    auto sim = std::make_unique<SimProcess>(QStringList{"--rev", "2.05"});
    ASSERT_FALSE(sim->path().isEmpty());
    useDevice(sim->path());
    ASSERT_TRUE(comm.Init_Comm(0));
    sim.reset(); // the far end hangs up: the pseudo-terminal's master closes

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(comm.MyGet1Char().isEmpty());
    EXPECT_FALSE(comm.Send_Msg("H"));
    EXPECT_LT(elapsed.elapsed(), 3000);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(comm.link().NoResponse);
}
