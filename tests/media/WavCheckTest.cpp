#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WavCheck.h"

namespace quenna {
namespace {

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

void Chunk(std::vector<std::uint8_t>& bytes, const char* name, std::uint32_t length) {
  bytes.insert(bytes.end(), name, name + 4);
  Put32(bytes, length);
}

// "fmt " with its 16-byte body (or 40 for the extensible format).
void Format(std::vector<std::uint8_t>& bytes, std::uint16_t encoding, std::uint16_t channels,
            std::uint32_t rate, std::uint16_t bits, std::uint16_t subformat = 0) {
  const std::uint16_t block = static_cast<std::uint16_t>(channels * bits / 8);
  Chunk(bytes, "fmt ", subformat != 0 ? 40 : 16);
  Put16(bytes, encoding);
  Put16(bytes, channels);
  Put32(bytes, rate);
  Put32(bytes, rate * block);
  Put16(bytes, block);
  Put16(bytes, bits);
  if (subformat == 0) return;
  Put16(bytes, 22);    // the size of what follows
  Put16(bytes, bits);  // valid bits
  Put32(bytes, 3);     // the speakers
  Put16(bytes, subformat);
  bytes.insert(bytes.end(), 14, 0);  // the rest of the GUID
}

std::vector<std::uint8_t> Riff() {
  std::vector<std::uint8_t> bytes;
  Chunk(bytes, "RIFF", 0);
  bytes.insert(bytes.end(), {'W', 'A', 'V', 'E'});
  return bytes;
}

// The sounds the game can play pass; a file that would make SDL allocate more than the
// file holds, or decode something it should not, is refused before SDL sees it.
TEST(WavCheck, PassesPlayableSoundsAndRefusesTheRest) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> header;
    std::uintmax_t fileSize;
    std::string problem;
  } cases[] = {
      {"16-bit stereo",
       [] {
         auto b = Riff();
         Format(b, 1, 2, 44100, 16);
         Chunk(b, "data", 1000);
         return b;
       }(),
       44 + 1000, ""},
      {"float mono after an odd-length list, padded",
       [] {
         auto b = Riff();
         Format(b, 3, 1, 22050, 32);
         Chunk(b, "LIST", 5);
         b.insert(b.end(), 6, 'x');
         Chunk(b, "data", 400);
         return b;
       }(),
       58 + 400, ""},
      {"extensible PCM",
       [] {
         auto b = Riff();
         Format(b, 0xFFFE, 2, 48000, 24, 1);
         Chunk(b, "data", 6000);
         return b;
       }(),
       68 + 6000, ""},
      {"a 44-byte file claiming 3.7 GB of samples",
       [] {
         auto b = Riff();
         Format(b, 1, 2, 44100, 16);
         Chunk(b, "data", 0xDDDDDDDD);
         return b;
       }(),
       44, "its \"data\" chunk runs past the end of the file"},
      {"a list chunk longer than the file",
       [] {
         auto b = Riff();
         Chunk(b, "LIST", 0x7FFFFFFF);
         return b;
       }(),
       100, "its \"LIST\" chunk runs past the end of the file"},
      {"a file above 64 MiB", Riff(), 64 * 1024 * 1024 + 1, "larger than 67108864 bytes"},
      {"text",
       {'H', 'e', 'l', 'l', 'o', ',', ' ', 'w', 'o', 'r', 'l', 'd', '!'},
       13,
       "not a RIFF WAVE file"},
      {"ADPCM",
       [] {
         auto b = Riff();
         Format(b, 2, 1, 22050, 4);
         Chunk(b, "data", 100);
         return b;
       }(),
       144, "samples of encoding 2 with 4 bits"},
      {"no channels",
       [] {
         auto b = Riff();
         Format(b, 1, 0, 22050, 16);
         return b;
       }(),
       36, "0 channels"},
      {"a rate too low",
       [] {
         auto b = Riff();
         Format(b, 1, 1, 1000, 8);
         return b;
       }(),
       36, "1000 samples a second"},
      {"a short format chunk",
       [] {
         auto b = Riff();
         Chunk(b, "fmt ", 8);
         b.insert(b.end(), 8, 1);
         return b;
       }(),
       28, "a \"fmt \" chunk too short"},
      {"samples before the format",
       [] {
         auto b = Riff();
         Chunk(b, "data", 4);
         b.insert(b.end(), 4, 0);
         Format(b, 1, 1, 8000, 8);
         return b;
       }(),
       48, "samples before their format"},
      {"eleven minutes",
       [] {
         auto b = Riff();
         Format(b, 1, 1, 8000, 8);
         Chunk(b, "data", 8000 * 660);
         return b;
       }(),
       44 + 8000 * 660, "longer than 600 seconds"},
      {"no samples near the start",
       [] {
         auto b = Riff();
         Format(b, 1, 1, 8000, 8);
         Chunk(b, "junk", 5000);
         b.resize(4096, 0);
         return b;
       }(),
       9000, "no samples in the first 4096 bytes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WavProblem(c.header, c.fileSize), c.problem) << c.what;
  }
}

}  // namespace
}  // namespace quenna
