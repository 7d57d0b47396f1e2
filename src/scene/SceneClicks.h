#pragma once

#include <optional>

#include "scene/SceneFiles.h"

namespace quenna {

// What a click on the scene picture points at. The picture is cut into square cells,
// 20 to a column and columns from the left (kGridRowsPerColumn); the grid gives each cell
// a value.

// The size of a cell: a twentieth of the picture's height, or 30 on a screen exactly 600
// pixels high, where the picture is not stretched.
int CellSizeFor(int pictureHeight, int screenHeight);

// The cell under a point of the picture. A cell size below 1 (a picture lower than 20
// pixels) counts as 1. Below the twentieth row the strip left over reads as the top cell of
// the next column; a cell right of the grid has an index of kGridCells or more.
int CellAt(int x, int y, int cellSize);

// The grid value of a cell, or nothing for a cell beyond the grid.
std::optional<int> CellValue(const SceneGrid& grid, int cell);

// The look message a cell shows: its value, or line 0 ("nothing special") for a value
// below 1 or a cell beyond the grid.
int LookValue(const SceneGrid& grid, int cell);

}  // namespace quenna
