#include <gtest/gtest.h>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TReminder.h"
#include "store/TSaveFirst.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::FixtureData;
using testing::TestGame;

QPoint CursorHotSpot(QWidget* widget) {
  return widget->cursor().hotSpot();
}
const QPoint kHandHotSpot(3, 3);
const QPoint kEyeHotSpot(16, 16);
const QPoint kTalkHotSpot(10, 24);

std::string Text(QLabel* label) {
  return label->text().toStdString();
}

const std::string kCoverTipText =
    "Starting a new level:  Click on the Date Book cover.  You must put the Virtue Cards in "
    "order before doing anything else.";
const std::string kNoTalkTipText =
    "You may look or read about the scene to help you answer questions later.  You can't talk "
    "unless you are assigned a task on this date.  Please click on the COVER tab.";

// The title screen shows the title picture in a disabled scene; Start Game turns it into
// the date book on the cover, with the hand cursor, the hint and the first tip.
TEST(DateBook, TitleScreenThenStartGameOpensTheCover) {
  TestGame test;
  TForm1& form = test.Form();
  form.show();
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("quenna.jpg"));
  EXPECT_FALSE(form.Image2->isEnabled());
  EXPECT_FALSE(form.Dates->isVisible());
  EXPECT_FALSE(form.RightPanel->isVisible());
  EXPECT_FALSE(form.Introduction1->isEnabled());
  EXPECT_FALSE(form.SaveAs1->isEnabled());
  EXPECT_TRUE(form.HighScore1->isVisible());
  EXPECT_EQ(test.platform.Sounds().back().file, test.data.PathOf("intro//orn2.wav"));

  form.FormActivate();
  form.StartgameClick();
  EXPECT_FALSE(form.Startgame->isVisible());
  EXPECT_FALSE(form.Intro1->isVisible());
  EXPECT_TRUE(form.Dates->isVisible());
  EXPECT_TRUE(form.RightPanel->isVisible());
  EXPECT_FALSE(form.ControlPanel->isVisible());
  EXPECT_TRUE(form.Image2->isEnabled());
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("scenes//cover1x1.jpg"));
  EXPECT_EQ(CursorHotSpot(form.Image2), kHandHotSpot);
  EXPECT_EQ(form.Image2->toolTip().toStdString(), "Click on the book for playing cards");
  EXPECT_EQ(Text(form.Scores), kCoverTipText);
  EXPECT_TRUE(form.Scores->isVisible());
  EXPECT_TRUE(form.Narrator->isVisible());
  EXPECT_TRUE(form.Introduction1->isEnabled());
  EXPECT_TRUE(form.SaveAs1->isEnabled());
  EXPECT_TRUE(test.State().GameStarted);
  EXPECT_EQ(form.TitleDone, 1);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// Every year tab shows its own scene, the control panel and the cursor of the action
// mode; talking is allowed only on the task's page, or everywhere with task 99.
TEST(DateBook, EveryTabShowsItsPictureTipAndTalkState) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.LookClick();
  test.State().TaskTab = 5;
  test.State().TaskVirtue = 3;
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    form.Dates->setCurrentIndex(tab);  // as a click on the tab does
    SCOPED_TRACE(tab);
    EXPECT_EQ(test.State().CurrentTab, tab);
    EXPECT_EQ(form.Image2->LoadedFile(),
              test.data.PathOf(std::string(kDateTabs[static_cast<std::size_t>(tab)].scenePicture)));
    EXPECT_EQ(form.Image2->Picture().pixelColor(300, 300).hue() / 10,
              FixtureData::PageColor(tab).hue() / 10);
    EXPECT_TRUE(form.ControlPanel->isVisible());
    EXPECT_EQ(CursorHotSpot(form.Image2), kEyeHotSpot);
    EXPECT_TRUE(form.Image2->toolTip().isEmpty());
    if (tab == 5) {
      EXPECT_EQ(Text(form.Scores),
                "You may talk to a character on this screen.  Look or read about the scene to "
                "help you answer questions.  You are seeking the virtue of order.");
      EXPECT_TRUE(form.Talk->isEnabled());
    } else {
      EXPECT_EQ(Text(form.Scores), kNoTalkTipText);
      EXPECT_FALSE(form.Talk->isEnabled());
    }
  }

  // The cover hides the control panel and gives the hand; the task hides the cover tip.
  form.Dates->setCurrentIndex(0);
  EXPECT_FALSE(form.ControlPanel->isVisible());
  EXPECT_EQ(CursorHotSpot(form.Image2), kHandHotSpot);
  EXPECT_FALSE(form.Scores->isVisible());
  EXPECT_EQ(test.State().ActionMode, kLookMode);
  // Back on a year page the action mode's cursor returns.
  form.Dates->setCurrentIndex(2);
  EXPECT_EQ(CursorHotSpot(form.Image2), kEyeHotSpot);
  form.TalkClick();
  EXPECT_EQ(CursorHotSpot(form.Image2), kTalkHotSpot);
  EXPECT_EQ(test.State().ActionMode, kTalkMode);

  // Task 99: every year page invites talking.
  test.State().TaskTab = kAnyTab;
  for (int tab : {1, 9, 14}) {
    form.Dates->setCurrentIndex(tab);
    EXPECT_TRUE(form.Talk->isEnabled()) << tab;
    EXPECT_TRUE(form.Scores->isVisible()) << tab;
  }
}

// Tips Off hides the portrait and the tip at once; On again on the task page shows tip 3.
TEST(DateBook, TipsSwitch) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  test.State().TaskTab = 4;
  form.Dates->setCurrentIndex(4);
  form.TipsOnClick();
  EXPECT_FALSE(form.TipsOn->isChecked());
  EXPECT_FALSE(form.Scores->isVisible());
  EXPECT_FALSE(form.Narrator->isVisible());
  form.Talk->setEnabled(false);
  form.TipsOnClick();
  EXPECT_TRUE(form.TipsOn->isChecked());
  EXPECT_TRUE(form.Scores->isVisible());
  EXPECT_TRUE(form.Talk->isEnabled());
  EXPECT_NE(Text(form.Scores).find("You may talk to a character"), std::string::npos);

  // The menu item itself toggles once per choice.
  form.TipsOn->trigger();
  EXPECT_FALSE(form.TipsOn->isChecked());
}

// With tips off the player can still talk: Talk is enabled on the task's page and
// disabled elsewhere as with tips on, also after a level end disabled it; only the tip
// texts stay hidden.
TEST(DateBook, TalkDoesNotDependOnTheTipsSwitch) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.TipsOn->trigger();
  ASSERT_FALSE(form.TipsOn->isChecked());
  form.Talk->setEnabled(false);  // as a level end leaves it
  test.State().TaskTab = 9;
  std::string seen;
  for (int tab : {9, 2, 9, 0, 9}) {
    form.Dates->setCurrentIndex(tab);
    seen += std::to_string(tab) + (form.Talk->isEnabled() ? ":talk" : ":no") +
            (form.Scores->isVisible() ? "+tip " : " ");
  }
  EXPECT_EQ(seen, "9:talk 2:no 9:talk 0:talk 9:talk ");
  test.State().TaskTab = kAnyTab;
  form.Dates->setCurrentIndex(3);
  EXPECT_TRUE(form.Talk->isEnabled());
}

// With the card game off, the first cover click of a level marks its progress and the
// card window goes straight to the task; a second click changes nothing more.
TEST(DateBook, CoverClickWithTheCardGameOff) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.CardsOffClick();
  EXPECT_TRUE(form.CardsOff->isChecked());
  EXPECT_FALSE(form.CardsOn->isChecked());
  EXPECT_EQ(test.State().CardsDisabled, 1);
  EXPECT_EQ(Text(form.Scores), kCoverTipText);  // the tip changes at the next cover visit
  form.NewRoom(0);
  EXPECT_EQ(Text(form.Scores), "Starting a new level:  Click on the Date Book cover.");

  TPlayCards& cards = test.game->PlayCards();
  bool shown = false;
  test.platform.ExpectModal([&](QWidget& window) { shown = &window == &cards; });
  form.Image2MouseDown(Qt::LeftButton, 100, 100);
  EXPECT_TRUE(shown);
  EXPECT_EQ(test.State().LevelTable.Value(0, 3), 3);
  EXPECT_EQ(cards.Round.CardRoundsDone, 1);
  EXPECT_EQ(cards.Round.CardRoundDone, 1);
  // The task the card window gave stays in sight in the right panel.
  EXPECT_TRUE(form.Scores->isVisible());
  const std::string task = Text(form.Scores);
  EXPECT_EQ(task.substr(0, 55), "There is now a task you must complete.  Please talk to ");
  EXPECT_NE(form.windowTitle().toStdString().find("Quenna 2"), std::string::npos);
  // It stays until a page is turned; "Current Task" in the Tips menu shows it again.
  form.Dates->setCurrentIndex(4);
  EXPECT_NE(Text(form.Scores), task);
  ASSERT_TRUE(form.CurrentTask1->isEnabled());
  form.CurrentTask1->trigger();
  EXPECT_TRUE(form.Scores->isVisible());
  EXPECT_EQ(Text(form.Scores), task);
  form.Dates->setCurrentIndex(0);

  test.platform.ExpectModal([](QWidget&) {});
  form.Image2MouseDown(Qt::LeftButton, 100, 100);
  EXPECT_EQ(cards.Round.CardRoundsDone, 1);
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);

  form.CardsOnClick();
  EXPECT_EQ(test.State().CardsDisabled, 0);
  EXPECT_TRUE(form.CardsOn->isChecked());
}

// A level ends after a conversation that left TaskDone set: the level message with or
// without the bonus, the next level, a fresh card game asked for.
TEST(LevelFlow, LevelEndShowsTheMessageAndMovesOn) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  GameState& state = test.State();
  TPlayCards& cards = test.game->PlayCards();

  state.LevelTable.Set(0, 3, 3);
  state.TaskTab = 7;
  state.TaskVirtue = 105;  // the answer earned the bonus for frugality
  state.TaskDone = 1;
  form.Dates->setCurrentIndex(7);
  form.TalkClick();
  test.platform.ClearSounds();
  form.LevelEnd();
  EXPECT_EQ(Text(form.Scores),
            "Congratulations! This question earned bonus points for frugality.  Now please click "
            "on the cover to achieve the next level.");
  EXPECT_TRUE(form.Scores->isVisible());
  EXPECT_TRUE(form.Narrator->isVisible());
  ASSERT_FALSE(test.platform.Sounds().empty());
  EXPECT_EQ(test.platform.Sounds().back().file, test.data.PathOf("points2.wav"));
  EXPECT_EQ(form.Dates->currentIndex(), 0);
  EXPECT_EQ(state.CurrentTab, 0);
  EXPECT_EQ(state.TaskTab, 0);
  EXPECT_EQ(state.TaskVirtue, 0);
  EXPECT_FALSE(form.Talk->isEnabled());
  EXPECT_EQ(state.CurrentLevel, 2);
  EXPECT_EQ(Text(form.Level), "2");
  EXPECT_EQ(cards.Round.CardRoundsDone, 1);
  EXPECT_EQ(cards.Round.DealCount, 99);
  EXPECT_EQ(cards.Round.CardRoundDone, 0);
  EXPECT_EQ(state.ActionMode, kHandMode);
  EXPECT_TRUE(state.VirtuesChanged);

  // Without the bonus.
  state.LevelTable.Set(1, 3, 3);
  state.TaskTab = 2;
  state.TaskVirtue = 5;
  state.TaskDone = 1;
  form.LevelEnd();
  EXPECT_EQ(Text(form.Scores),
            "Congratulations on completing the level.  No bonus points were earned.  Now please "
            "click on the cover to achieve the next level.");
  EXPECT_EQ(state.CurrentLevel, 3);

  // A conversation that did not end the task changes nothing.
  state.TaskDone = 0;
  state.TaskTab = 3;
  form.LevelEnd();
  EXPECT_EQ(state.TaskTab, 3);
  EXPECT_EQ(state.CurrentLevel, 3);
}

// The 54th level's end leads to level 55 and the game's end: the ending, the name entry,
// the title picture again, and the window closes without asking to save.
TEST(LevelFlow, TheLastLevelEndsTheGame) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  GameState& state = test.State();
  for (int row = 0; row < 54; ++row) state.LevelTable.Set(row, 3, 3);
  state.LevelTable.Set(53, 0, 16);
  state.CurrentLevel = 54;
  state.TaskTab = kAnyTab;
  state.TaskVirtue = 2;
  state.TaskDone = 1;

  std::vector<std::string> shown;
  int enteredScore = -1;
  test.platform.ExpectModal([&](QWidget& window) {
    shown.push_back("ending");
    (void)window;
  });
  test.platform.ExpectModal([&](QWidget& window) {
    shown.push_back(window.windowTitle().toStdString());
    enteredScore = test.game->HighScores().Tag;
  });
  test.platform.ClearPauses();
  form.LevelEnd();
  EXPECT_EQ(state.CurrentLevel, 55);
  EXPECT_EQ(shown, (std::vector<std::string>{"ending", "Hall of Fame"}));
  EXPECT_EQ(enteredScore, 54 * 3 + 16);
  EXPECT_EQ(state.TotalScore, 54 * 3 + 16);
  EXPECT_EQ(Text(form.Scores), "Congratulations on completing the game!");
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("quenna.jpg"));
  EXPECT_EQ(test.platform.Pauses(), (std::vector<int>{500, 1000}));
  EXPECT_FALSE(state.GameStarted);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);  // no save reminder
}

// New Game: on a fresh program it opens the date book; after a deal without points it
// neither asks nor clears; with points it asks, and the close box keeps the game.
TEST(LevelFlow, NewGameInItsThreeCases) {
  {
    TestGame test;
    test.Form().show();
    test.Form().New1Click();
    EXPECT_TRUE(test.State().GameStarted);
    EXPECT_TRUE(test.Form().Dates->isVisible());
    EXPECT_EQ(test.State().CurrentLevel, 1);
    EXPECT_EQ(test.platform.UnexpectedModals(), 0);
  }
  {
    TestGame test;
    test.StartGame();
    test.game->PlayCards().Round.TableNotDealt = 0;
    test.State().LevelTable.Set(0, 5, 1);  // exactly one point
    test.game->PlayCards().Round.DealCount = 2;
    test.Form().New1Click();
    EXPECT_EQ(test.platform.ModalTitles().size(), 0u);
    EXPECT_EQ(test.State().LevelTable.Value(0, 5), 1);
    EXPECT_EQ(test.game->PlayCards().Round.DealCount, 99);
  }
  {
    TestGame test;
    test.StartGame();
    GameState& state = test.State();
    state.LevelTable.Set(0, 3, 3);
    state.LevelTable.Set(1, 2, 20);
    state.AnsweredFlags.SetMark(4, 1, 1);
    state.CurrentLevel = 2;
    const LevelTable before = state.LevelTable;

    test.platform.ExpectModal([&](QWidget& window) {
      EXPECT_EQ(window.windowTitle().toStdString(), "Start New Game");
      test.game->SaveFirst().close();  // the close box
    });
    test.Form().New1Click();
    EXPECT_EQ(state.LevelTable, before);
    EXPECT_EQ(state.CurrentLevel, 2);

    test.platform.ExpectModal([&](QWidget&) { test.game->SaveFirst().Button2->click(); });
    test.Form().New1Click();
    EXPECT_EQ(state.LevelTable, LevelTable{});
    EXPECT_FALSE(state.AnsweredFlags.Answered(4, 1));
    EXPECT_EQ(state.CurrentLevel, 1);
    EXPECT_EQ(test.Form().Dates->currentIndex(), 0);
  }
}

// Closing asks to save only while a game runs that was changed since the last save.
TEST(LevelFlow, QuitCheck) {
  TestGame test;
  test.Form().show();
  EXPECT_TRUE(test.Form().close());  // nothing started: closes at once
  EXPECT_EQ(test.platform.ModalTitles().size(), 0u);

  TestGame running;
  running.StartGame();
  running.platform.ExpectModal([&](QWidget&) { running.game->Reminder().close(); });
  EXPECT_FALSE(running.Form().close());
  EXPECT_TRUE(running.Form().isVisible());
  running.platform.ExpectModal([&](QWidget&) { running.game->Reminder().Button2->click(); });
  EXPECT_TRUE(running.Form().close());
  EXPECT_EQ(running.platform.ModalTitles(), (std::vector<std::string>{"Reminder", "Reminder"}));
}

// A scene picture that cannot be loaded is reported; the page is the new one while the
// old picture and tip stay on screen.
TEST(DateBook, AMissingScenePictureIsReported) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.Dates->setCurrentIndex(1);
  test.data.Remove("scenes//17191x1.jpg");
  form.Dates->setCurrentIndex(2);
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_EQ(test.platform.Errors()[0],
            "Cannot open file " + test.data.PathOf("scenes//17191x1.jpg").string());
  EXPECT_EQ(test.State().CurrentTab, 2);
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("scenes//17161x1.jpg"));
}

// Started without any data, the game says which folder it looked in.
TEST(Startup, WithoutDataTheGameNamesTheFolder) {
  FakePlatform platform;
  const std::filesystem::path nowhere = "/nonexistent/quenna2-data";
  try {
    Game game(platform, GamePaths{nowhere, "/tmp"});
    FAIL() << "a game without data was built";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find(nowhere.string()), std::string::npos);
  }
}

// The music switch: off stops the sound with the short silence and silences every later
// sound; on restarts the theme from its beginning.
TEST(Media, MusicSwitchAndHelp) {
  TestGame test;
  TForm1& form = test.Form();
  test.platform.ClearSounds();
  form.MusicOFFClick();
  EXPECT_TRUE(form.MusicOFF->isChecked());
  EXPECT_FALSE(form.MusicON->isChecked());
  using Sound = FakePlatform::PlayedSound;
  EXPECT_EQ(test.platform.Sounds(),
            (std::vector<Sound>{{test.data.PathOf("sndoff.wav"), kSoundNoDefault}}));
  form.Playit("points2.wav", kSoundAsync);
  EXPECT_EQ(test.platform.Sounds().size(), 1u);

  test.platform.ClearSounds();
  form.MusicONClick();
  form.MusicONClick();
  const Sound stop{{}, kSoundNoDefault};
  const Sound theme{test.data.PathOf("intro//orn2.wav"), kSoundAsync};
  EXPECT_EQ(test.platform.Sounds(), (std::vector<Sound>{stop, theme, stop, theme}));

  form.Contents1Click();
  EXPECT_EQ(test.platform.HelpRequests(),
            (std::vector<std::filesystem::path>{test.data.PathOf("ORNH.HLP")}));

  form.About1Click();
  EXPECT_TRUE(form.About->isVisibleTo(&form));
  EXPECT_EQ(form.Image1->Picture().size(), QSize(426, 393));
  form.Image1Click();
  EXPECT_FALSE(form.About->isVisibleTo(&form));
}

}  // namespace
}  // namespace quenna
