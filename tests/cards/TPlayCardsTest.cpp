#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>

#include "cards/CardCoach.h"
#include "cards/CardTableLayer.h"
#include "cards/TCardStatistics.h"
#include "core/WorldTables.h"
#include "shell/TForm1.h"
#include "support/CardPlayer.h"
#include "support/CardWindowSupport.h"

namespace quenna {
namespace {

using testing::CardGamePlayed;
using testing::Cards;
using testing::ClickMove;
using testing::DragMove;
using testing::DragSlot;
using testing::kCardSeed;
using testing::KeyMove;
using testing::kNearlyWon;
using testing::LayTable;
using testing::MoveCursorTo;
using testing::OpenCards;
using testing::PlayDealtGame;
using testing::PressKey;
using testing::PressSlot;
using testing::ScreenDifferences;
using testing::ScreenDump;
using testing::SkipCelebration;
using testing::TestGame;
using testing::ViewDump;
using testing::WinTheGame;

// The bare table before a deal: felt in every place but the three cards at the middle.
const std::string kUndealtScreen =
    "XX XX XX XX XX XX XX XX XX XX XX XX XX XX\n"
    "XX XX XX XX XX XX XX XX XX XX XX XX XX XX\n"
    "XX XX XX XX XX XX ?? ?? ?? XX XX XX XX XX\n";

struct CardTest : ::testing::Test {
  CardTest() {
    test.platform.SetNowSeconds(kCardSeed);
    test.StartGame();
  }
  TestGame test;
};

// The window as the form lays it out: captions, places and fonts of every control.
TEST_F(CardTest, ControlsStandWhereTheFormPutsThem) {
  TPlayCards& cards = Cards(test);
  EXPECT_EQ(cards.windowTitle().toStdString(),
            "In the inside cover of the strange book, there is a pocket, with playing cards "
            "tucked inside...");
  std::string layout;
  auto add = [&layout](QWidget* widget, const QString& caption) {
    layout += caption.toStdString() + " at " + std::to_string(widget->x()) + "," +
              std::to_string(widget->y());
    layout += " " + widget->font().family().toStdString() + " " +
              std::to_string(widget->font().pixelSize()) + "px\n";
  };
  add(cards.Image1, "table");
  add(cards.MoreInfo, cards.MoreInfo->text());
  add(cards.HintBtn, cards.HintBtn->text());
  add(cards.DealCards, cards.DealCards->text());
  add(cards.Redeal, cards.Redeal->text());
  add(cards.Hint, "hint");
  add(cards.Label1, cards.Label1->text());
  add(cards.RLabel, cards.RLabel->text());
  add(cards.Label2, cards.Label2->text());
  add(cards.Points, "points");
  add(cards.OrnTalks, "speech");
  add(cards.Continue, cards.Continue->text());
  const QString buttonFont = cards.MoreInfo->font().family();
  const int buttonPixels = cards.MoreInfo->font().pixelSize();
  const std::string button = buttonFont.toStdString() + " " + std::to_string(buttonPixels) + "px";
  EXPECT_EQ(layout, "table at 0,0 " + cards.Image1->font().family().toStdString() + " " +
                        std::to_string(cards.Image1->font().pixelSize()) + "px\n" +
                        "Help at 37,25 " + button + "\n" + "Hint at 125,25 " + button + "\n" +
                        "Deal Cards at 373,25 " + button + "\n" + " Redeal at 481,26 " + button +
                        "\n" +
                        "hint at 128,56 MS Sans Serif 11px\n"
                        "Number of Redeals: at 38,398 Times New Roman 18px\n"
                        "0 at 206,398 Times New Roman 19px\n"
                        "Total Points: at 436,398 Times New Roman 18px\n"
                        "points at 552,398 Times New Roman 18px\n"
                        "speech at 416,134 Times New Roman 16px\n"
                        "Continue at 289,394 " +
                        button + "\n");
  EXPECT_EQ(cards.Image1->size(), QSize(632, 424));
  EXPECT_EQ(cards.OrnTalks->size(), QSize(185, 251));
  EXPECT_TRUE(cards.OrnTalks->wordWrap());
  EXPECT_EQ(cards.Difficulty1->title().toStdString(), "&Skill");
  std::string skills;
  for (QAction* item : cards.Difficulty1->actions()) {
    skills += item->text().toStdString() + (item->isChecked() ? "* " : " ");
  }
  EXPECT_EQ(skills, "Easy* Medium Difficult  Statistics... ");
}

// The cover opens the table; before a deal presses do nothing and the hint says to deal;
// the first deal of a run shuffles the ordered cards, and the picture shows the layout.
TEST_F(CardTest, FirstOpeningAndFirstDeal) {
  bool ran = false;
  OpenCards(test, [&](TPlayCards& cards) {
    ran = true;
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards Redeal(off)");
    EXPECT_EQ(ScreenDump(cards), kUndealtScreen);
    PressSlot(cards, 0);
    EXPECT_EQ(cards.Round.SelectedSlot, kNoSlot);
    EXPECT_TRUE(cards.DealCards->isEnabled());
    cards.HintBtn->click();
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards Redeal(off) Hint[Press the DEAL button.]");

    cards.DealCards->click();
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards Redeal(off) RLabel[0] Points[23]");
    EXPECT_EQ(ScreenDump(cards),
              "1R XX 3R 7R 7B 6R 4R 8R 9R AR BR CR DR 2R\n"
              "1B 2B 3B 4B XX 6B 5R 8B 9B AB BB CB DB 5B\n"
              "1W 2W 3W 4W 5W 6W 7W 8W 9W XX BW CW DW AW\n");
    EXPECT_EQ(ScreenDifferences(cards), "as laid");
    EXPECT_EQ(cards.Round.TableNotDealt, 0);
    cards.Close();
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);
  EXPECT_FALSE(Cards(test).isVisible());
}

// Lifting, putting back and moving, exactly as a player's presses go.
TEST_F(CardTest, PressesLiftPutBackAndMove) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    LayTable(cards,
             "1R 2R 3R 4R XX 6R 7R 8R 9R AR BR CR DR 5B\n"
             "1B 2B 3B 4B XX 6B 7B 8B 9B AB BB CB DB 5R\n"
             "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n");
    std::string log;
    auto press = [&](int slot, const char* what) {
      PressSlot(cards, slot);
      log += std::string(what) + ": selected " + std::to_string(cards.Round.SelectedSlot) +
             (cards.Round.CardLifted ? ", lifted" : "") +
             (cards.Image1->cursor().shape() == Qt::BitmapCursor ? ", drag cursor" : "") +
             ", screen " + ScreenDifferences(cards) + "\n";
    };
    press(13, "5B");
    EXPECT_FALSE(cards.DealCards->isEnabled());
    press(5, "6R while 5B is lifted");
    press(5, "6R");
    press(5, "its own blank place");
    press(13, "5B");
    press(4, "gap after 4R");
    press(18, "gap after 4B");
    press(13, "its old place");
    press(41, "gap after DW");
    EXPECT_EQ(log,
              "5B: selected 13, lifted, drag cursor, screen 13:XX\n"
              "6R while 5B is lifted: selected 13, screen as laid\n"
              "6R: selected 5, lifted, drag cursor, screen 5:XX\n"
              "its own blank place: selected 5, screen as laid\n"
              "5B: selected 13, lifted, drag cursor, screen 13:XX\n"
              "gap after 4R: selected 13, screen as laid\n"
              "gap after 4B: selected 13, screen as laid\n"
              "its old place: selected 13, screen as laid\n"
              "gap after DW: selected 13, screen as laid\n");
    EXPECT_EQ(DumpLayout(cards.Cards.CardLayout),
              "1R 2R 3R 4R XX 6R 7R 8R 9R AR BR CR DR XX\n"
              "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB 5R\n"
              "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n");
    EXPECT_FALSE(cards.Redeal->isEnabled());
    cards.Close();
  });
}

// Which place a press at a pixel means: the row borders lie at 150 and 240, presses left
// of the first column are ignored.
TEST_F(CardTest, PressPixelsMapToPlaces) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    std::string report;
    const std::vector<QPoint> presses = {{4, 120},   {5, 120},  {49, 120}, {50, 120},
                                         {631, 120}, {20, 0},   {20, 150}, {20, 151},
                                         {20, 159},  {20, 240}, {20, 241}, {20, 421}};
    for (const QPoint& at : presses) {
      cards.Round.SelectedSlot = kNoSlot;
      cards.Round.CardLifted = false;
      QTest::mouseClick(cards.Image1, Qt::LeftButton, {}, at);
      report += std::to_string(at.x()) + "," + std::to_string(at.y()) + " -> " +
                std::to_string(cards.Round.SelectedSlot) + "\n";
      cards.DisplayCards();
    }
    EXPECT_EQ(report,
              "4,120 -> 99\n"
              "5,120 -> 0\n"
              "49,120 -> 0\n"
              "50,120 -> 1\n"
              "631,120 -> 13\n"
              "20,0 -> 0\n"
              "20,150 -> 0\n"
              "20,151 -> 14\n"
              "20,159 -> 14\n"
              "20,240 -> 14\n"
              "20,241 -> 28\n"
              "20,421 -> 28\n");
    cards.Close();
  });
}

// Three deals at most; a new skill starts from the ordered cards, the same skill shuffles
// on; the points shown follow the skill.
TEST_F(CardTest, DealsAndSkills) {
  OpenCards(test, [&](TPlayCards& cards) {
    CardTable expected = NewCardTable();
    std::string report;
    for (int deal = 1; deal <= 3; ++deal) {
      cards.DealCards->click();
      DealShuffle(expected, kCardSeed);
      EXPECT_EQ(cards.Cards.CardLayout, expected.CardLayout) << deal;
      report += "deal " + std::to_string(cards.Round.DealCount) + ": " + ViewDump(cards) + "\n";
    }
    EXPECT_EQ(report,
              "deal 1: Image1 MoreInfo HintBtn DealCards Redeal(off) RLabel[0] Points[23]\n"
              "deal 2: Image1 MoreInfo HintBtn DealCards Redeal(off) RLabel[0] Points[23]\n"
              "deal 3: Image1 MoreInfo HintBtn DealCards(off) Redeal(off) RLabel[0] Points[23]\n");
    cards.Close();
  });

  // A fresh card game on each skill.
  for (auto [menu, stride, points] : {std::tuple{&TPlayCards::Medium1, kMediumStride, "33"},
                                      std::tuple{&TPlayCards::Difficult1, kDifficultStride, "43"},
                                      std::tuple{&TPlayCards::Easy1, kEasyStride, "23"}}) {
    Cards(test).Round.DealCount = 99;
    OpenCards(test, [&, menu = menu, stride = stride, points = points](TPlayCards& cards) {
      (cards.*menu)->trigger();
      int checked = 0;
      for (QAction* item : cards.Difficulty1->actions()) checked += item->isChecked() ? 1 : 0;
      EXPECT_EQ(checked, 1);
      EXPECT_TRUE((cards.*menu)->isChecked());
      cards.DealCards->click();
      CardTable expected = NewCardTable();
      NewDeck(expected, stride);
      Shuffle(expected, kCardSeed);
      EXPECT_EQ(cards.Cards.CardLayout, expected.CardLayout);
      EXPECT_EQ(cards.Points->text().toStdString(), points);
      EXPECT_EQ(ScreenDifferences(cards), "as laid");
      cards.Close();
    });
  }
}

// Stuck after a move: " Redeal" comes on, the hint says so, a redeal costs 2 points and
// keeps each row's finished start.
TEST_F(CardTest, StuckThenRedeal) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    LayTable(cards,
             "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
             "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB XX DB CB\n"
             "1W 2W 3W 4W 5W 6W 7W 8W 9W AW DW XX BW CW\n");
    PressSlot(cards, 27);
    PressSlot(cards, 25);
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards(off) Redeal RLabel[0] Points[23]");
    cards.HintBtn->click();
    EXPECT_EQ(cards.Hint->text().toStdString(), "Press the REDEAL button.");
    cards.Redeal->click();
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards(off) Redeal(off) RLabel[1] Points[21]");
    EXPECT_EQ(ScreenDump(cards),
              "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
              "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
              "1W 2W 3W 4W 5W 6W 7W 8W 9W AW XX DW BW CW\n");
    EXPECT_EQ(ScreenDifferences(cards), "as laid");
    cards.Close();
  });
}

// A deal never leaves the table stuck. Two deals within one second on "Easy" would lay
// the cards out in order again, with nothing to play; the second deal shuffles on
// instead. A deal with no move at all (Medium, clock second 1700000011) offers " Redeal"
// at once, at its usual cost, and the hint says to press it, also after the window was
// closed and opened again.
TEST_F(CardTest, ADealNeverLeavesTheTableStuck) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCards->click();
    cards.DealCards->click();
    EXPECT_NE(cards.Cards.CardLayout, OrderedLayout());
    EXPECT_EQ(Blocked(cards.Cards.CardLayout), kMoveLeft);
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards Redeal(off) RLabel[0] Points[23]");
    cards.Close();
  });

  test.platform.SetNowSeconds(1'700'000'011);
  Cards(test).Round.DealCount = 99;  // a fresh card game
  OpenCards(test, [&](TPlayCards& cards) {
    cards.Medium1->trigger();
    cards.DealCards->click();
    EXPECT_EQ(DumpLayout(cards.Cards.CardLayout),
              "1R 2R 6R 4R 5R 3R 7R 8R AR 9R BR 4B DR XX\n"
              "1B 6W 3B CB 5B AW 8B 7B 9B AB BB CR DB XX\n"
              "1W 6B 3W 4W 5W 2B 7W 8W 9W 2W BW CW DW XX\n");
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards Redeal RLabel[0] Points[33]");
    cards.Close();
  });
  OpenCards(test, [&](TPlayCards& cards) {
    PressSlot(cards, 0);
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards(off) Redeal");
    cards.HintBtn->click();
    EXPECT_EQ(cards.Hint->text().toStdString(), "Press the REDEAL button.");
    cards.Redeal->click();
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards(off) Redeal(off)");
    EXPECT_EQ(cards.RedealCount, 1);
    EXPECT_EQ(cards.Points->text().toStdString(), "31");
    EXPECT_EQ(Blocked(cards.Cards.CardLayout), kMoveLeft);
    cards.Close();
  });
}

// "Help": the opening, three steps, then the table as it was; closing during the speech
// ends the speech instead of the window.
TEST_F(CardTest, HelpSpeechAndClosingDuringIt) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    PressSlot(cards, 2);  // a lifted card stays lifted through the speech
    const std::string table = ScreenDump(cards);
    cards.HintBtn->click();
    cards.MoreInfo->click();
    std::string speech = ViewDump(cards) + "\n" + cards.OrnTalks->text().toStdString() + "\n";
    for (int step = 0; step < 4; ++step) {
      cards.Continue->click();
      speech += ViewDump(cards) + "\n";
      if (cards.OrnTalks->isVisibleTo(&cards))
        speech += cards.OrnTalks->text().toStdString() + "\n";
    }
    EXPECT_EQ(speech,
              "OrnPic OrnTalks Continue RLabel[0] Points[23]\n"
              "I have always loved playing games, and I have found them quite instructive too.  I "
              "sometimes learned languages by playing chess matches with my friends; the loser "
              "of the match having to do the translations, you see.\n"
              "OrnPic OrnTalks Continue RLabel[0] Points[23]\n"
              "I have devised this little card game to entertain you, while you learn about my "
              "life, The cards must be put in the proper sequence.  For example, a red Two may "
              "only be moved into a space after a red One.\n"
              "OrnPic OrnTalks Continue RLabel[0] Points[23]\n"
              "First click on the card you want to move.  Then click on a space where you want "
              "to move it.  The cards must go in sequence and in the same color.  You may place "
              "a One card at the beginning of any row.\n"
              "OrnPic OrnTalks Continue RLabel[0] Points[23]\n"
              "You may shuffle up to three times before you begin without penalty.  But once you "
              "move a card, you may not reshuffle without losing points! \n"
              "Image1 MoreInfo HintBtn DealCards(off) Redeal(off) RLabel[0] Points[23]\n");
    EXPECT_EQ(cards.OrnPic->LoadedFile(), test.data.PathOf("closeups//ornhd1x1.jpg"));
    EXPECT_EQ(ScreenDump(cards), table);
    EXPECT_TRUE(cards.Round.CardLifted);

    cards.MoreInfo->click();
    cards.Continue->click();
    EXPECT_FALSE(cards.Close());
    EXPECT_TRUE(cards.isVisible());
    EXPECT_EQ(cards.HelpStep, 0);
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards(off) Redeal(off) RLabel[0] Points[23]");
    EXPECT_TRUE(cards.Close());
  });
  EXPECT_FALSE(Cards(test).isVisible());
}

// The whole card round of a level: win, congratulation, task, close, come back to the
// same task, then the task's page invites the player to talk.
TEST_F(CardTest, WinCongratulationTaskAndTheTaskPage) {
  GameState& state = test.State();
  ASSERT_EQ(state.CurrentLevel, 1);
  const std::string virtue = std::string(VirtueName(DrawVirtue(kCardSeed)));
  const std::string taskText =
      "There is now a task you must complete.  Please talk to Wynnet in 1746.  You are seeking "
      "the virtue of " +
      virtue;
  OpenCards(test, [&](TPlayCards& cards) {
    WinTheGame(cards);
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue RLabel[0] Points[23]");
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "Congratulations... you have played my little game very well so far.");
    EXPECT_EQ(cards.Round.CardRoundsDone, 1);
    cards.Continue->click();
    EXPECT_EQ(cards.OrnTalks->text().toStdString(), taskText);
    EXPECT_EQ(cards.Round.CardRoundDone, 1);
    cards.Continue->click();
    EXPECT_FALSE(cards.isVisible());
  });
  const auto& row = state.LevelTable.RowAt(0);
  EXPECT_EQ(std::vector<int>(row.begin(), row.end()),
            (std::vector<int>{0, 0, 10, 2, 10, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(state.TotalScore, 23);
  EXPECT_EQ(state.TaskTab, 9);
  EXPECT_EQ(state.TaskVirtue, DrawVirtue(kCardSeed));
  EXPECT_EQ(state.TaskDone, 1);
  EXPECT_EQ(Cards(test).Round.CardRoundDone, 1);

  // Later, in another second: the same task, the same virtue.
  test.platform.AdvanceMilliseconds(5000);
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue RLabel[0] Points[23]");
    EXPECT_EQ(cards.OrnTalks->text().toStdString(), taskText);
    cards.Close();
  });
  EXPECT_EQ(state.TaskVirtue, DrawVirtue(kCardSeed));

  TForm1& form = test.Form();
  form.Dates->setCurrentIndex(3);
  EXPECT_FALSE(form.Talk->isEnabled());
  form.Dates->setCurrentIndex(9);
  EXPECT_TRUE(form.Talk->isEnabled());
  EXPECT_TRUE(form.Scores->isVisibleTo(&form));
  EXPECT_EQ(form.Scores->text().toStdString(),
            "You may talk to a character on this screen.  Look or read about the scene to help "
            "you answer questions.  You are seeking the virtue of " +
                virtue);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// Closing by the close box at the congratulation keeps the win; the next opening shows
// the congratulation again and "Continue" gives the task.
TEST_F(CardTest, ClosingAtTheCongratulation) {
  OpenCards(test, [&](TPlayCards& cards) {
    WinTheGame(cards);
    EXPECT_TRUE(cards.Close());
  });
  EXPECT_EQ(test.State().LevelTable.Value(0, 3), 2);
  EXPECT_EQ(test.State().TaskTab, 0);
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue");
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "Congratulations... you have played my little game very well so far.");
    cards.Continue->click();
    EXPECT_EQ(cards.OrnTalks->text().toStdString().substr(0, 72),
              "There is now a task you must complete.  Please talk to Wynnet in 1746.  ");
    cards.Continue->click();
  });
  EXPECT_EQ(test.State().TaskTab, 9);
  EXPECT_EQ(test.State().LevelTable.Value(0, 3), 2);
}

// With the card game off the cover marks the level's progress once and the window gives
// the task straight away.
TEST_F(CardTest, CardGameOffGoesStraightToTheTask) {
  test.Form().CardsOffClick();
  for (int opening = 0; opening < 2; ++opening) {
    OpenCards(test, [&](TPlayCards& cards) {
      EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue");
      EXPECT_EQ(cards.OrnTalks->text().toStdString().substr(0, 72),
                "There is now a task you must complete.  Please talk to Wynnet in 1746.  ");
      cards.Continue->click();
      EXPECT_FALSE(cards.isVisible());
    });
    EXPECT_EQ(test.State().LevelTable.Value(0, 3), 3);
    EXPECT_EQ(Cards(test).Round.CardRoundsDone, 1);
    EXPECT_EQ(Cards(test).Round.CardRoundDone, 1);
    EXPECT_EQ(test.State().TaskTab, 9);
  }
}

// Closing mid-game and coming back shows the same table, the counters hidden until a
// deal; a fresh game asked for by the main window wipes the table.
TEST_F(CardTest, ComingBackMidGameAndAFreshGame) {
  std::string table;
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    cards.DealCardsClick();
    PressSlot(cards, 20);
    table = ScreenDump(cards);
    cards.Close();
  });
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards(off) Redeal(off)");
    EXPECT_EQ(ScreenDump(cards), table);
    EXPECT_EQ(cards.Round.DealCount, 2);
    cards.Close();
  });

  Cards(test).Round.DealCount = 99;
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards Redeal(off)");
    EXPECT_EQ(ScreenDump(cards), kUndealtScreen);
    EXPECT_EQ(cards.Round.TableNotDealt, 1);
    EXPECT_EQ(cards.Round.DealCount, 0);
    EXPECT_FALSE(cards.Round.CardLifted);
    PressSlot(cards, 0);
    EXPECT_EQ(cards.Round.SelectedSlot, kNoSlot);
    cards.DealCardsClick();
    EXPECT_EQ(ScreenDifferences(cards), "as laid");
    EXPECT_EQ(cards.Points->text().toStdString(), "23");
    cards.Close();
  });
}

// A task given again after an answer has marked the virtue for its bonus names the
// virtue itself and keeps the mark; so does the talk tip on the task's page.
TEST_F(CardTest, TaskTextWithTheBonusMark) {
  test.State().TaskVirtue = 105;
  Cards(test).Round.CardRoundsDone = 2;
  Cards(test).Round.CardRoundDone = 1;
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "There is now a task you must complete.  Please talk to young Orn in 1716.  You "
              "are seeking the virtue of frugality.");
    cards.Close();
  });
  EXPECT_EQ(test.State().TaskVirtue, 105);
  EXPECT_EQ(test.State().TaskTab, 1);
  test.Form().Dates->setCurrentIndex(1);
  EXPECT_EQ(test.Form().Scores->text().toStdString(),
            "You may talk to a character on this screen.  Look or read about the scene to help "
            "you answer questions.  You are seeking the virtue of frugality.");
}

// Dragging cards and pressing card then gap play the same game: the same seeded deal
// played both ways gives the same tables, redeals, points and level credit.
TEST(CardWays, DragAndDropPlaysTheSameGameAsClicks) {
  struct Outcome {
    CardGamePlayed played;
    std::string table;
    std::string screen;
    std::string points;
    std::vector<int> row;
  };
  auto play = [](testing::MoveWay way) {
    TestGame test;
    test.platform.SetNowSeconds(kCardSeed);
    test.StartGame();
    Outcome outcome;
    OpenCards(test, [&](TPlayCards& cards) {
      cards.Medium1->trigger();
      cards.DealCards->click();
      outcome.played = PlayDealtGame(cards, test.platform, 2000, way);
      outcome.table = DumpLayout(cards.Cards.CardLayout);
      outcome.screen = ScreenDump(cards);
      outcome.points = cards.Points->text().toStdString();
      cards.Close();
    });
    const auto& row = test.State().LevelTable.RowAt(0);
    outcome.row.assign(row.begin(), row.end());
    return outcome;
  };
  const Outcome clicked = play(ClickMove);
  const Outcome dragged = play(DragMove);
  ASSERT_TRUE(clicked.played.won) << clicked.played.stuckTable;
  EXPECT_GT(clicked.played.moves, 20);
  EXPECT_TRUE(dragged.played.won) << dragged.played.stuckTable;
  EXPECT_EQ(dragged.played.moves, clicked.played.moves);
  EXPECT_EQ(dragged.played.redeals, clicked.played.redeals);
  EXPECT_EQ(dragged.table, clicked.table);
  EXPECT_EQ(dragged.screen, clicked.screen);
  EXPECT_EQ(dragged.points, clicked.points);
  EXPECT_EQ(dragged.row, clicked.row);
}

// While a card is lifted its place shows bare felt, the card rides under the pointer and
// exactly the gaps that take it are lit: checked for every card of a seeded deal, and
// for a One with two row starts free.
TEST_F(CardTest, TheLitGapsAreExactlyTheOnesThatTakeTheLiftedCard) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.Medium1->trigger();
    cards.DealCardsClick();
    auto check = [&cards](const std::string& table) {
      const Slots& layout = cards.Cards.CardLayout;
      int lit = 0;
      for (int slot = 0; slot < kTableSlots; ++slot) {
        const CardCode card = layout[static_cast<std::size_t>(slot)];
        if (IsGap(card)) continue;
        std::vector<int> takers;
        for (int gap = 0; gap < kTableSlots; ++gap) {
          if (!IsGap(layout[static_cast<std::size_t>(gap)])) continue;
          const bool rowStart = ColumnOf(gap) == 0 && card[0] == '1';
          const CardCode& left =
              ColumnOf(gap) == 0 ? kGap : layout[static_cast<std::size_t>(gap - 1)];
          const bool follows = !IsGap(left) && left[1] == card[1] && NextRank(left[0]) == card[0];
          if (rowStart || follows) takers.push_back(gap);
        }
        PressSlot(cards, slot);
        EXPECT_EQ(cards.HighlightedGaps(), takers) << card << " in " << table;
        EXPECT_EQ(ScreenDifferences(cards), std::to_string(slot) + ":XX");
        lit += static_cast<int>(takers.size());
        PressSlot(cards, slot);  // back to its place
        EXPECT_TRUE(cards.HighlightedGaps().empty());
      }
      return lit;
    };
    EXPECT_GT(check("the seeded deal"), 0);
    LayTable(cards,
             "XX 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR 1B\n"
             "XX 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB 1R\n"
             "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n");
    EXPECT_EQ(check("two row starts free"), 6);

    // What the player sees: the lit gap glows, the card in hand is drawn where the
    // pointer holds it, and nothing shows over the table once it is down.
    PressSlot(cards, 13);
    const QImage lifted = cards.Image1->grab().toImage();
    const QRect gapPlace(SlotX(14), SlotY(14), kCardWidth, kCardHeight);
    EXPECT_NE(lifted.copy(gapPlace), CardPicture("GAP").convertToFormat(lifted.format()));
    EXPECT_EQ(cards.findChild<CardTableLayer*>()->Shown().held, "1B");
    PressSlot(cards, 14);
    EXPECT_EQ(cards.findChild<CardTableLayer*>()->Shown(), CardTableLayer::Marks{});
    cards.Close();
  });
}

// A lifted card let go of over a gap that does not take it goes back to its place;
// nothing is counted and the hint line says where it goes. Let go of anywhere else, it
// goes back without a word; a click then takes the same card again.
TEST_F(CardTest, AnIllegalDropChangesNothingAndSaysWhy) {
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    const std::string table =
        "1R 2R 3R 4R XX 6R 7R 8R 9R AR BR CR DR 5B\n"
        "1B 2B 3B 4B XX 6B 7B 8B 9B AB BB CB DB 5R\n"
        "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n";
    LayTable(cards, table);
    const std::string before = ViewDump(cards);
    DragSlot(cards, 13, 4);
    EXPECT_EQ(DumpLayout(cards.Cards.CardLayout), table);
    EXPECT_EQ(ScreenDifferences(cards), "as laid");
    EXPECT_FALSE(cards.Round.CardLifted);
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards(off) Redeal(off) Hint[The Blue 5 goes after the "
              "Blue 4.] RLabel[0] Points[23]");
    EXPECT_EQ(before, "Image1 MoreInfo HintBtn DealCards Redeal(off) RLabel[0] Points[23]");

    // By clicks the same; a press on a gap with nothing lifted says nothing.
    PressSlot(cards, 27);
    PressSlot(cards, 41);
    EXPECT_EQ(cards.Hint->text().toStdString(), "The Red 5 goes after the Red 4.");
    EXPECT_TRUE(cards.Hint->isVisible());
    PressSlot(cards, 41);
    EXPECT_FALSE(cards.Hint->isVisible());

    // Let go of over the card's own place, over another card, or off the table.
    for (const QPoint& end : {QPoint(SlotX(13) + 22, SlotY(13) + 28), QPoint(290, 230),
                              QPoint(600, 420), QPoint(-30, 120)}) {
      const QPoint start(SlotX(13) + 20, SlotY(13) + 30);
      QTest::mousePress(cards.Image1, Qt::LeftButton, {}, start);
      QTest::mouseMove(cards.Image1, start + QPoint(0, 40));
      QTest::mouseMove(cards.Image1, end);
      EXPECT_EQ(cards.findChild<CardTableLayer*>()->Shown().heldAt, end - QPoint(20, 30));
      QTest::mouseRelease(cards.Image1, Qt::LeftButton, {}, end);
      EXPECT_EQ(DumpLayout(cards.Cards.CardLayout), table);
      EXPECT_EQ(ScreenDifferences(cards), "as laid");
      EXPECT_FALSE(cards.Hint->isVisible());
      EXPECT_TRUE(cards.HighlightedGaps().empty());
    }
    EXPECT_EQ(cards.RedealCount, 0);
    DragSlot(cards, 27, 4);
    EXPECT_EQ(ScreenDump(cards).substr(0, 14), "1R 2R 3R 4R 5R");
    cards.Close();
  });
}

// A win lights the cards up before the hero congratulates: the lights end by themselves,
// or at once at a click or a key; closing the window meanwhile keeps the congratulation
// for the next opening.
TEST_F(CardTest, TheLightsOfAWinEndByThemselvesOrAtAClickOrAKey) {
  auto winningMove = [](TPlayCards& cards) {
    cards.DealCardsClick();
    LayTable(cards, kNearlyWon);
    PressSlot(cards, 27);
    PressSlot(cards, 26);
  };
  const std::string congratulation = "OrnPic OrnTalks Continue RLabel[0] Points[23]";
  OpenCards(test, [&](TPlayCards& cards) {
    cards.CelebrationMilliseconds = 60;
    winningMove(cards);
    EXPECT_TRUE(cards.Celebrating());
    EXPECT_EQ(ViewDump(cards),
              "Image1 MoreInfo HintBtn DealCards(off) Redeal(off) RLabel[0] "
              "Points[23]");
    EXPECT_EQ(test.State().LevelTable.Value(0, 3), 2);  // the win counts at once
    EXPECT_TRUE(QTest::qWaitFor([&cards] { return !cards.Celebrating(); }, 5000));
    EXPECT_EQ(ViewDump(cards), congratulation);
    EXPECT_EQ(cards.focusWidget(), cards.Continue);
    cards.Close();
  });
  for (auto skip : {+[](TPlayCards& cards) { QTest::mouseClick(cards.Image1, Qt::LeftButton); },
                    +[](TPlayCards& cards) { QTest::mouseClick(cards.MoreInfo, Qt::LeftButton); },
                    +[](TPlayCards& cards) { PressKey(cards, Qt::Key_X); }}) {
    Cards(test).Round.NewLevel();
    OpenCards(test, [&](TPlayCards& cards) {
      winningMove(cards);
      EXPECT_TRUE(cards.Celebrating());
      skip(cards);
      EXPECT_FALSE(cards.Celebrating());
      EXPECT_EQ(ViewDump(cards), congratulation);
      EXPECT_EQ(cards.HelpStep, 0);
      cards.Close();
    });
  }

  Cards(test).Round.NewLevel();
  OpenCards(test, [&](TPlayCards& cards) {
    winningMove(cards);
    EXPECT_TRUE(cards.Close());
    EXPECT_FALSE(cards.Celebrating());
  });
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue");
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "Congratulations... you have played my little game very well so far.");
    cards.Close();
  });
}

// Each skill keeps its games won, fewest redeals and best points in the settings: a
// win counts for the skill it was dealt on, a game made again on the same settings
// (the next run) shows them, and "Reset" starts afresh.
TEST_F(CardTest, StatisticsCountWinsPerSkillAndLastBetweenRuns) {
  auto statistics = [this] {
    std::string shown;
    test.platform.ExpectModal([&shown](QWidget& window) {
      auto& dialog = dynamic_cast<TCardStatistics&>(window);
      for (const auto& row : dialog.Figures) {
        for (QLabel* figure : row) shown += figure->text().toStdString() + " ";
        shown += "/ ";
      }
      dialog.CloseBtn->click();
    });
    Cards(test).Statistics1->trigger();
    return shown;
  };
  EXPECT_EQ(statistics(), "0 - - / 0 - - / 0 - - / ");

  // Two redeals on Easy, then a clean win; one on Medium, where the skill was changed
  // after the deal.
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCardsClick();
    cards.RedealCount = 2;
    LayTable(cards, kNearlyWon);
    PressSlot(cards, 27);
    PressSlot(cards, 26);
    SkipCelebration(cards);
    cards.Close();
  });
  Cards(test).Round.NewLevel();
  OpenCards(test, [&](TPlayCards& cards) {
    WinTheGame(cards);
    cards.Close();
  });
  Cards(test).Round.NewLevel();
  OpenCards(test, [&](TPlayCards& cards) {
    cards.Medium1->trigger();
    cards.DealCardsClick();
    cards.Difficult1->trigger();
    cards.RedealCount = 1;
    LayTable(cards, kNearlyWon);
    PressSlot(cards, 27);
    PressSlot(cards, 26);
    SkipCelebration(cards);
    cards.Close();
  });
  EXPECT_EQ(statistics(), "2 0 23 / 1 1 31 / 0 - - / ");
  EXPECT_EQ(test.platform.Settings().at("cards/easy/won"), "2");
  EXPECT_EQ(test.platform.Settings().at("cards/easy/fewestRedeals"), "0");
  EXPECT_EQ(test.platform.Settings().at("cards/medium/bestPoints"), "31");

  test.Create();
  EXPECT_EQ(statistics(), "2 0 23 / 1 1 31 / 0 - - / ");
  // "Reset" asks first: "Keep" keeps the records, "Reset" clears them.
  auto answer = [this](const char* button) {
    test.platform.ExpectModal([button](QWidget& window) {
      auto& box = dynamic_cast<QMessageBox&>(window);
      EXPECT_EQ(box.text().toStdString(),
                "Clear the games won, fewest redeals and best points of all three skills?");
      for (QAbstractButton* choice : box.buttons()) {
        if (choice->text() == button) choice->click();
      }
    });
  };
  test.platform.ExpectModal([&answer](QWidget& window) {
    auto& dialog = dynamic_cast<TCardStatistics&>(window);
    answer("Keep");
    dialog.ResetBtn->click();
    EXPECT_EQ(dialog.Figures[0][0]->text().toStdString(), "2");
    answer("Reset");
    dialog.ResetBtn->click();
    EXPECT_EQ(dialog.Figures[0][0]->text().toStdString(), "0");
    dialog.Close();
  });
  Cards(test).Statistics1->trigger();
  EXPECT_EQ(test.platform.PendingModalDrivers(), 0u);
  test.Create();
  EXPECT_EQ(statistics(), "0 - - / 0 - - / 0 - - / ");
}

// The Skill menu's choice is there again at the next run; a missing or damaged setting
// starts on "Easy".
TEST_F(CardTest, TheSkillIsRememberedBetweenRuns) {
  auto checked = [this] {
    std::string items;
    for (QAction* item : {Cards(test).Easy1, Cards(test).Medium1, Cards(test).Difficult1}) {
      if (item->isChecked()) items += item->text().toStdString();
    }
    return items;
  };
  EXPECT_EQ(checked(), "Easy");
  Cards(test).Difficult1->trigger();
  EXPECT_EQ(test.platform.Settings().at("options/cardSkill"), "3");
  test.Create();
  EXPECT_EQ(checked(), "Difficult");
  Cards(test).Medium1->trigger();
  test.Create();
  EXPECT_EQ(checked(), "Medium");
  // The remembered skill deals as if chosen in the menu.
  test.StartGame();
  OpenCards(test, [](TPlayCards& cards) {
    cards.DealCardsClick();
    EXPECT_EQ(cards.Cards.ShuffleStride, kMediumStride);
    EXPECT_EQ(cards.Points->text().toStdString(), "33");
    cards.Close();
  });
  for (const char* damaged : {"0", "4", "2x", ""}) {
    test.platform.WriteSetting("options/cardSkill", damaged);
    test.Create();
    EXPECT_EQ(checked(), "Easy") << damaged;
  }
}

// A card game won from the keyboard alone: Enter on "Deal Cards", the arrows and Enter
// for every move, R when stuck, a key over the lights and Enter on "Continue". D, R and
// C press nothing while their buttons cannot be pressed; H gives the hint.
TEST_F(CardTest, ACardGameWonWithTheKeyboardAlone) {
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(cards.focusWidget(), cards.DealCards);
    EXPECT_TRUE(cards.DealCards->isDefault());
    PressKey(cards, Qt::Key_Return);
    EXPECT_EQ(cards.Round.DealCount, 1);
    EXPECT_EQ(cards.CursorSlot(), kNoSlot);

    PressKey(cards, Qt::Key_Down);  // the first arrow shows the cursor where it stands
    EXPECT_EQ(cards.CursorSlot(), 0);
    EXPECT_EQ(cards.focusWidget(), cards.Image1);
    MoveCursorTo(cards, 41);
    PressKey(cards, Qt::Key_Right);
    EXPECT_EQ(cards.CursorSlot(), 41);
    PressKey(cards, Qt::Key_R);
    PressKey(cards, Qt::Key_C);
    EXPECT_EQ(cards.RedealCount, 0);
    PressKey(cards, Qt::Key_H);
    EXPECT_TRUE(cards.Hint->isVisible());

    const CardGamePlayed played = PlayDealtGame(cards, test.platform, 2000, KeyMove);
    EXPECT_TRUE(played.won) << played.stuckTable;
    EXPECT_EQ(cards.Round.DealCount, 1);
    PressKey(cards, Qt::Key_D);
    EXPECT_EQ(cards.Round.DealCount, 1);
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "Congratulations... you have played my little game very well so far.");
    EXPECT_EQ(cards.focusWidget(), cards.Continue);
    PressKey(cards, Qt::Key_Return);
    EXPECT_EQ(cards.OrnTalks->text().toStdString().substr(0, 38),
              "There is now a task you must complete.");
    PressKey(cards, Qt::Key_Return);
    EXPECT_FALSE(cards.isVisible());
  });
  EXPECT_EQ(test.State().TaskTab, 9);
  EXPECT_EQ(test.State().LevelTable.Value(0, 3), 2);
}

// The task given with the card game off shows no redeals or points: neither those of
// the level before, played at the table, nor captions without figures.
TEST_F(CardTest, TheTaskWithTheCardGameOffShowsNoOldFigures) {
  OpenCards(test, [&](TPlayCards& cards) {
    WinTheGame(cards);
    cards.Continue->click();
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue RLabel[0] Points[23]");
    cards.Continue->click();
  });
  Cards(test).Round.NewLevel();
  Cards(test).Round.ReachLevel(2);
  test.Form().CardsOffClick();
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "OrnPic OrnTalks Continue");
    EXPECT_FALSE(cards.Label1->isVisibleTo(&cards));
    EXPECT_FALSE(cards.Label2->isVisibleTo(&cards));
    cards.Close();
  });
  // The card game on again, the next level's table has its captions back.
  test.Form().CardsOnClick();
  Cards(test).Round.NewLevel();
  OpenCards(test, [&](TPlayCards& cards) {
    EXPECT_EQ(ViewDump(cards), "Image1 MoreInfo HintBtn DealCards Redeal(off)");
    EXPECT_TRUE(cards.Label1->isVisibleTo(&cards));
    EXPECT_TRUE(cards.Label2->isVisibleTo(&cards));
    cards.Close();
  });
}

}  // namespace
}  // namespace quenna
