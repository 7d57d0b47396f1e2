#include "talk/VirtueChart.h"

#include <algorithm>

namespace quenna {

std::array<int, LevelTable::kColumns> VirtueTotals(const LevelTable& table) {
  std::array<int, LevelTable::kColumns> totals{};
  for (int row = 0; row < LevelTable::kRows; ++row) {
    for (int column = 0; column < LevelTable::kColumns; ++column) {
      totals[static_cast<std::size_t>(column)] += table.Value(row, column);
    }
  }
  return totals;
}

int BarSteps(int total) {
  if (total <= 0) return 0;
  return std::min(virtuechart::kMostSteps, (total + 1) / 2);
}

}  // namespace quenna
