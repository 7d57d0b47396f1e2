#include "Sound.h"

#include <algorithm>
#include <cmath>

namespace quenna::datakit {
namespace {

// Qt's AVX fill routines may return with the upper halves of the vector registers still
// in use; on some processors the plain SSE arithmetic of the sounds then pays for every
// switch between the two kinds of instructions, and a tune took 20 times as long. No Qt
// code runs while a sound is made, so clearing the upper halves once per note suffices.
void ClearUpperVectorHalves() {
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

double Frequency(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Adds a plucked note: a soft 8 ms attack, then a long exponential fade; a few
// harmonics make it sound like a harp or a music box rather than a whistle.
void Pluck(std::vector<double>& mix, int rate, double start, int midi, double loudness,
           double decay, double length) {
  ClearUpperVectorHalves();
  const double f = Frequency(midi);
  const auto first = static_cast<std::size_t>(start * rate);
  const auto count = static_cast<std::size_t>(length * rate);
  for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double attack = std::min(1.0, t / 0.008);
    const double release = std::min(1.0, (length - t) / 0.05);
    const double envelope = attack * release * std::exp(-t / decay);
    const double phase = 2 * M_PI * f * t;
    const double tone = std::sin(phase) +
                        0.42 * std::sin(2 * phase) * std::exp(-t / (decay * 0.5)) +
                        0.18 * std::sin(3 * phase) * std::exp(-t / (decay * 0.3));
    mix[first + i] += loudness * envelope * tone;
  }
}

std::vector<std::int16_t> Finish(std::vector<double>& mix, double peak) {
  double top = 0;
  for (double v : mix) top = std::max(top, std::abs(v));
  const double scale = top > 0 ? peak * 32767.0 / top : 0;
  std::vector<std::int16_t> samples(mix.size());
  for (std::size_t i = 0; i < mix.size(); ++i) {
    samples[i] =
        static_cast<std::int16_t>(std::lround(std::clamp(mix[i] * scale, -32767.0, 32767.0)));
  }
  return samples;
}

// A small room: a few echoes fading out, which makes the notes blend.
void Room(std::vector<double>& mix, int rate) {
  const double delays[] = {0.043, 0.071, 0.113};
  const double gains[] = {0.22, 0.16, 0.11};
  std::vector<double> dry = mix;
  for (int k = 0; k < 3; ++k) {
    const auto d = static_cast<std::size_t>(delays[k] * rate);
    for (std::size_t i = d; i < mix.size(); ++i) mix[i] += gains[k] * dry[i - d];
  }
}

struct Note {
  int midi;
  double beats;
};

}  // namespace

std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples, int rate) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + samples.size() * 2);
  auto text = [&](const char* four) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(four[i]));
  };
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  text("RIFF");
  u32(36 + dataBytes);
  text("WAVE");
  text("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate * 2));
  u16(2);
  u16(16);
  text("data");
  u32(dataBytes);
  for (std::int16_t s : samples) u16(static_cast<std::uint16_t>(s));
  return bytes;
}

std::vector<std::int16_t> ThemeTune(int rate) {
  // D major, three beats to the bar. D4 = 62.
  const double beat = 60.0 / 112.0;
  const std::vector<std::vector<Note>> melody = {{{69, 1}, {74, 1}, {78, 1}},
                                                 {{76, 2}, {73, 1}},
                                                 {{74, 1}, {71, 1}, {74, 1}},
                                                 {{69, 3}},
                                                 {{71, 1}, {74, 1}, {79, 1}},
                                                 {{78, 2}, {74, 1}},
                                                 {{76, 1}, {79, 1}, {78, 1}},
                                                 {{76, 3}},
                                                 {{69, 1}, {74, 1}, {78, 1}},
                                                 {{76, 2}, {73, 1}},
                                                 {{74, 1}, {71, 1}, {74, 1}},
                                                 {{79, 2}, {78, 1}},
                                                 {{76, 1}, {78, 1}, {79, 1}},
                                                 {{81, 2}, {79, 1}},
                                                 {{78, 1}, {76, 1}, {74, 1}},
                                                 {{71, 1}, {73, 1}, {76, 1}},
                                                 {{74, 3}},
                                                 {{74, 3}}};
  // The chord of each bar: root for the bass, then the three notes of the chord.
  const std::vector<std::vector<int>> chords = {
      {50, 62, 66, 69}, {45, 61, 64, 69}, {47, 62, 66, 71}, {45, 61, 64, 69}, {43, 62, 67, 71},
      {50, 62, 66, 69}, {52, 64, 67, 71}, {45, 61, 64, 69}, {50, 62, 66, 69}, {45, 61, 64, 69},
      {47, 62, 66, 71}, {43, 62, 67, 71}, {52, 64, 67, 71}, {45, 61, 64, 67}, {50, 62, 66, 69},
      {43, 62, 67, 71}, {50, 62, 66, 69}, {50, 57, 62, 66}};
  const double bar = 3 * beat;
  const double length = bar * static_cast<double>(melody.size()) + 3.0;
  std::vector<double> mix(static_cast<std::size_t>(length * rate), 0.0);
  for (std::size_t b = 0; b < melody.size(); ++b) {
    const double barStart = b * bar;
    const bool last = b + 1 == melody.size();
    double at = barStart;
    for (const Note& note : melody[b]) {
      const double seconds = note.beats * beat;
      Pluck(mix, rate, at, note.midi, last ? 0.5 : 0.62, last ? 1.4 : 0.75,
            seconds + (last ? 2.5 : 0.6));
      at += seconds;
    }
    const auto& chord = chords[b];
    Pluck(mix, rate, barStart, chord[0], 0.55, 0.9, bar + 0.4);
    if (last) {
      for (std::size_t k = 1; k < 4; ++k)
        Pluck(mix, rate, barStart + 0.03 * k, chord[k], 0.2, 1.5, 3.0);
    } else {
      for (int step = 1; step <= 2; ++step) {
        for (std::size_t k = 1; k < 4; ++k)
          Pluck(mix, rate, barStart + step * beat, chord[k], 0.13, 0.3, beat);
      }
    }
  }
  Room(mix, rate);
  // Fade the very end so that the last chord dies away without a click.
  const auto fade = static_cast<std::size_t>(1.0 * rate);
  for (std::size_t i = 0; i < fade; ++i) mix[mix.size() - 1 - i] *= static_cast<double>(i) / fade;
  return Finish(mix, 0.7);
}

std::vector<std::int16_t> BonusChime(int rate) {
  ClearUpperVectorHalves();
  std::vector<double> mix(static_cast<std::size_t>(1.4 * rate), 0.0);
  const int notes[] = {84, 88, 91, 96};  // C6 E6 G6 C7
  for (int i = 0; i < 4; ++i) {
    const double start = i * 0.09;
    const double f = Frequency(notes[i]);
    for (std::size_t s = 0; s < mix.size(); ++s) {
      const double t = static_cast<double>(s) / rate - start;
      if (t < 0) continue;
      // A bell: a fundamental and two inharmonic partials that fade faster.
      const double attack = std::min(1.0, t / 0.004);
      const double tone = std::sin(2 * M_PI * f * t) * std::exp(-t / 0.45) +
                          0.35 * std::sin(2 * M_PI * f * 2.76 * t) * std::exp(-t / 0.15) +
                          0.15 * std::sin(2 * M_PI * f * 5.4 * t) * std::exp(-t / 0.06);
      mix[s] += attack * tone * (i == 3 ? 1.0 : 0.7);
    }
  }
  const auto fade = static_cast<std::size_t>(0.2 * rate);
  for (std::size_t i = 0; i < fade; ++i) mix[mix.size() - 1 - i] *= static_cast<double>(i) / fade;
  return Finish(mix, 0.6);
}

std::vector<std::int16_t> Silence(double seconds, int rate) {
  return std::vector<std::int16_t>(static_cast<std::size_t>(seconds * rate), 0);
}

}  // namespace quenna::datakit
