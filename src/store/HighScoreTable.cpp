#include "store/HighScoreTable.h"

#include <charconv>

#include "store/PlayerFiles.h"

namespace quenna {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

// The next blank-delimited word of the text from the position on; empty at the end.
std::string_view NextWord(std::string_view text, std::size_t& position) {
  while (position < text.size() && IsBlank(text[position])) ++position;
  const std::size_t start = position;
  while (position < text.size() && !IsBlank(text[position])) ++position;
  return text.substr(start, position - start);
}

std::optional<std::int32_t> WholeNumber(std::string_view word) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
    return std::nullopt;
  }
  return value;
}

// Cuts UTF-8 text after a number of characters, never inside one.
std::string FirstCharacters(std::string_view text, int count) {
  std::size_t end = 0;
  int characters = 0;
  while (end < text.size()) {
    const auto byte = static_cast<unsigned char>(text[end]);
    if ((byte & 0xC0) != 0x80) {
      if (characters == count) break;
      ++characters;
    }
    ++end;
  }
  return std::string(text.substr(0, end));
}

}  // namespace

HighScoreTable::HighScoreTable() {
  names_.fill(std::string(kEmptyName));
}

void HighScoreTable::Set(int slot, std::int32_t score, std::string_view name) {
  names_.at(static_cast<std::size_t>(slot)) = FitName(name);
  values_.at(static_cast<std::size_t>(slot)) = score;
}

int HighScoreTable::LowestSlot() const {
  int slot = kSlots - 1;
  std::int32_t lowest = values_[static_cast<std::size_t>(slot)];
  for (int i = kSlots - 1; i >= 0; --i) {
    if (values_[static_cast<std::size_t>(i)] <= lowest) {
      lowest = values_[static_cast<std::size_t>(i)];
      slot = i;
    }
  }
  return slot;
}

std::optional<int> HighScoreTable::Enter(std::int32_t score, std::string_view name) {
  const int slot = LowestSlot();
  if (score < Score(slot)) return std::nullopt;
  Set(slot, score, name);
  return slot;
}

int HighScoreTable::Read(std::string_view text) {
  bool wholeText = false;
  return Read(text, wholeText);
}

int HighScoreTable::Read(std::string_view text, bool& wholeText) {
  std::size_t position = 0;
  std::size_t unread = 0;  // where the text not taken into the table starts
  int slot = 0;
  while (slot < kSlots) {
    const auto score = WholeNumber(NextWord(text, position));
    if (!score) break;
    const std::string_view name = NextWord(text, position);
    if (name.empty()) break;
    Set(slot, *score, name);
    ++slot;
    unread = position;
  }
  std::size_t rest = unread;
  wholeText = NextWord(text, rest).empty();
  return slot;
}

std::string HighScoreTable::Text() const {
  std::string text;
  for (int slot = 0; slot < kSlots; ++slot) {
    text += std::to_string(Score(slot)) + "\n" + Name(slot) + "\n";
  }
  return text;
}

std::string HighScoreTable::FitName(std::string_view name) {
  std::string fit(name);
  for (char& c : fit) {
    if (IsBlank(c)) c = '_';
  }
  return FirstCharacters(fit, kNameLength);
}

HighScoresReading ReadHighScoresFile(const std::filesystem::path& file, HighScoreTable& table) {
  // Ten scores and names of 15 characters fit in far less; anything bigger is not ours.
  constexpr std::uintmax_t kLimit = 64 * 1024;
  HighScoresReading reading;
  std::error_code ignored;
  if (!std::filesystem::exists(file, ignored)) return reading;
  const FileContent content = ReadWholeFile(file, kLimit);
  if (!content.problem.empty() || content.size > kLimit) {
    reading.damaged = true;
    return reading;
  }
  bool wholeText = false;
  table.Read(
      std::string_view(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size()),
      wholeText);
  reading.read = true;
  reading.damaged = !wholeText;
  return reading;
}

std::filesystem::path HighScoresBackup(const std::filesystem::path& file) {
  std::filesystem::path backup = file;
  backup += ".bak";
  return backup;
}

std::optional<std::string> WriteHighScoresFile(const std::filesystem::path& file,
                                               const HighScoreTable& table, bool keepDamagedFile) {
  auto told = [&file](const std::string& reason) {
    return "The high scores could not be written to the file \"" + file.string() + "\": " + reason +
           ". The scores kept before are unchanged.";
  };
  std::error_code ignored;
  if (keepDamagedFile && std::filesystem::is_regular_file(file, ignored)) {
    // The entries past the damage are not in the table; the copy keeps them.
    const auto failure = CopyWholeFile(file, HighScoresBackup(file));
    if (failure) {
      return told("the damaged file could not be kept as \"" + HighScoresBackup(file).string() +
                  "\" first (" + *failure + ")");
    }
  }
  const auto failure = WriteWholeFile(file, table.Text());
  if (!failure) return std::nullopt;
  return told(*failure);
}

}  // namespace quenna
