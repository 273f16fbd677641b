// The date and time fields' rules, without a screen.
#include "editors/datetime/DateTimeFieldRules.h"

#include <gtest/gtest.h>

using G = DateTimeFieldRules::Group;

TEST(DateTimeFieldRules, ScrollBarsRunNegatedOverEachFieldsRange)
{
    struct Case {
        G group;
        int field;
        int min, max;
    };
    const Case cases[] = {{G::Date, 0, 1, 12}, {G::Date, 1, 1, 31}, {G::Date, 2, 0, 99},
                          {G::Time, 0, 0, 23}, {G::Time, 1, 0, 59}, {G::Time, 2, 0, 59}};
    for (const Case &c : cases) {
        const auto r = DateTimeFieldRules::scrollRange(c.group, c.field);
        EXPECT_EQ(r.min, -c.max);
        EXPECT_EQ(r.max, -c.min);
    }
    DateTimeFieldRules rules;
    EXPECT_EQ(rules.gotFocus(G::Date, 0, QStringLiteral("03")), -3);
    // Up moves the bar towards its minimum, which is the larger month.
    EXPECT_EQ(rules.scrolled(G::Date, -4), QStringLiteral("04"));
    EXPECT_EQ(rules.gotFocus(G::Date, 2, QStringLiteral("07")), -7);
    EXPECT_EQ(rules.attached(G::Date), 2);
}

TEST(DateTimeFieldRules, LeavingAFieldPadsOrRefuses)
{
    struct Case {
        G group;
        int field;
        const char *before, *typed, *after;
        bool refused;
    };
    const Case cases[] = {
        {G::Date, 0, "03", "13", "03", true},                                        // month 13
        {G::Time, 0, "12", "7", "07", false}, {G::Date, 1, "15", "", "15", true},    // day 00
        {G::Date, 2, "06", "", "00", false},                                         // year 00
        {G::Time, 1, "30", "60", "30", true}, {G::Date, 1, "15", "31", "31", false}, // any month
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        DateTimeFieldRules rules;
        rules.gotFocus(c.group, c.field, QString::fromLatin1(c.before));
        rules.validate(c.group, QString::fromLatin1(c.typed));
        const auto leave = rules.lostFocus(c.group, QString::fromLatin1(c.typed));
        EXPECT_EQ(leave.text, QString::fromLatin1(c.after));
        EXPECT_EQ(leave.refused, c.refused);
        EXPECT_FALSE(rules.invalid(c.group));
    }
}

TEST(DateTimeFieldRules, TwoValidDigitsAdvance)
{
    DateTimeFieldRules rules;
    rules.gotFocus(G::Time, 0, QStringLiteral("12"));
    rules.validate(G::Time, QStringLiteral("0"));
    EXPECT_FALSE(rules.advances(G::Time, QStringLiteral("0")));
    rules.validate(G::Time, QStringLiteral("07"));
    EXPECT_TRUE(rules.advances(G::Time, QStringLiteral("07")));
    rules.validate(G::Time, QStringLiteral("25"));
    EXPECT_TRUE(rules.invalid(G::Time));
    EXPECT_FALSE(rules.advances(G::Time, QStringLiteral("25")));
    // The scroll bar moving clears the group's invalid flag.
    rules.scrolled(G::Time, -23);
    EXPECT_FALSE(rules.invalid(G::Time));
}
