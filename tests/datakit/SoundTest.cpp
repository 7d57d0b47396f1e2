#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "Sound.h"

namespace quenna::datakit {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The sound player reads plain RIFF WAVE files: PCM, mono, 16 bits, with sizes that
// match the file; the theme lasts 20 to 40 seconds, the chime a moment, the silence is silent.
TEST(Sound, WavFilesTheGameCanPlay) {
  const struct {
    const char* name;
    std::vector<std::int16_t> samples;
    double minimum, maximum;
  } sounds[] = {{"theme", ThemeTune(), 20, 40},
                {"chime", BonusChime(), 0.3, 3},
                {"silence", Silence(0.1), 0.05, 0.5}};
  for (const auto& sound : sounds) {
    SCOPED_TRACE(sound.name);
    const std::vector<std::uint8_t> wav = WavFile(sound.samples);
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(Le16(wav, 20), 1);  // PCM
    EXPECT_EQ(Le16(wav, 22), 1);  // mono
    EXPECT_EQ(Le32(wav, 24), 22050u);
    EXPECT_EQ(Le32(wav, 28), 44100u);
    EXPECT_EQ(Le16(wav, 32), 2);
    EXPECT_EQ(Le16(wav, 34), 16);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le32(wav, 40), wav.size() - 44);
    const double seconds = (wav.size() - 44) / 2.0 / 22050;
    EXPECT_GE(seconds, sound.minimum);
    EXPECT_LE(seconds, sound.maximum);
  }
  const auto loudest = [](const std::vector<std::int16_t>& s) {
    int top = 0;
    for (auto v : s) top = std::max(top, std::abs(static_cast<int>(v)));
    return top;
  };
  // Loud enough to hear, never clipped, and the end fades to nothing.
  const auto theme = ThemeTune();
  EXPECT_GT(loudest(theme), 16000);
  EXPECT_LT(loudest(theme), 32767);
  EXPECT_LT(std::abs(theme.back()), 50);
  EXPECT_GT(loudest(BonusChime()), 16000);
  EXPECT_EQ(loudest(Silence(0.1)), 0);
  EXPECT_EQ(ThemeTune(), theme);
}

}  // namespace
}  // namespace quenna::datakit
