#pragma once

#include <cstdint>
#include <vector>

namespace quenna::datakit {

// The sounds of the game, made from numbers so that they are our own and always the same.
inline constexpr int kSoundRate = 22050;

// A mono 16-bit PCM WAV file: the 44-byte RIFF header, then the samples little-endian.
std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples, int rate = kSoundRate);

// The theme: a waltz in D major, melody over bass and chords, about half a minute.
std::vector<std::int16_t> ThemeTune(int rate = kSoundRate);
// A short rising bell chime for bonus points.
std::vector<std::int16_t> BonusChime(int rate = kSoundRate);
// Silence, played to end whatever sound is playing.
std::vector<std::int16_t> Silence(double seconds, int rate = kSoundRate);

}  // namespace quenna::datakit
