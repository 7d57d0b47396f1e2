#include "store/JsonLine.h"

#include <charconv>
#include <limits>

namespace quenna::json {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the character at text[at] and moves past it. Nothing for a byte that does not
// start a well-formed UTF-8 sequence (overlong forms and surrogates included); then only
// that one byte is passed.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  int length = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
    least = 0x10000;
  } else {
    ++at;
    return std::nullopt;
  }
  if (at + static_cast<std::size_t>(length) > text.size()) {
    ++at;
    return std::nullopt;
  }
  for (int k = 1; k < length; ++k) {
    const unsigned char next = byte(at + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return std::nullopt;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++at;
    return std::nullopt;
  }
  at += static_cast<std::size_t>(length);
  return c;
}

// A strict reader of one flat object. Every step either moves on or fails the line.
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<FlatObject> Object() {
    FlatObject object;
    object.Reserve(24);
    SkipBlanks();
    if (!Take('{')) return std::nullopt;
    SkipBlanks();
    if (Take('}')) return Finished(std::move(object));
    while (true) {
      SkipBlanks();
      std::string key;
      if (!String(key)) return std::nullopt;
      SkipBlanks();
      if (!Take(':')) return std::nullopt;
      SkipBlanks();
      std::optional<Value> value;
      if (!ValueInto(value)) return std::nullopt;
      if (value) {
        if (object.Has(key)) return std::nullopt;
        object.Set(std::move(key), std::move(*value));
      }
      SkipBlanks();
      if (Take('}')) break;
      if (!Take(',')) return std::nullopt;
    }
    return Finished(std::move(object));
  }

 private:
  std::optional<FlatObject> Finished(FlatObject&& object) {
    if (!AtEnd()) return std::nullopt;
    return std::optional<FlatObject>(std::move(object));
  }
  bool AtEnd() {
    SkipBlanks();
    return at_ == text_.size();
  }
  void SkipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n')) {
      ++at_;
    }
  }
  bool Take(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool TakeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  // A value; null leaves it empty. False when the text is not a value.
  bool ValueInto(std::optional<Value>& value) {
    if (at_ >= text_.size()) return false;
    const char c = text_[at_];
    if (c == '"') {
      std::string text;
      if (!String(text)) return false;
      value = std::move(text);
      return true;
    }
    if (c == '[') return ListInto(value);
    if (TakeWord("true")) {
      value = true;
      return true;
    }
    if (TakeWord("false")) {
      value = false;
      return true;
    }
    if (TakeWord("null")) return true;
    std::int64_t number = 0;
    if (!Integer(number)) return false;
    value = number;
    return true;
  }

  bool ListInto(std::optional<Value>& value) {
    List list;
    Take('[');
    SkipBlanks();
    if (!Take(']')) {
      while (true) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == '"') {
          std::string text;
          if (!String(text) || !list.numbers.empty()) return false;
          list.texts.push_back(std::move(text));
        } else {
          std::int64_t number = 0;
          if (!Integer(number) || !list.texts.empty()) return false;
          list.numbers.push_back(number);
        }
        SkipBlanks();
        if (Take(']')) break;
        if (!Take(',')) return false;
      }
    }
    value = std::move(list);
    return true;
  }

  // Whole numbers only: a fraction or an exponent fails the line.
  bool Integer(std::int64_t& number) {
    const char* first = text_.data() + at_;
    const char* last = text_.data() + text_.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end == first) return false;
    if (end < last && (*end == '.' || *end == 'e' || *end == 'E')) return false;
    at_ += static_cast<std::size_t>(end - first);
    return true;
  }

  bool Hex4(char32_t& unit) {
    if (at_ + 4 > text_.size()) return false;
    unit = 0;
    for (int k = 0; k < 4; ++k) {
      const char h = text_[at_++];
      unit <<= 4;
      if (h >= '0' && h <= '9') {
        unit |= static_cast<char32_t>(h - '0');
      } else if (h >= 'a' && h <= 'f') {
        unit |= static_cast<char32_t>(h - 'a' + 10);
      } else if (h >= 'A' && h <= 'F') {
        unit |= static_cast<char32_t>(h - 'A' + 10);
      } else {
        return false;
      }
    }
    return true;
  }

  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        // A run of plain characters is taken whole; only the UTF-8 sequences are checked
        // one by one.
        const std::size_t start = at_;
        while (at_ < text_.size()) {
          const auto byte = static_cast<unsigned char>(text_[at_]);
          if (byte == '"' || byte == '\\' || byte < 0x20) break;
          if (byte < 0x80) {
            ++at_;
          } else if (!NextUtf8(text_, at_)) {
            return false;
          }
        }
        out.append(text_.substr(start, at_ - start));
        continue;
      }
      ++at_;
      if (at_ >= text_.size()) return false;
      const char escaped = text_[at_++];
      switch (escaped) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          char32_t unit = 0;
          if (!Hex4(unit)) return false;
          if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
          if (unit >= 0xD800 && unit <= 0xDBFF) {
            char32_t low = 0;
            if (!TakeWord("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, unit);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

void FlatObject::Set(std::string key, Value value) {
  for (auto& [name, old] : values_) {
    if (name == key) {
      old = std::move(value);
      return;
    }
  }
  values_.emplace_back(std::move(key), std::move(value));
}

const Value* FlatObject::Find(std::string_view key) const {
  for (const auto& [name, value] : values_) {
    if (name == key) return &value;
  }
  return nullptr;
}

const std::string* FlatObject::Text(std::string_view key) const {
  const Value* value = Find(key);
  return value ? std::get_if<std::string>(value) : nullptr;
}

std::optional<std::int64_t> FlatObject::Number(std::string_view key) const {
  const Value* value = Find(key);
  if (const auto* number = value ? std::get_if<std::int64_t>(value) : nullptr) return *number;
  return std::nullopt;
}

std::optional<bool> FlatObject::Flag(std::string_view key) const {
  const Value* value = Find(key);
  if (const auto* flag = value ? std::get_if<bool>(value) : nullptr) return *flag;
  return std::nullopt;
}

const List* FlatObject::ListOf(std::string_view key) const {
  const Value* value = Find(key);
  return value ? std::get_if<List>(value) : nullptr;
}

void AppendQuoted(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = at;
    const std::optional<char32_t> c = NextUtf8(text, at);
    if (!c) {
      AppendUtf8(out, kReplacement);
      continue;
    }
    switch (*c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (*c < 0x20 || *c == 0x7F) {
          out += "\\u00";
          out += kHex[*c >> 4];
          out += kHex[*c & 0xF];
        } else {
          out.append(text.substr(start, at - start));
        }
    }
  }
  out += '"';
}

void LineWriter::Key(std::string_view key) {
  if (text_.size() > 1) text_ += ',';
  AppendQuoted(text_, key);
  text_ += ':';
}

LineWriter& LineWriter::Add(std::string_view key, std::string_view text) {
  Key(key);
  AppendQuoted(text_, text);
  return *this;
}

LineWriter& LineWriter::Add(std::string_view key, std::int64_t number) {
  Key(key);
  text_ += std::to_string(number);
  return *this;
}

LineWriter& LineWriter::Add(std::string_view key, bool flag) {
  Key(key);
  text_ += flag ? "true" : "false";
  return *this;
}

LineWriter& LineWriter::Add(std::string_view key, std::span<const int> numbers) {
  Key(key);
  text_ += '[';
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text_ += ',';
    text_ += std::to_string(numbers[i]);
  }
  text_ += ']';
  return *this;
}

LineWriter& LineWriter::Add(std::string_view key, const std::vector<std::string>& texts) {
  Key(key);
  text_ += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) text_ += ',';
    AppendQuoted(text_, texts[i]);
  }
  text_ += ']';
  return *this;
}

std::optional<FlatObject> ParseFlatObject(std::string_view line) {
  return Parser(line).Object();
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

}  // namespace quenna::json
