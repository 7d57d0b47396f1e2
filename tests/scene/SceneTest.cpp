#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "scene/SceneFiles.h"
#include "shell/TForm1.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// Lines 0..10 of a message file whose line n says which value it belongs to.
std::vector<std::string> NumberedLines(int page) {
  std::vector<std::string> lines = {"Nothing special here on page " + std::to_string(page) + "."};
  for (int n = 1; n <= 10; ++n)
    lines.push_back("Line " + std::to_string(n) + " of page " + std::to_string(page));
  return lines;
}

void Click(TForm1& form, int x, int y) {
  QTest::mouseClick(form.Image2, Qt::LeftButton, {}, QPoint(x, y));
}

void ClickButton(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// Opens the date book and turns to a page in look mode, as a player does.
void OpenPage(TestGame& test, int tab) {
  test.StartGame();
  test.Form().Dates->setCurrentIndex(tab);
  ClickButton(test.Form().Look);
}

std::string Shown(const QLabel* label) {
  return label->isVisibleTo(label->window()) ? label->text().toStdString() : "(hidden)";
}

// A look click finds its cell by the cell formula and shows the line of the cell's value;
// values below 1 (the digit 0 or any byte below it) show line 0, a colon shows line 10.
TEST(SceneLook, ClickedCellPicksTheLineOfItsValue) {
  TestGame test;
  auto& grid = test.data.grids[1];
  grid[22] = 3;   // column 1, row 2
  grid[0] = 0;    // stored as the digit 0
  grid[1] = -1;   // stored as "/", below the digit 0
  grid[2] = 10;   // stored as ":"
  grid[399] = 9;  // the last cell of the picture
  test.data.messages[1] = NumberedLines(1);
  test.data.Write();
  OpenPage(test, 1);
  TForm1& form = test.Form();
  ASSERT_EQ(form.CellSize, 30);

  const struct {
    int x, y;
  } clicks[] = {{35, 65}, {5, 5}, {5, 35}, {5, 65}, {599, 599}, {59, 59}, {30, 30}};
  std::ostringstream seen;
  for (const auto& click : clicks) {
    Click(form, click.x, click.y);
    seen << "(" << click.x << "," << click.y << ") cell " << form.ClickedCell << ": "
         << Shown(form.text1) << "\n";
  }
  EXPECT_EQ(seen.str(),
            "(35,65) cell 22: Line 3 of page 1\n"
            "(5,5) cell 0: Nothing special here on page 1.\n"
            "(5,35) cell 1: Nothing special here on page 1.\n"
            "(5,65) cell 2: Line 10 of page 1\n"
            "(599,599) cell 399: Line 9 of page 1\n"
            "(59,59) cell 21: Nothing special here on page 1.\n"
            "(30,30) cell 21: Nothing special here on page 1.\n");
  EXPECT_TRUE(test.platform.Errors().empty());
}

// A value beyond the last line of the message file shows an empty message; a missing
// message file makes every message empty without an error.
TEST(SceneLook, MissingLinesAndFilesShowNothing) {
  TestGame test;
  test.data.grids[2][0] = 5;
  test.data.messages[2] = {"Nothing here.", "One"};
  test.data.Write();
  test.data.Remove(MessageFileName(3));
  OpenPage(test, 2);
  TForm1& form = test.Form();
  Click(form, 5, 5);
  EXPECT_EQ(Shown(form.text1), "");
  test.Form().Dates->setCurrentIndex(3);
  Click(form, 100, 100);
  EXPECT_EQ(Shown(form.text1), "");
  EXPECT_TRUE(test.platform.Errors().empty());
}

// On a picture that is not a multiple of 20 high, the strip below row 19 counts as row
// 20: the same cell index as the top cell of the next column.
TEST(SceneLook, StripBelowTheLastRowReadsAsTheNextColumnsTopCell) {
  TestGame test({1920, 1080});
  test.data.grids[1][20] = 4;
  test.data.messages[1] = NumberedLines(1);
  test.data.Write();
  OpenPage(test, 1);
  TForm1& form = test.Form();
  ASSERT_EQ(form.Image2->height(), 867);  // the picture fills its 885-pixel panel
  ASSERT_EQ(form.CellSize, 43);
  Click(form, 10, 862);
  EXPECT_EQ(form.ClickedCell, 20);
  EXPECT_EQ(Shown(form.text1), "Line 4 of page 1");
}

// A cell index of 645 or more has no grid value: it shows line 0 and reads nothing else.
TEST(SceneLook, CellsBeyondTheGridShowLineZero) {
  TestGame test;
  test.data.messages[1] = NumberedLines(1);
  test.data.Write();
  OpenPage(test, 1);
  TForm1& form = test.Form();
  for (int column : {32, 33, 200}) {
    form.Image2MouseDown(Qt::LeftButton, column * 30 + 1, 29 * 30);
    EXPECT_GE(form.ClickedCell, 645);
    EXPECT_EQ(Shown(form.text1), "Nothing special here on page 1.");
  }
}

// Every click on the scene clears GameSaved; in hand mode a click on a year page does
// nothing else, and in talk mode the look message stays on screen.
TEST(SceneLook, HandAndTalkClicksLeaveTheMessageAlone) {
  TestGame test;
  test.data.grids[1][0] = 1;
  test.data.messages[1] = NumberedLines(1);
  test.data.Write();
  test.StartGame();
  TForm1& form = test.Form();
  form.Dates->setCurrentIndex(1);
  ASSERT_EQ(test.State().ActionMode, kHandMode);
  test.State().GameSaved = true;
  Click(form, 5, 5);
  EXPECT_FALSE(test.State().GameSaved);
  EXPECT_EQ(Shown(form.text1), "(hidden)");

  ClickButton(form.Look);
  Click(form, 5, 5);
  EXPECT_EQ(Shown(form.text1), "Line 1 of page 1");
  ClickButton(form.Talk);
  test.State().GameSaved = true;
  Click(form, 5, 5);
  EXPECT_FALSE(test.State().GameSaved);
  EXPECT_EQ(Shown(form.text1), "Line 1 of page 1");

  // A click on the message hides it.
  QTest::mouseClick(form.text1, Qt::LeftButton);
  EXPECT_EQ(Shown(form.text1), "(hidden)");
}

// A click on the cover opens the card window, whatever the action mode.
TEST(SceneLook, CoverClickOpensTheCardWindow) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  QWidget* shown = nullptr;
  test.platform.ExpectModal([&](QWidget& window) { shown = &window; });
  test.State().GameSaved = true;
  Click(form, 300, 300);
  EXPECT_EQ(shown, &test.game->PlayCards());
  EXPECT_FALSE(test.State().GameSaved);
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);
}

// Choosing the same page again reads its grid record and message file again.
TEST(SceneLook, SamePageChosenAgainIsReadAgain) {
  TestGame test;
  test.data.grids[5][0] = 1;
  test.data.messages[5] = {"Nothing.", "Before"};
  test.data.Write();
  OpenPage(test, 5);
  TForm1& form = test.Form();
  Click(form, 5, 5);
  EXPECT_EQ(Shown(form.text1), "Before");

  test.data.grids[5][0] = 2;
  test.data.messages[5] = {"Nothing.", "Before", "After"};
  test.data.Write();
  form.DatesChange();  // the tab control reports the same page once more
  Click(form, 5, 5);
  EXPECT_EQ(Shown(form.text1), "After");
}

// Read shows the portrait, the date caption and the narration, read once per visit:
// Read stays disabled while it is shown, and only a cleared panel reads the file again.
TEST(SceneRead, NarrationIsReadOncePerVisit) {
  TestGame test;
  test.data.narrations[4] = "The first telling.";
  test.data.Write();
  OpenPage(test, 4);
  TForm1& form = test.Form();
  ClickButton(form.Read1);
  EXPECT_FALSE(form.Read1->isEnabled());
  EXPECT_TRUE(form.Narrator->isVisibleTo(&form));
  EXPECT_EQ(Shown(form.Narrate1), "-1723");
  EXPECT_TRUE(form.Narr2->isVisibleTo(&form));
  EXPECT_EQ(form.Narr2->toPlainText().toStdString(), "The first telling.");

  test.data.narrations[4] = "The second telling.";
  test.data.Write();
  ClickButton(form.Read1);  // disabled: nothing happens
  form.Narration();         // and the file is not read twice in one visit
  EXPECT_EQ(form.Narr2->toPlainText().toStdString(), "The first telling.");

  Click(form, 5, 5);  // a look click clears the panel
  EXPECT_TRUE(form.Read1->isEnabled());
  EXPECT_FALSE(form.Narr2->isVisibleTo(&form));
  ClickButton(form.Read1);
  EXPECT_EQ(form.Narr2->toPlainText().toStdString(), "The second telling.");
}

// Read on the cover does nothing.
TEST(SceneRead, ReadOnTheCoverDoesNothing) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.Read1Click();
  EXPECT_TRUE(form.Read1->isEnabled());
  EXPECT_FALSE(form.Narr2->isVisibleTo(&form));
  EXPECT_FALSE(form.Narrate1->isVisibleTo(&form));
}

// Page 12 (1778) reads data\ornC.dat, data\grid12.dat and the grid record at byte 7095.
TEST(SceneRead, PageTwelveReadsItsOwnFilesAndRecord) {
  TestGame test;
  test.data.grids[11][644] = 7;  // the last byte before the record
  test.data.grids[12][0] = 6;    // its first byte
  test.data.grids[13][0] = 8;
  test.data.messages[12] = NumberedLines(12);
  test.data.narrations[12] = "The story of 1778.";
  test.data.Write();
  {
    std::ifstream grid(test.data.PathOf(kGridFileName), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(grid)), {});
    ASSERT_EQ(bytes.substr(7094, 3), "760");
  }
  EXPECT_EQ(MessageFileName(12), "data\\grid12.dat");
  EXPECT_EQ(NarrationFileName(12), "data\\ornC.dat");
  EXPECT_EQ(NarrationFileName(9), "data\\orn9.dat");
  EXPECT_EQ(NarrationFileName(14), "data\\ornE.dat");

  OpenPage(test, 12);
  TForm1& form = test.Form();
  Click(form, 5, 5);
  EXPECT_EQ(Shown(form.text1), "Line 6 of page 12");
  ClickButton(form.Read1);
  EXPECT_EQ(Shown(form.Narrate1), "-1778");
  EXPECT_EQ(form.Narr2->toPlainText().toStdString(), "The story of 1778.");
}

// The date caption above the narration is the tab's own, "-1720" on the 1722 page.
TEST(SceneRead, DateCaptionOfEveryPage) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  std::string captions;
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    form.Dates->setCurrentIndex(tab);
    form.DateCaption();
    captions += form.Narrate1->text().toStdString() + " ";
  }
  EXPECT_EQ(captions,
            "-1716 -1719 -1720 -1723 -1725 -1727 -1728 -1735 -1746 -1752 -1776 -1778 -1779 -1785 ");
  form.Dates->setCurrentIndex(0);
  form.DateCaption();
  EXPECT_EQ(form.Narrate1->text().toStdString(), "-1785");
}

// ClearRight: mode 0 (the virtue chart) keeps only the chart; mode 2 (a page change)
// keeps the portrait and the tips; mode 1 clears everything. Read is enabled again each time.
TEST(SceneRead, ClearRightModes) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  std::string result;
  for (int mode : {0, 1, 2}) {
    for (QWidget* w : std::initializer_list<QWidget*>{form.Narrate1, form.Narr2, form.text1,
                                                      form.Virtues, form.Narrator, form.Scores}) {
      w->show();
    }
    form.Read1->setEnabled(false);
    form.NarrationLoaded = 1;
    form.ClearRight(mode);
    result += "mode " + std::to_string(mode) + ":";
    const std::pair<const char*, QWidget*> named[] = {
        {"Narrate1", form.Narrate1}, {"Narr2", form.Narr2},       {"text1", form.text1},
        {"Virtues", form.Virtues},   {"Narrator", form.Narrator}, {"Scores", form.Scores}};
    for (const auto& [name, widget] : named) {
      if (widget->isVisibleTo(&form)) result += std::string(" ") + name;
    }
    result += form.Read1->isEnabled() && form.NarrationLoaded == 0 ? " (read again)\n"
                                                                   : " (read blocked)\n";
  }
  EXPECT_EQ(result,
            "mode 0: Virtues (read again)\n"
            "mode 1: (read again)\n"
            "mode 2: Narrator Scores (read again)\n");
}

// Virtues shows the virtue chart in place of the look message and the narration.
TEST(SceneRead, VirtuesButtonShowsTheChart) {
  TestGame test;
  test.data.grids[1][0] = 1;
  test.data.messages[1] = NumberedLines(1);
  test.data.Write();
  OpenPage(test, 1);
  TForm1& form = test.Form();
  Click(form, 5, 5);
  ASSERT_TRUE(form.text1->isVisibleTo(&form));
  ClickButton(form.VButton);
  EXPECT_TRUE(form.Virtues->isVisibleTo(&form));
  EXPECT_FALSE(form.text1->isVisibleTo(&form));
  EXPECT_FALSE(form.Narr2->isVisibleTo(&form));
}

// At start the right-hand panel shows only the tip: the narration, the look message and
// the virtue chart wait until they are asked for.
TEST(SceneRead, PanelStartsWithOnlyTheTip) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  EXPECT_FALSE(form.Narr2->isVisibleTo(&form));
  EXPECT_FALSE(form.Narrate1->isVisibleTo(&form));
  EXPECT_FALSE(form.text1->isVisibleTo(&form));
  EXPECT_FALSE(form.Virtues->isVisibleTo(&form));
  EXPECT_TRUE(form.Scores->isVisibleTo(&form));
}

}  // namespace
}  // namespace quenna
