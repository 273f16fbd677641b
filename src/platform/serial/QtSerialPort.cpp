#include "platform/serial/QtSerialPort.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <chrono>
#include <thread>

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcSerial, "linnet.serial")

constexpr int kBaudRate = 9600;
// Time for write() to hand a frame to the driver: the frame at 9600 baud plus a margin.
constexpr auto kWriteMargin = std::chrono::milliseconds(1000);
constexpr double kMsPerByte = 10.0 * 1000.0 / kBaudRate;
} // namespace

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort()
{
    close();
}

QString QtSerialPort::describeOpenFailure(const QString &device, QSerialPort::SerialPortError error,
                                          const QString &systemText)
{
    const QString head = QStringLiteral("Cannot open ") + device + QStringLiteral(": ");
    if (!QFileInfo::exists(device))
        return head + QStringLiteral("the device does not exist (is the adapter plugged in, or the port number "
                                     "mapped to the right device?).");
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return head + QStringLiteral("permission denied. Add your user to the dialout group "
                                     "(sudo usermod -aG dialout $USER) and log in again.");
    if (error == QSerialPort::PermissionError)
        return head + QStringLiteral("the device is busy (another program has it open).");
    return head + systemText;
}

bool QtSerialPort::open(const QString &device, int handshaking)
{
    close();
    m_failure.clear();
    m_device = device;
    if (device.isEmpty()) {
        m_failure = QStringLiteral("No device is configured for this port.");
        return false;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    port->setBaudRate(kBaudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(handshaking == HandshakeRtsCts ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    // QSerialPort opens the device exclusively (lock file and TIOCEXCL).
    if (!port->open(QIODevice::ReadWrite)) {
        // Reported by the caller, who knows what the user was doing.
        m_failure = describeOpenFailure(device, port->error(), port->errorString());
        return false;
    }
    // Whatever the device held before we opened it is stale.
    port->clear();
    QObject::connect(port.get(), &QSerialPort::errorOccurred, port.get(),
                     [this](QSerialPort::SerialPortError e) { onError(e); });
    m_port = std::move(port);
    m_input.clear();
    m_readPos = 0;
    m_lost = false;
    return true;
}

void QtSerialPort::close()
{
    if (!m_port)
        return;
    m_port->disconnect();
    if (m_port->isOpen())
        m_port->close();
    m_port.reset();
    m_input.clear();
    m_readPos = 0;
}

bool QtSerialPort::isOpen() const
{
    return m_port && m_port->isOpen() && !m_lost;
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
        // The device was unplugged or hung up: Qt 6.4 leaves it open, so close it
        // once the current call has returned.
        m_lost = true;
        raiseEvent(EventUnexpected);
        break;
    case QSerialPort::ReadError: raiseEvent(EventDataLost); break;
    case QSerialPort::WriteError: raiseEvent(EventTxFull); break;
    case QSerialPort::UnknownError: raiseEvent(EventUnexpected); break;
    default: break;
    }
}

void QtSerialPort::closeIfLost()
{
    if (m_lost && m_port) {
        qCWarning(lcSerial).noquote() << m_device << "was lost; port closed";
        close();
    }
}

void QtSerialPort::takeReceived()
{
    if (!m_port || m_port->bytesAvailable() <= 0)
        return;
    const QByteArray received = m_port->readAll();
    appendReceived(received.constData(), received.size());
}

void QtSerialPort::appendReceived(const char *data, qsizetype size)
{
    if (m_readPos > 0) {
        m_input.remove(0, m_readPos);
        m_readPos = 0;
    }
    bool overflow = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\0' && m_nulDiscard)
            continue;
        if (m_input.size() >= kInputBufferSize) {
            overflow = true;
            break;
        }
        m_input.append(c);
    }
    if (overflow)
        raiseEvent(EventRxOverflow);
}

// Waits up to ms for input and reads what the driver holds straight from the
// device. At 9600 baud bytes come about a millisecond apart, so this runs once
// per byte during a receive: one poll and one read, without the signal and
// buffer machinery of QSerialPort::waitForReadyRead, keeps the link's CPU use low.
bool QtSerialPort::waitForInput(int ms)
{
    pollfd p{int(m_port->handle()), POLLIN, 0};
    const int ready = ::poll(&p, 1, ms);
    if (ready <= 0)
        return false;
    if (p.revents & POLLIN) {
        char buffer[kInputBufferSize];
        const ssize_t n = ::read(p.fd, buffer, sizeof buffer);
        if (n > 0) {
            appendReceived(buffer, n);
            return true;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return false;
    }
    // Hang-up, error or end of file: the device went away.
    m_lost = true;
    raiseEvent(EventUnexpected);
    return false;
}

qint64 QtSerialPort::bytesWaiting()
{
    if (!isOpen())
        return 0;
    // bytesAvailable() only knows what Qt has read; a zero wait reads what the
    // driver holds without blocking.
    if (m_port->bytesAvailable() == 0 && !m_port->waitForReadyRead(0))
        m_port->clearError();
    takeReceived();
    closeIfLost();
    return m_input.size() - m_readPos;
}

std::optional<char> QtSerialPort::readByte(Clock::TimePoint deadline)
{
    using namespace std::chrono;
    for (;;) {
        closeIfLost();
        if (!isOpen())
            return std::nullopt;
        if (m_readPos < m_input.size())
            return m_input.at(m_readPos++);
        takeReceived();
        if (m_readPos < m_input.size())
            continue;
        const auto remaining = deadline - steady_clock::now();
        if (remaining <= steady_clock::duration::zero())
            return std::nullopt;
        waitForInput(int(ceil<milliseconds>(remaining).count()));
    }
}

void QtSerialPort::awaitBytes(qint64 count, Clock::TimePoint deadline)
{
    using namespace std::chrono;
    if (!isOpen())
        return;
    takeReceived();
    waitForInput(0);
    const qint64 missing = count - (m_input.size() - m_readPos);
    if (missing <= 1)
        return;
    const auto byteTime = duration<double, std::milli>(kMsPerByte);
    const auto wait = duration_cast<steady_clock::duration>(byteTime * double(missing - 1));
    const auto until = std::min(steady_clock::now() + wait, deadline);
    std::this_thread::sleep_until(until);
}

void QtSerialPort::clearInput()
{
    m_input.clear();
    m_readPos = 0;
    if (isOpen())
        m_port->clear(QSerialPort::Input);
}

void QtSerialPort::clearOutput()
{
    if (isOpen())
        m_port->clear(QSerialPort::Output);
}

bool QtSerialPort::write(const QByteArray &data)
{
    closeIfLost();
    if (!isOpen())
        return false;
    if (m_port->write(data) != data.size())
        return false;
    const auto timeout = kWriteMargin + std::chrono::milliseconds(qint64(data.size() * kMsPerByte) + 1);
    while (m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(int(timeout.count()))) {
            m_port->clearError();
            return false;
        }
    }
    return true;
}

bool QtSerialPort::setDtr(bool on)
{
    if (!isOpen())
        return false;
    if (m_port->setDataTerminalReady(on))
        return true;
    if (m_port->error() == QSerialPort::UnsupportedOperationError)
        qCWarning(lcSerial).noquote() << m_device << "has no DTR line (a pseudo-terminal?)";
    m_port->clearError();
    return false;
}
