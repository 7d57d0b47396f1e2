#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quenna::datakit {

// Where something was written, so every complaint can name the file and the line.
struct SourcePos {
  std::string file;
  int line = 0;
};

// A mistake in the content sources: "content/pages/1716.page:12: message".
class ContentError : public std::runtime_error {
 public:
  ContentError(const SourcePos& pos, const std::string& message);
  ContentError(const std::string& file, const std::string& message);
  // Several mistakes at once, each already written as "file:line: message", one a line.
  static ContentError Listed(const std::string& lines);

 private:
  explicit ContentError(const std::string& lines) : std::runtime_error(lines) {}
};

// The settings of one painter call, checked against the painter's list of settings when
// read, with the painter's defaults filled in for everything not written.
class Params {
 public:
  QColor Color(const std::string& key) const;
  double Number(const std::string& key) const;
  int Int(const std::string& key) const;
  bool Flag(const std::string& key) const;
  const std::string& Text(const std::string& key) const;
  // True when the writer gave the setting (rather than taking the default).
  bool Given(const std::string& key) const;

  std::map<std::string, std::string> values;
  std::map<std::string, bool> given;
};

// One call of a painter: which painter, where (in grid cells of 30 pixels), and how.
struct Drawing {
  std::string painter;
  QRectF cells;  // left, top, width, height in cells
  Params params;
  SourcePos pos;
};

// A thing or a person that answers a look click: its grid value, its look line, and
// what is drawn for it. A person's held object may have a value of its own.
struct Clickable {
  int value = 0;
  std::string name;
  bool person = false;
  int heldValue = 0;  // 0: the held object counts as part of the person
  std::vector<Drawing> drawings;
  std::string look;
  std::string heldLook;
  std::string describe;  // a person's looks, for close-ups and slides
  SourcePos pos;
};

// What the picture paints, in order. A layer is one drawing of the backdrop, a
// decoration or a clickable; its value (0 for decorations) is what the grid records
// where it is seen. An overlay (rain, light) is painted on top without hiding anything
// from clicks.
enum class LayerPart { kAll, kBody, kHeld };
struct Layer {
  Drawing drawing;
  int value = 0;
  int clickable = -1;  // index in Scene::clickables, or -1
  bool overlay = false;
  LayerPart part = LayerPart::kAll;
};

struct Scene {
  std::string file;  // the source it came from
  int width = 600;
  int height = 600;
  // Painted before the layers when set: a close-up's view of its year page.
  QImage underlay;
  std::vector<Layer> layers;  // the backdrop first
  std::vector<Clickable> clickables;
};

// A year page: its picture with the click grid, the look lines and the narration.
struct PageSource {
  Scene scene;
  int year = 0;
  int tab = 0;                         // 1..14, from the year
  std::string nothing;                 // look line 0
  std::vector<std::string> narration;  // paragraphs
  SourcePos narrationPos;
};

// Any other picture: the title, the cover, portraits, charts, slides.
// A close-up's backdrop taken from a year page: part of the page's picture (in the page's
// cells), painted without the page's people, enlarged to fill the close-up and softened
// so the sitter stands out.
struct PageView {
  int year = 0;
  QRectF cells;         // empty: the whole page
  double blur = 4;      // pixels
  double light = 0.2;   // 0..1: how far the view is washed towards white
  bool people = false;  // keep the page's people in the view
  SourcePos pos;
};

// A person of a year page drawn again in a close-up: the same painter and settings as the
// page's figure line, in the close-up's own place and size, with any setting changed.
struct Sitter {
  std::size_t layer = 0;  // the layer of the picture that draws the sitter
  int year = 0;
  std::string name;                   // the person's name on the page
  std::vector<std::string> settings;  // changes to the page's settings
  SourcePos pos;
};

struct PictureSource {
  Scene scene;
  std::string output;  // the game's path, "closeups//ornhd1x1.jpg"
  int quality = 90;
  std::optional<PageView> scenery;
  std::vector<Sitter> sitters;
};

// Reads one page file. Throws ContentError naming the line of the first mistake.
PageSource ReadPageSource(const std::filesystem::path& file);
PageSource ParsePageSource(const std::string& text, const std::string& fileName);

// Reads one picture file ("picture <game path> size <w>x<h>", then the page drawing
// lines). A close-up may take its backdrop from a year page and draw a page's person:
//   scenery <year> [at <column>,<row> size <w>x<h>] [blur=<pixels>] [light=<0..1>] [people]
//   sitter <year> <person's name> at <column>,<row> size <w>x<h> [settings to change]
// Both are tied to their page by ResolvePageViews before the picture is painted.
PictureSource ReadPictureSource(const std::filesystem::path& file);
PictureSource ParsePictureSource(const std::string& text, const std::string& fileName);

// Reads a colour as the content writes it: "#rrggbb" or a name of the palette.
std::optional<QColor> ParseColor(const std::string& text);

// A line as the game's plain ASCII text files hold it. Writers type in editors that like
// curly quotes, so the usual typographic marks become their plain forms; anything else
// outside plain ASCII, or a control character, is a ContentError at pos.
std::string PlainText(const std::string& text, const SourcePos& pos);

// A number as the sources write it: digits with an optional sign and decimal point ("12",
// "-0.5", ".25"), at most 15 digits. An exponent, "nan" or "inf" is no number here, so
// every number read is finite. Nothing when the text is no such number.
std::optional<double> ParseDecimal(std::string_view text);
// The number the text writes when it lies within low..high (for WholeNumberIn: and has
// no fraction); otherwise a ContentError at pos: "<what> is a number from <low> to
// <high>, not "<text>"".
double NumberIn(std::string_view text, double low, double high, const SourcePos& pos,
                const std::string& what);
int WholeNumberIn(std::string_view text, int low, int high, const SourcePos& pos,
                  const std::string& what);

// The text of a file, with a ContentError naming the file when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& file);

}  // namespace quenna::datakit
