#include <gtest/gtest.h>

#include <QTest>

#include <fstream>
#include <sstream>
#include <string>

#include "media/Music.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// What the player sees in the Hall of Fame: the title, which entry controls show, and
// the ten slots as names and scores.
std::string Screen(THighScores& window) {
  std::string text = window.Label1->text().toStdString() + " |";
  if (window.Edit1->isVisible()) text += " Edit1";
  if (window.Button1->isVisible()) text += " Button1";
  if (window.Button2->isVisible()) text += " Button2";
  text += "\n";
  for (int slot = 0; slot < 10; ++slot) {
    text += window.L[static_cast<std::size_t>(slot)]->text().toStdString() + " " +
            window.S[static_cast<std::size_t>(slot)]->text().toStdString() + "\n";
  }
  return text;
}

std::string Defaults(int from) {
  std::string text;
  for (int slot = from; slot < 10; ++slot) text += "0\n***************\n";
  return text;
}

// The end of the game: name entry, the file written, the table shown, the theme plays on.
TEST(HighScoresWindow, FirstEntryEverFillsTheTopSlot) {
  TestGame test;
  THighScores& window = test.game->HighScores();
  const auto file = test.data.UserFolder() / "HighScores";
  ASSERT_FALSE(std::filesystem::exists(file));
  test.platform.ExpectModal([&](QWidget&) {
    std::string empty = "Top 10 Scores | Edit1 Button1\n";
    for (int slot = 0; slot < 10; ++slot) empty += " \n";  // no file yet: nothing listed
    EXPECT_EQ(Screen(window), empty);
    QTest::mouseClick(window.Button1, Qt::LeftButton);  // empty name: nothing happens
    EXPECT_TRUE(window.Edit1->isVisible());
    EXPECT_FALSE(std::filesystem::exists(file));

    QTest::keyClicks(window.Edit1, "Ann Lee of Orn Hollin");
    EXPECT_EQ(window.Edit1->text(), "Ann_Lee_of_Orn_");
    test.platform.ClearSounds();
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_EQ(
        Screen(window), "Top Scores | Button2\nAnn_Lee_of_Orn_ 412\n" + [] {
          std::string rest;
          for (int slot = 1; slot < 10; ++slot) rest += "*************** 0\n";
          return rest;
        }());
    QTest::mouseClick(window.Button2, Qt::LeftButton);
  });
  window.NewScore(412);
  test.Form().ShowModalWindow(window);
  EXPECT_EQ(FileText(file), "412\nAnn_Lee_of_Orn_\n" + Defaults(1));
  EXPECT_EQ(test.platform.Pauses(), std::vector<int>{500});
  EXPECT_EQ(test.game->Sounds().KeepMusic(), 1);
  ASSERT_FALSE(test.platform.Sounds().empty());
  EXPECT_EQ(test.platform.Sounds().back().file, test.data.PathOf("intro//orn2.wav"));
  EXPECT_EQ(test.platform.Sounds().back().flags, kSoundAsync);
  EXPECT_EQ(window.Label1->font().pointSize(), 20);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(test.platform.Errors().empty());
}

// Later entries: a tie goes below the first, a low score changes nothing but the file is
// written again all the same, and the view from the menu shows the table with Exit only.
TEST(HighScoresWindow, LaterEntriesAndTheViewFromTheMenu) {
  TestGame test;
  const auto file = test.data.UserFolder() / "HighScores";
  std::string stored = "300\nAnn\n";
  for (int slot = 1; slot < 10; ++slot)
    stored += std::to_string(100 + slot) + "\nP" + std::to_string(slot) + "\n";
  std::ofstream(file, std::ios::binary) << stored << "trailing words\r\n";
  THighScores& window = test.game->HighScores();

  auto enter = [&](int score, const char* name) {
    test.platform.ExpectModal([&](QWidget&) {
      QTest::keyClicks(window.Edit1, name);
      QTest::mouseClick(window.Button1, Qt::LeftButton);
      window.Close();
    });
    window.NewScore(score);
    test.Form().ShowModalWindow(window);
  };
  enter(50, "Low");  // below everyone: the table stays, the file is rewritten clean
  EXPECT_EQ(FileText(file), stored);
  enter(101, "Tie");  // equal to the lowest (slot 1): replaces it
  EXPECT_EQ(FileText(file).substr(0, 20), "300\nAnn\n101\nTie\n102\n");

  // From the menu: the stored table, Exit only. The window was left as after an entry.
  test.StartGame();
  std::ofstream(file, std::ios::binary) << "7\nMia\n";  // a short file: the rest stays
  test.platform.ExpectModal([&](QWidget&) {
    EXPECT_EQ(Screen(window).substr(0, 42), "Top Scores | Button2\nMia 7\nTie 101\nP2 102\n");
    QTest::mouseClick(window.Button2, Qt::LeftButton);
  });
  test.Form().HighScore1->trigger();
  EXPECT_EQ(test.platform.ModalTitles().back(), "Hall of Fame");
  EXPECT_EQ(test.platform.UnexpectedModals(), 0);
}

// Esc while the name field shows does nothing, so the final score cannot be thrown away
// by a stray key; once the name is entered, Esc closes the window.
TEST(HighScoresWindow, EscDoesNotEndTheNameEntry) {
  TestGame test;
  THighScores& window = test.game->HighScores();
  test.platform.ExpectModal([&](QWidget&) {
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(window.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Edit1->isVisible());
    QTest::keyClicks(window.Edit1, "Ida");
    QTest::keyClick(window.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
  window.NewScore(321);
  test.Form().ShowModalWindow(window);
  EXPECT_EQ(FileText(test.data.UserFolder() / "HighScores"), "321\nIda\n" + Defaults(1));
}

// Viewing from the menu on a fresh program: the stored table and the Exit button only.
TEST(HighScoresWindow, ViewFromTheMenuShowsTheStoredTable) {
  TestGame test;
  test.StartGame();
  std::string stored;
  for (int slot = 0; slot < 10; ++slot)
    stored += std::to_string(900 - slot * 50) + "\nName" + std::to_string(slot) + "\n";
  std::ofstream(test.data.UserFolder() / "HighScores", std::ios::binary) << stored;
  THighScores& window = test.game->HighScores();
  test.platform.ExpectModal([&](QWidget&) {
    EXPECT_EQ(Screen(window),
              "Top 10 Scores | Button2\nName0 900\nName1 850\nName2 800\nName3 750\nName4 700\n"
              "Name5 650\nName6 600\nName7 550\nName8 500\nName9 450\n");
    EXPECT_EQ(window.Button2->text(), "Exit");
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  test.Form().HighScore1->trigger();
  EXPECT_FALSE(window.isVisible());
}

// A "HighScores" file damaged part of the way is read as far as it is sound; before the
// next entry rewrites it, it is kept once as "HighScores.bak" beside it, so the entries
// after the damage are not lost. A sound file, short or whole, gets no copy.
TEST(HighScoresWindow, ADamagedFileIsKeptOnceBeforeItIsRewritten) {
  TestGame test;
  THighScores& window = test.game->HighScores();
  const auto file = test.data.UserFolder() / "HighScores";
  const auto backup = test.data.UserFolder() / "HighScores.bak";
  auto enter = [&](int score, const char* name) {
    test.platform.ExpectModal([&](QWidget&) {
      QTest::keyClicks(window.Edit1, name);
      QTest::mouseClick(window.Button1, Qt::LeftButton);
    });
    window.NewScore(score);
    test.Form().ShowModalWindow(window);
  };

  std::ofstream(file, std::ios::binary) << "7\nMia\n";
  enter(5, "Ned");
  EXPECT_FALSE(std::filesystem::exists(backup));

  const std::string damaged = "300\nAnn\n200\nBen\nx90\nCid\n100\nDan\n";
  std::ofstream(file, std::ios::binary) << damaged;
  enter(250, "Eve");
  EXPECT_EQ(FileText(backup), damaged);
  EXPECT_EQ(FileText(file).substr(0, 24), "300\nAnn\n200\nBen\n250\nEve\n");
  enter(260, "Fay");
  EXPECT_EQ(FileText(backup), damaged);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// A high-score file that cannot be written is told to the player, and the entry still ends.
TEST(HighScoresWindow, AFileThatCannotBeWrittenIsTold) {
  TestGame test;
  const auto file = test.data.UserFolder() / "HighScores";
  std::filesystem::create_directories(file / "in the way");
  THighScores& window = test.game->HighScores();
  test.platform.ExpectModal([&](QWidget&) {
    QTest::keyClicks(window.Edit1, "Zoe");
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_TRUE(window.Button2->isVisible());
    EXPECT_FALSE(window.Edit1->isVisible());
  });
  window.NewScore(10);
  test.Form().ShowModalWindow(window);
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_NE(test.platform.Errors()[0].find("The high scores could not be written to the file \"" +
                                           file.string() + "\""),
            std::string::npos);
}

}  // namespace
}  // namespace quenna
