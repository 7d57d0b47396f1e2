#include <gtest/gtest.h>

#include <sstream>

#include "core/WorldTables.h"
#include "scene/ShiftedText.h"
#include "support/FixtureData.h"
#include "support/TalkFixtures.h"
#include "talk/Conversation.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"
#include "talk/VirtueChart.h"

namespace quenna {
namespace {

using testing::FixtureData;
using testing::FixtureDialogue;

std::string Describe(const RosterRow* row) {
  if (row == nullptr) return "nobody";
  return std::string(row->character) + " " + std::to_string(row->speaker) + " " +
         std::string(row->picture) + " " + std::string(row->dialogue);
}

// Each role of a dialogue file is read from its numbered line of the stored file.
TEST(DialogueText, ReadsEveryRoleFromItsLine) {
  FixtureData data;
  FixtureDialogue file;
  file.Set(62, "C Right: the press prints at night.").Set(73, "1A3D and the rest");
  file.WriteTo(data, "d2\\wyn1746.dat");
  const DialogueText text = DialogueText::Read(data.PathOf("d2\\wyn1746.dat"));

  std::ostringstream dump;
  dump << text.LineCount() << " lines; opening " << text.Opening(0) << "/" << text.Opening(5)
       << "; topics " << text.TopicLink(1) << "/" << text.TopicLink(3) << "; lead-ins "
       << text.LeadIn(1) << "/" << text.LeadIn(2) << "/" << text.LeadIn(3) << "; q5 link "
       << text.QuestionLink(5) << ", text " << text.Question(5) << ", answers " << text.Answer(5, 0)
       << "/" << text.Answer(5, 2) << ", key " << text.Key(5) << "; wrong " << text.WrongReply()
       << "; q8 " << text.QuestionLink(8) << " " << text.Question(8) << " " << text.Key(8) << " "
       << text.Line(dialogue::DigitLine(8)) << "; beyond [" << text.Line(77) << "]["
       << text.Line(-1) << "]";
  EXPECT_EQ(dump.str(),
            "77 lines; opening L0/L5; topics L6/L8; lead-ins L9/L13/"
            "L17; q5 link L16, text L41, answers L42/L44, key C Right: the "
            "press prints at night.; wrong L66; q8 L20 L53 C L65 1234; beyond "
            "[][]");
  EXPECT_EQ(text.Virtues(5), (std::array<int, 4>{1, 10, 3, 13}));
}

// The dialogue file is read up to 6400 bytes; a missing file or line reads as empty.
TEST(DialogueText, MissingFileAndLinesAreEmptyAndTheReadStopsAt6400Bytes) {
  FixtureData data;
  EXPECT_EQ(DialogueText::Read(data.PathOf("d2\\none.dat")).LineCount(), 0);
  EXPECT_EQ(DialogueText::Read(data.PathOf("d2\\none.dat")).Key(3), "");

  // 100 lines of 78 characters + CR LF: line 80 begins at byte 6400, past the limit.
  FixtureDialogue big;
  for (int n = 0; n < 100; ++n) big.Set(n, std::string(77, 'a' + n % 26) + "!");
  big.WriteTo(data, "d2\\big.dat");
  const DialogueText text = DialogueText::Read(data.PathOf("d2\\big.dat"));
  EXPECT_EQ(text.LineCount(), 80);
  EXPECT_EQ(text.Line(79), std::string(77, 'a' + 79 % 26) + "!");
  EXPECT_EQ(text.Line(80), "");

  // A short file: its last lines are simply empty.
  const DialogueText shortText("only\r\ntwo lines\r\n");
  EXPECT_EQ(shortText.Line(1), "two lines");
  EXPECT_EQ(shortText.Key(0), "");
  EXPECT_EQ(shortText.Virtues(0), (std::array<int, 4>{0, 0, 0, 0}));
}

// A key line accepts only its own upper-case first letter; digits outside 1..9, A..D
// name no virtue, so a file that breaks the format credits nothing for them.
TEST(DialogueRules, KeyLettersAndVirtueDigits) {
  struct KeyCase {
    const char* key;
    char letter;
    bool correct;
  };
  for (const KeyCase& c : std::initializer_list<KeyCase>{{"B Yes.", 'B', true},
                                                         {"B Yes.", 'A', false},
                                                         {"B Yes.", 'C', false},
                                                         {"b yes.", 'B', false},
                                                         {"b yes.", 'A', false},
                                                         {"", 'A', false},
                                                         {" A", 'A', false}}) {
    EXPECT_EQ(IsCorrectAnswer(c.key, c.letter), c.correct) << c.key << " " << c.letter;
  }
  struct DigitCase {
    const char* line;
    std::array<int, 4> virtues;
  };
  for (const DigitCase& c : std::initializer_list<DigitCase>{{"1A34", {1, 10, 3, 4}},
                                                             {"2222", {2, 2, 2, 2}},
                                                             {"9BCD extra", {9, 11, 12, 13}},
                                                             {"0E:a", {0, 0, 0, 0}},
                                                             {"1@5", {1, 0, 5, 0}},
                                                             {"12", {1, 2, 0, 0}},
                                                             {"", {0, 0, 0, 0}},
                                                             {"abcd", {0, 0, 0, 0}}}) {
    EXPECT_EQ(CreditedVirtues(c.line), c.virtues) << c.line;
  }
}

// A talk-mode click meets the person the page's roster names for the cell's value.
TEST(Roster, FindsThePersonOfAPageByCellValue) {
  struct Case {
    int tab;
    int value;
    const char* expected;
  };
  for (const Case& c : std::initializer_list<Case>{
           {9, 2, "Wynnet 9 closeups//wyn17461x1.jpg d2\\wyn1746.dat"},
           {9, 7, "the cat 27 closeups//cat17461x1.jpg d2\\cat1746.dat"},
           {10, 2, "Fennick 10 closeups//fk17521x1.jpg d2\\fen1752.dat"},
           {1, 7, "young Orn 1 closeups//orn17161x1.jpg d2\\orn1716.dat"},
           {1, 0, "nobody"},
           {1, 1, "nobody"},
           {1, 4, "nobody"},
           {1, 5, "nobody"},
           {1, 6, "nobody"},
           {13, 2, "Oriel 13 closeups//ori17791x1.jpg d2\\oriel1779.dat"},
           {13, 1, "Oriel 13 closeups//ori17791x1.jpg d2\\oriel1779.dat"},
           {13, 0, "Oriel 13 closeups//ori17791x1.jpg d2\\oriel1779.dat"},
           {13, -48, "Oriel 13 closeups//ori17791x1.jpg d2\\oriel1779.dat"},
           {13, 6, "Montrell 38 closeups//mont17791x1.jpg d2\\mont1779.dat"},
           {13, 7, "nobody"},
           {13, 8, "nobody"},
           {12, 3, "Orny 33 closeups//orny17781x1.jpg d2\\orn1778.dat"},
           {12, 2, "Orn 34 closeups//ornh17781x1.jpg d2\\ornh1778.dat"},
           {12, 0, "nobody"},
           {14, 1, "Orn 39 closeups//orn17851x1.jpg d2\\orn1785.dat"},
           {0, 1, "nobody"}}) {
    EXPECT_EQ(Describe(FindRosterRow(c.tab, c.value)), c.expected)
        << "tab " << c.tab << " value " << c.value;
  }
}

// Every speaker has its own nine answer marks: numbers are unique, 0 and 8 unused, and
// the first person of a page (but 1735's) has the page's number.
TEST(Roster, SpeakerNumbersAreUniqueAndFollowThePages) {
  std::array<int, 40> uses{};
  int previousTab = 0;
  for (const RosterRow& row : kRoster) {
    ASSERT_GE(row.speaker, 1);
    ASSERT_LT(row.speaker, 40);
    ++uses[static_cast<std::size_t>(row.speaker)];
    if (row.tab != previousTab && row.tab != 8) {
      EXPECT_EQ(row.speaker, row.tab);
    }
    previousTab = row.tab;
  }
  for (int speaker = 0; speaker < 40; ++speaker) {
    EXPECT_EQ(uses[static_cast<std::size_t>(speaker)], speaker == 0 || speaker == 8 ? 0 : 1)
        << speaker;
  }
}

// Talking is allowed on the task's page only, everywhere with 99, nowhere without a task;
// the window's title names the virtue sought.
TEST(Roster, WhereTalkingIsAllowedAndTheTitle) {
  EXPECT_TRUE(MayTalkOn(9, 9));
  EXPECT_FALSE(MayTalkOn(9, 10));
  EXPECT_TRUE(MayTalkOn(kAnyTab, 3));
  EXPECT_TRUE(MayTalkOn(kAnyTab, 14));
  EXPECT_FALSE(MayTalkOn(0, 1));
  EXPECT_FALSE(MayTalkOn(0, 0));
  EXPECT_EQ(MeetsTitle(1), "You are seeking the virtue of temperance.");
  EXPECT_EQ(MeetsTitle(10), "You are seeking the virtue of cleanliness.");
  EXPECT_EQ(MeetsTitle(12), "You are seeking the virtue of chastity.");
  EXPECT_EQ(MeetsTitle(13), "You are seeking the virtue of humility.");
  EXPECT_EQ(MeetsTitle(0), "You are seeking the virtue of humility.");
  EXPECT_EQ(MeetsTitle(110), "You are seeking the virtue of humility.");
}

// The path through a conversation: each link click by stage, and each Back by line.
TEST(ConversationRules, LinkAndBackSteps) {
  auto link = [](int stage, int k) {
    const LinkStep s = StepForLink(stage, k);
    switch (s.kind) {
      case LinkStep::Kind::kOpen:
        return "open " + std::to_string(s.stage) + " +" + std::to_string(s.lineAdvance);
      case LinkStep::Kind::kAnswer:
        return std::string("answer ") + s.letter + " q" + std::to_string(s.question);
      case LinkStep::Kind::kNothing:
        break;
    }
    return std::string("nothing");
  };
  std::ostringstream links;
  for (int stage : {0, 1, 2, 3, 11, 23, 32, 33, 4, 10, 14, 99}) {
    links << stage << ":";
    for (int k = 1; k <= 3; ++k) links << " [" << link(stage, k) << "]";
    links << "\n";
  }
  EXPECT_EQ(links.str(),
            "0: [open 1 +0] [open 2 +4] [open 3 +8]\n"
            "1: [open 11 +8] [open 12 +12] [open 13 +16]\n"
            "2: [open 21 +16] [open 22 +20] [open 23 +24]\n"
            "3: [open 31 +24] [open 32 +28] [open 33 +32]\n"
            "11: [answer A q0] [answer B q0] [answer C q0]\n"
            "23: [answer A q5] [answer B q5] [answer C q5]\n"
            "32: [answer A q7] [answer B q7] [answer C q7]\n"
            "33: [answer A q8] [answer B q8] [answer C q8]\n"
            "4: [nothing] [nothing] [nothing]\n"
            "10: [nothing] [nothing] [nothing]\n"
            "14: [nothing] [nothing] [nothing]\n"
            "99: [nothing] [nothing] [nothing]\n");

  auto back = [](int line, int stage) {
    const BackStep s = StepForBack(line, stage);
    const char* kinds[] = {"menu", "topics", "page", "close"};
    return std::string(kinds[static_cast<int>(s.kind)]) + " " + std::to_string(s.firstLine) +
           " stage " + std::to_string(s.stage) + (s.leavesTopicMenu ? " leave" : "") +
           (s.firstPage ? " first" : "");
  };
  std::ostringstream backs;
  for (auto [line, stage] : std::initializer_list<std::pair<int, int>>{{57, 33},
                                                                       {49, 31},
                                                                       {41, 23},
                                                                       {37, 21},
                                                                       {33, 13},
                                                                       {25, 11},
                                                                       {21, 3},
                                                                       {17, 2},
                                                                       {13, 1},
                                                                       {9, 0},
                                                                       {6, 0},
                                                                       {3, 0},
                                                                       {2, 0},
                                                                       {1, 0},
                                                                       {0, 0}}) {
    backs << line << ": " << back(line, stage) << "\n";
  }
  EXPECT_EQ(backs.str(),
            "57: menu 17 stage 3\n"
            "49: menu 17 stage 3\n"
            "41: menu 13 stage 2\n"
            "37: menu 13 stage 2\n"
            "33: menu 9 stage 1\n"
            "25: menu 9 stage 1\n"
            "21: topics 5 stage 0\n"
            "17: topics 5 stage 0\n"
            "13: topics 5 stage 0\n"
            "9: page 4 stage 0 leave\n"
            "6: page 4 stage 0\n"
            "3: page 1 stage 0\n"
            "2: page 0 stage 0 first\n"
            "1: close 0 stage 0\n"
            "0: close 0 stage 0\n");

  EXPECT_EQ(MenuQuestionOffset(1), 0);
  EXPECT_EQ(MenuQuestionOffset(2), 3);
  EXPECT_EQ(MenuQuestionOffset(3), 6);
  EXPECT_EQ(MenuQuestionOffset(0), 0);
  EXPECT_EQ(MenuQuestionOffset(23), 0);
}

// The virtue chart's bars: one step per two points, rounded up, at most 100 steps.
TEST(VirtueChart, BarStepsAndTotals) {
  for (auto [total, steps] : std::initializer_list<std::pair<int, int>>{{-5, 0},
                                                                        {0, 0},
                                                                        {1, 1},
                                                                        {2, 1},
                                                                        {3, 2},
                                                                        {198, 99},
                                                                        {199, 100},
                                                                        {200, 100},
                                                                        {250, 100}}) {
    EXPECT_EQ(BarSteps(total), steps) << total;
  }
  LevelTable table;
  table.Set(0, 0, 100);
  table.Set(1, 0, 120);
  table.Set(2, 12, -3);
  table.Set(54, 13, 7);
  const auto totals = VirtueTotals(table);
  EXPECT_EQ(totals[0], 220);
  EXPECT_EQ(totals[12], -3);
  EXPECT_EQ(totals[13], 7);
}

}  // namespace
}  // namespace quenna
