// The pictures of the two slide shows: pupils at their desks (awake, dozing, asleep on
// their arms), portraits in a history book, open books and printed pages, the classroom
// clock, Quenna's lap and hands, and the marks a cartoon draws around a voice or a fright.
// People are drawn by the figure painter itself, so the slides match the year pages.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "Painters.h"

namespace quenna::datakit {
namespace {

const PainterInfo& Figure() {
  static const PainterInfo figure = [] {
    for (const PainterInfo& info : FigurePainters()) {
      if (info.name == "figure") return info;
    }
    throw std::logic_error("the figure painter is missing");
  }();
  return figure;
}

// What can be seen of a person at a desk or in a frame: face, hair, hat and the clothes
// of the upper body. Legs, shoes and what the hands hold stay out of sight.
const std::set<std::string>& UpperBodyKeys() {
  static const std::set<std::string> keys = {
      "sex",       "age",      "facing", "build",     "skin",   "hair",    "hairstyle",
      "hat",       "hatcolor", "coat",   "waistcoat", "shirt",  "dress",   "fichu",
      "apron",     "sash",     "cuffs",  "beard",     "ribbon", "feather", "spectacles",
      "glassesup", "freckles", "wet",    "mood",      "face"};
  return keys;
}

// The figure's own settings for the upper body, as the figure declares them (so a new
// hairstyle or mood comes along by itself), then the painter's own.
std::string UpperBodySettings(const std::string& own) {
  std::istringstream words{std::string(Figure().settings)};
  std::string settings;
  std::string word;
  while (words >> word) {
    if (UpperBodyKeys().count(word.substr(0, word.find(':')))) settings += word + " ";
  }
  return settings + own;
}

const std::string& PupilSettings() {
  static const std::string settings = UpperBodySettings(
      "arms:down|wave|point=down lean:upright|chin|nod|nap=upright "
      "desk:color=#c89a60");
  return settings;
}
const std::string& PortraitSettings() {
  static const std::string settings =
      UpperBodySettings("frame:color=#c8a050 ground:color=#a9bccb shape:oval|rect=oval zoom:num=1");
  return settings;
}

// A whole set of figure settings: the figure's defaults, with what this painter was given.
Params FigureParams(const Params& given) {
  Params figure = ResolveParams(Figure(), {}, {"", 0});
  for (auto& [key, value] : figure.values) {
    const auto found = given.values.find(key);
    if (found != given.values.end()) value = found->second;
  }
  return figure;
}

// The proportions the figure painter gives a seated person whose box starts at top and
// is height high: where the chin and the waist fall, and the sizes of head and shoulders.
struct Seat {
  double cx = 0, top = 0, hh = 0, hw = 0, sw = 0, chin = 0, waist = 0;
};

Seat MeasureSeat(const QRectF& box, const Params& p) {
  Seat s;
  const int age = p.Int("age");
  const double ratio = age <= 11 ? 1 / 3.7 : age <= 16 ? 1 / 4.2 : 1 / 4.6;
  const double height = box.height() / 0.74;
  double build = 1.0;
  const std::string& shape = p.Text("build");
  if (shape == "slim") build = 0.88;
  if (shape == "stout") build = 1.16;
  if (shape == "big") build = 1.32;
  const bool female = p.Text("sex") == "female";
  s.cx = box.center().x();
  s.top = box.top();
  s.hh = height * ratio;
  s.hw = s.hh * 0.86;
  s.sw = s.hh * (female ? 0.52 : age <= 11 ? 0.5 : age <= 16 ? 0.56 : 0.62) * build;
  s.chin = s.top + s.hh;
  s.waist = s.chin + (height - s.hh) * 0.36;
  return s;
}

QColor Sleeve(const Params& p) {
  if (p.Text("sex") == "female") return p.Color("dress");
  if (p.Color("coat").alpha() > 0) return p.Color("coat");
  return p.Color("shirt");
}

// The figure's head alone: the clothes are made invisible and everything below the chin
// is clipped away, so the head can be turned on its neck.
void PaintHead(Canvas& c, const QRectF& figureBox, const Params& p, const Seat& s, QPointF to,
               double degrees) {
  Params head = p;
  for (const char* cloth : {"dress", "fichu", "shirt", "coat", "waistcoat", "apron", "sash",
                            "breeches", "stockings", "shoes", "cuffs"}) {
    head.values[cloth] = "none";
  }
  head.values["arms"] = "down";
  head.values["holds"] = "none";
  c.p.save();
  c.p.translate(to);
  c.p.rotate(degrees);
  c.p.translate(-s.cx, -s.chin);
  // Above the jaw, and round the jaw itself, but not the neck below it.
  QPainterPath keep;
  keep.setFillRule(Qt::WindingFill);
  keep.addRect(QRectF(QPointF(s.cx - s.hh * 3, s.top - s.hh * 2),
                      QPointF(s.cx + s.hh * 3, s.chin - s.hh * 0.12)));
  keep.addEllipse(QPointF(s.cx, s.chin - s.hh * 0.2125), s.hw * 0.47, s.hh * 0.2375);
  c.p.setClipPath(keep.simplified(), Qt::IntersectClip);
  Figure().paint(c, figureBox, head);
  c.p.setClipping(false);
  // Braids hang on below the jaw, turning with the head.
  if (p.Text("hairstyle") == "braids") {
    for (double side : {-1.0, 1.0}) {
      for (int i = 1; i < 4; ++i) {
        const double y = s.top + s.hh * (0.62 + i * 0.18);
        c.Oval(QRectF(s.cx + side * s.hw * 0.56 - s.hh * 0.09, y, s.hh * 0.18, s.hh * 0.22),
               p.Color("hair"), 0.1);
      }
      c.Oval(QRectF(s.cx + side * s.hw * 0.56 - s.hh * 0.06, s.top + s.hh * 1.36, s.hh * 0.12,
                    s.hh * 0.08),
             p.Color("ribbon"), 0);
    }
  }
  c.p.restore();
}

// Everything of the figure below the chin (braids left off: the head brings its own).
void PaintBelowChin(Canvas& c, const QRectF& figureBox, const Params& p, const Seat& s,
                    double dropBy, double clipTop, double clipBottom) {
  Params body = p;
  if (p.Text("hairstyle") == "braids") body.values["hairstyle"] = "short";
  c.p.save();
  c.p.translate(0, dropBy);
  c.p.setClipRect(QRectF(QPointF(s.cx - s.hh * 3, clipTop - dropBy),
                         QPointF(s.cx + s.hh * 3, clipBottom - dropBy)),
                  Qt::IntersectClip);
  Figure().paint(c, figureBox, body);
  c.p.restore();
}

// The neck up to the chin, where the head will stand on it turned.
void PaintNeck(Canvas& c, const Params& p, const Seat& s) {
  c.p.save();
  c.p.setClipRect(QRectF(QPointF(s.cx - s.hw, s.chin - s.hh * 0.3), QPointF(s.cx + s.hw, s.chin)),
                  Qt::IntersectClip);
  c.Box(QRectF(s.cx - s.hw * 0.17, s.chin - s.hh * 0.2, s.hw * 0.34, s.hh * 0.3), p.Color("skin"),
        0, 0.05);
  c.p.restore();
}

void Hand(Canvas& c, QPointF at, double r, const QColor& skin) {
  c.Oval(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), skin, 0.06);
}

// A pupil seated behind a school desk: upright, chin on a hand, nodding off, or asleep
// with the head on the arms. The figure fills the top of the box, the desk the bottom.
void PaintPupil(Canvas& c, const QRectF& box, const Params& p) {
  Params seated = FigureParams(p);
  seated.values["pose"] = "sit";
  const QRectF figureBox(box.left(), box.top(), box.width(), box.height() * 0.78);
  const Seat s = MeasureSeat(figureBox, seated);
  const double deskTop = s.waist - s.hh * 0.3;
  const QRectF deskBox(box.left(), deskTop, box.width(), box.bottom() - deskTop);
  const std::string lean = p.Text("lean");
  const QColor skin = p.Color("skin");
  const double arm = s.hh * 0.28;
  c.line = std::clamp(s.hh * 0.045, 1.1, 4.0);
  auto desk = [&] {
    Params wood;
    wood.values["wood"] = p.Text("desk");
    FindPainter("schooldesk")->paint(c, deskBox, wood);
    c.line = std::clamp(s.hh * 0.045, 1.1, 4.0);
  };

  if (lean == "upright") {
    Figure().paint(c, figureBox, seated);
    desk();
  } else if (lean == "chin" || lean == "nod") {
    PaintBelowChin(c, figureBox, seated, s, 0, s.chin, box.bottom());
    PaintNeck(c, seated, s);
    desk();
    if (lean == "chin") {
      // The head leans on the hand whose elbow rests on the desk.
      const double side = p.Text("facing") == "left" ? -1 : 1;
      PaintHead(c, figureBox, seated, s, {s.cx + side * s.hh * 0.04, s.chin}, side * 9);
      const QPointF elbow(s.cx + side * s.sw * 1.15, deskTop + s.hh * 0.12);
      const QPointF hand(s.cx + side * s.hw * 0.26, s.chin + s.hh * 0.02);
      QPainterPath forearm(elbow);
      forearm.lineTo(elbow + (hand - elbow) * 0.8);
      c.Limb(forearm, Sleeve(seated), arm);
      Hand(c, hand, s.hh * 0.14, skin);
    } else {
      PaintHead(c, figureBox, seated, s, {s.cx + s.hh * 0.05, s.chin + s.hh * 0.08}, 16);
    }
  } else {
    // Asleep on the desk: the shoulders sink behind it, the arms fold on its top and the
    // head lies on them, turned on its side.
    const double drop = s.hh * 0.15;
    PaintBelowChin(c, figureBox, seated, s, drop, s.chin + s.hh * 0.25 + drop,
                   deskTop + s.hh * 0.1);
    desk();
    const QColor sleeve = Sleeve(seated);
    const double y = deskTop + s.hh * 0.16;
    for (double side : {-1.0, 1.0}) {
      QPainterPath forearm(QPointF(s.cx + side * s.sw * 1.45, y + s.hh * 0.06));
      forearm.lineTo(s.cx - side * s.sw * 0.35, y - side * s.hh * 0.03);
      c.Limb(forearm, sleeve, arm);
      Hand(c, {s.cx - side * s.sw * 0.6, y - side * s.hh * 0.03}, s.hh * 0.13, skin);
    }
    PaintHead(c, figureBox, seated, s, {s.cx - s.hh * 0.45, y - s.hh * 0.3}, 66);
  }
}

// A portrait in an oval or square frame: head and shoulders of a figure, as a history
// book prints its great men and women.
void PaintPortrait(Canvas& c, const QRectF& box, const Params& p) {
  const bool oval = p.Text("shape") == "oval";
  const double rim = std::min(box.width(), box.height()) * 0.07;
  const QRectF inner = box.adjusted(rim, rim, -rim, -rim);
  QPainterPath window;
  if (oval) {
    window.addEllipse(inner);
  } else {
    window.addRect(inner);
  }
  QRadialGradient ground(QPointF(inner.center().x(), inner.top() + inner.height() * 0.35),
                         inner.width() * 0.8);
  ground.setColorAt(0, p.Color("ground").lighter(135));
  ground.setColorAt(1, p.Color("ground"));
  c.p.fillPath(window, ground);

  Params sitter = FigureParams(p);
  const int age = p.Int("age");
  const double ratio = age <= 11 ? 1 / 3.7 : age <= 16 ? 1 / 4.2 : 1 / 4.6;
  // The head takes two fifths of the frame's height, more when zoomed in.
  const double zoom = std::clamp(p.Number("zoom"), 0.5, 2.0);
  const double height = inner.height() * 0.44 * zoom / ratio;
  const double top = inner.top() + inner.height() * std::max(0.04, 0.16 - (zoom - 1) * 0.2);
  const QRectF figureBox(inner.center().x() - inner.width() / 2, top, inner.width(), height);
  c.p.save();
  c.p.setClipPath(window, Qt::IntersectClip);
  Figure().paint(c, figureBox, sitter);
  c.p.restore();

  const QColor gold = p.Color("frame");
  QPainterPath outer;
  if (oval) {
    outer.addEllipse(box);
  } else {
    outer.addRect(box);
  }
  QLinearGradient shine(box.topLeft(), box.bottomRight());
  shine.setColorAt(0, gold.lighter(135));
  shine.setColorAt(0.5, gold);
  shine.setColorAt(1, gold.darker(140));
  c.p.fillPath(outer.subtracted(window), shine);
  c.line = std::clamp(rim * 0.18, 1.0, 3.0);
  c.Outline(outer);
  c.Outline(window);
  QPainterPath bead;
  if (oval) {
    bead.addEllipse(box.adjusted(rim * 0.5, rim * 0.5, -rim * 0.5, -rim * 0.5));
  } else {
    bead.addRect(box.adjusted(rim * 0.5, rim * 0.5, -rim * 0.5, -rim * 0.5));
  }
  c.Stroke(bead, gold.darker(125), c.line * 0.8);
}

// A book lying open: the cover's edge, two pages curving into the gutter, the page
// edges at the sides and a running head over each page.
void PaintOpenBook(Canvas& c, const QRectF& box, const Params& p) {
  const QColor cover = p.Color("cover");
  const QColor paper = p.Color("paper");
  const double w = box.width();
  const double h = box.height();
  c.line = std::clamp(w * 0.004, 1.2, 2.6);
  c.Box(box, cover, w * 0.02, 0.12);
  const double mid = box.center().x();
  const double sag = h * 0.025;
  for (double side : {-1.0, 1.0}) {
    // Stacked page edges under the top page.
    for (int i = 3; i >= 1; --i) {
      const double inset = w * 0.012 * i;
      QPainterPath edge;
      const double outer = side < 0 ? box.left() + inset : box.right() - inset;
      edge.moveTo(mid, box.top() + h * 0.035 + sag);
      edge.quadTo((mid + outer) / 2, box.top() + h * 0.02 + i, outer, box.top() + h * 0.03 + i);
      edge.lineTo(outer, box.bottom() - h * 0.03 - i);
      edge.quadTo((mid + outer) / 2, box.bottom() - h * 0.02 - i, mid, box.bottom() - h * 0.02);
      edge.closeSubpath();
      c.Fill(edge, paper.darker(100 + i * 5), 0);
    }
    const double outer = side < 0 ? box.left() + w * 0.045 : box.right() - w * 0.045;
    QPainterPath page;
    page.moveTo(mid, box.top() + h * 0.04 + sag);
    page.quadTo((mid + outer) / 2, box.top() + h * 0.03, outer, box.top() + h * 0.045);
    page.lineTo(outer, box.bottom() - h * 0.05);
    page.quadTo((mid + outer) / 2, box.bottom() - h * 0.04, mid, box.bottom() - h * 0.03);
    page.closeSubpath();
    c.Fill(page, paper, 0.03);
    // The gutter darkens where the page bends into the binding.
    QLinearGradient gutter(QPointF(mid, 0), QPointF(mid + side * w * 0.08, 0));
    gutter.setColorAt(0, QColor(90, 60, 30, 90));
    gutter.setColorAt(1, QColor(90, 60, 30, 0));
    c.p.save();
    c.p.setClipPath(page);
    c.p.fillRect(box, gutter);
    c.p.restore();
    const std::string head = p.Text(side < 0 ? "left" : "right");
    const QRectF headBox(side < 0 ? outer + w * 0.03 : mid + w * 0.03, box.top() + h * 0.055,
                         w * 0.5 - w * 0.105, h * 0.05);
    c.Lettering(headBox, head, QColor(110, 80, 60), h * 0.032, false, true);
    c.Lettering(QRectF(headBox.left(), box.bottom() - h * 0.1, headBox.width(), h * 0.04),
                side < 0 ? "64" : "65", QColor(130, 100, 80), h * 0.026);
  }
  c.Segment({mid, box.top() + h * 0.04 + sag}, {mid, box.bottom() - h * 0.03}, QColor(110, 80, 50),
            c.line);
}

// Lines of small print, the way a page looks from a little way off.
void PaintPrintLines(Canvas& c, const QRectF& box, const Params& p) {
  const int rows = std::max(1, p.Int("rows"));
  QColor ink = p.Color("color");
  ink.setAlpha(170);
  const double step = box.height() / rows;
  const double tall = std::max(1.5, step * 0.32);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(ink);
  for (int row = 0; row < rows; ++row) {
    const double y = box.top() + row * step + (step - tall) / 2;
    const bool last = row == rows - 1;
    const double end = last ? box.left() + box.width() * c.Random(0.35, 0.7) : box.right();
    double x = box.left() + (row == 0 ? box.width() * 0.06 : 0);
    while (x < end - 4) {
      const double word = std::min(end - x, c.Random(step * 0.8, step * 2.8));
      c.p.drawRoundedRect(QRectF(x, y, word, tall), tall * 0.3, tall * 0.3);
      x += word + step * 0.45;
    }
  }
}

// An old printed sheet: yellowed paper darker at its edges, a few age spots, and a
// printer's double rule around the text with a flower at each corner.
void PaintOldPage(Canvas& c, const QRectF& box, const Params& p) {
  const QColor paper = p.Color("paper");
  const QColor ink = p.Color("ink");
  QPainterPath sheet;
  // A slightly uneven edge, as hand-made paper has.
  const int steps = 48;
  for (int i = 0; i <= steps * 4; ++i) {
    const int sideIndex = i / steps;
    const double t = static_cast<double>(i % steps) / steps;
    const double wobble = c.Random(-1.2, 1.2);
    QPointF at;
    switch (sideIndex) {
      case 0:
        at = {box.left() + t * box.width(), box.top() + wobble};
        break;
      case 1:
        at = {box.right() + wobble, box.top() + t * box.height()};
        break;
      case 2:
        at = {box.right() - t * box.width(), box.bottom() + wobble};
        break;
      default:
        at = {box.left() + wobble, box.bottom() - t * box.height()};
        break;
    }
    if (i == 0) {
      sheet.moveTo(at);
    } else {
      sheet.lineTo(at);
    }
  }
  sheet.closeSubpath();
  c.p.fillPath(sheet.translated(4, 5), QColor(40, 24, 10, 60));
  QRadialGradient aged(box.center(), std::max(box.width(), box.height()) * 0.62);
  aged.setColorAt(0, paper.lighter(104));
  aged.setColorAt(0.7, paper);
  aged.setColorAt(1, paper.darker(122));
  c.p.fillPath(sheet, aged);
  c.p.save();
  c.p.setClipPath(sheet);
  c.p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    const double y = box.top() + c.Random(0, box.height());
    const QPointF at(box.left() + c.Random(0, box.width()), y);
    const double r = c.Random(2, 9);
    c.p.setBrush(QColor(150, 100, 40, static_cast<int>(c.Random(12, 34))));
    c.p.drawEllipse(at, r, r * c.Random(0.7, 1.0));
  }
  c.p.restore();
  c.line = 1.4;
  c.Outline(sheet, 1.2);
  if (!p.Flag("border")) return;
  const double m = std::min(box.width(), box.height()) * 0.05;
  const QRectF rule = box.adjusted(m, m, -m, -m);
  QPainterPath outer;
  outer.addRect(rule);
  c.Stroke(outer, ink, 2.4);
  QPainterPath inner;
  inner.addRect(rule.adjusted(6, 6, -6, -6));
  c.Stroke(inner, ink, 1.0);
  for (const QPointF& corner :
       {rule.topLeft(), rule.topRight(), rule.bottomLeft(), rule.bottomRight()}) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(paper);
    c.p.drawEllipse(corner, 9, 9);
    c.p.setBrush(ink);
    for (int k = 0; k < 4; ++k) {
      const double a = M_PI / 4 + k * M_PI / 2;
      c.p.drawEllipse(corner + QPointF(std::cos(a), std::sin(a)) * 4.5, 3.2, 3.2);
    }
    c.p.drawEllipse(corner, 2, 2);
  }
}

// A round school clock on the wall, its hands at the given time.
void PaintWallClock(Canvas& c, const QRectF& box, const Params& p) {
  const double r = std::min(box.width(), box.height()) / 2;
  const QPointF at = box.center();
  c.line = std::clamp(r * 0.05, 1.0, 2.6);
  c.Oval(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), p.Color("rim"), 0.15);
  const double face = r * 0.82;
  c.Oval(QRectF(at.x() - face, at.y() - face, 2 * face, 2 * face), QColor(252, 249, 238), 0.04);
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    const QPointF dir(std::sin(a), -std::cos(a));
    c.Segment(at + dir * face * (k % 3 == 0 ? 0.72 : 0.8), at + dir * face * 0.9,
              QColor(60, 50, 44), k % 3 == 0 ? c.line * 1.3 : c.line * 0.7);
  }
  const double minutes = p.Int("minute");
  const double hours = p.Number("hour") + minutes / 60.0;
  auto hand = [&](double turns, double length, double width) {
    const double a = turns * 2 * M_PI;
    c.Segment(at, at + QPointF(std::sin(a), -std::cos(a)) * face * length, QColor(40, 34, 30),
              width);
  };
  hand(hours / 12.0, 0.5, c.line * 1.8);
  hand(minutes / 60.0, 0.78, c.line * 1.1);
  c.Oval(QRectF(at.x() - r * 0.07, at.y() - r * 0.07, r * 0.14, r * 0.14), QColor(40, 34, 30), 0);
}

// A lap seen from above: the skirt's cloth with its soft folds.
void PaintLap(Canvas& c, const QRectF& box, const Params& p) {
  const QColor dress = p.Color("dress");
  QLinearGradient cloth(box.topLeft(), box.bottomLeft());
  cloth.setColorAt(0, dress.darker(112));
  cloth.setColorAt(1, dress.lighter(108));
  c.p.fillRect(box, cloth);
  for (int i = 0; i < 7; ++i) {
    const double x = box.left() + box.width() * (0.08 + i * 0.14) + c.Random(-10, 10);
    QPainterPath fold(QPointF(x, box.top()));
    const double endX = x + c.Random(-30, 30);
    const double secondX = x + c.Random(-50, 50);
    fold.cubicTo(x + c.Random(-40, 40), box.top() + box.height() * 0.35, secondX,
                 box.top() + box.height() * 0.65, endX, box.bottom());
    c.Stroke(fold, dress.darker(125), 5);
    c.Stroke(fold.translated(6, 0), QColor(255, 255, 255, 40), 4);
  }
}

// Two hands holding something by its sides, the thumbs over its edges, their sleeves
// coming up from the bottom of the box. The hands' outer sides touch the box's sides.
void PaintHands(Canvas& c, const QRectF& box, const Params& p) {
  const QColor skin = p.Color("skin");
  const QColor sleeve = p.Color("sleeve");
  const double w = box.width();
  const double h = box.height();
  const double arm = std::min(w * 0.16, h * 0.3);
  c.line = std::clamp(w * 0.006, 1.5, 3.0);
  c.p.setClipRect(box.adjusted(-c.line, -c.line, c.line, 0));
  for (double side : {-1.0, 1.0}) {
    const double edge = side < 0 ? box.left() : box.right();
    const QPointF palm(edge - side * arm * 0.55, box.top() + h * 0.3);
    QPainterPath sleevePath(QPointF(edge - side * arm * 0.5, box.bottom() + arm));
    sleevePath.quadTo(QPointF(edge - side * arm * 0.5, box.top() + h * 0.75),
                      palm + QPointF(side * arm * 0.05, arm * 0.9));
    c.Limb(sleevePath, sleeve, arm);
    // A cuff where the hand comes out of the sleeve.
    QPainterPath cuff(palm + QPointF(side * arm * 0.05, arm * 1.05));
    cuff.lineTo(palm + QPointF(0, arm * 0.75));
    c.Limb(cuff, sleeve.lighter(118), arm * 0.95);
    // The hand round the edge, the fingers' tips showing under it, the thumb on top.
    for (int k = 0; k < 3; ++k) {
      const QPointF tip = palm + QPointF(-side * arm * 0.38, -arm * 0.3 + k * arm * 0.3);
      c.Oval(QRectF(tip.x() - arm * 0.16, tip.y() - arm * 0.13, arm * 0.32, arm * 0.26), skin,
             0.05);
    }
    c.Oval(QRectF(palm.x() - arm * 0.45, palm.y() - arm * 0.55, arm * 0.9, arm * 1.2), skin, 0.06);
    QPainterPath thumb(palm + QPointF(-side * arm * 0.05, -arm * 0.25));
    thumb.quadTo(palm + QPointF(-side * arm * 0.4, -arm * 0.5),
                 palm + QPointF(-side * arm * 0.72, -arm * 0.42));
    c.Limb(thumb, skin, arm * 0.3);
  }
}

// A wash of colour over its box: the warm light of late afternoon, the hush of an empty room.
void PaintTint(Canvas& c, const QRectF& box, const Params& p) {
  QColor color = p.Color("color");
  color.setAlpha(std::clamp(p.Int("alpha"), 0, 255));
  c.p.fillRect(box, color);
}

// The marks of a cartoon: curved lines of a voice going out (speech), or short strokes
// bursting round a head (a fright).
void PaintMarks(Canvas& c, const QRectF& box, const Params& p) {
  const QColor color = p.Color("color");
  const double width = std::max(2.0, std::min(box.width(), box.height()) * 0.05);
  if (p.Text("kind") == "speech") {
    const double side = p.Text("side") == "left" ? -1 : 1;
    const QPointF from(side > 0 ? box.left() : box.right(), box.center().y());
    for (int k = 1; k <= 3; ++k) {
      const double r = box.width() * 0.3 * k;
      QPainterPath arc;
      const QRectF ring(from.x() - r, from.y() - r, 2 * r, 2 * r);
      const double start = side > 0 ? -35 : 145;
      arc.arcMoveTo(ring, start);
      arc.arcTo(ring, start, 70);
      c.Stroke(arc, color, width);
    }
    return;
  }
  const QPointF centre = box.center();
  const double rx = box.width() / 2;
  const double ry = box.height() / 2;
  for (int k = 0; k < 9; ++k) {
    // A fan of strokes above the head, none below it.
    const double a = M_PI * (1.05 + k * 0.9 / 8);
    const QPointF dir(std::cos(a), std::sin(a));
    // Edged in ink, so they show on a dark board as on a pale wall.
    QPainterPath stroke(centre + QPointF(dir.x() * rx * 0.72, dir.y() * ry * 0.72));
    stroke.lineTo(centre + QPointF(dir.x() * rx, dir.y() * ry));
    c.line = width * 0.35;
    c.Limb(stroke, color, width);
  }
}

}  // namespace

std::vector<PainterInfo> SlidePainters() {
  return {
      {"pupil", PupilSettings(), PaintPupil,
       "a pupil at a school desk, with the figure's settings for face, hair and upper body; "
       "lean: upright, chin (the head on a hand), nod (nodding off), nap (asleep on the arms)"},
      {"portrait", PortraitSettings(), PaintPortrait,
       "head and shoulders in an oval or square frame, with the figure's settings for face, "
       "hair and upper body; zoom above 1 comes closer"},
      {"openbook", "cover:color=#5a3a28 paper:color=#f6eed8 left:text= right:text=", PaintOpenBook,
       "a book lying open, with a running head over each page"},
      {"printlines", "rows:int=8 color:color=#5a4a3e", PaintPrintLines,
       "lines of small print filling the box"},
      {"oldpage", "paper:color=#f0e2bc ink:color=#6a4a2e border:flag", PaintOldPage,
       "an old sheet of paper, yellowed at the edges, with a printer's rule (border)"},
      {"wallclock", "hour:num=2 minute:int=0 rim:color=#8a5a3a", PaintWallClock,
       "a round wall clock showing a time"},
      {"lap", "dress:color=#4f7fc8", PaintLap, "a lap seen from above: a skirt with its folds"},
      {"hands", "skin:color=#f2c9a0 sleeve:color=#4f7fc8", PaintHands,
       "two hands holding something by its sides, the sleeves coming up from below"},
      {"tint", "color:color=#ffb060 alpha:int=40", PaintTint,
       "a wash of colour (use as an overlay)"},
      {"marks", "kind:speech|fright=speech side:left|right=right color:color=#3a2a22", PaintMarks,
       "cartoon lines of a voice (speech) or a fright"},
  };
}

}  // namespace quenna::datakit
