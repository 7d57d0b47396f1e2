#include <gtest/gtest.h>

#include <QFontInfo>

#include <fstream>
#include <sstream>

#include "shell/TForm1.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// One line per control: place, size and font as the start-up layout leaves them.
std::string LayoutDump(TForm1& form) {
  std::ostringstream out;
  auto line = [&](const char* name, QWidget* widget) {
    const QRect box = widget->geometry();
    const QFont font = widget->font();
    out << name << ' ' << box.x() << ',' << box.y() << ' ' << box.width() << 'x' << box.height();
    if (font.pointSize() > 0) {
      out << " font " << font.pointSize() << "pt";
    } else {
      out << " font " << font.pixelSize() << "px";
    }
    out << '\n';
  };
  line("phlabel", form.phlabel);
  line("phlabel2", form.phlabel2);
  line("Dates", form.Dates);
  line("TopPanel", form.TopPanel);
  line("MainPanel", form.MainPanel);
  line("Image2", form.Image2);
  line("RightPanel", form.RightPanel);
  line("ControlPanel", form.ControlPanel);
  line("Narr2", form.Narr2);
  line("Narrator", form.Narrator);
  line("Narrate1", form.Narrate1);
  line("Scores", form.Scores);
  line("text1", form.text1);
  line("Look", form.Look);
  line("Talk", form.Talk);
  line("Read1", form.Read1);
  line("VButton", form.VButton);
  line("Label3", form.Label3);
  line("Label4", form.Label4);
  line("Level", form.Level);
  line("SLabel", form.SLabel);
  line("Startgame", form.Startgame);
  line("Intro1", form.Intro1);
  line("About", form.About);
  return out.str();
}

std::string Expected(const std::string& name) {
  std::ifstream file(std::string(QUENNA2_TEST_SOURCE_DIR) + "/shell/expected/" + name);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The main window is laid out once from the screen: fractions of the height, with the
// special rules above 768 lines, at most 600, exactly 600 and below 600.
TEST(StartupLayout, MatchesTheStoredLayoutForEachScreen) {
  const ScreenSize screens[] = {{640, 480}, {800, 599}, {800, 600}, {1024, 768}, {1920, 1080}};
  for (const ScreenSize screen : screens) {
    TestGame test(screen);
    const std::string name = "layout-" + std::to_string(screen.height) + ".txt";
    const std::string dump = LayoutDump(test.Form());
    if (qEnvironmentVariableIsSet("QUENNA2_UPDATE_EXPECTED")) {
      std::ofstream(std::string(QUENNA2_TEST_SOURCE_DIR) + "/shell/expected/" + name) << dump;
    }
    EXPECT_EQ(dump, Expected(name)) << name;
  }
}

// The scene cell size follows the picture: 30 on a 600-line screen, else its height / 20.
TEST(StartupLayout, CellSizeFollowsTheScenePicture) {
  struct Case {
    ScreenSize screen;
    int cellSize;
  };
  // 1080 and 480: the picture fills its frame less the 9-pixel bevel and border.
  const Case cases[] = {{{1024, 768}, 30}, {{800, 600}, 30}, {{1920, 1080}, 43}, {{640, 480}, 18}};
  for (const Case& c : cases) {
    TestGame test(c.screen);
    test.StartGame();
    EXPECT_EQ(test.Form().CellSize, c.cellSize) << c.screen.height;
  }
}

// The title words slide in 80 ms steps until they reach the right edge, then the two
// buttons appear; on any screen the step stays positive so the slide always ends.
TEST(TitleAnimation, SlidesInStepsAndShowsTheButtons) {
  TestGame test({1024, 768});
  TForm1& form = test.Form();
  form.show();
  EXPECT_FALSE(form.Startgame->isVisible());
  form.FormActivate();
  EXPECT_TRUE(form.Startgame->isVisible());
  EXPECT_TRUE(form.Intro1->isVisible());
  // x runs 384, 422, ... while 1024 - width > x.
  const int width = form.phlabel->width();
  int steps = 0;
  for (int x = 384; 1024 - width > x; x += 38) ++steps;
  EXPECT_EQ(static_cast<int>(test.platform.Pauses().size()), steps);
  EXPECT_EQ(form.phlabel->x(), 384 + 38 * (steps - 1));
  EXPECT_EQ(form.phlabel2->x(), form.phlabel->x());

  // A very tall screen (the byte step would be negative) and a tiny one (zero) still end.
  for (ScreenSize odd : {ScreenSize{4000, 3000}, ScreenSize{2000, 16}}) {
    TestGame tall(odd);
    tall.Form().FormActivate();
    EXPECT_TRUE(tall.Form().Startgame->isVisibleTo(&tall.Form()));
  }

  // Too narrow a screen: no slide at all, but the buttons still appear.
  TestGame narrow({500, 768});
  narrow.Form().FormActivate();
  EXPECT_TRUE(narrow.platform.Pauses().empty());
  EXPECT_TRUE(narrow.Form().Startgame->isVisibleTo(&narrow.Form()));

  // Once a game has started, activation no longer animates.
  test.Form().StartgameClick();
  test.platform.ClearPauses();
  test.Form().FormActivate();
  EXPECT_TRUE(test.platform.Pauses().empty());
}

}  // namespace
}  // namespace quenna
