#pragma once

#include <QString>

#include <atomic>

class SimCore;

// Moves bytes between a descriptor (a pseudo-terminal master or a serial
// device) and the simulator core: reads what arrives, writes each output byte
// when it falls due. Sleeps in ppoll until the next byte is due or input
// arrives, so an idle simulator uses no CPU.
class SimRunner {
public:
    SimRunner(SimCore &core, int fd) : m_core(core), m_fd(fd) {}

    // Opens a serial device raw at 9600,n,8,1; -1 with the reason on failure.
    static int openDevice(const QString &path, QString *error);

    // Runs until stop is set (checked at least every 100 ms) or the descriptor
    // fails; 0 when stopped, 1 on failure.
    int run(const std::atomic<bool> &stop, bool verbose = false);

private:
    SimCore &m_core;
    int m_fd;
};
