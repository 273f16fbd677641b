#include "editors/options/DipSwitchPicture.h"

#include <gtest/gtest.h>

namespace {
using F = DipOptions::Field;
using P = DipSwitchPicture::Position;

// Switch numbers (1-16) that are ON.
std::vector<int> onSwitches(const DipSwitchPicture::Switches &s)
{
    std::vector<int> on;
    for (int i = 0; i < DipSwitchPicture::kSwitches; ++i)
        if (s[i] == P::On)
            on.push_back(i + 1);
    return on;
}
} // namespace

TEST(DipSwitchPicture, EachOptionSetsItsOwnSwitchOnly)
{
    const struct {
        F field;
        int value;
        int switchNumber;
    } cases[] = {{F::LowStn21, 1, 1},
                 {F::LowStn22, 1, 2},
                 {F::LowStn23, 1, 3},
                 {F::LowStn24, 1, 4},
                 {F::QueueTone, 1, 6},
                 {F::DialTone, 1, 7},
                 {F::HfAlertTone, 1, 8},
                 {F::PageAlertTone, 1, 9},
                 {F::RingbackTone, 1, 10},
                 {F::PrivacyTone, 1, 11},
                 {F::PriorityGlobal, 1, 12},
                 {F::PriorityOverride, 1, 13},
                 {F::RingPattern, DipOptions::British, 14},
                 {F::RingPattern, DipOptions::Dutch, 15},
                 {F::ExtToneSource, 1, 16}};
    for (const auto &c : cases) {
        DipOptions options;
        options.set(c.field, c.value);
        EXPECT_EQ(onSwitches(DipSwitchPicture::compute(options)), std::vector<int>{c.switchNumber})
            << DipOptions::column(c.field).toStdString() << " = " << c.value;
    }
}

TEST(DipSwitchPicture, AllOffButTheDialPlanSwitchWhichIsNeverSet)
{
    DipOptions none;
    const auto off = DipSwitchPicture::compute(none);
    DipOptions all;
    for (int f = 0; f < DipOptions::kFields; ++f)
        all.set(F(f), 1);
    const auto on = DipSwitchPicture::compute(all);
    for (int i = 0; i < DipSwitchPicture::kSwitches; ++i) {
        if (i == 4) {
            EXPECT_EQ(off[i], P::Unset);
            EXPECT_EQ(on[i], P::Unset);
        } else {
            EXPECT_EQ(off[i], P::Off) << "switch " << i + 1;
        }
    }
    // Every box ticked is still the Dutch ring pattern: 14 OFF, 15 ON.
    EXPECT_EQ(on[13], P::Off);
    EXPECT_EQ(on[14], P::On);
}

TEST(DipSwitchPicture, RingPatternTakesTwoSwitchesAndAnUnknownOneLeavesThemUnset)
{
    const struct {
        int pattern;
        P s14, s15;
    } cases[] = {{DipOptions::American, P::Off, P::Off},
                 {DipOptions::Dutch, P::Off, P::On},
                 {DipOptions::British, P::On, P::Off},
                 {3, P::Unset, P::Unset},
                 {DipOptions::kNoRingPattern, P::Unset, P::Unset}};
    for (const auto &c : cases) {
        DipOptions options;
        options.set(F::RingPattern, c.pattern);
        const auto s = DipSwitchPicture::compute(options);
        EXPECT_EQ(s[13], c.s14) << "pattern " << c.pattern;
        EXPECT_EQ(s[14], c.s15) << "pattern " << c.pattern;
    }
}

TEST(DipOptions, ChangesNameOnlyTheColumnsThatDiffer)
{
    DipOptions before;
    before.set(F::QueueTone, 1);
    DipOptions after = before;
    EXPECT_TRUE(after.changesFrom(before).isEmpty());
    after.set(F::RingPattern, DipOptions::Dutch);
    after.set(F::QueueTone, 0);
    const auto changes = after.changesFrom(before);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.value(QStringLiteral("RingPattern")).toInt(), 1);
    EXPECT_EQ(changes.value(QStringLiteral("QueueTone")).toInt(), 0);
}
