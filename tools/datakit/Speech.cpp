#include "Speech.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <sstream>

namespace quenna::datakit {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Runs of blanks as one space, none at the ends: how words are compared.
std::string Squeezed(const std::string& text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      blank = !out.empty();
      continue;
    }
    if (blank) out.push_back(' ');
    blank = false;
    out.push_back(c);
  }
  return out;
}

// "intro\x.jpg", "intro/x.jpg" and "intro//x.jpg" are one file to the game.
std::string SamePath(const std::string& gamePath) {
  std::string out;
  for (char c : gamePath) {
    const char d = c == '\\' ? '/' : c;
    if (d == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(d);
  }
  return out;
}

int Setting(const std::string& value, const std::string& name, int low, int high,
            const SourcePos& pos) {
  return WholeNumberIn(value, low, high, pos, name);
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// One pole of low-pass: smooths away what lies well above the cutoff.
void LowPass(std::vector<double>& samples, double cutoff, int rate) {
  const double a = 1.0 - std::exp(-2.0 * M_PI * cutoff / rate);
  double y = 0;
  for (double& s : samples) {
    y += a * (s - y);
    s = y;
  }
}

}  // namespace

SpeechSource ParseSpeechSource(const std::string& text, const std::string& fileName) {
  SpeechSource speech;
  std::istringstream stream(text);
  std::string raw;
  int number = 0;
  bool headed = false;
  while (std::getline(stream, raw)) {
    ++number;
    const SourcePos pos{fileName, number};
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    for (char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 || byte > 0x7e)
        throw ContentError(pos, "write the words in plain ASCII letters and punctuation");
    }
    if (headed) {
      speech.text += (speech.text.empty() ? "" : " ") + line;
      continue;
    }
    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word != "speech") {
      throw ContentError(pos,
                         "the first line is: speech <game path> [voice=...] [speed=...] "
                         "[pitch=...] [gap=...] [shown=<picture>]");
    }
    if (!(words >> speech.output) || speech.output.find('=') != std::string::npos)
      throw ContentError(pos, "name the sound file as the game names it: speech intro//x.wav");
    while (words >> word) {
      const auto equals = word.find('=');
      const std::string key = word.substr(0, equals);
      const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
      if (key == "voice" && !value.empty()) {
        const bool plain = std::all_of(value.begin(), value.end(), [](char c) {
          return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '_';
        });
        if (!plain) throw ContentError(pos, "\"" + value + "\" is not a voice name");
        speech.voice = value;
      } else if (key == "speed") {
        speech.speed = Setting(value, "speed (words per minute)", 80, 450, pos);
      } else if (key == "pitch") {
        speech.pitch = Setting(value, "pitch", 0, 99, pos);
      } else if (key == "gap") {
        speech.gap = Setting(value, "gap (the pause between words, in 10 ms)", 0, 100, pos);
      } else if (key == "shown" && !value.empty()) {
        speech.shown = value;
      } else {
        throw ContentError(pos, "\"" + word +
                                    "\" is not a setting of a speech (voice=, speed=, pitch=, "
                                    "gap=, shown=)");
      }
    }
    speech.pos = pos;
    headed = true;
  }
  if (!headed) throw ContentError(fileName, "there is no \"speech <game path>\" line");
  if (speech.text.empty()) throw ContentError(speech.pos, "there are no words to speak");
  return speech;
}

std::vector<SpeechSource> ReadAllSpeeches(const std::filesystem::path& contentFolder) {
  const auto folder = contentFolder / "sounds";
  std::vector<std::filesystem::path> files;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".speech")
      files.push_back(entry.path());
  }
  if (error) throw ContentError(folder.string(), "cannot be read: " + error.message());
  std::sort(files.begin(), files.end());
  std::vector<SpeechSource> speeches;
  for (const auto& file : files) {
    SpeechSource speech = ParseSpeechSource(ReadTextFile(file), file.string());
    for (const SpeechSource& earlier : speeches) {
      if (SamePath(earlier.output) == SamePath(speech.output)) {
        throw ContentError(speech.pos, speech.output + " is also spoken by " + earlier.pos.file);
      }
    }
    speeches.push_back(std::move(speech));
  }
  return speeches;
}

Voice ReadPcmWav(const std::vector<std::uint8_t>& bytes, const std::string& what) {
  auto wrong = [&](const std::string& why) { return ContentError(what, why); };
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    throw wrong("is not a WAV file");
  }
  Voice voice;
  bool format = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
      if (size < 16 || body + 16 > bytes.size()) throw wrong("has a broken format chunk");
      const int tag = bytes[body] | bytes[body + 1] << 8;
      const int channels = bytes[body + 2] | bytes[body + 3] << 8;
      const int bits = bytes[body + 14] | bytes[body + 15] << 8;
      voice.rate = static_cast<int>(Le32(bytes, body + 4));
      if (tag != 1 || channels != 1 || bits != 16 || voice.rate < 8000 || voice.rate > 96000)
        throw wrong("is not mono 16-bit PCM");
      format = true;
    } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      if (!format) throw wrong("has its samples before their format");
      const std::size_t end = std::min<std::size_t>(bytes.size(), body + size);
      for (std::size_t i = body; i + 1 < end; i += 2) {
        voice.samples.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
      }
      return voice;
    }
    at = body + size + (size & 1);
  }
  throw wrong("has no samples");
}

Voice Speak(const SpeechSource& speech, const std::string& program) {
  const std::string install =
      " Install it (scripts/setup.sh does; on Debian: apt-get install espeak-ng) and build again.";
  QProcess process;
  process.start(
      QString::fromStdString(program),
      {"--stdout", "-v", QString::fromStdString(speech.voice), "-s", QString::number(speech.speed),
       "-p", QString::number(speech.pitch), "-g", QString::number(speech.gap)});
  if (!process.waitForStarted(10000)) {
    throw ContentError(speech.pos, program + " is needed to speak " + speech.output +
                                       ", but it could not be started (" +
                                       process.errorString().toStdString() + ")." + install);
  }
  process.write(QByteArray::fromStdString(speech.text));
  process.closeWriteChannel();
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished(5000);
    throw ContentError(speech.pos, program + " did not finish speaking " + speech.output);
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    const std::string said = Trim(process.readAllStandardError().toStdString());
    throw ContentError(speech.pos, program + " could not speak " + speech.output +
                                       (said.empty() ? "" : ": " + said));
  }
  const QByteArray out = process.readAllStandardOutput();
  const Voice raw = ReadPcmWav(std::vector<std::uint8_t>(out.begin(), out.end()),
                               program + "'s voice for " + speech.output);
  if (raw.samples.size() < static_cast<std::size_t>(raw.rate / 2)) {
    throw ContentError(speech.pos, program + " gave almost no sound for " + speech.output);
  }
  return {WarmVoice(raw.samples, raw.rate), raw.rate};
}

std::vector<std::int16_t> WarmVoice(const std::vector<std::int16_t>& samples, int rate) {
  const auto lead = static_cast<std::size_t>(0.4 * rate);
  const auto tail = static_cast<std::size_t>(1.2 * rate);
  std::vector<double> dry(lead + samples.size() + tail, 0.0);
  for (std::size_t i = 0; i < samples.size(); ++i) dry[lead + i] = samples[i] / 32768.0;

  std::vector<double> soft = dry;
  LowPass(soft, 3400, rate);
  LowPass(soft, 3400, rate);
  std::vector<double> body = dry;
  LowPass(body, 260, rate);
  std::vector<double> mix(dry.size());
  for (std::size_t i = 0; i < mix.size(); ++i) mix[i] = soft[i] + 0.4 * body[i];

  // A small wooden room: a few early echoes that fade quickly.
  const double delays[] = {0.029, 0.043, 0.061, 0.083, 0.109};
  const double gains[] = {0.15, 0.11, 0.08, 0.06, 0.04};
  const std::vector<double> direct = mix;
  for (int k = 0; k < 5; ++k) {
    const auto d = static_cast<std::size_t>(delays[k] * rate);
    for (std::size_t i = d; i < mix.size(); ++i) mix[i] += gains[k] * direct[i - d];
  }
  const auto fade = static_cast<std::size_t>(0.05 * rate);
  for (std::size_t i = 0; i < fade && i < mix.size(); ++i)
    mix[mix.size() - 1 - i] *= static_cast<double>(i) / fade;

  double top = 0;
  for (double v : mix) top = std::max(top, std::abs(v));
  const double scale = top > 0 ? 0.8 * 32767.0 / top : 0;
  std::vector<std::int16_t> out(mix.size());
  for (std::size_t i = 0; i < mix.size(); ++i) {
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(mix[i] * scale, -32767.0, 32767.0)));
  }
  return out;
}

std::vector<ContentError> SpokenWordsShown(const std::vector<SpeechSource>& speeches,
                                           const std::vector<PictureSource>& pictures) {
  std::vector<ContentError> problems;
  for (const SpeechSource& speech : speeches) {
    if (speech.shown.empty()) continue;
    const auto picture = std::find_if(pictures.begin(), pictures.end(), [&](const auto& p) {
      return SamePath(p.output) == SamePath(speech.shown);
    });
    if (picture == pictures.end()) {
      problems.emplace_back(speech.pos, "no picture of content/pictures makes " + speech.shown);
      continue;
    }
    const std::string words = Squeezed(speech.text);
    const bool lettered = std::any_of(
        picture->scene.layers.begin(), picture->scene.layers.end(), [&](const Layer& l) {
          const auto text = l.drawing.params.values.find("text");
          return text != l.drawing.params.values.end() && Squeezed(text->second) == words;
        });
    if (!lettered) {
      problems.emplace_back(speech.pos, "the words spoken in " + speech.output +
                                            " are not lettered, word for word, on " + speech.shown +
                                            " (" + picture->scene.file + ")");
    }
  }
  return problems;
}

}  // namespace quenna::datakit
