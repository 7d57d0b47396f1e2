#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/LevelTable.h"
#include "store/HighScoreTable.h"
#include "store/Journal.h"

namespace quenna {

// What the learning journal tells of the games played: per game, the points of every
// level as the level table holds them, and every question met with its tries.

// One answer chosen to a question.
struct AnswerTry {
  std::int64_t time = 0;
  int level = 1;
  char letter = 'A';
  std::string text;
  bool correct = false;
};

// A question as the player met it in one game: the tries from the first until one was
// right. A question answered again after that (a level replayed) starts anew.
struct QuestionProgress {
  int game = 0;  // the index of its game in ProgressSummary::Games()
  int page = 1;
  int speaker = 0;
  std::string person;
  std::string dialogueFile;
  int question = 0;
  std::string questionText;
  char right = 0;  // 0 when the dialogue names no right answer
  std::string rightText;
  std::vector<AnswerTry> tries;  // never empty
  std::vector<int> virtues;      // credited by the right answer
  int bonusVirtue = 0;

  bool AnsweredRight() const { return tries.back().correct; }
  int Level() const { return tries.back().level; }
  std::int64_t Time() const { return tries.back().time; }
};

// The points a level holds in a game, and when they were recorded (its end, or the
// opening of a saved game that held them).
struct LevelProgress {
  LevelPoints points{};
  std::int64_t time = 0;
  bool recorded = false;
  int Sum() const;
};

enum class GameBeginning {
  kNewGame,
  kStartGame,
  kOpenedGame,  // first met as a saved game that no game in the journal had saved
  kUnrecorded,  // records with no start before them
};

struct GameProgress {
  int number = 0;  // 1, 2, ... in the order the games began; empty games are left out
  GameBeginning beginning = GameBeginning::kStartGame;
  std::string savedGame;  // the file, for a game that began as an opened saved game
  std::int64_t firstTime = 0;
  std::int64_t lastTime = 0;
  std::array<LevelProgress, LevelTable::kRows> levels{};
  bool finished = false;  // the last level was played to its end
  int finalTotal = 0;     // the total score at the end of the last level
  std::vector<QuestionProgress> questions;
};

class ProgressSummary {
 public:
  // Follows the records in their order. A game begins at New Game or Start Game. A saved
  // game opened continues the game that saved it, and takes over the points it holds;
  // one no game saved begins a game of its own. Games where nothing was earned or
  // answered are left out.
  static ProgressSummary FromRecords(const std::vector<JournalRecord>& records);

  const std::vector<GameProgress>& Games() const { return games_; }

 private:
  std::vector<GameProgress> games_;
};

struct ProgressFilter {
  std::optional<int> game;  // an index into Games(); nothing for every game
  std::int64_t from = std::numeric_limits<std::int64_t>::min();  // first second shown
  std::int64_t to = std::numeric_limits<std::int64_t>::max();    // first second not shown
};

// What the progress window and the report show for a filter: the questions whose last
// try, and the levels whose points, were recorded in the time, in the games chosen.
// With every game chosen the levels' points are added up over the games.
struct ProgressView {
  std::vector<const QuestionProgress*> questions;  // in the order of their last try
  std::array<LevelPoints, LevelTable::kRows> levels{};
  std::array<bool, LevelTable::kRows> levelShown{};
  LevelPoints virtueTotals{};
  int total = 0;  // the points of every level shown
  int tries = 0;
  int wrongTries = 0;
  int answeredRight = 0;  // questions answered right in the end
  int rightFirstTime = 0;
  std::int64_t firstTime = 0;  // of what is shown; both 0 when nothing is
  std::int64_t lastTime = 0;
};

ProgressView Select(const ProgressSummary& summary, const ProgressFilter& filter);

// The name a report is made out to: the Hall of Fame entry whose score is the final total
// of the latest game in the filter that was played to its end; failing that, the entry
// with the highest score. An empty slot names nobody; "_" in a name is a blank. Empty when
// there is no name.
std::string ReportName(const HighScoreTable& hallOfFame, const ProgressSummary& summary,
                       const ProgressFilter& filter);

}  // namespace quenna
