#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/TOption1.h"
#include "support/CardPlayer.h"
#include "support/TalkFixtures.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::AssignTask;
using testing::ClickCell;
using testing::ClickTab;
using testing::FixtureDialogue;
using testing::PlaceOnGrid;
using testing::TestGame;

void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(&window, key, modifiers);
}

// With Read Aloud on, the voice hears a look message, the narration, each page of a
// conversation with its links, a question with its three answers and the reply, in the
// order they appear, and S says the page again; switched off, it stops and hears nothing.
TEST(ReadAloud, SpeaksEachTextAsItAppearsAndNothingWhenOff) {
  TestGame test;
  test.data.messages[9] = {"Nothing here.", "A shelf of books.", "Wynnet at her work."};
  test.data.narrations[9] = "In 1746 the shop was busy.";
  test.data.WritePicture("closeups//wyn17461x1.jpg", 380, 380, QColor(90, 60, 40));
  FixtureDialogue().WriteTo(test.data, "d2\\wyn1746.dat");
  PlaceOnGrid(test.data, 9, 45, 2);
  test.Create();
  test.StartGame();
  TForm1& form = test.Form();
  EXPECT_FALSE(form.ReadAloud1->isChecked()) << "off until the player asks";
  form.ReadAloud1->trigger();
  EXPECT_EQ(test.platform.Settings().at("options/readAloud"), "on");

  AssignTask(test, 9, 10);
  ClickTab(form, 9);
  Key(form, Qt::Key_L);
  ClickCell(form, 45);
  Key(form, Qt::Key_R);
  Key(form, Qt::Key_T);
  test.platform.ExpectModal([](QWidget& window) {
    for (int page = 0; page < 5; ++page) Key(window, Qt::Key_Space);
    Key(window, Qt::Key_1);  // topic 1
    Key(window, Qt::Key_A);  // its first question
    Key(window, Qt::Key_A);  // answer A, the right one
    Key(window, Qt::Key_S);
    Key(window, Qt::Key_Right);  // closes after the reply
    EXPECT_FALSE(window.isVisible());
  });
  ClickCell(form, 45);
  EXPECT_EQ(test.platform.PendingModalDrivers(), 0u);
  EXPECT_EQ(
      test.platform.Said(),
      (std::vector<std::string>{"Wynnet at her work.", "In 1746 the shop was busy.", "L0", "L1",
                                "L2", "L3", "L4", "L5 A: L6 B: L7 C: L8", "L9 A: L10 B: L11 C: L12",
                                "L21 A: L22 B: L23 C: L24", "A L57", "A L57"}));

  test.platform.ClearSaid();
  form.ReadAloud1->trigger();
  ClickTab(form, 9);
  Key(form, Qt::Key_L);
  ClickCell(form, 45);
  Key(form, Qt::Key_S);
  EXPECT_EQ(test.platform.Said(), std::vector<std::string>{""}) << "switching off stops the voice";

  // Where no voice can start, the item is greyed and says why.
  test.platform.SetSpeechProblem("No voice is installed to read aloud.");
  auto* options = qobject_cast<QMenu*>(form.ReadAloud1->parent());
  emit options->aboutToShow();
  EXPECT_FALSE(form.ReadAloud1->isEnabled());
  EXPECT_EQ(form.ReadAloud1->toolTip(), "No voice is installed to read aloud.");
  EXPECT_TRUE(test.platform.Errors().empty());
}

// With the keyboard alone, on the game's own data: Enter starts the game from the title
// and opens the card window on the cover, where the card game is won with its keys and
// C gives the task and closes it (then the card game is switched off), Page Down
// turns to the task's page, T switches to talk, Tab moves to a person and Enter meets
// them; in the close-up Space pages, digits choose the topic and the question and the
// key's letter answers. Three levels so, then Ctrl+S saves the game; the arrows and Enter
// replay a level from the level list and close the Hall of Fame.
TEST(Keyboard, TitleThreeLevelsACardGameAndASaveWithKeysAlone) {
  const DataFolder data(QUENNA2_DATA_DIR);
  const auto user = std::filesystem::temp_directory_path() /
                    ("quenna2-keys-" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(user);
  FakePlatform platform;
  {
    Game game(platform, GamePaths{QUENNA2_DATA_DIR, user});
    TForm1& form = game.Form1();
    GameState& state = game.State();
    form.show();
    form.FormActivate();
    Key(form, Qt::Key_Return);
    ASSERT_TRUE(state.GameStarted);

    std::set<int> metSpeakers;
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE("level " + std::to_string(level));
      ASSERT_EQ(form.Dates->currentIndex(), 0);
      // The first level's card game is dealt with D and won with the arrows and Enter;
      // then the card game is switched off. C is Continue: the task, then back.
      const bool playCards = level == 1;
      if (level == 2) form.CardsOff->trigger();
      platform.ExpectModal([&platform, playCards](QWidget& window) {
        auto& cards = dynamic_cast<TPlayCards&>(window);
        if (playCards) {
          testing::PressKey(cards, Qt::Key_D);
          const testing::CardGamePlayed played =
              testing::PlayDealtGame(cards, platform, 2000, testing::KeyMove);
          EXPECT_TRUE(played.won) << played.stuckTable;
          testing::PressKey(cards, Qt::Key_C);
        }
        EXPECT_TRUE(cards.Continue->isVisible());
        testing::PressKey(cards, Qt::Key_C);
        EXPECT_FALSE(cards.isVisible());
      });
      Key(form, Qt::Key_Return);
      ASSERT_EQ(platform.PendingModalDrivers(), 0u) << "Enter on the cover opens the card window";
      ASSERT_NE(state.TaskTab, 0);
      const int tab = state.TaskTab == kAnyTab ? 9 : state.TaskTab;
      for (int page = 0; page < tab; ++page) Key(form, Qt::Key_PageDown);
      ASSERT_EQ(state.CurrentTab, tab);
      Key(form, Qt::Key_T);
      ASSERT_EQ(state.ActionMode, kTalkMode);

      // Tab on until the highlight is on someone not met yet whose dialogue is built.
      const RosterRow* person = nullptr;
      for (int presses = 0; presses < 20 && person == nullptr; ++presses) {
        Key(form, Qt::Key_Tab);
        const auto spots = form.PageSpots();
        ASSERT_GE(form.HighlightedSpot(), 0);
        const SceneSpot& spot = spots[static_cast<std::size_t>(form.HighlightedSpot())];
        const RosterRow* row = spot.person ? PersonAt(tab, form.Grid, spot.anchorCell) : nullptr;
        if (row != nullptr && !metSpeakers.count(row->speaker) &&
            std::filesystem::exists(data.Resolve(row->dialogue)))
          person = row;
      }
      ASSERT_NE(person, nullptr) << "Tab reaches a person to talk to";
      metSpeakers.insert(person->speaker);
      const char letter = DialogueText::Read(data.Resolve(person->dialogue)).Key(0).at(0);
      platform.ExpectModal([letter](QWidget& window) {
        auto& closeUp = dynamic_cast<TCloseUp&>(window);
        for (int page = 0; page < 5; ++page) Key(closeUp, Qt::Key_Space);
        Key(closeUp, Qt::Key_1);
        Key(closeUp, Qt::Key_1);
        Key(closeUp, static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')));
        EXPECT_EQ(closeUp.DialogueLine, 67) << "answered right";
        Key(closeUp, Qt::Key_Space);
        EXPECT_FALSE(closeUp.isVisible());
      });
      Key(form, Qt::Key_Return);
      ASSERT_EQ(platform.PendingModalDrivers(), 0u) << "Enter on the person opens the close-up";
      EXPECT_EQ(state.CurrentLevel, level + 1);
    }
    EXPECT_GT(state.TotalScore, 0);

    const auto saved = user / "keys.sav";
    platform.AnswerFileDialog(saved);
    Key(form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(state.GameSaved);
    EXPECT_EQ(std::filesystem::file_size(saved), 1117u);

    // The level list: Down twice chooses level 2, Enter asks to replay it, Enter says Yes.
    platform.ExpectModal([](QWidget& window) {
      auto& list = dynamic_cast<TOption1&>(window);
      Key(list, Qt::Key_Down);
      Key(list, Qt::Key_Down);
      EXPECT_EQ(list.ChosenLine(), 1);
      Key(list, Qt::Key_Return);
      EXPECT_TRUE(list.Warning->isVisible());
      Key(list, Qt::Key_Return);
      EXPECT_FALSE(list.isVisible());
    });
    form.Score1->trigger();
    EXPECT_EQ(state.CurrentLevel, 2);
    // The Hall of Fame: the arrows choose a line, Enter closes it.
    platform.ExpectModal([](QWidget& window) {
      Key(window, Qt::Key_Down);
      Key(window, Qt::Key_Return);
      EXPECT_FALSE(window.isVisible());
    });
    form.HighScore1->trigger();
    EXPECT_EQ(platform.PendingModalDrivers(), 0u);
    EXPECT_TRUE(platform.Errors().empty());
    EXPECT_EQ(platform.UnexpectedModals(), 0);
  }
  std::error_code ignored;
  std::filesystem::remove_all(user, ignored);
}

}  // namespace
}  // namespace quenna
