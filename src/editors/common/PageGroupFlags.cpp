#include "editors/common/PageGroupFlags.h"

#include <algorithm>

namespace PageGroups {

int available(int expansionBoards)
{
    return kPerBoard * (std::clamp(expansionBoards, 0, 3) + 1);
}

Flags includeAll(Flags flags, int available)
{
    for (int k = 0; k < std::min(available, kCount); ++k)
        flags[k] = true;
    return flags;
}

Flags removeAll()
{
    return Flags{};
}

} // namespace PageGroups
