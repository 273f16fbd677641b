#pragma once

#include "editors/options/DipOptions.h"

#include <QString>

#include <array>

// The main board's 16 DIP switches that a set of system options corresponds
// to. Switch 5 (the 3-digit dial plan) is not an option of the tool and is
// never set; a ring pattern other than the three known ones leaves switches
// 14 and 15 unset.
class DipSwitchPicture {
public:
    static constexpr int kSwitches = 16;
    enum class Position { Unset, On, Off };
    using Switches = std::array<Position, kSwitches>;

    // Index i is switch i + 1.
    static Switches compute(const DipOptions &options);
    // The description beside switch index i (the second ring-pattern switch has none).
    static QString description(int index);
};
