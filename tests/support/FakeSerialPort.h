#pragma once

#include "platform/serial/SerialPort.h"

#include <QList>

#include <deque>

// A clock that moves only when told; the fake port moves it while it "waits".
class ManualClock : public Clock {
public:
    TimePoint now() const override { return m_now; }
    QDateTime wallNow() const override
    {
        return m_wallStart.addMSecs(std::chrono::duration_cast<std::chrono::milliseconds>(m_now - TimePoint{}).count());
    }
    void advance(std::chrono::steady_clock::duration d) { m_now += d; }
    void advanceTo(TimePoint t)
    {
        if (t > m_now)
            m_now = t;
    }

private:
    TimePoint m_now{};
    QDateTime m_wallStart = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5));
};

// An in-memory serial port for unit tests. The far end is scripted: each write
// takes the next queued reply (an empty reply is silence); with the queue empty
// the responder, if set, answers. Waiting for a byte that never comes moves the
// manual clock to the deadline, so a 500 ms time-out costs no real time.
class FakeSerialPort : public SerialPort {
public:
    using Responder = std::function<QByteArray(const QByteArray &written)>;

    explicit FakeSerialPort(ManualClock &clock) : m_clock(clock) {}

    // The far end's answer to the next write that has no answer yet, arriving
    // `after` the write.
    void queueReply(const QByteArray &reply, std::chrono::milliseconds after = std::chrono::milliseconds(0))
    {
        m_replies.push_back({reply, after});
    }
    void setResponder(Responder responder) { m_responder = std::move(responder); }
    // Bytes that arrive unasked, `after` from now (arrivals must be fed in time order).
    void feed(const QByteArray &bytes, std::chrono::milliseconds after = std::chrono::milliseconds(0))
    {
        m_arrivals.push_back({m_clock.now() + after, bytes});
    }
    // A line event, as the device would report it.
    void raiseLineEvent(int code) { raiseEvent(code); }
    // Forgets every byte in flight and every write, keeping the port open: a
    // fresh far end for the next exchange (the fuzzer reuses one port).
    void reset()
    {
        m_replies.clear();
        m_arrivals.clear();
        m_input.clear();
        m_writes.clear();
    }
    // Makes the next open fail with this cause.
    void failNextOpen(const QString &cause) { m_failOpen = cause; }

    const QList<QByteArray> &writes() const { return m_writes; }
    int openCount() const { return m_openCount; }
    int lastHandshaking() const { return m_handshaking; }
    bool nulDiscard() const { return m_nulDiscard; }
    bool dtr() const { return m_dtr; }

    bool open(const QString &device, int handshaking) override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QString openFailure() const override { return m_failure; }
    QString device() const override { return m_device; }

    bool write(const QByteArray &data) override;
    qint64 bytesWaiting() override;
    std::optional<char> readByte(Clock::TimePoint deadline) override;
    void clearInput() override;
    void clearOutput() override {}
    bool setDtr(bool on) override
    {
        m_dtr = on;
        return m_open;
    }
    void setNulDiscard(bool on) override { m_nulDiscard = on; }
    // Scripted input is not paced by a line: reading it needs no waiting ahead.
    void awaitBytes(qint64, Clock::TimePoint) override {}

private:
    struct Reply {
        QByteArray bytes;
        std::chrono::milliseconds after;
    };
    struct Arrival {
        Clock::TimePoint at;
        QByteArray bytes;
    };
    void deliverUntil(Clock::TimePoint t);

    ManualClock &m_clock;
    std::deque<Reply> m_replies;
    std::deque<Arrival> m_arrivals;
    Responder m_responder;
    QByteArray m_input;
    QList<QByteArray> m_writes;
    QString m_failOpen;
    QString m_failure;
    QString m_device;
    int m_openCount = 0;
    int m_handshaking = -1;
    bool m_open = false;
    bool m_nulDiscard = false;
    bool m_dtr = false;
};
