#include "Build.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <thread>

#include "PageView.h"
#include "Render.h"
#include "Sound.h"
#include "Speech.h"
#include "Talk.h"
#include "Virtues.h"
#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "media/JpegWriter.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int kJpegQuality = 90;

std::vector<std::filesystem::path> FilesWithExtension(const std::filesystem::path& folder,
                                                      const std::string& extension) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().extension() == extension)
      files.push_back(entry.path());
  }
  if (error) throw ContentError(folder.string(), "cannot be read: " + error.message());
  // Directory order differs between machines; the output must not.
  std::sort(files.begin(), files.end());
  return files;
}

// Runs work(0) .. work(count - 1) on every core, each index once. Pictures are painted
// each on its own, from nothing but their sources, so the order does not change a byte.
// A failure is thrown after all have run: the one of the lowest index, as one core would.
void OnEveryCore(std::size_t count, const std::function<void(std::size_t)>& work) {
  std::vector<std::exception_ptr> failures(count);
  std::atomic<std::size_t> next{0};
  const auto worker = [&] {
    for (std::size_t index = next++; index < count; index = next++) {
      try {
        work(index);
      } catch (...) {
        failures[index] = std::current_exception();
      }
    }
  };
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> helpers;
  for (std::size_t i = 1; i < std::min(cores, count); ++i) helpers.emplace_back(worker);
  worker();
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

// Everything the build makes to be heard.
struct Sounds {
  std::vector<Voice> voices;
  std::vector<std::int16_t> theme;
  std::vector<std::int16_t> chime;
};

Sounds MakeSounds(const std::vector<SpeechSource>& speeches) {
  Sounds made;
  for (const SpeechSource& speech : speeches) made.voices.push_back(Speak(speech));
  made.theme = ThemeTune();
  made.chime = BonusChime();
  return made;
}

std::vector<std::uint8_t> Shifted(const std::string& text) {
  return EncodeShiftedText(text);
}

}  // namespace

std::string ScenePicturePath(int tab) {
  return std::string(kDateTabs.at(static_cast<std::size_t>(tab)).scenePicture);
}

std::string MessageText(const PageSource& page) {
  std::map<int, std::pair<std::string, SourcePos>> lines;
  for (const Clickable& clickable : page.scene.clickables) {
    lines[clickable.value] = {clickable.look, clickable.pos};
    if (clickable.heldValue != 0) lines[clickable.heldValue] = {clickable.heldLook, clickable.pos};
  }
  const int last = lines.empty() ? 0 : lines.rbegin()->first;
  std::string text = page.nothing + kLineBreak;
  if (page.nothing.size() > kLookLineLimit) {
    throw ContentError(page.scene.file, "the \"nothing\" line has " +
                                            std::to_string(page.nothing.size()) +
                                            " characters; the message box shows about " +
                                            std::to_string(kLookLineLimit));
  }
  for (int value = 1; value <= last; ++value) {
    const auto found = lines.find(value);
    if (found != lines.end()) {
      const auto& [line, pos] = found->second;
      if (line.size() > kLookLineLimit) {
        throw ContentError(pos, "this look line has " + std::to_string(line.size()) +
                                    " characters; the message box shows about " +
                                    std::to_string(kLookLineLimit) + ": make it shorter");
      }
      text += line;
    }
    text += kLineBreak;
  }
  if (text.size() > kMessageFileLimit) {
    throw ContentError(page.scene.file, "the look lines take " + std::to_string(text.size()) +
                                            " bytes; the game reads only " +
                                            std::to_string(kMessageFileLimit));
  }
  return text;
}

std::string NarrationText(const PageSource& page) {
  std::string text;
  for (std::size_t i = 0; i < page.narration.size(); ++i) {
    if (i > 0) text += std::string(kLineBreak) + kLineBreak;
    text += page.narration[i];
  }
  if (text.size() > kNarrationFileLimit) {
    throw ContentError(page.narrationPos, "the narration is " + std::to_string(text.size()) +
                                              " bytes; the game reads only " +
                                              std::to_string(kNarrationFileLimit));
  }
  return text;
}

std::vector<PageSource> ReadAllPages(const std::filesystem::path& contentFolder) {
  const auto folder = contentFolder / "pages";
  std::vector<PageSource> pages(kYearTabs);
  std::vector<std::string> seen(kYearTabs);
  for (const auto& file : FilesWithExtension(folder, ".page")) {
    PageSource page = ReadPageSource(file);
    const auto index = static_cast<std::size_t>(page.tab - 1);
    if (!seen[index].empty()) {
      throw ContentError(file.string(), "the year " + std::to_string(page.year) +
                                            " is also the page of " + seen[index]);
    }
    if (page.scene.width != 600 || page.scene.height != 600)
      throw ContentError(file.string(), "a page picture is 600 x 600");
    seen[index] = file.string();
    pages[index] = std::move(page);
  }
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    if (seen[static_cast<std::size_t>(tab - 1)].empty()) {
      throw ContentError(folder.string(),
                         "there is no page for " +
                             std::string(kDateTabs[static_cast<std::size_t>(tab)].tabCaption) +
                             " (a file <year>.page starting \"page <year>\")");
    }
  }
  return pages;
}

std::vector<PictureSource> ReadAllPictures(const std::filesystem::path& contentFolder) {
  std::vector<PictureSource> pictures;
  std::map<std::string, std::string> outputs;
  std::vector<std::filesystem::path> files =
      FilesWithExtension(contentFolder / "pictures", ".picture");
  // The close-ups of the people, one a roster row, have a folder of their own.
  if (std::filesystem::is_directory(contentFolder / "closeups")) {
    const auto closeups = FilesWithExtension(contentFolder / "closeups", ".picture");
    files.insert(files.end(), closeups.begin(), closeups.end());
  }
  for (const auto& file : files) {
    PictureSource picture = ReadPictureSource(file);
    // "intro\x.jpg" and "intro//x.jpg" are the same file to the game.
    const std::string same = DataFolder({}).Resolve(picture.output).generic_string();
    if (!outputs.emplace(same, file.string()).second) {
      throw ContentError(file.string(), picture.output + " is also made by " + outputs[same]);
    }
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

void WriteDataFile(const std::filesystem::path& dataFolder, const std::string& gamePath,
                   const std::vector<std::uint8_t>& bytes) {
  const auto file = DataFolder(dataFolder).Resolve(gamePath);
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw ContentError(file.string(), "cannot be written");
}

void BuildDataFolder(const std::filesystem::path& contentFolder,
                     const std::filesystem::path& dataFolder, std::ostream& log) {
  // Read and check everything before writing anything, so a mistake leaves the old
  // data folder whole.
  const std::vector<PageSource> pages = ReadAllPages(contentFolder);
  std::vector<PictureSource> pictures = ReadAllPictures(contentFolder);
  PageRenders pageRenders;
  OnEveryCore(pictures.size(), [&](std::size_t index) {
    PictureSource& picture = pictures[index];
    if (NeedsPages(picture)) ResolvePageViews(picture, pages, &pageRenders);
  });
  std::vector<std::string> messages;
  std::vector<std::string> narrations;
  for (const PageSource& page : pages) {
    messages.push_back(MessageText(page));
    narrations.push_back(NarrationText(page));
  }
  const auto helpFile = contentFolder / "help" / "ORNH.html";
  const VirtueWords virtues = ReadVirtueWords(contentFolder);
  const std::string help = HelpWithVirtueWords(ReadTextFile(helpFile), virtues, helpFile.string());
  const std::vector<SpeechSource> speeches = ReadAllSpeeches(contentFolder);
  for (const ContentError& problem : SpokenWordsShown(speeches, pictures)) throw problem;
  // The voices and the music are made on a thread of their own while the pages and pictures
  // are painted.
  std::future<Sounds> sounds = std::async(std::launch::async, MakeSounds, std::cref(speeches));
  std::vector<std::pair<std::string, std::string>> dialogues;
  std::string grid;
  std::vector<std::vector<std::uint8_t>> scenePictures(pages.size());
  std::vector<std::vector<std::uint8_t>> otherPictures(pictures.size());
  try {
    // The dialogues written so far; a roster row without one simply has no file yet.
    for (const TalkSource& talk : ReadAllTalks(contentFolder))
      dialogues.emplace_back(DialogueGamePath(talk.name), DialogueFileText(talk));

    std::vector<std::string> gridRecords(pages.size());
    OnEveryCore(pages.size(), [&](std::size_t index) {
      const PageSource& page = pages[index];
      const RenderedScene rendered = RenderScene(page.scene);
      const auto values = GridValues(rendered);
      for (const Clickable& clickable : page.scene.clickables) {
        for (int value : {clickable.value, clickable.heldValue}) {
          if (value != 0 && std::find(values.begin(), values.end(), value) == values.end()) {
            throw ContentError(clickable.pos,
                               "\"" + clickable.name + "\" (value " + std::to_string(value) +
                                   ") is not clickable anywhere: it is hidden or too small; "
                                   "make it bigger or draw it later");
          }
        }
      }
      gridRecords[index] = GridRecord(values);
      scenePictures[index] = EncodeJpeg(rendered.picture, kJpegQuality);
    });
    for (const std::string& record : gridRecords) grid += record;
    OnEveryCore(pictures.size(), [&](std::size_t index) {
      const PictureSource& picture = pictures[index];
      otherPictures[index] = EncodeJpeg(RenderScene(picture.scene).picture, picture.quality);
    });
  } catch (...) {
    // A speech comes before the dialogues and pictures: its mistake is the one reported.
    sounds.get();
    throw;
  }
  const Sounds made = sounds.get();
  const std::vector<Voice>& voices = made.voices;

  for (const PageSource& page : pages) {
    const auto index = static_cast<std::size_t>(page.tab - 1);
    WriteDataFile(dataFolder, ScenePicturePath(page.tab), scenePictures[index]);
    WriteDataFile(dataFolder, MessageFileName(page.tab), Shifted(messages[index]));
    WriteDataFile(dataFolder, NarrationFileName(page.tab), Shifted(narrations[index]));
    log << "page " << page.year << ": " << ScenePicturePath(page.tab) << ", "
        << MessageFileName(page.tab) << ", " << NarrationFileName(page.tab) << "\n";
  }
  WriteDataFile(dataFolder, kGridFileName, std::vector<std::uint8_t>(grid.begin(), grid.end()));
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    WriteDataFile(dataFolder, pictures[i].output, otherPictures[i]);
    log << "picture " << pictures[i].output << "\n";
  }
  const DataFolder data(dataFolder);
  for (const RosterRow& row : kRoster) {
    // A dialogue whose source has gone must not linger from an earlier build.
    std::error_code ignored;
    std::filesystem::remove(data.Resolve(row.dialogue), ignored);
  }
  for (const auto& [gamePath, text] : dialogues) {
    WriteDataFile(dataFolder, gamePath, Shifted(text));
    log << "dialogue " << gamePath << "\n";
  }
  WriteDataFile(dataFolder, std::string(kThemeSound), WavFile(made.theme));
  WriteDataFile(dataFolder, std::string(kBonusSound), WavFile(made.chime));
  WriteDataFile(dataFolder, std::string(kSilenceSound), WavFile(Silence(0.1)));
  for (std::size_t i = 0; i < speeches.size(); ++i) {
    WriteDataFile(dataFolder, speeches[i].output, WavFile(voices[i].samples, voices[i].rate));
    log << "speech " << speeches[i].output << "\n";
  }
  WriteDataFile(dataFolder, kVirtueWordsFile, Shifted(VirtueWordsText(virtues)));
  WriteDataFile(dataFolder, std::string(kHelpFile),
                std::vector<std::uint8_t>(help.begin(), help.end()));
  log << "sounds, virtue words and help written\n";
}

}  // namespace quenna::datakit
