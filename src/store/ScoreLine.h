#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/LevelTable.h"

namespace quenna {

// One line of the level list: the level number, the points of the thirteen virtues and
// the level's sum, each in a fixed column of a 167-character line:
//
//   0-1      level, "01".."55"         91-92    virtue 8
//   13-14    virtue 1 (temperance)     102-103  virtue 9
//   28-29    virtue 2                  115-116  virtue 10
//   38-39    virtue 3                  130-131  virtue 11
//   47-48    virtue 4                  141-142  virtue 12
//   58-59    virtue 5                  151-152  virtue 13 (humility)
//   69-70    virtue 6                  164-166  the sum, "000".."199"
//   80-81    virtue 7                  all else blanks
//
// A value outside 0..99 (card points below zero, or more than 99 points in a level) is
// written in full, ending on its field's last column and reaching into the blanks to
// its left: -5 reads "-5", 127 reads "127", -128 reads "-128". A sum outside 0..199 is
// written the same way with at least three characters: "-05", "250", "1000". The gaps
// between the fields are wide enough for the widest value, so every line still holds
// exactly fifteen blank-separated fields.
inline constexpr int kScoreLineLength = 167;

// The column key a line starts from; every mark in it lies on a digit of some field.
// The characters are one array that every file shares: a view of a string literal in a
// header may see a different copy of the literal in each file that uses it.
inline constexpr char kScoreLineTemplateText[] =
    "1             1             2         3        4          5          6          7     "
    "     8          9            A              B           C         D           S";
inline constexpr std::string_view kScoreLineTemplate(kScoreLineTemplateText,
                                                     sizeof kScoreLineTemplateText - 1);

inline constexpr int kLevelUnitsColumn = 1;
inline constexpr std::array<int, 13> kVirtueUnitsColumns = {14, 29,  39,  48,  59,  70, 81,
                                                            92, 103, 116, 131, 142, 152};
inline constexpr int kSumUnitsColumn = 166;

// Builds the line of one level, as the level list fills itself row by row.
class ScoreLine {
 public:
  // Starts the line of a level afresh from the column key, with the sum at 0.
  void Begin(int level);
  // Writes a value into the two-digit field whose units are at the position (tens one
  // before) and adds it to the sum.
  void AddScore(int position, std::int8_t value);
  // Writes the sum into its three-digit field and returns the finished line.
  std::string Finish();

 private:
  void WriteField(int unitsPosition, int value, int digits);

  std::array<char, kScoreLineLength> text_{};
  int rowSum_ = 0;
};

// What the level list shows for a level table.
struct LevelList {
  std::vector<std::string> lines;  // line d - 1 for level d
  int FirstOpenRow = 0;            // lines up to here may be replayed
  int LastReplayLine = 0;          // the last line Replay accepts
  int total = 0;                   // the game's total score
};

// The level list's lines: one for each of the 55 levels and an empty last one.
inline constexpr int kLevelListLines = LevelTable::kRows + 1;

// Fills the list for a table, as the window does with its line count (always
// kLevelListLines). FirstOpenRow is the first row from the second on that is not complete,
// or the line count when all are; row 0 is never examined, so level 2 may be replayed even
// before level 1 is complete. The total is the table's PointsTotal.
LevelList BuildLevelList(const LevelTable& table, int lineCount);

// Replay Level accepts the lines of levels; the empty line below them is ignored.
constexpr bool ReplayOffered(int line, int lastReplayLine) {
  return line >= 0 && line <= lastReplayLine;
}
// "Yes" resets a level only up to the first level not yet complete; past it the player
// is told which level must be played first.
constexpr bool ReplayAllowed(int line, int firstOpenRow) {
  return line <= firstOpenRow;
}

}  // namespace quenna
