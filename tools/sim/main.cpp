// linnet-sim: a controller on a pseudo-terminal (or a serial device) for tests,
// benchmarks and demonstrations without hardware.
#include "PseudoTerminal.h"
#include "SimCore.h"
#include "SimDateTime.h"
#include "SimOptions.h"
#include "SimProgramming.h"
#include "SimRunner.h"
#include "core/AppPaths.h"

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
        std::fputs("Programming: --load FILE starts from a configuration file, --save FILE writes it after each\n"
                   "complete send; --fault newer-type adds a message of an unknown type to the answer to R.\n",
                   stdout);
        return 0;
    }
    // The programming the controller holds: --load FILE, --save FILE, and the
    // newer-type fault that adds an unknown message to its answer to R.
    QString loadFile, saveFile;
    bool newerType = false;
    for (qsizetype i = 0; i < args.size();) {
        if ((args[i] == QLatin1String("--load") || args[i] == QLatin1String("--save")) && i + 1 < args.size()) {
            (args[i] == QLatin1String("--load") ? loadFile : saveFile) = args[i + 1];
            args.remove(i, 2);
        } else if (args[i] == QLatin1String("--fault") && i + 1 < args.size() &&
                   args[i + 1] == QLatin1String("newer-type")) {
            newerType = true;
            args.remove(i, 2);
        } else {
            ++i;
        }
    }
    if (!SimOptions::parse(args, options, &error)) {
        std::fprintf(stderr, "linnet-sim: %s\n%s", qPrintable(error), qPrintable(SimOptions::usage()));
        return 2;
    }

    SimProgramming programming(AppPaths::defaultTemplatesDir() + QStringLiteral("/DEFAULT"));
    if (!loadFile.isEmpty() && !programming.load(loadFile, &error)) {
        std::fprintf(stderr, "linnet-sim: %s\n", qPrintable(error));
        return 1;
    }
    programming.setSaveFile(saveFile);
    programming.setNewerType(newerType);

    SimCore core;
    programming.attach(core);
    core.setRevision(options.revision);
    core.setFaults(options.faults);
    core.setPace(options.pace);
    SimDateTime clock;
    clock.setDaylightSupported(!options.faults.noDaylight);
    clock.setClockLost(options.faults.lostClock);
    clock.attach(core);

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
