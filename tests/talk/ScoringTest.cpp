#include <gtest/gtest.h>

#include <QTest>

#include "scene/ShiftedText.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "talk/AnswerScoring.h"
#include "talk/TCloseUp.h"
#include "talk/VirtueChart.h"

namespace quenna {
namespace {

using testing::AssignTask;
using testing::ClickTab;
using testing::DumpCloseUp;
using testing::FixtureDialogue;
using testing::PlaceOnGrid;
using testing::PlayTaskFromYearPage;
using testing::TestGame;

constexpr int kWynnetCell = 45;
constexpr const char* kNextLevel = "  Now please click on the cover to achieve the next level.";

// A game at level 1 with Wynnet on the 1746 page and her dialogue file.
struct WynnetGame {
  explicit WynnetGame(const FixtureDialogue& dialogue = {}) {
    test.data.WritePicture("closeups//wyn17461x1.jpg", 380, 380, QColor(90, 60, 40));
    dialogue.WriteTo(test.data, "d2\\wyn1746.dat");
    PlaceOnGrid(test.data, 9, kWynnetCell, 2);
    test.Create();
    test.StartGame();
  }
  void Answer(int question, char letter) {
    PlayTaskFromYearPage(test, 9, kWynnetCell, question, letter);
  }
  TestGame test;
};

// A correct answer credits its four virtues 4 points each, progress 1, and 20 more for
// the virtue sought (once); the level ends with the message naming it.
TEST(Scoring, CorrectAnswerCreditsVirtuesBonusAndEndsTheLevel) {
  struct Case {
    const char* digits;
    int taskVirtue;
    LevelTable::Row row;  // level 1's row after the answer (3 progress from the cards)
    int totalRise;
    bool bonus;
    const char* message;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"1A34",
            10,
            {4, 0, 4, 8, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0},
            37,
            true,
            "Congratulations! This question earned bonus points for cleanliness."},
           {"2222",
            2,
            {0, 36, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
            37,
            true,
            "Congratulations! This question earned bonus points for silence."},
           {"5678",
            2,
            {0, 0, 0, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0},
            17,
            false,
            "Congratulations on completing the level.  No bonus points were earned."},
           {"DDDD",
            13,
            {0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 36, 0},
            37,
            true,
            "Congratulations! This question earned bonus points for humility."},
           // Unknown digits credit nothing, not even column 13.
           {"1E0A",
            10,
            {4, 0, 0, 4, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0},
            29,
            true,
            "Congratulations! This question earned bonus points for cleanliness."},
           {"",
            10,
            {0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
            1,
            false,
            "Congratulations on completing the level.  No bonus points were earned."}}) {
    WynnetGame game(FixtureDialogue().Set(68 + 4, c.digits));
    TestGame& test = game.test;
    AssignTask(test, 9, c.taskVirtue);
    test.Form().UpdateScores();
    const int totalBefore = test.State().TotalScore;
    test.platform.ClearSounds();
    game.Answer(4, 'B');

    const GameState& state = test.State();
    TForm1& form = test.Form();
    EXPECT_EQ(state.LevelTable.RowAt(0), c.row) << c.digits;
    EXPECT_EQ(state.TotalScore - totalBefore, c.totalRise) << c.digits;
    EXPECT_EQ(form.SLabel->text().toInt(), state.TotalScore) << c.digits;
    EXPECT_EQ(form.Scores->text().toStdString(), std::string(c.message) + kNextLevel) << c.digits;
    EXPECT_TRUE(form.Scores->isVisibleTo(&form));
    EXPECT_EQ(state.AnsweredFlags.Mark(9, 4), 1);
    EXPECT_EQ(state.CurrentLevel, 2);
    EXPECT_EQ(state.TaskTab, 0);
    EXPECT_EQ(state.TaskVirtue, 0);
    EXPECT_EQ(form.Dates->currentIndex(), 0);
    const bool played = std::any_of(
        test.platform.Sounds().begin(), test.platform.Sounds().end(), [&](const auto& sound) {
          return sound.file == test.data.PathOf("points2.wav") && sound.flags == kSoundAsync;
        });
    EXPECT_EQ(played, c.bonus) << c.digits;
    EXPECT_TRUE(test.platform.Errors().empty());
  }
}

// The scoring rule alone: four virtues 4 points each and 1 progress in the level's row,
// 20 more once for the virtue sought, and the level-end text that follows from it.
TEST(Scoring, RuleCreditsVirtuesProgressAndOneBonus) {
  struct Case {
    const char* digits;
    int taskVirtue;
    LevelTable::Row row;  // level 3's row after the answer
    int taskVirtueAfter;
    bool bonusEarned;
    const char* levelEnd;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"1A34",
            10,
            {4, 0, 4, 5, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0},
            110,
            true,
            "Congratulations! This question earned bonus points for cleanliness."},
           {"2222",
            2,
            {0, 36, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
            102,
            true,
            "Congratulations! This question earned bonus points for silence."},
           {"5678",
            2,
            {0, 0, 0, 1, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0},
            2,
            false,
            "Congratulations on completing the level.  No bonus points were earned."},
           // A bonus already earned in the level is not earned again.
           {"1A34",
            110,
            {4, 0, 4, 5, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0},
            110,
            false,
            "Congratulations! This question earned bonus points for cleanliness."},
           // Unknown digits credit nothing; with no virtue sought there is no bonus.
           {"1E0A",
            10,
            {4, 0, 0, 1, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0},
            110,
            true,
            "Congratulations! This question earned bonus points for cleanliness."},
           {"DDDD",
            0,
            {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0},
            0,
            false,
            "Congratulations on completing the level.  No bonus points were earned."},
           {"",
            10,
            {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
            10,
            false,
            "Congratulations on completing the level.  No bonus points were earned."}}) {
    LevelTable table;
    const AnswerScore score = ScoreAnswer(table, 3, c.taskVirtue, c.digits);
    LevelTable expected;  // level 3's row and nothing else
    for (int column = 0; column < LevelTable::kColumns; ++column)
      expected.Set(2, column, c.row[static_cast<std::size_t>(column)]);
    EXPECT_EQ(table, expected) << c.digits;
    EXPECT_EQ(score.taskVirtue, c.taskVirtueAfter) << c.digits;
    EXPECT_EQ(score.bonusEarned, c.bonusEarned) << c.digits;
    EXPECT_EQ(LevelEndText(score.taskVirtue), c.levelEnd) << c.digits;
  }
}

// A wrong answer changes no points and no marks, and the level goes on.
TEST(Scoring, WrongAnswerChangesNothing) {
  WynnetGame game;
  TestGame& test = game.test;
  AssignTask(test, 9, 1);
  const LevelTable before = test.State().LevelTable;
  game.Answer(0, 'C');
  const GameState& state = test.State();
  EXPECT_EQ(test.game->CloseUp().Talk1->text(), "L66");
  EXPECT_EQ(state.LevelTable, before);
  EXPECT_EQ(state.AnsweredFlags, AnswerMarks{});
  EXPECT_EQ(state.TaskDone, 0);
  EXPECT_EQ(state.CurrentLevel, 1);
  EXPECT_EQ(state.TaskTab, 9);
  EXPECT_EQ(state.TaskVirtue, 1);
  EXPECT_EQ(test.Form().Dates->currentIndex(), 9);
}

// Questions answered in a level are greyed later; replaying the level frees them (and
// only them), and answering again marks them with that level anew.
TEST(Scoring, FreeAnswersReopensTheQuestionsOfALevel) {
  WynnetGame game;
  TestGame& test = game.test;
  GameState& state = test.State();
  AssignTask(test, 9, 1);
  game.Answer(0, 'A');
  ASSERT_EQ(state.CurrentLevel, 2);
  AssignTask(test, 9, 1);
  game.Answer(1, 'B');
  ASSERT_EQ(state.CurrentLevel, 3);
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 0), 1);
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 1), 2);

  auto topicOneMenu = [&] {
    std::string menu;
    testing::ClickTalk(test.Form());
    test.platform.ExpectModal([&](QWidget& window) {
      auto& closeUp = dynamic_cast<TCloseUp&>(window);
      for (int page = 1; page < 6; ++page) testing::ClickNext(closeUp);
      testing::ClickLink(closeUp, 'A');
      menu = DumpCloseUp(closeUp);
      closeUp.Close();
    });
    testing::ClickCell(test.Form(), kWynnetCell);
    return menu;
  };
  AssignTask(test, 9, 1);
  ClickTab(test.Form(), 9);
  EXPECT_EQ(topicOneMenu(),
            "L9 | A=(grey)L10 | B=(grey)L11 | C=L12 | Next >>:off << Back:on | "
            "next 13 stage 1");

  state.CurrentLevel = 1;  // the level list's replay of level 1
  test.Form().FreeAnswers();
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 0), 0);
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 1), 2);
  EXPECT_EQ(topicOneMenu(),
            "L9 | A=L10 | B=(grey)L11 | C=L12 | Next >>:off << Back:on | "
            "next 13 stage 1");
  AssignTask(test, 9, 1);
  state.LevelTable.Set(0, LevelTable::kProgressColumn, 3);
  game.Answer(0, 'A');
  EXPECT_EQ(state.AnsweredFlags.Mark(9, 0), 1);
}

// Montrell (speaker 38) has nine marks of his own; the saved game, with room for 342
// marks, keeps them in the place of speaker 0, who is nobody in the date book.
TEST(Scoring, LastSpeakersKeepTheirMarksInTheSavedGame) {
  TestGame test;
  test.data.WritePicture("closeups//mont17791x1.jpg", 380, 380, Qt::darkRed);
  FixtureDialogue().WriteTo(test.data, "d2\\mont1779.dat");
  PlaceOnGrid(test.data, 13, 100, 6);
  test.Create();
  test.StartGame();
  AssignTask(test, 13, 4);
  PlayTaskFromYearPage(test, 13, 100, 8, 'C');
  const AnswerMarks& marks = test.State().AnsweredFlags;
  EXPECT_EQ(marks.Mark(38, 8), 1);
  EXPECT_EQ(marks.Mark(37, 8), 0);
  std::array<std::int8_t, AnswerMarks::kSavedMarks> saved{};
  saved[8] = 1;
  EXPECT_EQ(marks.SavedBytes(), saved);
  AnswerMarks opened;
  opened.LoadSavedBytes(saved);
  EXPECT_EQ(opened, marks);
  EXPECT_EQ(test.State().CurrentLevel, 2);
}

// The chart's gold bars: one step per two points from x = 147, at most 100 steps, on
// rows 24 pixels apart from 16; drawn only when the scores have changed.
TEST(Scoring, VirtueChartBarLengths) {
  TestGame test;
  test.StartGame();
  LevelTable& table = test.State().LevelTable;
  const std::array<int, 13> totals = {1, 199, 250, 0, -4, 2, 0, 0, 0, 0, 0, 0, 17};
  for (int k = 0; k < 13; ++k) {
    const int total = totals[static_cast<std::size_t>(k)];
    table.Set(10, k, total / 2);
    table.Set(11, k, total - total / 2);
  }
  test.State().VirtuesChanged = true;
  TForm1& form = test.Form();
  ClickTab(form, 3);
  QTest::mouseClick(form.VButton, Qt::LeftButton);
  EXPECT_TRUE(form.Virtues->isVisibleTo(&form));
  EXPECT_FALSE(test.State().VirtuesChanged);

  // The gold picture is 4 pixels wide: a bar of n steps covers n + 3 columns.
  auto bars = [&] {
    std::string text;
    const QImage& chart = form.Virtues->Picture();
    for (int k = 0; k < 13; ++k) {
      int first = -1;
      int count = 0;
      for (int x = 0; x < chart.width(); ++x) {
        const QColor pixel = chart.pixelColor(x, 16 + 24 * k + 10);
        if (pixel.blue() < 100) {
          if (first < 0) first = x;
          ++count;
        }
      }
      text += std::to_string(count) + (count > 0 ? "@" + std::to_string(first) : "") + " ";
    }
    return text;
  };
  EXPECT_EQ(bars(), "4@147 103@147 103@147 0 0 4@147 0 0 0 0 0 0 12@147 ");

  // Unchanged scores draw nothing new, even if the table was changed behind its back.
  table.Set(20, 3, 100);
  QTest::mouseClick(form.VButton, Qt::LeftButton);
  EXPECT_EQ(bars(), "4@147 103@147 103@147 0 0 4@147 0 0 0 0 0 0 12@147 ");
  test.State().VirtuesChanged = true;
  QTest::mouseClick(form.VButton, Qt::LeftButton);
  EXPECT_EQ(bars(), "4@147 103@147 103@147 53@147 0 4@147 0 0 0 0 0 0 12@147 ");
}

// A press on a virtue's row of the chart shows that virtue's words over the chart, from
// the virtue words file; a press outside the rows, or a page turned, puts them away.
TEST(Scoring, AVirtuesRowShowsItsWords) {
  TestGame test;
  std::string lines;
  for (int virtue = 1; virtue <= 13; ++virtue) {
    lines += "Words about virtue " + std::to_string(virtue) + ".\r\n";
  }
  const std::vector<std::uint8_t> shifted = EncodeShiftedText(lines);
  test.data.WriteFile("data\\virtues.dat", std::string(shifted.begin(), shifted.end()));
  test.StartGame();
  TForm1& form = test.Form();
  form.show();
  ClickTab(form, 3);
  QTest::mouseClick(form.VButton, Qt::LeftButton);

  const struct {
    int virtue;
    const char* heading;
  } rows[] = {{1, "Temperance"}, {2, "Silence"}, {13, "Humility"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.heading);
    QTest::mouseClick(form.Virtues, Qt::LeftButton, {},
                      QPoint(60, virtuechart::RowTop(row.virtue - 1) + 5));
    ASSERT_TRUE(form.VirtueWords->isVisible());
    EXPECT_EQ(form.VirtueWords->Heading->text(), row.heading);
    EXPECT_EQ(form.VirtueWords->Words->text().toStdString(),
              "Words about virtue " + std::to_string(row.virtue) + ".");
    EXPECT_LE(form.VirtueWords->geometry().bottom(), form.Virtues->height());
  }
  QTest::mouseClick(form.Virtues, Qt::LeftButton, {}, QPoint(60, 4));
  EXPECT_FALSE(form.VirtueWords->isVisible());
  EXPECT_TRUE(form.Virtues->isVisible());
  QTest::mouseClick(form.Virtues, Qt::LeftButton, {}, QPoint(60, virtuechart::RowTop(4) + 5));
  ASSERT_TRUE(form.VirtueWords->isVisible());
  ClickTab(form, 4);
  EXPECT_FALSE(form.VirtueWords->isVisible());
}

}  // namespace
}  // namespace quenna
