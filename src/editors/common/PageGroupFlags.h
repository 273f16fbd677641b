#pragma once

#include <array>

// Which of the controller's 16 page groups belong to a set (a custom page
// group, or the page groups an audio source reaches). Index k is page group
// k + 1; groups 1-4 come with the main board, 5-8, 9-12 and 13-16 with the
// first, second and third expansion boards.
namespace PageGroups {
constexpr int kCount = 16;
constexpr int kPerBoard = 4;
using Flags = std::array<bool, kCount>;

// Page groups of the boards present: 4 × (expansion boards + 1); a board
// count outside 0-3 is taken as the nearest one.
int available(int expansionBoards);

// Include All: every available page group is added, the others keep their
// value (a stored group of a missing board stays as it was).
Flags includeAll(Flags flags, int available);
// Remove All: every page group is removed, available or not.
Flags removeAll();
} // namespace PageGroups
