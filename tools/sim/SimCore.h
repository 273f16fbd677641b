#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

#include <chrono>
#include <deque>
#include <functional>
#include <optional>

// The controller's side of the link, without any I/O: bytes from the tool go in
// with the time they were read, bytes to the tool come out with the time they
// are due. It frames and checks messages as the controller does (NUL filler
// ignored, checksum checked, ACK or NAK), answers requests through handlers by
// type letter, sends its own messages and resends them on NAK. With a pace set,
// it models a wire of that speed: a received frame counts as complete only when
// its last byte would have arrived, and its output bytes fall due one by one on
// an absolute schedule.
class SimCore {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;
    using Handler = std::function<void(SimCore &, const QByteArray &body)>;

    static constexpr char kAck = 6;
    static constexpr char kNak = 21;
    static constexpr char kCr = 13;
    static constexpr int kSendAttempts = 5;
    // A line longer than this is garbage: it is NAKed whole.
    static constexpr qsizetype kLongestLine = 256;

    struct Revision {
        int secondMajor = 2, secondMinor = 0;
        int mainMajor = 2, mainMinor = 0;
        int thirdMajor = 0, thirdMinor = 0; // 0.00: no third CPU
        char optionCard = '0';              // '1' or '2': a card of that type
        bool clockCard = false;
        // The J reply body.
        QByteArray replyBody() const;
    };

    struct Faults {
        bool silent = false;                // answers nothing at all
        bool blankAck = false;              // a blank instead of every ACK
        bool badChecksum = false;           // every message it sends has a wrong checksum
        bool unknownType = false;           // a well-formed message of an unknown type before each reply
        std::chrono::milliseconds delay{0}; // before every answer and message
        QHash<char, int> naks;              // type letter → number of NAKs before the first ACK
        bool noDaylight = false;            // keeps no daylight-saving information (answers Z with U00)
        bool lostClock = false;             // reports an impossible date until the tool sets the clock
    };

    SimCore();

    void setRevision(const Revision &rev) { m_revision = rev; }
    const Revision &revision() const { return m_revision; }
    void setFaults(const Faults &faults) { m_faults = faults; }
    Faults &faults() { return m_faults; }
    // Bits per second of the modelled wire; 0 for no pacing.
    void setPace(int baud);

    // The handler of a type letter runs after the frame was acknowledged.
    void registerHandler(char letter, Handler handler) { m_handlers.insert(letter, std::move(handler)); }
    // A message the controller sends once the link is free (from a handler).
    void queueMessage(const QByteArray &body);

    void receive(const char *data, std::size_t size, TimePoint now);
    // Bytes due at or before now, in order.
    QByteArray takeDue(TimePoint now);
    std::optional<TimePoint> nextDue() const;

    // Every checked frame received (bodies of the valid ones, whole text of the others).
    const QList<QByteArray> &framesReceived() const { return m_frames; }
    int naksSent() const { return m_naksSent; }
    int messagesAbandoned() const { return m_abandoned; }

private:
    void onFrame(const QByteArray &text, TimePoint at);
    void answer(char c, TimePoint at);
    void sendCurrent(TimePoint at);
    void emitBytes(const QByteArray &bytes, TimePoint earliest);
    TimePoint arrivalOf(TimePoint readAt);

    Revision m_revision;
    Faults m_faults;
    QHash<char, Handler> m_handlers;
    std::chrono::nanoseconds m_byteTime{0};

    QByteArray m_line;
    bool m_lineTooLong = false;
    TimePoint m_rxFree{};
    TimePoint m_txFree{};
    std::deque<std::pair<TimePoint, char>> m_out;

    std::deque<QByteArray> m_outgoing; // messages to send; front is on the wire
    bool m_awaitingAnswer = false;
    int m_sendTries = 0;

    QList<QByteArray> m_frames;
    int m_naksSent = 0;
    int m_abandoned = 0;
};
