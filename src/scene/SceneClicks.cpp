#include "scene/SceneClicks.h"

namespace quenna {

int CellSizeFor(int pictureHeight, int screenHeight) {
  if (screenHeight == 600) return 30;
  return pictureHeight / kGridRowsPerColumn;
}

int CellAt(int x, int y, int cellSize) {
  if (cellSize <= 0) cellSize = 1;
  return y / cellSize + kGridRowsPerColumn * (x / cellSize);
}

std::optional<int> CellValue(const SceneGrid& grid, int cell) {
  if (cell < 0 || cell >= kGridCells) return std::nullopt;
  return grid[static_cast<std::size_t>(cell)];
}

int LookValue(const SceneGrid& grid, int cell) {
  const int value = CellValue(grid, cell).value_or(0);
  return value < 1 ? 0 : value;
}

}  // namespace quenna
