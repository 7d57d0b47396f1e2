#include <QTest>

#include <gtest/gtest.h>

#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
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
  EXPECT_TRUE(test.platform.Errors().empty());
}

}  // namespace
}  // namespace quenna
