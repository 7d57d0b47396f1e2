#include "scene/ShiftedText.h"

#include <fstream>

namespace quenna {

std::string DecodeShiftedText(std::span<const std::uint8_t> stored) {
  std::string text;
  text.reserve(stored.size());
  for (std::uint8_t byte : stored) {
    if (byte == 0) break;
    const auto decoded = static_cast<std::uint8_t>(byte - 3);
    if (decoded == 0) break;
    text.push_back(static_cast<char>(decoded));
  }
  return text;
}

std::string ReadShiftedText(const std::filesystem::path& file, std::size_t limit) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return {};
  std::vector<std::uint8_t> buffer(limit, 0);
  stream.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(limit));
  buffer.resize(static_cast<std::size_t>(stream.gcount()));
  return DecodeShiftedText(buffer);
}

std::vector<std::uint8_t> EncodeShiftedText(std::string_view text) {
  std::vector<std::uint8_t> stored;
  stored.reserve(text.size());
  for (char c : text) stored.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + 3));
  return stored;
}

bool EncodableAsShiftedText(std::string_view text) {
  for (char c : text) {
    const auto code = static_cast<std::uint8_t>(c);
    if (code == 0 || code == 253) return false;
  }
  return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  bool pending = false;  // a line has begun since the last break
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      pending = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      pending = true;
    }
  }
  if (pending) lines.push_back(current);
  return lines;
}

std::string LineAt(const std::vector<std::string>& lines, int n) {
  if (n < 0 || static_cast<std::size_t>(n) >= lines.size()) return {};
  return lines[static_cast<std::size_t>(n)];
}

}  // namespace quenna
