#include "Source.h"

#include <QColor>

#include <charconv>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "Painters.h"
#include "core/GameFiles.h"

namespace quenna::datakit {
namespace {

std::string Where(const SourcePos& pos) {
  return pos.file + ":" + std::to_string(pos.line);
}

// The tab of a year of the date book (1 for its first year), or 0 for another year.
int TabOfYear(int year) {
  for (std::size_t i = 0; i < kYearPages.size(); ++i) {
    if (kYearPages[i].year == year) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Named colours, so a writer can say "walnut" rather than "#764e30".
const std::map<std::string, QColor>& NamedColors() {
  static const std::map<std::string, QColor> names = {
      {"oak", palette::kOak},           {"walnut", palette::kWalnut},
      {"pine", palette::kPine},         {"iron", palette::kIron},
      {"brass", palette::kBrass},       {"paper", palette::kPaper},
      {"stone", palette::kStone},       {"leaf", palette::kLeaf},
      {"white", QColor(250, 250, 246)}, {"black", QColor(40, 36, 40)},
      {"cream", QColor(244, 234, 212)}, {"brown", QColor(122, 82, 50)},
      {"red", QColor(190, 60, 50)},     {"blue", QColor(62, 104, 170)},
      {"navy", QColor(40, 56, 100)},    {"green", QColor(70, 130, 80)},
      {"yellow", QColor(236, 196, 70)}, {"grey", QColor(140, 140, 146)},
      {"pink", QColor(236, 150, 170)},  {"lilac", QColor(184, 150, 206)},
      {"orange", QColor(226, 130, 52)}, {"none", QColor(0, 0, 0, 0)},
  };
  return names;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

int Indent(const std::string& line) {
  int indent = 0;
  for (char c : line) {
    if (c == ' ') {
      ++indent;
    } else if (c == '\t') {
      indent += 4;
    } else {
      break;
    }
  }
  return indent;
}

// Splits a line into words; "quoted words" stay together, quotes removed.
std::vector<std::string> Words(const std::string& line, const SourcePos& pos) {
  std::vector<std::string> words;
  std::string current;
  bool quoted = false;
  bool inWord = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
      continue;
    }
    if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(current);
      current.clear();
      inWord = false;
      continue;
    }
    current.push_back(c);
    inWord = true;
  }
  if (quoted) throw ContentError(pos, "a quotation mark is not closed");
  if (inWord) words.push_back(current);
  return words;
}

std::pair<double, double> ParsePair(const std::string& text, char separator, double low,
                                    double high, const SourcePos& pos, const std::string& what) {
  const auto split = text.find(separator);
  if (split == std::string::npos) {
    throw ContentError(pos, what + " \"" + text + "\" should be two numbers joined by '" +
                                std::string(1, separator) + "'");
  }
  const double first = NumberIn(text.substr(0, split), low, high, pos, what);
  const double second = NumberIn(text.substr(split + 1), low, high, pos, what);
  return {first, second};
}

// Places and sizes in grid cells: a picture is at most 4000 pixels, 134 cells, and a
// drawing may stand partly outside it.
constexpr double kPlaceLimit = 200;
constexpr double kSizeLimit = 200;
// Every drawing is painted on a layer the size of the picture and its pixels counted,
// so drawings cost time; the pictures of the game have at most 20.
constexpr std::size_t kLayerLimit = 200;

// "<painter> at C,R size WxH setting=value flag ..." (the painter named already).
Drawing ParseDrawing(const std::string& painterName, const std::vector<std::string>& words,
                     std::size_t first, const SourcePos& pos, bool placeRequired) {
  const PainterInfo* painter = FindPainter(painterName);
  if (!painter) {
    std::string known;
    for (const auto& info : AllPainters())
      known += (known.empty() ? "" : ", ") + std::string(info.name);
    throw ContentError(pos,
                       "there is no painter \"" + painterName + "\" (painters: " + known + ")");
  }
  Drawing drawing;
  drawing.painter = painterName;
  drawing.pos = pos;
  bool hasAt = false;
  bool hasSize = false;
  std::vector<std::string> settings;
  for (std::size_t i = first; i < words.size(); ++i) {
    if (words[i] == "at" || words[i] == "size") {
      if (i + 1 >= words.size()) throw ContentError(pos, "\"" + words[i] + "\" needs a value");
      if (words[i] == "at") {
        const auto [column, row] =
            ParsePair(words[i + 1], ',', -kPlaceLimit, kPlaceLimit, pos, "the place");
        drawing.cells.moveTo(column, row);
        hasAt = true;
      } else {
        const auto [width, height] = ParsePair(words[i + 1], 'x', 0, kSizeLimit, pos, "the size");
        if (width <= 0 || height <= 0) throw ContentError(pos, "a size must be above zero");
        drawing.cells.setSize({width, height});
        hasSize = true;
      }
      ++i;
      continue;
    }
    settings.push_back(words[i]);
  }
  if (placeRequired && (!hasAt || !hasSize)) {
    throw ContentError(pos,
                       "say where to draw it: \"at <column>,<row> size <width>x<height>\" "
                       "in grid cells (the picture is 20 x 20 cells)");
  }
  drawing.params = ResolveParams(*painter, settings, pos);
  return drawing;
}

// A year of the date book, as a page or a close-up names it.
int PageYear(const std::string& text, const SourcePos& pos) {
  const int year =
      WholeNumberIn(text, kYearPages.front().year, kYearPages.back().year, pos, "the year");
  if (TabOfYear(year) == 0)
    throw ContentError(pos, std::to_string(year) + " is not a year of the date book");
  return year;
}

int ParseValue(const std::string& text, const SourcePos& pos) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '9') {
    throw ContentError(pos, "a grid value is one digit from 1 to 9, not \"" + text + "\"");
  }
  return text[0] - '0';
}

std::string RestOfLine(const std::string& trimmed, std::size_t words) {
  // The text after the first `words` words of the line, spaces kept as written.
  std::size_t at = 0;
  for (std::size_t w = 0; w < words; ++w) {
    at = trimmed.find_first_not_of(" \t", at);
    if (at == std::string::npos) return {};
    at = trimmed.find_first_of(" \t", at);
    if (at == std::string::npos) return {};
  }
  return Trim(trimmed.substr(at));
}

// The shared reader of page and picture files: the drawing lines, the clickables and
// their texts. Which keywords are allowed depends on the kind of file.
class Reader {
 public:
  Reader(std::string fileName, bool page) : fileName_(std::move(fileName)), page_(page) {}

  void Read(const std::string& text) {
    std::istringstream stream(text);
    std::string raw;
    int number = 0;
    while (std::getline(stream, raw)) {
      ++number;
      const SourcePos pos{fileName_, number};
      const std::string line = Trim(raw);
      if (inNarration_) {
        ReadNarrationLine(line, pos);
        continue;
      }
      if (line.empty() || line[0] == '#') {
        if (line.empty()) textTarget_ = nullptr;
        continue;
      }
      const int indent = Indent(raw);
      if (textTarget_ && indent > textIndent_) {
        *textTarget_ += " " + PlainText(line, pos);
        continue;
      }
      textTarget_ = nullptr;
      Keyword(line, indent, pos);
      if (scene().layers.size() > kLayerLimit) {
        throw ContentError(pos,
                           "a picture has at most " + std::to_string(kLayerLimit) + " drawings");
      }
    }
    if (!paragraph_.empty()) page_source.narration.push_back(paragraph_);
  }

  PageSource page_source;
  PictureSource picture_source;

 private:
  Scene& scene() { return page_ ? page_source.scene : picture_source.scene; }

  void ReadNarrationLine(const std::string& line, const SourcePos& pos) {
    if (!line.empty() && line[0] == '#') return;
    if (line.empty()) {
      if (!paragraph_.empty()) page_source.narration.push_back(paragraph_);
      paragraph_.clear();
      return;
    }
    paragraph_ += (paragraph_.empty() ? "" : " ") + PlainText(line, pos);
  }

  void StartText(std::string& target, const std::string& text, int indent, const SourcePos& pos) {
    target = PlainText(text, pos);
    textTarget_ = &target;
    textIndent_ = indent;
  }

  Clickable& Current(const std::string& keyword, const SourcePos& pos) {
    if (current_ < 0) {
      throw ContentError(pos, "\"" + keyword +
                                  "\" belongs to a thing or person: start one with "
                                  "\"thing <value> <name>\" or \"person <value> <name>\" first");
    }
    return scene().clickables[static_cast<std::size_t>(current_)];
  }

  // One statement line: its words (the keyword first), the line as written, and where.
  struct Statement {
    const std::vector<std::string>& words;
    const std::string& line;
    int indent;
    const SourcePos& pos;

    const std::string& keyword() const { return words[0]; }
    // Refuses a statement of fewer than count words with how to write it.
    void Need(std::size_t count, const char* usage) const {
      if (words.size() < count) throw ContentError(pos, std::string("write it as: ") + usage);
    }
  };

  // The files a keyword may be written in, and the reader of its statement.
  enum class Files { kPages, kPictures, kBoth };
  struct KeywordRule {
    std::string_view keyword;
    Files files;
    void (Reader::*read)(const Statement&);
  };

  void Keyword(const std::string& line, int indent, const SourcePos& pos) {
    const std::vector<std::string> words = Words(line, pos);
    const Statement statement{words, line, indent, pos};
    for (const KeywordRule& rule : kKeywords) {
      const bool here = rule.files == Files::kBoth || (rule.files == Files::kPages) == page_;
      if (here && rule.keyword == statement.keyword()) {
        (this->*rule.read)(statement);
        return;
      }
    }
    throw ContentError(pos, "\"" + statement.keyword() + "\" is not a keyword of a " +
                                (page_ ? std::string("page") : std::string("picture")) + " file");
  }

  // page <year>
  void ReadPage(const Statement& s) {
    s.Need(2, "page <year>");
    if (page_source.year != 0) throw ContentError(s.pos, "the page's year is given twice");
    const int year = PageYear(s.words[1], s.pos);
    page_source.tab = TabOfYear(year);
    page_source.year = year;
    pageLine_ = s.pos;
  }

  // picture <game path> size <width>x<height> [quality=<1..100>]
  void ReadPicture(const Statement& s) {
    const SourcePos& pos = s.pos;
    s.Need(4, "picture <game path> size <width>x<height> [quality=<1..100>]");
    picture_source.output = s.words[1];
    if (s.words[2] != "size")
      throw ContentError(pos, "write it as: picture <game path> size <w>x<h>");
    const std::string& size = s.words[3];
    const auto split = size.find('x');
    if (split == std::string::npos)
      throw ContentError(pos, "the size \"" + size + "\" should be two numbers joined by 'x'");
    scene().width = WholeNumberIn(size.substr(0, split), 1, 4000, pos, "the width in pixels");
    scene().height = WholeNumberIn(size.substr(split + 1), 1, 4000, pos, "the height in pixels");
    for (std::size_t i = 4; i < s.words.size(); ++i) {
      if (s.words[i].rfind("quality=", 0) == 0) {
        picture_source.quality = WholeNumberIn(s.words[i].substr(8), 1, 100, pos, "the quality");
      } else {
        throw ContentError(pos, "\"" + s.words[i] + "\" is not a setting of a picture");
      }
    }
    pageLine_ = pos;
  }

  // backdrop <painter> [settings]
  void ReadBackdrop(const Statement& s) {
    s.Need(2, "backdrop <painter> [settings]");
    if (hasBackdrop_) throw ContentError(s.pos, "a picture has one backdrop");
    if (!scene().layers.empty())
      throw ContentError(s.pos, "the backdrop comes before everything drawn on it");
    Layer layer;
    layer.drawing = ParseDrawing(s.words[1], s.words, 2, s.pos, false);
    if (layer.drawing.cells.isEmpty()) {
      layer.drawing.cells = QRectF(0, 0, scene().width / 30.0, scene().height / 30.0);
    }
    scene().layers.push_back(layer);
    hasBackdrop_ = true;
    current_ = -1;
  }

  // scenery <year> [at <column>,<row> size <w>x<h>] [blur=<pixels>] [light=<0..1>] [people]
  void ReadScenery(const Statement& s) {
    const SourcePos& pos = s.pos;
    const std::vector<std::string>& words = s.words;
    s.Need(2,
           "scenery <year> [at <column>,<row> size <w>x<h>] [blur=<pixels>] [light=<0..1>] "
           "[people]");
    if (hasBackdrop_) throw ContentError(pos, "a picture has one backdrop");
    if (!scene().layers.empty())
      throw ContentError(pos, "the scenery comes before everything drawn on it");
    PageView view;
    view.pos = pos;
    view.year = PageYear(words[1], pos);
    bool hasAt = false;
    bool hasSize = false;
    for (std::size_t i = 2; i < words.size(); ++i) {
      const std::string& word = words[i];
      if ((word == "at" || word == "size") && i + 1 < words.size()) {
        if (word == "at") {
          const auto [column, row] =
              ParsePair(words[++i], ',', -kPlaceLimit, kPlaceLimit, pos, "the place");
          view.cells.moveTo(column, row);
          hasAt = true;
        } else {
          const auto [width, height] = ParsePair(words[++i], 'x', 0, kSizeLimit, pos, "the size");
          if (width <= 0 || height <= 0) throw ContentError(pos, "a size must be above zero");
          view.cells.setSize({width, height});
          hasSize = true;
        }
      } else if (word.rfind("blur=", 0) == 0) {
        view.blur = NumberIn(word.substr(5), 0, 40, pos, "the blur in pixels");
      } else if (word.rfind("light=", 0) == 0) {
        view.light = NumberIn(word.substr(6), 0, 1, pos, "the light");
      } else if (word == "people") {
        view.people = true;
      } else {
        throw ContentError(pos, "\"" + word +
                                    "\" is not a setting of scenery (at, size, "
                                    "blur=<pixels>, light=<0..1>, people)");
      }
    }
    if (hasAt != hasSize)
      throw ContentError(pos, "give the part of the page with both \"at\" and \"size\"");
    picture_source.scenery = view;
    hasBackdrop_ = true;
    current_ = -1;
  }

  // sitter <year> <person's name> at <column>,<row> size <w>x<h> [settings]
  void ReadSitter(const Statement& s) {
    const std::vector<std::string>& words = s.words;
    s.Need(3, "sitter <year> <person's name> at <column>,<row> size <w>x<h> [settings]");
    Sitter sitter;
    sitter.pos = s.pos;
    sitter.year = PageYear(words[1], s.pos);
    sitter.name = words[2];
    std::vector<std::string> rest;
    Layer layer;
    for (std::size_t i = 3; i < words.size(); ++i) {
      if ((words[i] == "at" || words[i] == "size") && i + 1 < words.size()) {
        rest.push_back(words[i]);
        rest.push_back(words[++i]);
      } else {
        sitter.settings.push_back(words[i]);
      }
    }
    // The place is read now; the painter and its settings come from the page later.
    layer.drawing = ParseDrawing("patch", rest, 0, s.pos, true);
    sitter.layer = scene().layers.size();
    scene().layers.push_back(layer);
    picture_source.sitters.push_back(sitter);
    current_ = -1;
  }

  // decor <painter> at ... size ... [settings], or overlay <painter> [at ... size ...]
  void ReadDecor(const Statement& s) {
    s.Need(2, "decor <painter> at <column>,<row> size <width>x<height> [settings]");
    Layer layer;
    layer.overlay = s.keyword() == "overlay";
    // An overlay covers the whole picture unless told otherwise.
    layer.drawing = ParseDrawing(s.words[1], s.words, 2, s.pos, !layer.overlay);
    if (layer.drawing.cells.isEmpty()) {
      layer.drawing.cells = QRectF(0, 0, scene().width / 30.0, scene().height / 30.0);
    }
    scene().layers.push_back(layer);
    current_ = -1;
  }

  // nothing <the look line for every spot where nothing is>
  void ReadNothing(const Statement& s) {
    s.Need(2, "nothing <the look line for every spot where nothing is>");
    StartText(page_source.nothing, RestOfLine(s.line, 1), s.indent, s.pos);
    current_ = -1;
  }

  // narration, then the story on the lines after it
  void ReadNarration(const Statement& s) {
    if (s.words.size() > 1)
      throw ContentError(s.pos, "the narration starts on the line after \"narration\"");
    inNarration_ = true;
    page_source.narrationPos = s.pos;
  }

  // thing <value> <name>, or person <value> <name>
  void ReadClickable(const Statement& s) {
    if (!page_) throw ContentError(s.pos, "only year pages have things and people to click");
    const bool person = s.keyword() == "person";
    s.Need(3, person ? "person <value 1..9> <name>" : "thing <value 1..9> <name>");
    Clickable clickable;
    clickable.value = ParseValue(s.words[1], s.pos);
    clickable.name = RestOfLine(s.line, 2);
    clickable.person = person;
    clickable.pos = s.pos;
    scene().clickables.push_back(clickable);
    current_ = static_cast<int>(scene().clickables.size()) - 1;
  }

  // draw <painter> at ... size ... [settings]: a drawing of the current thing
  void ReadDraw(const Statement& s) {
    Clickable& clickable = Current(s.keyword(), s.pos);
    s.Need(2, "draw <painter> at <column>,<row> size <width>x<height> [settings]");
    if (clickable.person)
      throw ContentError(s.pos, "a person is drawn with \"figure\", not \"draw\"");
    AddLayer(clickable, ParseDrawing(s.words[1], s.words, 2, s.pos, true), LayerPart::kAll);
  }

  // figure [painter] at ... size ... [settings]: the current person
  void ReadFigure(const Statement& s) {
    const std::vector<std::string>& words = s.words;
    Clickable& clickable = Current(s.keyword(), s.pos);
    if (!clickable.person)
      throw ContentError(s.pos, "\"figure\" draws a person; a thing uses \"draw\"");
    if (!clickable.drawings.empty()) throw ContentError(s.pos, "a person has one figure");
    // "figure at ..." draws a person; "figure cat at ..." names another painter.
    const bool named = words.size() > 1 && words[1] != "at" && words[1] != "size" &&
                       words[1].find('=') == std::string::npos;
    AddLayer(clickable,
             ParseDrawing(named ? words[1] : "figure", words, named ? 2 : 1, s.pos, true),
             LayerPart::kAll);
  }

  // held <value>: what the current person holds answers a value of its own
  void ReadHeld(const Statement& s) {
    Clickable& clickable = Current(s.keyword(), s.pos);
    s.Need(2, "held <value 1..9>");
    if (!clickable.person || clickable.drawings.empty()) {
      throw ContentError(s.pos, "\"held\" follows a person's \"figure\" line");
    }
    clickable.heldValue = ParseValue(s.words[1], s.pos);
    // The figure becomes two layers: the person, then what the person holds.
    std::vector<Layer>& layers = scene().layers;
    layers.back().part = LayerPart::kBody;
    Layer held = layers.back();
    held.part = LayerPart::kHeld;
    held.value = clickable.heldValue;
    layers.push_back(held);
  }

  // look, describe or heldlook <text>: a text of the current thing or person
  void ReadText(const Statement& s) {
    const std::string& keyword = s.keyword();
    Clickable& clickable = Current(keyword, s.pos);
    s.Need(2, "look <text>");
    std::string& target = keyword == "look"       ? clickable.look
                          : keyword == "describe" ? clickable.describe
                                                  : clickable.heldLook;
    if (!target.empty()) throw ContentError(s.pos, "\"" + keyword + "\" is given twice");
    if (keyword == "describe" && !clickable.person) {
      throw ContentError(s.pos, "only people are described");
    }
    StartText(target, RestOfLine(s.line, 1), s.indent, s.pos);
  }

  // Every keyword of the two kinds of file. Another keyword, or one in the other kind of
  // file, is refused by Keyword.
  static constexpr KeywordRule kKeywords[] = {
      {"page", Files::kPages, &Reader::ReadPage},
      {"picture", Files::kPictures, &Reader::ReadPicture},
      {"backdrop", Files::kBoth, &Reader::ReadBackdrop},
      {"scenery", Files::kPictures, &Reader::ReadScenery},
      {"sitter", Files::kPictures, &Reader::ReadSitter},
      {"decor", Files::kBoth, &Reader::ReadDecor},
      {"overlay", Files::kBoth, &Reader::ReadDecor},
      {"nothing", Files::kPages, &Reader::ReadNothing},
      {"narration", Files::kPages, &Reader::ReadNarration},
      // In a picture these say that only pages have them.
      {"thing", Files::kBoth, &Reader::ReadClickable},
      {"person", Files::kBoth, &Reader::ReadClickable},
      {"draw", Files::kBoth, &Reader::ReadDraw},
      {"figure", Files::kBoth, &Reader::ReadFigure},
      {"held", Files::kBoth, &Reader::ReadHeld},
      {"look", Files::kBoth, &Reader::ReadText},
      {"describe", Files::kBoth, &Reader::ReadText},
      {"heldlook", Files::kBoth, &Reader::ReadText},
  };

  void AddLayer(Clickable& clickable, Drawing drawing, LayerPart part) {
    Layer layer;
    layer.drawing = std::move(drawing);
    layer.value = clickable.value;
    layer.clickable = current_;
    layer.part = part;
    clickable.drawings.push_back(layer.drawing);
    scene().layers.push_back(layer);
  }

 public:
  void Finish() {
    const SourcePos top{fileName_, 1};
    if (pageLine_.line == 0) {
      throw ContentError(
          top, page_ ? "the file must say which page it is: \"page <year>\""
                     : "the file must say what it makes: \"picture <path> size <w>x<h>\"");
    }
    if (!hasBackdrop_) throw ContentError(pageLine_, "the picture needs a \"backdrop\"");
    if (!page_) return;
    if (page_source.nothing.empty()) {
      throw ContentError(pageLine_,
                         "the page needs a \"nothing\" line: the look line where nothing is");
    }
    if (page_source.narration.empty()) {
      throw ContentError(pageLine_, "the page needs its \"narration\" (at the end of the file)");
    }
    std::set<int> used;
    auto claim = [&](int value, const SourcePos& pos) {
      if (!used.insert(value).second) {
        throw ContentError(
            pos, "the grid value " + std::to_string(value) + " is used twice on this page");
      }
    };
    for (const Clickable& clickable : scene().clickables) {
      claim(clickable.value, clickable.pos);
      if (clickable.heldValue != 0) {
        claim(clickable.heldValue, clickable.pos);
        if (clickable.heldLook.empty()) {
          throw ContentError(clickable.pos, "\"" + clickable.name +
                                                "\" holds something with a value of "
                                                "its own; give it a \"heldlook\" line");
        }
      }
      if (clickable.drawings.empty()) {
        throw ContentError(clickable.pos, "\"" + clickable.name + "\" is never drawn");
      }
      if (clickable.look.empty()) {
        throw ContentError(clickable.pos, "\"" + clickable.name + "\" needs a \"look\" line");
      }
      if (clickable.person && clickable.describe.empty()) {
        throw ContentError(clickable.pos,
                           "describe \"" + clickable.name +
                               "\" (age, clothes, colours, hair) with a \"describe\" line");
      }
    }
  }

 private:
  std::string fileName_;
  bool page_;
  bool hasBackdrop_ = false;
  bool inNarration_ = false;
  int current_ = -1;
  std::string* textTarget_ = nullptr;
  int textIndent_ = 0;
  std::string paragraph_;
  SourcePos pageLine_;
};

}  // namespace

std::string PlainText(const std::string& text, const SourcePos& pos) {
  static const std::vector<std::pair<std::string, std::string>> kReplacements = {
      {"\xE2\x80\x98", "'"},   {"\xE2\x80\x99", "'"}, {"\xE2\x80\x9C", "\""},
      {"\xE2\x80\x9D", "\""},  {"\xE2\x80\x93", "-"}, {"\xE2\x80\x94", " - "},
      {"\xE2\x80\xA6", "..."}, {"\xC2\xA0", " "}};
  std::string plain;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      if (byte < 0x20 && byte != '\t') {
        throw ContentError(pos, "a control character (code " + std::to_string(byte) +
                                    ") cannot be stored in the game's text files");
      }
      plain.push_back(byte == '\t' ? ' ' : static_cast<char>(byte));
      ++i;
      continue;
    }
    bool replaced = false;
    for (const auto& [from, to] : kReplacements) {
      if (text.compare(i, from.size(), from) == 0) {
        plain += to;
        i += from.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      std::size_t length = 1;
      while (i + length < text.size() &&
             (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
        ++length;
      }
      throw ContentError(pos, "the character \"" + text.substr(i, length) +
                                  "\" is not plain ASCII; the game's text files hold only "
                                  "plain letters, digits and punctuation");
    }
  }
  return plain;
}

ContentError::ContentError(const SourcePos& pos, const std::string& message)
    : std::runtime_error(Where(pos) + ": " + message) {}

ContentError::ContentError(const std::string& file, const std::string& message)
    : std::runtime_error(file + ": " + message) {}

ContentError ContentError::Listed(const std::string& lines) {
  return ContentError(lines);
}

QColor Params::Color(const std::string& key) const {
  return *ParseColor(Text(key));
}

double Params::Number(const std::string& key) const {
  // ResolveParams has checked every value, the defaults included.
  const std::optional<double> value = ParseDecimal(Text(key));
  if (!value) throw std::logic_error("a painter setting is not a number: " + key);
  return *value;
}

int Params::Int(const std::string& key) const {
  return static_cast<int>(Number(key));
}

bool Params::Flag(const std::string& key) const {
  return Text(key) == "yes";
}

const std::string& Params::Text(const std::string& key) const {
  const auto found = values.find(key);
  if (found == values.end())
    throw std::logic_error("a painter asked for an undeclared setting: " + key);
  return found->second;
}

bool Params::Given(const std::string& key) const {
  const auto found = given.find(key);
  return found != given.end() && found->second;
}

std::optional<QColor> ParseColor(const std::string& text) {
  if (text.size() == 7 && text[0] == '#') {
    const QColor color = QColor::fromString(text);
    if (color.isValid()) return color;
    return std::nullopt;
  }
  const auto found = NamedColors().find(text);
  if (found != NamedColors().end()) return found->second;
  return std::nullopt;
}

std::string ReadTextFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) throw ContentError(file.string(), "cannot be read");
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  int digits = 0;
  bool point = false;
  for (std::size_t i = at; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || digits > 15) return std::nullopt;
  // from_chars reads the same digits whatever the locale, and takes no '+'.
  const std::size_t from = text[0] == '+' ? 1 : 0;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + from, text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

namespace {

std::string NumberText(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

}  // namespace

double NumberIn(std::string_view text, double low, double high, const SourcePos& pos,
                const std::string& what) {
  const std::optional<double> value = ParseDecimal(text);
  if (!value || *value < low || *value > high) {
    throw ContentError(pos, what + " is a number from " + NumberText(low) + " to " +
                                NumberText(high) + ", not \"" + std::string(text) + "\"");
  }
  return *value;
}

int WholeNumberIn(std::string_view text, int low, int high, const SourcePos& pos,
                  const std::string& what) {
  const std::optional<double> value = ParseDecimal(text);
  if (!value || *value != std::floor(*value) || *value < low || *value > high) {
    throw ContentError(pos, what + " is a whole number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", not \"" + std::string(text) + "\"");
  }
  return static_cast<int>(*value);
}

PageSource ParsePageSource(const std::string& text, const std::string& fileName) {
  Reader reader(fileName, true);
  reader.Read(text);
  reader.Finish();
  reader.page_source.scene.file = fileName;
  return reader.page_source;
}

PageSource ReadPageSource(const std::filesystem::path& file) {
  return ParsePageSource(ReadTextFile(file), file.string());
}

PictureSource ParsePictureSource(const std::string& text, const std::string& fileName) {
  Reader reader(fileName, false);
  reader.Read(text);
  reader.Finish();
  reader.picture_source.scene.file = fileName;
  return reader.picture_source;
}

PictureSource ReadPictureSource(const std::filesystem::path& file) {
  return ParsePictureSource(ReadTextFile(file), file.string());
}

}  // namespace quenna::datakit
