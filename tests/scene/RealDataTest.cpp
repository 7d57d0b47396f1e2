#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "platform/FakePlatform.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/TempFolder.h"

namespace quenna {
namespace {

// The game as built, on the data folder the data kit made beside it.
struct RealGame {
  RealGame() {
    game = std::make_unique<Game>(platform, GamePaths{QUENNA2_DATA_DIR, user.Path()});
    game->Form1().show();
    game->Form1().FormActivate();
    game->Form1().StartgameClick();
  }
  FakePlatform platform;
  testing::TempFolder user;
  std::unique_ptr<Game> game;  // made after the folder and gone before it
};

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

// With the built data, every page shows its 600 x 600 picture; a look click on every
// thing and person of the page shows its own message, empty spots show line 0, and Read
// shows the page's story under its date caption.
TEST(RealData, EveryPageAnswersLookAndRead) {
  RealGame real;
  TForm1& form = real.game->Form1();
  const DataFolder data(QUENNA2_DATA_DIR);
  const std::string grid = Bytes(data.Resolve(kGridFileName));
  ASSERT_EQ(grid.size(), 14u * 645u);
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    SCOPED_TRACE(std::string(kDateTabs[static_cast<std::size_t>(tab)].tabCaption));
    form.Dates->setCurrentIndex(tab);
    QTest::mouseClick(form.Look, Qt::LeftButton);
    EXPECT_EQ(form.Image2->Picture().size(), QSize(600, 600));
    ASSERT_EQ(form.CellSize, 30);
    const auto lines =
        SplitLines(ReadShiftedText(data.Resolve(MessageFileName(tab)), kMessageFileLimit));
    std::set<int> values;
    for (int cell = 0; cell < 400; ++cell) {
      const int value = grid[static_cast<std::size_t>((tab - 1) * 645 + cell)] - '0';
      if (values.count(value)) continue;
      values.insert(value);
      const QPoint centre((cell / 20) * 30 + 15, (cell % 20) * 30 + 15);
      QTest::mouseClick(form.Image2, Qt::LeftButton, {}, centre);
      ASSERT_TRUE(form.text1->isVisibleTo(&form));
      const std::string shown = form.text1->text().toStdString();
      EXPECT_EQ(shown, LineAt(lines, value)) << "value " << value;
      EXPECT_GT(shown.size(), 40u) << "value " << value;
    }
    // Each page has things and people to look at, and a place with nothing special.
    EXPECT_GE(values.size(), 7u);
    EXPECT_TRUE(values.count(0));

    QTest::mouseClick(form.Read1, Qt::LeftButton);
    EXPECT_EQ(form.Narrate1->text().toStdString(),
              std::string(kDateTabs[static_cast<std::size_t>(tab)].dateCaption));
    const std::string story = form.Narr2->toPlainText().toStdString();
    EXPECT_GT(story.size(), 1200u);
    EXPECT_LE(story.size(), 4800u);
  }
  EXPECT_TRUE(real.platform.Errors().empty());
}

// The title, the cover (both sizes), the narrator and the virtue chart load at start-up
// and on the cover, and the help file opens.
TEST(RealData, TitleCoverAndChartLoad) {
  RealGame real;
  TForm1& form = real.game->Form1();
  EXPECT_EQ(form.Image2->LoadedFile(),
            DataFolder(QUENNA2_DATA_DIR).Resolve("scenes//cover1x1.jpg"));
  EXPECT_EQ(form.Virtues->Picture().size(), QSize(306, 513));
  EXPECT_FALSE(form.Narrator->Picture().isNull());
  form.Contents1Click();
  ASSERT_EQ(real.platform.HelpRequests().size(), 1u);
  EXPECT_NE(Bytes(real.platform.HelpRequests()[0]).find("How a level works"), std::string::npos);
  EXPECT_TRUE(real.platform.Errors().empty());

  FakePlatform small({800, 600});
  const auto user = real.user / "small";
  Game game(small, GamePaths{QUENNA2_DATA_DIR, user});
  game.Form1().show();
  game.Form1().StartgameClick();
  EXPECT_EQ(game.Form1().Image2->LoadedFile(),
            DataFolder(QUENNA2_DATA_DIR).Resolve("scenes//cover1x2.jpg"));
  EXPECT_TRUE(small.Errors().empty());
}

}  // namespace
}  // namespace quenna
