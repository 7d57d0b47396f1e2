#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Build.h"
#include "Folders.h"
#include "Talk.h"
#include "scene/ShiftedText.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

using testing::kContent;
using testing::TempFolder;

const std::filesystem::path kTalkFiles = QUENNA2_TALK_FIXTURES;

std::string FileText(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

// "n: line" for each line, the one-byte characters shown as UTF-8.
std::string Dump(const std::vector<std::string>& lines) {
  std::string dump;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    dump += std::to_string(n) + ": " +
            QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())).toStdString() +
            "\n";
  }
  return dump;
}

// Writes a talk file and returns the mistakes reported for it, one per line.
std::string Mistakes(const std::string& text) {
  try {
    ParseTalkSource(text, "cat1746.talk");
  } catch (const ContentError& error) {
    return error.what();
  }
  return "";
}

// A writer's dialogue source becomes the 77 lines of its dialogue file, each in its role,
// and the game reads those same lines, key letters and virtues back from the stored bytes.
TEST(TalkSource, BecomesTheLinesTheGameReads) {
  const TalkSource talk = ReadTalkSource(kTalkFiles / "cat1746.talk");
  EXPECT_EQ(talk.name, "cat1746");
  EXPECT_EQ(talk.speaker, "Bodkin");
  const std::vector<std::string> lines(talk.lines.begin(), talk.lines.end());
  EXPECT_EQ(Dump(lines), FileText(kTalkFiles / "cat1746.lines"));

  const std::string text = DialogueFileText(talk);
  EXPECT_EQ(text.size(), 2096u);
  const DialogueText read(DecodeShiftedText(EncodeShiftedText(text)));
  ASSERT_EQ(read.LineCount(), kDialogueLines);
  EXPECT_TRUE(IsCorrectAnswer(read.Key(4), 'A'));
  EXPECT_FALSE(IsCorrectAnswer(read.Key(4), 'B'));
  EXPECT_EQ(read.Virtues(7), (std::array<int, 4>{13, 6, 5, 3}));
  EXPECT_EQ(read.Line(67), "Purr.");
  // The writer's lines, so messages can point at them.
  EXPECT_EQ(talk.sourceLines[0], 6);
  EXPECT_EQ(talk.sourceLines[1], 7);
  EXPECT_EQ(talk.sourceLines[dialogue::KeyLine(0)], 22);
  EXPECT_EQ(talk.sourceLines[dialogue::DigitLine(8)], 93);
}

// Every mistake in a source is reported at once, each with its file and line, so a
// writer can mend them all before building again.
TEST(TalkSource, MistakesNameTheirLines) {
  const std::string good = FileText(kTalkFiles / "cat1746.talk");
  auto spoil = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  };
  const struct {
    std::string text;
    std::string mistakes;
  } cases[] = {
      {spoil("opening I do not like crackle.\n", ""),
       "cat1746.talk:11: 5 \"opening\" lines; a dialogue has 6"},
      {spoil("  correct B\n  reply Under", "  correct b\n  reply Under"),
       "cat1746.talk:29: \"correct\" is A, B or C (upper case), not \"b\""},
      {spoil("virtues resolution silence tranquillity humility",
             "virtues resolution silence calm humility patience"),
       "cat1746.talk:31: \"calm\" is not a virtue "
       "(temperance, silence, order, resolution, frugality, industry, sincerity, justice, "
       "moderation, cleanliness, tranquillity, chastity, humility)\n"
       "cat1746.talk:31: \"patience\" is not a virtue "
       "(temperance, silence, order, resolution, frugality, industry, sincerity, justice, "
       "moderation, cleanliness, tranquillity, chastity, humility)\n"
       "cat1746.talk:31: a question credits four virtues, not 5"},
      {spoil("  C In the spark jar.\n", "  C In the spark jar.\n  C Twice.\nsmell Fishy.\n"),
       "cat1746.talk:29: \"C\" is given twice in this question (first on line 28)\n"
       "cat1746.talk:30: \"smell\" is not a key of a dialogue (person, speaker, opening, topic, "
       "lead, question, ask, A, B, C, correct, reply, virtues, wrong, goodbye)"},
      {spoil("  ask What is a bodkin?\n", ""),
       "cat1746.talk:43: the question \"Ask what a bodkin is\" has no \"ask\""},
      {spoil("lead My name is a printer", "# no lead\n#lead My name is a printer"),
       "cat1746.talk:41: the topic \"My name\" has no \"lead\""},
      {spoil("question Ask about Wynnet", "topic Wynnet\nlead Why?\nquestion Ask about Wynnet"),
       "cat1746.talk:86: 4 topics; a dialogue has 3\n"
       "cat1746.talk:68: the topic \"The house\" has 2 questions; a topic has 3"},
      {spoil("wrong Hiss.", "#wrong Hiss."),
       "cat1746.talk: there is no \"wrong\" reply (the answer to every wrong choice)"},
      {spoil("person cat1746", "person wyn1746"),
       "cat1746.talk:3: \"person wyn1746\" in a file named cat1746.talk: the file's name says "
       "whose dialogue it is"},
      {spoil("  B Buttons.", "  B \xE2\x9C\x82 Buttons."),
       "cat1746.talk:35: the character \"\xE2\x9C\x82\" is outside Latin-1; the game's text "
       "files hold one byte per character"},
      {spoil("  B Buttons.", "  B Buttons \xC3\xBD."),
       "cat1746.talk:35: the character \"\xC3\xBD\" cannot be stored in the game's text files"},
      {spoil("speaker Bodkin\n", "speaker Bodkin\nask Stray question?\n"),
       "cat1746.talk:5: \"ask\" belongs to a question: start one with \"question <link "
       "caption>\""},
      {spoil("speaker Bodkin", "speaker Bodkin     # the cat"),
       "cat1746.talk:4: a comment goes on a line of its own, starting with \"#\"; after a text "
       "it would be part of the text"},
      {spoil("  reply Yes. Dry air and a stroking hand, and snap!", "  reply"),
       "cat1746.talk:22: \"reply\" needs its text"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mistakes);
    EXPECT_EQ(Mistakes(c.text), c.mistakes);
  }
  // "person" may be left out: the file's name says whose dialogue it is. A text may go on
  // over indented lines, even from a key alone on its line.
  EXPECT_EQ(Mistakes(spoil("person cat1746\n", "")), "");
  const std::string continued = spoil("  reply Yes. Dry air", "  reply\n    Yes. Dry air");
  EXPECT_EQ(Mistakes(continued), "");
  EXPECT_EQ(ParseTalkSource(continued, "cat1746.talk").lines[dialogue::KeyLine(0)],
            "A. Yes. Dry air and a stroking hand, and snap!");
}

// A dialogue longer than the game reads is refused, naming its file.
TEST(TalkSource, LongerThanTheGameReadsIsRefused) {
  std::string text = FileText(kTalkFiles / "cat1746.talk");
  const std::string padding = " " + std::string(78, 'x');
  for (int i = 0; i < 60; ++i)
    text.replace(text.find("\nwrong Hiss."), 12, "\nwrong Hiss." + padding);
  const TalkSource talk = ParseTalkSource(text, "people/cat1746.talk");
  try {
    DialogueFileText(talk);
    ADD_FAILURE() << "a dialogue of more than 6400 bytes was accepted";
  } catch (const ContentError& error) {
    EXPECT_EQ(
        std::string(error.what()),
        "people/cat1746.talk: the dialogue takes 6836 bytes; the game reads only 6400: make it "
        "shorter");
  }
}

// The build makes a dialogue file for each source written so far, named after its roster
// row, and none for the rows still unwritten; a source named after no row stops the build.
TEST(TalkSource, BuildWritesTheDialoguesWrittenSoFar) {
  TempFolder content;
  TempFolder data;
  std::filesystem::copy(kContent, content.path, std::filesystem::copy_options::recursive);
  std::filesystem::remove_all(content.path / "people");
  std::filesystem::create_directories(content.path / "people");
  std::filesystem::copy(kTalkFiles / "cat1746.talk", content.path / "people" / "cat1746.talk");
  std::ostringstream log;
  BuildDataFolder(content.path, data.path, log);
  const auto stored = FileText(data.path / "d2" / "cat1746.dat");
  const auto bytes = std::vector<std::uint8_t>(stored.begin(), stored.end());
  EXPECT_EQ(Dump(SplitLines(DecodeShiftedText(bytes))), FileText(kTalkFiles / "cat1746.lines"));
  int dialogues = 0;
  for (const auto& entry : std::filesystem::directory_iterator(data.path / "d2")) {
    ++dialogues;
    EXPECT_EQ(entry.path().filename(), "cat1746.dat");
  }
  EXPECT_EQ(dialogues, 1);
  EXPECT_NE(log.str().find("dialogue d2\\cat1746.dat\n"), std::string::npos);

  // A source removed takes its old dialogue file with it at the next build.
  std::filesystem::rename(content.path / "people" / "cat1746.talk",
                          content.path / "people" / "wyn1746.talk");
  std::string text = FileText(content.path / "people" / "wyn1746.talk");
  text.replace(text.find("person cat1746"), 14, "person wyn1746");
  std::ofstream(content.path / "people" / "wyn1746.talk", std::ios::trunc) << text;
  BuildDataFolder(content.path, data.path, log);
  EXPECT_FALSE(std::filesystem::exists(data.path / "d2" / "cat1746.dat"));
  EXPECT_TRUE(std::filesystem::exists(data.path / "d2" / "wyn1746.dat"));

  std::filesystem::copy(kTalkFiles / "cat1746.talk", content.path / "people" / "dog1746.talk");
  try {
    BuildDataFolder(content.path, data.path, log);
    ADD_FAILURE() << "a dialogue for no one was built";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what())
                  .find("dog1746.talk: no one in the date book has the dialogue file "
                        "d2\\dog1746.dat"),
              std::string::npos)
        << error.what();
  }
  EXPECT_TRUE(std::filesystem::exists(data.path / "d2" / "wyn1746.dat"));
}

// Every roster row names a dialogue file the kit can make from a source of that name.
TEST(TalkSource, RosterNamesRoundTrip) {
  for (const RosterRow& row : kRoster) {
    EXPECT_EQ(DialogueGamePath(DialogueName(row.dialogue)), row.dialogue);
  }
  EXPECT_EQ(DialogueName("d2\\ornh1778.dat"), "ornh1778");
}

}  // namespace
}  // namespace quenna::datakit
