#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <string>

#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "store/TOption1.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// Which of the level list's changing controls the player sees.
std::string Shown(TOption1& window) {
  std::string shown;
  auto add = [&](QWidget* widget, const char* name) {
    if (widget->isVisible()) shown += std::string(shown.empty() ? "" : " ") + name;
  };
  add(window.Label2, "Label2");
  add(window.Label3, "Label3");
  add(window.Replay, "Replay");
  add(window.Cancel1, "Cancel1");
  add(window.Warning, "Warning");
  return shown;
}

void ChooseLine(TOption1& window, int line) {
  QListWidgetItem* item = window.ListBox1->item(line);
  window.ListBox1->scrollToItem(item);
  QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {},
                    window.ListBox1->visualItemRect(item).center());
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// A game whose levels 1..complete are done, each with a few points.
void PlayLevels(TestGame& test, int complete) {
  LevelTable& table = test.State().LevelTable;
  for (int row = 0; row < complete; ++row) {
    table.Set(row, 3, 3);
    table.Set(row, row % 13, table.Value(row, row % 13) + 10 + row);
  }
  test.Form().NextLevel();
  test.Form().UpdateScores();
}

// The window as it opens from "&Scores": every level line, the total, no replay buttons.
TEST(LevelListWindow, OpensWithEveryLevelAndTheTotal) {
  TestGame test;
  test.StartGame();
  test.State().LevelTable.Set(0, 0, 7);
  test.State().LevelTable.Set(0, 3, 3);
  test.State().LevelTable.Set(4, 12, 25);
  bool seen = false;
  test.platform.ExpectModal([&](QWidget& w) {
    auto& window = static_cast<TOption1&>(w);
    seen = true;
    EXPECT_EQ(window.windowTitle().toStdString(), "Select a Level to Replay");
    EXPECT_EQ(window.size(), QSize(661, 505));
    ASSERT_EQ(window.ListBox1->count(), 56);
    EXPECT_EQ(window.ListBox1->item(0)->text().toStdString().substr(0, 16), "01           07 ");
    const std::string fifth = window.ListBox1->item(4)->text().toStdString();
    EXPECT_EQ(fifth.substr(151, 2), "25");
    EXPECT_EQ(fifth.substr(164), "025");
    EXPECT_EQ(window.ListBox1->item(54)->text().left(2), "55");
    EXPECT_TRUE(window.ListBox1->item(55)->text().isEmpty());
    EXPECT_EQ(window.total->text(), "35");
    EXPECT_EQ(window.Label4->text(), "Total Score:");
    EXPECT_EQ(Shown(window), "");
    // The list taking the focus chooses nothing; a line chosen with the keys does.
    QApplication::setActiveWindow(&window);
    window.ListBox1->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Shown(window), "");
    EXPECT_EQ(window.ChosenLine(), -1);
    QTest::keyClick(window.ListBox1, Qt::Key_Down);
    EXPECT_EQ(Shown(window), "Replay Cancel1");
    EXPECT_GE(window.ChosenLine(), 0);
    window.Activate();  // as when shown again
    EXPECT_EQ(Shown(window), "");
    EXPECT_EQ(window.Image1->size(), QSize(620, 20));
    EXPECT_FALSE(window.Image1->Picture().isNull());
    ChooseLine(window, 3);
    EXPECT_EQ(Shown(window), "Replay Cancel1");
    Click(window.Cancel1);
    EXPECT_FALSE(window.isVisible());
  });
  test.Form().Score1Click();
  EXPECT_TRUE(seen);
  EXPECT_EQ(test.State().TotalScore, 35);
  EXPECT_EQ(test.Form().SLabel->text(), "0");  // the score label waits for a change of points
}

// Levels 1 and 2 done, level 3 open: level 5 cannot be replayed yet, and Replay says at
// once which level comes first, with no warning before it; nothing is reset.
TEST(LevelListWindow, ALevelPastTheOpenOneNamesTheLevelToPlayFirst) {
  TestGame test;
  test.StartGame();
  PlayLevels(test, 2);
  const LevelTable before = test.State().LevelTable;
  test.platform.ExpectModal([&](QWidget& w) {
    auto& window = static_cast<TOption1&>(w);
    EXPECT_EQ(window.FirstOpenRow, 2);
    ChooseLine(window, 4);
    Click(window.Replay);
    EXPECT_EQ(Shown(window), "Label2 Label3 Replay Cancel1");
    EXPECT_EQ(window.Label2->text(), "Level           must be played first!");
    EXPECT_EQ(window.Label3->text(), "3");
    EXPECT_TRUE(window.Label3->font().bold());
    // The number sits in the gap of the sentence.
    const QFontMetrics metrics(window.Label2->font());
    const int gapStart = window.Label2->x() + metrics.horizontalAdvance("Level ");
    const int gapEnd = window.Label2->x() + metrics.horizontalAdvance("Level          ");
    EXPECT_GE(window.Label3->x(), gapStart);
    EXPECT_LE(window.Label3->x() + window.Label3->width(), gapEnd);
    EXPECT_TRUE(window.isVisible());

    // Replay on level 3 asks first and hides the sentence.
    ChooseLine(window, 2);
    Click(window.Replay);
    EXPECT_EQ(Shown(window), "Replay Cancel1 Warning");
    EXPECT_EQ(window.Warning->text(), " Are you sure you want to replay this level?");
    EXPECT_EQ(window.Label1->text(), "Warning!  You are about to reset scores for this level. ");
    Click(window.Button2);  // "No"
    EXPECT_EQ(Shown(window), "Replay Cancel1");
    Click(window.Cancel1);
  });
  test.Form().Score1Click();
  EXPECT_EQ(test.State().LevelTable, before);
  EXPECT_EQ(test.State().CurrentLevel, 3);
}

// Replaying level 2 after level 4: only row 1 is wiped, level 2 is current again with a
// fresh card game, its questions may be answered again, and the total drops.
TEST(LevelListWindow, ReplayingALevelWipesItsRowAndFreesItsQuestions) {
  TestGame test;
  test.StartGame();
  PlayLevels(test, 4);
  GameState& state = test.State();
  state.LevelTable.Set(1, 13, 9);
  state.AnsweredFlags.SetMark(1, 0, 2);
  state.AnsweredFlags.SetMark(5, 8, 2);
  state.AnsweredFlags.SetMark(2, 1, 4);
  state.TaskTab = 3;
  state.TaskVirtue = 5;
  TPlayCards& cards = test.game->PlayCards();
  cards.Round.DealCount = 2;
  cards.Round.CardRoundDone = 1;
  const int rowOne = 11 + 3;  // 11 points and 3 progress
  const int before = state.TotalScore;
  ASSERT_EQ(state.CurrentLevel, 5);
  test.platform.ExpectModal([&](QWidget& w) {
    auto& window = static_cast<TOption1&>(w);
    ChooseLine(window, 1);
    Click(window.Replay);
    Click(window.Button1);
    EXPECT_FALSE(window.isVisible());
  });
  test.Form().Score1Click();
  EXPECT_EQ(state.CurrentLevel, 2);
  EXPECT_EQ(cards.Round.CardRoundsDone, 1);
  EXPECT_EQ(cards.Round.DealCount, 99);
  EXPECT_EQ(cards.Round.CardRoundDone, 0);
  EXPECT_EQ(state.TotalScore, before - rowOne);
  EXPECT_EQ(test.Form().SLabel->text().toInt(), before - rowOne);
  EXPECT_EQ(test.Form().Level->text(), "2");
  EXPECT_EQ(state.LevelTable.Value(1, 13), 9);  // byte 13 stays
  EXPECT_EQ(state.LevelTable.Value(0, 0), 10);
  EXPECT_EQ(state.LevelTable.Value(2, 3), 3);
  EXPECT_FALSE(state.AnsweredFlags.Answered(1, 0));
  EXPECT_FALSE(state.AnsweredFlags.Answered(5, 8));
  EXPECT_TRUE(state.AnsweredFlags.Answered(2, 1));
  EXPECT_EQ(state.TaskTab, 3);  // the task is not touched
  EXPECT_EQ(state.TaskVirtue, 5);
}

// The empty 56th line is never replayed; Esc presses Cancel only while it shows; the
// warning is still open at the next showing if the window was closed under it.
TEST(LevelListWindow, EmptyLineEscapeAndAWarningThatSurvivesAClose) {
  TestGame test;
  test.StartGame();
  test.platform.ExpectModal([&](QWidget& w) {
    auto& window = static_cast<TOption1&>(w);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());  // no Cancel shown: Esc does nothing
    ChooseLine(window, 55);
    Click(window.Replay);
    EXPECT_EQ(Shown(window), "Replay Cancel1");
    ChooseLine(window, 0);
    Click(window.Replay);
    EXPECT_EQ(Shown(window), "Replay Cancel1 Warning");
    window.Close();  // the close box
  });
  test.Form().Score1Click();
  test.platform.ExpectModal([&](QWidget& w) {
    auto& window = static_cast<TOption1&>(w);
    EXPECT_EQ(Shown(window), "Warning");
    EXPECT_EQ(window.ChosenLine(), 0);  // the chosen line survives too
    ChooseLine(window, 0);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
  test.Form().Score1Click();
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// The column headings stand over the columns of the list.
TEST(LevelListWindow, HeadingsStandOverTheColumns) {
  TestGame test;
  TOption1& window = test.game->Option1();
  window.show();
  const ScoreColumns& columns = window.Columns();
  // The sum ends inside the list, left of the scroll bar.
  EXPECT_LE(3 + columns.right[14], window.ListBox1->viewport()->width());
  EXPECT_GT(3 + columns.right[14], window.ListBox1->viewport()->width() - 12);
  for (std::size_t k = 1; k < columns.right.size(); ++k) {
    EXPECT_GT(columns.left[k], columns.right[k - 1] + 6);
  }
  // Red "LEVEL" at the start of the strip, grey ink over each virtue column, red at the end.
  const QImage strip = window.Image1->Picture();
  auto inkIn = [&](double from, double to, auto test) {
    const double origin =
        window.ListBox1->x() + window.ListBox1->frameWidth() + 3 - window.Image1->x();
    for (int x = static_cast<int>(origin + from); x <= static_cast<int>(origin + to); ++x) {
      for (int y = 0; y < strip.height(); ++y) {
        if (x >= 0 && x < strip.width() && test(QColor(strip.pixel(x, y)))) return true;
      }
    }
    return false;
  };
  auto red = [](QColor c) { return c.red() > 200 && c.green() < 120; };
  auto grey = [](QColor c) { return c.red() < 200 && std::abs(c.red() - c.green()) < 10; };
  EXPECT_TRUE(inkIn(columns.left[0], columns.right[0], red));
  for (std::size_t k = 1; k <= 13; ++k) {
    EXPECT_TRUE(inkIn(columns.left[k], columns.right[k], grey)) << "column " << k;
  }
  EXPECT_TRUE(inkIn(columns.left[14], columns.right[14], red));
}

}  // namespace
}  // namespace quenna
