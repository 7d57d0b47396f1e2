#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/SavedGameFile.h"

namespace quenna {

// A saved game as the Open list shows it, read from the file itself: its level, its score
// and when it was written; or, for a file that holds no sound saved game, why not.
struct SavedGameEntry {
  std::filesystem::path file;
  std::int64_t modified = 0;  // seconds since 1970
  int level = 0;
  int score = 0;        // the total of its level table, as the game shows it
  std::string problem;  // empty for a sound saved game ("it is damaged: ...")

  bool Sound() const { return problem.empty(); }
};

// The saved games of a folder: its ordinary files ending in ".sav" (in any case), newest
// first, files of the same second by name. A folder that cannot be read lists nothing.
std::vector<SavedGameEntry> ListSavedGames(const std::filesystem::path& folder);

}  // namespace quenna
