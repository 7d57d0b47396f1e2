// People and animals. A person is drawn from settings a writer can read aloud (sex,
// age, clothes and their colours, hair, what the hands hold), in proportions that make
// children look like children: the head is a larger share of a child's height.
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace quenna::datakit {
namespace {

constexpr const char* kFigureSettings =
    "sex:male|female=male age:int=30 facing:front|left|right=front pose:stand|sit=stand "
    "arms:down|hold|wave|point|hips=down build:slim|normal|stout|big=normal "
    "skin:color=#f2c9a0 hair:color=#7a4a26 "
    "hairstyle:tied|short|curly|long|longthin|bald|bun|braids|piled|wig|thin|cropped=tied "
    "hat:none|tricorn|knit|cap|lacecap|roundhat=none hatcolor:color=#3a3034 "
    "coat:color=none coatlen:long|short=long waistcoat:color=none shirt:color=#f6f1e4 "
    "breeches:color=#6b4a2b stockings:color=#eeeae0 shoes:color=#3a2a22 "
    "dress:color=#c05050 apron:color=none smock:flag fichu:color=none sash:color=none "
    "cuffs:color=none beard:color=none ribbon:color=#2a2428 feather:color=none "
    "spectacles:flag glassesup:flag freckles:flag barefoot:flag rolled:flag wet:flag "
    "mood:smile|grin|laugh|calm|wonder|asleep|drowsy|wink=smile face:round|long=round "
    "holds:none|notebook|book|apple|telescope|ribbon|fan|quill|paper|stick|skyship|spyglass|"
    "letter|palette|composer|drum=none heldcolor:color=#b03a3a";

struct Body {
  // Settings.
  bool female = false;
  int age = 30;
  int dir = 0;  // -1 facing left, 1 right, 0 front
  bool sitting = false;
  std::string arms;
  QColor skin, hair, coat, waistcoat, shirt, breeches, stockings, shoes, dress, apron;
  // Geometry, in pixels.
  double cx = 0, top = 0, height = 0, hh = 0, hw = 0;
  double chin = 0, shoulder = 0, waist = 0, knee = 0, ankle = 0, sole = 0;
  double sw = 0;  // half the shoulder width
  double armWidth = 0;
  QPointF hand[2];  // left, right
  QPointF elbow[2];
  QPointF shoulderJoint[2];
};

QColor Darker(const QColor& color, int percent) {
  return color.darker(100 + percent);
}
bool Has(const QColor& color) {
  return color.alpha() > 0;
}

Body Measure(const QRectF& box, const Params& p) {
  Body b;
  b.female = p.Text("sex") == "female";
  b.age = p.Int("age");
  b.dir = p.Text("facing") == "left" ? -1 : p.Text("facing") == "right" ? 1 : 0;
  b.sitting = p.Text("pose") == "sit";
  b.arms = p.Text("arms");
  b.skin = p.Color("skin");
  b.hair = p.Color("hair");
  b.coat = p.Color("coat");
  b.waistcoat = p.Color("waistcoat");
  b.shirt = p.Color("shirt");
  b.breeches = p.Color("breeches");
  b.stockings = p.Color("stockings");
  b.shoes = p.Color("shoes");
  b.dress = p.Color("dress");
  b.apron = p.Color("apron");

  // Heads are large in this style, and larger still for the young.
  const double ratio = b.age <= 11 ? 1 / 3.7 : b.age <= 16 ? 1 / 4.2 : 1 / 4.6;
  b.height = b.sitting ? box.height() / 0.74 : box.height();
  b.cx = box.center().x();
  b.top = box.top();
  b.hh = b.height * ratio;
  b.hw = b.hh * 0.86;
  double build = 1.0;
  const std::string& shape = p.Text("build");
  if (shape == "slim") build = 0.88;
  if (shape == "stout") build = 1.16;
  if (shape == "big") build = 1.32;
  b.sw = b.hh * (b.female ? 0.52 : b.age <= 11 ? 0.5 : b.age <= 16 ? 0.56 : 0.62) * build;
  b.chin = b.top + b.hh;
  b.shoulder = b.chin + b.hh * 0.14;
  const double body = b.height - b.hh;
  b.waist = b.chin + body * 0.36;
  b.knee = b.chin + body * 0.70;
  b.sole = b.sitting ? box.bottom() : b.top + b.height;
  // Legs end inside the shoes, so their round ends never poke out below them.
  b.ankle = b.sole - b.hh * 0.24;
  b.armWidth = b.hh * (b.age <= 11 ? 0.27 : 0.29) * std::sqrt(build);

  for (int side = 0; side < 2; ++side) {
    const double s = side == 0 ? -1 : 1;
    b.shoulderJoint[side] = {b.cx + s * b.sw * 0.88, b.shoulder + b.armWidth * 0.45};
    b.elbow[side] = {b.cx + s * b.sw * 1.1, b.waist - b.hh * 0.08};
    b.hand[side] = {b.cx + s * b.sw * 1.08, b.waist + b.hh * 0.42};
  }
  // The active hand is the one on the side the figure faces (the right when facing us).
  const int active = b.dir < 0 ? 0 : 1;
  const double a = active == 0 ? -1 : 1;
  if (b.arms == "hold") {
    for (int side = 0; side < 2; ++side) {
      const double s = side == 0 ? -1 : 1;
      b.elbow[side] = {b.cx + s * b.sw * 1.08, b.waist - b.hh * 0.02};
      b.hand[side] = {b.cx + s * b.hh * 0.24 + b.dir * b.hh * 0.1, b.waist - b.hh * 0.2};
    }
  } else if (b.arms == "wave") {
    b.elbow[active] = {b.cx + a * b.sw * 1.45, b.shoulder + b.hh * 0.05};
    b.hand[active] = {b.cx + a * b.sw * 1.55, b.shoulder - b.hh * 0.62};
  } else if (b.arms == "point") {
    b.elbow[active] = {b.cx + a * b.sw * 1.5, b.shoulder + b.hh * 0.32};
    b.hand[active] = {b.cx + a * b.sw * 2.15, b.shoulder + b.hh * 0.22};
  } else if (b.arms == "hips") {
    for (int side = 0; side < 2; ++side) {
      const double s = side == 0 ? -1 : 1;
      b.elbow[side] = {b.cx + s * b.sw * 1.5, b.waist - b.hh * 0.3};
      b.hand[side] = {b.cx + s * b.sw * 0.86, b.waist + b.hh * 0.02};
    }
  }
  return b;
}

// ---- legs and skirts ----

void DrawLegs(Canvas& c, const Body& b, const Params& p) {
  const bool barefoot = p.Flag("barefoot");
  const QColor feet = barefoot ? b.skin : b.shoes;
  const double legWidth = b.hh * (b.age <= 11 ? 0.25 : 0.27);
  auto shoe = [&](QPointF at, int toward) {
    const double w = b.hh * (barefoot ? 0.34 : 0.4);
    const double h = b.hh * 0.17;
    // The outline's outer edge, not its middle, stands on the ground.
    QRectF rect(at.x() - w / 2 + toward * w * 0.22, b.sole - h - c.line / 2, w, h);
    QPainterPath path;
    path.addRoundedRect(rect, h * 0.5, h * 0.5);
    c.Fill(path, feet, 0.1);
    if (!barefoot) {
      // A buckle catches the light.
      c.p.fillRect(QRectF(rect.center().x() - w * 0.08, rect.top() + h * 0.2, w * 0.16, h * 0.3),
                   palette::kBrass.lighter(120));
    }
  };
  if (b.sitting) {
    const double lapBottom = b.waist + b.hh * 0.62;
    for (int side = 0; side < 2; ++side) {
      const double s = side == 0 ? -1 : 1;
      double x = b.cx + s * b.sw * 0.42;
      if (b.dir != 0) x = b.cx + b.dir * b.sw * (1.25 + 0.25 * side);
      QPainterPath shin(QPointF(x, lapBottom - b.hh * 0.1));
      shin.lineTo(x, b.ankle);
      c.Limb(shin, barefoot ? b.skin : b.stockings, legWidth);
      shoe({x, b.sole}, b.dir == 0 ? static_cast<int>(s) : b.dir);
    }
    if (!b.female) {
      QPainterPath lap;
      if (b.dir == 0) {
        lap.addRoundedRect(
            QRectF(b.cx - b.sw * 0.95, b.waist - b.hh * 0.1, b.sw * 1.9, b.hh * 0.78), b.hh * 0.25,
            b.hh * 0.25);
      } else {
        const double far = b.cx + b.dir * b.sw * 1.6;
        lap.addRoundedRect(QRectF(std::min(b.cx - b.dir * b.sw * 0.8, far), b.waist - b.hh * 0.05,
                                  std::abs(far - (b.cx - b.dir * b.sw * 0.8)), b.hh * 0.7),
                           b.hh * 0.25, b.hh * 0.25);
      }
      c.Fill(lap, b.breeches);
    }
    return;
  }
  const bool longSkirt = b.female && b.age > 12;
  if (longSkirt) {
    for (int side = 0; side < 2; ++side)
      shoe({b.cx + (side == 0 ? -1 : 1) * b.sw * 0.42, b.sole}, side == 0 ? -1 : 1);
    return;
  }
  const double legTop = b.female ? b.knee - b.hh * 0.2 : b.waist + b.hh * 0.1;
  for (int side = 0; side < 2; ++side) {
    const double s = side == 0 ? -1 : 1;
    const double x = b.cx + s * b.sw * 0.4;
    QPainterPath leg(QPointF(x, legTop));
    leg.lineTo(x + s * b.hh * 0.02, b.ankle);
    c.Limb(leg, barefoot ? b.skin : b.stockings, legWidth);
    shoe({x + s * b.hh * 0.02, b.sole}, b.dir == 0 ? static_cast<int>(s) : b.dir);
  }
  if (!b.female) {
    // Breeches: two legs joined at the seat, buttoned at the knee.
    const double knee = b.knee + b.hh * 0.08;
    QPainterPath breeches;
    breeches.moveTo(b.cx - b.sw * 0.86, b.waist - b.hh * 0.05);
    breeches.lineTo(b.cx + b.sw * 0.86, b.waist - b.hh * 0.05);
    breeches.lineTo(b.cx + b.sw * 0.72, knee);
    breeches.lineTo(b.cx + b.sw * 0.1, knee);
    breeches.lineTo(b.cx, b.waist + b.hh * 0.55);
    breeches.lineTo(b.cx - b.sw * 0.1, knee);
    breeches.lineTo(b.cx - b.sw * 0.72, knee);
    breeches.closeSubpath();
    c.Fill(breeches, b.breeches);
  }
}

void DrawSkirt(Canvas& c, const Body& b, const Params& p) {
  if (!b.female) return;
  const bool child = b.age <= 12;
  double hem = child ? b.knee + b.hh * 0.15 : b.sole - b.hh * 0.12;
  double flare = child ? 1.25 : 1.55;
  QPainterPath skirt;
  if (b.sitting) {
    hem = b.sole - b.hh * 0.16;
    flare = 1.45;
  }
  skirt.moveTo(b.cx - b.sw * 0.72, b.waist - b.hh * 0.05);
  skirt.cubicTo(b.cx - b.sw * 1.1, b.waist + b.hh * 0.4, b.cx - b.sw * flare, hem - b.hh * 0.6,
                b.cx - b.sw * flare, hem);
  skirt.quadTo(b.cx, hem + b.hh * 0.16, b.cx + b.sw * flare, hem);
  skirt.cubicTo(b.cx + b.sw * flare, hem - b.hh * 0.6, b.cx + b.sw * 1.1, b.waist + b.hh * 0.4,
                b.cx + b.sw * 0.72, b.waist - b.hh * 0.05);
  skirt.closeSubpath();
  c.Fill(skirt, b.dress, 0.16);
  // Folds.
  for (double f : {-0.6, 0.0, 0.6}) {
    QPainterPath fold(QPointF(b.cx + b.sw * f * 0.6, b.waist + b.hh * 0.3));
    fold.quadTo(b.cx + b.sw * f * 0.9, (b.waist + hem) / 2, b.cx + b.sw * f * 1.15,
                hem - b.hh * 0.05);
    c.Stroke(fold, Darker(b.dress, 18), c.line * 0.8);
  }
  const bool smock = p.Flag("smock");
  if (Has(b.apron) || smock) {
    const QColor cloth = Has(b.apron) ? b.apron : QColor(236, 230, 214);
    const double w = b.sw * (smock ? 1.25 : 0.7);
    const double bottom = smock ? (b.waist + hem) / 2 + b.hh * 0.3 : hem - b.hh * 0.3;
    QPainterPath apron;
    apron.moveTo(b.cx - w * 0.8, b.waist);
    apron.lineTo(b.cx + w * 0.8, b.waist);
    apron.lineTo(b.cx + w, bottom - b.hh * 0.15);
    apron.quadTo(b.cx, bottom + b.hh * 0.12, b.cx - w, bottom - b.hh * 0.15);
    apron.closeSubpath();
    c.Fill(apron, cloth, 0.08);
    if (smock) {
      const QColor spots[] = {QColor(210, 60, 60), QColor(60, 110, 200), QColor(240, 190, 40),
                              QColor(80, 160, 90)};
      for (int i = 0; i < 9; ++i) {
        const double y = c.Random(b.waist + b.hh * 0.1, bottom - b.hh * 0.2);
        const QPointF at(b.cx + c.Random(-w * 0.7, w * 0.7), y);
        const double r = c.Random(0.025, 0.05) * b.hh;
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(spots[i % 4]);
        c.p.drawEllipse(at, r, r);
      }
    }
  }
}

// ---- body ----

void DrawTorso(Canvas& c, const Body& b, const Params& p) {
  const double hemLong = b.sitting ? b.waist + b.hh * 0.6 : b.knee - b.hh * 0.02;
  const bool shortCoat = p.Text("coatlen") == "short";
  const double hem = shortCoat ? b.waist + b.hh * 0.4 : hemLong;
  const double neck = b.chin - b.hh * 0.04;

  // The neck first; the collar covers its foot.
  c.Box(QRectF(b.cx - b.hw * 0.17, neck - b.hh * 0.12, b.hw * 0.34, b.hh * 0.3), b.skin, 0, 0.05);

  QPainterPath torso;
  torso.moveTo(b.cx - b.sw * 0.3, neck);
  torso.quadTo(b.cx - b.sw * 0.98, neck + b.hh * 0.02, b.cx - b.sw, b.shoulder + b.hh * 0.2);
  torso.lineTo(b.cx - b.sw * 0.82, b.waist + b.hh * 0.12);
  torso.lineTo(b.cx + b.sw * 0.82, b.waist + b.hh * 0.12);
  torso.lineTo(b.cx + b.sw, b.shoulder + b.hh * 0.2);
  torso.quadTo(b.cx + b.sw * 0.98, neck + b.hh * 0.02, b.cx + b.sw * 0.3, neck);
  torso.closeSubpath();

  if (b.female) {
    c.Fill(torso, b.dress, 0.12);
    const QColor fichu = p.Color("fichu");
    if (Has(fichu)) {
      c.Poly({{b.cx - b.sw * 0.78, b.shoulder - b.hh * 0.02},
              {b.cx + b.sw * 0.78, b.shoulder - b.hh * 0.02},
              {b.cx, b.waist - b.hh * 0.02}},
             fichu, 0.05);
    } else {
      // A rounded neckline edged with lace.
      QPainterPath neckline;
      neckline.moveTo(b.cx - b.sw * 0.55, neck + b.hh * 0.02);
      neckline.quadTo(b.cx, b.shoulder + b.hh * 0.45, b.cx + b.sw * 0.55, neck + b.hh * 0.02);
      neckline.closeSubpath();
      c.Fill(neckline, b.skin, 0.04);
      QPainterPath lace(QPointF(b.cx - b.sw * 0.55, neck + b.hh * 0.04));
      lace.quadTo(b.cx, b.shoulder + b.hh * 0.5, b.cx + b.sw * 0.55, neck + b.hh * 0.04);
      c.Stroke(lace, QColor(250, 248, 240), c.line * 1.6);
    }
    // Bodice lacing.
    c.Segment({b.cx, b.waist - b.hh * 0.3}, {b.cx, b.waist + b.hh * 0.08}, Darker(b.dress, 25),
              c.line * 0.8);
  } else {
    c.Fill(torso, b.shirt, 0.08);
    if (Has(b.waistcoat)) {
      QPainterPath vest;
      const double w = Has(b.coat) ? 0.5 : 0.88;
      vest.moveTo(b.cx - b.sw * 0.22, neck + b.hh * 0.04);
      vest.lineTo(b.cx - b.sw * w, b.shoulder + (Has(b.coat) ? b.hh * 0.08 : b.hh * 0.22));
      vest.lineTo(b.cx - b.sw * (w - 0.04), b.waist + b.hh * 0.3);
      vest.lineTo(b.cx, b.waist + b.hh * 0.42);
      vest.lineTo(b.cx + b.sw * (w - 0.04), b.waist + b.hh * 0.3);
      vest.lineTo(b.cx + b.sw * w, b.shoulder + (Has(b.coat) ? b.hh * 0.08 : b.hh * 0.22));
      vest.lineTo(b.cx + b.sw * 0.22, neck + b.hh * 0.04);
      vest.quadTo(b.cx, b.shoulder + b.hh * 0.3, b.cx - b.sw * 0.22, neck + b.hh * 0.04);
      vest.closeSubpath();
      c.Fill(vest, b.waistcoat, 0.14);
      for (int i = 0; i < 5; ++i) {
        const double y = b.shoulder + b.hh * 0.32 + i * (b.waist - b.shoulder) * 0.22;
        c.Oval(QRectF(b.cx - b.hh * 0.035, y, b.hh * 0.07, b.hh * 0.07),
               palette::kBrass.lighter(110), 0);
      }
    }
    if (Has(b.coat)) {
      for (int side = 0; side < 2; ++side) {
        const double s = side == 0 ? -1 : 1;
        QPainterPath panel;
        panel.moveTo(b.cx + s * b.sw * 0.3, neck);
        panel.quadTo(b.cx + s * b.sw * 1.02, neck + b.hh * 0.02, b.cx + s * b.sw * 1.04,
                     b.shoulder + b.hh * 0.22);
        panel.lineTo(b.cx + s * b.sw * (shortCoat ? 0.98 : 1.16), hem);
        panel.lineTo(b.cx + s * b.sw * (shortCoat ? 0.3 : 0.5), hem);
        panel.quadTo(b.cx + s * b.sw * 0.34, b.waist + b.hh * 0.1, b.cx + s * b.sw * 0.5,
                     b.shoulder + b.hh * 0.2);
        panel.closeSubpath();
        c.Fill(panel, b.coat, 0.14);
        // A pocket flap and a row of buttons along the edge.
        if (!shortCoat && !b.sitting) {
          c.Box(QRectF(b.cx + s * b.sw * 0.62 - b.sw * 0.2, b.waist + b.hh * 0.28, b.sw * 0.4,
                       b.hh * 0.13),
                Darker(b.coat, 6), b.hh * 0.03, 0.1);
        }
        for (int i = 0; i < 4; ++i) {
          const double y = b.shoulder + b.hh * 0.35 + i * b.hh * 0.27;
          if (y > hem - b.hh * 0.1) break;
          c.Oval(QRectF(b.cx + s * b.sw * 0.46 - b.hh * 0.035, y, b.hh * 0.07, b.hh * 0.07),
                 Has(p.Color("cuffs")) ? p.Color("cuffs") : palette::kBrass, 0);
        }
      }
    }
    // A white neckcloth.
    c.Poly({{b.cx - b.hw * 0.2, neck - b.hh * 0.02},
            {b.cx + b.hw * 0.2, neck - b.hh * 0.02},
            {b.cx + b.hw * 0.1, b.shoulder + b.hh * 0.22},
            {b.cx - b.hw * 0.1, b.shoulder + b.hh * 0.22}},
           QColor(250, 248, 242), 0.04);
  }
  if (!b.female && Has(b.apron)) {
    // A work apron from the chest to the knee.
    QPainterPath apron;
    apron.moveTo(b.cx - b.sw * 0.55, b.shoulder + b.hh * 0.28);
    apron.lineTo(b.cx + b.sw * 0.55, b.shoulder + b.hh * 0.28);
    apron.lineTo(b.cx + b.sw * 0.78, b.sitting ? b.waist + b.hh * 0.6 : b.knee);
    apron.quadTo(b.cx, (b.sitting ? b.waist + b.hh * 0.7 : b.knee + b.hh * 0.1), b.cx - b.sw * 0.78,
                 b.sitting ? b.waist + b.hh * 0.6 : b.knee);
    apron.closeSubpath();
    c.Fill(apron, b.apron, 0.12);
    c.Segment({b.cx - b.sw * 0.55, b.shoulder + b.hh * 0.28}, {b.cx - b.sw * 0.3, b.chin},
              b.apron.darker(130), c.line * 1.5);
    c.Segment({b.cx + b.sw * 0.55, b.shoulder + b.hh * 0.28}, {b.cx + b.sw * 0.3, b.chin},
              b.apron.darker(130), c.line * 1.5);
  }
  const QColor sash = p.Color("sash");
  if (Has(sash)) {
    QPainterPath band(QPointF(b.cx + b.sw * 0.85, b.shoulder + b.hh * 0.05));
    band.lineTo(b.cx - b.sw * 0.8, b.waist + b.hh * 0.25);
    c.Limb(band, sash, b.hh * 0.18);
  }
}

QColor SleeveColor(const Body& b) {
  if (b.female) return b.dress;
  if (Has(b.coat)) return b.coat;
  return b.shirt;
}

void DrawArms(Canvas& c, const Body& b, const Params& p) {
  const QColor sleeve = SleeveColor(b);
  const bool rolled = p.Flag("rolled") || b.female;
  const QColor cuffs = p.Color("cuffs");
  for (int side = 0; side < 2; ++side) {
    QPainterPath upper(b.shoulderJoint[side]);
    upper.lineTo(b.elbow[side]);
    // The forearm stops short of the hand, which is drawn over its end.
    const QPointF wrist = b.elbow[side] + (b.hand[side] - b.elbow[side]) * 0.82;
    QPainterPath fore(b.elbow[side]);
    fore.lineTo(wrist);
    if (rolled) {
      c.Limb(fore, b.skin, b.armWidth * 0.78);
      c.Limb(upper, sleeve, b.armWidth);
      const QColor trim = b.female ? QColor(250, 248, 240) : Darker(sleeve, 8);
      c.Oval(QRectF(b.elbow[side].x() - b.armWidth * 0.6, b.elbow[side].y() - b.armWidth * 0.35,
                    b.armWidth * 1.2, b.armWidth * 0.7),
             trim, 0.05);
    } else {
      QPainterPath whole(b.shoulderJoint[side]);
      whole.lineTo(b.elbow[side]);
      whole.lineTo(wrist);
      c.Limb(whole, sleeve, b.armWidth);
      const QPointF dirv = wrist - b.elbow[side];
      const double len = std::hypot(dirv.x(), dirv.y());
      const QPointF unit = len > 0 ? dirv / len : QPointF(0, 1);
      const QPointF cuffAt = wrist - unit * b.armWidth * 0.3;
      QPainterPath cuff(cuffAt - unit * b.armWidth * 0.25);
      cuff.lineTo(cuffAt + unit * b.armWidth * 0.2);
      c.Limb(cuff, Has(cuffs) ? cuffs : Darker(sleeve, 14), b.armWidth * 1.08);
    }
  }
}

void DrawHands(Canvas& c, const Body& b) {
  const double r = b.hh * 0.125;
  for (const QPointF& hand : b.hand)
    c.Oval(QRectF(hand.x() - r, hand.y() - r, 2 * r, 2 * r), b.skin, 0.06);
}

// ---- what the hands hold ----

// Where a held thing is drawn: at the hand on the side the figure faces (the right one
// when it faces front), or between the hands when both arms hold it. hh is the height of
// the head, the measure of everything held; side is -1 on the left, 1 on the right.
struct Hold {
  const Body& body;
  std::string_view thing;  // as the holds setting names it
  QColor color;            // the heldcolor setting
  QPointF at;
  double hh;
  double side;
};

// A book, or a smaller notebook, held up with a paper label on its cover.
void DrawBook(Canvas& c, const Hold& h) {
  const double hh = h.hh;
  const double w = hh * (h.thing == "book" ? 0.62 : 0.5);
  const double height = hh * (h.thing == "book" ? 0.48 : 0.38);
  c.p.save();
  c.p.translate(h.at);
  c.p.rotate(h.body.arms == "hold" ? 0 : h.side * 12);
  c.Box(QRectF(-w / 2, -height * 0.6, w, height), h.color, hh * 0.03, 0.12);
  c.Box(QRectF(-w / 2 + hh * 0.04, -height * 0.6 + hh * 0.04, w - hh * 0.08, height * 0.18),
        palette::kPaper, 0, 0);
  c.p.restore();
}

// A written sheet; a letter has a red seal.
void DrawPaper(Canvas& c, const Hold& h) {
  const double hh = h.hh;
  const double w = hh * 0.5;
  const double height = hh * 0.62;
  c.p.save();
  c.p.translate(h.at);
  c.p.rotate(h.side * -8);
  c.Box(QRectF(-w / 2, -height * 0.8, w, height), palette::kPaper, 0, 0.04);
  for (int i = 0; i < 5; ++i) {
    c.Segment({-w * 0.35, -height * 0.65 + i * height * 0.14},
              {w * 0.35, -height * 0.65 + i * height * 0.14}, QColor(120, 110, 100), c.line * 0.6);
  }
  if (h.thing == "letter")
    c.Oval(QRectF(-hh * 0.07, height * 0.02, hh * 0.14, hh * 0.14), QColor(190, 40, 40), 0);
  c.p.restore();
}

void DrawApple(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double r = h.hh * 0.16;
  c.Oval(QRectF(at.x() - r, at.y() - r * 1.6, 2 * r, 2 * r), QColor(200, 50, 45), 0.2);
  c.Segment({at.x(), at.y() - r * 1.6}, {at.x() + r * 0.2, at.y() - r * 2.1}, palette::kWalnut,
            c.line);
  c.Oval(QRectF(at.x() + r * 0.2, at.y() - r * 2.2, r * 0.7, r * 0.35), palette::kLeaf, 0);
}

// A telescope, or a shorter spyglass, pointing up and outwards.
void DrawTelescope(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double a = h.side;
  const double len = h.hh * (h.thing == "telescope" ? 1.5 : 0.8);
  QPainterPath tube(at);
  tube.lineTo(at + QPointF(a * len * 0.55, -len * 0.8));
  c.Limb(tube, palette::kBrass, h.hh * 0.14);
  QPainterPath lens(at + QPointF(a * len * 0.5, -len * 0.73));
  lens.lineTo(at + QPointF(a * len * 0.55, -len * 0.8));
  c.Limb(lens, palette::kBrass.darker(130), h.hh * 0.2);
}

void DrawRibbon(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  const double a = h.side;
  QPainterPath silk(at);
  silk.cubicTo(at + QPointF(-a * hh * 0.2, -hh * 0.2), at + QPointF(a * hh * 0.15, -hh * 0.35),
               at + QPointF(0, -hh * 0.55));
  c.Limb(silk, h.color, hh * 0.08);
}

// An open fan with painted flowers.
void DrawFan(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  const double a = h.side;
  const double r = hh * 0.75;
  QPainterPath fan(at);
  fan.arcTo(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 30 + (a < 0 ? 60 : 0), 90);
  fan.closeSubpath();
  c.Fill(fan, h.color, 0.1);
  for (int i = 1; i < 6; ++i) {
    const double angle = (30 + (a < 0 ? 60 : 0) + i * 15) * M_PI / 180;
    c.Segment(at, at + QPointF(std::cos(angle) * r, -std::sin(angle) * r), Darker(h.color, 30),
              c.line * 0.7);
  }
  for (int i = 0; i < 3; ++i) {
    const double angle = (45 + (a < 0 ? 60 : 0) + i * 25) * M_PI / 180;
    const QPointF f = at + QPointF(std::cos(angle) * r * 0.72, -std::sin(angle) * r * 0.72);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(250, 240, 250));
    c.p.drawEllipse(f, hh * 0.06, hh * 0.06);
  }
}

void DrawQuill(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  const double a = h.side;
  QPainterPath feather(at);
  feather.quadTo(at + QPointF(a * hh * 0.1, -hh * 0.5), at + QPointF(a * hh * 0.35, -hh * 0.85));
  feather.quadTo(at + QPointF(a * hh * 0.3, -hh * 0.4), at);
  c.Fill(feather, QColor(250, 250, 245), 0.05);
}

// A walking stick down to the ground, with a brass knob.
void DrawStick(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  QPainterPath cane(at + QPointF(0, -hh * 0.05));
  cane.lineTo(at.x() + h.side * hh * 0.2, h.body.sole);
  c.Limb(cane, palette::kWalnut, hh * 0.08);
  c.Oval(QRectF(at.x() - hh * 0.09, at.y() - hh * 0.16, hh * 0.18, hh * 0.14), palette::kBrass,
         0.1);
}

// A toy sky ship: a seamed balloon over a little wooden gondola.
void DrawSkyship(Canvas& c, const Hold& h) {
  const double hh = h.hh;
  const double w = hh * 0.85;
  const QPointF base = h.at + QPointF(0, -hh * 0.12);
  QPainterPath balloon;
  balloon.moveTo(base.x() - w * 0.18, base.y() - hh * 0.2);
  balloon.cubicTo(base.x() - w * 0.7, base.y() - hh * 0.7, base.x() - w * 0.5, base.y() - hh * 1.45,
                  base.x(), base.y() - hh * 1.45);
  balloon.cubicTo(base.x() + w * 0.5, base.y() - hh * 1.45, base.x() + w * 0.7, base.y() - hh * 0.7,
                  base.x() + w * 0.18, base.y() - hh * 0.2);
  balloon.closeSubpath();
  c.Fill(balloon, h.color, 0.2);
  for (double s : {-0.28, 0.0, 0.28}) {
    QPainterPath seam(QPointF(base.x() + s * w * 0.5, base.y() - hh * 0.22));
    seam.quadTo(base.x() + s * w * 1.6, base.y() - hh * 0.8, base.x() + s * w * 0.3,
                base.y() - hh * 1.43);
    c.Stroke(seam, palette::kBrass.lighter(115), c.line * 1.2);
  }
  c.Box(QRectF(base.x() - w * 0.13, base.y() - hh * 0.08, w * 0.26, hh * 0.14), palette::kPine,
        hh * 0.02, 0.1);
}

// The composing stick: a small metal tray with a line of type in it.
void DrawComposer(Canvas& c, const Hold& h) {
  const double hh = h.hh;
  const QRectF tray(h.at.x() - hh * 0.36, h.at.y() - hh * 0.16, hh * 0.72, hh * 0.2);
  c.Box(tray, QColor(170, 172, 180), hh * 0.02, 0.15);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(90, 90, 100));
  for (int i = 0; i < 7; ++i)
    c.p.drawRect(
        QRectF(tray.left() + hh * (0.05 + i * 0.09), tray.top() + hh * 0.04, hh * 0.06, hh * 0.1));
}

// A drum with its cords and a drumstick.
void DrawDrum(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  const QRectF drum(at.x() - hh * 0.5, at.y() - hh * 0.1, hh, hh * 0.62);
  c.Box(drum, h.color, hh * 0.08, 0.15);
  for (int i = 0; i < 5; ++i) {
    c.Segment({drum.left() + i * drum.width() / 4, drum.top() + hh * 0.06},
              {drum.left() + (i + 0.5) * drum.width() / 4, drum.bottom() - hh * 0.06},
              QColor(250, 240, 210), c.line);
  }
  c.Oval(QRectF(drum.left(), drum.top() - hh * 0.1, drum.width(), hh * 0.2), QColor(246, 240, 226),
         0.05);
  c.Segment(at + QPointF(-hh * 0.3, -hh * 0.2), at + QPointF(-hh * 0.05, -hh * 0.45),
            palette::kPine, c.line * 1.6);
}

// A painter's palette with five dabs of paint.
void DrawPalette(Canvas& c, const Hold& h) {
  const QPointF at = h.at;
  const double hh = h.hh;
  QPainterPath board;
  board.addEllipse(QRectF(at.x() - hh * 0.45, at.y() - hh * 0.3, hh * 0.9, hh * 0.55));
  c.Fill(board, palette::kPine, 0.1);
  const QColor dabs[] = {QColor(210, 50, 50), QColor(240, 200, 40), QColor(50, 100, 200),
                         QColor(70, 160, 80), QColor(250, 250, 250)};
  for (int i = 0; i < 5; ++i) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(dabs[i]);
    c.p.drawEllipse(
        QPointF(at.x() - hh * 0.3 + i * hh * 0.14, at.y() - hh * 0.14 + (i % 2) * hh * 0.12),
        hh * 0.06, hh * 0.05);
  }
}

// Every thing a figure can hold (the choices of its holds setting but none) and the
// painter that draws it.
struct HeldThing {
  std::string_view name;
  void (*draw)(Canvas& c, const Hold& h);
};
constexpr HeldThing kHeldThings[] = {
    {"notebook", DrawBook},       {"book", DrawBook},          {"apple", DrawApple},
    {"telescope", DrawTelescope}, {"ribbon", DrawRibbon},      {"fan", DrawFan},
    {"quill", DrawQuill},         {"paper", DrawPaper},        {"stick", DrawStick},
    {"skyship", DrawSkyship},     {"spyglass", DrawTelescope}, {"letter", DrawPaper},
    {"palette", DrawPalette},     {"composer", DrawComposer},  {"drum", DrawDrum},
};

void DrawHeld(Canvas& c, const Body& b, const Params& p) {
  const std::string held = p.Text("holds");  // or "none"
  for (const HeldThing& thing : kHeldThings) {
    if (thing.name != held) continue;
    const int active = b.dir < 0 ? 0 : 1;
    const QPointF at = b.arms == "hold" ? (b.hand[0] + b.hand[1]) / 2 : b.hand[active];
    thing.draw(c, {b, thing.name, p.Color("heldcolor"), at, b.hh, active == 0 ? -1.0 : 1.0});
    return;
  }
}

// ---- head ----

void DrawBackHair(Canvas& c, const Body& b, const Params& p) {
  const std::string style = p.Text("hairstyle");
  const double hh = b.hh, hw = b.hw, cx = b.cx, top = b.top;
  if (style == "long" || style == "longthin") {
    // Loose hair falling to the shoulders behind the head.
    QPainterPath back;
    back.moveTo(cx - hw * 0.5, top + hh * 0.35);
    back.cubicTo(cx - hw * 0.75, top + hh * 0.9, cx - hw * 0.72, top + hh * 1.15, cx - hw * 0.5,
                 top + hh * 1.22);
    back.lineTo(cx + hw * 0.5, top + hh * 1.22);
    back.cubicTo(cx + hw * 0.72, top + hh * 1.15, cx + hw * 0.75, top + hh * 0.9, cx + hw * 0.5,
                 top + hh * 0.35);
    back.closeSubpath();
    c.Fill(back, b.hair, 0.1);
  } else if (style == "wig" || style == "tied") {
    // A short tail at the nape, tied with a ribbon; it shows beside the neck.
    const double side = b.dir == 0 ? 1 : -b.dir;
    const QPointF nape(cx + side * hw * 0.42, top + hh * 0.92);
    QPainterPath tail(nape);
    tail.quadTo(nape + QPointF(side * hw * 0.25, hh * 0.2),
                nape + QPointF(side * hw * 0.18, hh * 0.45));
    c.Limb(tail, b.hair, hh * 0.16);
    // A small bow where the tail is tied.
    const QColor ribbon = p.Color("ribbon");
    const QPointF knot = nape + QPointF(side * hw * 0.06, hh * 0.02);
    for (double v : {-1.0, 1.0}) {
      c.Poly({knot, knot + QPointF(side * hw * 0.16, v * hh * 0.09 - hh * 0.03),
              knot + QPointF(side * hw * 0.16, v * hh * 0.02)},
             ribbon, 0.05);
    }
  } else if (style == "piled") {
    QPainterPath pile;
    pile.addEllipse(QRectF(cx - hw * 0.5, top - hh * 0.55, hw, hh * 0.85));
    c.Fill(pile, b.hair, 0.12);
    const QColor feather = p.Color("feather");
    if (Has(feather)) {
      QPainterPath plume(QPointF(cx + hw * 0.1, top - hh * 0.4));
      plume.cubicTo(QPointF(cx + hw * 0.5, top - hh * 1.1), QPointF(cx + hw * 0.9, top - hh * 0.9),
                    QPointF(cx + hw * 1.0, top - hh * 0.55));
      plume.cubicTo(QPointF(cx + hw * 0.7, top - hh * 0.7),
                    QPointF(cx + hw * 0.45, top - hh * 0.75),
                    QPointF(cx + hw * 0.1, top - hh * 0.4));
      c.Fill(plume, feather, 0.1);
    }
  } else if (style == "bun") {
    c.Oval(QRectF(cx - hw * 0.26, top - hh * 0.2, hw * 0.52, hh * 0.42), b.hair, 0.1);
  }
}

void DrawFace(Canvas& c, const Body& b, const Params& p) {
  const double hh = b.hh, hw = b.hw, cx = b.cx, top = b.top;
  const double fo = b.dir * hw * 0.1;
  const bool old = b.age >= 60;
  const bool child = b.age <= 12;
  // Ears, then the face over them.
  for (int side = 0; side < 2; ++side) {
    const double s = side == 0 ? -1 : 1;
    if (b.dir != 0 && s == b.dir) continue;  // the far ear hides behind the head
    c.Oval(QRectF(cx + s * hw * 0.5 - hh * 0.08 + fo * 0.3, top + hh * 0.45, hh * 0.16, hh * 0.22),
           b.skin, 0.05);
  }
  // A long face narrows to a pointed chin under high cheekbones; a round one is soft.
  const bool longFace = p.Text("face") == "long";
  const double jaw = longFace ? 0.35 : 0.4;
  const double jawAt = longFace ? 0.8 : 0.82;
  const double chinSide = longFace ? 0.13 : 0.2;
  QPainterPath head;
  head.moveTo(cx, top);
  head.cubicTo(cx + hw * 0.56, top, cx + hw * 0.54, top + hh * 0.62, cx + hw * jaw,
               top + hh * jawAt);
  head.quadTo(cx + hw * chinSide, top + hh * 1.01, cx + fo * 0.4, top + hh * 1.01);
  head.quadTo(cx - hw * chinSide, top + hh * 1.01, cx - hw * jaw, top + hh * jawAt);
  head.cubicTo(cx - hw * 0.54, top + hh * 0.62, cx - hw * 0.56, top, cx, top);
  c.Fill(head, b.skin, 0.06);

  const QColor beard = p.Color("beard");
  if (Has(beard)) {
    QPainterPath whiskers;
    whiskers.moveTo(cx - hw * 0.47, top + hh * 0.55);
    whiskers.quadTo(cx - hw * 0.5, top + hh * 1.2, cx + fo, top + hh * 1.22);
    whiskers.quadTo(cx + hw * 0.5, top + hh * 1.2, cx + hw * 0.47, top + hh * 0.55);
    whiskers.quadTo(cx + hw * 0.3, top + hh * 0.72, cx + fo, top + hh * 0.7);
    whiskers.quadTo(cx - hw * 0.3, top + hh * 0.72, cx - hw * 0.47, top + hh * 0.55);
    c.Fill(whiskers, beard, 0.1);
  }

  // Cheeks.
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(236, 120, 110, 70));
  for (double s : {-1.0, 1.0}) {
    c.p.drawEllipse(QPointF(cx + fo + s * hw * (longFace ? 0.26 : 0.3), top + hh * 0.68),
                    hh * (longFace ? 0.07 : 0.09), hh * 0.06);
  }
  if (p.Flag("freckles")) {
    c.p.setBrush(QColor(170, 100, 60, 170));
    for (double s : {-1.0, 1.0}) {
      for (int i = 0; i < 4; ++i) {
        c.p.drawEllipse(QPointF(cx + fo + s * hw * (0.22 + 0.06 * (i % 2)) + s * i * hw * 0.03,
                                top + hh * (0.64 + 0.035 * (i % 3))),
                        hh * 0.013, hh * 0.013);
      }
    }
  }

  // Eyes: dark ovals with a bright spot, bigger on children.
  const double eyeY = top + hh * 0.54;
  const double ew = hh * (child ? 0.1 : 0.085);
  const double eh = hh * (child ? 0.13 : 0.11);
  const std::string mood = p.Text("mood");
  for (double s : {-1.0, 1.0}) {
    const double ex = cx + fo + s * hw * 0.2;
    if (mood == "laugh") {
      QPainterPath closed(QPointF(ex - ew * 0.7, eyeY + eh * 0.1));
      closed.quadTo(ex, eyeY - eh * 0.5, ex + ew * 0.7, eyeY + eh * 0.1);
      c.Stroke(closed, QColor(50, 36, 32), c.line * 1.1);
    } else if (mood == "asleep") {
      QPainterPath closed(QPointF(ex - ew * 0.7, eyeY));
      closed.quadTo(ex, eyeY + eh * 0.45, ex + ew * 0.7, eyeY);
      c.Stroke(closed, QColor(50, 36, 32), c.line * 1.1);
    } else if (mood == "wink" && s < 0) {
      // The winking eye screws shut in a happy arch.
      QPainterPath shut(QPointF(ex - ew * 0.8, eyeY + eh * 0.15));
      shut.quadTo(ex, eyeY - eh * 0.45, ex + ew * 0.8, eyeY + eh * 0.15);
      c.Stroke(shut, QColor(50, 36, 32), c.line * 1.3);
    } else if (mood == "drowsy") {
      // Heavy lids: only the lower half of each eye still shows under a drooping line.
      c.p.save();
      c.p.setClipRect(QRectF(ex - ew, eyeY, ew * 2, eh));
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(QColor(46, 34, 32));
      c.p.drawEllipse(QPointF(ex, eyeY + eh * 0.05), ew / 2, eh / 2);
      c.p.restore();
      QPainterPath lid(QPointF(ex - ew * 0.8, eyeY - eh * 0.05));
      lid.quadTo(ex, eyeY + eh * 0.12, ex + ew * 0.8, eyeY - eh * 0.05);
      c.Stroke(lid, QColor(50, 36, 32), c.line * 1.2);
    } else {
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(QColor(46, 34, 32));
      c.p.drawEllipse(QPointF(ex + b.dir * ew * 0.15, eyeY), ew / 2, eh / 2);
      c.p.setBrush(Qt::white);
      c.p.drawEllipse(QPointF(ex + b.dir * ew * 0.15 + ew * 0.16, eyeY - eh * 0.18), ew * 0.17,
                      ew * 0.17);
    }
    // Eyebrows.
    const QColor brow = Darker(b.hair, old ? 10 : 25);
    QPainterPath arch(QPointF(ex - ew * 0.9, eyeY - eh * (mood == "wonder" ? 1.35 : 1.0)));
    arch.quadTo(ex, eyeY - eh * (mood == "wonder" ? 1.8 : 1.45), ex + ew * 0.9,
                eyeY - eh * (mood == "wonder" ? 1.3 : 1.0));
    c.Stroke(arch, brow, c.line * 1.15);
    if (old) {
      c.Segment({ex + s * ew * 1.0, eyeY + eh * 0.1}, {ex + s * ew * 1.5, eyeY - eh * 0.05},
                QColor(170, 110, 90), c.line * 0.6);
    }
  }
  // Nose.
  const double nx = cx + fo * 1.6;
  if (longFace) {
    // A long straight nose from between the eyes, with a firm line at its tip.
    const double side = b.dir == 0 ? 1 : b.dir;
    QPainterPath nose(QPointF(nx - side * hh * 0.02, top + hh * 0.52));
    nose.lineTo(nx + side * hh * 0.05, top + hh * 0.7);
    nose.quadTo(nx + side * hh * 0.02, top + hh * 0.735, nx - side * hh * 0.04, top + hh * 0.71);
    c.Stroke(nose, Darker(b.skin, 35), c.line * 0.9);
  } else if (b.dir == 0) {
    QPainterPath nose(QPointF(nx - hh * 0.04, top + hh * 0.67));
    nose.quadTo(nx, top + hh * 0.71, nx + hh * 0.04, top + hh * 0.67);
    c.Stroke(nose, Darker(b.skin, 35), c.line * 0.9);
  } else {
    QPainterPath nose(QPointF(nx, top + hh * 0.6));
    nose.quadTo(nx + b.dir * hh * 0.07, top + hh * 0.68, nx, top + hh * 0.7);
    c.Stroke(nose, Darker(b.skin, 35), c.line * 0.9);
  }
  // Mouth.
  const double my = top + hh * 0.8;
  const double mx = cx + fo * 1.2;
  if (mood == "laugh" || mood == "grin") {
    QPainterPath mouth(QPointF(mx - hw * 0.15, my - hh * 0.02));
    mouth.quadTo(mx, my + hh * (mood == "laugh" ? 0.16 : 0.1), mx + hw * 0.15, my - hh * 0.02);
    mouth.closeSubpath();
    c.Fill(mouth, QColor(150, 50, 50), 0);
  } else if (mood == "wonder" || mood == "asleep") {
    c.Oval(QRectF(mx - hh * 0.045, my - hh * 0.03, hh * 0.09, hh * 0.1), QColor(150, 50, 50), 0);
  } else {
    QPainterPath mouth(QPointF(mx - hw * 0.12, my));
    mouth.quadTo(mx, my + hh * (mood == "calm" || mood == "drowsy" ? 0.02 : 0.06), mx + hw * 0.12,
                 my);
    c.Stroke(mouth, QColor(140, 56, 50), c.line * 1.1);
  }
  if (old) {
    for (double s : {-1.0, 1.0}) {
      QPainterPath fold(QPointF(mx + s * hw * 0.2, my - hh * 0.08));
      fold.quadTo(mx + s * hw * 0.26, my, mx + s * hw * 0.2, my + hh * 0.05);
      c.Stroke(fold, QColor(200, 140, 120), c.line * 0.6);
    }
  }
}

void DrawHairFront(Canvas& c, const Body& b, const Params& p) {
  const std::string style = p.Text("hairstyle");
  const double hh = b.hh, hw = b.hw, cx = b.cx, top = b.top;
  const double part = b.dir * hw * 0.12;
  auto helmet = [&](double fringe, double sides, double lift) {
    // The hair follows the round of the skull and rises lift x hh above its top, so no
    // skin shows over it.
    const double crown = top - hh * lift * 0.5;
    QPainterPath path;
    path.moveTo(cx - hw * 0.55, top + hh * sides);
    path.cubicTo(cx - hw * 0.62, top + hh * 0.05, cx - hw * 0.34, crown, cx, crown);
    path.cubicTo(cx + hw * 0.34, crown, cx + hw * 0.62, top + hh * 0.05, cx + hw * 0.55,
                 top + hh * sides);
    path.quadTo(cx + hw * 0.45, top + hh * fringe * 1.05, cx + part + hw * 0.1, top + hh * fringe);
    path.quadTo(cx + part, top + hh * fringe * 0.7, cx + part - hw * 0.1, top + hh * fringe);
    path.quadTo(cx - hw * 0.45, top + hh * fringe * 1.05, cx - hw * 0.55, top + hh * sides);
    path.closeSubpath();
    c.Fill(path, b.hair, 0.12);
    // Combed strands from the parting back over the head.
    const QColor strand = Darker(b.hair, 22);
    for (int i = -2; i <= 2; ++i) {
      if (i == 0) continue;
      const double s = i < 0 ? -1 : 1;
      const double k = std::abs(i);
      QPainterPath comb(QPointF(cx + part + s * hw * 0.06 * k, top + hh * (fringe - 0.03)));
      comb.quadTo(cx + part + s * hw * (0.1 + 0.14 * k), top + hh * (0.02 + 0.02 * k),
                  cx + s * hw * (0.3 + 0.12 * k), top + hh * (0.08 + 0.06 * k));
      c.Stroke(comb, strand, c.line * 0.7);
    }
    // A soft shine.
    QPainterPath shine(QPointF(cx - hw * 0.32, top + hh * 0.12));
    shine.quadTo(cx - hw * 0.2, top + hh * 0.02, cx - hw * 0.02, top + hh * 0.02);
    QColor gloss = b.hair.lighter(135);
    gloss.setAlpha(150);
    c.Stroke(shine, gloss, c.line * 1.2);
  };
  if (style == "tied" || style == "long" || style == "bun") {
    helmet(0.3, style == "long" ? 0.7 : 0.55, 0.08);
  } else if (style == "short" || style == "cropped") {
    helmet(style == "cropped" ? 0.22 : 0.3, 0.45, style == "cropped" ? 0.02 : 0.07);
    if (style == "short") {
      for (int i = -1; i <= 1; ++i) {
        c.Poly({{cx + part + i * hw * 0.18 - hw * 0.1, top + hh * 0.2},
                {cx + part + i * hw * 0.18 + hw * 0.1, top + hh * 0.2},
                {cx + part + i * hw * 0.18 + hw * 0.02, top + hh * 0.36}},
               b.hair, 0.05);
      }
    }
  } else if (style == "curly") {
    helmet(0.28, 0.55, 0.1);
    // A ring of curls round the head that runs on down beside the cheeks, so that under
    // a cap or hat the curls still show as a cluster on each side, not as one round lump.
    for (int i = 0; i < 13; ++i) {
      const double angle = M_PI * (0.8 + i * 0.1167);
      const double low = std::max(0.0, std::sin(angle));  // the curls by the cheeks
      const double r = hh * (0.1 - 0.025 * low);
      const QPointF at(cx + std::cos(angle) * hw * (0.55 + 0.04 * low),
                       top + hh * 0.42 + std::sin(angle) * hh * 0.5);
      c.Oval(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), b.hair, 0.1);
    }
  } else if (style == "braids") {
    helmet(0.26, 0.55, 0.07);
    for (double s : {-1.0, 1.0}) {
      for (int i = 0; i < 4; ++i) {
        const double y = top + hh * (0.62 + i * 0.18);
        c.Oval(QRectF(cx + s * hw * 0.56 - hh * 0.09, y, hh * 0.18, hh * 0.22), b.hair, 0.1);
      }
      c.Oval(QRectF(cx + s * hw * 0.56 - hh * 0.06, top + hh * 1.36, hh * 0.12, hh * 0.08),
             p.Color("ribbon"), 0);
    }
  } else if (style == "piled") {
    helmet(0.22, 0.5, 0.1);
  } else if (style == "wig") {
    helmet(0.16, 0.5, 0.1);
    for (double s : {-1.0, 1.0}) {
      // Two round curls above each ear.
      for (int i = 0; i < 2; ++i) {
        const QPointF curl(cx + s * hw * 0.55, top + hh * (0.42 + i * 0.17));
        c.Oval(QRectF(curl.x() - hh * 0.1, curl.y() - hh * 0.09, hh * 0.2, hh * 0.18), b.hair,
               0.12);
        QPainterPath swirl;
        swirl.arcMoveTo(QRectF(curl.x() - hh * 0.05, curl.y() - hh * 0.045, hh * 0.1, hh * 0.09),
                        90);
        swirl.arcTo(QRectF(curl.x() - hh * 0.05, curl.y() - hh * 0.045, hh * 0.1, hh * 0.09), 90,
                    250);
        c.Stroke(swirl, b.hair.darker(125), c.line * 0.7);
      }
    }
  } else if (style == "longthin") {
    // A high forehead, the hair combed back and falling loose at the sides.
    for (double side : {-1.0, 1.0}) {
      QPainterPath lock;
      lock.moveTo(cx + side * hw * 0.3, top + hh * 0.06);
      lock.quadTo(cx + side * hw * 0.62, top + hh * 0.12, cx + side * hw * 0.6, top + hh * 0.6);
      lock.quadTo(cx + side * hw * 0.66, top + hh * 0.95, cx + side * hw * 0.55, top + hh * 1.12);
      lock.quadTo(cx + side * hw * 0.44, top + hh * 0.8, cx + side * hw * 0.47, top + hh * 0.45);
      lock.quadTo(cx + side * hw * 0.42, top + hh * 0.22, cx + side * hw * 0.3, top + hh * 0.06);
      c.Fill(lock, b.hair, 0.08);
    }
    QPainterPath wisp(QPointF(cx - hw * 0.3, top + hh * 0.08));
    wisp.quadTo(cx, top - hh * 0.03, cx + hw * 0.3, top + hh * 0.08);
    c.Stroke(wisp, b.hair, c.line * 1.6);
  } else if (style == "bald" || style == "thin") {
    // A fringe that hugs the head from the temple, round behind the ear, down to the
    // nape; the ear stands in front of it. Thin hair adds a few strands over the crown.
    const double fo = b.dir * hw * 0.1;
    for (double s : {-1.0, 1.0}) {
      if (b.dir != 0 && s == b.dir) continue;  // the far side is behind the head
      QPainterPath fringe;
      fringe.moveTo(cx + s * hw * 0.38, top + hh * 0.2);
      fringe.cubicTo(cx + s * hw * 0.54, top + hh * 0.26, cx + s * hw * 0.6, top + hh * 0.44,
                     cx + s * hw * 0.57, top + hh * 0.62);
      fringe.quadTo(cx + s * hw * 0.55, top + hh * 0.74, cx + s * hw * 0.45, top + hh * 0.8);
      fringe.quadTo(cx + s * hw * 0.5, top + hh * 0.6, cx + s * hw * 0.49, top + hh * 0.44);
      fringe.quadTo(cx + s * hw * 0.47, top + hh * 0.3, cx + s * hw * 0.38, top + hh * 0.2);
      fringe.closeSubpath();
      c.Fill(fringe, b.hair, 0.08);
      const QColor strand = Darker(b.hair, 18);
      for (int i = 0; i < 3; ++i) {
        const double y = top + hh * (0.3 + i * 0.14);
        c.Segment({cx + s * hw * 0.5, y}, {cx + s * hw * 0.56, y + hh * 0.08}, strand,
                  c.line * 0.5);
      }
      c.Oval(
          QRectF(cx + s * hw * 0.5 - hh * 0.08 + fo * 0.3, top + hh * 0.45, hh * 0.16, hh * 0.22),
          b.skin, 0.05);
    }
    if (style == "thin") {
      // A few fine strands combed across the crown; the scalp shows between them.
      for (int i = 0; i < 4; ++i) {
        const double y = top + hh * (0.05 + i * 0.045);
        QPainterPath comb(QPointF(cx - hw * (0.42 - i * 0.03), top + hh * (0.22 - i * 0.01)));
        comb.quadTo(cx - hw * 0.05, y - hh * 0.06, cx + hw * (0.36 - i * 0.05), y + hh * 0.02);
        c.Stroke(comb, b.hair, c.line * 0.75);
      }
    } else {
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(QColor(255, 255, 255, 90));
      c.p.drawEllipse(QPointF(cx - hw * 0.12, top + hh * 0.12), hw * 0.12, hh * 0.05);
    }
  }
}

void DrawHat(Canvas& c, const Body& b, const Params& p) {
  const std::string hat = p.Text("hat");
  const double hh = b.hh, hw = b.hw, cx = b.cx, top = b.top;
  const QColor color = p.Color("hatcolor");
  if (hat == "tricorn") {
    QPainterPath path;
    path.moveTo(cx - hw * 0.8, top + hh * 0.22);
    path.quadTo(cx - hw * 0.55, top - hh * 0.3, cx, top - hh * 0.2);
    path.quadTo(cx + hw * 0.55, top - hh * 0.3, cx + hw * 0.8, top + hh * 0.22);
    path.quadTo(cx, top + hh * 0.02, cx - hw * 0.8, top + hh * 0.22);
    c.Fill(path, color, 0.15);
  } else if (hat == "roundhat") {
    c.Oval(QRectF(cx - hw * 0.85, top + hh * 0.08, hw * 1.7, hh * 0.2), color, 0.1);
    QPainterPath crown;
    crown.moveTo(cx - hw * 0.48, top + hh * 0.18);
    crown.lineTo(cx - hw * 0.44, top - hh * 0.22);
    crown.quadTo(cx, top - hh * 0.3, cx + hw * 0.44, top - hh * 0.22);
    crown.lineTo(cx + hw * 0.48, top + hh * 0.18);
    crown.closeSubpath();
    c.Fill(crown, color, 0.15);
    c.Box(QRectF(cx - hw * 0.47, top + hh * 0.06, hw * 0.94, hh * 0.08), Darker(color, 40), 0, 0);
  } else if (hat == "knit") {
    QPainterPath cap;
    cap.moveTo(cx - hw * 0.58, top + hh * 0.32);
    cap.cubicTo(cx - hw * 0.6, top - hh * 0.25, cx + hw * 0.6, top - hh * 0.25, cx + hw * 0.58,
                top + hh * 0.32);
    cap.closeSubpath();
    c.Fill(cap, color, 0.15);
    c.Box(QRectF(cx - hw * 0.6, top + hh * 0.2, hw * 1.2, hh * 0.15), Darker(color, 12), hh * 0.05,
          0.05);
    c.Oval(QRectF(cx - hh * 0.09, top - hh * 0.2, hh * 0.18, hh * 0.18), Darker(color, 8), 0.1);
  } else if (hat == "cap" || hat == "lacecap") {
    const double lift = hat == "cap" ? 0.2 : 0.12;
    QPainterPath cap;
    cap.moveTo(cx - hw * 0.62, top + hh * 0.4);
    cap.cubicTo(cx - hw * 0.72, top - hh * lift * 1.6, cx + hw * 0.72, top - hh * lift * 1.6,
                cx + hw * 0.62, top + hh * 0.4);
    cap.quadTo(cx, top + hh * 0.12, cx - hw * 0.62, top + hh * 0.4);
    c.Fill(cap, QColor(252, 250, 244), 0.06);
    // A frilled edge around the face.
    for (int i = 0; i <= 8; ++i) {
      const double t = i / 8.0;
      const double x = cx - hw * 0.6 + t * hw * 1.2;
      const double y = top + hh * (0.36 - 0.22 * std::sin(t * M_PI));
      c.Oval(QRectF(x - hh * 0.055, y - hh * 0.05, hh * 0.11, hh * 0.1), QColor(252, 250, 244), 0);
    }
    if (hat == "lacecap") {
      c.Oval(QRectF(cx + hw * 0.3, top + hh * 0.02, hh * 0.16, hh * 0.12), p.Color("ribbon"), 0.05);
    }
  }
  if (p.Flag("wet")) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(120, 180, 230, 200));
    for (int i = 0; i < 5; ++i) {
      const double y = top + c.Random(hh * 0.3, hh * 1.4);
      const QPointF drop(cx + c.Random(-hw * 0.8, hw * 0.8), y);
      QPainterPath tear(drop + QPointF(0, -hh * 0.07));
      tear.quadTo(drop + QPointF(hh * 0.04, 0), drop + QPointF(0, hh * 0.02));
      tear.quadTo(drop + QPointF(-hh * 0.04, 0), drop + QPointF(0, -hh * 0.07));
      c.p.drawPath(tear);
    }
  }
}

void DrawSpectacles(Canvas& c, const Body& b, const Params& p) {
  const bool up = p.Flag("glassesup");
  if (!p.Flag("spectacles") && !up) return;
  const double hh = b.hh, hw = b.hw;
  const double fo = b.dir * hw * 0.1;
  const double y = up ? b.top + hh * 0.24 : b.top + hh * 0.55;
  const double r = hh * 0.095;
  const QColor frame(96, 80, 60);
  for (double s : {-1.0, 1.0}) {
    const QPointF at(b.cx + fo + s * hw * 0.2, y);
    c.p.setPen(QPen(frame, std::max(1.0, c.line * 0.7)));
    c.p.setBrush(QColor(255, 255, 255, 50));
    c.p.drawEllipse(at, r, r * 0.9);
  }
  c.Segment({b.cx + fo - hw * 0.2 + r, y}, {b.cx + fo + hw * 0.2 - r, y}, frame,
            std::max(1.0, c.line * 0.7));
}

void PaintFigure(Canvas& c, const QRectF& box, const Params& p) {
  Body b = Measure(box, p);
  c.line = std::clamp(b.hh * 0.045, 1.1, 4.0);
  const bool body = c.part != LayerPart::kHeld;
  const bool held = c.part != LayerPart::kBody;
  if (body) {
    DrawBackHair(c, b, p);
    DrawLegs(c, b, p);
    DrawSkirt(c, b, p);
    DrawTorso(c, b, p);
    DrawArms(c, b, p);
  }
  if (held) DrawHeld(c, b, p);
  if (body) {
    DrawHands(c, b);
    DrawFace(c, b, p);
    DrawHairFront(c, b, p);
    DrawSpectacles(c, b, p);
    DrawHat(c, b, p);
  }
}

// ---- animals ----

void PaintCat(Canvas& c, const QRectF& box, const Params& p) {
  const QColor fur = p.Color("fur");
  const QColor stripes = p.Color("stripes");
  const bool spiky = p.Flag("spiky");
  const double w = box.width();
  const double h = box.height();
  const double cx = box.center().x();
  const int dir = p.Text("facing") == "left" ? -1 : 1;
  c.line = std::clamp(h * 0.018, 1.0, 3.0);
  // Tail curling round the front paws.
  QPainterPath tail(QPointF(cx - dir * w * 0.25, box.bottom() - h * 0.08));
  tail.cubicTo(cx - dir * w * 0.6, box.bottom() - h * 0.05, cx - dir * w * 0.55,
               box.top() + h * 0.45, cx - dir * w * 0.38, box.top() + h * 0.38);
  c.Limb(tail, fur, w * 0.1);
  // Body: a pear.
  QPainterPath bodyPath;
  bodyPath.moveTo(cx, box.top() + h * 0.3);
  bodyPath.cubicTo(cx + w * 0.42, box.top() + h * 0.35, cx + w * 0.42, box.bottom(), cx,
                   box.bottom());
  bodyPath.cubicTo(cx - w * 0.42, box.bottom(), cx - w * 0.42, box.top() + h * 0.35, cx,
                   box.top() + h * 0.3);
  if (spiky) {
    // Fur standing on end: a zigzag edge all round.
    QPainterPath zig;
    const int teeth = 26;
    for (int i = 0; i <= teeth; ++i) {
      const double t = i / static_cast<double>(teeth);
      const QPointF at = bodyPath.pointAtPercent(t);
      const QPointF centre(cx, box.top() + h * 0.68);
      const QPointF out = at - centre;
      const double len = std::hypot(out.x(), out.y());
      const QPointF tip = at + out / len * (i % 2 == 0 ? h * 0.06 : 0);
      if (i == 0)
        zig.moveTo(tip);
      else
        zig.lineTo(tip);
    }
    zig.closeSubpath();
    c.Fill(zig, fur, 0.12);
  } else {
    c.Fill(bodyPath, fur, 0.12);
  }
  c.Oval(QRectF(cx - w * 0.12, box.top() + h * 0.45, w * 0.24, h * 0.35), QColor(250, 248, 242),
         0.05);
  // Stripes.
  for (int i = 0; i < 3; ++i) {
    const double y = box.top() + h * (0.5 + i * 0.12);
    for (double s : {-1.0, 1.0}) {
      c.Segment({cx + s * w * 0.3, y}, {cx + s * w * 0.18, y + h * 0.03}, stripes, w * 0.035);
    }
  }
  // Front paws.
  for (double s : {-1.0, 1.0}) {
    c.Oval(QRectF(cx + s * w * 0.12 - w * 0.08, box.bottom() - h * 0.07, w * 0.16, h * 0.07),
           p.Flag("socks") ? QColor(250, 248, 242) : fur, 0.05);
  }
  // Head with ears.
  const double hr = w * 0.26;
  const QPointF head(cx + dir * w * 0.04, box.top() + h * 0.25);
  for (double s : {-1.0, 1.0}) {
    c.Poly({{head.x() + s * hr * 0.9, head.y() - hr * 0.2},
            {head.x() + s * hr * 0.85, head.y() - hr * 1.25},
            {head.x() + s * hr * 0.2, head.y() - hr * 0.75}},
           fur, 0.1);
    c.Poly({{head.x() + s * hr * 0.75, head.y() - hr * 0.4},
            {head.x() + s * hr * 0.75, head.y() - hr * 0.95},
            {head.x() + s * hr * 0.38, head.y() - hr * 0.7}},
           QColor(240, 170, 170), 0);
  }
  c.Oval(QRectF(head.x() - hr, head.y() - hr * 0.85, hr * 2, hr * 1.75), fur, 0.1);
  for (double s : {-1.0, 1.0}) {
    c.Segment({head.x() + s * hr * 0.15, head.y() - hr * 0.8},
              {head.x() + s * hr * 0.2, head.y() - hr * 0.45}, stripes, w * 0.03);
  }
  const QColor eyes = p.Color("eyes");
  for (double s : {-1.0, 1.0}) {
    const QPointF e(head.x() + s * hr * 0.42 + dir * hr * 0.08, head.y() - hr * 0.05);
    c.Oval(QRectF(e.x() - hr * 0.2, e.y() - hr * 0.22, hr * 0.4, hr * 0.44), eyes, 0.05);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(30, 30, 30));
    c.p.drawEllipse(e, hr * 0.07, hr * 0.18);
  }
  c.Poly({{head.x() - hr * 0.1, head.y() + hr * 0.28},
          {head.x() + hr * 0.1, head.y() + hr * 0.28},
          {head.x(), head.y() + hr * 0.4}},
         QColor(230, 130, 140), 0);
  for (double s : {-1.0, 1.0}) {
    for (int i = -1; i <= 1; ++i) {
      c.Segment({head.x() + s * hr * 0.35, head.y() + hr * 0.45},
                {head.x() + s * hr * 1.35, head.y() + hr * (0.35 + i * 0.18)}, QColor(80, 70, 70),
                c.line * 0.6);
    }
  }
}

void PaintGulls(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  // Each gull gets its share of the box's width, and no more than half its height.
  const double size = std::min(box.height() * 0.5, box.width() / count * 0.4);
  c.line = 1.6;
  for (int i = 0; i < count; ++i) {
    const double y = box.top() + c.Random(size * 0.5, box.height() - size * 0.3);
    const QPointF at(
        box.left() + (i + 0.5) * box.width() / count + c.Random(-size * 0.3, size * 0.3), y);
    const double s = size * c.Random(0.7, 1.0);
    QPainterPath wings(at + QPointF(-s, -s * 0.1));
    wings.quadTo(at + QPointF(-s * 0.5, -s * 0.55), at);
    wings.quadTo(at + QPointF(s * 0.5, -s * 0.55), at + QPointF(s, -s * 0.1));
    wings.quadTo(at + QPointF(s * 0.5, -s * 0.3), at + QPointF(0, s * 0.12));
    wings.quadTo(at + QPointF(-s * 0.5, -s * 0.3), at + QPointF(-s, -s * 0.1));
    c.Fill(wings, QColor(252, 252, 250), 0.1);
    c.Segment(at + QPointF(-s * 0.95, -s * 0.12), at + QPointF(-s * 0.75, -s * 0.25),
              QColor(90, 90, 100), c.line * 1.5);
    c.Segment(at + QPointF(s * 0.95, -s * 0.12), at + QPointF(s * 0.75, -s * 0.25),
              QColor(90, 90, 100), c.line * 1.5);
  }
}

void PaintDucks(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  c.line = 1.5;
  // The mother and her ducklings in a row, shrunk if need be to fit the box's width.
  const double unit = std::min(box.height(), box.width() / (1.3 + (count - 1) * 0.85));
  for (int i = 0; i < count; ++i) {
    const double scale = i == 0 ? 1.0 : 0.58;
    const double h = unit * scale;
    const double w = h * 1.3;
    const double x = box.left() + (i == 0 ? 0 : unit * 1.3 + (i - 1) * unit * 0.85);
    const double bottom = box.bottom();
    const QColor body = i == 0 ? QColor(160, 120, 80) : QColor(240, 210, 90);
    QPainterPath duck;
    duck.moveTo(x, bottom - h * 0.45);
    duck.quadTo(x + w * 0.1, bottom, x + w * 0.6, bottom);
    duck.quadTo(x + w * 0.95, bottom, x + w * 0.9, bottom - h * 0.5);
    duck.lineTo(x + w * 0.55, bottom - h * 0.45);
    duck.closeSubpath();
    c.Fill(duck, body, 0.15);
    const QPointF head(x + w * 0.78, bottom - h * 0.7);
    c.Oval(QRectF(head.x() - h * 0.2, head.y() - h * 0.2, h * 0.4, h * 0.4),
           i == 0 ? QColor(60, 130, 80) : body, 0.1);
    c.Poly({{head.x() + h * 0.15, head.y() - h * 0.02},
            {head.x() + h * 0.38, head.y() + h * 0.05},
            {head.x() + h * 0.15, head.y() + h * 0.1}},
           QColor(240, 160, 40), 0);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(30, 30, 30));
    c.p.drawEllipse(head + QPointF(h * 0.06, -h * 0.05), h * 0.04, h * 0.04);
  }
}

void PaintCow(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor hide = p.Color("hide");
  c.line = 1.8;
  for (double x : {0.2, 0.3, 0.7, 0.8}) {
    c.Box(QRectF(box.left() + w * x - w * 0.04, box.top() + h * 0.55, w * 0.08, h * 0.45), hide,
          w * 0.02);
  }
  QPainterPath body;
  body.addRoundedRect(QRectF(box.left() + w * 0.1, box.top() + h * 0.2, w * 0.78, h * 0.48),
                      h * 0.2, h * 0.2);
  c.Fill(body, hide, 0.1);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(70, 50, 40));
  c.p.drawEllipse(QPointF(box.left() + w * 0.35, box.top() + h * 0.38), w * 0.1, h * 0.1);
  c.p.drawEllipse(QPointF(box.left() + w * 0.62, box.top() + h * 0.48), w * 0.08, h * 0.08);
  const QPointF head(box.left() + w * 0.9, box.top() + h * 0.3);
  c.Oval(QRectF(head.x() - w * 0.1, head.y() - h * 0.15, w * 0.2, h * 0.32), hide, 0.1);
  c.Oval(QRectF(head.x() - w * 0.08, head.y() + h * 0.05, w * 0.16, h * 0.14),
         QColor(236, 170, 160), 0.05);
  c.Segment(head + QPointF(-w * 0.07, -h * 0.14), head + QPointF(-w * 0.12, -h * 0.24),
            QColor(240, 232, 210), c.line * 2);
  c.Segment(head + QPointF(w * 0.07, -h * 0.14), head + QPointF(w * 0.12, -h * 0.24),
            QColor(240, 232, 210), c.line * 2);
  c.p.setBrush(QColor(30, 30, 30));
  c.p.drawEllipse(head + QPointF(-w * 0.035, -h * 0.04), w * 0.015, w * 0.015);
  c.p.drawEllipse(head + QPointF(w * 0.035, -h * 0.04), w * 0.015, w * 0.015);
  QPainterPath tail(QPointF(box.left() + w * 0.1, box.top() + h * 0.3));
  tail.quadTo(box.left(), box.top() + h * 0.45, box.left() + w * 0.03, box.top() + h * 0.65);
  c.Stroke(tail, hide.darker(130), c.line * 1.5);
}

// A crowd of whole people standing in rows, the back rows smaller and higher up, so the
// front rank hides the legs of those behind it; everyone stands on the ground of a row.
void PaintCrowd(Canvas& c, const QRectF& box, const Params& p) {
  const int rows = std::max(1, p.Int("rows"));
  const QColor coats[] = {QColor(150, 60, 50),  QColor(60, 90, 150),  QColor(90, 120, 70),
                          QColor(130, 100, 60), QColor(200, 170, 90), QColor(110, 80, 130),
                          QColor(70, 70, 80),   QColor(190, 120, 80)};
  const QColor dresses[] = {QColor(200, 110, 120), QColor(120, 150, 200), QColor(230, 200, 120),
                            QColor(150, 120, 170), QColor(110, 160, 130)};
  const QColor legs[] = {QColor(238, 234, 224), QColor(90, 70, 50), QColor(120, 110, 100),
                         QColor(200, 190, 160)};
  const QColor skins[] = {QColor(242, 201, 160), QColor(224, 172, 130), QColor(180, 120, 84),
                          QColor(246, 214, 184)};
  const QColor hairs[] = {QColor(80, 50, 30), QColor(40, 30, 25), QColor(180, 140, 70),
                          QColor(220, 220, 215), QColor(130, 70, 40)};
  for (int r = 0; r < rows; ++r) {
    const double t = rows == 1 ? 1.0 : static_cast<double>(r) / (rows - 1);
    const double ground = box.top() + box.height() * (0.45 + 0.55 * t);
    const double tall = box.height() * (0.45 + 0.37 * t);
    const double headR = tall * 0.085;
    const double shoulderW = tall * 0.15;
    c.line = std::clamp(tall * 0.012, 1.0, 2.0);
    const int people =
        std::max(1, static_cast<int>((box.width() - shoulderW * 2) / (shoulderW * 1.9)));
    const double step = people > 1 ? (box.width() - shoulderW * 2.2) / (people - 1) : 0;
    // Every other rank stands half a place along, so heads show in the gaps.
    const double shift = (r % 2) * step * 0.5;
    for (int i = 0; i < people; ++i) {
      if (r % 2 && i == people - 1) continue;
      const double x =
          box.left() + shoulderW * 1.1 + shift + i * step + c.Random(-step * 0.1, step * 0.1);
      const double top = ground - tall * c.Random(0.93, 1.0);
      const double neck = top + headR * 2.05;
      const double hip = top + (ground - top) * 0.55;
      const bool woman = c.RandomInt(0, 2) == 0;
      const QColor coat = woman ? dresses[c.RandomInt(0, 4)] : coats[c.RandomInt(0, 7)];
      const QColor skin = skins[c.RandomInt(0, 3)];
      const QColor hose = legs[c.RandomInt(0, 3)];
      const double foot = headR * 0.5;
      // Legs and shoes, or a long skirt.
      if (woman) {
        c.Poly({{x - shoulderW * 0.75, hip - headR},
                {x + shoulderW * 0.75, hip - headR},
                {x + shoulderW * 1.1, ground - foot * 0.6},
                {x - shoulderW * 1.1, ground - foot * 0.6}},
               coat.darker(108), 0.1);
      } else {
        for (double s : {-1.0, 1.0}) {
          QPainterPath leg(QPointF(x + s * shoulderW * 0.4, hip));
          leg.lineTo(x + s * shoulderW * 0.42, ground - foot);
          c.Limb(leg, hose, shoulderW * 0.42);
        }
      }
      for (double s : {-1.0, 1.0}) {
        c.Oval(QRectF(x + s * shoulderW * 0.45 - foot, ground - foot * 1.2, foot * 2, foot * 1.2),
               QColor(50, 40, 36), 0);
      }
      // The body: a coat or a bodice, the arms at its sides, one waving now and then.
      QPainterPath body;
      body.moveTo(x - shoulderW * 0.85, neck + headR * 0.4);
      body.quadTo(x - shoulderW, neck, x - shoulderW * 0.3, neck);
      body.lineTo(x + shoulderW * 0.3, neck);
      body.quadTo(x + shoulderW, neck, x + shoulderW * 0.85, neck + headR * 0.4);
      body.lineTo(x + shoulderW * 0.9, woman ? hip - headR : hip + headR * 1.2);
      body.lineTo(x - shoulderW * 0.9, woman ? hip - headR : hip + headR * 1.2);
      body.closeSubpath();
      c.Fill(body, coat, 0.12);
      c.Poly({{x - shoulderW * 0.25, neck}, {x + shoulderW * 0.25, neck}, {x, neck + headR * 0.9}},
             QColor(248, 244, 234), 0);
      if (c.RandomInt(0, 3) == 0) {
        const double handY = std::max(box.top() + headR * 0.5, top - headR * 0.2);
        QPainterPath arm(QPointF(x + shoulderW * 0.7, neck + headR * 0.5));
        arm.lineTo(x + shoulderW * 1.3, handY);
        c.Limb(arm, coat, shoulderW * 0.32);
        c.Oval(QRectF(x + shoulderW * 1.3 - headR * 0.35, handY - headR * 0.35, headR * 0.7,
                      headR * 0.7),
               skin, 0);
      }
      // The head, with a hat, a cap or hair.
      const double y = top + headR;
      c.Oval(QRectF(x - headR, y - headR, headR * 2, headR * 2.1), skin, 0.05);
      const int style = c.RandomInt(0, 4);
      if (style == 0 && !woman) {
        QPainterPath hat;
        hat.moveTo(x - headR * 1.5, y - headR * 0.3);
        hat.quadTo(x, y - headR * 2.2, x + headR * 1.5, y - headR * 0.3);
        hat.quadTo(x, y - headR * 0.8, x - headR * 1.5, y - headR * 0.3);
        c.Fill(hat, QColor(50, 42, 44), 0.1);
      } else if (style == 1 || (style == 0 && woman)) {
        c.Oval(QRectF(x - headR * 1.1, y - headR * 1.3, headR * 2.2, headR * 1.2),
               QColor(250, 248, 240), 0.05);
      } else {
        QPainterPath hairPath;
        hairPath.moveTo(x - headR, y);
        hairPath.cubicTo(x - headR * 1.1, y - headR * 1.4, x + headR * 1.1, y - headR * 1.4,
                         x + headR, y);
        hairPath.quadTo(x, y - headR * 0.6, x - headR, y);
        c.Fill(hairPath, hairs[c.RandomInt(0, 4)], 0.1);
      }
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(QColor(40, 30, 30));
      c.p.drawEllipse(QPointF(x - headR * 0.35, y + headR * 0.1), headR * 0.1, headR * 0.13);
      c.p.drawEllipse(QPointF(x + headR * 0.35, y + headR * 0.1), headR * 0.1, headR * 0.13);
      QPainterPath smile(QPointF(x - headR * 0.3, y + headR * 0.5));
      smile.quadTo(x, y + headR * 0.75, x + headR * 0.3, y + headR * 0.5);
      c.Stroke(smile, QColor(140, 56, 50), 1.2);
    }
  }
}

}  // namespace

std::vector<PainterInfo> FigurePainters() {
  return {
      {"figure", kFigureSettings, PaintFigure,
       "a person standing or sitting; the height of the box is the person's height"},
      {"cat",
       "fur:color=#8a8a90 stripes:color=#55555c eyes:color=#a8d060 facing:left|right=right "
       "socks:flag spiky:flag",
       PaintCat, "a sitting cat"},
      {"gulls", "count:int=3", PaintGulls, "sea gulls flying"},
      {"ducks", "count:int=3", PaintDucks, "a duck and her ducklings swimming"},
      {"cow", "hide:color=#f4efe4", PaintCow, "a cow seen from the side"},
      {"crowd", "rows:int=2", PaintCrowd,
       "a cheering crowd standing in rows, the back rows higher up"},
  };
}

}  // namespace quenna::datakit
