#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// Cells of a year page's picture: 30 pixels, 20 to a column, columns left to right.
inline constexpr int kCellPixels = 30;
inline constexpr int kCellsPerColumn = 20;
inline constexpr int kGridRecordBytes = 645;
// A cell answers for the clickable that is seen over at least this share of it.
inline constexpr double kCellShare = 0.2;
inline constexpr double kSmallShare = 0.06;

// A painted scene: the picture, and for each clickable how many of its drawn pixels lie
// in each cell (seen or hidden), and how many are seen there.
struct RenderedScene {
  QImage picture;  // RGB32
  int columns = 0;
  int rows = 0;
  // [clickable][cell]: drawn pixels of the clickable in the cell (cell = row + 20 x column).
  std::vector<std::vector<int>> drawnPixels;
  // [value 0..9][cell]: pixels where that value is what the player sees.
  std::array<std::vector<int>, 10> seenPixels;
  // [layer][cell]: pixels where that layer is what the player sees (clickable layers only;
  // empty for the others), and each layer's value.
  std::vector<std::vector<int>> seenByLayer;
  std::vector<int> layerValues;
};

// Paints every layer in order. With picture false only the pixel counts are made
// (the content check needs no picture).
RenderedScene RenderScene(const Scene& scene, bool picture = true);

// The 645 cell values of a page: each cell takes the value seen over the largest part
// of it, when that part is at least kCellShare of the cell; else 0. A drawing too small
// to win a cell that way (a duck, a toy boat) still gets the cells where it is seen over
// at least kSmallShare and where nothing clickable is seen more. Cells beyond the
// picture's 20 columns are 0.
std::array<std::uint8_t, kGridRecordBytes> GridValues(const RenderedScene& rendered);

// The grid record as stored: one ASCII digit per cell.
std::string GridRecord(const std::array<std::uint8_t, kGridRecordBytes>& values);

// The picture with the grid and its values drawn over it, for writers to check a page.
QImage PreviewWithGrid(const RenderedScene& rendered,
                       const std::array<std::uint8_t, kGridRecordBytes>& values);

}  // namespace quenna::datakit
