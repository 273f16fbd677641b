#include "SimCore.h"

#include "link/LinkFrame.h"

#include <algorithm>

namespace {
QByteArray twoDigits(int n)
{
    return QByteArray::number(n % 100).rightJustified(2, '0');
}
} // namespace

QByteArray SimCore::Revision::replyBody() const
{
    return "J" + twoDigits(secondMajor) + twoDigits(secondMinor) + twoDigits(mainMajor) + twoDigits(mainMinor) +
           twoDigits(thirdMajor) + twoDigits(thirdMinor) + optionCard + (clockCard ? '1' : '0');
}

SimCore::SimCore()
{
    registerHandler('H', [](SimCore &sim, const QByteArray &) { sim.queueMessage(sim.revision().replyBody()); });
}

void SimCore::setPace(int baud)
{
    // 10 bits per byte: start, 8 data, stop.
    m_byteTime = baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
}

SimCore::TimePoint SimCore::arrivalOf(TimePoint readAt)
{
    if (m_byteTime.count() == 0)
        return readAt;
    // Bytes read together were on the wire one after another; the wire is free
    // again once the last has arrived.
    m_rxFree = std::max(readAt, m_rxFree) + m_byteTime;
    return m_rxFree;
}

void SimCore::receive(const char *data, std::size_t size, TimePoint now)
{
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        const TimePoint at = arrivalOf(now);
        if (m_faults.silent)
            continue;
        if (m_awaitingAnswer && m_line.isEmpty() && (c == kAck || c == kNak)) {
            if (c == kAck) {
                m_outgoing.pop_front();
                m_sendTries = 0;
                m_awaitingAnswer = false;
            } else if (++m_sendTries >= kSendAttempts) {
                m_abandoned += int(m_outgoing.size());
                m_outgoing.clear();
                m_sendTries = 0;
                m_awaitingAnswer = false;
            }
            if (!m_outgoing.empty())
                sendCurrent(at + m_faults.delay);
            continue;
        }
        switch (c) {
        case '\0': break;
        case kAck:
        case kNak: break; // nothing of ours is waiting for it
        case kCr:
            onFrame(m_line, at);
            m_line.clear();
            m_lineTooLong = false;
            break;
        default:
            if (m_line.size() < kLongestLine)
                m_line.append(c);
            else
                m_lineTooLong = true;
        }
    }
}

void SimCore::onFrame(const QByteArray &text, TimePoint at)
{
    // A new request ends whatever we were still trying to send.
    if (m_awaitingAnswer) {
        m_abandoned += int(m_outgoing.size());
        m_outgoing.clear();
        m_awaitingAnswer = false;
        m_sendTries = 0;
    }
    const std::size_t width = LinkFrame::kChecksumWidth;
    bool valid = !m_lineTooLong && std::size_t(text.size()) > width;
    QByteArray body;
    if (valid) {
        body = text.left(text.size() - qsizetype(width));
        // The simulator checks and frames with the tool's own checksum code, so
        // a fault there would pass every end-to-end test: the link tests' fixed
        // sums (H048, A041, Z05A, ...) are what guard it.
        valid = LinkFrame::checksum(body) == text.right(qsizetype(width));
    }
    m_frames.append(valid ? body : text);
    const TimePoint answerAt = at + m_faults.delay;
    if (!valid) {
        answer(kNak, answerAt);
        return;
    }
    const char letter = body.front();
    if (int &naks = m_faults.naks[letter]; naks > 0) {
        --naks;
        answer(kNak, answerAt);
        return;
    }
    if (m_faults.blankAck) {
        answer(' ', answerAt);
        return;
    }
    answer(kAck, answerAt);
    if (const auto handler = m_handlers.find(letter); handler != m_handlers.end())
        (*handler)(*this, body);
    if (!m_outgoing.empty() && !m_awaitingAnswer)
        sendCurrent(answerAt);
}

void SimCore::answer(char c, TimePoint at)
{
    if (c == kNak)
        ++m_naksSent;
    emitBytes(QByteArray(1, c), at);
}

void SimCore::queueMessage(const QByteArray &body)
{
    // The unknown message leads each new chain of messages.
    if (m_faults.unknownType && m_outgoing.empty())
        m_outgoing.push_back("Y12");
    m_outgoing.push_back(body);
}

void SimCore::sendCurrent(TimePoint at)
{
    const QByteArray &body = m_outgoing.front();
    QByteArray sum = LinkFrame::checksum(body);
    if (m_faults.badChecksum && !sum.isEmpty())
        sum = LinkFrame::checksum(body + '\x01');
    emitBytes(body + sum + kCr + '\0', at);
    m_awaitingAnswer = true;
}

void SimCore::emitBytes(const QByteArray &bytes, TimePoint earliest)
{
    const TimePoint start = std::max(earliest, m_txFree);
    TimePoint t = start;
    for (const char c : bytes) {
        // A byte reaches the tool when its last bit has been sent.
        t += m_byteTime;
        m_out.emplace_back(t, c);
    }
    m_txFree = t;
}

QByteArray SimCore::takeDue(TimePoint now)
{
    QByteArray due;
    while (!m_out.empty() && m_out.front().first <= now) {
        due.append(m_out.front().second);
        m_out.pop_front();
    }
    return due;
}

std::optional<SimCore::TimePoint> SimCore::nextDue() const
{
    if (m_out.empty())
        return std::nullopt;
    return m_out.front().first;
}
