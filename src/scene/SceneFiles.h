#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace quenna {

// The click grid of a year page: 20 cells per column, columns left to right, 645 cells
// in all. A cell's value picks the look message (look mode) or the person (talk mode).
inline constexpr int kGridCells = 645;
inline constexpr int kGridRowsPerColumn = 20;
using SceneGrid = std::array<std::int8_t, kGridCells>;

// The grid file "2grdata." holds one record of 645 ASCII digits per year page, page p at
// offset (p - 1) x 645; a cell's value is its byte minus '0'.
inline constexpr const char* kGridFileName = "2grdata.";

class SceneGridFile {
 public:
  // Opens the grid file for reading; it stays open for the whole run.
  // Returns false when it cannot be opened.
  bool Open(const std::filesystem::path& file);
  bool IsOpen() const { return stream_.is_open(); }
  // The record of a year page (1..14). Bytes that cannot be read count as 0 before the
  // digit '0' is taken off, so they read as values below 1 (nothing there).
  SceneGrid ReadRecord(int tab);

 private:
  std::ifstream stream_;
};

// "data\grid00.dat" with the page number in place of the two zeros (page 12: "data\grid12.dat").
std::string MessageFileName(int tab);
// "data\orn1.dat" with the page as one digit 1..9 or A..E (page 12: "data\ornC.dat").
std::string NarrationFileName(int tab);

}  // namespace quenna
