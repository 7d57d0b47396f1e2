#pragma once

#include <functional>
#include <vector>

#include "scene/SceneFiles.h"

namespace quenna {

// The spots of a year page: what the player can click on its picture, found in the page's
// click grid. Every cell of one value belongs to one spot, even where the cells lie apart
// (a person and their shadow), since a click on any of them does the same thing.

// One side of a cell that lies between a spot and what is not the spot, in cell units:
// (column, row) corners, so (2, 3) to (3, 3) is the top side of the cell in column 2, row 3.
struct SpotEdge {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const SpotEdge&) const = default;
};

struct SceneSpot {
  int value = 0;        // the grid value its cells share (1..)
  bool person = false;  // in talk mode a click on it meets someone
  // The cells it covers, and the one a keyboard click presses: the cell nearest the
  // middle of the spot's cells, so it lies on the spot even when the spot is a ring.
  std::vector<int> cells;
  int anchorCell = 0;
  // Its bounding box in cells: columns left..right and rows top..bottom, inclusive.
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  // Its outline: every cell side between the spot and the rest of the picture.
  std::vector<SpotEdge> outline;
};

// Whether a grid value names a person of the page (in talk mode).
using PersonTest = std::function<bool(int value)>;

// The spots of a grid whose picture shows `columns` columns of cells (cells right of
// them cannot be clicked), in the order Tab visits them: from the left of the picture to
// the right by the middle of each spot, top to bottom where two share a column. Values
// below 1 are nothing there and make no spot.
std::vector<SceneSpot> FindSpots(const SceneGrid& grid, int columns, const PersonTest& isPerson);

// The spot Tab moves to from `current` (-1 for none yet): the next one, after the last the
// first again; Shift+Tab (`forward` false) the one before. -1 when there are no spots.
int NextSpot(int spotCount, int current, bool forward);

}  // namespace quenna
