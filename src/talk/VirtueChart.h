#pragma once

#include <array>

#include "core/LevelTable.h"

namespace quenna {

// The gold bars of the virtue chart: virtue k's bar lies on the row whose top is
// 16 + 24k and is drawn as the gold tile repeated one pixel apart from x = 147, one
// step for every two points (rounded up), at most 100 steps.
namespace virtuechart {
inline constexpr int kBarLeft = 147;
inline constexpr int kMostSteps = 100;
inline constexpr int kFirstRowTop = 16;
inline constexpr int kRowHeight = 24;
constexpr int RowTop(int virtueIndex) {
  return kFirstRowTop + kRowHeight * virtueIndex;
}
}  // namespace virtuechart

// The sum of each column of the level table over all its rows, as signed values.
std::array<int, LevelTable::kColumns> VirtueTotals(const LevelTable& table);

// How many steps the bar of a total has: step s (from 0) is drawn while 2s < total.
int BarSteps(int total);

}  // namespace quenna
