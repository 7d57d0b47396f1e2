#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/GameFiles.h"

namespace quenna {

// The click grid of a year page: 20 cells per column, columns left to right, 645 cells
// in all. A cell's value picks the look message (look mode) or the person (talk mode).
inline constexpr int kGridCells = 645;
inline constexpr int kGridRowsPerColumn = 20;
using SceneGrid = std::array<std::int8_t, kGridCells>;

// The grid file "2grdata." holds one record of 645 ASCII digits per year page, page p at
// offset (p - 1) x 645; a cell's value is its byte minus '0'.
inline constexpr const char* kGridFileName = kGridFile.data();

class SceneGridFile {
 public:
  // Opens the grid file for reading; it stays open for the whole run.
  // Returns false when it cannot be opened.
  bool Open(const std::filesystem::path& file);
  // The record of a year page (1..14). Bytes that cannot be read count as 0 before the
  // digit '0' is taken off, so they read as values below 1 (nothing there).
  SceneGrid ReadRecord(int tab);

 private:
  std::ifstream stream_;
};

// The look messages and the narration of a year page (1..14), from the list of the game's
// files: page 12 has "data\grid12.dat" and "data\ornC.dat". Other pages have none: "".
std::string MessageFileName(int tab);
std::string NarrationFileName(int tab);

}  // namespace quenna
