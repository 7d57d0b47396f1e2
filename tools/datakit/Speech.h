#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// A text the game speaks, from content/sounds/<name>.speech:
//
//   speech intro//epitaph.wav voice=en-gb+grandpa speed=128 pitch=34 gap=3 shown=intro//epitaph.jpg
//   Here rests Orn Hollin, printer. ...
//
// The first line names the WAV file as the game names it and how the synthesiser speaks
// (voice, words per minute, pitch 0 to 99, pause between words in 10 ms); shown names a
// picture that must print the same words. Every other line is the text, joined with
// single spaces.
struct SpeechSource {
  std::string output;
  std::string voice = "en-gb";
  int speed = 140;
  int pitch = 40;
  int gap = 0;
  std::string shown;  // a picture's game path, or empty
  std::string text;
  SourcePos pos;
};

SpeechSource ParseSpeechSource(const std::string& text, const std::string& fileName);
// The .speech files of content/sounds, in name order (none when the folder is missing).
std::vector<SpeechSource> ReadAllSpeeches(const std::filesystem::path& contentFolder);

// Sound samples at a sample rate.
struct Voice {
  std::vector<std::int16_t> samples;
  int rate = 0;
};

// The program that speaks; the build runs it, so it must be installed where it builds.
inline constexpr const char* kSpeechProgram = "espeak-ng";

// Speaks the text with the speech synthesiser (espeak-ng, fed the text on its input and
// writing a WAV to its output) and finishes the voice with WarmVoice. The same text and
// settings give the same samples. Throws ContentError, naming the speech file, when the
// program is missing, fails, or gives no sound.
Voice Speak(const SpeechSource& speech, const std::string& program = kSpeechProgram);

// The samples and rate of a mono 16-bit PCM WAV. A synthesiser writing to a pipe cannot
// go back to fill in its sizes, so the data runs to the end of the bytes whatever the
// header says. Throws ContentError naming `what` when the bytes are no such WAV.
Voice ReadPcmWav(const std::vector<std::uint8_t>& bytes, const std::string& what);

// Our own finishing of a synthetic voice: the hard top taken off and a little body added
// (a warmer, older sound), a small room around it, a breath of silence before and an
// unclipped fade after, and the loudness brought to a steady peak.
std::vector<std::int16_t> WarmVoice(const std::vector<std::int16_t>& samples, int rate);

// The words of each speech whose first line names a picture with shown= must be lettered
// on that picture, word for word. Returns one mistake per speech that breaks this.
std::vector<ContentError> SpokenWordsShown(const std::vector<SpeechSource>& speeches,
                                           const std::vector<PictureSource>& pictures);

}  // namespace quenna::datakit
