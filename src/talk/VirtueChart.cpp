#include "talk/VirtueChart.h"

#include <algorithm>

#include "scene/ShiftedText.h"

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

int ExplanationTop(int virtue, int panelHeight, int visibleHeight) {
  using namespace virtuechart;
  if (kGardenTop + panelHeight + kPanelMargin <= visibleHeight) return kGardenTop;
  const int rowBottom = RowTop(virtue);
  if (rowBottom + panelHeight <= visibleHeight) return rowBottom;
  return std::max(RowTop(virtue - 1) - panelHeight, 0);
}

std::string VirtueWordsOf(const std::filesystem::path& file, int virtue) {
  // The thirteen lines stay within the look messages' limit; the file is read like them.
  return LineAt(SplitLines(ReadShiftedText(file, kMessageFileLimit)), virtue - 1);
}

}  // namespace quenna
