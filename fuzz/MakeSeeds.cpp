// quenna2-fuzz-seeds <content folder> <data folder> <seeds folder>: the first inputs of
// every fuzz target, from the game's real data and content, and the dictionary of the
// page and picture sources, from the painters themselves. The build runs it.
#include <QGuiApplication>
#include <QImage>

// libjpeg's header needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <cstdio>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Painters.h"
#include "media/JpegWriter.h"
#include "store/HighScoreTable.h"
#include "store/SavedGameFile.h"

namespace fs = std::filesystem;
using namespace quenna;

namespace {

void Write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  Write(file, std::string(bytes.begin(), bytes.end()));
}

// Copies the files of a folder whose names end so, up to a size and, in name order, up to
// a number of files: larger seeds make every mutation slower, and seeds that are slow to
// run (a close-up paints its year page first) leave a short run no time to mutate.
void CopyFiles(const fs::path& from, const std::string& ending, std::uintmax_t largest,
               const fs::path& to, std::size_t most = SIZE_MAX) {
  fs::create_directories(to);
  if (!fs::is_directory(from)) return;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(from)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name.size() < ending.size() ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0 ||
        entry.file_size() > largest) {
      continue;
    }
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  if (files.size() > most) files.resize(most);
  for (const fs::path& file : files) {
    fs::copy_file(file, to / file.filename(), fs::copy_options::overwrite_existing);
  }
}

void SavedGames(const fs::path& folder) {
  auto save = [&](const std::string& name, const SavedGame& game) {
    const SavedGameBytes bytes = EncodeSavedGame(game);
    WriteBytes(folder / name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  };
  save("fresh.sav", SavedGame{});
  SavedGame played;
  for (int row = 0; row < 3; ++row) {
    played.LevelTable.Set(row, 3, 3);
    played.LevelTable.Set(row, 5 + row, 8 + row);
  }
  played.LevelTable.Set(2, 13, -4);
  played.CurrentLevel = 4;
  played.CardRoundsDone = 4;
  played.CardRoundDone = 1;
  played.TaskTab = 2;
  played.TaskVirtue = 106;
  played.AnsweredFlags[40] = 1;
  played.AnsweredFlags[341] = 3;
  save("played.sav", played);
  SavedGame last = played;
  for (int row = 0; row < 55; ++row) last.LevelTable.Set(row, 3, 4);
  last.LevelTable.Set(54, 0, 127);
  last.LevelTable.Set(53, 1, -128);
  last.CurrentLevel = 56;
  last.CardRoundsDone = 127;
  last.TaskTab = 99;
  last.TaskVirtue = 113;
  save("last.sav", last);
  Write(folder / "short.sav", "not a saved game");
}

void HighScores(const fs::path& folder) {
  Write(folder / "fresh", HighScoreTable().Text());
  HighScoreTable table;
  table.Enter(1234, "Quenna");
  table.Enter(-5, "Orn Hollin");
  table.Enter(2147483647, "\xC3\xA9tienne");
  Write(folder / "played", table.Text());
}

// A CMYK JPEG as Adobe's programs write it (inverted, with the Adobe marker), which the
// loader converts itself.
std::vector<std::uint8_t> CmykJpeg(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 4);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      for (int k = 0; k < 4; ++k) {
        row[static_cast<std::size_t>(x) * 4 + static_cast<std::size_t>(k)] = static_cast<JSAMPLE>(
            (x * 37 + static_cast<int>(info.next_scanline) * 11 + k * 60) % 256);
      }
    }
    JSAMPROW rows = row.data();
    jpeg_write_scanlines(&info, &rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

void Pictures(const fs::path& data, const fs::path& folder) {
  for (const char* sub : {"", "scenes", "closeups", "intro"}) {
    CopyFiles(data / sub, ".jpg", 40 * 1024, folder);
  }
  QImage colour(24, 16, QImage::Format_RGB888);
  for (int y = 0; y < colour.height(); ++y) {
    for (int x = 0; x < colour.width(); ++x) colour.setPixelColor(x, y, QColor(x * 10, y * 15, 90));
  }
  WriteBytes(folder / "small.jpg", EncodeJpeg(colour, 80));
  WriteBytes(folder / "progressive.jpg", EncodeJpeg(colour, 80, true));
  WriteBytes(folder / "grey.jpg", EncodeJpeg(colour.convertToFormat(QImage::Format_Grayscale8)));
  WriteBytes(folder / "cmyk.jpg", CmykJpeg(16, 8));
}

void Put(std::string& bytes, std::uint32_t value, int count) {
  for (int k = 0; k < count; ++k) bytes.push_back(static_cast<char>(value >> (8 * k) & 0xFF));
}

// A short WAV of the given format, with a little of a tone.
std::string Wav(std::uint16_t encoding, std::uint16_t channels, std::uint32_t rate,
                std::uint16_t bits, bool extensible) {
  const std::uint16_t block = static_cast<std::uint16_t>(channels * bits / 8);
  std::string format;
  Put(format, extensible ? 0xFFFE : encoding, 2);
  Put(format, channels, 2);
  Put(format, rate, 4);
  Put(format, rate * block, 4);
  Put(format, block, 2);
  Put(format, bits, 2);
  if (extensible) {
    Put(format, 22, 2);
    Put(format, bits, 2);
    Put(format, 3, 4);
    Put(format, encoding, 2);
    format += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }
  std::string samples;
  for (int i = 0; i < 64 * block; ++i) samples.push_back(static_cast<char>((i * 7) % 256));
  std::string wav = "RIFF";
  Put(wav, static_cast<std::uint32_t>(4 + 8 + format.size() + 8 + samples.size()), 4);
  wav += "WAVEfmt ";
  Put(wav, static_cast<std::uint32_t>(format.size()), 4);
  wav += format + "data";
  Put(wav, static_cast<std::uint32_t>(samples.size()), 4);
  return wav + samples;
}

void Sounds(const fs::path& data, const fs::path& folder) {
  CopyFiles(data, ".wav", 80 * 1024, folder);
  Write(folder / "mono8.wav", Wav(1, 1, 8000, 8, false));
  Write(folder / "float.wav", Wav(3, 2, 22050, 32, false));
  Write(folder / "extensible24.wav", Wav(1, 2, 48000, 24, true));
}

std::string Quoted(const std::string& word) {
  std::string out = "\"";
  for (unsigned char c : word) {
    if (c == '"' || c == '\\' || c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out + "\"";
}

// The words of the page and picture formats: the keywords, every painter and setting,
// every choice a setting offers, the palette.
std::string SourceDictionary() {
  std::set<std::string> words = {
      "page ", "picture ", "backdrop ", "decor ", "overlay ", "thing ", "person ", "  draw ",
      "  figure ", "  held ", "  look ", "  heldlook ", "describe ", "nothing ", "narration\n",
      "scenery ", "sitter ", " at ", " size ", "quality=", "blur=", "light=", " people", "1716",
      "1752", "1779", "#a04c20", "oak", "walnut", "pine", "iron", "brass", "paper", "stone", "leaf",
      "white", "black", "cream", "none", "=no", "\"",
      // Numbers no writer means, but a slip of the keyboard can make.
      "nan", "inf", "-inf", "1e300", "1e-300", "2000000000", "-2000000000", "0", "-1", ".",
      "0.0001", "99999", "4000", "4001"};
  for (const auto& painter : datakit::AllPainters()) {
    words.insert(" " + std::string(painter.name) + " ");
    std::istringstream settings{std::string(painter.settings)};
    std::string setting;
    while (settings >> setting) {
      const auto colon = setting.find(':');
      const std::string name = setting.substr(0, colon);
      words.insert(" " + name + "=");
      words.insert(" " + name);
      const std::string rest = setting.substr(colon + 1);
      std::istringstream choices(rest.substr(0, rest.find('=')));
      for (std::string choice; std::getline(choices, choice, '|');) words.insert(choice);
    }
  }
  std::string dictionary = "# Made by quenna2-fuzz-seeds from the painters of the data kit.\n";
  for (const std::string& word : words) dictionary += Quoted(word) + "\n";
  return dictionary;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::cerr << "usage: quenna2-fuzz-seeds <content folder> <data folder> <seeds folder>\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const fs::path content = argv[1];
  const fs::path data = argv[2];
  const fs::path seeds = argv[3];
  try {
    fs::remove_all(seeds);
    SavedGames(seeds / "saved_game");
    SavedGames(seeds / "saved_game_open");
    HighScores(seeds / "high_scores");
    CopyFiles(data / "data", ".dat", 8 * 1024, seeds / "shifted_text");
    CopyFiles(data / "d2", ".dat", 8 * 1024, seeds / "dialogue");
    CopyFiles(data, "2grdata.", 16 * 1024, seeds / "grid");
    Pictures(data, seeds / "jpeg");
    Sounds(data, seeds / "wav");
    CopyFiles(content / "pages", ".page", 64 * 1024, seeds / "page_source");
    CopyFiles(content / "pictures", ".picture", 64 * 1024, seeds / "picture_source");
    CopyFiles(content / "closeups", ".picture", 64 * 1024, seeds / "picture_source", 4);
    CopyFiles(content / "people", ".talk", 64 * 1024, seeds / "talk_source");
    CopyFiles(content / "sounds", ".speech", 64 * 1024, seeds / "speech_source");
    CopyFiles(content, "virtues.text", 64 * 1024, seeds / "virtue_words");
    Write(seeds / "source.dict", SourceDictionary());
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
