#include <gtest/gtest.h>

#include <QTest>

#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::ClickBack;
using testing::ClickLink;
using testing::ClickNext;
using testing::DumpCloseUp;
using testing::FixtureDialogue;
using testing::TestGame;

constexpr const char* kPicture = "closeups//wyn17461x1.jpg";
constexpr const char* kFile = "d2\\wyn1746.dat";

// A started game with one person's picture and dialogue file in the data folder.
struct Conversation {
  explicit Conversation(ScreenSize screen = {1024, 768}) : test(screen) {
    test.data.WritePicture(kPicture, 380, 380, QColor(120, 90, 60));
    FixtureDialogue().WriteTo(test.data, kFile);
    test.StartGame();
    test.State().TaskVirtue = 9;
    test.Form().Speaker = 9;
  }

  // Opens the close-up window, plays the steps ("next", "back", "A", "B", "C") and
  // returns what the window showed after each.
  std::string Play(const std::vector<std::string>& steps) {
    std::string transcript;
    test.platform.ExpectModal([&](QWidget& window) {
      auto& closeUp = dynamic_cast<TCloseUp&>(window);
      transcript += "open: " + DumpCloseUp(closeUp) + "\n";
      for (const std::string& step : steps) {
        if (step == "next") {
          ClickNext(closeUp);
        } else if (step == "back") {
          ClickBack(closeUp);
        } else {
          ClickLink(closeUp, step[0]);
        }
        transcript += step + ": " + DumpCloseUp(closeUp) + "\n";
      }
    });
    test.Form().Meets(kPicture, kFile);
    return transcript;
  }

  TCloseUp& CloseUp() { return test.game->CloseUp(); }

  TestGame test;
};

// The opening pages, the topic menu, and "<< Back" from every depth of the menus.
TEST(CloseUp, OpeningTopicMenuAndBackFromEachDepth) {
  Conversation talk;
  const std::string transcript =
      talk.Play({"next", "next", "next", "next", "next", "back", "next", "A",
                 "back", "C",    "B",    "back", "back", "B",    "A",    "back",
                 "back", "back", "back", "back", "back", "back", "back"});
  EXPECT_EQ(transcript,
            "open: L0 | A=- | B=- | C=- | Next >>:on &Exit:on | next 1 stage 0\n"
            "next: L1 | A=- | B=- | C=- | Next >>:on << Back:on | next 2 stage 0\n"
            "next: L2 | A=- | B=- | C=- | Next >>:on << Back:on | next 3 stage 0\n"
            "next: L3 | A=- | B=- | C=- | Next >>:on << Back:on | next 4 stage 0\n"
            "next: L4 | A=- | B=- | C=- | Next >>:on << Back:on | next 5 stage 0\n"
            "next: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "back: L4 | A=- | B=- | C=- | Next >>:on << Back:on | next 5 stage 0\n"
            "next: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "A: L9 | A=L10 | B=L11 | C=L12 | Next >>:off << Back:on | next 13 stage 1\n"
            "back: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "C: L17 | A=L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n"
            "B: L49 | A=L50 | B=L51 | C=L52 | Next >>:off << Back:on | next 53 stage 32\n"
            "back: L17 | A=L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n"
            "back: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "B: L13 | A=L14 | B=L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "A: L33 | A=L34 | B=L35 | C=L36 | Next >>:off << Back:on | next 37 stage 21\n"
            "back: L13 | A=L14 | B=L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "back: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "back: L4 | A=- | B=- | C=- | Next >>:on << Back:on | next 5 stage 0\n"
            "back: L3 | A=- | B=- | C=- | Next >>:on << Back:on | next 4 stage 0\n"
            "back: L2 | A=- | B=- | C=- | Next >>:on << Back:on | next 3 stage 0\n"
            "back: L1 | A=- | B=- | C=- | Next >>:on << Back:on | next 2 stage 0\n"
            "back: L0 | A=- | B=- | C=- | Next >>:on &Exit:on | next 1 stage 0\n"
            "back: L0 | A=- | B=- | C=- | Next >>:on &Exit:on | next 1 stage 0 | closed\n");
  EXPECT_EQ(talk.test.State().TaskDone, 0);
  EXPECT_TRUE(talk.test.Form().isEnabled());
}

// Topic 2, link C is question 5: its text on line 41, its answers on 42..44, its key on
// line 62 and its virtues on line 73. After the answer the links are blank and take no
// second answer, Back is off, and "Next >>" closes the window.
TEST(CloseUp, QuestionFiveAnsweredThenBlankLinksAndNextCloses) {
  Conversation talk;
  FixtureDialogue()
      .Set(62, "C Right: the ink dries overnight.")
      .Set(73, "5678")
      .WriteTo(talk.test.data, kFile);
  const std::string transcript =
      talk.Play({"next", "next", "next", "next", "next", "B", "C", "C", "A", "C", "back", "next"});
  EXPECT_EQ(transcript,
            "open: L0 | A=- | B=- | C=- | Next >>:on &Exit:on | next 1 stage 0\n"
            "next: L1 | A=- | B=- | C=- | Next >>:on << Back:on | next 2 stage 0\n"
            "next: L2 | A=- | B=- | C=- | Next >>:on << Back:on | next 3 stage 0\n"
            "next: L3 | A=- | B=- | C=- | Next >>:on << Back:on | next 4 stage 0\n"
            "next: L4 | A=- | B=- | C=- | Next >>:on << Back:on | next 5 stage 0\n"
            "next: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "B: L13 | A=L14 | B=L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "C: L41 | A=L42 | B=L43 | C=L44 | Next >>:off << Back:on | next 45 stage 23\n"
            "C: C Right: the ink dries overnight. | A= | B= | C= | Next >>:on << Back:off | next "
            "67 stage 99\n"
            "A: C Right: the ink dries overnight. | A= | B= | C= | Next >>:on << Back:off | next "
            "67 stage 99\n"
            "C: C Right: the ink dries overnight. | A= | B= | C= | Next >>:on << Back:off | next "
            "67 stage 99\n"
            "back: C Right: the ink dries overnight. | A= | B= | C= | Next >>:on << Back:off | "
            "next 67 stage 99\n"
            "next: C Right: the ink dries overnight. | A=- | B=- | C=- | Next >>:on << Back:off | "
            "next 67 stage 0 | closed\n");
  const GameState& state = talk.test.State();
  EXPECT_EQ(state.TaskDone, 1);
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 5), 1);
  // Credited once: 5, 6, 7, 8 get 4 each, and progress 1.
  EXPECT_EQ(state.LevelTable.RowAt(0), (LevelTable::Row{0, 0, 0, 1, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(state.TotalScore, 17);
}

// A key line starting with B accepts only B, and its whole line is the reply; any other
// answer gets line 66. A lower-case b accepts nothing.
TEST(CloseUp, KeyLetterDecidesTheAnswer) {
  struct Case {
    const char* key;
    const char* answer;
    const char* reply;
    int taskDone;
  };
  for (const Case& c : std::initializer_list<Case>{{"B Quite so.", "A", "L66", 0},
                                                   {"B Quite so.", "B", "B Quite so.", 1},
                                                   {"B Quite so.", "C", "L66", 0},
                                                   {"b quite so.", "A", "L66", 0},
                                                   {"b quite so.", "B", "L66", 0},
                                                   {"b quite so.", "C", "L66", 0},
                                                   {"", "A", "L66", 0}}) {
    Conversation talk;
    FixtureDialogue().Set(58, c.key).WriteTo(talk.test.data, kFile);
    talk.Play({"next", "next", "next", "next", "next", "A", "B", c.answer});
    const std::string what = std::string(c.key) + " / " + c.answer;
    EXPECT_EQ(talk.CloseUp().Talk1->text().toStdString(), c.reply) << what;
    EXPECT_EQ(talk.test.State().TaskDone, c.taskDone) << what;
    EXPECT_EQ(talk.test.State().AnsweredFlags.Answered(9, 1), c.taskDone == 1) << what;
    EXPECT_EQ(talk.test.State().TotalScore, c.taskDone == 1 ? 17 : 0) << what;
  }
}

// Answered questions are greyed on their own topic's question menu, however the menu is
// reached: from the topic menu, or by Back from a question's answers; a greyed question
// takes no answer, so none is credited twice.
TEST(CloseUp, AnsweredQuestionsAreGreyedOnTheirTopicsMenu) {
  Conversation talk;
  AnswerMarks& marks = talk.test.State().AnsweredFlags;
  marks.SetMark(9, 4, 1);
  marks.SetMark(9, 6, 1);
  marks.SetMark(8, 0, 1);  // another speaker's mark greys nothing here
  const std::string transcript =
      talk.Play({"next", "next", "next", "next", "next", "A", "back", "B", "B", "A", "back", "back",
                 "C", "A", "B", "back", "A"});
  EXPECT_EQ(transcript.substr(transcript.find("A: ")),
            "A: L9 | A=L10 | B=L11 | C=L12 | Next >>:off << Back:on | next 13 stage 1\n"
            "back: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "B: L13 | A=L14 | B=(grey)L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "B: L13 | A=L14 | B=(grey)L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "A: L33 | A=L34 | B=L35 | C=L36 | Next >>:off << Back:on | next 37 stage 21\n"
            "back: L13 | A=L14 | B=(grey)L15 | C=L16 | Next >>:off << Back:on | next 17 stage 2\n"
            "back: L5 | A=L6 | B=L7 | C=L8 | Next >>:off << Back:on | next 9 stage 0\n"
            "C: L17 | A=(grey)L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n"
            "A: L17 | A=(grey)L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n"
            "B: L49 | A=L50 | B=L51 | C=L52 | Next >>:off << Back:on | next 53 stage 32\n"
            "back: L17 | A=(grey)L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n"
            "A: L17 | A=(grey)L18 | B=L19 | C=L20 | Next >>:off << Back:on | next 21 stage 3\n");
}

// A missing dialogue file gives empty speech and links; an answer is then wrong.
TEST(CloseUp, MissingDialogueFileShowsEmptyTextAndNoAnswerIsRight) {
  Conversation talk;
  talk.test.data.Remove(kFile);
  talk.Play({"next", "next", "next", "next", "next", "A", "A", "A", "next"});
  EXPECT_EQ(DumpCloseUp(talk.CloseUp()),
            " | A=- | B=- | C=- | Next >>:on << Back:off | next 67 stage 0 | closed");
  EXPECT_EQ(talk.test.State().TaskDone, 0);
  EXPECT_EQ(talk.test.State().TotalScore, 0);
  EXPECT_TRUE(talk.test.platform.Errors().empty());
}

// The window's layout: 625 x 420 on a 768-line screen, and the tall layout above 800
// lines (700 high, links lower and each reaching to the next).
TEST(CloseUp, LayoutOnNormalAndTallScreens) {
  auto layout = [](ScreenSize screen) {
    TestGame test(screen);
    TCloseUp& closeUp = test.game->CloseUp();
    std::string text = std::to_string(closeUp.width()) + "x" + std::to_string(closeUp.height()) +
                       " at " + std::to_string(closeUp.x()) + "," + std::to_string(closeUp.y());
    auto place = [&](const char* name, QWidget* w) {
      text += std::string(" ") + name + "(" + std::to_string(w->x()) + "," +
              std::to_string(w->y()) + " " + std::to_string(w->width()) + "x" +
              std::to_string(w->height()) + ")";
    };
    place("Image1", closeUp.Image1);
    place("Talk1", closeUp.Talk1);
    place("A", closeUp.A);
    place("B", closeUp.B);
    place("C", closeUp.C);
    place("Exit1", closeUp.Exit1);
    place("Next1", closeUp.Next1);
    return text;
  };
  EXPECT_EQ(layout({1024, 768}),
            "625x420 at 199,174 Image1(8,3 380x380) Talk1(424,24 176x361) A(392,184 233x66) "
            "B(392,250 233x86) C(392,336 233x100) Exit1(81,389 75x25) Next1(232,389 75x25)");
  EXPECT_EQ(layout({1280, 1024}),
            "625x700 at 327,162 Image1(8,3 380x380) Talk1(424,24 176x361) A(392,220 233x140) "
            "B(392,360 233x140) C(392,500 233x100) Exit1(81,669 75x25) Next1(232,669 75x25)");

  TestGame tall({1280, 1024});
  EXPECT_EQ(tall.game->CloseUp().A->font().pointSize(), 11);
  EXPECT_TRUE(tall.game->CloseUp().A->font().bold());
  EXPECT_TRUE(tall.game->CloseUp().A->font().underline());
  TestGame normal;
  EXPECT_EQ(normal.game->CloseUp().A->font().pixelSize(), 13);
  EXPECT_EQ(normal.game->CloseUp().Talk1->font().pixelSize(), 16);
}

}  // namespace
}  // namespace quenna
