#include "SimCore.h"
#include "SimOptions.h"
#include "link/LinkFrame.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
QByteArray frame(const QByteArray &body)
{
    return body + LinkFrame::checksum(body) + '\r' + '\0';
}

class SimCoreTest : public ::testing::Test {
protected:
    QByteArray exchange(const QByteArray &bytes)
    {
        sim.receive(bytes.constData(), std::size_t(bytes.size()), t0);
        return sim.takeDue(SimCore::TimePoint::max());
    }
    SimCore sim;
    const SimCore::TimePoint t0 = SimCore::TimePoint{} + 1h;
};
} // namespace

TEST_F(SimCoreTest, AcknowledgesARequestAndSendsItsReplyUntilAcknowledged)
{
    const QByteArray reply = frame("J02000200000000");
    EXPECT_EQ(exchange(frame("H")), "\x06" + reply);
    EXPECT_EQ(exchange("\x15"), reply); // resent after a NAK
    EXPECT_EQ(exchange("\x06"), QByteArray());
    EXPECT_EQ(exchange(frame("X1")), "\x06"); // a record: acknowledged only
    EXPECT_EQ(exchange("H049\r"), "\x15");    // checksum wrong
    EXPECT_EQ(exchange(QByteArray(300, 'x') + "\r"), "\x15");
    EXPECT_EQ(sim.framesReceived(), (QList<QByteArray>{"H", "X1", "H049", QByteArray(256, 'x')}));
}

TEST_F(SimCoreTest, GivesUpAMessageAfterFiveNaks)
{
    exchange(frame("H"));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(exchange("\x15").isEmpty());
    EXPECT_EQ(exchange("\x15"), QByteArray());
    EXPECT_EQ(sim.messagesAbandoned(), 1);
}

TEST_F(SimCoreTest, NamedFaultsParse)
{
    SimCore::Faults f;
    QString error;
    for (const char *name : {"silent", "blank-ack", "bad-checksum", "unknown-type", "delay=250", "nak-h=5", "nak-E=2"})
        EXPECT_TRUE(SimOptions::applyFault(QString::fromLatin1(name), f, &error)) << name;
    EXPECT_TRUE(f.silent && f.blankAck && f.badChecksum && f.unknownType);
    EXPECT_EQ(f.delay, 250ms);
    EXPECT_EQ(f.naks.value('H'), 5);
    EXPECT_EQ(f.naks.value('E'), 2);
    for (const char *name : {"nak-h", "delay=x", "loud", "nak-hh=1"})
        EXPECT_FALSE(SimOptions::applyFault(QString::fromLatin1(name), f, &error)) << name;

    SimOptions options;
    EXPECT_TRUE(SimOptions::parse({"--rev", "2.10", "--main-rev", "10.03", "--third-rev", "1.02", "--option-card", "2",
                                   "--clock-card", "--pace", "9600"},
                                  options, &error));
    EXPECT_EQ(options.revision.replyBody(), "J02101003010221");
    EXPECT_EQ(options.pace, 9600);
    EXPECT_FALSE(SimOptions::parse({"--rev", "two"}, options, &error));
}

TEST_F(SimCoreTest, DelayHoldsEveryAnswer)
{
    SimOptions::applyFault(QStringLiteral("delay=600"), sim.faults(), nullptr);
    sim.receive("X0088\r", 6, t0);
    EXPECT_EQ(sim.takeDue(t0 + 599ms), QByteArray());
    EXPECT_EQ(sim.nextDue(), t0 + 600ms);
}

TEST_F(SimCoreTest, PacedWireDeliversBytesWhenA9600BaudLineWould)
{
    sim.setPace(9600);
    const auto byte = std::chrono::nanoseconds(1'041'666);
    const QByteArray h = frame("H"); // 6 bytes, read at once from a pseudo-terminal
    sim.receive(h.constData(), std::size_t(h.size()), t0);
    // The frame is complete once its CR (5th byte) has arrived; the ACK takes one byte time.
    EXPECT_EQ(sim.nextDue(), t0 + 6 * byte);
    EXPECT_EQ(sim.takeDue(t0 + 6 * byte - 1ns), QByteArray());
    EXPECT_EQ(sim.takeDue(t0 + 6 * byte), "\x06");
    // The 20 bytes of the reply follow one per byte time on an absolute schedule.
    EXPECT_EQ(sim.takeDue(t0 + 7 * byte), "J");
    EXPECT_EQ(sim.takeDue(t0 + 25 * byte).size(), 18);
    EXPECT_EQ(sim.takeDue(t0 + 26 * byte), QByteArray(1, '\0'));
    EXPECT_EQ(sim.nextDue(), std::nullopt);

    // A frame read in two pieces: the second piece, read while the wire was
    // still busy with the first, arrives after it; one read after the wire
    // fell idle arrives no earlier than it was read.
    const QByteArray x = frame("X0"); // X 0 0 8 8 CR NUL
    const auto later = t0 + 1s;
    sim.receive(x.constData(), 3, later);
    sim.receive(x.constData() + 3, std::size_t(x.size()) - 3, later + 1ms);
    EXPECT_EQ(sim.nextDue(), later + 7 * byte);
    sim.takeDue(SimCore::TimePoint::max());
    const auto idle = later + 1s;
    sim.receive(x.constData(), 3, idle);
    sim.receive(x.constData() + 3, std::size_t(x.size()) - 3, idle + 10ms);
    EXPECT_EQ(sim.nextDue(), idle + 10ms + 4 * byte);
}
