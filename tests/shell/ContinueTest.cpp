#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cards/TPlayCards.h"
#include "platform/DesktopPlatform.h"
#include "platform/PlayerSettings.h"
#include "shell/PlayerOptions.h"
#include "shell/TForm1.h"
#include "store/SavedGameFile.h"
#include "store/SavedGameState.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The running game as Save Game would write it.
std::string RunningGame(TestGame& test) {
  const SavedGameBytes bytes =
      EncodeSavedGame(GatherSavedGame(test.State(), test.game->PlayCards().Round));
  return {bytes.begin(), bytes.end()};
}

std::filesystem::path AutosaveOf(TestGame& test) {
  return test.data.UserFolder() / "autosave.sav";
}

// A game some way in: points on three levels, marks, a task and a card round under way.
void PlayAWhile(TestGame& test) {
  GameState& state = test.State();
  for (int row = 0; row < 3; ++row) state.LevelTable.Set(row, 5 + row, 8 + row);
  state.AnsweredFlags.SetMark(4, 2, 1);
  for (int level = 0; level < 3; ++level) test.Form().NextLevel();
  test.game->PlayCards().Round.CardRoundDone = 1;
  test.game->PlayCards().Round.CardRoundsDone = 4;
  state.TaskTab = 2;
  state.TaskVirtue = 106;
  test.Form().UpdateScores();
}

// The game keeps itself in autosave.sav when the card window has given a task, at a
// level's end, when the window closes and when the session ends, each time exactly as
// Save Game would write the running game; a player's own saved game is never touched, and
// Save Game refuses the autosave's name.
TEST(Autosave, KeepsTheRunningGameAtEachMomentAndLeavesThePlayersSavesAlone) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.show();
  const auto own = test.data.UserFolder() / "mine.sav";
  test.platform.AnswerFileDialog(own);
  form.SaveAs1->trigger();
  EXPECT_EQ(form.Scores->text().toStdString(), "Game saved");
  const std::string ownBytes = FileBytes(own);
  EXPECT_FALSE(std::filesystem::exists(AutosaveOf(test)));

  form.CardsOffClick();
  test.platform.ExpectModal([](QWidget&) {});  // the card window gives the task
  form.Image2MouseDown(Qt::LeftButton, 100, 100);
  ASSERT_NE(test.State().TaskTab, 0);
  EXPECT_EQ(FileBytes(AutosaveOf(test)), RunningGame(test)) << "a task given";

  test.State().TaskDone = 1;
  form.LevelEnd();
  ASSERT_EQ(test.State().CurrentLevel, 2);
  EXPECT_EQ(FileBytes(AutosaveOf(test)), RunningGame(test)) << "a level's end";

  test.State().AnsweredFlags.SetMark(9, 1, 2);
  test.State().GameSaved = true;  // no reminder
  EXPECT_TRUE(form.close());
  EXPECT_EQ(FileBytes(AutosaveOf(test)), RunningGame(test)) << "the window closed";

  test.Create();
  test.StartGame();
  PlayAWhile(test);
  test.Form().show();
  test.Form().SessionEnding();
  EXPECT_FALSE(test.Form().isVisible());
  EXPECT_EQ(FileBytes(AutosaveOf(test)), RunningGame(test)) << "the session ended";
  EXPECT_EQ(FileBytes(own), ownBytes);
  EXPECT_TRUE(test.platform.Errors().empty()) << test.platform.Errors()[0];

  test.Create();
  test.StartGame();
  const std::string kept = FileBytes(AutosaveOf(test));
  test.platform.AnswerFileDialog(AutosaveOf(test));
  test.Form().SaveAs1->trigger();
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_EQ(test.platform.Errors()[0],
            "The name \"autosave.sav\" in this folder belongs to the game's own autosave, which "
            "it rewrites often. Please save your game under another name.");
  EXPECT_EQ(FileBytes(AutosaveOf(test)), kept);
  EXPECT_FALSE(test.State().GameSaved);
}

// "Continue" shows on the title screen only when the game kept itself, and brings back
// in one click the level, the score, the task, the marks and the card round it kept.
TEST(Continue, BringsBackTheKeptGameInOneClick) {
  TestGame test;
  test.Form().show();
  test.Form().FormActivate();
  EXPECT_TRUE(test.Form().Startgame->isVisible());
  EXPECT_FALSE(test.Form().Continue1->isVisible());

  test.Form().StartgameClick();
  PlayAWhile(test);
  const std::string kept = RunningGame(test);
  const QString level = test.Form().Level->text();
  const QString score = test.Form().SLabel->text();
  test.Form().SessionEnding();

  test.Create();  // the program starts again
  test.Form().show();
  test.Form().FormActivate();
  ASSERT_TRUE(test.Form().Continue1->isVisible());
  EXPECT_EQ(test.Form().Continue1->text(), "Continue");
  test.Form().Continue1->click();
  ASSERT_TRUE(test.platform.Errors().empty()) << test.platform.Errors()[0];
  EXPECT_EQ(RunningGame(test), kept);
  EXPECT_EQ(test.Form().Level->text(), level);
  EXPECT_EQ(test.Form().SLabel->text(), score);
  EXPECT_TRUE(test.State().GameStarted);
  EXPECT_TRUE(test.Form().Dates->isVisible());
  EXPECT_FALSE(test.Form().Continue1->isVisible());
  EXPECT_FALSE(test.Form().Startgame->isVisible());
}

// A damaged autosave is set aside as autosave.sav.bad with a message a player can read;
// the title stays usable, and Start Game begins a new game.
TEST(Continue, ADamagedAutosaveIsSetAsideAndTheTitleStaysUsable) {
  TestGame test;
  std::ofstream(AutosaveOf(test), std::ios::binary) << "not a game";
  test.Form().show();
  test.Form().FormActivate();
  ASSERT_TRUE(test.Form().Continue1->isVisible());
  test.Form().Continue1->click();

  const auto setAside = test.data.UserFolder() / "autosave.sav.bad";
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_EQ(test.platform.Errors()[0],
            "The game kept for Continue could not be opened: it is not a saved game of Quenna 2 "
            "(it is 10 bytes long). It was set aside as \"" +
                setAside.string() + "\". Start Game begins a new game.");
  EXPECT_FALSE(std::filesystem::exists(AutosaveOf(test)));
  EXPECT_EQ(FileBytes(setAside), "not a game");
  EXPECT_FALSE(test.State().GameStarted);
  EXPECT_FALSE(test.Form().Continue1->isVisible());
  EXPECT_TRUE(test.Form().Startgame->isVisible());
  test.Form().StartgameClick();
  EXPECT_TRUE(test.State().GameStarted);
  EXPECT_EQ(test.State().CurrentLevel, 1);
}

// The card game, music and tips switches start as the player left them, with their
// captions; a missing or garbled setting, or a settings file of garbage, starts them as
// the game always started (all on).
TEST(PlayerSettings, TheSwitchesStartAsLeftAndFallBackToTheDefaults) {
  TestGame test;
  TForm1* form = &test.Form();
  EXPECT_TRUE(form->CardsOn->isChecked() && form->MusicON->isChecked() &&
              form->TipsOn->isChecked());
  form->CardsOff->trigger();
  form->MusicOFF->trigger();
  form->TipsOn->trigger();
  const std::map<std::string, std::string> written = {
      {"options/cardGame", "off"}, {"options/music", "off"}, {"options/tips", "off"}};
  EXPECT_EQ(test.platform.Settings(), written);

  test.Create();
  form = &test.Form();
  EXPECT_TRUE(form->CardsOff->isChecked());
  EXPECT_FALSE(form->CardsOn->isChecked());
  EXPECT_EQ(test.State().CardsDisabled, 1);
  EXPECT_TRUE(form->MusicOFF->isChecked());
  EXPECT_FALSE(form->MusicON->isChecked());
  EXPECT_FALSE(form->TipsOn->isChecked());
  EXPECT_EQ(form->MusicOFF->text(), "Music is OFF");
  EXPECT_EQ(form->TipsOn->text(), "Tips On");

  for (const char* garbage : {"", "maybe", "1", "ON "}) {
    SCOPED_TRACE(garbage);
    for (const auto& [key, value] : written) test.platform.WriteSetting(key, garbage);
    EXPECT_EQ(ReadPlayerOptions(test.platform), PlayerOptions{});
  }
  test.platform.ClearSettings();
  test.Create();
  EXPECT_TRUE(test.Form().CardsOn->isChecked() && test.Form().MusicON->isChecked() &&
              test.Form().TipsOn->isChecked());
  EXPECT_EQ(test.State().CardsDisabled, 0);

  // The save dialogs start in the folder of the last save, while it is there.
  const auto elsewhere = test.data.UserFolder() / "elsewhere";
  std::filesystem::create_directories(elsewhere);
  test.StartGame();
  test.platform.AnswerFileDialog(elsewhere / "mine.sav");
  test.Form().SaveAs1->trigger();
  test.Create();
  test.StartGame();
  test.Form().SaveAs1->trigger();  // cancelled
  EXPECT_EQ(test.platform.FileDialogs().back().initialDirectory, elsewhere);
  std::filesystem::remove_all(elsewhere);
  test.Create();
  test.StartGame();
  test.Form().SaveAs1->trigger();
  EXPECT_EQ(test.platform.FileDialogs().back().initialDirectory, test.data.UserFolder());

  // The desktop's own settings file (an INI file): missing, then garbage.
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const auto folder = test.data.UserFolder() / "config";
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QString::fromStdString(folder.string()));
  DesktopPlatform desktop;
  EXPECT_EQ(ReadPlayerOptions(desktop), PlayerOptions{});
  std::filesystem::create_directories(folder / "quenna2");
  std::ofstream(folder / "quenna2" / "quenna2.ini", std::ios::binary)
      << "\x01\xff[options\ncardGame=\"off\nmusic\ntips=of\n";
  EXPECT_EQ(ReadPlayerOptions(desktop), PlayerOptions{});
  WritePlayerOptions(desktop, {false, true, false});
  EXPECT_EQ(ReadPlayerOptions(desktop), (PlayerOptions{false, true, false}));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home);
}

}  // namespace
}  // namespace quenna
