#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/LevelTable.h"

namespace quenna {

// The learning journal: what the player did that a parent or teacher may want to see
// later, one event per line of "journal.jsonl" in the player's game folder. Every answer
// given, right or wrong; every level's end with its points; every start of a game, save
// and opening of a saved game; every level replayed. The journal only grows: it is kept
// for every game played on the account, and nothing in the game reads it back but the
// "My Progress" window. Saved games know nothing of it.
//
// Each line is one flat JSON object with a "kind" and the time in seconds since 1970
// ("time", and "when" in ISO form, UTC, for a person reading the file):
//
//   {"kind":"start","how":"new"|"start"}
//   {"kind":"open","file":...,"level":7,"table":[715 numbers: 55 levels x 13 virtues]}
//   {"kind":"save","file":...}
//   {"kind":"answer","level":7,"page":9,"year":"1746","speaker":9,"person":"Wynnet",
//    "dialogue":"d2\\wyn1746.dat","question":4,"questionText":...,"chosen":"B",
//    "chosenText":...,"right":"A","rightText":...,"correct":false,
//    "virtues":["order",...],"bonus":"order"}
//   {"kind":"levelEnd","level":7,"points":[13 numbers],"total":412}
//   {"kind":"replay","level":3}

// The points of one level for the thirteen virtues: values 0..12 of its level table row.
using LevelPoints = std::array<int, LevelTable::kVirtueColumns>;
LevelPoints PointsOfRow(const LevelTable& table, int row);

enum class GameStartKind {
  kNewGame,    // "New Game" in the File menu
  kStartGame,  // "Start Game" on the title screen
};

struct GameStartRecord {
  std::int64_t time = 0;
  GameStartKind how = GameStartKind::kStartGame;
  bool operator==(const GameStartRecord&) const = default;
};

// A saved game opened: the game goes on from the table it holds.
struct GameOpenRecord {
  std::int64_t time = 0;
  std::string savedGame;
  int level = 1;
  std::vector<LevelPoints> table;  // one per level, 55
  bool operator==(const GameOpenRecord&) const = default;
};

struct GameSaveRecord {
  std::int64_t time = 0;
  std::string savedGame;
  bool operator==(const GameSaveRecord&) const = default;
};

struct AnswerRecord {
  std::int64_t time = 0;
  int level = 1;
  int page = 1;  // the date tab of the conversation, 1..14
  int speaker = 0;
  std::string person;
  std::string dialogueFile;
  int question = 0;  // 0..8 in the dialogue file
  std::string questionText;
  char chosen = 'A';
  std::string chosenText;
  char right = 0;  // 'A'..'C', or 0 when the dialogue names no right answer
  std::string rightText;
  bool correct = false;
  std::vector<int> virtues;  // the virtues credited, 1..13; none for a wrong answer
  int bonusVirtue = 0;       // the virtue sought, when this answer earned its bonus
  bool operator==(const AnswerRecord&) const = default;
};

struct LevelEndRecord {
  std::int64_t time = 0;
  int level = 1;
  LevelPoints points{};
  int total = 0;  // the game's total score after the level
  bool operator==(const LevelEndRecord&) const = default;
};

struct ReplayRecord {
  std::int64_t time = 0;
  int level = 1;
  bool operator==(const ReplayRecord&) const = default;
};

using JournalRecord = std::variant<GameStartRecord, GameOpenRecord, GameSaveRecord, AnswerRecord,
                                   LevelEndRecord, ReplayRecord>;

std::int64_t TimeOf(const JournalRecord& record);

// One record as its line of the journal, line feed included, and back. A line that is not
// a sound record of a known kind gives nothing.
std::string JournalLine(const JournalRecord& record);
std::optional<JournalRecord> ParseJournalLine(std::string_view line);

// A time as "2024-05-03T14:02:11Z".
std::string IsoTime(std::int64_t secondsSince1970);

// What the journal file holds, as far as it is sound. Reading never throws.
struct JournalContents {
  std::vector<JournalRecord> records;
  int damagedLines = 0;   // lines that were no sound record, skipped
  bool cutShort = false;  // the file was larger than the limit: only its end was read
  std::string problem;    // the reason the file could not be read at all; empty if it was
};

// Reads the last `limit` bytes of the file at most (the newest records), and no line
// longer than kLineLimit. A missing file is an empty journal, not a problem.
inline constexpr std::uintmax_t kJournalReadLimit = 64u << 20;
inline constexpr std::size_t kJournalLineLimit = 64u << 10;
JournalContents ReadJournal(const std::filesystem::path& file,
                            std::uintmax_t limit = kJournalReadLimit);

// The lines of a question as its dialogue file gives them, one byte per character: the
// question, answers A, B and C, its key line (the first character names the right answer)
// and its virtue digits line.
struct QuestionLines {
  std::string_view question;
  std::array<std::string_view, 3> answers;
  std::string_view key;
  std::string_view virtueDigits;
};

// Who was asked: the page of the conversation, the speaker's number, name and dialogue file.
struct Interlocutor {
  int page = 0;
  int speaker = 0;
  std::string_view person;
  std::string_view dialogueFile;
};

// The record of an answer chosen ('A'..'C') to question q, taken before the answer is
// credited: the task's virtue is read as it stood then (1..13, 100 more once the level's
// bonus was earned), which tells whether this answer earns the bonus.
AnswerRecord DescribeAnswer(int level, const Interlocutor& who, int question,
                            const QuestionLines& lines, char chosen, int taskVirtue);

// Appends records to the journal file: each one line, written whole with one system call
// and flushed to the disk before the call returns, so a crash loses at most the line
// being written. A line cut short by a crash is closed with a line feed before the next
// one is appended, so only that line is lost.
//
// A failure never stops the game: the record is dropped, and Problem() says why.
class Journal {
 public:
  static constexpr std::string_view kFileName = "journal.jsonl";
  using Clock = std::function<std::int64_t()>;

  // The clock gives seconds since 1970 (the platform's NowSeconds).
  Journal(std::filesystem::path file, Clock clock);

  bool GameStarted(GameStartKind how);
  bool GameOpened(const std::filesystem::path& savedGame, int currentLevel,
                  const LevelTable& table);
  bool GameSaved(const std::filesystem::path& savedGame);
  bool AnswerGiven(AnswerRecord answer);
  // The level ended with the points of its row and the game's total score.
  bool LevelEnded(int level, const LevelTable& table, int total);
  bool LevelReplayed(int level);

  // Stamps the record with the clock's time and appends it.
  bool Append(JournalRecord record);

  const std::filesystem::path& File() const { return file_; }
  // Why the last record could not be written; empty when it was.
  const std::string& Problem() const { return problem_; }

 private:
  std::filesystem::path file_;
  Clock clock_;
  std::string problem_;
};

}  // namespace quenna
