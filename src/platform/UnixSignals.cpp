#include "platform/UnixSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// [0] is written by the handler, [1] read by the notifier.
int g_pair[2] = {-1, -1};
} // namespace

void UnixSignals::handler(int signalNumber)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full socket already holds a wake-up; nothing more can be done here.
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = saved;
}

UnixSignals::UnixSignals(const QList<int> &signalNumbers, QObject *parent) : QObject(parent), m_signals(signalNumbers)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0)
        return;
    ::fcntl(g_pair[0], F_SETFL, O_NONBLOCK);
    ::fcntl(g_pair[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignals::readPending);

    m_ok = true;
    m_previous.resize(std::size_t(m_signals.size()));
    for (qsizetype i = 0; i < m_signals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = &UnixSignals::handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (::sigaction(m_signals[i], &action, &m_previous[std::size_t(i)]) != 0)
            m_ok = false;
    }
}

UnixSignals::~UnixSignals()
{
    for (std::size_t i = 0; i < m_previous.size(); ++i)
        ::sigaction(m_signals[qsizetype(i)], &m_previous[i], nullptr);
    delete m_notifier;
    for (int &fd : g_pair) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void UnixSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(g_pair[1], &byte, 1) == 1)
        emit received(int(byte));
}
