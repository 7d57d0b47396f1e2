#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/SdlSound.h"
#include "support/FixtureData.h"

namespace quenna {
namespace {

// A WAV file of plain PCM: 8-bit samples are unsigned, 16-bit ones signed.
void WriteWav(const std::filesystem::path& file, int rate, int channels, int bits,
              const std::vector<double>& wave) {
  std::vector<std::uint8_t> data;
  for (const double value : wave) {
    for (int channel = 0; channel < channels; ++channel) {
      if (bits == 8) {
        data.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * value)));
      } else {
        const auto sample = static_cast<std::uint16_t>(std::lround(32767 * value));
        data.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        data.push_back(static_cast<std::uint8_t>(sample >> 8));
      }
    }
  }
  std::vector<std::uint8_t> bytes;
  const auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  const auto tag = [&](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
  const auto block = static_cast<std::uint32_t>(channels * bits / 8);
  tag("RIFF");
  put(static_cast<std::uint32_t>(36 + data.size()), 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(channels), 2);
  put(static_cast<std::uint32_t>(rate), 4);
  put(static_cast<std::uint32_t>(rate) * block, 4);
  put(block, 2);
  put(static_cast<std::uint32_t>(bits), 2);
  tag("data");
  put(static_cast<std::uint32_t>(data.size()), 4);
  bytes.insert(bytes.end(), data.begin(), data.end());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<double> Tone(int rate, double frequency, double seconds) {
  std::vector<double> wave(static_cast<std::size_t>(rate * seconds));
  for (std::size_t i = 0; i < wave.size(); ++i) {
    wave[i] = 0.5 * std::sin(2 * M_PI * frequency * static_cast<double>(i) / rate);
  }
  return wave;
}

// What reached the device, 16-bit mono samples, without the silence before and after.
std::vector<std::int16_t> Heard(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(stream), {}};
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  const auto loud = [](std::int16_t sample) { return std::abs(sample) > 300; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  return first < last ? std::vector<std::int16_t>(first, last) : std::vector<std::int16_t>{};
}

// Waits until the device has written so many sound samples, for two seconds at most.
void WaitUntilHeard(const std::filesystem::path& file, std::size_t samples) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (Heard(file).size() < samples && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

int SignChanges(const std::vector<std::int16_t>& samples) {
  int changes = 0;
  for (std::size_t i = 1; i < samples.size(); ++i)
    changes += (samples[i - 1] < 0) != (samples[i] < 0);
  return changes;
}

// The device plays the game's format, 22050 samples a second, mono, 16 bits: a sound in
// another format is heard converted, at its own pitch and length, and the game's short
// silence ("sndoff.wav") ends the sound playing.
TEST(SdlSound, OtherFormatsAreConvertedAndASilenceStopsTheSound) {
  testing::FixtureData folder;
  const auto heard = folder.Root() / "heard.raw";
  // SDL's "disk" driver writes what the device plays into a file, in real time.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", heard.c_str(), 1);
  const auto tone = folder.Root() / "tone.wav";
  const auto theme = folder.Root() / "theme.wav";
  const auto silence = folder.Root() / "sndoff.wav";
  WriteWav(tone, 44100, 2, 8, Tone(44100, 441, 0.3));
  WriteWav(theme, 22050, 1, 16, Tone(22050, 300, 5));
  WriteWav(silence, 22050, 1, 16, std::vector<double>(2205, 0.0));
  {
    SdlSound sound;
    sound.Play(tone, true);
    // The device's last round goes to the file just after the sound has ended.
    WaitUntilHeard(heard, 6500);
    const auto played = Heard(heard);
    ASSERT_FALSE(played.empty());
    EXPECT_NEAR(static_cast<double>(played.size()), 0.3 * 22050, 100);
    EXPECT_NEAR(SignChanges(played), 2 * 441 * 0.3, 4);
    EXPECT_NEAR(*std::max_element(played.begin(), played.end()), 0.5 * 32767, 1000);

    std::filesystem::resize_file(heard, 0);
    sound.Play(theme, false);
    WaitUntilHeard(heard, 22050 / 5);
    sound.Play(silence, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  // Of the five seconds, the fifth of a second before the stop and a round or two after.
  EXPECT_LT(Heard(heard).size(), 22050u / 2) << Heard(heard).size();
}

}  // namespace
}  // namespace quenna
