#include "talk/Roster.h"

#include "core/WorldTables.h"
#include "scene/SceneClicks.h"

namespace quenna {

const RosterRow* FindRosterRow(int tab, int cellValue) {
  for (const RosterRow& row : kRoster) {
    if (row.tab != tab) continue;
    if (cellValue == row.cellValue || (row.andBelow && cellValue < row.cellValue)) return &row;
  }
  return nullptr;
}

const RosterRow* PersonAt(int tab, const SceneGrid& grid, int cell) {
  const std::optional<int> value = CellValue(grid, cell);
  return value ? FindRosterRow(tab, *value) : nullptr;
}

bool MayTalkOn(int taskTab, int currentTab) {
  const int page = taskTab == kAnyTab ? currentTab : taskTab;
  return page != kCoverTab && page == currentTab;
}

std::string MeetsTitle(int taskVirtue) {
  return "You are seeking the virtue of " + std::string(VirtueName(taskVirtue));
}

}  // namespace quenna
