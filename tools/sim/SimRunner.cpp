#include "SimRunner.h"

#include "SimCore.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr auto kStopCheck = std::chrono::milliseconds(100);

void show(const char *direction, const QByteArray &bytes)
{
    QByteArray text;
    for (const char c : bytes) {
        if (c >= 32 && c < 127)
            text += c;
        else
            text += '<' + QByteArray::number(static_cast<unsigned char>(c)) + '>';
    }
    std::fprintf(stderr, "%s %s\n", direction, text.constData());
}
} // namespace

int SimRunner::openDevice(const QString &path, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (fd < 0 || ::tcgetattr(fd, &tio) != 0) {
        if (error)
            *error = QStringLiteral("cannot open ") + path + QStringLiteral(": ") +
                     QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &tio);
    ::tcflush(fd, TCIOFLUSH);
    return fd;
}

int SimRunner::run(const std::atomic<bool> &stop, bool verbose)
{
    using namespace std::chrono;
    char buffer[4096];
    while (!stop.load()) {
        auto now = SimCore::Clock::now();
        nanoseconds wait = kStopCheck;
        if (const auto due = m_core.nextDue())
            wait = std::clamp(duration_cast<nanoseconds>(*due - now), nanoseconds(0), nanoseconds(kStopCheck));
        const timespec timeout{time_t(wait.count() / 1'000'000'000), long(wait.count() % 1'000'000'000)};
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::ppoll(&pfd, 1, &timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            return 1;
        now = SimCore::Clock::now();
        if (ready > 0 && (pfd.revents & POLLIN)) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n < 0 && errno != EINTR && errno != EAGAIN)
                return 1;
            if (n > 0) {
                if (verbose)
                    show("<-", QByteArray(buffer, n));
                m_core.receive(buffer, std::size_t(n), now);
            }
        } else if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            return 1;
        }
        const QByteArray out = m_core.takeDue(SimCore::Clock::now());
        if (!out.isEmpty()) {
            if (verbose)
                show("->", out);
            qsizetype written = 0;
            while (written < out.size()) {
                const ssize_t n = ::write(m_fd, out.constData() + written, std::size_t(out.size() - written));
                if (n < 0 && errno != EINTR)
                    return 1;
                written += std::max<ssize_t>(n, 0);
            }
        }
    }
    return 0;
}
