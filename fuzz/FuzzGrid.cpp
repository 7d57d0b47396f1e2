// The click-grid file "2grdata.": every page's record reads, whatever the file's length
// and bytes, as the cells a click can find.
#include "FuzzSupport.h"
#include "scene/SceneFiles.h"

using namespace quenna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzz::ScratchFile("2grdata.", data, size);
  SceneGridFile grid;
  if (!grid.Open(file)) fuzz::Broken("the grid file could not be opened");
  for (int tab = 0; tab <= 15; ++tab) {
    const SceneGrid cells = grid.ReadRecord(tab);
    if (tab >= 1 && tab <= 14 && static_cast<std::size_t>(tab) * kGridCells <= size) {
      const std::size_t first = static_cast<std::size_t>(tab - 1) * kGridCells;
      for (int i = 0; i < kGridCells; ++i) {
        const auto stored =
            static_cast<std::int8_t>(data[first + static_cast<std::size_t>(i)] - '0');
        if (cells[static_cast<std::size_t>(i)] != stored) fuzz::Broken("a cell reads wrong");
      }
    }
  }
  return 0;
}
