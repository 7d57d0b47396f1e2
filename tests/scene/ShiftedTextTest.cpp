#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "scene/ShiftedText.h"

namespace quenna {
namespace {

std::string Decode(const std::vector<std::uint8_t>& stored) {
  return DecodeShiftedText(stored);
}

// The game's text files store each character plus 3; the text ends at a stored 0 or at
// a byte that decodes to 0 (a stored 3), and codes wrap modulo 256.
TEST(ShiftedText, DecodingStopsAtStoredZeroOrThree) {
  const struct {
    std::vector<std::uint8_t> stored;
    std::string text;
  } cases[] = {
      {{'H' + 3, 'i' + 3}, "Hi"},
      {{'A' + 3, 0, 'B' + 3}, "A"},
      {{'A' + 3, 3, 'B' + 3}, "A"},
      {{0, 'A' + 3}, ""},
      {{2, 1}, "\xFF\xFE"},
      {{'\r' + 3, '\n' + 3}, "\r\n"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Decode(c.stored), c.text);
  EXPECT_EQ(Decode(EncodeShiftedText("Orn Hollin, 1706")), "Orn Hollin, 1706");
  EXPECT_FALSE(EncodableAsShiftedText(std::string("a\0b", 3)));
  EXPECT_FALSE(EncodableAsShiftedText("caf\xFD"));
  EXPECT_TRUE(EncodableAsShiftedText("Plain text, with punctuation!"));
}

// A file is read only up to the limit of its kind (3400 bytes for look messages, 4800
// for narrations); what lies beyond is ignored, and a missing file reads as "".
TEST(ShiftedText, FilesAreReadUpToTheirLimit) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("quenna2-shifted-" + std::to_string(std::random_device()()));
  const std::string text(5000, 'x');
  {
    const auto stored = EncodeShiftedText(text);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(stored.data()),
              static_cast<std::streamsize>(stored.size()));
  }
  EXPECT_EQ(ReadShiftedText(file, kMessageFileLimit).size(), 3400u);
  EXPECT_EQ(ReadShiftedText(file, kNarrationFileLimit).size(), 4800u);
  std::filesystem::remove(file);
  EXPECT_EQ(ReadShiftedText(file, kMessageFileLimit), "");
}

// Lines are numbered from 0 and separated by CR LF; a break at the very end adds no line.
TEST(ShiftedText, LinesAreNumberedFromZero) {
  const auto lines = SplitLines("nothing\r\none\r\n\r\nthree\r\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(LineAt(lines, 0), "nothing");
  EXPECT_EQ(LineAt(lines, 1), "one");
  EXPECT_EQ(LineAt(lines, 2), "");
  EXPECT_EQ(LineAt(lines, 3), "three");
  EXPECT_EQ(LineAt(lines, 4), "");
  EXPECT_EQ(LineAt(lines, -1), "");
  EXPECT_EQ(SplitLines("a\nb").size(), 2u);
}

}  // namespace
}  // namespace quenna
