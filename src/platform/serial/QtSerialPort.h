#pragma once

#include "platform/serial/SerialPort.h"

#include <QSerialPort>

#include <memory>

// The serial port over QSerialPort. The QSerialPort is created by open(), so it
// belongs to the thread that opens the port (the link thread) and must be used
// and closed there. Reads wait with waitForReadyRead, so an idle wait costs no
// CPU. Deadlines are steady-clock times.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool open(const QString &device, int handshaking) override;
    void close() override;
    bool isOpen() const override;
    QString openFailure() const override { return m_failure; }
    QString device() const override { return m_device; }

    bool write(const QByteArray &data) override;
    qint64 bytesWaiting() override;
    std::optional<char> readByte(Clock::TimePoint deadline) override;
    void clearInput() override;
    void clearOutput() override;
    bool setDtr(bool on) override;
    void setNulDiscard(bool on) override { m_nulDiscard = on; }
    void awaitBytes(qint64 count, Clock::TimePoint deadline) override;

    // The cause of a failed open in words a user can act on.
    static QString describeOpenFailure(const QString &device, QSerialPort::SerialPortError error,
                                       const QString &systemText);

private:
    void takeReceived();
    void appendReceived(const char *data, qsizetype size);
    bool waitForInput(int ms);
    void onError(QSerialPort::SerialPortError error);
    void closeIfLost();

    std::unique_ptr<QSerialPort> m_port;
    QByteArray m_input; // received, not yet read; at most kInputBufferSize bytes
    qsizetype m_readPos = 0;
    bool m_nulDiscard = false;
    bool m_lost = false; // the device went away; closed at the next safe point
    QString m_failure;
    QString m_device;
};
