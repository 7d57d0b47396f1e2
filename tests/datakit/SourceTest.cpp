#include <gtest/gtest.h>

#include <sstream>

#include "Source.h"

namespace quenna::datakit {
namespace {

std::string Dump(const PageSource& page) {
  std::ostringstream out;
  out << "page " << page.year << " tab " << page.tab << "\n";
  for (const Layer& layer : page.scene.layers) {
    const QRectF& r = layer.drawing.cells;
    out << (layer.overlay ? "overlay " : "layer ") << layer.drawing.painter << " value "
        << layer.value << " at " << r.x() << "," << r.y() << " size " << r.width() << "x"
        << r.height();
    if (layer.part == LayerPart::kBody) out << " body";
    if (layer.part == LayerPart::kHeld) out << " held";
    if (layer.clickable >= 0)
      out << " of \"" << page.scene.clickables[static_cast<std::size_t>(layer.clickable)].name
          << "\"";
    out << "\n";
  }
  out << "nothing: " << page.nothing << "\n";
  for (const Clickable& c : page.scene.clickables) {
    out << (c.person ? "person " : "thing ") << c.value << " " << c.name << " (line " << c.pos.line
        << "): " << c.look << "\n";
    if (!c.describe.empty()) out << "  describe: " << c.describe << "\n";
    if (c.heldValue) out << "  held " << c.heldValue << ": " << c.heldLook << "\n";
  }
  for (const std::string& paragraph : page.narration) out << "para: " << paragraph << "\n";
  return out.str();
}

const char* const kPage = R"(# A page with one of everything.
page 1779
backdrop outdoors horizon=9 sun
nothing Nothing here,
   just grass.
decor tree at 1,2 size 3x5 kind=willow
thing 7 the crate
  draw crate at 2.5,3 size 4x2 label="TWO WORDS"
  draw crate at 8,3 size 1x1
  look A crate, with \u201ccurly\u201d quotes \u2014 and a dash.
person 1 Oriel
  figure at 10,4 size 3x10 sex=female holds=fan
  held 2
  describe A lively lady.
  look Oriel herself.
  heldlook Her fan.
overlay rain

narration
First paragraph,
still the first.

# a comment inside the narration is skipped
Second.
)";

// A page file reads into its drawing layers in order, its clickables with their look
// lines, and its narration paragraphs; typographic marks become plain ASCII.
TEST(PageSource, ReadsEverythingInOrder) {
  std::string text = kPage;
  // The source above spells the typographic marks as escapes; put the real UTF-8 in.
  auto replace = [&](const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  };
  replace("\\u201c", "\xE2\x80\x9C");
  replace("\\u201d", "\xE2\x80\x9D");
  replace("\\u2014", "\xE2\x80\x94");
  const PageSource page = ParsePageSource(text, "t.page");
  EXPECT_EQ(Dump(page),
            "page 1779 tab 13\n"
            "layer outdoors value 0 at 0,0 size 20x20\n"
            "layer tree value 0 at 1,2 size 3x5\n"
            "layer crate value 7 at 2.5,3 size 4x2 of \"the crate\"\n"
            "layer crate value 7 at 8,3 size 1x1 of \"the crate\"\n"
            "layer figure value 1 at 10,4 size 3x10 body of \"Oriel\"\n"
            "layer figure value 2 at 10,4 size 3x10 held of \"Oriel\"\n"
            "overlay rain value 0 at 0,0 size 20x20\n"
            "nothing: Nothing here, just grass.\n"
            "thing 7 the crate (line 7): A crate, with \"curly\" quotes  -  and a dash.\n"
            "person 1 Oriel (line 11): Oriel herself.\n"
            "  describe: A lively lady.\n"
            "  held 2: Her fan.\n"
            "para: First paragraph, still the first.\n"
            "para: Second.\n");
  EXPECT_EQ(page.scene.layers[2].drawing.params.Text("label"), "TWO WORDS");
  EXPECT_EQ(page.scene.layers[4].drawing.params.Text("sex"), "female");
  EXPECT_EQ(page.scene.layers[4].drawing.params.Text("age"), "30");  // the default
}

// Every mistake a writer can make is reported with the file and line, in words that
// say what to do.
TEST(PageSource, MistakesNameTheFileAndLine) {
  const std::string tail = "nothing N\nnarration\nStory.\n";
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"backdrop plain\n" + tail, "t.page:1: the file must say which page it is: \"page <year>\""},
      {"page 1717\n", "t.page:1: 1717 is not a year of the date book"},
      {"page 1716\n" + tail, "t.page:1: the picture needs a \"backdrop\""},
      {"page 1716\nbackdrop plain\nnarration\nStory.\n",
       "t.page:1: the page needs a \"nothing\" line: the look line where nothing is"},
      {"page 1716\nbackdrop plain\nnothing N\n",
       "t.page:1: the page needs its \"narration\" (at the end of the file)"},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1\n" + tail,
       "t.page:3: say where to draw it: \"at <column>,<row> size <width>x<height>\" in grid cells "
       "(the picture is 20 x 20 cells)"},
      {"page 1716\nbackdrop plain\ndecor crate at 1;1 size 2x2\n" + tail,
       "t.page:3: the place \"1;1\" should be two numbers joined by ','"},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1 size 2x2 wood=#12\n" + tail,
       "t.page:3: \"#12\" is not right for wood of crate: it takes a colour, #rrggbb or a palette "
       "name (oak, walnut, cream, ...)"},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1 size 2x2 colour=red\n" + tail,
       "t.page:3: \"colour\" is not a setting of crate (settings: wood=<#rrggbb or colour name>, "
       "label=<text>)"},
      {"page 1716\nbackdrop plain\ndecor figure at 1,1 size 2x2 pose=jump\n" + tail,
       "t.page:3: \"jump\" is not right for pose of figure: it takes one of stand,sit"},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1 size 2x2 label=\"open\n" + tail,
       "t.page:3: a quotation mark is not closed"},
      {"page 1716\nbackdrop plain\nthing 10 big\n" + tail,
       "t.page:3: a grid value is one digit from 1 to 9, not \"10\""},
      {"page 1716\nbackdrop plain\nlook Hello\n" + tail,
       "t.page:3: \"look\" belongs to a thing or person: start one with \"thing <value> <name>\" "
       "or \"person <value> <name>\" first"},
      {"page 1716\nbackdrop plain\nthing 1 a\n  draw crate at 1,1 size 1x1\n  look A\nthing 1 b\n  "
       "draw crate at 3,1 size 1x1\n  look B\n" +
           tail,
       "t.page:6: the grid value 1 is used twice on this page"},
      {"page 1716\nbackdrop plain\nthing 1 a\n  look A\n" + tail, "t.page:3: \"a\" is never drawn"},
      {"page 1716\nbackdrop plain\nperson 2 Pip\n  figure at 1,1 size 2x6\n  look L\n" + tail,
       "t.page:3: describe \"Pip\" (age, clothes, colours, hair) with a \"describe\" line"},
      {"page 1716\nbackdrop plain\nperson 2 Pip\n  draw crate at 1,1 size 1x1\n" + tail,
       "t.page:4: a person is drawn with \"figure\", not \"draw\""},
      {"page 1716\nbackdrop plain\nnothing Caf\xC3\xA9 au lait\nnarration\nStory.\n",
       "t.page:3: the character \"\xC3\xA9\" is not plain ASCII; the game's text files hold only "
       "plain letters, digits and punctuation"},
      {"page 1716\nbackdrop plain\nbackdrop plain\n" + tail,
       "t.page:3: a picture has one backdrop"},
      {"page 1716\nbackdrop plain\njump high\n" + tail,
       "t.page:3: \"jump\" is not a keyword of a page file"},
      // Every number is finite and in range: no exponents, nan or inf.
      {"page 1.4e+77\n", "t.page:1: the year is a whole number from 1716 to 1785, not \"1.4e+77\""},
      {"page 1716\nbackdrop plain\ndecor crate at nan,1 size 2x2\n" + tail,
       "t.page:3: the place is a number from -200 to 200, not \"nan\""},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1 size 1e300x2\n" + tail,
       "t.page:3: the size is a number from 0 to 200, not \"1e300\""},
      {"page 1716\nbackdrop plain\ndecor crate at 1,1 size 0x2\n" + tail,
       "t.page:3: a size must be above zero"},
      {"page 1716\nbackdrop outdoors horizon=inf\n" + tail,
       "t.page:2: \"inf\" is not right for horizon of outdoors: it takes a number from -20 to "
       "40"},
      {"page 1716\nbackdrop plain\noverlay rain amount=2000000000\n" + tail,
       "t.page:3: \"2000000000\" is not right for amount of rain: it takes a whole number from 0 "
       "to 2000"},
      {"page 1716\nbackdrop plain\ndecor books at 1,1 size 2x2 count=2.5\n" + tail,
       "t.page:3: \"2.5\" is not right for count of books: it takes a whole number from 1 to "
       "100"},
  };
  for (const auto& c : cases) {
    try {
      ParsePageSource(c.text, "t.page");
      ADD_FAILURE() << "no complaint about:\n" << c.text;
    } catch (const ContentError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  try {
    ParsePageSource("page 1716\nbackdrop plain\ndecor craet at 1,1 size 1x1\n" + tail, "t.page");
    ADD_FAILURE() << "an unknown painter was accepted";
  } catch (const ContentError& error) {
    EXPECT_EQ(std::string(error.what())
                  .rfind("t.page:3: there is no painter \"craet\" (painters: outdoors, room,", 0),
              0u)
        << error.what();
  }
}

// A picture file names the game path it makes and its size; it has no clickables.
TEST(PictureSource, ReadsPathSizeAndQuality) {
  const PictureSource picture = ParsePictureSource(
      "picture closeups//x.jpg size 380x200 quality=80\nbackdrop plain\n", "x.picture");
  EXPECT_EQ(picture.output, "closeups//x.jpg");
  EXPECT_EQ(picture.scene.width, 380);
  EXPECT_EQ(picture.scene.height, 200);
  EXPECT_EQ(picture.quality, 80);
  EXPECT_THROW(
      ParsePictureSource("picture a.jpg size 10x10\nbackdrop plain\nthing 1 x\n", "x.picture"),
      ContentError);
  EXPECT_THROW(
      ParsePictureSource("picture a.jpg size 10x10 quality=0\nbackdrop plain\n", "x.picture"),
      ContentError);
  try {
    ParsePictureSource("picture a.jpg size nanx5\nbackdrop plain\n", "x.picture");
    ADD_FAILURE() << "a size of nan was accepted";
  } catch (const ContentError& error) {
    EXPECT_STREQ(error.what(),
                 "x.picture:1: the width in pixels is a whole number from 1 to 4000, "
                 "not \"nan\"");
  }
}

}  // namespace
}  // namespace quenna::datakit
