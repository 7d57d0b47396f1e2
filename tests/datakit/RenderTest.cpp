#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "Render.h"
#include "Source.h"

namespace quenna::datakit {
namespace {

std::string CellsByValue(const std::array<std::uint8_t, kGridRecordBytes>& values) {
  std::map<int, std::string> cells;
  for (std::size_t cell = 0; cell < values.size(); ++cell) {
    if (values[cell] != 0) cells[values[cell]] += " " + std::to_string(cell);
  }
  std::ostringstream out;
  for (const auto& [value, list] : cells) out << value << ":" << list << "\n";
  return out.str();
}

// The grid is made from what is drawn: a cell takes the value seen over most of it
// (at least a fifth), what is drawn on top wins, a small drawing still gets the cell it
// sits in, and what is hidden or tiny gets none. Cells count 20 to a column.
TEST(Grid, CellsFollowWhatIsSeen) {
  const PageSource page = ParsePageSource(R"(page 1716
backdrop plain
nothing N
thing 1 big
  draw patch at 2,3 size 3x2
  look a
thing 2 on top
  draw patch at 4,3 size 1x1
  look b
thing 3 small
  draw patch at 10.4,10.4 size 0.35x0.35
  look c
thing 4 hidden
  draw patch at 15,15 size 1x1
  look d
decor patch at 14,14 size 3x3
thing 5 half a cell
  draw patch at 7,7 size 0.5x1
  look e
thing 6 a tenth of a cell
  draw patch at 9,1 size 0.1x1
  look f
thing 7 tiny
  draw patch at 12.4,12.4 size 0.2x0.2
  look g
narration
Story.
)",
                                          "t.page");
  const RenderedScene rendered = RenderScene(page.scene);
  EXPECT_EQ(CellsByValue(GridValues(rendered)),
            "1: 43 44 63 64 84\n"
            "2: 83\n"
            "3: 210\n"
            "5: 147\n"
            "6: 181\n");
  // The person check uses the drawn pixels, hidden or not.
  EXPECT_EQ(rendered.drawnPixels[3][15 + 20 * 15], 900);
  EXPECT_EQ(GridRecord(GridValues(rendered)).size(), 645u);
  EXPECT_EQ(GridRecord(GridValues(rendered)).substr(40, 6), "000110");
}

// Painting is repeatable: the same scene gives the same picture, pixel for pixel.
TEST(Grid, SameSourceSamePicture) {
  const PageSource page = ParsePageSource(
      "page 1716\nbackdrop outdoors clouds=4 tufts sun\nnothing N\ndecor crowd at 1,5 size 18x8 "
      "rows=3\n"
      "overlay rain\nnarration\nStory.\n",
      "t.page");
  EXPECT_TRUE(RenderScene(page.scene).picture == RenderScene(page.scene).picture);
}

}  // namespace
}  // namespace quenna::datakit
