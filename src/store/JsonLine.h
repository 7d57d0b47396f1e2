#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quenna::json {

// The one kind of JSON the learning journal needs: a flat object on one line, whose
// values are texts, whole numbers, true or false, or lists of whole numbers or of texts.
// Texts are UTF-8 both ways. Anything else (nested objects, fractions, a list mixing
// numbers and texts) is refused by the reader, so a damaged line is never half taken.

// A list holds numbers or texts, never both; an empty list is both.
struct List {
  std::vector<std::int64_t> numbers;
  std::vector<std::string> texts;
};

using Value = std::variant<std::string, std::int64_t, bool, List>;

class FlatObject {
 public:
  void Set(std::string key, Value value);
  void Reserve(std::size_t keys) { values_.reserve(keys); }

  // The value of a key when it is there and of that type; null reads as absent.
  const std::string* Text(std::string_view key) const;
  std::optional<std::int64_t> Number(std::string_view key) const;
  std::optional<bool> Flag(std::string_view key) const;
  const List* ListOf(std::string_view key) const;
  bool Has(std::string_view key) const { return Find(key) != nullptr; }

  std::size_t Size() const { return values_.size(); }

 private:
  const Value* Find(std::string_view key) const;
  std::vector<std::pair<std::string, Value>> values_;
};

// Builds one line: {"key":value,...} and a line feed. Keys are written in the order given.
class LineWriter {
 public:
  LineWriter& Add(std::string_view key, std::string_view text);
  LineWriter& Add(std::string_view key, const char* text) {
    return Add(key, std::string_view(text));
  }
  LineWriter& Add(std::string_view key, std::int64_t number);
  LineWriter& Add(std::string_view key, int number) { return Add(key, std::int64_t{number}); }
  LineWriter& Add(std::string_view key, bool flag);
  LineWriter& Add(std::string_view key, std::span<const int> numbers);
  LineWriter& Add(std::string_view key, const std::vector<std::string>& texts);

  // The finished line, line feed included.
  std::string Line() const { return text_ + "}\n"; }

 private:
  void Key(std::string_view key);
  std::string text_ = "{";
};

// Appends a text as a JSON string in quotes. Quotes, backslashes and control characters
// are escaped; bytes that are not UTF-8 become U+FFFD, so the line is always valid UTF-8.
void AppendQuoted(std::string& out, std::string_view text);

// Reads one line (without its line feed). Nothing when it is not a flat object as above,
// when a text is not valid UTF-8, or when a key repeats.
std::optional<FlatObject> ParseFlatObject(std::string_view line);

// A text of one byte per character (the dialogue files' Latin-1) as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace quenna::json
