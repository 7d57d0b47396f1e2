#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quenna {

// The ten slots of the "Hall of Fame". The table is not sorted: a new score takes the
// slot of the lowest entry, and the slots are shown in slot order.
//
// The file "HighScores" is plain text with line feeds only: for each slot 0..9 the
// score in decimal (a "-" before a negative one) on one line and the name on the next,
// 20 lines in all. Names are read back as blank-delimited words, so a name never holds
// a blank; the name entry turns a typed space into "_".
class HighScoreTable {
 public:
  static constexpr int kSlots = 10;
  static constexpr int kNameLength = 15;  // characters, not bytes
  static constexpr std::string_view kEmptyName = "***************";
  static constexpr std::string_view kFileName = "HighScores";

  // Every slot "***************" with 0, as at program start.
  HighScoreTable();

  const std::string& Name(int slot) const { return names_.at(static_cast<std::size_t>(slot)); }
  std::int32_t Score(int slot) const { return values_.at(static_cast<std::size_t>(slot)); }
  void Set(int slot, std::int32_t score, std::string_view name);

  // The slot a new score would take: the lowest score, the smallest slot among equals.
  int LowestSlot() const;
  // Puts a score in the lowest slot when it is at least as high; returns the slot, or
  // nothing when the score is lower than every entry. The name is made fit first.
  std::optional<int> Enter(std::int32_t score, std::string_view name);

  // Reads the text of the file over the table, as far as it is sound: slot after slot,
  // a score then a name, stopping at the end of the text or at the first score that is
  // not a whole number in range or has no name after it. Slots not read keep their
  // entries. Returns the number of slots read.
  int Read(std::string_view text);
  // The same, and tells whether the text was read whole: nothing but blanks is left
  // after the last slot read. A short text is whole; one that stops at a damaged entry,
  // or goes on after ten, is not.
  int Read(std::string_view text, bool& wholeText);
  // The text of the file for the whole table.
  std::string Text() const;

  // A name as the table keeps it: blanks turned into "_", at most 15 characters.
  static std::string FitName(std::string_view name);

  bool operator==(const HighScoreTable&) const = default;

 private:
  std::array<std::string, kSlots> names_;
  std::array<std::int32_t, kSlots> values_{};
};

// What reading the "HighScores" file found.
struct HighScoresReading {
  bool read = false;  // the file was read into the table, as far as it is sound
  // The file is there but was not read whole (unreadable, or damaged part of the way):
  // rewriting it would lose what was not read.
  bool damaged = false;
};
// Reads the "HighScores" file into the table. A missing or unreadable file changes
// nothing.
HighScoresReading ReadHighScoresFile(const std::filesystem::path& file, HighScoreTable& table);

// Where a damaged "HighScores" is kept before it is rewritten: "HighScores.bak" beside it.
std::filesystem::path HighScoresBackup(const std::filesystem::path& file);
// Writes the whole table, whole or not at all. A file that was damaged when it was read
// is first kept as "HighScores.bak" (replacing an older copy); when that copy cannot be
// made, nothing is written. Returns a message for the player when the file could not be
// written.
std::optional<std::string> WriteHighScoresFile(const std::filesystem::path& file,
                                               const HighScoreTable& table, bool keepDamagedFile);

}  // namespace quenna
