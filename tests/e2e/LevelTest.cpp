#include <gtest/gtest.h>

#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"

namespace quenna {
namespace {

using testing::ClickCell;
using testing::FixtureDialogue;
using testing::PlaceOnGrid;
using testing::PlayTaskFromYearPage;
using testing::TestGame;

// A player plays a level with the card game off: the cover, the task, the task's page,
// a conversation with a correct answer, the level message, and on to the next level.
TEST(Level, CoverTaskTalkAnswerAndTheNextLevel) {
  TestGame test;
  test.data.WritePicture("closeups//wyn17461x1.jpg", 380, 380, QColor(90, 60, 40));
  FixtureDialogue().Set(68, "A123").WriteTo(test.data, "d2\\wyn1746.dat");
  PlaceOnGrid(test.data, 9, 45, 2);
  test.Create();
  test.StartGame();
  TForm1& form = test.Form();
  GameState& state = test.State();
  TPlayCards& cards = test.game->PlayCards();
  form.CardsOff->trigger();

  // The cover opens the card window, which assigns the task: Wynnet's page, cleanliness.
  auto assignTask = [&](int tab, int virtue) {
    test.platform.ExpectModal([&state, tab, virtue](QWidget&) {
      state.TaskTab = tab;
      state.TaskVirtue = virtue;
      state.TaskDone = 1;
    });
  };
  assignTask(9, 10);
  ClickCell(form, 0);
  ASSERT_EQ(test.platform.PendingModalDrivers(), 0u);
  EXPECT_EQ(state.LevelTable.Value(0, LevelTable::kProgressColumn), 3);
  EXPECT_EQ(cards.Round.CardRoundDone, 1);

  const std::string title = PlayTaskFromYearPage(test, 9, 45, 0, 'A');
  EXPECT_EQ(title, "You are seeking the virtue of cleanliness.");
  EXPECT_EQ(form.Scores->text().toStdString(),
            "Congratulations! This question earned bonus points for cleanliness.  Now please "
            "click on the cover to achieve the next level.");
  EXPECT_TRUE(form.Scores->isVisibleTo(&form));
  EXPECT_EQ(form.Dates->currentIndex(), 0);
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("scenes//cover1x1.jpg"));
  EXPECT_EQ(state.CurrentLevel, 2);
  EXPECT_EQ(form.Level->text(), "2");
  EXPECT_EQ(state.TotalScore, 3 + 37);
  EXPECT_EQ(form.SLabel->text(), "40");
  EXPECT_EQ(state.TaskTab, 0);
  EXPECT_FALSE(form.Talk->isEnabled());
  EXPECT_EQ(cards.Round.DealCount, 99);
  EXPECT_EQ(cards.Round.CardRoundDone, 0);

  // The next level begins at the cover as the first did.
  assignTask(5, 3);
  ClickCell(form, 0);
  EXPECT_EQ(state.LevelTable.Value(1, LevelTable::kProgressColumn), 3);
  EXPECT_EQ(state.TaskTab, 5);
  EXPECT_TRUE(test.platform.Errors().empty());
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);
}

}  // namespace
}  // namespace quenna
