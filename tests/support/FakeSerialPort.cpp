#include "FakeSerialPort.h"

bool FakeSerialPort::open(const QString &device, int handshaking)
{
    m_device = device;
    m_handshaking = handshaking;
    if (!m_failOpen.isEmpty()) {
        m_failure = m_failOpen;
        m_failOpen.clear();
        return false;
    }
    m_failure.clear();
    ++m_openCount;
    m_open = true;
    m_input.clear();
    return true;
}

bool FakeSerialPort::write(const QByteArray &data)
{
    if (!m_open)
        return false;
    m_writes.append(data);
    if (!m_replies.empty()) {
        const Reply reply = m_replies.front();
        m_replies.pop_front();
        if (!reply.bytes.isEmpty())
            m_arrivals.push_back({m_clock.now() + reply.after, reply.bytes});
    } else if (m_responder) {
        const QByteArray answer = m_responder(data);
        if (!answer.isEmpty())
            m_arrivals.push_back({m_clock.now(), answer});
    }
    return true;
}

void FakeSerialPort::deliverUntil(Clock::TimePoint t)
{
    while (!m_arrivals.empty() && m_arrivals.front().at <= t) {
        for (const char c : m_arrivals.front().bytes) {
            if (c == '\0' && m_nulDiscard)
                continue;
            if (m_input.size() < kInputBufferSize)
                m_input.append(c);
        }
        m_arrivals.pop_front();
    }
}

qint64 FakeSerialPort::bytesWaiting()
{
    if (!m_open)
        return 0;
    deliverUntil(m_clock.now());
    return m_input.size();
}

std::optional<char> FakeSerialPort::readByte(Clock::TimePoint deadline)
{
    if (!m_open)
        return std::nullopt;
    deliverUntil(m_clock.now());
    while (m_input.isEmpty() && !m_arrivals.empty() && m_arrivals.front().at <= deadline) {
        m_clock.advanceTo(m_arrivals.front().at);
        deliverUntil(m_clock.now());
    }
    if (m_input.isEmpty()) {
        m_clock.advanceTo(deadline);
        return std::nullopt;
    }
    const char c = m_input.front();
    m_input.remove(0, 1);
    return c;
}

void FakeSerialPort::clearInput()
{
    deliverUntil(m_clock.now());
    m_input.clear();
}
