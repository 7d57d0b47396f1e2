#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Build.h"
#include "Folders.h"
#include "PageView.h"
#include "Render.h"
#include "Source.h"
#include "core/WorldTables.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

const char* kPage = R"(page 1746
backdrop plain color=#204080 glow=#204080
nothing N
person 2 Wynnet
  figure at 5,5 size 4x10 sex=female age=8 hair=#b07a3a hairstyle=braids dress=#ea8aa8 mood=wonder
  describe A girl.
  look l
thing 4 the jar
  draw sparkjar at 14,2 size 2x4
  look j
narration
Story.
)";

// "key=value" for every setting the drawing sets, in order.
std::string Settings(const Drawing& drawing) {
  std::string text = drawing.painter;
  for (const auto& [key, given] : drawing.params.given) {
    if (given) text += " " + key + "=" + drawing.params.values.at(key);
  }
  return text;
}

// A close-up draws the page's own person: the same painter and settings as the page's
// figure line, in its own place, with only the settings it names changed.
TEST(PageView, SitterIsThePagesFigure) {
  const std::vector<PageSource> pages = {ParsePageSource(kPage, "1746.page")};
  PictureSource picture = ParsePictureSource(R"(picture closeups//w.jpg size 380x380
scenery 1746 at 2,2 size 10x10 blur=0 light=0
sitter 1746 Wynnet at 3,1 size 6x16 mood=smile arms=hold
)",
                                             "w.picture");
  ASSERT_TRUE(NeedsPages(picture));
  ResolvePageViews(picture, pages);
  const Drawing& drawing = picture.scene.layers[picture.sitters[0].layer].drawing;
  EXPECT_EQ(Settings(drawing),
            "figure age=8 arms=hold dress=#ea8aa8 hair=#b07a3a hairstyle=braids mood=smile "
            "sex=female");
  EXPECT_EQ(drawing.cells, QRectF(3, 1, 6, 16));
  EXPECT_EQ(picture.scene.underlay.size(), QSize(380, 380));

  const struct {
    const char* line;
    const char* mistake;
  } cases[] = {
      {"sitter 1746 Orn at 1,1 size 6x16",
       "w.picture:3: the 1746 page has no person \"Orn\" (its people: Wynnet)"},
      {"sitter 1746 Wynnet at 1,1 size 6x16 colour=red",
       "w.picture:3: \"colour\" is not a setting of figure"},
      {"sitter 1752 Wynnet at 1,1 size 6x16", "w.picture:3: there is no page for 1752"},
      {"sitter 1747 Wynnet at 1,1 size 6x16", "w.picture:3: 1747 is not a year of the date book"},
  };
  for (const auto& c : cases) {
    try {
      PictureSource wrong = ParsePictureSource(
          std::string("picture closeups//w.jpg size 380x380\nscenery 1746\n") + c.line + "\n",
          "w.picture");
      ResolvePageViews(wrong, pages);
      ADD_FAILURE() << c.line;
    } catch (const ContentError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, std::string(c.mistake).size()), c.mistake);
    }
  }
}

// The scenery is the page's picture without its people (unless asked for), so the sitter
// does not stand in front of a second self.
TEST(PageView, SceneryLeavesThePeopleOut) {
  const PageSource page = ParsePageSource(kPage, "1746.page");
  PageView view;
  view.year = 1746;
  view.cells = QRectF(0, 0, 12, 12);
  view.blur = 0;
  view.light = 0;
  auto colours = [](const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 4)
      for (int x = 0; x < image.width(); x += 4) seen.insert(image.pixel(x, y));
    return seen.size();
  };
  // Only the backdrop's one colour is left where the girl stood.
  EXPECT_EQ(colours(PageViewImage(page, view, QSize(240, 240))), 1u);
  view.people = true;
  EXPECT_GT(colours(PageViewImage(page, view, QSize(240, 240))), 3u);
  // Blurring keeps the picture's size and softens its edges.
  QImage edge(40, 40, QImage::Format_RGB32);
  edge.fill(Qt::black);
  for (int y = 0; y < 40; ++y)
    for (int x = 20; x < 40; ++x) edge.setPixel(x, y, qRgb(255, 255, 255));
  Blur(edge, 3);
  EXPECT_EQ(edge.size(), QSize(40, 40));
  EXPECT_EQ(qRed(edge.pixel(2, 20)), 0);
  EXPECT_GT(qRed(edge.pixel(19, 20)), 60);
  EXPECT_LT(qRed(edge.pixel(19, 20)), 200);
  EXPECT_EQ(qRed(edge.pixel(37, 20)), 255);
}

// Every person of the roster has a close-up source making their picture, and it draws that
// very person from their own page, so the face in the window is the figure on the page.
TEST(PageView, EveryRosterPictureDrawsItsPerson) {
  const std::vector<PictureSource> pictures = ReadAllPictures(testing::kContent);
  for (const RosterRow& row : kRoster) {
    SCOPED_TRACE(std::string(row.picture));
    const auto picture = std::find_if(pictures.begin(), pictures.end(),
                                      [&](const auto& p) { return p.output == row.picture; });
    ASSERT_NE(picture, pictures.end());
    EXPECT_EQ(picture->scene.width, 380);
    EXPECT_EQ(picture->scene.height, 380);
    ASSERT_EQ(picture->sitters.size(), 1u);
    EXPECT_EQ(picture->sitters[0].name, row.character);
    EXPECT_EQ(picture->sitters[0].year, std::stoi(std::string(kDateTabs[row.tab].tabCaption)));
    ASSERT_TRUE(picture->scenery.has_value());
    EXPECT_EQ(picture->scenery->year, picture->sitters[0].year);
  }
}

}  // namespace
}  // namespace quenna::datakit
