#include "CaseNames.h"
#include "LinkFixture.h"

#include "SimCore.h"
#include "SimOptions.h"
#include "link/Revisions.h"

namespace {
const QString kTab(QChar(9));

struct ReplyCase {
    const char *body;
    QStringList lines; // the non-empty lines, in display order
    const char *revision;
};
class Replies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(Replies, GiveDisplayLinesAndTransferRevision)
{
    const QByteArray body(GetParam().body);
    const Revisions revs = Revisions::fromReply(body.constData(), std::size_t(body.size()));
    EXPECT_EQ(revs.lines(), GetParam().lines);
    EXPECT_EQ(ControllerRevision(LinkState{}, revs), QString::fromLatin1(GetParam().revision));
}
INSTANTIATE_TEST_SUITE_P(
    JBodies, Replies,
    ::testing::Values(
        ReplyCase{"J02051003000010",
                  {"Main CPU: " + kTab + "Rev 10.03", "Second CPU: " + kTab + "Rev 2.05",
                   "First Option Card: " + kTab + "Type 1"},
                  "2.05"},
        ReplyCase{"J02051003000030", {"Main CPU: " + kTab + "Rev 10.03", "Second CPU: " + kTab + "Rev 2.05"}, "2.05"},
        ReplyCase{"J12340200010221",
                  {"Main CPU: " + kTab + "Rev 2.00", "Second CPU: " + kTab + "Rev 12.34",
                   "Third CPU: " + kTab + "Rev 1.02", "First Option Card: " + kTab + "Type 2",
                   "Second Option Card: " + kTab + "Type CLOCK"},
                  "12.34"},
        // Any valid message is read as the reply; positions it lacks read as empty.
        ReplyCase{"X1",
                  {"Main CPU: " + kTab + "Rev .", "Second CPU: " + kTab + "Rev 1.", "Third CPU: " + kTab + "Rev ."},
                  "ev 1."}),
    [](const auto &info) { return caseName(info.param.body); });
} // namespace

TEST(ControllerRevision, FollowsTheFlagsOfTheRevisionRequest)
{
    LinkState link;
    link.NoResponse = true;
    EXPECT_EQ(ControllerRevision(link, Revisions::notCommunicating()), std::nullopt);
    link.NoResponse = false;
    link.NakLimit = true;
    EXPECT_EQ(ControllerRevision(link, Revisions::preRelease()), QStringLiteral("0.00"));
    link.NakLimit = false;
    EXPECT_EQ(ControllerRevision(link, Revisions::preRelease()), QStringLiteral("2.00"));
}

TEST(SendWarning, NamesTheModel)
{
    EXPECT_EQ(
        SendWarningText(QStringLiteral("Linnet")),
        QStringLiteral("Linnet System may not support all programmed features.\r\n\r\nUpgrade the Linnet "
                       "System Software to prevent receiving\r\nthis message in the future.\r\n\r\nContinue? \r\n"));
}

// The revision exchange against the simulator's protocol core, bridged through the fake port.
namespace {
struct ExchangeCase {
    const char *name;
    QStringList faults;
    QStringList lines;
    std::optional<QString> revision;
};
class Exchange : public LinkFixture, public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(Exchange, FillsTheLinesFromWhatTheControllerDid)
{
    SimCore sim;
    SimCore::Revision rev;
    rev.secondMinor = 5;
    rev.mainMajor = 10;
    rev.mainMinor = 3;
    rev.optionCard = '1';
    sim.setRevision(rev);
    for (const QString &f : GetParam().faults)
        ASSERT_TRUE(SimOptions::applyFault(f, sim.faults(), nullptr)) << f.toStdString();
    port.setResponder([&](const QByteArray &w) {
        sim.receive(w.constData(), std::size_t(w.size()), SimCore::TimePoint{});
        return sim.takeDue(SimCore::TimePoint::max());
    });
    comm.GetRevs();
    EXPECT_EQ(comm.revisions().lines(), GetParam().lines);
    EXPECT_EQ(comm.controllerRevision(), GetParam().revision);
    EXPECT_TRUE(port.isOpen()); // the port stays open
}

const QStringList kUnknown{"Main CPU: " + kTab + "Unknown", "Second CPU: " + kTab + "Unknown",
                           "Third CPU: " + kTab + "Unknown", "** Not Communicating **"};
const QStringList kPre{"Main CPU: " + kTab + "Pre 2.00", "Second CPU: " + kTab + "Pre 2.00"};

INSTANTIATE_TEST_SUITE_P(
    Controllers, Exchange,
    ::testing::Values(ExchangeCase{"Answers",
                                   {},
                                   {"Main CPU: " + kTab + "Rev 10.03", "Second CPU: " + kTab + "Rev 2.05",
                                    "First Option Card: " + kTab + "Type 1"},
                                   QStringLiteral("2.05")},
                      ExchangeCase{"Silent", {"silent"}, kUnknown, std::nullopt},
                      ExchangeCase{"BlankAcks", {"blank-ack"}, kUnknown, std::nullopt},
                      ExchangeCase{"FiveNaksToH", {"nak-h=5"}, kPre, QStringLiteral("0.00")},
                      ExchangeCase{"NaksThenAck",
                                   {"nak-h=4"},
                                   {"Main CPU: " + kTab + "Rev 10.03", "Second CPU: " + kTab + "Rev 2.05",
                                    "First Option Card: " + kTab + "Type 1"},
                                   QStringLiteral("2.05")},
                      ExchangeCase{"ReplyNeverValid", {"bad-checksum"}, kPre, QStringLiteral("2.00")},
                      ExchangeCase{"UnknownTypeBeforeReply", {"unknown-type"}, kPre, QStringLiteral("2.00")}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace

TEST_F(LinkFixture, RevisionsOfAPortThatCannotOpenSayNotCommunicating)
{
    port.failNextOpen(QStringLiteral("missing"));
    comm.GetRevs();
    EXPECT_EQ(comm.revisions(), Revisions::notCommunicating());
    EXPECT_EQ(comm.controllerRevision(), std::nullopt);
}

TEST_F(LinkFixture, RevisionsAreKeptWhileAModemIsDialled)
{
    const Revisions before = comm.revisions();
    comm.GetRevs(true);
    EXPECT_EQ(port.openCount(), 0);
    EXPECT_EQ(comm.revisions(), before);
}
