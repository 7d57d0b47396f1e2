#include "Check.h"

#include <QFontMetrics>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "Build.h"
#include "Render.h"
#include "Speech.h"
#include "Talk.h"
#include "Virtues.h"
#include "cards/CardCoach.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "media/PictureLoader.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"
#include "talk/CloseUpText.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

// A picture of the game and the size its window relies on.
struct PictureFile {
  std::string_view path;
  int width;  // 0: any size
  int height;
  bool atLeast = false;  // the size is the least it may be
};

// The slide window shows a picture in a frame 601 x 449 inside. The classroom of the
// two shows is panned 190 pixels left and 133 up, and the ending starts 200 pixels to the
// left, so it must be larger than the frame by as much, or bare frame would show.
constexpr int kClassroomWidth = 601 + 200;
constexpr int kClassroomHeight = 449 + 133;

// The sounds of the game and how long each may last, in seconds.
struct SoundFile {
  std::string_view path;
  double minimum;
  double maximum;
};
constexpr SoundFile kSoundLengths[] = {{kThemeSound, 20, 40},
                                       {kBonusSound, 0.3, 4},
                                       {kSilenceSound, 0.01, 0.5},
                                       {kEpitaphSound, 8, 40}};

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

// The first byte that would end a stored text early, or -1.
long StopByte(const std::vector<std::uint8_t>& bytes) {
  const auto stop =
      std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0 || b == 3; });
  return stop == bytes.end() ? -1 : static_cast<long>(stop - bytes.begin());
}

// A question as a player would recognise it again: case and spacing aside.
std::string Normalised(const std::string& text) {
  std::string out;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isspace(u)) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += static_cast<char>(std::tolower(u));
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// A virtue's name as writers write it: "temperance", without the full stop.
std::string VirtueWord(int virtue) {
  const std::string_view full = kVirtueNames[static_cast<std::size_t>(virtue - 1)];
  return std::string(full.substr(0, full.size() - 1));
}

// The virtues of 1..13 missing from a set, as a list a writer can read: "order",
// "order and justice", "order, justice and humility".
using VirtueSet = std::bitset<kVirtueCount>;
std::string MissingVirtues(const VirtueSet& credited) {
  std::vector<std::string> missing;
  for (int v = 1; v <= kVirtueCount; ++v) {
    if (!credited.test(static_cast<std::size_t>(v - 1))) missing.push_back(VirtueWord(v));
  }
  std::string list;
  for (std::size_t i = 0; i < missing.size(); ++i)
    list += (i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ") + missing[i];
  return list;
}

// The dialogue files of the people the card game's task table names ("Wynnet in 1746."):
// on the task's page, the roster person whose name the task begins with.
std::vector<std::pair<std::string, std::string>> TaskDialogues(std::vector<std::string>& problems) {
  std::vector<std::pair<std::string, std::string>> dialogues;
  for (const TaskPerson& task : kTaskPersons) {
    if (task.tab < 1 || task.tab > kYearTabs) continue;
    const std::string text(task.text);
    const std::string who = text.substr(0, text.find(" in "));
    std::vector<const RosterRow*> rows;
    for (const RosterRow& row : kRoster) {
      if (row.tab == task.tab && row.character.substr(0, who.size()) == who) rows.push_back(&row);
    }
    if (rows.size() != 1) {
      problems.push_back("the card game's task \"" + text + "\" names " +
                         std::to_string(rows.size()) + " people of the roster, not one");
      continue;
    }
    dialogues.emplace_back(DialogueName(rows[0]->dialogue), text.substr(0, text.size() - 1));
  }
  return dialogues;
}

}  // namespace

std::string DialogueFitProblem(int line, const std::string& text) {
  const auto place = PlaceOfLine(line);
  if (!place) return {};
  const QString shown = DialogueQString(text);
  for (int screenHeight : {768, 1024}) {
    const CloseUpLayout layout = CloseUpLayoutFor(screenHeight);
    if (FitsPlace(layout, *place, shown)) continue;
    const QFont font = *place == CloseUpPlace::kSpeech ? SpeechFont(layout) : LinkFont(layout);
    const int spacing = std::max(1, QFontMetrics(font).lineSpacing());
    const int needed = (WrappedHeight(layout, *place, shown) + spacing - 1) / spacing;
    const int room = TextArea(layout, *place).height() / spacing;
    static const char* kPlaces[] = {"the speech area", "link A", "link B", "link C"};
    return DialogueLineRole(line) + " does not fit " + kPlaces[static_cast<int>(*place)] +
           " of the close-up window" +
           (screenHeight > kTallCloseUpScreen ? " on a tall screen" : "") + ": it takes " +
           std::to_string(needed) + " lines, there is room for " + std::to_string(room) +
           "; make it shorter";
  }
  return {};
}

namespace {

// The dialogue sources of content/people by name, each read on its own, so one with
// mistakes does not hide the others. A source for no one of the roster is a problem.
std::map<std::string, TalkSource> ReadDialogueSources(const std::filesystem::path& contentFolder,
                                                      std::vector<std::string>& problems) {
  std::map<std::string, TalkSource> sources;
  std::error_code ignored;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(contentFolder / "people", ignored)) {
    if (entry.path().extension() == ".talk") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const std::filesystem::path& file : files) {
    const std::string name = file.stem().string();
    const bool known = std::any_of(kRoster.begin(), kRoster.end(), [&](const RosterRow& row) {
      return DialogueName(row.dialogue) == name;
    });
    if (!known) {
      problems.push_back(file.string() + ": no one in the date book has the dialogue file " +
                         DialogueGamePath(name));
      continue;
    }
    try {
      TalkSource talk = ReadTalkSource(file);
      DialogueFileText(talk);
      sources[name] = std::move(talk);
    } catch (const std::exception& error) {
      problems.push_back(error.what());
    }
  }
  return sources;
}

// What the dialogue files tell together: each question's text, as first seen, with where
// it was asked; how often each letter is the right answer; what each dialogue's right
// answers credit (a dialogue that was read has an entry), and where to point a writer at
// it: the virtues of its last question.
struct DialogueTally {
  std::map<std::string, std::string> asked;
  std::map<char, int> keyLetters;
  std::map<std::string, VirtueSet> credited;
  std::map<std::string, std::string> virtuesWritten;
};

// One dialogue file of the game as a writer finds its lines: at the line of its source
// when the source says ("content/people/wyn1746.talk:27: "), else in the file itself.
class DialogueFile {
 public:
  DialogueFile(std::string path, const TalkSource* talk, std::vector<std::string>& problems)
      : path(std::move(path)), talk(talk), problems_(problems) {}

  std::string Where(int line) const {
    const int written = talk && line >= 0 && line < kDialogueLines
                            ? talk->sourceLines[static_cast<std::size_t>(line)]
                            : 0;
    if (written > 0) return talk->file + ":" + std::to_string(written) + ": ";
    return path + ": " + (line >= 0 ? "line " + std::to_string(line) + ": " : "");
  }
  // A problem with a line of the file, or with the whole file for line -1.
  void Problem(int line, const std::string& text) const { problems_.push_back(Where(line) + text); }

  const std::string path;  // "d2\wyn1746.dat"
  const TalkSource* const talk;

 private:
  std::vector<std::string>& problems_;
};

// The questions of a dialogue file: each with its right letter and four different
// virtues, none asked before anywhere in the game, and the right answers spread over the
// three letters.
void CheckQuestions(const DialogueFile& file, const std::string& name, const DialogueText& lines,
                    DialogueTally& tally) {
  std::set<char> letters;
  for (int q = 0; q < dialogue::kQuestions; ++q) {
    const std::string& key = lines.Key(q);
    const char letter = key.empty() ? 0 : key[0];
    if (letter != 'A' && letter != 'B' && letter != 'C') {
      file.Problem(dialogue::KeyLine(q), "the key line of question " + std::to_string(q + 1) +
                                             " must begin with the right letter, A, B or C");
    } else {
      letters.insert(letter);
      ++tally.keyLetters[letter];
    }
    const std::string& digits = lines.Line(dialogue::DigitLine(q));
    bool virtues = digits.size() >= dialogue::kVirtuesPerQuestion;
    for (std::size_t i = 0; virtues && i < dialogue::kVirtuesPerQuestion; ++i)
      virtues = IsVirtueCharacter(digits[i]);
    if (!virtues) {
      file.Problem(dialogue::DigitLine(q), "question " + std::to_string(q + 1) +
                                               " must credit four virtues (characters 1..9, "
                                               "A..D), not \"" +
                                               digits + "\"");
    } else {
      // A virtue credited twice is a virtue lost: four different ones, for the bonus.
      VirtueSet seen;
      for (int virtue : lines.Virtues(q)) {
        const auto bit = static_cast<std::size_t>(virtue - 1);
        if (seen.test(bit)) {
          file.Problem(dialogue::DigitLine(q), "question " + std::to_string(q + 1) + " credits " +
                                                   VirtueWord(virtue) +
                                                   " twice; credit four different virtues");
        }
        seen.set(bit);
      }
      tally.credited[name] |= seen;
    }
    const std::string question = Normalised(lines.Question(q));
    if (question.empty()) continue;
    const std::string where = file.path + " question " + std::to_string(q + 1);
    const auto [first, fresh] = tally.asked.emplace(question, where);
    if (!fresh) {
      file.Problem(dialogue::QuestionLine(q), "the question \"" + lines.Question(q) +
                                                  "\" is asked already in " + first->second);
    }
  }
  tally.virtuesWritten[name] = file.Where(dialogue::DigitLine(dialogue::kQuestions - 1));
  std::string unused;
  for (char letter : {'A', 'B', 'C'}) {
    if (!letters.count(letter))
      unused += unused.empty() ? std::string(1, letter) : std::string(" or ") + letter;
  }
  if (!unused.empty() && letters.size() > 0) {
    file.Problem(-1, "no correct answer is " + unused +
                         "; spread the right answers over A, B and C so guessing does not pay");
  }
}

// The dialogue file of a person of the roster, if there is one: within the game's read
// limit, made from its source, every line there and fitting the close-up window.
void CheckDialogueFile(const RosterRow& row, const std::map<std::string, TalkSource>& sources,
                       const std::filesystem::path& contentFolder, const DataFolder& data,
                       bool complete, DialogueTally& tally, std::vector<std::string>& problems) {
  const std::string path(row.dialogue);
  const std::string name = DialogueName(path);
  const auto source = sources.find(name);
  const DialogueFile file(path, source == sources.end() ? nullptr : &source->second, problems);
  // A source with mistakes is reported already; it is there all the same.
  const bool written = std::filesystem::exists(contentFolder / "people" / (name + ".talk"));
  const auto bytes = ReadBytes(data.Resolve(path));
  if (bytes.empty()) {
    if (file.talk) {
      problems.push_back(path + ": is missing; build the data again (its source is " +
                         file.talk->file + ")");
    } else if (complete && !written) {
      problems.push_back(path + ": is missing: " + std::string(row.character) +
                         " has no dialogue source content/people/" + name + ".talk");
    }
    return;
  }
  if (!written) file.Problem(-1, "has no source content/people/" + name + ".talk");
  if (bytes.size() > kDialogueFileLimit) {
    file.Problem(-1, "is " + std::to_string(bytes.size()) + " bytes; the game reads only " +
                         std::to_string(kDialogueFileLimit));
  }
  if (const long stop = StopByte(bytes); stop >= 0) {
    // The game reads no further; what follows would only repeat that.
    file.Problem(-1, "byte " + std::to_string(stop) + " ends the text early (a stored 0 or 3)");
    return;
  }
  tally.credited[name];  // read: its page can be judged
  const std::string text = DecodeShiftedText(bytes);
  if (file.talk && text != DialogueFileText(*file.talk))
    file.Problem(-1, "does not match its source " + file.talk->file + " (build the data again)");
  const DialogueText lines(text);
  if (lines.LineCount() < kDialogueLines) {
    file.Problem(-1, "has " + std::to_string(lines.LineCount()) + " lines; a dialogue has " +
                         std::to_string(kDialogueLines));
  }
  CheckQuestions(file, name, lines, tally);
  for (int line = 0; line <= dialogue::kWrongReplyLine; ++line) {
    const std::string& shown = lines.Line(line);
    if (shown.empty()) {
      file.Problem(line, DialogueLineRole(line) + " is empty");
      continue;
    }
    const std::string fit = DialogueFitProblem(line, shown);
    if (!fit.empty()) file.Problem(line, fit);
  }
}

// A task seeks one of the thirteen virtues, drawn at random, and pays its bonus only when
// the right answer credits it: the person a task names, and every page, must credit them
// all. A page is judged once each of its people has a dialogue.
void CheckVirtuesCredited(DialogueTally& tally, std::vector<std::string>& problems) {
  for (const auto& [name, task] : TaskDialogues(problems)) {
    if (!tally.credited.count(name)) continue;
    const VirtueSet& virtues = tally.credited[name];
    if (!virtues.all()) {
      problems.push_back(tally.virtuesWritten[name] + task +
                         " is named by the card game's tasks, " + "but no right answer credits " +
                         MissingVirtues(virtues) +
                         "; a task seeking that could never earn its bonus");
    }
  }
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    VirtueSet virtues;
    std::string names;
    std::string first;
    bool whole = true;
    for (const RosterRow& row : kRoster) {
      if (row.tab != tab) continue;
      const std::string name = DialogueName(row.dialogue);
      if (!tally.credited.count(name)) {
        whole = false;
        break;
      }
      virtues |= tally.credited[name];
      names += (names.empty() ? "" : ", ") + name;
      if (first.empty()) first = name;
    }
    if (!whole || virtues.all()) continue;
    problems.push_back(tally.virtuesWritten[first] + "the conversations of " +
                       std::string(kDateTabs[static_cast<std::size_t>(tab)].tabCaption) + " (" +
                       names + ") together never credit " + MissingVirtues(virtues) +
                       "; a task on this page seeking that could never earn its bonus");
  }
}

// Over the whole game, no letter may be the answer to most questions.
void CheckKeyLetterSpread(const DialogueTally& tally, std::vector<std::string>& problems) {
  int keys = 0;
  for (const auto& [letter, count] : tally.keyLetters) keys += count;
  for (const auto& [letter, count] : tally.keyLetters) {
    if (keys >= 27 && count * 2 > keys) {
      problems.push_back(std::string("d2: ") + letter + " is the right answer to " +
                         std::to_string(count) + " of " + std::to_string(keys) +
                         " questions; spread them more evenly over A, B and C");
    }
  }
}

void CheckDialogues(const std::filesystem::path& contentFolder, const DataFolder& data,
                    bool complete, std::vector<std::string>& problems) {
  const std::map<std::string, TalkSource> sources = ReadDialogueSources(contentFolder, problems);
  DialogueTally tally;
  for (const RosterRow& row : kRoster)
    CheckDialogueFile(row, sources, contentFolder, data, complete, tally, problems);
  CheckVirtuesCredited(tally, problems);
  CheckKeyLetterSpread(tally, problems);
}

// The virtue words: the text file the chart's panel reads, one line a virtue, made from
// its source, and the help page with the same words written in.
void CheckVirtueWords(const std::filesystem::path& contentFolder, const DataFolder& data,
                      const std::vector<std::uint8_t>& help, std::vector<std::string>& problems) {
  const std::string path = kVirtueWordsFile;
  const auto bytes = ReadBytes(data.Resolve(path));
  if (bytes.empty()) {
    problems.push_back(path + ": is missing or empty");
  } else if (const long stop = StopByte(bytes); stop >= 0) {
    problems.push_back(path + ": byte " + std::to_string(stop) +
                       " ends the text early (a stored 0 or 3)");
  } else {
    if (bytes.size() > kMessageFileLimit) {
      problems.push_back(path + ": is " + std::to_string(bytes.size()) +
                         " bytes; the panel reads it as a look-message file, at most " +
                         std::to_string(kMessageFileLimit));
    }
    const auto lines = SplitLines(DecodeShiftedText(bytes));
    if (lines.size() != kVirtueCount) {
      problems.push_back(path + ": has " + std::to_string(lines.size()) +
                         " lines; it has one for each of the 13 virtues");
    }
    for (std::size_t n = 0; n < lines.size() && n < kVirtueCount; ++n) {
      const std::string virtue = VirtueWord(static_cast<int>(n) + 1);
      if (lines[n].empty()) {
        problems.push_back(path + ": line " + std::to_string(n) + " (" + virtue + ") is empty");
      } else if (lines[n].size() > kVirtueWordsLimit) {
        problems.push_back(path + ": line " + std::to_string(n) + " (" + virtue + ") has " +
                           std::to_string(lines[n].size()) + " characters; the panel shows " +
                           std::to_string(kVirtueWordsLimit));
      }
    }
  }
  try {
    const VirtueWords words = ReadVirtueWords(contentFolder);
    if (!bytes.empty() && DecodeShiftedText(bytes) != VirtueWordsText(words))
      problems.push_back(path + ": does not match its source " + words.file +
                         " (build the data again)");
    const auto helpFile = contentFolder / "help" / "ORNH.html";
    const std::string expected =
        HelpWithVirtueWords(ReadTextFile(helpFile), words, helpFile.string());
    if (!help.empty() && std::string(help.begin(), help.end()) != expected) {
      problems.push_back(std::string(kHelpFile) + ": does not match " + helpFile.string() +
                         " with the virtue words written in (build the data again)");
    }
  } catch (const std::exception& error) {
    problems.push_back(error.what());
  }
}

}  // namespace

std::string DialogueLineRole(int line) {
  using namespace dialogue;
  auto number = [](int n) { return std::to_string(n + 1); };
  if (line < 0) return "line " + std::to_string(line);
  if (line < kOpeningPages) return "opening page " + number(line);
  if (line < LeadInLine(1)) return "the link of topic " + number(line - kFirstTopicLink);
  if (line < QuestionLine(0)) {
    const int topic = (line - LeadInLine(1)) / 4;
    const int at = (line - LeadInLine(1)) % 4;
    if (at == 0) return "the lead-in of topic " + number(topic);
    return "the link of question " + number(topic * 3 + at - 1);
  }
  if (line < kFirstKeyLine) {
    const int q = (line - QuestionLine(0)) / 4;
    const int at = (line - QuestionLine(0)) % 4;
    if (at == 0) return "question " + number(q);
    return std::string("answer ") + static_cast<char>('A' + at - 1) + " of question " + number(q);
  }
  if (line < kWrongReplyLine) return "the reply to question " + number(line - kFirstKeyLine);
  if (line == kWrongReplyLine) return "the wrong-answer reply";
  if (line == kWrongReplyLine + 1) return "the goodbye line";
  if (line < kFirstDigitLine + kQuestions)
    return "the virtues of question " + number(line - kFirstDigitLine);
  return "line " + std::to_string(line);
}

std::vector<std::string> UnwrittenDialogues(const std::filesystem::path& contentFolder) {
  std::vector<std::string> missing;
  for (const RosterRow& row : kRoster) {
    const std::string name = DialogueName(row.dialogue);
    if (!std::filesystem::exists(contentFolder / "people" / (name + ".talk")))
      missing.push_back(std::string(row.dialogue));
  }
  return missing;
}

namespace {

// A picture as its window shows it: present, readable, and of the size it relies on.
void CheckPicture(const DataFolder& data, const PictureFile& picture,
                  std::vector<std::string>& problems) {
  const std::string path(picture.path);
  try {
    const QImage image = LoadPicture(data.Resolve(picture.path));
    const bool fits = picture.atLeast
                          ? image.width() >= picture.width && image.height() >= picture.height
                          : image.width() == picture.width && image.height() == picture.height;
    if (picture.width != 0 && !fits) {
      problems.push_back(path + ": is " + std::to_string(image.width()) + " x " +
                         std::to_string(image.height()) + ", not " +
                         (picture.atLeast ? "at least " : "") + std::to_string(picture.width) +
                         " x " + std::to_string(picture.height));
    }
    // The chart draws a bar as a row of tiles, one row of the chart high.
    if (picture.path == kGoldBarPicture && image.height() > 24)
      problems.push_back(path + ": is taller than a row of the chart (24)");
  } catch (const std::exception& error) {
    problems.push_back(path + ": " + error.what());
  }
}

// The main window's pictures, the year pages' and the close-ups'.
void CheckPictures(const DataFolder& data, std::vector<std::string>& problems) {
  const PictureFile mainWindow[] = {{kTitlePicture, 0, 0},           {kCoverPicture, 600, 600},
                                    {kCoverPicture600, 0, 0},        {kHeroPortrait, 0, 0},
                                    {kVirtueChartPicture, 306, 513}, {kGoldBarPicture, 0, 0}};
  for (const PictureFile& picture : mainWindow) CheckPicture(data, picture, problems);
  for (const YearPageFiles& page : kYearPages)
    CheckPicture(data, {page.scenePicture, 600, 600}, problems);
  // The close-up window shows its picture at 380 x 380, sized to the image.
  for (const RosterRow& row : kRoster) CheckPicture(data, {row.picture, 380, 380}, problems);
}

// The pictures of the two slide shows: 600 x 450 each, but the classroom, which is panned.
void CheckSlides(const DataFolder& data, std::vector<std::string>& problems) {
  for (const std::string_view slide : kSlidePictures) {
    if (slide == kSlideClassroom) {
      CheckPicture(data, {slide, kClassroomWidth, kClassroomHeight, true}, problems);
    } else {
      CheckPicture(data, {slide, 600, 450}, problems);
    }
  }
}

// The sounds, as plain WAV files of a sensible length, and the words spoken aloud, which
// must be the words shown.
void CheckSounds(const std::filesystem::path& contentFolder, const DataFolder& data,
                 std::vector<std::string>& problems) {
  for (const SoundFile& sound : kSoundLengths) {
    const std::string path(sound.path);
    const auto file = data.Resolve(sound.path);
    if (!std::filesystem::is_regular_file(file)) {
      problems.push_back(path + ": is missing");
      continue;
    }
    const std::string wrong = CheckWav(ReadBytes(file), sound.minimum, sound.maximum);
    if (!wrong.empty()) problems.push_back(path + ": " + wrong);
  }
  try {
    for (const ContentError& wrong :
         SpokenWordsShown(ReadAllSpeeches(contentFolder), ReadAllPictures(contentFolder))) {
      problems.push_back(wrong.what());
    }
  } catch (const std::exception& error) {
    problems.push_back(error.what());
  }
}

// The help file, and the virtue words written into it.
void CheckHelp(const std::filesystem::path& contentFolder, const DataFolder& data,
               std::vector<std::string>& problems) {
  const auto help = ReadBytes(data.Resolve(kHelpFile));
  if (help.empty()) problems.push_back(std::string(kHelpFile) + ": is missing or empty");
  CheckVirtueWords(contentFolder, data, help, problems);
}

// The grid file: fourteen records of 645 digits. Returns its bytes.
std::vector<std::uint8_t> CheckGridFile(const DataFolder& data,
                                        std::vector<std::string>& problems) {
  const std::string path = kGridFileName;
  const auto grid = ReadBytes(data.Resolve(kGridFileName));
  if (grid.size() != static_cast<std::size_t>(kYearTabs) * kGridRecordBytes) {
    problems.push_back(path + ": is " + std::to_string(grid.size()) +
                       " bytes, not 14 records of 645");
  }
  for (std::size_t i = 0; i < grid.size(); ++i) {
    if (grid[i] < '0' || grid[i] > '9') {
      problems.push_back(path + ": byte " + std::to_string(i) + " is not a digit");
      break;
    }
  }
  return grid;
}

// A page's texts: present, within the read limit, no byte that would end them early.
// Returns the look lines.
std::vector<std::string> CheckPageTexts(const DataFolder& data, int tab,
                                        std::vector<std::string>& problems) {
  std::vector<std::string> lines;
  const struct {
    std::string path;
    std::size_t limit;
  } texts[] = {{MessageFileName(tab), kMessageFileLimit},
               {NarrationFileName(tab), kNarrationFileLimit}};
  for (const auto& text : texts) {
    const auto bytes = ReadBytes(data.Resolve(text.path));
    if (bytes.empty()) {
      problems.push_back(text.path + ": is missing or empty");
      continue;
    }
    if (bytes.size() > text.limit) {
      problems.push_back(text.path + ": is " + std::to_string(bytes.size()) +
                         " bytes; the game reads only " + std::to_string(text.limit));
    }
    if (const long stop = StopByte(bytes); stop >= 0) {
      problems.push_back(text.path + ": byte " + std::to_string(stop) +
                         " ends the text early (a stored 0 or 3)");
    }
    if (text.limit == kMessageFileLimit) lines = SplitLines(DecodeShiftedText(bytes));
  }
  return lines;
}

using GridCells = std::array<std::uint8_t, kGridRecordBytes>;

// A page's record of the grid file: every value in it has its look line, and it is the
// record its sources make.
void CheckPageGrid(const PageSource& page, const RenderedScene& rendered, const GridCells& stored,
                   const std::vector<std::string>& lines, std::vector<std::string>& problems) {
  const std::string year = std::to_string(page.year);
  for (int value = 1; value <= 9; ++value) {
    if (std::find(stored.begin(), stored.end(), value) == stored.end()) continue;
    if (LineAt(lines, value).empty()) {
      problems.push_back(MessageFileName(page.tab) + ": has no look line " + std::to_string(value) +
                         ", which the " + year + " grid uses");
    }
  }
  if (GridValues(rendered) != stored) {
    problems.push_back(std::string(kGridFileName) + ": the record of " + year + " does not match " +
                       page.scene.file + " (build the data again)");
  }
}

// Each person of the roster on a page stands where the roster expects them: at their
// values, and every cell of those values on them.
void CheckRosterPlaces(const PageSource& page, const RenderedScene& rendered,
                       const GridCells& stored, std::vector<std::string>& problems) {
  const std::string year = std::to_string(page.year);
  const std::string gridFile = kGridFileName;
  for (const RosterRow& row : kRoster) {
    if (row.tab != page.tab) continue;
    const std::string who = std::string(row.character) + " (" + year + ")";
    const auto person =
        std::find_if(page.scene.clickables.begin(), page.scene.clickables.end(),
                     [&](const Clickable& c) { return c.person && c.name == row.character; });
    if (person == page.scene.clickables.end()) {
      problems.push_back(page.scene.file + ": has no person \"" + std::string(row.character) +
                         "\"");
      continue;
    }
    // A row that answers every value up to its own (Oriel's salon) needs them all on
    // the person: the lowest on the person, the others on what the person holds. The
    // empty floor, 0, is the grid's own.
    std::vector<int> wanted = {row.cellValue};
    if (row.andBelow) {
      wanted.clear();
      for (int value = 1; value <= row.cellValue; ++value) wanted.push_back(value);
    }
    std::vector<int> values;
    for (int value : {person->value, person->heldValue}) {
      if (value != 0) values.push_back(value);
    }
    std::sort(values.begin(), values.end());
    if (values != wanted) {
      problems.push_back(page.scene.file + ": " + who + " must have the value " +
                         std::to_string(wanted[0]) +
                         (wanted.size() > 1 ? " and hold " + std::to_string(wanted[1]) : ""));
      continue;
    }
    const auto index = static_cast<std::size_t>(person - page.scene.clickables.begin());
    for (int value : wanted) {
      if (value == 0) continue;
      int cells = 0;
      for (std::size_t cell = 0; cell < stored.size(); ++cell) {
        if (stored[cell] != value) continue;
        ++cells;
        if (cell >= rendered.drawnPixels[index].size() || rendered.drawnPixels[index][cell] == 0) {
          problems.push_back(gridFile + ": " + who + ": cell " + std::to_string(cell) +
                             " has the value " + std::to_string(value) +
                             " but the person is not drawn there");
        }
      }
      if (cells == 0) {
        problems.push_back(gridFile + ": " + who + ": no cell of " + year + " has the value " +
                           std::to_string(value));
      }
    }
  }
}

// The year pages: their texts, their records of the grid file, and the people on them.
void CheckPages(const std::filesystem::path& contentFolder, const DataFolder& data,
                const std::vector<std::uint8_t>& grid, std::vector<std::string>& problems) {
  std::vector<PageSource> pages;
  try {
    pages = ReadAllPages(contentFolder);
  } catch (const std::exception& error) {
    problems.push_back(error.what());
    return;
  }
  for (const PageSource& page : pages) {
    const std::vector<std::string> lines = CheckPageTexts(data, page.tab, problems);
    const auto record = static_cast<std::size_t>(page.tab - 1) * kGridRecordBytes;
    if (grid.size() < record + kGridRecordBytes) continue;
    GridCells stored{};
    for (std::size_t i = 0; i < stored.size(); ++i)
      stored[i] = static_cast<std::uint8_t>(grid[record + i] - '0');
    const RenderedScene rendered = RenderScene(page.scene, false);
    CheckPageGrid(page, rendered, stored, lines, problems);
    CheckRosterPlaces(page, rendered, stored, problems);
  }
}

}  // namespace

std::vector<std::string> CheckDataFolder(const std::filesystem::path& contentFolder,
                                         const std::filesystem::path& dataFolder, bool complete) {
  std::vector<std::string> problems;
  const DataFolder data(dataFolder);
  CheckPictures(data, problems);
  CheckSlides(data, problems);
  CheckSounds(contentFolder, data, problems);
  CheckHelp(contentFolder, data, problems);
  const std::vector<std::uint8_t> grid = CheckGridFile(data, problems);
  CheckDialogues(contentFolder, data, complete, problems);
  CheckPages(contentFolder, data, grid, problems);
  return problems;
}

}  // namespace quenna::datakit
