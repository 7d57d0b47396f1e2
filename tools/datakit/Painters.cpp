#include "Painters.h"

#include <QFont>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace quenna::datakit {
namespace {

struct SettingRule {
  std::string name;
  std::string type;  // color, num, int, flag, text, or choices "a|b|c"
  std::string fallback;
};

// The bounds of the number settings, by name, the same for every painter: wide enough
// for any picture worth painting, narrow enough that no setting makes a painter run for
// ever or draw far outside its box.
struct SettingRange {
  std::string_view name;
  double low;
  double high;
};
constexpr SettingRange kSettingRanges[] = {
    {"age", 0, 120},       // years
    {"alpha", 0, 255},     // opacity
    {"amount", 0, 2000},   // rain drops
    {"clouds", 0, 20},     //
    {"columns", 1, 20},    //
    {"count", 1, 100},     // things in a row or a pile
    {"horizon", -20, 40},  // grid rows
    {"hour", 0, 24},       //
    {"letters", 1, 200},   // pixels
    {"line", -20, 40},     // grid rows
    {"masts", 1, 6},       //
    {"minute", 0, 59},     //
    {"panes", 1, 20},      //
    {"roof", -20, 40},     // grid rows
    {"rows", 1, 50},       //
    {"sheets", 1, 50},     //
    {"size", 1, 400},      // pixels of lettering
    {"strength", 0, 1},    //
    {"tilt", -360, 360},   // degrees
    {"width", 0, 200},     // pixels
    {"windows", 1, 20},    //
    {"zoom", 0.1, 10},     //
};

const SettingRange& RangeOf(const std::string& name) {
  for (const SettingRange& range : kSettingRanges) {
    if (range.name == name) return range;
  }
  throw std::logic_error("a number setting without bounds: " + name);
}

std::string NumberText(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::vector<SettingRule> ParseSettingRules(std::string_view settings) {
  std::vector<SettingRule> rules;
  std::istringstream words{std::string(settings)};
  std::string word;
  while (words >> word) {
    SettingRule rule;
    const auto colon = word.find(':');
    rule.name = word.substr(0, colon);
    std::string rest = word.substr(colon + 1);
    const auto equals = rest.find('=');
    rule.type = rest.substr(0, equals);
    if (equals != std::string::npos) rule.fallback = rest.substr(equals + 1);
    if (rule.type == "flag") rule.fallback = "no";
    // Spaces in default texts are written as underscores in the table.
    if (rule.type == "text") std::replace(rule.fallback.begin(), rule.fallback.end(), '_', ' ');
    rules.push_back(rule);
  }
  return rules;
}

std::string Describe(const SettingRule& rule) {
  if (rule.type == "color") return rule.name + "=<#rrggbb or colour name>";
  if (rule.type == "num" || rule.type == "int") {
    const SettingRange& range = RangeOf(rule.name);
    return rule.name + "=<" + (rule.type == "num" ? "number " : "whole number ") +
           NumberText(range.low) + " to " + NumberText(range.high) + ">";
  }
  if (rule.type == "flag") return rule.name;
  if (rule.type == "text") return rule.name + "=<text>";
  return rule.name + "=" + rule.type;
}

void CheckValue(const SettingRule& rule, const std::string& value, const std::string& painter,
                const SourcePos& pos) {
  auto fail = [&](const std::string& expected) {
    throw ContentError(pos, "\"" + value + "\" is not right for " + rule.name + " of " + painter +
                                ": it takes " + expected);
  };
  if (rule.type == "color") {
    if (!ParseColor(value)) fail("a colour, #rrggbb or a palette name (oak, walnut, cream, ...)");
  } else if (rule.type == "num" || rule.type == "int") {
    const SettingRange& range = RangeOf(rule.name);
    const std::optional<double> number = ParseDecimal(value);
    const bool whole = rule.type == "int";
    if (!number || *number < range.low || *number > range.high ||
        (whole && *number != std::floor(*number))) {
      fail(std::string(whole ? "a whole number" : "a number") + " from " + NumberText(range.low) +
           " to " + NumberText(range.high));
    }
  } else if (rule.type == "text") {
    // any text
  } else if (rule.type != "flag") {
    std::istringstream choices(rule.type);
    std::string choice;
    while (std::getline(choices, choice, '|')) {
      if (choice == value) return;
    }
    std::string listed = rule.type;
    std::replace(listed.begin(), listed.end(), '|', ',');
    fail("one of " + listed);
  }
}

}  // namespace

Canvas::Canvas(QPainter& painter, double cellSize, std::uint32_t seed, LayerPart layerPart)
    : p(painter), cell(cellSize), part(layerPart), rng_(seed) {}

QColor Canvas::Ink() {
  return QColor(58, 40, 34);
}

void Canvas::FillNoOutline(const QPainterPath& path, const QColor& color, double shade) {
  if (color.alpha() == 0) return;
  const QRectF bounds = path.boundingRect();
  if (shade > 0) {
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, color.lighter(100 + static_cast<int>(shade * 100)));
    gradient.setColorAt(1, color.darker(100 + static_cast<int>(shade * 100)));
    p.fillPath(path, gradient);
  } else {
    p.fillPath(path, color);
  }
}

void Canvas::Outline(const QPainterPath& path, double width) {
  QPen pen(Ink(), width < 0 ? line : width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  p.strokePath(path, pen);
}

void Canvas::Fill(const QPainterPath& path, const QColor& color, double shade) {
  if (color.alpha() == 0) return;
  FillNoOutline(path, color, shade);
  Outline(path);
}

void Canvas::Box(const QRectF& rect, const QColor& color, double radius, double shade) {
  QPainterPath path;
  if (radius > 0) {
    path.addRoundedRect(rect, radius, radius);
  } else {
    path.addRect(rect);
  }
  Fill(path, color, shade);
}

void Canvas::Oval(const QRectF& rect, const QColor& color, double shade) {
  QPainterPath path;
  path.addEllipse(rect);
  Fill(path, color, shade);
}

void Canvas::Poly(const std::vector<QPointF>& points, const QColor& color, double shade) {
  QPainterPath path;
  if (points.empty()) return;
  path.moveTo(points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  path.closeSubpath();
  Fill(path, color, shade);
}

void Canvas::Limb(const QPainterPath& path, const QColor& color, double width) {
  QPen edge(Ink(), width + 2 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(path, edge);
  QPen body(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(path, body);
}

void Canvas::Stroke(const QPainterPath& path, const QColor& color, double width) {
  QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(path, pen);
}

void Canvas::Segment(QPointF a, QPointF b, const QColor& color, double width) {
  QPainterPath path(a);
  path.lineTo(b);
  Stroke(path, color, width);
}

void Canvas::Lettering(const QRectF& box, const std::string& text, const QColor& color,
                       double pixels, bool bold, bool italic, int flags) {
  QFont font("Liberation Serif");
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  p.save();
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, flags | Qt::TextWordWrap, QString::fromStdString(text));
  p.restore();
}

double Canvas::Random(double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng_);
}

int Canvas::RandomInt(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng_);
}

const std::vector<PainterInfo>& AllPainters() {
  static const std::vector<PainterInfo> painters = [] {
    std::vector<PainterInfo> all;
    for (auto family : {BackdropPainters, FurniturePainters, ObjectPainters, OutdoorPainters,
                        FigurePainters, SpecialPainters, SlidePainters}) {
      auto more = family();
      all.insert(all.end(), more.begin(), more.end());
    }
    return all;
  }();
  return painters;
}

const PainterInfo* FindPainter(std::string_view name) {
  for (const auto& painter : AllPainters()) {
    if (painter.name == name) return &painter;
  }
  return nullptr;
}

Params ResolveParams(const PainterInfo& painter, const std::vector<std::string>& words,
                     const SourcePos& pos) {
  const std::vector<SettingRule> rules = ParseSettingRules(painter.settings);
  Params params;
  for (const auto& rule : rules) {
    params.values[rule.name] = rule.fallback;
    params.given[rule.name] = false;
  }
  const std::string name(painter.name);
  for (const auto& rule : rules) {
    if (rule.type == "num" || rule.type == "int") CheckValue(rule, rule.fallback, name, pos);
  }
  for (const std::string& word : words) {
    const auto equals = word.find('=');
    const std::string key = word.substr(0, equals);
    const auto rule = std::find_if(rules.begin(), rules.end(),
                                   [&](const SettingRule& s) { return s.name == key; });
    if (rule == rules.end()) {
      std::string known;
      for (const auto& s : rules) known += (known.empty() ? "" : ", ") + Describe(s);
      throw ContentError(pos,
                         "\"" + key + "\" is not a setting of " + name +
                             (known.empty() ? " (it has none)" : " (settings: " + known + ")"));
    }
    if (params.given[key]) throw ContentError(pos, key + " is set twice");
    std::string value;
    if (equals == std::string::npos) {
      if (rule->type != "flag")
        throw ContentError(pos, key + " of " + name + " needs a value: " + Describe(*rule));
      value = "yes";
    } else {
      if (rule->type == "flag")
        throw ContentError(pos, key + " of " + name + " is a switch: write just \"" + key + "\"");
      value = word.substr(equals + 1);
      CheckValue(*rule, value, name, pos);
    }
    params.values[key] = value;
    params.given[key] = true;
  }
  return params;
}

}  // namespace quenna::datakit
