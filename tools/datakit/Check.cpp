#include "Check.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Build.h"
#include "Render.h"
#include "Speech.h"
#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "media/PictureLoader.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"

namespace quenna::datakit {
namespace {

struct PictureFile {
  std::string path;
  int width;  // 0: any size
  int height;
  bool atLeast = false;  // the size is the least it may be
};

// The slide window shows a picture in a frame 601 x 449 inside. The classroom of the
// two shows is panned 190 pixels left and 133 up, and the ending starts 200 pixels to the
// left, so it must be larger than the frame by as much, or bare frame would show.
constexpr int kClassroomWidth = 601 + 200;
constexpr int kClassroomHeight = 449 + 133;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(stream), {});
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A mono or stereo 16-bit PCM WAV with its length in seconds, or an explanation.
std::string CheckWav(const std::vector<std::uint8_t>& bytes, double minimum, double maximum) {
  if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0 ||
      std::memcmp(bytes.data() + 12, "fmt ", 4) != 0 ||
      std::memcmp(bytes.data() + 36, "data", 4) != 0) {
    return "is not a plain RIFF WAVE file";
  }
  const int format = bytes[20] | bytes[21] << 8;
  const int channels = bytes[22] | bytes[23] << 8;
  const std::uint32_t rate = Le32(bytes, 24);
  const int bits = bytes[34] | bytes[35] << 8;
  const std::uint32_t data = Le32(bytes, 40);
  if (format != 1 || bits != 16 || channels < 1 || channels > 2 || rate == 0)
    return "is not 16-bit PCM";
  if (Le32(bytes, 4) != bytes.size() - 8 || data != bytes.size() - 44)
    return "has sizes in its header that do not match the file";
  const double seconds = static_cast<double>(data) / (rate * channels * 2);
  if (seconds < minimum || seconds > maximum) {
    return "lasts " + std::to_string(seconds) + " s, not " + std::to_string(minimum) + " to " +
           std::to_string(maximum) + " s";
  }
  return {};
}

}  // namespace

std::vector<std::string> CheckDataFolder(const std::filesystem::path& contentFolder,
                                         const std::filesystem::path& dataFolder) {
  std::vector<std::string> problems;
  const DataFolder data(dataFolder);
  auto problem = [&](const std::string& path, const std::string& text) {
    problems.push_back(path + ": " + text);
  };

  // Pictures the game loads, with the sizes its windows rely on.
  std::vector<PictureFile> pictures = {
      {"quenna.jpg", 0, 0},           {"scenes//cover1x1.jpg", 600, 600},
      {"scenes//cover1x2.jpg", 0, 0}, {"closeups//ornhd1x1.jpg", 0, 0},
      {"virtues.jpg", 306, 513},      {"gold.jpg", 0, 0}};
  for (int tab = 1; tab <= kYearTabs; ++tab) pictures.push_back({ScenePicturePath(tab), 600, 600});
  for (const char* slide :
       {"intro\\intro.jpg", "intro/quennasleep1.jpg", "intro/quennasleep2.jpg",
        "intro\\quennasleep3.jpg", "intro/openbk1.jpg", "intro//speech.jpg", "intro//teacher.jpg",
        "intro//bookdesk.jpg", "intro//wink.jpg", "intro//epitaph.jpg"}) {
    pictures.push_back({slide, 600, 450});
  }
  pictures.push_back({"intro/intro1.jpg", kClassroomWidth, kClassroomHeight, true});
  for (const auto& picture : pictures) {
    try {
      const QImage image = LoadPicture(data.Resolve(picture.path));
      const bool fits = picture.atLeast
                            ? image.width() >= picture.width && image.height() >= picture.height
                            : image.width() == picture.width && image.height() == picture.height;
      if (picture.width != 0 && !fits) {
        problem(picture.path,
                "is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                    ", not " + (picture.atLeast ? "at least " : "") +
                    std::to_string(picture.width) + " x " + std::to_string(picture.height));
      }
      if (picture.path == "gold.jpg" && image.height() > 24)
        problem(picture.path, "is taller than a row of the chart (24)");
    } catch (const std::exception& error) {
      problem(picture.path, error.what());
    }
  }

  // Sounds and help.
  const struct {
    const char* path;
    double minimum, maximum;
  } sounds[] = {{"intro//orn2.wav", 20, 40},
                {"points2.wav", 0.3, 4},
                {"sndoff.wav", 0.01, 0.5},
                {"intro//epitaph.wav", 8, 40}};
  for (const auto& sound : sounds) {
    const auto file = data.Resolve(sound.path);
    if (!std::filesystem::is_regular_file(file)) {
      problem(sound.path, "is missing");
      continue;
    }
    const std::string wrong = CheckWav(ReadBytes(file), sound.minimum, sound.maximum);
    if (!wrong.empty()) problem(sound.path, wrong);
  }
  const auto help = ReadBytes(data.Resolve("ORNH.HLP"));
  if (help.empty()) problem("ORNH.HLP", "is missing or empty");

  // The grid file: fourteen records of 645 digits.
  const auto grid = ReadBytes(data.Resolve(kGridFileName));
  if (grid.size() != static_cast<std::size_t>(kYearTabs) * kGridRecordBytes) {
    problem(kGridFileName, "is " + std::to_string(grid.size()) + " bytes, not 14 records of 645");
  }
  for (std::size_t i = 0; i < grid.size(); ++i) {
    if (grid[i] < '0' || grid[i] > '9') {
      problem(kGridFileName, "byte " + std::to_string(i) + " is not a digit");
      break;
    }
  }

  // Words spoken must be the words shown.
  try {
    for (const ContentError& wrong :
         SpokenWordsShown(ReadAllSpeeches(contentFolder), ReadAllPictures(contentFolder))) {
      problems.push_back(wrong.what());
    }
  } catch (const std::exception& error) {
    problems.push_back(error.what());
  }

  std::vector<PageSource> pages;
  try {
    pages = ReadAllPages(contentFolder);
  } catch (const std::exception& error) {
    problems.push_back(error.what());
    return problems;
  }
  for (const PageSource& page : pages) {
    const int tab = page.tab;
    const std::string year = std::to_string(page.year);
    // The texts: present, within the read limit, no byte that would end them early.
    std::vector<std::string> lines;
    const struct {
      std::string path;
      std::size_t limit;
    } texts[] = {{MessageFileName(tab), kMessageFileLimit},
                 {NarrationFileName(tab), kNarrationFileLimit}};
    for (const auto& text : texts) {
      const auto file = data.Resolve(text.path);
      const auto bytes = ReadBytes(file);
      if (bytes.empty()) {
        problem(text.path, "is missing or empty");
        continue;
      }
      if (bytes.size() > text.limit) {
        problem(text.path, "is " + std::to_string(bytes.size()) + " bytes; the game reads only " +
                               std::to_string(text.limit));
      }
      const auto stop =
          std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0 || b == 3; });
      if (stop != bytes.end()) {
        problem(text.path, "byte " + std::to_string(stop - bytes.begin()) +
                               " ends the text early (a stored 0 or 3)");
      }
      if (text.limit == kMessageFileLimit) lines = SplitLines(DecodeShiftedText(bytes));
    }
    if (grid.size() < static_cast<std::size_t>(tab) * kGridRecordBytes) continue;
    std::array<std::uint8_t, kGridRecordBytes> stored{};
    for (int i = 0; i < kGridRecordBytes; ++i) {
      stored[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
          grid[static_cast<std::size_t>((tab - 1) * kGridRecordBytes + i)] - '0');
    }
    // Every value in the grid has its look line.
    for (int value = 1; value <= 9; ++value) {
      if (std::find(stored.begin(), stored.end(), value) == stored.end()) continue;
      if (LineAt(lines, value).empty()) {
        problem(MessageFileName(tab),
                "has no look line " + std::to_string(value) + ", which the " + year + " grid uses");
      }
    }
    // The grid was made from these sources.
    const RenderedScene rendered = RenderScene(page.scene, false);
    const auto expected = GridValues(rendered);
    if (expected != stored) {
      problem(kGridFileName, "the record of " + year + " does not match " + page.scene.file +
                                 " (build the data again)");
    }
    // Each person of the roster stands where the roster expects them.
    for (const RosterEntry& entry : kRosterCells) {
      if (entry.tab != tab) continue;
      const std::string who = std::string(entry.name) + " (" + year + ")";
      const auto person =
          std::find_if(page.scene.clickables.begin(), page.scene.clickables.end(),
                       [&](const Clickable& c) { return c.person && c.name == entry.name; });
      if (person == page.scene.clickables.end()) {
        problem(page.scene.file, "has no person \"" + std::string(entry.name) + "\"");
        continue;
      }
      std::array<int, 2> values = {person->value, person->heldValue};
      std::array<int, 2> wanted = entry.values;
      std::sort(values.begin(), values.end());
      std::sort(wanted.begin(), wanted.end());
      if (values != wanted) {
        problem(page.scene.file,
                who + " must have the value " + std::to_string(entry.values[0]) +
                    (entry.values[1] ? " and hold " + std::to_string(entry.values[1]) : ""));
        continue;
      }
      const auto index = static_cast<std::size_t>(person - page.scene.clickables.begin());
      for (int value : entry.values) {
        if (value == 0) continue;
        int cells = 0;
        for (std::size_t cell = 0; cell < stored.size(); ++cell) {
          if (stored[cell] != value) continue;
          ++cells;
          if (cell >= rendered.drawnPixels[index].size() ||
              rendered.drawnPixels[index][cell] == 0) {
            problem(kGridFileName, who + ": cell " + std::to_string(cell) + " has the value " +
                                       std::to_string(value) +
                                       " but the person is not drawn there");
          }
        }
        if (cells == 0)
          problem(kGridFileName,
                  who + ": no cell of " + year + " has the value " + std::to_string(value));
      }
    }
  }
  return problems;
}

}  // namespace quenna::datakit
