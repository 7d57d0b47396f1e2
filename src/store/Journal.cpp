#include "store/Journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <span>

#include "core/WorldTables.h"
#include "store/JsonLine.h"

namespace quenna {
namespace {

constexpr int kTableValues = LevelTable::kRows * LevelTable::kVirtueColumns;
constexpr int kLastPage = kYearTabs;
constexpr int kLastQuestion = 8;
constexpr int kHighestSpeaker = 39;

// The virtue's name without the full stop messages give it: "temperance".
std::string_view PlainVirtueName(int virtue) {
  std::string_view name = VirtueName(virtue);
  if (!name.empty() && name.back() == '.') name.remove_suffix(1);
  return name;
}

std::optional<int> VirtueOfName(std::string_view name) {
  for (int virtue = 1; virtue <= kVirtueCount; ++virtue) {
    if (PlainVirtueName(virtue) == name) return virtue;
  }
  return std::nullopt;
}

std::string_view YearOfPage(int page) {
  return page >= 1 && page <= kLastPage ? kDateTabs[static_cast<std::size_t>(page)].tabCaption
                                        : std::string_view();
}

std::string Letter(char letter) {
  return letter == 0 ? std::string() : std::string(1, letter);
}

bool IsAnswerLetter(char c) {
  return c >= 'A' && c <= 'C';
}

json::LineWriter Head(std::string_view kind, std::int64_t time) {
  json::LineWriter line;
  line.Add("kind", kind).Add("time", time).Add("when", IsoTime(time));
  return line;
}

std::string Line(const GameStartRecord& r) {
  return Head("start", r.time)
      .Add("how", r.how == GameStartKind::kNewGame ? "new" : "start")
      .Line();
}

std::string Line(const GameOpenRecord& r) {
  std::vector<int> values;
  values.reserve(kTableValues);
  for (const LevelPoints& points : r.table)
    values.insert(values.end(), points.begin(), points.end());
  return Head("open", r.time)
      .Add("file", r.savedGame)
      .Add("level", r.level)
      .Add("table", std::span<const int>(values))
      .Line();
}

std::string Line(const GameSaveRecord& r) {
  return Head("save", r.time).Add("file", r.savedGame).Line();
}

std::string Line(const AnswerRecord& r) {
  std::vector<std::string> virtues;
  for (const int virtue : r.virtues) virtues.emplace_back(PlainVirtueName(virtue));
  return Head("answer", r.time)
      .Add("level", r.level)
      .Add("page", r.page)
      .Add("year", YearOfPage(r.page))
      .Add("speaker", r.speaker)
      .Add("person", r.person)
      .Add("dialogue", r.dialogueFile)
      .Add("question", r.question)
      .Add("questionText", r.questionText)
      .Add("chosen", Letter(r.chosen))
      .Add("chosenText", r.chosenText)
      .Add("right", Letter(r.right))
      .Add("rightText", r.rightText)
      .Add("correct", r.correct)
      .Add("virtues", virtues)
      .Add("bonus", r.bonusVirtue == 0 ? std::string_view() : PlainVirtueName(r.bonusVirtue))
      .Line();
}

std::string Line(const LevelEndRecord& r) {
  return Head("levelEnd", r.time)
      .Add("level", r.level)
      .Add("points", std::span<const int>(r.points))
      .Add("total", r.total)
      .Line();
}

std::string Line(const ReplayRecord& r) {
  return Head("replay", r.time).Add("level", r.level).Line();
}

// Reading: every field is checked for its range; one field wrong and the line is skipped.
class Fields {
 public:
  explicit Fields(const json::FlatObject& object) : object_(object) {}

  bool sound = true;

  std::int64_t Number(std::string_view key, std::int64_t lowest, std::int64_t highest) {
    const auto value = object_.Number(key);
    if (!value || *value < lowest || *value > highest) {
      sound = false;
      return lowest;
    }
    return *value;
  }
  int Small(std::string_view key, int lowest, int highest) {
    return static_cast<int>(Number(key, lowest, highest));
  }
  std::string Text(std::string_view key) {
    const std::string* value = object_.Text(key);
    if (value == nullptr) {
      sound = false;
      return {};
    }
    return *value;
  }
  // A letter A..C; an empty text is 0 where that is allowed.
  char AnswerLetter(std::string_view key, bool mayBeEmpty) {
    const std::string letter = Text(key);
    if (letter.empty() && mayBeEmpty) return 0;
    if (letter.size() != 1 || !IsAnswerLetter(letter[0])) {
      sound = false;
      return 'A';
    }
    return letter[0];
  }
  bool Flag(std::string_view key) {
    const auto value = object_.Flag(key);
    if (!value) sound = false;
    return value.value_or(false);
  }
  // Exactly `count` numbers, each within a signed byte (the level table's values).
  std::vector<int> Points(std::string_view key, std::size_t count) {
    std::vector<int> values;
    const json::List* list = object_.ListOf(key);
    if (list == nullptr || list->numbers.size() != count) {
      sound = false;
      return std::vector<int>(count, 0);
    }
    for (const std::int64_t value : list->numbers) {
      if (value < -128 || value > 127) sound = false;
      values.push_back(static_cast<int>(value));
    }
    return values;
  }
  std::vector<int> Virtues(std::string_view key) {
    std::vector<int> virtues;
    const json::List* list = object_.ListOf(key);
    if (list == nullptr || list->texts.size() > 4) {
      sound = false;
      return virtues;
    }
    for (const std::string& name : list->texts) {
      const auto virtue = VirtueOfName(name);
      if (!virtue) sound = false;
      virtues.push_back(virtue.value_or(0));
    }
    return virtues;
  }
  int BonusVirtue(std::string_view key) {
    const std::string name = Text(key);
    if (name.empty()) return 0;
    const auto virtue = VirtueOfName(name);
    if (!virtue) sound = false;
    return virtue.value_or(0);
  }

 private:
  const json::FlatObject& object_;
};

template <class Record>
std::optional<JournalRecord> IfSound(const Fields& fields, Record record) {
  if (!fields.sound) return std::nullopt;
  return JournalRecord(std::move(record));
}

LevelPoints ToPoints(const std::vector<int>& values, std::size_t first) {
  LevelPoints points{};
  for (std::size_t k = 0; k < points.size() && first + k < values.size(); ++k) {
    points[k] = values[first + k];
  }
  return points;
}

// Appends a whole line to the file with one write, after a line feed when the file does
// not end with one (a line cut short by a crash), and flushes it to the disk.
std::optional<std::string> AppendLine(const std::filesystem::path& file, std::string line) {
  // Read as well as written: the last byte tells whether a crash cut the last line.
  const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return std::strerror(errno);
  std::optional<std::string> problem;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    char last = '\n';
    if (::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') line.insert(0, 1, '\n');
  }
  std::size_t written = 0;
  while (written < line.size() && !problem) {
    const ssize_t n = ::write(fd, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) problem = std::strerror(errno);
    if (n > 0) written += static_cast<std::size_t>(n);
  }
  if (!problem && ::fsync(fd) != 0 && errno != EINVAL) problem = std::strerror(errno);
  if (::close(fd) != 0 && !problem) problem = std::strerror(errno);
  return problem;
}

}  // namespace

LevelPoints PointsOfRow(const LevelTable& table, int row) {
  LevelPoints points{};
  for (int column = 0; column < LevelTable::kVirtueColumns; ++column) {
    points[static_cast<std::size_t>(column)] = table.Value(row, column);
  }
  return points;
}

std::int64_t TimeOf(const JournalRecord& record) {
  return std::visit([](const auto& r) { return r.time; }, record);
}

std::string JournalLine(const JournalRecord& record) {
  return std::visit([](const auto& r) { return Line(r); }, record);
}

std::optional<JournalRecord> ParseJournalLine(std::string_view line) {
  const auto object = json::ParseFlatObject(line);
  if (!object) return std::nullopt;
  const std::string* kind = object->Text("kind");
  if (kind == nullptr) return std::nullopt;
  Fields fields(*object);
  const std::int64_t time = fields.Number("time", 0, std::numeric_limits<std::int64_t>::max());

  if (*kind == "start") {
    const std::string how = fields.Text("how");
    if (how != "new" && how != "start") return std::nullopt;
    return IfSound(fields, GameStartRecord{time, how == "new" ? GameStartKind::kNewGame
                                                              : GameStartKind::kStartGame});
  }
  if (*kind == "open") {
    GameOpenRecord r;
    r.time = time;
    r.savedGame = fields.Text("file");
    r.level = fields.Small("level", 1, LevelTable::kRows + 1);
    const std::vector<int> values = fields.Points("table", kTableValues);
    for (std::size_t row = 0; row < r.table.size(); ++row) {
      r.table[row] = ToPoints(values, row * LevelTable::kVirtueColumns);
    }
    return IfSound(fields, std::move(r));
  }
  if (*kind == "save") {
    return IfSound(fields, GameSaveRecord{time, fields.Text("file")});
  }
  if (*kind == "answer") {
    AnswerRecord r;
    r.time = time;
    r.level = fields.Small("level", 1, LevelTable::kRows + 1);
    r.page = fields.Small("page", 1, kLastPage);
    r.speaker = fields.Small("speaker", 0, kHighestSpeaker);
    r.person = fields.Text("person");
    r.dialogueFile = fields.Text("dialogue");
    r.question = fields.Small("question", 0, kLastQuestion);
    r.questionText = fields.Text("questionText");
    r.chosen = fields.AnswerLetter("chosen", false);
    r.chosenText = fields.Text("chosenText");
    r.right = fields.AnswerLetter("right", true);
    r.rightText = fields.Text("rightText");
    r.correct = fields.Flag("correct");
    r.virtues = fields.Virtues("virtues");
    r.bonusVirtue = fields.BonusVirtue("bonus");
    return IfSound(fields, std::move(r));
  }
  if (*kind == "levelEnd") {
    LevelEndRecord r;
    r.time = time;
    r.level = fields.Small("level", 1, LevelTable::kRows);
    r.points = ToPoints(fields.Points("points", LevelTable::kVirtueColumns), 0);
    r.total = static_cast<int>(
        fields.Number("total", std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    return IfSound(fields, r);
  }
  if (*kind == "replay") {
    return IfSound(fields, ReplayRecord{time, fields.Small("level", 1, LevelTable::kRows)});
  }
  return std::nullopt;
}

std::string IsoTime(std::int64_t secondsSince1970) {
  using namespace std::chrono;
  const sys_seconds moment{seconds(secondsSince1970)};
  const sys_days day = floor<days>(moment);
  const year_month_day date(day);
  const hh_mm_ss clock(moment - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

JournalContents ReadJournal(const std::filesystem::path& file, std::uintmax_t limit) {
  JournalContents contents;
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return contents;
  if (status.type() != std::filesystem::file_type::regular) {
    contents.problem = "it is not a file";
    return contents;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    contents.problem = std::strerror(errno);
    return contents;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) {
    contents.problem = "the file could not be read";
    return contents;
  }
  std::streamoff start = 0;
  if (static_cast<std::uintmax_t>(size) > limit) {
    start = size - static_cast<std::streamoff>(limit);
    contents.cutShort = true;
  }
  std::string bytes(static_cast<std::size_t>(size - start), '\0');
  in.seekg(start);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));

  std::string_view rest(bytes);
  // Cut into the file: the first line is only a part of one.
  if (start > 0) {
    const auto end = rest.find('\n');
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    std::optional<JournalRecord> record;
    if (line.size() <= kJournalLineLimit) record = ParseJournalLine(line);
    if (record) {
      contents.records.push_back(std::move(*record));
    } else {
      ++contents.damagedLines;
    }
  }
  return contents;
}

AnswerRecord DescribeAnswer(int level, const Interlocutor& who, int question,
                            const QuestionLines& lines, char chosen, int taskVirtue) {
  AnswerRecord r;
  r.level = level;
  r.page = who.page;
  r.speaker = who.speaker;
  r.person = std::string(who.person);
  r.dialogueFile = std::string(who.dialogueFile);
  r.question = question;
  r.questionText = json::Latin1ToUtf8(lines.question);
  r.chosen = chosen;
  if (IsAnswerLetter(chosen)) {
    r.chosenText = json::Latin1ToUtf8(lines.answers[static_cast<std::size_t>(chosen - 'A')]);
  }
  // The key line's first character names the right answer, upper case; anything else
  // names none, and no answer is right.
  if (!lines.key.empty() && IsAnswerLetter(lines.key[0])) {
    r.right = lines.key[0];
    r.rightText = json::Latin1ToUtf8(lines.answers[static_cast<std::size_t>(r.right - 'A')]);
  }
  r.correct = r.right != 0 && r.right == chosen;
  if (!r.correct) return r;
  // As the scoring credits them: the first four digits, an unknown one crediting nothing;
  // the bonus goes to the first that is the virtue sought, once per level.
  for (std::size_t k = 0; k < 4 && k < lines.virtueDigits.size(); ++k) {
    const char digit = lines.virtueDigits[k];
    if (!IsVirtueCharacter(digit)) continue;
    const int virtue = VirtueCharacterValue(digit);
    r.virtues.push_back(virtue);
    if (virtue == taskVirtue && r.bonusVirtue == 0) r.bonusVirtue = virtue;
  }
  return r;
}

Journal::Journal(std::filesystem::path file, Clock clock)
    : file_(std::move(file)), clock_(std::move(clock)) {}

bool Journal::Append(JournalRecord record) {
  std::visit([this](auto& r) { r.time = clock_(); }, record);
  const auto problem = AppendLine(file_, JournalLine(record));
  problem_ = problem.value_or(std::string());
  return !problem;
}

bool Journal::GameStarted(GameStartKind how) {
  return Append(GameStartRecord{0, how});
}

bool Journal::GameOpened(const std::filesystem::path& savedGame, int currentLevel,
                         const LevelTable& table) {
  GameOpenRecord r;
  r.savedGame = savedGame.string();
  r.level = currentLevel;
  for (int row = 0; row < LevelTable::kRows; ++row) r.table.push_back(PointsOfRow(table, row));
  return Append(std::move(r));
}

bool Journal::GameSaved(const std::filesystem::path& savedGame) {
  return Append(GameSaveRecord{0, savedGame.string()});
}

bool Journal::AnswerGiven(AnswerRecord answer) {
  return Append(std::move(answer));
}

bool Journal::LevelEnded(int level, const LevelTable& table, int total) {
  return Append(LevelEndRecord{0, level, PointsOfRow(table, level - 1), total});
}

bool Journal::LevelReplayed(int level) {
  return Append(ReplayRecord{0, level});
}

}  // namespace quenna
