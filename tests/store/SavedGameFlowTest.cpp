#include <gtest/gtest.h>

#include <QTest>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "store/ProgressReport.h"
#include "store/SavedGameFile.h"
#include "store/TOption1.h"
#include "store/TReminder.h"
#include "store/TSaveFirst.h"
#include "store/TSavedGames.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// Everything a saved game or a refused one could touch, as text.
std::string Dump(TestGame& test) {
  GameState& state = test.State();
  TPlayCards& cards = test.game->PlayCards();
  TForm1& form = test.Form();
  std::ostringstream out;
  out << "level " << state.CurrentLevel << " tab " << int(state.CurrentTab) << " task "
      << state.TaskTab << "/" << state.TaskVirtue << "/" << state.TaskDone << " total "
      << state.TotalScore << " saved " << state.GameSaved << " cards " << cards.Round.CardRoundsDone
      << "/" << cards.Round.CardRoundDone << "/" << cards.Round.DealCount << " labels "
      << form.Level->text().toStdString() << "/" << form.SLabel->text().toStdString() << " talk "
      << form.Talk->isEnabled() << " chart " << form.Virtues->isVisible() << "\n";
  for (std::int8_t value : state.LevelTable.Bytes()) out << int(value) << ",";
  out << "\n";
  for (std::int8_t mark : state.AnsweredFlags.SavedBytes()) out << int(mark) << ",";
  return out.str();
}

// A game in progress: three levels done with points, a task on page 2, a few answers.
void PlayAWhile(TestGame& test) {
  GameState& state = test.State();
  for (int row = 0; row < 3; ++row) {
    state.LevelTable.Set(row, 3, 3);
    state.LevelTable.Set(row, 5 + row, 8 + row);
  }
  state.LevelTable.Set(2, 13, -4);
  state.LevelTable.Set(3, 1, 12);
  state.AnsweredFlags.SetMark(4, 2, 1);
  state.AnsweredFlags.SetMark(37, 8, 3);
  test.Form().NextLevel();
  test.game->PlayCards().Round.CardRoundDone = 1;
  test.game->PlayCards().Round.CardRoundsDone = 4;
  state.TaskTab = 2;
  state.TaskVirtue = 106;
  test.Form().UpdateScores();
}

// File > Open lists the saved games of the game folder first, when it holds any; "Other
// Folder..." goes on to the file dialog.
void ChooseOtherFolder(TestGame& test) {
  test.platform.ExpectModal(
      [](QWidget& list) { static_cast<TSavedGames&>(list).OtherFolder->click(); });
}

SavedGame ExpectedSave(TestGame& test) {
  SavedGame saved;
  saved.LevelTable = test.State().LevelTable;
  saved.CurrentLevel = 4;
  saved.CardRoundsDone = 4;
  saved.CardRoundDone = 1;
  saved.TaskTab = 2;
  saved.TaskVirtue = 106;
  saved.AnsweredFlags = test.State().AnsweredFlags.SavedBytes();
  return saved;
}

// Save Game writes the file the player names, with the dialog the game has always shown,
// and offers that name again next time; cancelling or a failed write saves nothing.
TEST(SavedGameFlow, SaveWritesTheGameThePlayerNames) {
  TestGame test;
  test.StartGame();
  PlayAWhile(test);
  const auto file = test.data.UserFolder() / "orn.sav";
  test.platform.AnswerFileDialog(file);
  test.Form().SaveAs1->trigger();
  ASSERT_TRUE(test.platform.Errors().empty()) << test.platform.Errors()[0];
  EXPECT_TRUE(test.State().GameSaved);
  EXPECT_EQ(ReadSavedGame(file), ExpectedSave(test));

  const FileDialogOptions& first = test.platform.FileDialogs().at(0);
  EXPECT_EQ(first.filter, "Saved games|*.sav");
  EXPECT_EQ(first.defaultExtension, ".SAV");
  EXPECT_EQ(first.initialDirectory, test.data.UserFolder());
  EXPECT_TRUE(first.overwritePrompt);
  EXPECT_EQ(first.fileName, "");

  test.State().GameSaved = false;
  test.Form().SaveAs1->trigger();  // cancelled
  EXPECT_EQ(test.platform.FileDialogs().at(1).fileName, file.string());
  EXPECT_FALSE(test.State().GameSaved);

  const auto nowhere = test.data.UserFolder() / "gone" / "orn.sav";
  test.platform.AnswerFileDialog(nowhere);
  test.Form().SaveAs1->trigger();
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_EQ(test.platform.Errors()[0], "The game could not be saved in the file \"" +
                                           nowhere.string() +
                                           "\": No such file or directory. Any earlier file of "
                                           "that name is unchanged.");
  EXPECT_FALSE(test.State().GameSaved);
}

// Open from the title screen starts the game on the cover first, even when cancelled.
TEST(SavedGameFlow, OpenFromTheTitleScreenStartsTheGame) {
  TestGame test;
  test.Form().show();
  test.Form().FormActivate();
  ASSERT_FALSE(test.State().GameStarted);
  test.Form().Open1->trigger();  // the dialog is cancelled
  EXPECT_TRUE(test.State().GameStarted);
  EXPECT_EQ(test.Form().TitleDone, 1);
  EXPECT_TRUE(test.Form().Dates->isVisible());
  EXPECT_FALSE(test.Form().Startgame->isVisible());
  EXPECT_EQ(test.Form().Image2->LoadedFile(), test.data.PathOf("scenes//cover1x1.jpg"));
  const FileDialogOptions& dialog = test.platform.FileDialogs().at(0);
  EXPECT_EQ(dialog.filter, "Saved games|*.sav");
  EXPECT_EQ(dialog.defaultExtension, "SAV");
  EXPECT_EQ(dialog.initialDirectory, test.data.UserFolder());
  EXPECT_FALSE(dialog.overwritePrompt);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// A good file loads whole: the tables, the level, the task, a fresh card deal, and the
// virtue chart of the loaded game; the page on screen and the saved mark stay.
TEST(SavedGameFlow, OpenLoadsTheGameAndShowsItsVirtueChart) {
  TestGame source;
  source.StartGame();
  PlayAWhile(source);
  const auto file = source.data.UserFolder() / "loaded.sav";
  WriteSavedGame(file, ExpectedSave(source));

  TestGame test;
  test.StartGame();
  test.Form().Dates->setCurrentIndex(2);
  test.State().TaskDone = 1;
  test.game->PlayCards().Round.DealCount = 3;
  ASSERT_FALSE(test.Form().Talk->isEnabled());
  test.platform.AnswerFileDialog(file);
  test.Form().Open1->trigger();
  ASSERT_TRUE(test.platform.Errors().empty()) << test.platform.Errors()[0];

  std::string expected = Dump(source);
  // The page on screen, the task done mark, the chart, Talk and the deal are this game's.
  EXPECT_EQ(test.State().CurrentTab, 2);
  EXPECT_EQ(test.State().TaskDone, 1);
  EXPECT_FALSE(test.State().GameSaved);
  EXPECT_EQ(test.game->PlayCards().Round.DealCount, 99);
  EXPECT_TRUE(test.Form().Talk->isEnabled());  // the task's page is on screen
  EXPECT_TRUE(test.Form().Virtues->isVisible());
  EXPECT_FALSE(test.Form().Narr2->isVisible());
  EXPECT_FALSE(test.State().VirtuesChanged);  // the chart was just drawn
  EXPECT_EQ(test.Form().Level->text(), "4");
  EXPECT_EQ(test.Form().SLabel->text(), QString::number(source.State().TotalScore));
  EXPECT_EQ(test.State().LevelTable, source.State().LevelTable);
  EXPECT_EQ(test.State().AnsweredFlags.SavedBytes(), source.State().AnsweredFlags.SavedBytes());
  EXPECT_EQ(test.State().TaskVirtue, 106);
  EXPECT_EQ(test.game->PlayCards().Round.CardRoundsDone, 4);
  EXPECT_EQ(test.game->PlayCards().Round.CardRoundDone, 1);
  EXPECT_EQ(test.game->Option1().ListBox1->item(2)->text(),
            source.game->Option1().ListBox1->item(2)->text());
}

// When Open enables Talk: on the task's page, or on any year page for "every page".
TEST(SavedGameFlow, OpenEnablesTalkWhereTheTaskAllowsIt) {
  struct Case {
    int page;
    int taskTab;
    bool talk;
  };
  const Case cases[] = {{5, 5, true}, {5, 99, true}, {5, 4, false}, {0, 99, false}, {0, 0, true}};
  TestGame test;
  test.StartGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.page) + " " + std::to_string(c.taskTab));
    SavedGame saved;
    saved.TaskTab = static_cast<std::int8_t>(c.taskTab);
    const auto file = test.data.UserFolder() / "talk.sav";
    WriteSavedGame(file, saved);
    test.Form().Dates->setCurrentIndex(c.page);
    test.Form().Talk->setEnabled(false);
    ChooseOtherFolder(test);
    test.platform.AnswerFileDialog(file);
    test.Form().Open1->trigger();
    EXPECT_EQ(test.Form().Talk->isEnabled(), c.talk);
  }
  EXPECT_TRUE(test.platform.Errors().empty());
}

// A file that is not a sound saved game is refused before anything changes.
TEST(SavedGameFlow, ARefusedFileLeavesTheGameExactlyAsItWas) {
  TestGame test;
  test.StartGame();
  PlayAWhile(test);
  test.Form().Dates->setCurrentIndex(2);
  const std::string before = Dump(test);

  SavedGameBytes bad = EncodeSavedGame(ExpectedSave(test));
  bad[kSavedTaskTabOffset] = 42;
  bad[kSavedTableOffset] = 99;
  const auto file = test.data.UserFolder() / "bad.sav";
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bad.data()), 1117);
  const auto shortFile = test.data.UserFolder() / "short.sav";
  std::ofstream(shortFile, std::ios::binary) << "not a game";

  for (const auto& chosen : {file, shortFile, test.data.UserFolder() / "missing.sav"}) {
    ChooseOtherFolder(test);
    test.platform.AnswerFileDialog(chosen);
    test.Form().Open1->trigger();
    EXPECT_EQ(Dump(test), before) << chosen;
  }
  ASSERT_EQ(test.platform.Errors().size(), 3u);
  EXPECT_EQ(test.platform.Errors()[0],
            "The file \"" + file.string() +
                "\" is damaged or is not a saved game of Quenna 2: the page of its task is 42 "
                "(it can only be 0 to 14, or 99). The game in progress is unchanged.");
  EXPECT_EQ(test.platform.Errors()[1],
            "The file \"" + shortFile.string() +
                "\" is not a saved game of Quenna 2 (it is 10 bytes long, and a saved game is "
                "1117 bytes long). The game in progress is unchanged.");
}

// Closing the main window: which rows of the quit reminder let it close.
TEST(SavedGameFlow, QuitReminderRows) {
  struct Row {
    std::string name;
    bool started;
    bool saved;
    std::function<void(TReminder&, TestGame&)> player;  // null: no prompt expected
    bool closes;
  };
  const std::vector<Row> rows = {
      {"no game running", false, false, nullptr, true},
      {"just saved", true, true, nullptr, true},
      {"Quit", true, false,
       [](TReminder& r, TestGame&) { QTest::mouseClick(r.Button2, Qt::LeftButton); }, true},
      {"close box", true, false, [](TReminder& r, TestGame&) { r.Close(); }, false},
      {"Save First then close box", true, false,
       [](TReminder& r, TestGame& test) {
         test.platform.AnswerFileDialog(test.data.UserFolder() / "quit.sav");
         QTest::mouseClick(r.Button1, Qt::LeftButton);
         EXPECT_TRUE(r.isVisible());
         EXPECT_EQ(r.Tag, 0);
         r.Close();
       },
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestGame test;
    if (row.started) test.StartGame();
    test.Form().show();
    test.State().GameSaved = row.saved;
    if (row.player) {
      test.platform.ExpectModal([&](QWidget& w) {
        auto& reminder = static_cast<TReminder&>(w);
        EXPECT_EQ(reminder.windowTitle(), "Reminder");
        EXPECT_EQ(reminder.Panel1->text(), "Save game before you quit?");
        EXPECT_EQ(reminder.Button1->text(), "Save First");
        EXPECT_EQ(reminder.Button2->text(), "Quit ");
        EXPECT_EQ(reminder.Button1->geometry(), QRect(56, 140, 75, 25));
        EXPECT_EQ(reminder.Button2->geometry(), QRect(144, 140, 75, 25));
        EXPECT_EQ(reminder.Tag, 0);
        row.player(reminder, test);
      });
    }
    EXPECT_EQ(test.Form().close(), row.closes);
    EXPECT_EQ(test.platform.ModalTitles().size(), row.player ? 1u : 0u);
    EXPECT_EQ(test.platform.UnexpectedModals(), 0);
  }

  // After "Save First" and the close box, the next quit closes without asking.
  TestGame test;
  test.StartGame();
  test.platform.ExpectModal([&](QWidget& w) {
    auto& reminder = static_cast<TReminder&>(w);
    test.platform.AnswerFileDialog(test.data.UserFolder() / "quit.sav");
    QTest::mouseClick(reminder.Button1, Qt::LeftButton);
    reminder.Close();
  });
  EXPECT_FALSE(test.Form().close());
  EXPECT_TRUE(std::filesystem::exists(test.data.UserFolder() / "quit.sav"));
  EXPECT_TRUE(test.Form().close());
  EXPECT_EQ(test.platform.ModalTitles().size(), 1u);
}

// New Game with points recorded: which rows of the prompt start a new game, and that
// "Save First" keeps the old game in a file first.
TEST(SavedGameFlow, NewGamePromptRows) {
  struct Row {
    std::string name;
    std::function<void(TSaveFirst&, TestGame&)> player;
    bool newGame;
    bool fileWritten;
  };
  const std::vector<Row> rows = {
      {"Start New Game",
       [](TSaveFirst& p, TestGame&) { QTest::mouseClick(p.Button2, Qt::LeftButton); }, true, false},
      {"close box", [](TSaveFirst& p, TestGame&) { p.Close(); }, false, false},
      {"Save First",
       [](TSaveFirst& p, TestGame& test) {
         test.platform.AnswerFileDialog(test.data.UserFolder() / "before-new.sav");
         QTest::mouseClick(p.Button1, Qt::LeftButton);
       },
       true, true},
      {"Save First, dialog cancelled",
       [](TSaveFirst& p, TestGame&) { QTest::mouseClick(p.Button1, Qt::LeftButton); }, true, false},
      {"Save First fails, then close box",
       [](TSaveFirst& p, TestGame& test) {
         test.platform.AnswerFileDialog(test.data.UserFolder() / "gone" / "before-new.sav");
         QTest::mouseClick(p.Button1, Qt::LeftButton);
         EXPECT_TRUE(p.isVisible());  // the game was not saved: the player decides again
         EXPECT_EQ(test.platform.Errors().size(), 1u);
         p.Close();
       },
       false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestGame test;
    test.StartGame();
    PlayAWhile(test);
    const SavedGame old = ExpectedSave(test);
    test.platform.ExpectModal([&](QWidget& w) {
      auto& prompt = static_cast<TSaveFirst&>(w);
      EXPECT_EQ(prompt.windowTitle(), "Start New Game");
      EXPECT_EQ(prompt.Panel1->text(), "Save game first?");
      EXPECT_EQ(prompt.Button1->text(), "Save First");
      EXPECT_EQ(prompt.Button2->text(), "Start New Game");
      EXPECT_EQ(prompt.Button1->geometry(), QRect(72, 172, 75, 25));
      EXPECT_EQ(prompt.Button2->geometry(), QRect(184, 172, 113, 25));
      row.player(prompt, test);
    });
    test.Form().New1->trigger();
    EXPECT_EQ(test.game->SaveFirst().Tag, row.newGame ? 1 : 0);
    EXPECT_EQ(test.State().TotalScore == 0, row.newGame);
    EXPECT_EQ(test.State().CurrentLevel, row.newGame ? 1 : 4);
    const auto file = test.data.UserFolder() / "before-new.sav";
    EXPECT_EQ(std::filesystem::exists(file), row.fileWritten);
    if (row.fileWritten) {
      EXPECT_EQ(ReadSavedGame(file), old);
    }
  }
}

// Save, quit through the reminder, start the program again, open the file: the game
// goes on at the same level with the same scores.
TEST(SavedGameFlow, SaveQuitRestartAndOpenPlaysOn) {
  TestGame first;
  first.StartGame();
  PlayAWhile(first);
  first.Form().Dates->setCurrentIndex(2);  // on the task's page
  const auto file = first.data.UserFolder() / "evening.sav";
  first.platform.ExpectModal([&](QWidget& w) {
    auto& reminder = static_cast<TReminder&>(w);
    first.platform.AnswerFileDialog(file);
    QTest::mouseClick(reminder.Button1, Qt::LeftButton);
    QTest::mouseClick(reminder.Button2, Qt::LeftButton);
  });
  first.Form().show();
  EXPECT_TRUE(first.Form().close());
  const std::string level = first.Form().Level->text().toStdString();
  const std::string score = first.Form().SLabel->text().toStdString();
  std::vector<QString> lines;
  for (int line = 0; line < 56; ++line)
    lines.push_back(first.game->Option1().ListBox1->item(line)->text());

  first.Create();  // the program starts again
  first.Form().show();
  first.Form().FormActivate();
  ChooseOtherFolder(first);
  first.platform.AnswerFileDialog(file);
  first.Form().Open1->trigger();
  ASSERT_TRUE(first.platform.Errors().empty()) << first.platform.Errors()[0];
  EXPECT_EQ(first.Form().Level->text().toStdString(), level);
  EXPECT_EQ(first.Form().SLabel->text().toStdString(), score);
  for (int line = 0; line < 56; ++line) {
    EXPECT_EQ(first.game->Option1().ListBox1->item(line)->text(),
              lines[static_cast<std::size_t>(line)]);
  }
  // Playing on: the task's page allows talking again.
  first.Form().Dates->setCurrentIndex(2);
  EXPECT_TRUE(first.Form().Talk->isEnabled());
  EXPECT_EQ(first.State().TaskTab, 2);
  EXPECT_EQ(first.State().TaskVirtue, 106);
}

// File > Open lists the saved games of the game folder, newest first, each with its level,
// score and date read from the file; one that is no sound saved game is greyed with the
// reason and cannot be chosen. The game chosen opens.
TEST(SavedGameFlow, TheOpenListShowsTheSavedGamesNewestFirst) {
  TestGame test;
  test.StartGame();
  const auto folder = test.data.UserFolder();
  SavedGame newer;
  newer.CurrentLevel = 4;
  newer.LevelTable.Set(0, 3, 3);
  newer.LevelTable.Set(1, 5, 9);
  SavedGame older;
  older.CurrentLevel = 2;
  WriteSavedGame(folder / "older.sav", older);
  WriteSavedGame(folder / "Newer.SAV", newer);
  std::ofstream(folder / "broken.sav", std::ios::binary) << "not a game";
  std::ofstream(folder / "notes.txt") << "not listed";
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(folder / "older.sav", now - std::chrono::hours(50));
  std::filesystem::last_write_time(folder / "Newer.SAV", now - std::chrono::hours(2));
  std::filesystem::last_write_time(folder / "broken.sav", now - std::chrono::hours(1));
  const QString score = QString::number(newer.LevelTable.PointsTotal());

  test.platform.ExpectModal([&](QWidget& window) {
    auto& list = static_cast<TSavedGames&>(window);
    EXPECT_EQ(list.windowTitle(), "Open Saved Game");
    ASSERT_EQ(list.SavedGames->topLevelItemCount(), 3);
    QTreeWidgetItem* broken = list.SavedGames->topLevelItem(0);
    QTreeWidgetItem* newer = list.SavedGames->topLevelItem(1);
    QTreeWidgetItem* older = list.SavedGames->topLevelItem(2);
    EXPECT_EQ(broken->text(0).toStdString(),
              "broken: it is not a saved game of Quenna 2 (it is 10 bytes long)");
    EXPECT_FALSE(broken->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(broken->text(1), "");
    EXPECT_EQ(newer->text(0), "Newer");
    EXPECT_EQ(newer->text(1), "4");
    EXPECT_EQ(newer->text(2), score);
    EXPECT_EQ(older->text(0), "older");
    EXPECT_EQ(older->text(1), "2");
    EXPECT_EQ(older->text(3), DayAndTimeText(list.Entries()[2].modified));
    EXPECT_LT(list.Entries()[2].modified, list.Entries()[1].modified);
    EXPECT_EQ(list.SavedGames->currentItem(), newer);  // the newest that opens
    list.SavedGames->setCurrentItem(older);
    list.Open1->click();
  });
  test.Form().Open1->trigger();
  ASSERT_TRUE(test.platform.Errors().empty()) << test.platform.Errors()[0];
  EXPECT_EQ(test.State().CurrentLevel, 2);
  EXPECT_TRUE(test.platform.FileDialogs().empty());
}

}  // namespace
}  // namespace quenna
