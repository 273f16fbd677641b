#pragma once

#include "platform/Clock.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// A serial port as the link uses it: fixed line settings (9600 baud, no parity,
// 8 data bits, 1 stop bit), a 1024-byte input buffer that is emptied on demand
// and read one byte at a time with a deadline, optional discarding of received
// NUL bytes, and events for line errors.
class SerialPort {
public:
    enum Handshaking { HandshakeNone = 0, HandshakeRtsCts = 2 };

    // Line events, numbered as the tool has always logged them.
    enum CommEvent {
        EventFraming = 1004,
        EventDataLost = 1006,
        EventRxOverflow = 1008,
        EventParity = 1009,
        EventTxFull = 1010,
        EventUnexpected = 1011,
    };

    static constexpr int kInputBufferSize = 1024;

    virtual ~SerialPort() = default;

    // Opens the device with the fixed line settings and the given handshaking,
    // input emptied. On failure openFailure() names the cause.
    virtual bool open(const QString &device, int handshaking) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Why the last open failed, for the user ("" after a successful open).
    virtual QString openFailure() const = 0;
    virtual QString device() const = 0;

    virtual bool write(const QByteArray &data) = 0;
    // Bytes received and not yet read (NULs already dropped when discarding).
    virtual qint64 bytesWaiting() = 0;
    // The next received byte, waiting until the deadline at most; nothing when
    // none arrived in time or the port is closed. Waits without using the CPU.
    virtual std::optional<char> readByte(Clock::TimePoint deadline) = 0;
    // Gives the line the time it needs to deliver count more bytes at 9600 baud
    // (less one byte, and never past the deadline) unless they have already
    // arrived. Reading a frame whose length is known this way wakes the link a
    // few times per frame instead of once per byte.
    virtual void awaitBytes(qint64 count, Clock::TimePoint deadline) = 0;
    virtual void clearInput() = 0;
    virtual void clearOutput() = 0;
    // False when the line cannot be set (a pseudo-terminal has no DTR).
    virtual bool setDtr(bool on) = 0;
    virtual void setNulDiscard(bool on) = 0;

    // Called with a CommEvent code when the line reports an error.
    void setEventHandler(std::function<void(int)> handler) { m_eventHandler = std::move(handler); }

    // The text logged for a line event, "" for events that are not logged.
    static QString eventText(int code);

protected:
    void raiseEvent(int code)
    {
        if (m_eventHandler)
            m_eventHandler(code);
    }

private:
    std::function<void(int)> m_eventHandler;
};
