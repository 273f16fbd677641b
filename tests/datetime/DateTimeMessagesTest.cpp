// The bodies of the date, time and daylight-saving messages.
#include "link/datetime/DateTimeMessages.h"
#include "link/LinkFrame.h"

#include <gtest/gtest.h>

using namespace DateTimeMessages;

TEST(DateTimeMessages, LengthsAndChecksumsOnTheWire)
{
    EXPECT_EQ(LinkFrame::expectedLength('T'), 13);
    EXPECT_EQ(LinkFrame::expectedLength('U'), 3);
    // Q and Z are requests the tool sends and never receives.
    EXPECT_EQ(LinkFrame::expectedLength('Q'), 0);
    EXPECT_EQ(LinkFrame::expectedLength('Z'), 0);
    EXPECT_EQ(LinkFrame::checksum(QByteArray(kDaylightQuery)), "05A");
    EXPECT_EQ(LinkFrame::checksum(QByteArray(kDateTimeQuery)), "051");
}

TEST(DateTimeMessages, DaylightReplies)
{
    struct Case {
        const char *body;
        Daylight expected;
    };
    const Case cases[] = {
        {"U10", {false, false}}, // on, but no support information
        {"U11", {true, true}},   {"U01", {true, false}},
        {"U00", {false, false}}, {"U1", {false, false}}, // cut short: nothing known
    };
    for (const Case &c : cases)
        EXPECT_EQ(Setup_Daylight(c.body), c.expected) << c.body;
    EXPECT_EQ(daylightBody(true, true), "U11");
    EXPECT_EQ(daylightBody(false, true), "U01");
}

TEST(DateTimeMessages, DateTimeReplyValidity)
{
    struct Case {
        const char *body;
        bool valid;
    };
    const Case cases[] = {
        {"T235959123105", true},                            // 31 December 2005, 23:59:59
        {"T240000010106", false},                           // hour 24
        {"T120000130106", false},                           // month 13
        {"T120000022900", true},                            // 2000 was a leap year
        {"T120000022901", false}, {"T120000023106", false}, // 31 February
        {"T126000010106", false},                           // minute 60
        {"T1200000101", false},                             // cut short
        {"T12 000010106", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(holdsValidDateTime(c.body), c.valid) << c.body;
}

TEST(DateTimeMessages, PcMomentAndFieldsMakeTheSameBody)
{
    EXPECT_EQ(dateTimeBody(QDateTime(QDate(2007, 3, 5), QTime(9, 4, 7))), "T090407030507");
    EXPECT_EQ(dateTimeBody(QDateTime(QDate(2010, 12, 31), QTime(23, 59, 59))), "T235959123110");
    const Fields f = fields("T235959123105");
    EXPECT_EQ(f.month + f.day + f.year + f.hours + f.minutes + f.seconds, QStringLiteral("123105235959"));
    EXPECT_EQ(dateTimeBody(f), "T235959123105");
}

TEST(DateTimeMessages, InsLeftZeroToOne)
{
    EXPECT_EQ(InsLeftZeroToOne(QStringLiteral("7")), QStringLiteral("07"));
    EXPECT_EQ(InsLeftZeroToOne(QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_EQ(InsLeftZeroToOne(QString()), QString());
    EXPECT_EQ(InsLeftZeroToOne(QStringLiteral("123")), QStringLiteral("123"));
}
