#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Build.h"
#include "Folders.h"
#include "Sound.h"
#include "Speech.h"

namespace quenna::datakit {
namespace {

using testing::kContent;

std::string Squeezed(const std::string& text) {
  std::istringstream words(text);
  std::string word;
  std::string out;
  while (words >> word) out += (out.empty() ? "" : " ") + word;
  return out;
}

SpeechSource Epitaph() {
  for (const SpeechSource& speech : ReadAllSpeeches(kContent)) {
    if (speech.output == "intro//epitaph.wav") return speech;
  }
  ADD_FAILURE() << "no speech makes intro//epitaph.wav";
  return {};
}

std::string SpeakError(const SpeechSource& speech, const std::string& program) {
  try {
    Speak(speech, program);
  } catch (const ContentError& error) {
    return error.what();
  }
  return "(no error)";
}

// A speech file gives the sound's game path, how to speak, and the words over any number
// of lines; a mistake names the file and line and says what is wrong.
TEST(SpeechSource, ReadsHeaderAndWordsAndNamesMistakes) {
  const SpeechSource speech = ParseSpeechSource(
      "# a comment\n"
      "speech intro//x.wav voice=en-gb+m3 speed=120 pitch=30 gap=2 shown=intro//x.jpg\n"
      "Here rests\n"
      "\n"
      "  a printer.\n",
      "x.speech");
  std::ostringstream dump;
  dump << speech.output << " | " << speech.voice << " " << speech.speed << " " << speech.pitch
       << " " << speech.gap << " | " << speech.shown << " | " << speech.text << " | line "
       << speech.pos.line;
  EXPECT_EQ(dump.str(),
            "intro//x.wav | en-gb+m3 120 30 2 | intro//x.jpg | Here rests a printer. | line 2");

  const struct {
    const char* text;
    const char* message;
  } mistakes[] = {
      {"Here rests\n", "x.speech:1: the first line is: speech <game path>"},
      {"", "x.speech: there is no \"speech <game path>\" line"},
      {"speech\nwords\n", "x.speech:1: name the sound file as the game names it"},
      {"speech a.wav\n", "x.speech:1: there are no words to speak"},
      {"speech a.wav speed=fast\nwords\n",
       "x.speech:1: speed (words per minute) is a whole number from 80 to 450, not \"fast\""},
      {"speech a.wav pitch=120\nwords\n", "x.speech:1: pitch is a whole number from 0 to 99"},
      {"speech a.wav voice=en;rm\nwords\n", "x.speech:1: \"en;rm\" is not a voice name"},
      {"speech a.wav loud\nwords\n", "x.speech:1: \"loud\" is not a setting of a speech"},
      {"speech a.wav\nHere rests Orn \xE2\x80\x94 printer\n",
       "x.speech:2: write the words in plain ASCII"},
  };
  for (const auto& mistake : mistakes) {
    SCOPED_TRACE(mistake.text);
    try {
      ParseSpeechSource(mistake.text, "x.speech");
      ADD_FAILURE() << "accepted";
    } catch (const ContentError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(mistake.message, 0), 0u) << error.what();
    }
  }
}

// The epitaph the game speaks is the one the guide gives, word for word, and the same
// words are lettered on the epitaph slide; the build refuses a speech whose words the
// named picture does not show.
TEST(SpeechSource, TheEpitaphIsTheGuidesAndTheSlidesWords) {
  std::ifstream guideFile(kContent / "GUIDE.md");
  const std::string guide(std::istreambuf_iterator<char>(guideFile), {});
  const auto start = guide.find("His epitaph");
  ASSERT_NE(start, std::string::npos);
  std::istringstream lines(guide.substr(start));
  std::string line;
  std::string quoted;
  bool inQuote = false;
  while (std::getline(lines, line)) {
    if (line.rfind("> ", 0) == 0) {
      quoted += " " + line.substr(2);
      inQuote = true;
    } else if (inQuote) {
      break;
    }
  }
  const SpeechSource epitaph = Epitaph();
  EXPECT_EQ(Squeezed(epitaph.text), Squeezed(quoted));
  EXPECT_EQ(epitaph.shown, "intro//epitaph.jpg");

  const std::vector<PictureSource> pictures = ReadAllPictures(kContent);
  EXPECT_TRUE(SpokenWordsShown(ReadAllSpeeches(kContent), pictures).empty());
  SpeechSource changed = epitaph;
  changed.text += " The end.";
  SpeechSource nowhere = epitaph;
  nowhere.shown = "intro//tombstone.jpg";
  std::string problems;
  for (const ContentError& problem : SpokenWordsShown({changed, nowhere}, pictures))
    problems += std::string(problem.what()) + "\n";
  const std::string where = epitaph.pos.file + ":" + std::to_string(epitaph.pos.line) + ": ";
  EXPECT_EQ(problems, where +
                          "the words spoken in intro//epitaph.wav are not lettered, word for "
                          "word, on intro//epitaph.jpg (" +
                          (kContent / "pictures" / "epitaph.picture").string() + ")\n" + where +
                          "no picture of content/pictures makes intro//tombstone.jpg\n");
}

// The spoken epitaph is the same samples every time (the data folder must not change
// while its sources do not), a plausible length for fifty slow words, starts with a
// moment of silence and peaks at a steady level without clipping.
TEST(Speech, TheSynthesisedVoiceIsSteady) {
  const SpeechSource epitaph = Epitaph();
  const Voice first = Speak(epitaph);
  const Voice second = Speak(epitaph);
  EXPECT_EQ(first.rate, kSoundRate);
  EXPECT_TRUE(first.samples == second.samples) << "the voice differs between two runs";
  const double seconds = static_cast<double>(first.samples.size()) / first.rate;
  EXPECT_GT(seconds, 12);
  EXPECT_LT(seconds, 40);
  const auto lead = static_cast<std::size_t>(0.4 * first.rate);
  EXPECT_TRUE(std::all_of(first.samples.begin(), first.samples.begin() + lead,
                          [](std::int16_t s) { return s == 0; }));
  std::int16_t peak = 0;
  for (std::int16_t s : first.samples) peak = std::max<std::int16_t>(peak, std::abs(s));
  EXPECT_EQ(peak, 26214);  // four fifths of full scale
  EXPECT_EQ(first.samples.back(), 0);
}

// Without the speech program, or when it fails, the build stops with a message that
// names the speech file and says what to install or what went wrong.
TEST(Speech, AMissingOrFailingSpeakerIsExplained) {
  const SpeechSource epitaph = Epitaph();
  const std::string where = epitaph.pos.file + ":" + std::to_string(epitaph.pos.line) + ": ";
  const std::string missing = SpeakError(epitaph, "quenna2-no-such-speaker");
  EXPECT_EQ(missing.rfind(where + "quenna2-no-such-speaker is needed to speak "
                                  "intro//epitaph.wav, but it could not be started",
                          0),
            0u)
      << missing;
  EXPECT_NE(missing.find("apt-get install espeak-ng"), std::string::npos) << missing;

  EXPECT_EQ(SpeakError(epitaph, "false"), where + "false could not speak intro//epitaph.wav");
  EXPECT_EQ(SpeakError(epitaph, "true"), "true's voice for intro//epitaph.wav: is not a WAV file");
  SpeechSource unknown = epitaph;
  unknown.voice = "xx-nowhere";
  const std::string voice = SpeakError(unknown, kSpeechProgram);
  EXPECT_EQ(voice.rfind(where + "espeak-ng could not speak intro//epitaph.wav: ", 0), 0u) << voice;
}

// A synthesiser writing to a pipe leaves its sizes unfilled: the samples run to the end
// of the bytes. Anything but mono 16-bit PCM is refused.
TEST(Speech, ReadsAWavWrittenToAPipe) {
  std::vector<std::uint8_t> wav = WavFile({1, -2, 300, -400}, 22050);
  for (std::size_t at : {4u, 40u}) {
    wav[at] = 0x00;
    wav[at + 1] = 0xf0;
    wav[at + 2] = 0xff;
    wav[at + 3] = 0x7f;
  }
  const Voice voice = ReadPcmWav(wav, "piped");
  EXPECT_EQ(voice.rate, 22050);
  EXPECT_EQ(voice.samples, (std::vector<std::int16_t>{1, -2, 300, -400}));

  std::vector<std::uint8_t> stereo = wav;
  stereo[22] = 2;
  std::vector<std::uint8_t> empty(wav.begin(), wav.begin() + 36);
  std::vector<std::uint8_t> eightBit = wav;
  eightBit[34] = 8;
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* message;
  } wrong[] = {{stereo, "w: is not mono 16-bit PCM"},
               {eightBit, "w: is not mono 16-bit PCM"},
               {empty, "w: has no samples"},
               {{'R', 'I', 'F', 'X'}, "w: is not a WAV file"}};
  for (const auto& bad : wrong) {
    try {
      ReadPcmWav(bad.bytes, "w");
      ADD_FAILURE() << bad.message;
    } catch (const ContentError& error) {
      EXPECT_STREQ(error.what(), bad.message);
    }
  }
}

}  // namespace
}  // namespace quenna::datakit
