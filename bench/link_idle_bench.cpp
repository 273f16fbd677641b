// What the link costs while it waits: the CPU used by Send_Msg against a
// silent controller (five transmissions, 500 ms each), and how closely the
// 500 ms character time-out is kept. Runs on a pseudo-terminal nobody answers.
#include "PseudoTerminal.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/ModComm.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/QtSerialPort.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {
double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
} // namespace

int main(int argc, char **argv)
{
    using Clock = std::chrono::steady_clock;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    PseudoTerminal pty;
    if (!pty.isValid()) {
        std::fprintf(stderr, "%s\n", qPrintable(pty.error()));
        return 1;
    }
    QTemporaryDir dir;
    const AppPaths paths(dir.path());
    ErrorLog log(paths.ErrorsDbPath()); // no errors database: nothing is logged
    AppState state;
    PortMap ports;
    ports.setOverride(pty.slavePath());
    QtSerialPort port;
    ModComm comm(port, ports, state, log, paths, SystemClock::instance());
    if (!comm.Init_Comm(0)) {
        std::fprintf(stderr, "%s\n", qPrintable(comm.openFailure()));
        return 1;
    }

    // (a) CPU while waiting for a controller that never answers.
    std::vector<double> shares;
    for (int i = 0; i < runs; ++i) {
        const double cpu0 = cpuSeconds();
        const auto wall0 = Clock::now();
        comm.Send_Msg("H");
        const double wall = std::chrono::duration<double>(Clock::now() - wall0).count();
        shares.push_back(100.0 * (cpuSeconds() - cpu0) / wall);
        std::printf("silent Send_Msg: wall %.3f s, CPU %.3f%% of one core, NoResponse=%d\n", wall, shares.back(),
                    int(comm.link().NoResponse));
    }
    std::sort(shares.begin(), shares.end());
    std::printf("(a) CPU while waiting on a silent controller: median %.3f%%, max %.3f%% (target < 2%%)\n",
                shares[shares.size() / 2], shares.back());

    // (b) The character time-out.
    std::vector<double> timeouts;
    for (int i = 0; i < 5 * runs; ++i) {
        const auto t0 = Clock::now();
        comm.MyGet1Char();
        timeouts.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(timeouts.begin(), timeouts.end());
    const double median = timeouts[timeouts.size() / 2];
    std::printf("(b) 500 ms time-out over %zu waits: median %.3f ms, min %.3f ms, max %.3f ms (deviation of the "
                "median %+.3f ms)\n",
                timeouts.size(), median, timeouts.front(), timeouts.back(), median - 500.0);
    comm.Exit_Comm();
    return 0;
}
