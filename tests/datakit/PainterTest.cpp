#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <sstream>

#include "Folders.h"
#include "Painters.h"
#include "Render.h"

namespace quenna::datakit {
namespace {

// Paints one painter call alone on a transparent 600 x 600 layer.
QImage PaintAlone(const std::string& painter, const QRectF& cells,
                  const std::vector<std::string>& words, LayerPart part = LayerPart::kAll) {
  const PainterInfo* info = FindPainter(painter);
  EXPECT_NE(info, nullptr) << painter;
  const Params params = ResolveParams(*info, words, {"test", 1});
  QImage layer(600, 600, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter p(&layer);
  p.setRenderHint(QPainter::Antialiasing);
  Canvas canvas(p, kCellPixels, 1234, part);
  info->paint(canvas,
              QRectF(cells.x() * 30, cells.y() * 30, cells.width() * 30, cells.height() * 30),
              params);
  return layer;
}

// The rectangle of pixels a layer covers (alpha of at least a half), and how many.
struct Coverage {
  QRect bounds;
  int pixels = 0;
};

Coverage Covered(const QImage& layer, int threshold = 128) {
  Coverage coverage;
  for (int y = 0; y < layer.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      if (qAlpha(row[x]) < threshold) continue;
      ++coverage.pixels;
      coverage.bounds |= QRect(x, y, 1, 1);
    }
  }
  return coverage;
}

// Settings that make each painter show what its other settings change (a coat for the
// coat's length to show, some words for the lettering's alignment).
const std::map<std::string, std::vector<std::string>>& BaseSettings() {
  static const std::map<std::string, std::vector<std::string>> base = {
      {"figure", {"coat=blue", "waistcoat=red", "holds=book"}},
      {"words", {"text=Hello"}},
      {"sheet", {"text=Hello"}},
      {"slate", {"text=Hello"}},
      {"blackboard", {"text=Hello"}},
  };
  return base;
}

std::vector<std::string> With(const std::string& painter, const std::string& word) {
  std::vector<std::string> words;
  const auto found = BaseSettings().find(painter);
  if (found != BaseSettings().end()) words = found->second;
  // A later word replaces a base word with the same key.
  const std::string key = word.substr(0, word.find('='));
  std::erase_if(words, [&](const std::string& w) { return w.substr(0, w.find('=')) == key; });
  if (!word.empty()) words.push_back(word);
  return words;
}

// The settings of a painter as its table declares them: name and kind.
std::vector<std::pair<std::string, std::string>> Settings(const PainterInfo& painter) {
  std::vector<std::pair<std::string, std::string>> settings;
  std::istringstream words{std::string(painter.settings)};
  std::string word;
  while (words >> word) {
    const auto colon = word.find(':');
    const auto equals = word.find('=');
    settings.push_back({word.substr(0, colon),
                        word.substr(colon + 1, equals == std::string::npos ? std::string::npos
                                                                           : equals - colon - 1)});
  }
  return settings;
}

// What a writer places is where it is painted, and so where it is clicked: every painter
// paints something, and stays within its box give or take a little (a cane, a bell rope
// or a ribbon may reach out a few pixels). Backdrops and overlays cover their whole box.
TEST(Painters, EveryPainterPaintsInsideItsBox) {
  const QRectF cells(6, 6, 6, 8);
  const QRect box(180, 180, 180, 240);
  // Painters whose drawing deliberately reaches beyond the box, and by how many pixels.
  const std::map<std::string, int> reach = {
      {"press", 40},      {"bundle", 60}, {"bollard", 120}, {"window", 30},    {"datebook", 30},
      {"lightning", 400}, {"glow", 0},    {"kite", 30},     {"skyneedle", 10}, {"figure", 40},
      {"banner", 80},     {"tower", 30},  {"flag13", 10},   {"door", 20},      {"sign", 10},
      {"clouds", 40},     {"moon", 100},  {"hedge", 10},    {"apples", 10},    {"ship", 30}};
  const std::set<std::string> light = {"zzz",  "sparkle",  "rain",       "sunbeam", "tint",
                                       "glow", "vignette", "kitestring", "words"};
  const std::set<std::string> filling = {"outdoors", "room",    "hall",       "plain",
                                         "patch",    "goldbar", "virtuechart"};
  for (const PainterInfo& painter : AllPainters()) {
    const std::string name(painter.name);
    SCOPED_TRACE(name);
    const QImage layer = PaintAlone(name, cells, With(name, ""));
    if (light.count(name)) {
      // Light, thin strokes and see-through washes: painted, but never opaque over much.
      EXPECT_GT(Covered(layer, 1).pixels, 0);
      continue;
    }
    const Coverage coverage = Covered(layer);
    EXPECT_GT(coverage.pixels, 300) << name;
    const auto found = reach.find(name);
    const int margin = found == reach.end() ? 20 : found->second;
    EXPECT_TRUE(box.adjusted(-margin, -margin, margin, margin).contains(coverage.bounds))
        << name << " painted " << coverage.bounds.x() << "," << coverage.bounds.y() << " "
        << coverage.bounds.width() << "x" << coverage.bounds.height();
    if (filling.count(name)) {
      EXPECT_EQ(coverage.pixels, box.width() * box.height());
    }
  }
}

// Every choice and switch a painter offers changes its picture: a setting the painter
// accepts but ignores would leave a writer wondering why nothing happened.
TEST(Painters, EveryChoiceAndSwitchShows) {
  const QRectF cells(1, 1, 18, 18);
  // Switches that only show together with another setting.
  const std::map<std::string, std::string> needs = {{"smock", "sex=female"},
                                                    {"rolled", "coat=none"}};
  int tried = 0;
  for (const PainterInfo& painter : AllPainters()) {
    const std::string name(painter.name);
    const QImage plain = PaintAlone(name, cells, With(name, ""));
    for (const auto& [key, kind] : Settings(painter)) {
      std::vector<std::string> values;
      if (kind == "flag") {
        values.push_back(key);
      } else if (kind.find('|') != std::string::npos) {
        std::istringstream choices(kind);
        std::string choice;
        while (std::getline(choices, choice, '|')) values.push_back(key + "=" + choice);
      }
      for (const std::string& word : values) {
        std::vector<std::string> words = With(name, word);
        QImage before = plain;
        const auto need = needs.find(key);
        if (need != needs.end()) {
          words = With(name, need->second);
          before = PaintAlone(name, cells, words);
          words.push_back(word);
        }
        const QImage after = PaintAlone(name, cells, words);
        const Params resolved = ResolveParams(*FindPainter(name), words, {"test", 1});
        const Params base = ResolveParams(
            *FindPainter(name), With(name, need != needs.end() ? need->second : ""), {"test", 1});
        if (resolved.values == base.values) continue;  // the default choice itself
        ++tried;
        EXPECT_FALSE(after == before) << name << " " << word << " changes nothing";
      }
    }
  }
  EXPECT_GT(tried, 80);
}

// A person stands on the ground of their box: the head at its top, the feet at its
// bottom, whatever their age; sitting people fit their (shorter) box too.
TEST(Painters, FiguresStandInTheirBox) {
  std::ostringstream out;
  for (const char* age : {"age=8", "age=14", "age=30", "age=75"}) {
    for (const char* pose : {"pose=stand", "pose=sit"}) {
      const QRectF cells(8, 4, 4, 10);
      const Coverage c =
          Covered(PaintAlone("figure", cells, {age, pose, "hat=none", "hairstyle=short"}));
      const bool topOk = std::abs(c.bounds.top() - 120) <= 8;
      const bool bottomOk = std::abs(c.bounds.bottom() + 1 - 420) <= 2;
      const bool centred = std::abs((c.bounds.left() + c.bounds.right()) / 2 - 300) <= 6;
      out << age << " " << pose << ": " << (topOk ? "head at top" : "head off") << ", "
          << (bottomOk ? "feet on the ground" : "feet off") << ", "
          << (centred ? "centred" : "off centre") << "\n";
    }
  }
  EXPECT_EQ(out.str(),
            "age=8 pose=stand: head at top, feet on the ground, centred\n"
            "age=8 pose=sit: head at top, feet on the ground, centred\n"
            "age=14 pose=stand: head at top, feet on the ground, centred\n"
            "age=14 pose=sit: head at top, feet on the ground, centred\n"
            "age=30 pose=stand: head at top, feet on the ground, centred\n"
            "age=30 pose=sit: head at top, feet on the ground, centred\n"
            "age=75 pose=stand: head at top, feet on the ground, centred\n"
            "age=75 pose=sit: head at top, feet on the ground, centred\n");
}

// What a person holds can be a layer of its own (Oriel's fan): the held layer paints only
// the object, near the hands, and the person's layer paints everything else.
TEST(Painters, HeldObjectsAreTheirOwnLayer) {
  const QRectF cells(8, 4, 4, 11);
  const std::vector<std::string> holds = {"notebook", "book",   "apple",   "telescope", "ribbon",
                                          "fan",      "quill",  "paper",   "stick",     "skyship",
                                          "spyglass", "letter", "palette", "composer",  "drum"};
  const Coverage person = Covered(PaintAlone("figure", cells, {"holds=none"}));
  for (const std::string& held : holds) {
    for (const char* arms : {"arms=hold", "arms=wave", "arms=down"}) {
      SCOPED_TRACE(held + " " + arms);
      const std::vector<std::string> words = {"holds=" + held, arms};
      const Coverage body = Covered(PaintAlone("figure", cells, words, LayerPart::kBody));
      const Coverage object = Covered(PaintAlone("figure", cells, words, LayerPart::kHeld));
      const Coverage empty =
          Covered(PaintAlone("figure", cells, {"holds=none", arms}, LayerPart::kHeld));
      EXPECT_GT(object.pixels, 60);
      EXPECT_EQ(empty.pixels, 0);
      EXPECT_TRUE(person.bounds.adjusted(-100, -100, 100, 10).contains(object.bounds))
          << object.bounds.x() << "," << object.bounds.y() << " " << object.bounds.width() << "x"
          << object.bounds.height() << " person " << person.bounds.x() << "," << person.bounds.y()
          << " " << person.bounds.width() << "x" << person.bounds.height();
      EXPECT_GT(body.pixels, object.pixels);
    }
  }
}

// The writers' guide, content/FORMAT.md, lists the painters as `quenna2-datakit painters`
// prints them: every painter in the kit's order, with what it draws and all its settings
// and defaults, so the guide offers no painter or setting the kit does not have.
TEST(Painters, TheWritersGuideListsThemAsTheKitDoes) {
  const std::string guide = ReadTextFile(testing::kContent / "FORMAT.md");
  const auto start = guide.find("\n## Painters\n");
  ASSERT_NE(start, std::string::npos);
  std::istringstream section(guide.substr(start, guide.find("\n## ", start + 1) - start));
  // "- `name`: what it draws." on lines of its own (the next ones indented by two), then
  // "  Settings: `...`" for a painter with settings. Both sides in the printed layout.
  std::vector<std::array<std::string, 3>> listed;
  for (std::string line; std::getline(section, line);) {
    const std::string settings = "  Settings: `";
    if (line.rfind("- `", 0) == 0) {
      const auto name = line.find("`: ");
      ASSERT_NE(name, std::string::npos) << line;
      listed.push_back({line.substr(3, name - 3), line.substr(name + 3), ""});
    } else if (line.rfind(settings, 0) == 0 && !listed.empty()) {
      listed.back()[2] = line.substr(settings.size(), line.size() - settings.size() - 1);
    } else if (line.rfind("  ", 0) == 0 && !listed.empty()) {
      listed.back()[1] += " " + line.substr(line.find_first_not_of(' '));
    }
  }
  std::string inGuide;
  for (auto& [name, about, settings] : listed) {
    if (!about.empty() && about.back() == '.') about.pop_back();
    inGuide += name + ": " + about + "\n    " + settings + "\n";
  }
  std::string printed;
  for (const PainterInfo& painter : AllPainters()) {
    printed += std::string(painter.name) + ": " + std::string(painter.about) + "\n    " +
               std::string(painter.settings) + "\n";
  }
  EXPECT_EQ(inGuide, printed);
}

}  // namespace
}  // namespace quenna::datakit
