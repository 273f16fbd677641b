#include "CaseNames.h"
#include "LinkFixture.h"

#include "core/AppState.h"

#include <chrono>

using namespace std::chrono_literals;

namespace {
struct ChecksumCase {
    const char *body;
    const char *sum;
};
void PrintTo(const ChecksumCase &c, std::ostream *os)
{
    *os << '"' << QByteArray(c.body).toHex().toStdString() << "\" -> " << c.sum;
}
class Checksum : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(Checksum, IsSumModulo4096InUpperHex)
{
    EXPECT_EQ(LinkFrame::checksum(QByteArray(GetParam().body)), QByteArray(GetParam().sum));
}
INSTANTIATE_TEST_SUITE_P(
    Bodies, Checksum,
    ::testing::Values(ChecksumCase{"H", "048"}, ChecksumCase{"A", "041"}, ChecksumCase{"Z", "05A"},
                      ChecksumCase{"X0", "088"}, ChecksumCase{"W11", "0B9"}, ChecksumCase{"", "000"},
                      // 0xFF * 16 = 0xFF0, 0xFF * 17 = 0x10EF wraps to 0EF
                      ChecksumCase{"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", "FF0"},
                      ChecksumCase{"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", "0EF"}),
    [](const auto &info) { return "Sum" + std::string(info.param.sum); });

// The body length of every message the tool receives, written down from the
// protocol rather than read from the link's own table: exactly that length
// with a right checksum is valid, one character less or more is a wrong length.
struct LengthCase {
    char letter;
    int length;
};
void PrintTo(const LengthCase &c, std::ostream *os)
{
    *os << c.letter << " is " << c.length;
}
class BodyLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(BodyLength, OnlyTheProtocolsLengthIsValid)
{
    const auto [letter, length] = GetParam();
    const auto verdict = [](const QByteArray &body) {
        const QByteArray text = body + LinkFrame::checksum(body);
        return LinkFrame::validate(text.constData(), std::size_t(text.size())).verdict;
    };
    const auto body = [letter](int size) { return QByteArray(1, letter) + QByteArray(size - 1, '1'); };
    EXPECT_EQ(verdict(body(length)), LinkFrame::Verdict::Valid);
    EXPECT_EQ(verdict(body(length + 1)), LinkFrame::Verdict::WrongLength);
    if (length > 1)
        EXPECT_EQ(verdict(body(length - 1)), LinkFrame::Verdict::WrongLength);
}
INSTANTIATE_TEST_SUITE_P(Letters, BodyLength,
                         ::testing::Values(LengthCase{'I', 8}, LengthCase{'M', 17}, LengthCase{'K', 17},
                                           LengthCase{'N', 17}, LengthCase{'C', 22}, LengthCase{'X', 2},
                                           LengthCase{'D', 17}, LengthCase{'E', 26}, LengthCase{'G', 18},
                                           LengthCase{'W', 3}, LengthCase{'A', 1}, LengthCase{'T', 13},
                                           LengthCase{'J', 15}, LengthCase{'P', 17}, LengthCase{'U', 3}),
                         [](const auto &info) { return std::string(1, info.param.letter); });
} // namespace

using ModCommTest = LinkFixture;

TEST_F(ModCommTest, ChecksumOverflowGivesEmptyTextAndIsLogged)
{
    comm.files().createCommLog();
    EXPECT_EQ(comm.Compute_Checksum(QByteArray(128, '\xFF')).size(), 3); // 32640 still fits
    const QByteArray body(129, '\xFF');
    EXPECT_EQ(comm.Compute_Checksum(body), QByteArray());
    EXPECT_TRUE(comm.link().ExceptionsOccurred);
    EXPECT_EQ(commLog(), QStringList{QStringLiteral("ERROR 6 COMPUTING CHECK SUM (Compute_Checksum): ") +
                                     QString::fromLatin1(body)});
    const auto rows = errorRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][4].toString(), QStringLiteral("Bad CheckSum"));
}

TEST_F(ModCommTest, FramesGoOnTheWireWithChecksumCrAndNul)
{
    open();
    port.queueReply(ack());
    port.queueReply(ack());
    EXPECT_TRUE(comm.Send_Msg("H"));
    EXPECT_TRUE(comm.Send_Msg("A"));
    EXPECT_EQ(port.writes(), (QList<QByteArray>{QByteArray("H048\r\0", 6), QByteArray("A041\r\0", 6)}));
}

namespace {
struct AnswerCase {
    const char *name;
    std::vector<QByteArray> answers; // one per transmission; "" is silence
    bool result;
    int transmissions;
    bool noResponse;
    bool nakLimit;
};
class SendAnswers : public LinkFixture, public ::testing::WithParamInterface<AnswerCase> {};

const QByteArray kAckByte(1, 6), kNakByte(1, 21);

TEST_P(SendAnswers, CountAttemptsAndSetTheFlags)
{
    const AnswerCase &c = GetParam();
    open();
    for (const QByteArray &a : c.answers)
        port.queueReply(a);
    comm.link().NoResponse = comm.link().NakLimit = true; // every call sets both anew
    const auto start = clock.now();
    EXPECT_EQ(comm.Send_Msg("X0"), c.result);
    EXPECT_EQ(port.writes().size(), c.transmissions);
    EXPECT_EQ(comm.link().NoResponse, c.noResponse);
    EXPECT_EQ(comm.link().NakLimit, c.nakLimit);
    // Each unanswered transmission waits 500 ms for its answer.
    const auto silences = std::count(c.answers.begin(), c.answers.begin() + c.transmissions, QByteArray());
    EXPECT_EQ(clock.now() - start, silences * ModComm::kCharTimeout);
}
INSTANTIATE_TEST_SUITE_P(
    Controllers, SendAnswers,
    ::testing::Values(AnswerCase{"AckAtOnce", {kAckByte}, true, 1, false, false},
                      AnswerCase{"AckAfterNaks", {kNakByte, kNakByte, kAckByte}, true, 3, false, false},
                      AnswerCase{"Silent", {"", "", "", "", ""}, false, 5, true, false},
                      AnswerCase{"FiveNaks", {kNakByte, kNakByte, kNakByte, kNakByte, kNakByte}, false, 5, false, true},
                      AnswerCase{
                          "ThreeNaksTwoSilences", {kNakByte, kNakByte, kNakByte, "", ""}, false, 5, false, false},
                      AnswerCase{"BlankIsNoAnswer", {" ", " ", " ", " ", " "}, false, 5, true, false},
                      AnswerCase{"MixedNeverAck", {"x", "\x15\x06", "", "?", "0"}, false, 5, false, false}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace

TEST_F(ModCommTest, AnswerMustArriveWithin500Milliseconds)
{
    open();
    port.queueReply(ack(), 499ms);
    EXPECT_TRUE(comm.Send_Msg("X0"));
    EXPECT_EQ(port.writes().size(), 1);

    port.queueReply(ack(), 501ms); // too late for the first transmission, in time for the second
    port.queueReply("");
    EXPECT_TRUE(comm.Send_Msg("X0"));
    EXPECT_EQ(port.writes().size(), 3);
}

TEST_F(ModCommTest, SendOnClosedPortFailsAsNoResponse)
{
    EXPECT_FALSE(comm.Send_Msg("H"));
    EXPECT_TRUE(comm.link().NoResponse);
    EXPECT_FALSE(comm.link().NakLimit);
    EXPECT_TRUE(comm.link().ExceptionsOccurred);
    ASSERT_FALSE(errorRows().isEmpty());
    EXPECT_EQ(errorRows().last()[4].toString(), QStringLiteral("Send_Msg"));
}

TEST_F(ModCommTest, TransmitTraceLeavesOutRequestsAndDateTime)
{
    open();
    ASSERT_TRUE(comm.files().createTransmit());
    for (const char *body : {"X0", "H", "S", "Q", "R", "T120000010106", "U11", "Z", "A"}) {
        port.queueReply(ack());
        comm.Send_Msg(body);
    }
    comm.files().closeData();
    QFile f(app.context().paths.TxTracePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    EXPECT_TRUE(lines[0].startsWith("Date - Time - "));
    EXPECT_EQ(lines.mid(1), (QList<QByteArray>{"X0088\r", "S053\r", "A041\r", ""}));
}

namespace {
struct ReceiveCase {
    const char *name;
    QByteArray sent; // the controller's line, resent after each NAK
    bool result;
    QByteArray msgBuffer;
    QByteArray answers; // ACK/NAK bytes the tool wrote
    QStringList log;
    bool exceptions;
};
class ReceiveLines : public LinkFixture, public ::testing::WithParamInterface<ReceiveCase> {};

TEST_P(ReceiveLines, AreValidatedAnsweredAndLogged)
{
    const ReceiveCase &c = GetParam();
    open();
    comm.files().createCommLog();
    port.feed(c.sent + '\r');
    port.setResponder([&](const QByteArray &w) { return w == QByteArray(1, 21) ? c.sent + '\r' : QByteArray(); });
    EXPECT_EQ(comm.Receive_Msg(false), c.result);
    EXPECT_EQ(comm.link().MsgBuffer, c.msgBuffer);
    EXPECT_EQ(answersWritten(), c.answers);
    EXPECT_EQ(commLog(), c.log);
    EXPECT_EQ(comm.link().ExceptionsOccurred, c.exceptions);
}

QStringList nackLines(const QString &copy)
{
    QStringList out;
    for (int i = 1; i <= 5; ++i)
        out << QString::number(i) + QStringLiteral(" - NACK:  ") + copy;
    return out;
}
QStringList mismatchThenNack(const QString &mismatch, const QString &copy)
{
    QStringList out;
    for (int i = 1; i <= 5; ++i)
        out << mismatch << QString::number(i) + QStringLiteral(" - NACK:  ") + copy;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReceiveLines,
    ::testing::Values(
        ReceiveCase{"Valid", "X0088", true, "X0", "\x06", {"Valid :  X0088"}, false},
        ReceiveCase{"TrailingBlanksRemoved", "X0088   ", true, "X0", "\x06", {"Valid :  X0088"}, false},
        ReceiveCase{
            "ChecksumMismatch", "X0089", false, "X0", "\x15\x15\x15\x15\x15",
            mismatchThenNack("ERROR : CHECK SUM DOES NOT MATCH: X0089. The correct check sum is : 088", "X0089"), true},
        ReceiveCase{
            "LowerCaseChecksum", "W110b9", false, "W11", "\x15\x15\x15\x15\x15",
            mismatchThenNack("ERROR : CHECK SUM DOES NOT MATCH: W110b9. The correct check sum is : 0B9", "W110b9"),
            true},
        ReceiveCase{"WrongLengthForType", "X00880", false, "X00", "\x15\x15\x15\x15\x15", nackLines("X00880"), false},
        ReceiveCase{"UnknownType", "Y12" + LinkFrame::checksum("Y12"), false, "Y12", "\x15\x15\x15\x15\x15",
                    nackLines("Y12" + LinkFrame::checksum("Y12")), false},
        ReceiveCase{"TooShort", "X00", false, "X00", "\x15\x15\x15\x15\x15", nackLines("X00"), false},
        ReceiveCase{"CutTo50", "E" + QByteArray(60, '1'), false, "E" + QByteArray(46, '1'), "\x15\x15\x15\x15\x15",
                    nackLines("E" + QString(49, QLatin1Char('1'))), false}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace

TEST_F(ModCommTest, SilenceUsesAllFiveTriesWithEmptyNackLines)
{
    open();
    comm.files().createCommLog();
    const auto start = clock.now();
    EXPECT_FALSE(comm.Receive_Msg(false));
    EXPECT_EQ(answersWritten(), QByteArray(5, 21));
    EXPECT_EQ(commLog(), (QStringList{"1 - NACK:  ", "2 - NACK:  ", "3 - NACK:  ", "4 - NACK:  ", "5 - NACK:  "}));
    EXPECT_EQ(clock.now() - start, 5 * ModComm::kCharTimeout);
}

TEST_F(ModCommTest, NewerControllerMessageIsAcceptedOnlyWithCheckRev)
{
    const QByteArray y12 = "Y12" + LinkFrame::checksum("Y12");
    open();
    comm.files().createCommLog();
    port.feed(y12 + '\r');
    EXPECT_TRUE(comm.Receive_Msg(true));
    EXPECT_EQ(answersWritten(), ack());
    EXPECT_EQ(commLog(),
              (QStringList{"1 - NACK:  " + QString::fromLatin1(y12), "Ignore Message Due to Rev Conflicts"}));

    // A corrupt message of an unknown type is still refused.
    port.feed("Y12000\r");
    port.setResponder([](const QByteArray &) { return QByteArray("Y12000\r"); });
    EXPECT_FALSE(comm.Receive_Msg(true));
}

TEST_F(ModCommTest, ReceiveTraceTakesRecordTextsOnly)
{
    open();
    ASSERT_TRUE(comm.files().createReceive());
    const QByteArray j = "J02051003000010" + LinkFrame::checksum("J02051003000010");
    for (const QByteArray &text : {QByteArray("X1089"), j, QByteArray("A041")}) {
        port.feed(text + '\r');
        EXPECT_TRUE(comm.Receive_Msg(false));
    }
    app.context().state.DateTimeInProgress = true;
    port.feed("X0088\r");
    EXPECT_TRUE(comm.Receive_Msg(false));
    comm.files().closeData();
    QFile f(app.context().paths.RxTracePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().split('\n').mid(1), (QList<QByteArray>{"X1089\r", "A041\r", ""}));
}

TEST_F(ModCommTest, NulFillerIsDiscardedByThePort)
{
    open();
    EXPECT_TRUE(port.nulDiscard());
    port.feed(QByteArray("X0\0"
                         "088\r\0",
                         8));
    EXPECT_TRUE(comm.Receive_Msg(false));
    EXPECT_EQ(comm.link().MsgBuffer, "X0");
}

TEST_F(ModCommTest, GarbageNeverHangsTheReceive)
{
    open();
    const QList<QByteArray> garbage = {QByteArray(10000, 'x') + '\r', QByteArray(300, '\0'), QByteArray("\r\r\r\r\r\r"),
                                       QByteArray("\x06\x15\xff\x80\x7f\r"), QByteArray(20000, 'J')};
    for (const QByteArray &g : garbage) {
        port.feed(g);
        const auto start = clock.now();
        EXPECT_FALSE(comm.Receive_Msg(true));
        EXPECT_LE(clock.now() - start, 5 * ModComm::kCharTimeout);
        port.clearInput();
    }
    // A line without CR ends at the longest line; the rest is read as further
    // lines. (Fed in pieces the 1024-byte input buffer can hold.)
    for (int i = 0; i <= ModComm::kLongestLine / 1000; ++i)
        port.feed(QByteArray(i < ModComm::kLongestLine / 1000 ? 1000 : ModComm::kLongestLine % 1000 + 10, 'x'),
                  std::chrono::milliseconds(100 * i));
    EXPECT_EQ(comm.MyGetString().size(), ModComm::kLongestLine);
    EXPECT_EQ(comm.MyGetString().size(), 10);
}

TEST_F(ModCommTest, PortZeroIsOpenedAsPortOne)
{
    ports.setDevice(1, QStringLiteral("/dev/first"));
    app.context().state.settings.CommPort = 0;
    EXPECT_TRUE(comm.Init_Comm(0));
    EXPECT_EQ(app.context().state.settings.CommPort, 1);
    EXPECT_EQ(port.device(), QStringLiteral("/dev/first"));
    EXPECT_EQ(port.lastHandshaking(), 0);

    // An open port is used unchanged, whatever mode is asked.
    EXPECT_TRUE(comm.Init_Comm(2));
    EXPECT_EQ(port.openCount(), 1);
    EXPECT_EQ(port.lastHandshaking(), 0);

    comm.Exit_Comm();
    EXPECT_FALSE(port.isOpen());
    port.failNextOpen(QStringLiteral("busy"));
    EXPECT_FALSE(comm.Init_Comm(2));
    EXPECT_EQ(comm.openFailure(), QStringLiteral("busy"));
    EXPECT_TRUE(errorRows().isEmpty()); // the caller reports it
}

TEST_F(ModCommTest, DebugTraceLinesGoToTheErrorLog)
{
    open();
    app.context().state.DebugTrace = true;
    port.queueReply(""); // to the AT line
    port.queueReply(" ");
    port.queueReply(ack());
    comm.MyPutStr("AT\r");
    EXPECT_TRUE(comm.Send_Msg("H"));
    QStringList texts;
    for (const QVariantList &row : errorRows()) {
        EXPECT_EQ(row[0].toInt(), 0);
        EXPECT_EQ(row[2].toString(), QStringLiteral("Not An Error"));
        EXPECT_EQ(row[3].toString(), QStringLiteral("Not An Error"));
        texts << row[1].toString() + QLatin1Char('|') + row[4].toString();
    }
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("Transmitting = AT\r|MyPutStr"),
                           QStringLiteral("Send Data Message = H048\r") + QChar(0) + QStringLiteral("|Mygetstring"),
                           QStringLiteral("Response => EMPTY String|Mygetstring"),
                           QStringLiteral("Send Data Message = H048\r") + QChar(0) + QStringLiteral("|Mygetstring"),
                           QStringLiteral("Response => Chr=\x06 Ascii=6|Mygetstring")}));
}

TEST_F(ModCommTest, LineEventsAreLoggedWithTheirTexts)
{
    port.raiseLineEvent(SerialPort::EventRxOverflow);
    port.raiseLineEvent(1001); // not a logged event
    port.raiseLineEvent(SerialPort::EventFraming);
    const auto rows = errorRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (QVariantList{1008, "Recieve Buffer Overflow", "frmMenu", "frmMenu", "OnComm"}));
    EXPECT_EQ(rows[1][1].toString(), QStringLiteral("framing Error"));
}
