#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/LevelTable.h"

namespace quenna::testing {

// A learning journal as real play writes it, for the benchmark, the screenshots and the
// summary test: whole games of 54 levels, each level a card game won and then questions
// of one person answered, some wrongly first, scored as the game scores them (4 points per
// virtue, the bonus for the virtue sought, the progress counts) and written as the
// same lines the Journal writes. Some levels are replayed.
struct SamplePlay {
  // The game's data folder, for the real questions; empty for made-up ones.
  std::filesystem::path dataFolder;
  int games = 1;
  // Stops as soon as this many answers are written (0: play every game to its end).
  int answerLimit = 0;
  unsigned seed = 1;
  std::int64_t startTime = 1'714'723'200;  // 3 May 2024, 08:00 UTC
};

// Appends to the journal file and returns each game's level table as it stood at its end.
std::vector<LevelTable> WriteSampleJournal(const std::filesystem::path& journal,
                                           const SamplePlay& play);

}  // namespace quenna::testing
