#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/AnswerMarks.h"
#include "core/LevelTable.h"

namespace quenna {

// A saved game: exactly 1117 bytes, no header, no version, every field a raw byte.
//
//   offset  size  field
//   0       770   the level table, row after row: 55 rows of 14 signed bytes (row 0 is
//                 level 1; bytes 0..13 of each row in order, byte 13 included)
//   770     1     CurrentLevel     1..56
//   771     1     CardRoundsDone   the card rounds completed, not below 0
//   772     1     CardRoundDone    0 or 1
//   773     1     TaskTab          0..14, or 99 for every page
//   774     1     TaskVirtue       0..13, or 101..113 once the bonus is due
//   775     342   the answer marks of speakers 0..37, nine questions each, in index
//                 order: 0, or the level in which the question was answered. The
//                 places of speakers 0 and 8, who are nobody, hold speakers 38 and 39
//
// The five single bytes are the low 8 bits of the game's values and are read back as
// signed bytes. Nothing is translated: the file is the same on every system.
inline constexpr std::size_t kSavedGameBytes = 1117;
inline constexpr std::size_t kSavedTableOffset = 0;
inline constexpr std::size_t kSavedCurrentLevelOffset = 770;
inline constexpr std::size_t kSavedCardRoundsDoneOffset = 771;
inline constexpr std::size_t kSavedCardRoundDoneOffset = 772;
inline constexpr std::size_t kSavedTaskTabOffset = 773;
inline constexpr std::size_t kSavedTaskVirtueOffset = 774;
inline constexpr std::size_t kSavedMarksOffset = 775;

struct SavedGame {
  quenna::LevelTable LevelTable;
  std::int8_t CurrentLevel = 1;
  std::int8_t CardRoundsDone = 0;
  std::int8_t CardRoundDone = 0;
  std::int8_t TaskTab = 0;
  std::int8_t TaskVirtue = 0;
  std::array<std::int8_t, AnswerMarks::kSavedMarks> AnsweredFlags{};

  bool operator==(const SavedGame&) const = default;
};

// What the file dialogs offer: saved games end in ".sav".
inline constexpr const char* kSavedGamesFilter = "Saved games|*.sav";
// The saved game the game keeps by itself in the game folder, for Continue.
inline constexpr std::string_view kAutosaveFileName = "autosave.sav";

using SavedGameBytes = std::array<std::uint8_t, kSavedGameBytes>;

// The low 8 bits of a game value, as the file keeps it.
constexpr std::int8_t LowByte(int value) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));
}

SavedGameBytes EncodeSavedGame(const SavedGame& game);
// Takes the bytes apart without judging them; see SavedGameProblem.
SavedGame DecodeSavedGame(const SavedGameBytes& bytes);
// What is wrong with a decoded game, in words for the player; empty when nothing is.
std::string SavedGameProblem(const SavedGame& game);

// What a file holds as a saved game: the game, or why it is none. The same checks as
// ReadSavedGame, without throwing, for a list of saved games and for Continue.
struct SavedGameCheck {
  enum class Problem { kNone, kUnreadable, kWrongSize, kDamaged };
  Problem problem = Problem::kNone;
  std::string detail;       // the system's reason, or the value out of range
  std::uintmax_t size = 0;  // the file's size when it was read
  SavedGame game;           // the game, when there is no problem

  bool Sound() const { return problem == Problem::kNone; }
  // The problem in a few words: "it is damaged: its level is 0 (it can only be 1 to 56)".
  std::string Reason() const;
};
SavedGameCheck CheckSavedGame(const std::filesystem::path& file);

// Writes a saved game whole or not at all. Throws GameError naming the file and the
// reason when it cannot.
void WriteSavedGame(const std::filesystem::path& file, const SavedGame& game);
// Reads and checks a saved game. Throws GameError naming the file and what is wrong
// with it (unreadable, not 1117 bytes long, a value out of range); the caller has
// changed nothing yet, so the game in progress stays as it was.
SavedGame ReadSavedGame(const std::filesystem::path& file);

}  // namespace quenna
