#pragma once

#include <array>
#include <filesystem>
#include <string>

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
// Below the thirteen rows the chart shows its garden, where the words of a virtue are
// shown when there is room.
inline constexpr int kGardenTop = RowTop(13) + 10;
inline constexpr int kPanelMargin = 6;
}  // namespace virtuechart

// The virtue (1..13) whose row lies at height y of the chart, or 0 above and below the rows.
constexpr int VirtueRowAt(int y) {
  if (y < virtuechart::kFirstRowTop) return 0;
  const int index = (y - virtuechart::kFirstRowTop) / virtuechart::kRowHeight;
  return index < 13 ? index + 1 : 0;
}

// Where the panel with a virtue's words stands on the chart, of which the top
// visibleHeight pixels can be seen: in the garden below the rows when it fits there, else
// just below the virtue's row, else just above it, else at the top.
int ExplanationTop(int virtue, int panelHeight, int visibleHeight);

// The words that explain a virtue (1..13) to a child: line virtue - 1 of the virtue words
// file. A missing file or line gives "".
std::string VirtueWordsOf(const std::filesystem::path& file, int virtue);

// The sum of each column of the level table over all its rows, as signed values.
std::array<int, LevelTable::kColumns> VirtueTotals(const LevelTable& table);

// How many steps the bar of a total has: step s (from 0) is drawn while 2s < total.
int BarSteps(int total);

}  // namespace quenna
