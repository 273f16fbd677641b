#include "link/records/RecordMessages.h"

#include <gtest/gtest.h>

using namespace RecordMessages;

namespace {
QString s(const char *text)
{
    return QString::fromLatin1(text);
}
QVariantList flags(const char *bits)
{
    QVariantList values;
    for (const char *b = bits; *b; ++b)
        values << (*b == '1' ? 1 : 0);
    return values;
}
QVariantList schedRow(int schedule, const char *days)
{
    return QVariantList{schedule} + flags(days);
}
} // namespace

TEST(SchedMessage, TheLastRowWithTheDaySetWinsAndNoRowSendsZero)
{
    // Monday ticked in schedules 2 and 5; nothing on Sunday.
    const QList<QVariantList> rows = {schedRow(1, "0000000"), schedRow(2, "0100000"), schedRow(3, "0000000"),
                                      schedRow(4, "0010000"), schedRow(5, "0100000"), schedRow(6, "0000001")};
    QStringList bodies;
    for (int d = 1; d <= kWeekdays; ++d)
        bodies << schedBody(d, rows);
    EXPECT_EQ(bodies, (QStringList{s("W10"), s("W25"), s("W34"), s("W40"), s("W50"), s("W60"), s("W76")}));
}

TEST(SchedMessage, ParsesDayAndScheduleAndRefusesALetterForSchedule)
{
    const auto w = parseSched(s("W30"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->weekday, 3);
    EXPECT_EQ(w->schedule, 0);
    EXPECT_EQ(parseSched(s("W3x")).error, 13);
    EXPECT_EQ(parseSched(s("Wx2"))->weekday, -1); // checked only once a row is found
}

TEST(EventMessage, IsConcatenatedAsStored)
{
    QVariantList row{3, s("07:45"), 2, 5};
    row += flags("1000000000000001");
    EXPECT_EQ(eventBody(row), s("E307:452051000000000000001"));
    EXPECT_EQ(eventBody(row).size(), 26);

    // Values longer than their field are not cut: the controller refuses the length.
    QVariantList wide{12, s("7:45"), 2, 123};
    wide += flags("0000000000000000");
    EXPECT_EQ(eventBody(wide), s("E127:45223") + QString(16, u'0'));
}

TEST(EventMessage, ParsesEveryColumnWithAllSixteenPageGroups)
{
    const auto row = parseEvent(s("E307:452051111111111111111"));
    ASSERT_TRUE(row);
    QVariantList expected{3, s("07:45"), 2, 5};
    expected += flags("1111111111111111");
    EXPECT_EQ(*row, expected);
    EXPECT_EQ(parseEvent(s("E307:452x51111111111111111")).error, 13);
    EXPECT_EQ(parseEvent(s("Ex07:452051111111111111111")).error, 13);
}

TEST(ClockMessage, PadsSingleDigitClockTypes)
{
    EXPECT_EQ(clockBody({1, 3, 7, 12, true}), s("I130712"
                                                "1"));
    EXPECT_EQ(clockBody({0, 0, s(" 7 "), 8, false}), s("I000708"
                                                       "0"));
    const auto clock = parseClock(s("I1307120"));
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->clockA, 7);
    EXPECT_EQ(clock->clockB, 12);
    EXPECT_FALSE(clock->enabled);
    EXPECT_TRUE(parseClock(s("I1307122"))->enabled);
    EXPECT_EQ(parseClock(s("I13x7121")).error, 13);
}

TEST(TonePageGroups, TakeOnlyTheGroupsOfTheConfiguredBoards)
{
    const QString allOnes = s("K") + QString(16, u'1');
    EXPECT_EQ(parseTonePageGroups(allOnes, 0), flags("1111000000000000"));
    EXPECT_EQ(parseTonePageGroups(allOnes, 1), flags("1111111100000000"));
    EXPECT_EQ(parseTonePageGroups(allOnes, 3), flags("1111111111111111"));
    EXPECT_EQ(tonePageGroupsBody(u'N', flags("1010000000000001")), s("N1010000000000001"));
}

TEST(ClidMessage, PadsAndCutsTheTexts)
{
    EXPECT_EQ(clidBody({7, s("123"), QVariant()}), s("C07123 ") + QString(15, u' '));
    EXPECT_EQ(clidBody({96, s("123456"), s("A very long caller text")}), s("C961234A very long cal"));
    const auto c = parseClid(s("C07123 ") + s("Front desk     "));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->station, 7);
    EXPECT_EQ(c->archnum, s("123 "));
    EXPECT_EQ(c->clidString, s("Front desk     "));
    EXPECT_EQ(parseClid(s("C-1") + QString(19, u' ')).error, 6);
}

TEST(GroupMessage, CarriesTheDialCodeAndSixteenFlags)
{
    EXPECT_EQ(groupBody(QVariantList{2} + flags("1100000000000011")), s("G21100000000000011"));
    const auto g = parseGroup(s("G31100000000000011"));
    ASSERT_TRUE(g);
    EXPECT_EQ(g->dialCode, 3);
    EXPECT_EQ(g->pageGroups, flags("1100000000000011"));
}

TEST(ClassServiceMessage, SendsOneBeyondTheLastExistingGroup)
{
    QList<QVariantList> rows;
    for (int g = 1; g <= 16; ++g)
        rows << QVariantList{g, 2};
    EXPECT_EQ(classServiceBody(rows, 0), s("P222211111111111"
                                           "1"));
    EXPECT_EQ(classServiceBody(rows, 2), s("P222222222222111"
                                           "1"));
    EXPECT_EQ(classServiceBody(rows, 3), s("P") + QString(16, u'2'));
    // A table without the last group sends every stored value.
    EXPECT_EQ(classServiceBody(rows.mid(0, 3), 1), s("P222"));
    // -1, the older files' value, goes out as the class the editor shows for it.
    rows[1] = QVariantList{2, -1};
    EXPECT_EQ(classServiceBody(rows, 3), s("P21") + QString(14, u'2'));

    const QString body = s("P0120120120120120");
    EXPECT_EQ(*classServiceOf(body, 1), 0);
    EXPECT_EQ(*classServiceOf(body, 16), 0);
    EXPECT_EQ(*classServiceOf(body, 3), 2);
    EXPECT_EQ(classServiceOf(body, 0).error, 13);  // the type letter
    EXPECT_EQ(classServiceOf(body, 17).error, 13); // past the end
    EXPECT_EQ(classServiceOf(body, -2).error, 5);
}

TEST(DipMessage, InvertsFlagsAndPairsTheRingPattern)
{
    QVariantList allFalse = flags("0000000000000");
    EXPECT_EQ(dipBody(allFalse + QVariantList{1, 0}), s("D1111111111111"
                                                        "10"
                                                        "1"));
    QVariantList mixed = flags("1000000000001");
    EXPECT_EQ(dipBody(mixed + QVariantList{2, 1}), s("D0111111111110"
                                                     "01"
                                                     "0"));
    // An unknown pattern sends no pair: the body is two characters short.
    EXPECT_EQ(dipBody(allFalse + QVariantList{5, 0}).size(), 15);

    const DipRecord d = parseDip(s("D0111111111110"
                                   "00"
                                   "0"));
    EXPECT_EQ(d.flags, flags("1000000000001"));
    EXPECT_FALSE(d.ringPattern.has_value());
    EXPECT_EQ(d.extToneSource, 1);
}

TEST(DipMessage, RingPatternPairsBothWays)
{
    for (int pattern = 0; pattern <= 2; ++pattern)
        EXPECT_EQ(ringPatternOf(ringPatternPair(pattern)), pattern);
    EXPECT_EQ(ringPatternPair(3), QString());
    EXPECT_FALSE(ringPatternOf(s("00")).has_value());
}

TEST(BgmMessage, IsInverted)
{
    EXPECT_EQ(bgmBody(flags("1000000000000000")), s("M0") + QString(15, u'1'));
    EXPECT_EQ(parseBgm(s("M0") + QString(15, u'1')), flags("1000000000000000"));
}

TEST(ConfigMessage, RefusesMoreThanThreeBoards)
{
    EXPECT_EQ(configBody(2), s("X2"));
    EXPECT_EQ(*parseConfig(s("X3")), 3);
    EXPECT_EQ(parseConfig(s("X4")).error, 5);
    EXPECT_EQ(allDoneBody(), s("A"));
}

TEST(Numbers, ValTakesLeadingDigitsAndToNumberIsStrict)
{
    EXPECT_EQ(Val(s(" 7x")), 7);
    EXPECT_EQ(Val(s("x7")), 0);
    EXPECT_EQ(Val(s("-3")), -3);
    EXPECT_EQ(*toNumber(s(" 07 ")), 7);
    EXPECT_FALSE(toNumber(s("7x")));
    EXPECT_FALSE(toNumber(QString()));
}

TEST(BodyFault, AWellFormedBodyHasItsTypesLengthAndOnlyTheCharactersItsFieldsTake)
{
    const QString clean[] = {s("E307:452051000000000000001"),
                             s("C07123 ") + QString(15, u' '),
                             QStringLiteral("C01    “Café” – 5 € Œ "),
                             s("W25"),
                             s("X3"),
                             s("A"),
                             s("I1307121"),
                             s("P") + QString(16, u'1'),
                             s("G2") + QString(16, u'0')};
    for (const QString &body : clean)
        EXPECT_EQ(bodyFault(body), QString()) << body.toStdString();

    const struct {
        QString body;
        const char *fault;
    } faulty[] = {
        {s("E112:37001100000000000000"), "25 characters where 26 are needed"},
        {s("E1ab:cd1051000000000000000"), "character U+0061 at position 3"},
        {s("E112:3x0510000000000000000"), "character U+0078 at position 7"},
        {s("C01    Hall\rA") + QString(9, u' '), "character U+000D at position 12"},
        {QStringLiteral("C01    Snow ☃") + QString(9, u' '), "character U+2603 at position 13"},
        {s("D") + QString(13, u'1') + s("1"), "15 characters where 17 are needed"},
        {s("Q12"), "unknown message type"},
        {QString(), "empty body"},
    };
    for (const auto &f : faulty)
        EXPECT_EQ(bodyFault(f.body), s(f.fault)) << f.body.toStdString();
}
