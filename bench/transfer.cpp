// Full Send and full Receive of the largest configuration (96 stations with
// numbers and texts, 256 events, 3 expansion boards, every custom page group)
// against linnet-sim paced at 9600 baud over a pseudo-terminal, through the
// tool's own Send and Receive commands in this process.
//
// For each run it reports the wall time, the wire limit (every byte exchanged
// in both directions at 10 bits a byte and 9600 baud, plus the pause the
// commands make before the transfer, as measured), their ratio, and the CPU
// time this process used (the tool's side: link, records, database). The
// median of the runs is printed last.
//
//   transfer_bench [RUNS]     (default 3; each run takes about a minute)
#include "LargestConfiguration.h"
#include "core/AppContext.h"
#include "core/ProgressSink.h"
#include "link/ModComm.h"
#include "link/transfer/TransferCommands.h"
#include "link/transfer/TransferEngine.h"
#include "link/transfer/TransferScreen.h"
#include "platform/Database.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/QtSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {
constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 10.0;

// Counts every byte that crosses the line in either direction, NULs and bytes
// dropped by a clear included, so the wire limit is exact.
class CountingPort : public SerialPort {
public:
    bool open(const QString &device, int handshaking) override
    {
        const bool ok = m_port.open(device, handshaking);
        m_port.setNulDiscard(false);
        return ok;
    }
    void close() override { m_port.close(); }
    bool isOpen() const override { return m_port.isOpen(); }
    QString openFailure() const override { return m_port.openFailure(); }
    QString device() const override { return m_port.device(); }
    bool write(const QByteArray &data) override
    {
        written += data.size();
        return m_port.write(data);
    }
    qint64 bytesWaiting() override { return m_port.bytesWaiting(); }
    void awaitBytes(qint64 count, Clock::TimePoint deadline) override { m_port.awaitBytes(count, deadline); }
    std::optional<char> readByte(Clock::TimePoint deadline) override
    {
        for (;;) {
            const std::optional<char> c = m_port.readByte(deadline);
            if (!c)
                return c;
            ++read;
            if (*c != '\0' || !m_discard)
                return c;
        }
    }
    void clearInput() override
    {
        read += std::max<qint64>(0, m_port.bytesWaiting());
        m_port.clearInput();
    }
    void clearOutput() override { m_port.clearOutput(); }
    bool setDtr(bool on) override { return m_port.setDtr(on); }
    void setNulDiscard(bool on) override { m_discard = on; }

    qint64 written = 0;
    qint64 read = 0;

private:
    QtSerialPort m_port;
    bool m_discard = false;
};

class QuietScreen : public TransferScreen, public ProgressSink {
public:
    void showProgress() override {}
    void closeProgress() override {}
    ProgressSink &sink() override { return *this; }
    ProgressSink &linkSink() override { return *this; }
    void setMainWindowEnabled(bool) override {}
    void showExceptions(const QString &text, const QString &) override { exceptions << text; }
    void WhatToDisplay(const QString &, const QString &, int) override {}
    void SetModemComm() override {}
    void SetModemRelease() override {}
    void ChangeCaption(const QString &) override {}
    QStringList exceptions;
};

struct Run {
    bool ok = false;
    double wall = 0, cpu = 0, pause = 0;
    qint64 written = 0, read = 0;
    double limit() const { return double(written + read) * kBitsPerByte / kBaud + pause; }
    double ratio() const { return wall / limit(); }
    double cpuShare() const { return cpu / wall; }
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Run runOnce(bool send, const QString &device, const QString &site, const QString &appDir)
{
    const AppPaths paths(appDir);
    ScriptedPrompter prompter;
    FixedRegistry registry(QStringLiteral("6.0"));
    AppContext context(paths, prompter, registry);
    AppState &state = context.state;
    state.variant.ModelName = QStringLiteral("Linnet");
    state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");

    CountingPort port;
    PortMap ports;
    ports.setOverride(device);
    ModComm comm(port, ports, state, context.log, context.paths, context.clock);
    TransferEngine engine(comm, state, context.log, context.paths);
    QuietScreen screen;
    Run run;
    TransferCommands::Hooks hooks;
    hooks.pause = [&run](int seconds) {
        const auto start = std::chrono::steady_clock::now();
        Utility::Sleep(seconds);
        run.pause += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    TransferCommands commands(context, engine, screen, hooks);

    if (send) {
        QFile::remove(paths.TempDbPath());
        QFile::copy(site, paths.TempDbPath());
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        state.CurrentFileName = site;
        state.ExpansionBoards = 3;
        state.ClockBoard = true;
        state.TotalEvents = 256;
    }
    const double cpu0 = cpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    send ? commands.mnuSend_Click() : commands.mnuRx_Click();
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    run.cpu = cpuSeconds() - cpu0;
    // A receive must bring back every event.
    run.ok = commands.succeeded() && screen.exceptions.isEmpty() && (send || state.TotalEvents == 256);
    run.written = port.written;
    run.read = port.read;
    comm.Exit_Comm();
    return run;
}

void print(const char *what, const Run &r)
{
    std::printf("%-8s %s  wall %7.3f s  bytes %6lld out + %6lld in  limit %7.3f s (pause %.3f s)  ratio %.4f  "
                "cpu %.3f s (%.2f%%)\n",
                what, r.ok ? "ok    " : "FAILED", r.wall, static_cast<long long>(r.written),
                static_cast<long long>(r.read), r.limit(), r.pause, r.ratio(), r.cpu, 100.0 * r.cpuShare());
    std::fflush(stdout);
}

Run median(std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.ratio() < b.ratio(); });
    return runs[runs.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    QTemporaryDir dir;
    const AppPaths paths(dir.filePath(QStringLiteral("app")));
    QString error;
    if (!paths.seedFromTemplates(&error)) {
        std::fprintf(stderr, "transfer_bench: %s\n", qPrintable(error));
        return 1;
    }
    const QString site = dir.filePath(QStringLiteral("largest.mdb"));
    if (!QFile::copy(paths.DefaultDbPath(), site) ||
        !QFile::setPermissions(site, QFile::permissions(site) | QFile::WriteOwner) || !makeLargest(site)) {
        std::fprintf(stderr, "transfer_bench: cannot make the configuration\n");
        return 1;
    }

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/linnet-sim"),
              {QStringLiteral("--pace"), QStringLiteral("9600"), QStringLiteral("--load"), site});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "transfer_bench: linnet-sim did not start\n");
        return 1;
    }
    const QString pty = QString::fromLatin1(sim.readLine()).trimmed().section(u' ', 1);
    std::printf("linnet-sim --pace 9600 on %s; %d run(s) of each\n", qPrintable(pty), runs);

    std::vector<Run> sends, receives;
    for (int i = 0; i < runs; ++i) {
        sends.push_back(runOnce(true, pty, site, paths.appDir()));
        print("send", sends.back());
        receives.push_back(runOnce(false, pty, site, paths.appDir()));
        print("receive", receives.back());
    }
    sim.terminate();
    sim.waitForFinished(5000);

    std::printf("median (targets: ratio <= 1.02, cpu < 2%% of wall)\n");
    const Run s = median(sends), r = median(receives);
    print("send", s);
    print("receive", r);
    const bool allOk = std::all_of(sends.begin(), sends.end(), [](const Run &x) { return x.ok; }) &&
                       std::all_of(receives.begin(), receives.end(), [](const Run &x) { return x.ok; });
    return allOk ? 0 : 1;
}
