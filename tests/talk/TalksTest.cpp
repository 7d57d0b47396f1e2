#include <gtest/gtest.h>

#include "core/WorldTables.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::AssignTask;
using testing::ClickCell;
using testing::ClickTab;
using testing::ClickTalk;
using testing::FixtureDialogue;
using testing::PlaceOnGrid;
using testing::TestGame;

// Every person's picture and dialogue file, so any conversation can open.
void WriteEveryPerson(testing::FixtureData& data) {
  for (const RosterRow& row : kRoster) {
    data.WritePicture(std::string(row.picture), 380, 380, QColor(100, 80, 60));
    FixtureDialogue()
        .Set(0, std::string(row.character) + " speaks.")
        .WriteTo(data, std::string(row.dialogue));
  }
}

// Clicks a cell in talk mode; returns who opened ("file speaker first line") or
// "nothing". No driver is queued: the close-up window opens and closes at once.
std::string TalkTo(TestGame& test, int cell) {
  const std::size_t before = test.platform.ModalTitles().size();
  ClickCell(test.Form(), cell);
  if (test.platform.ModalTitles().size() == before) return "nothing";
  const TCloseUp& closeUp = test.game->CloseUp();
  return closeUp.DialogueFile + " " + std::to_string(test.Form().Speaker) + " " +
         closeUp.Talk1->text().toStdString();
}

// With the task on 1746, a talk-mode click on 1752 opens nothing, while Wynnet (value 2)
// on 1746 opens her dialogue with speaker 9.
TEST(Talks, OnlyTheTaskPageTalks) {
  TestGame test;
  WriteEveryPerson(test.data);
  PlaceOnGrid(test.data, 9, 45, 2);
  PlaceOnGrid(test.data, 10, 45, 2);
  test.Create();
  test.StartGame();
  AssignTask(test, 9, 3);
  TForm1& form = test.Form();

  ClickTab(form, 9);
  EXPECT_TRUE(form.Talk->isEnabled());
  ClickTalk(form);
  ClickTab(form, 10);
  EXPECT_FALSE(form.Talk->isEnabled());
  EXPECT_EQ(TalkTo(test, 45), "nothing");
  EXPECT_EQ(form.Speaker, 10);
  ClickTab(form, 9);
  EXPECT_EQ(TalkTo(test, 45), "d2\\wyn1746.dat 9 Wynnet speaks.");
  EXPECT_EQ(test.game->CloseUp().Image1->LoadedFile(),
            test.data.PathOf("closeups//wyn17461x1.jpg"));
  EXPECT_EQ(test.platform.ModalTitles().back(), "You are seeking the virtue of order.");
  // Leaving without an answer does not end the level.
  EXPECT_EQ(test.State().TaskDone, 0);
  EXPECT_EQ(test.State().TaskTab, 9);
  EXPECT_EQ(test.State().CurrentLevel, 1);
}

// With the task on every page, the cell's value picks the person of the page: nobody on
// 1716 for 0, 1, 4, 5, 6; Oriel on 1779 for every value below 3; nobody there for 7, 8.
TEST(Talks, CellValuesPickThePerson) {
  TestGame test;
  WriteEveryPerson(test.data);
  for (int value = 0; value <= 8; ++value) {
    PlaceOnGrid(test.data, 1, value, value);
    PlaceOnGrid(test.data, 13, value, value);
  }
  test.Create();
  test.StartGame();
  AssignTask(test, kAnyTab, 5);
  TForm1& form = test.Form();
  ClickTab(form, 1);
  ClickTalk(form);

  std::string seen;
  for (int tab : {1, 13}) {
    ClickTab(form, tab);
    for (int value = 0; value <= 8; ++value) {
      seen += std::to_string(tab) + "/" + std::to_string(value) + ": " + TalkTo(test, value) + "\n";
    }
  }
  EXPECT_EQ(seen,
            "1/0: nothing\n"
            "1/1: nothing\n"
            "1/2: d2\\boy11716.dat 15 first boy speaks.\n"
            "1/3: d2\\boy21716.dat 16 second boy speaks.\n"
            "1/4: nothing\n"
            "1/5: nothing\n"
            "1/6: nothing\n"
            "1/7: d2\\orn1716.dat 1 young Orn speaks.\n"
            "1/8: nothing\n"
            "13/0: d2\\oriel1779.dat 13 Oriel speaks.\n"
            "13/1: d2\\oriel1779.dat 13 Oriel speaks.\n"
            "13/2: d2\\oriel1779.dat 13 Oriel speaks.\n"
            "13/3: d2\\deva1779.dat 35 Madame Devanne speaks.\n"
            "13/4: d2\\orn1779.dat 36 Orn speaks.\n"
            "13/5: d2\\ques1779.dat 37 Madame Quessel speaks.\n"
            "13/6: d2\\mont1779.dat 38 Montrell speaks.\n"
            "13/7: nothing\n"
            "13/8: nothing\n");
  EXPECT_TRUE(test.platform.Errors().empty());
}

// The main window takes no input for the one-second pause and the whole conversation,
// while the close-up window itself works; the title names the virtue sought.
TEST(Talks, MeetsDisablesTheMainWindowForTheConversation) {
  for (auto [virtue, title] : std::initializer_list<std::pair<int, const char*>>{
           {10, "You are seeking the virtue of cleanliness."},
           {13, "You are seeking the virtue of humility."},
           {0, "You are seeking the virtue of humility."}}) {
    TestGame test;
    test.data.WritePicture("closeups//tullan1x1.jpg", 380, 380, Qt::darkGreen);
    test.StartGame();
    test.State().TaskVirtue = virtue;
    TForm1& form = test.Form();
    test.platform.ClearPauses();
    bool checked = false;
    test.platform.ExpectModal([&, title = title](QWidget& window) {
      EXPECT_FALSE(form.isEnabled());
      EXPECT_TRUE(window.isEnabled());
      EXPECT_EQ(test.platform.Pauses(), std::vector<int>{1000});
      EXPECT_EQ(window.windowTitle().toStdString(), title);
      checked = true;
    });
    form.Meets("closeups//tullan1x1.jpg", "d2\\tul1722.dat");
    EXPECT_TRUE(checked);
    EXPECT_TRUE(form.isEnabled());
  }
}

// A close-up picture that cannot be loaded: the player is told, the main window works
// again, no window opens and the level goes on.
TEST(Talks, MissingCloseUpPictureShowsTheErrorAndKeepsTheGameUsable) {
  TestGame test;
  FixtureDialogue().WriteTo(test.data, "d2\\cor1719.dat");
  PlaceOnGrid(test.data, 2, 21, 3);
  test.Create();
  test.StartGame();
  AssignTask(test, 2, 6);
  TForm1& form = test.Form();
  ClickTab(form, 2);
  ClickTalk(form);
  ClickCell(form, 21);
  ASSERT_EQ(test.platform.Errors().size(), 1u);
  EXPECT_EQ(test.platform.Errors()[0],
            "Cannot open file " + test.data.PathOf("closeups//corvane1x1.jpg").string());
  EXPECT_TRUE(form.isEnabled());
  EXPECT_TRUE(test.platform.ModalTitles().empty());
  EXPECT_EQ(test.State().TaskTab, 2);
  EXPECT_EQ(test.State().CurrentLevel, 1);

  // With the picture back the conversation opens as usual.
  test.data.WritePicture("closeups//corvane1x1.jpg", 380, 380, Qt::gray);
  EXPECT_EQ(TalkTo(test, 21), "d2\\cor1719.dat 2 L0");
}

}  // namespace
}  // namespace quenna
