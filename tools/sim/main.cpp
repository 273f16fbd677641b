// linnet-sim: a controller on a pseudo-terminal (or a serial device) for tests,
// benchmarks and demonstrations without hardware.
#include "PseudoTerminal.h"
#include "SimCore.h"
#include "SimOptions.h"
#include "SimRunner.h"

#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {
std::atomic<bool> g_stop{false};
void onSignal(int)
{
    g_stop.store(true);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString error;
    QStringList args = app.arguments().mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(qPrintable(SimOptions::usage()), stdout);
        return 0;
    }
    if (!SimOptions::parse(args, options, &error)) {
        std::fprintf(stderr, "linnet-sim: %s\n%s", qPrintable(error), qPrintable(SimOptions::usage()));
        return 2;
    }

    SimCore core;
    core.setRevision(options.revision);
    core.setFaults(options.faults);
    core.setPace(options.pace);

    std::unique_ptr<PseudoTerminal> pty;
    int fd = -1;
    if (options.device.isEmpty()) {
        pty = std::make_unique<PseudoTerminal>();
        if (!pty->isValid()) {
            std::fprintf(stderr, "linnet-sim: %s\n", qPrintable(pty->error()));
            return 1;
        }
        fd = pty->masterFd();
        std::printf("PTY %s\n", qPrintable(pty->slavePath()));
    } else {
        fd = SimRunner::openDevice(options.device, &error);
        if (fd < 0) {
            std::fprintf(stderr, "linnet-sim: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("DEVICE %s\n", qPrintable(options.device));
    }
    std::fflush(stdout);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    const int status = SimRunner(core, fd).run(g_stop, options.verbose);
    if (!pty)
        ::close(fd);
    return status;
}
