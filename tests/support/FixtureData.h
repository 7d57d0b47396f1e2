#pragma once

#include <QColor>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quenna::testing {

// A small data folder made for one test: every picture the game loads at start-up and
// on the date book's pages (plain coloured JPEGs of the right sizes), the grid file,
// and a message and narration file for each year page. Tests change what they need
// and call Write() again. The folder is removed when the fixture goes.
class FixtureData {
 public:
  FixtureData();
  ~FixtureData();
  FixtureData(const FixtureData&) = delete;
  FixtureData& operator=(const FixtureData&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // A writable folder beside the data, for saved games and "HighScores".
  const std::filesystem::path& UserFolder() const { return userFolder_; }

  // The grid of each page as 645 cell values (default all 0), and its look lines and
  // narration (defaults name the page, so a test can tell which file was read).
  std::array<std::array<int, 645>, 15> grids{};
  std::array<std::vector<std::string>, 15> messages;
  std::array<std::string, 15> narrations;

  // Writes everything above into the folder.
  void Write();
  // Writes a plain picture of the given size and colour at a game path.
  void WritePicture(const std::string& gamePath, int width, int height, QColor color);
  // Writes raw bytes at a game path.
  void WriteFile(const std::string& gamePath, const std::string& bytes);
  void Remove(const std::string& gamePath);
  std::filesystem::path PathOf(const std::string& gamePath) const;

  // The colour of a page's scene picture, so a test can tell which one is shown.
  static QColor PageColor(int tab);

 private:
  std::filesystem::path root_;
  std::filesystem::path userFolder_;
};

}  // namespace quenna::testing
