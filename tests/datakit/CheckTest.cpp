#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Build.h"
#include "Check.h"
#include "Folders.h"
#include "Talk.h"
#include "Virtues.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"
#include "talk/Dialogue.h"

namespace quenna::datakit {
namespace {

using testing::kBuiltData;
using testing::kContent;
using testing::TempFolder;

// One good build, copied for each test that spoils something: the data folder the build
// made beside the game from the same sources with the same kit, or, where there is none,
// a build of this test program's own. Each of these tests runs in a process of its own,
// so building here would build the whole folder once per test.
class CheckData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::filesystem::exists(kBuiltData / "2grdata.")) {
      good_ = kBuiltData;
      return;
    }
    built_ = new TempFolder;
    std::ostringstream log;
    BuildDataFolder(kContent, built_->path, log);
    good_ = built_->path;
  }
  static void TearDownTestSuite() { delete built_; }

  void SetUp() override {
    std::filesystem::copy(good_, data_.path, std::filesystem::copy_options::recursive);
  }

  std::string Read(const std::string& name) {
    std::ifstream stream(data_.path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(data_.path / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The problems found, one per line, in the order reported.
  std::string Problems(const std::filesystem::path& content = kContent) {
    std::string all;
    for (const auto& problem : CheckDataFolder(content, data_.path)) all += problem + "\n";
    return all;
  }

  static TempFolder* built_;
  static std::filesystem::path good_;
  TempFolder data_;
};

TempFolder* CheckData::built_ = nullptr;
std::filesystem::path CheckData::good_;

// A fresh build passes the check.
TEST_F(CheckData, FreshBuildIsComplete) {
  EXPECT_EQ(Problems(), "");
}

// Missing, truncated or unreadable files are named.
TEST_F(CheckData, MissingAndBrokenFilesAreNamed) {
  std::filesystem::remove(data_.path / "gold.jpg");
  std::filesystem::remove(data_.path / "data" / "ornC.dat");
  const std::string wav = Read("points2.wav");
  Write("points2.wav", wav.substr(0, wav.size() - 100));
  Write("scenes/17191x1.jpg", "not a picture");
  const std::string problems = Problems();
  EXPECT_NE(problems.find("gold.jpg: Cannot open file"), std::string::npos) << problems;
  EXPECT_NE(problems.find("scenes//17191x1.jpg: Not a JPEG file"), std::string::npos) << problems;
  EXPECT_NE(problems.find("points2.wav: has sizes in its header that do not match the file\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("data\\ornC.dat: is missing or empty\n"), std::string::npos) << problems;
}

// The slide shows load their pictures by name and pan over the classroom, and the ending
// plays the epitaph: a slide missing or of the wrong size, a classroom too small for the
// pans, or an epitaph sound too short to hold the words, is named.
TEST_F(CheckData, SlidesAndTheEpitaphAreChecked) {
  std::filesystem::remove(data_.path / "intro" / "wink.jpg");
  const auto replace = std::filesystem::copy_options::overwrite_existing;
  std::filesystem::copy_file(data_.path / "intro" / "intro1.jpg",
                             data_.path / "intro" / "teacher.jpg", replace);
  std::filesystem::copy_file(data_.path / "intro" / "speech.jpg",
                             data_.path / "intro" / "intro1.jpg", replace);
  Write("intro/epitaph.wav", Read("sndoff.wav"));
  const std::string problems = Problems();
  for (const char* expected :
       {"intro//wink.jpg: Cannot open file", "intro//teacher.jpg: is 801 x 582, not 600 x 450\n",
        "intro/intro1.jpg: is 600 x 450, not at least 801 x 582\n",
        "intro//epitaph.wav: lasts 0.1"}) {
    EXPECT_NE(problems.find(expected), std::string::npos) << expected << "\n" << problems;
  }
}

// The grid file must hold fourteen records of 645 digits made from the sources.
TEST_F(CheckData, GridRecordsAreCheckedByteForByte) {
  std::string grid = Read("2grdata.");
  Write("2grdata.", grid.substr(0, grid.size() - 1));
  EXPECT_NE(Problems().find("2grdata.: is 9029 bytes, not 14 records of 645\n"), std::string::npos);
  grid[100] = 'x';
  Write("2grdata.", grid);
  EXPECT_NE(Problems().find("2grdata.: byte 100 is not a digit\n"), std::string::npos);
}

// A value in a grid that has no look line, and a person's value away from the person,
// are both caught.
TEST_F(CheckData, GridValuesNeedLinesAndPeopleStayPut) {
  std::string grid = Read("2grdata.");
  // The 1746 page uses the values 1 to 8; its top-left corner is the wall.
  grid[8 * 645 + 0] = '9';
  // The top-left corner of 1716 is sky, far from young Orn.
  grid[0] = '7';
  Write("2grdata.", grid);
  const std::string problems = Problems();
  EXPECT_NE(problems.find("data\\grid09.dat: has no look line 9, which the 1746 grid uses\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("2grdata.: the record of 1746 does not match"), std::string::npos)
      << problems;
  EXPECT_NE(
      problems.find(
          "2grdata.: young Orn (1716): cell 0 has the value 7 but the person is not drawn there\n"),
      std::string::npos)
      << problems;
}

// A text with a byte that would end it early, or longer than the game reads, is refused.
TEST_F(CheckData, TextsMustBeWholeAndWithinTheirLimits) {
  std::string messages = Read("data/grid05.dat");
  messages[10] = 3;
  Write("data/grid05.dat", messages);
  Write("data/orn6.dat", std::string(4801, 'a'));
  const std::string problems = Problems();
  EXPECT_NE(problems.find("data\\grid05.dat: byte 10 ends the text early (a stored 0 or 3)\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("data\\orn6.dat: is 4801 bytes; the game reads only 4800\n"),
            std::string::npos)
      << problems;
}

// The roster decides who stands where: a page whose person has another value fails.
TEST_F(CheckData, PeopleMustHaveTheirRosterValues) {
  TempFolder content;
  std::filesystem::copy(kContent, content.path, std::filesystem::copy_options::recursive);
  const auto file = content.path / "pages" / "1776.page";
  std::string text = ReadTextFile(file);
  text.replace(text.find("person 4 Saffin"), 15, "person 9 Saffin");
  text.replace(text.find("thing 9 the inkstand"), 20, "thing 4 the inkstand");
  std::ofstream(file, std::ios::trunc) << text;
  const std::string problems = Problems(content.path);
  EXPECT_NE(problems.find("Saffin (1776) must have the value 4\n"), std::string::npos) << problems;
}

// The virtue words reach the game as one line a virtue, in Orn's order, and the help page
// has them too: a source out of order or too long is named at its line, and a data file
// or help page that no longer matches the source is named.
TEST_F(CheckData, VirtueWordsAreBuiltAndChecked) {
  const std::string good = ReadTextFile(kContent / kVirtueWordsSource);
  const VirtueWords words = ParseVirtueWords(good, "v.text");
  EXPECT_EQ(words.words[0].rfind("Temperance means ", 0), 0u) << words.words[0];
  EXPECT_EQ(words.words[12].rfind("Humility means ", 0), 0u) << words.words[12];
  const auto lines =
      SplitLines(ReadShiftedText(data_.path / "data" / "virtues.dat", kMessageFileLimit));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[11], words.words[11]);
  EXPECT_NE(Read("ORNH.HLP").find("<li><b>Chastity</b>" + words.words[11].substr(8) + "</li>"),
            std::string::npos);

  const struct {
    std::string source;
    std::string expected;
  } mistakes[] = {
      {"temperance T.\nsilence S.\n", "v.text: order is not explained"},
      {"temperance T.\norder O.\nsilence S.\n",
       "v.text:2: order comes too early: write the virtues in Orn's order (silence is next)"},
      {"temperance T.\nsilence S.\ntemperance Again.\n",
       "v.text:3: temperance is explained already at line 1"},
      {"temperance T.\npatience P.\n  more of it\n",
       "v.text:2: \"patience\" is not one of the thirteen virtues"},
      {"temperance " + std::string(251, 't') + "\n",
       "v.text:1: temperance has 251 characters; the panel over the chart shows 250"},
  };
  for (const auto& mistake : mistakes) {
    try {
      ParseVirtueWords(mistake.source, "v.text");
      ADD_FAILURE() << mistake.source;
    } catch (const ContentError& error) {
      EXPECT_NE(std::string(error.what()).find(mistake.expected), std::string::npos)
          << error.what();
      // The words of a refused line are not taken for another mistake.
      EXPECT_EQ(std::string(error.what()).find("indented"), std::string::npos) << error.what();
    }
  }

  Write("data/virtues.dat", std::string(Read("data/virtues.dat"), 0, 40));
  Write("ORNH.HLP", Read("ORNH.HLP") + "<p>More.</p>");
  const std::string problems = Problems();
  for (const char* expected :
       {"data\\virtues.dat: has 1 lines; it has one for each of the 13 virtues\n",
        "data\\virtues.dat: does not match its source", "ORNH.HLP: does not match"}) {
    EXPECT_NE(problems.find(expected), std::string::npos) << expected << "\n" << problems;
  }
}

}  // namespace
}  // namespace quenna::datakit

namespace quenna::datakit {
namespace {

using testing::TempFolder;

const std::filesystem::path kTalkFiles = QUENNA2_TALK_FIXTURES;

// Dialogue sources and the dialogue files built from them, without the rest of the game,
// so each test can spoil one and see what the check says about the dialogues.
class CheckDialogues : public ::testing::Test {
 protected:
  CheckDialogues() {
    std::filesystem::create_directories(content_.path / "people");
    std::ifstream stream(kTalkFiles / "cat1746.talk", std::ios::binary);
    cat_ = std::string(std::istreambuf_iterator<char>(stream), {});
    // Wynnet asks other questions than the cat: each "ask" gets a word of her own.
    wyn_ = cat_;
    Replace(wyn_, "person cat1746", "person wyn1746");
    for (std::size_t at = wyn_.find("  ask "); at != std::string::npos;
         at = wyn_.find("  ask ", at + 1)) {
      wyn_.insert(at + 6, "Papa, ");
    }
  }

  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }

  // Writes the sources, builds their dialogue files, and returns the check's problems
  // with the dialogues, one per line.
  std::string Check(bool complete = false) {
    std::ofstream(content_.path / "people" / "cat1746.talk", std::ios::trunc) << cat_;
    std::ofstream(content_.path / "people" / "wyn1746.talk", std::ios::trunc) << wyn_;
    for (const TalkSource& talk : ReadAllTalks(content_.path)) {
      WriteDataFile(data_.path, DialogueGamePath(talk.name),
                    EncodeShiftedText(DialogueFileText(talk)));
    }
    std::string problems;
    for (const std::string& problem : CheckDataFolder(content_.path, data_.path, complete)) {
      if (problem.find(".talk") != std::string::npos || problem.rfind("d2", 0) == 0)
        problems += problem + "\n";
    }
    return problems;
  }

  TempFolder content_;
  TempFolder data_;
  std::string cat_;
  std::string wyn_;
};

// Two good dialogues pass; until every person of the roster has one, only a check that
// requires the content complete names the missing ones.
TEST_F(CheckDialogues, MissingDialoguesCountOnlyWhenRequired) {
  EXPECT_EQ(Check(), "");
  const std::string required = Check(true);
  EXPECT_EQ(std::count(required.begin(), required.end(), '\n'), 36) << required;
  EXPECT_EQ(required.substr(0, required.find('\n') + 1),
            "d2\\orn1716.dat: is missing: young Orn has no dialogue source "
            "content/people/orn1716.talk\n");
  EXPECT_NE(required.find("d2\\orn1785.dat: is missing: Orn has no dialogue source"),
            std::string::npos);
  const auto unwritten = UnwrittenDialogues(content_.path);
  EXPECT_EQ(unwritten.size(), 36u);
  EXPECT_EQ(std::count(unwritten.begin(), unwritten.end(), "d2\\cat1746.dat"), 0);
}

// What the player would meet in the window is checked at the writer's line: a line too
// long for its place, a question asked twice in the game, right answers that never use
// one of the letters.
TEST_F(CheckDialogues, ContentProblemsNameTheWritersLines) {
  Replace(wyn_, "  B Under the sofa.",
          "  B Under the big blue sofa in the parlour, behind the basket of wool, where the "
          "glass tube and the silk cloth and the spark jar and Papa's busy hands can never "
          "reach him, not even with the long brass rod that Papa keeps beside the window for "
          "his storm experiments.");
  Replace(wyn_, "  ask Papa, What is a bodkin?", "  ask What is a bodkin?");
  Replace(wyn_, "  correct C\n  reply Electricity", "  correct A\n  reply Electricity");
  Replace(wyn_, "  correct C\n  reply The curtains", "  correct A\n  reply The curtains");
  Replace(wyn_, "  correct C\n  reply Why", "  correct B\n  reply Why");
  const std::string folder = content_.path.string() + "/people/";
  EXPECT_EQ(Check(),
            "d2\\wyn1746.dat: no correct answer is C; spread the right answers over "
            "A, B and C so guessing does not pay\n" +
                folder +
                "wyn1746.talk:27: answer B of question 2 does not fit link B of the "
                "close-up window: it takes 8 lines, there is room for 5; make it "
                "shorter\n" +
                folder +
                "cat1746.talk:44: the question \"What is a bodkin?\" is asked already "
                "in d2\\wyn1746.dat question 4\n");
}

// A source with mistakes is named with them, a source for no one of the roster too, and
// the other dialogues are still checked.
TEST_F(CheckDialogues, SourcesWithMistakesDoNotHideTheOthers) {
  EXPECT_EQ(Check(), "");
  Replace(cat_, "speaker Bodkin\n", "speaker Bodkin\nsmell Fishy.\n");
  std::ofstream(content_.path / "people" / "cat1746.talk", std::ios::trunc) << cat_;
  std::ofstream(content_.path / "people" / "dog1746.talk", std::ios::trunc) << cat_;
  Replace(wyn_, "  reply Electricity", "  reply Electric");
  std::ofstream(content_.path / "people" / "wyn1746.talk", std::ios::trunc) << wyn_;
  std::string problems;
  for (const std::string& problem : CheckDataFolder(content_.path, data_.path)) {
    if (problem.find(".talk") != std::string::npos || problem.rfind("d2", 0) == 0)
      problems += problem + "\n";
  }
  const std::string folder = content_.path.string() + "/people/";
  EXPECT_EQ(problems.substr(0, problems.find("\nd2\\wyn1746.dat") + 1),
            folder +
                "cat1746.talk:5: \"smell\" is not a key of a dialogue (person, speaker, "
                "opening, topic, lead, question, ask, A, B, C, correct, reply, virtues, wrong, "
                "goodbye)\n" +
                folder +
                "dog1746.talk: no one in the date book has the dialogue file d2\\dog1746.dat\n");
  EXPECT_NE(problems.find("d2\\wyn1746.dat: does not match its source " + folder +
                          "wyn1746.talk (build the data again)\n"),
            std::string::npos)
      << problems;
  EXPECT_EQ(problems.find("has no source"), std::string::npos) << problems;
}

// A dialogue file that breaks the game's format is named, whatever its source says: a
// key line without its capital letter, a digit line with a character that is no virtue,
// too few lines, bytes that are not its source's, and a byte that would end it early.
TEST_F(CheckDialogues, BrokenDialogueFilesAreNamed) {
  EXPECT_EQ(Check(), "");
  const auto file = data_.path / "d2" / "cat1746.dat";
  std::vector<std::string> lines = SplitLines(ReadShiftedText(file, kDialogueFileLimit));
  lines[dialogue::KeyLine(2)][0] = 'c';
  lines[dialogue::DigitLine(5)] = "12E4";
  lines[dialogue::kWrongReplyLine] = "";
  lines.resize(dialogue::DigitLine(7));
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  auto write = [&file](std::vector<std::uint8_t> bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  };
  auto problems = [this] {
    std::string all;
    for (const std::string& problem : CheckDataFolder(content_.path, data_.path)) {
      if (problem.rfind("d2\\cat", 0) == 0 || problem.find("cat1746.talk") != std::string::npos)
        all += problem + "\n";
    }
    return all;
  };
  write(EncodeShiftedText(text));
  const std::string source = content_.path.string() + "/people/cat1746.talk";
  EXPECT_EQ(
      problems(),
      "d2\\cat1746.dat: does not match its source " + source +
          " (build the data again)\n"
          "d2\\cat1746.dat: has 75 lines; a dialogue has 77\n" +
          source + ":38: the key line of question 3 must begin with the right letter, A, B or C\n" +
          source +
          ":66: question 6 must credit four virtues (characters 1..9, A..D), not "
          "\"12E4\"\n" +
          source + ":85: question 8 must credit four virtues (characters 1..9, A..D), not \"\"\n" +
          source + ":93: question 9 must credit four virtues (characters 1..9, A..D), not \"\"\n" +
          source + ":95: the wrong-answer reply is empty\n");

  auto bytes = EncodeShiftedText(text);
  bytes[5] = 3;
  write(bytes);
  EXPECT_EQ(problems(), "d2\\cat1746.dat: byte 5 ends the text early (a stored 0 or 3)\n");
}

// A task's bonus is won only when the right answer credits the virtue sought. No question
// may credit a virtue twice; the person a task names, and every page whose people all
// have a dialogue, must credit all thirteen. 1746 has two of its four here, so only
// Wynnet is judged; 1728 is Orn alone.
TEST_F(CheckDialogues, EveryVirtueSoughtCanEarnItsBonus) {
  // The cat is no task's person, and 1746 lacks two of its people: the cat may leave out
  // chastity. Orn in 1728 asks the cat's questions, each with a word of his own.
  const std::string cat = cat_;
  Replace(cat_, "virtues chastity sincerity justice", "virtues order sincerity justice");
  std::string orn;
  auto freshOrn = [&] {
    orn = cat;
    Replace(orn, "person cat1746", "person orn1728");
    for (std::size_t at = orn.find("  ask "); at != std::string::npos;
         at = orn.find("  ask ", at + 1)) {
      orn.insert(at + 6, "Hugh, ");
    }
  };
  const std::string folder = content_.path.string() + "/people/";
  const struct {
    std::string* source;
    std::string from;
    std::string to;
    std::string expected;
  } cases[] = {
      {&wyn_, "virtues order industry sincerity humility", "virtues order industry sincerity order",
       folder + "wyn1746.talk:50: question 4 credits order twice; credit four different virtues\n"},
      {&wyn_, "virtues chastity sincerity justice", "virtues order sincerity justice",
       folder + "wyn1746.talk:93: Wynnet in 1746 is named by the card game's tasks, but no right "
                "answer credits chastity; a task seeking that could never earn its bonus\n"},
      {&orn, "virtues order cleanliness resolution moderation",
       "virtues order industry resolution humility",
       folder + "orn1728.talk:93: the conversations of 1728 (orn1728) together never credit "
                "cleanliness; a task on this page seeking that could never earn its bonus\n"},
  };
  const std::string wyn = wyn_;
  for (const auto& spoiled : cases) {
    SCOPED_TRACE(spoiled.to);
    freshOrn();
    wyn_ = wyn;
    Replace(*spoiled.source, spoiled.from, spoiled.to);
    std::ofstream(content_.path / "people" / "orn1728.talk", std::ios::trunc) << orn;
    EXPECT_EQ(Check(), spoiled.expected);
  }
}

}  // namespace
}  // namespace quenna::datakit
