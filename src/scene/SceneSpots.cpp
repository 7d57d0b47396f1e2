#include "scene/SceneSpots.h"

#include <algorithm>
#include <map>

namespace quenna {
namespace {

int ColumnOf(int cell) {
  return cell / kGridRowsPerColumn;
}
int RowOf(int cell) {
  return cell % kGridRowsPerColumn;
}

// The value of the cell at a column and row, or 0 (nothing) off the grid or the picture.
int ValueAt(const SceneGrid& grid, int columns, int column, int row) {
  if (column < 0 || column >= columns || row < 0 || row >= kGridRowsPerColumn) return 0;
  const int cell = row + kGridRowsPerColumn * column;
  if (cell >= kGridCells) return 0;
  return grid[static_cast<std::size_t>(cell)];
}

void Outline(const SceneGrid& grid, int columns, SceneSpot& spot) {
  for (const int cell : spot.cells) {
    const int x = ColumnOf(cell);
    const int y = RowOf(cell);
    if (ValueAt(grid, columns, x, y - 1) != spot.value) spot.outline.push_back({x, y, x + 1, y});
    if (ValueAt(grid, columns, x, y + 1) != spot.value)
      spot.outline.push_back({x, y + 1, x + 1, y + 1});
    if (ValueAt(grid, columns, x - 1, y) != spot.value) spot.outline.push_back({x, y, x, y + 1});
    if (ValueAt(grid, columns, x + 1, y) != spot.value)
      spot.outline.push_back({x + 1, y, x + 1, y + 1});
  }
}

// The cell of the spot nearest the middle of its cells (twice the coordinates, to stay in
// whole numbers); the first such cell in grid order on a tie.
int AnchorCell(const SceneSpot& spot) {
  long sumX = 0;
  long sumY = 0;
  for (const int cell : spot.cells) {
    sumX += 2 * ColumnOf(cell) + 1;
    sumY += 2 * RowOf(cell) + 1;
  }
  const long count = static_cast<long>(spot.cells.size());
  int best = spot.cells.front();
  long bestDistance = -1;
  for (const int cell : spot.cells) {
    const long dx = (2 * ColumnOf(cell) + 1) * count - sumX;
    const long dy = (2 * RowOf(cell) + 1) * count - sumY;
    const long distance = dx * dx + dy * dy;
    if (bestDistance < 0 || distance < bestDistance) {
      best = cell;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

std::vector<SceneSpot> FindSpots(const SceneGrid& grid, int columns, const PersonTest& isPerson) {
  std::map<int, SceneSpot> byValue;
  for (int cell = 0; cell < kGridCells; ++cell) {
    const int value = grid[static_cast<std::size_t>(cell)];
    if (value < 1 || ColumnOf(cell) >= columns) continue;
    SceneSpot& spot = byValue[value];
    if (spot.cells.empty()) {
      spot.value = value;
      spot.left = spot.right = ColumnOf(cell);
      spot.top = spot.bottom = RowOf(cell);
    }
    spot.cells.push_back(cell);
    spot.left = std::min(spot.left, ColumnOf(cell));
    spot.right = std::max(spot.right, ColumnOf(cell));
    spot.top = std::min(spot.top, RowOf(cell));
    spot.bottom = std::max(spot.bottom, RowOf(cell));
  }
  std::vector<SceneSpot> spots;
  for (auto& entry : byValue) {
    SceneSpot& spot = entry.second;
    spot.person = isPerson && isPerson(spot.value);
    spot.anchorCell = AnchorCell(spot);
    Outline(grid, columns, spot);
    spots.push_back(std::move(spot));
  }
  std::stable_sort(spots.begin(), spots.end(), [](const SceneSpot& a, const SceneSpot& b) {
    const int aMiddle = a.left + a.right;
    const int bMiddle = b.left + b.right;
    if (aMiddle != bMiddle) return aMiddle < bMiddle;
    return a.top + a.bottom < b.top + b.bottom;
  });
  return spots;
}

int NextSpot(int spotCount, int current, bool forward) {
  if (spotCount <= 0) return -1;
  if (current < 0 || current >= spotCount) return forward ? 0 : spotCount - 1;
  return forward ? (current + 1) % spotCount : (current + spotCount - 1) % spotCount;
}

}  // namespace quenna
