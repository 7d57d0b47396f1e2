#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "scene/SceneSpots.h"
#include "talk/Roster.h"

namespace quenna {
namespace {

SceneGrid GridOf(const std::vector<std::pair<int, int>>& cellValues) {
  SceneGrid grid{};
  for (const auto& [cell, value] : cellValues)
    grid[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(value);
  return grid;
}

std::string Dump(const SceneSpot& spot) {
  std::ostringstream out;
  out << "value " << spot.value << (spot.person ? " person" : " thing") << " box " << spot.left
      << "," << spot.top << "-" << spot.right << "," << spot.bottom << " anchor " << spot.anchorCell
      << " edges " << spot.outline.size();
  return out.str();
}

// The spots of a grid: one per value however far apart its cells lie, boxed and outlined
// cell by cell, people told from things, visited left to right, cells right of the
// picture and values below 1 left out; Tab and Shift+Tab go round.
TEST(SceneSpots, OneSpotPerValueInTabOrder) {
  // Value 4: a 2 x 2 block at columns 1..2, rows 0..1. Value 2: a single cell in column 0
  // and another in column 3 (apart). Value 6: in column 5, right of a 5-column picture.
  const SceneGrid grid =
      GridOf({{20, 4}, {21, 4}, {40, 4}, {41, 4}, {5, 2}, {65, 2}, {100, 6}, {7, -1}});
  const auto spots = FindSpots(grid, 5, [](int value) { return value == 2; });
  std::vector<std::string> dumps;
  for (const SceneSpot& spot : spots) dumps.push_back(Dump(spot));
  EXPECT_EQ(dumps, (std::vector<std::string>{"value 4 thing box 1,0-2,1 anchor 20 edges 8",
                                             "value 2 person box 0,5-3,5 anchor 5 edges 8"}));
  // The block's outline is its four sides, two cell sides each.
  const std::vector<SpotEdge> top = {{1, 0, 2, 0}, {2, 0, 3, 0}};
  for (const SpotEdge& edge : top)
    EXPECT_NE(std::find(spots[0].outline.begin(), spots[0].outline.end(), edge),
              spots[0].outline.end());

  EXPECT_EQ(NextSpot(2, -1, true), 0);
  EXPECT_EQ(NextSpot(2, -1, false), 1);
  EXPECT_EQ(NextSpot(2, 1, true), 0);
  EXPECT_EQ(NextSpot(2, 0, false), 1);
  EXPECT_EQ(NextSpot(0, -1, true), -1);
}

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

// On the built data every person of every page's roster has a spot that Tab reaches on
// the 20-column picture, marked as a person, and its anchor cell meets that person.
TEST(SceneSpots, EveryRosterPersonOfTheRealGridsCanBeReached) {
  const DataFolder data(QUENNA2_DATA_DIR);
  const std::string bytes = Bytes(data.Resolve(kGridFileName));
  ASSERT_EQ(bytes.size(), 14u * 645u);
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    SCOPED_TRACE(std::string(kDateTabs[static_cast<std::size_t>(tab)].tabCaption));
    SceneGridFile file;
    ASSERT_TRUE(file.Open(data.Resolve(kGridFileName)));
    const SceneGrid grid = file.ReadRecord(tab);
    const auto spots =
        FindSpots(grid, 20, [tab](int value) { return FindRosterRow(tab, value) != nullptr; });
    std::set<int> reached;
    for (const SceneSpot& spot : spots) {
      if (!spot.person) continue;
      const RosterRow* met = PersonAt(tab, grid, spot.anchorCell);
      ASSERT_NE(met, nullptr);
      reached.insert(met->speaker);
    }
    for (const RosterRow& row : kRoster) {
      if (row.tab != tab) continue;
      EXPECT_TRUE(reached.count(row.speaker)) << row.character;
    }
  }
}

}  // namespace
}  // namespace quenna
