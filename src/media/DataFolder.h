#pragma once

#include <filesystem>
#include <string_view>

#include "core/GameFiles.h"

namespace quenna {

// The folder that holds the game's pictures, sounds and texts. The game names its files
// as it always has, "scenes//17161x1.jpg" or "data\grid01.dat": both "/" and "\" are
// separators here, and a doubled separator counts once.
class DataFolder {
 public:
  explicit DataFolder(std::filesystem::path root);

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Resolve(std::string_view gamePath) const;

  // Where to find the data: the working directory when it holds the game's grid file,
  // else the data folder built or installed beside the program. Returns the first
  // candidate that holds the grid file, or the first candidate when none does.
  static std::filesystem::path Locate(const std::filesystem::path& workingDirectory,
                                      const std::filesystem::path& programDirectory);
  // The file that marks a folder as the game's data folder.
  static constexpr std::string_view kMarkerFile = kGridFile;

 private:
  std::filesystem::path root_;
};

}  // namespace quenna
