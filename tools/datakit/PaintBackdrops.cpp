// Backdrops: the sky and ground of outdoor pages, the walls and floors of rooms, and
// the overlays (rain, lightning, the soft darkening at the picture's edges).
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Painters.h"

namespace quenna::datakit {
namespace {

void Cloud(Canvas& c, QPointF at, double size, const QColor& color) {
  QPainterPath puff;
  puff.setFillRule(Qt::WindingFill);
  puff.addEllipse(QRectF(at.x() - size, at.y() - size * 0.35, size * 2, size * 0.7));
  puff.addEllipse(QRectF(at.x() - size * 0.6, at.y() - size * 0.75, size * 0.9, size * 0.9));
  puff.addEllipse(QRectF(at.x() - size * 0.05, at.y() - size * 0.6, size * 0.8, size * 0.75));
  c.FillNoOutline(puff.simplified(), color, 0.05);
}

void PaintOutdoors(Canvas& c, const QRectF& box, const Params& p) {
  c.p.setClipRect(box);
  const double horizon = box.top() + p.Number("horizon") * c.cell;
  QLinearGradient sky(box.topLeft(), QPointF(box.left(), horizon));
  sky.setColorAt(0, p.Color("sky"));
  sky.setColorAt(1, p.Color("haze"));
  c.p.fillRect(QRectF(box.left(), box.top(), box.width(), horizon - box.top()), sky);
  if (p.Flag("sun")) {
    const QPointF sun(box.left() + box.width() * 0.82, box.top() + box.height() * 0.12);
    QRadialGradient glow(sun, box.width() * 0.16);
    glow.setColorAt(0, QColor(255, 250, 210, 230));
    glow.setColorAt(0.35, QColor(255, 236, 150, 160));
    glow.setColorAt(1, QColor(255, 236, 150, 0));
    c.p.fillRect(box, glow);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(255, 244, 190));
    c.p.drawEllipse(sun, box.width() * 0.045, box.width() * 0.045);
  }
  const int clouds = p.Int("clouds");
  const QColor cloud = p.Color("cloud");
  for (int i = 0; i < clouds; ++i) {
    const double y = box.top() + c.Random(0.08, 0.45) * (horizon - box.top());
    const double x =
        box.left() + box.width() * (0.12 + 0.78 * (i + 0.5) / clouds) + c.Random(-30, 30);
    const QPointF at(x, y);
    Cloud(c, at, c.Random(40, 70), cloud);
  }
  const QColor hills = p.Color("hills");
  if (hills.alpha() > 0) {
    QPainterPath ridge(QPointF(box.left(), horizon));
    const int bumps = 4;
    for (int i = 0; i <= bumps; ++i) {
      const double x = box.left() + box.width() * i / bumps;
      const double h = c.Random(20, 55);
      ridge.quadTo(x - box.width() / bumps / 2, horizon - h * 1.6, x, horizon - c.Random(5, 18));
    }
    ridge.lineTo(box.right(), horizon + 2);
    ridge.lineTo(box.left(), horizon + 2);
    ridge.closeSubpath();
    c.FillNoOutline(ridge, hills, 0.06);
  }
  QLinearGradient ground(QPointF(box.left(), horizon), box.bottomLeft());
  ground.setColorAt(0, p.Color("far"));
  ground.setColorAt(1, p.Color("ground"));
  c.p.fillRect(QRectF(box.left(), horizon, box.width(), box.bottom() - horizon), ground);
  if (p.Flag("tufts")) {
    const QColor blade = p.Color("ground").darker(125);
    for (int i = 0; i < 70; ++i) {
      const double y = horizon + c.Random(0.1, 1.0) * (box.bottom() - horizon);
      const double x = box.left() + c.Random(0, box.width());
      const double s = 3 + 6 * (y - horizon) / (box.bottom() - horizon + 1);
      for (int k = -1; k <= 1; ++k) c.Segment({x, y}, {x + k * s * 0.5, y - s}, blade, 1.3);
    }
  }
}

void PaintRoom(Canvas& c, const QRectF& box, const Params& p) {
  c.p.setClipRect(box);
  const double floorLine = box.top() + p.Number("line") * c.cell;
  const QColor wall = p.Color("wall");
  QLinearGradient wallShade(box.topLeft(), QPointF(box.left(), floorLine));
  wallShade.setColorAt(0, wall.darker(112));
  wallShade.setColorAt(0.5, wall);
  wallShade.setColorAt(1, wall.darker(104));
  c.p.fillRect(QRectF(box.left(), box.top(), box.width(), floorLine - box.top()), wallShade);
  const std::string paper = p.Text("paper");
  if (paper == "stripes") {
    for (double x = box.left(); x < box.right(); x += 30) {
      c.p.fillRect(QRectF(x + 10, box.top(), 10, floorLine - box.top()), QColor(255, 255, 255, 38));
    }
  } else if (paper == "dots") {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(255, 255, 255, 60));
    for (double y = box.top() + 20; y < floorLine - 60; y += 40) {
      for (double x = box.left() + (static_cast<int>(y) / 40 % 2) * 20 + 10; x < box.right();
           x += 40) {
        c.p.drawEllipse(QPointF(x, y), 4, 4);
      }
    }
  } else if (paper == "bricks") {
    const QColor mortar = wall.darker(125);
    for (double y = box.top(); y < floorLine; y += 18) {
      c.Segment({box.left(), y}, {box.right(), y}, mortar, 1.2);
      const double offset = (static_cast<int>((y - box.top()) / 18) % 2) * 22;
      for (double x = box.left() + offset; x < box.right(); x += 44)
        c.Segment({x, y}, {x, y + 18}, mortar, 1.2);
    }
  } else if (paper == "planks") {
    for (double x = box.left(); x < box.right(); x += 36) {
      c.Segment({x, box.top()}, {x, floorLine}, wall.darker(122), 1.5);
    }
  }
  const QColor panel = p.Color("panel");
  if (panel.alpha() > 0) {
    const double top = floorLine - 2.4 * c.cell;
    QLinearGradient panelShade(QPointF(0, top), QPointF(0, floorLine));
    panelShade.setColorAt(0, panel.lighter(108));
    panelShade.setColorAt(1, panel.darker(110));
    c.p.fillRect(QRectF(box.left(), top, box.width(), floorLine - top), panelShade);
    c.Box(QRectF(box.left() - 4, top - 7, box.width() + 8, 9), panel.darker(115), 0, 0.1);
    for (double x = box.left() + 15; x < box.right() - 40; x += 75) {
      QPainterPath inset;
      inset.addRoundedRect(QRectF(x, top + 12, 60, floorLine - top - 24), 4, 4);
      c.p.strokePath(inset, QPen(panel.darker(125), 1.6));
    }
  }
  // Floor boards, running away from us.
  const QColor floor = p.Color("floor");
  QLinearGradient floorShade(QPointF(0, floorLine), box.bottomLeft());
  floorShade.setColorAt(0, floor.darker(118));
  floorShade.setColorAt(1, floor.lighter(106));
  c.p.fillRect(QRectF(box.left(), floorLine, box.width(), box.bottom() - floorLine), floorShade);
  const QPointF vanish(box.center().x(), floorLine - box.height() * 0.9);
  for (int i = -14; i <= 14; ++i) {
    const double x = box.center().x() + i * 44;
    const QPointF bottom(x, box.bottom());
    const double t = (floorLine - vanish.y()) / (bottom.y() - vanish.y());
    const QPointF start = vanish + (bottom - vanish) * t;
    c.Segment(start, bottom, floor.darker(130), 1.3);
  }
  for (double y = floorLine + 26; y < box.bottom(); y += 34 + (y - floorLine) * 0.2) {
    c.Segment({box.left(), y}, {box.right(), y}, QColor(0, 0, 0, 22), 1.0);
  }
  c.Box(QRectF(box.left() - 4, floorLine - 6, box.width() + 8, 8), floor.darker(150), 0, 0.05);
  if (p.Flag("beams")) {
    const QColor beam = p.Color("beam");
    c.Box(QRectF(box.left() - 4, box.top() - 4, box.width() + 8, 26), beam, 0, 0.12);
    for (double x = box.left() + 40; x < box.right(); x += 180) {
      c.Box(QRectF(x, box.top() - 4, 24, floorLine - box.top() - 2), beam, 0, 0.08);
    }
  }
}

// A formal hall: tall panelled walls, white pilasters, a patterned floor.
void PaintHall(Canvas& c, const QRectF& box, const Params& p) {
  c.p.setClipRect(box);
  const double floorLine = box.top() + p.Number("line") * c.cell;
  const QColor wall = p.Color("wall");
  const QColor trim = p.Color("trim");
  QLinearGradient shade(box.topLeft(), QPointF(box.left(), floorLine));
  shade.setColorAt(0, wall.darker(115));
  shade.setColorAt(1, wall.lighter(104));
  c.p.fillRect(QRectF(box.left(), box.top(), box.width(), floorLine - box.top()), shade);
  c.Box(QRectF(box.left() - 4, box.top() + 10, box.width() + 8, 22), trim, 0, 0.12);
  const int columns = p.Int("columns");
  for (int i = 0; i < columns; ++i) {
    const double x = box.left() + box.width() * (i + 0.5) / columns - 18;
    c.Box(QRectF(x, box.top() + 32, 36, floorLine - box.top() - 32), trim, 0, 0.1);
    c.Box(QRectF(x - 6, box.top() + 32, 48, 14), trim.darker(104), 2, 0.1);
    c.Box(QRectF(x - 6, floorLine - 22, 48, 16), trim.darker(104), 2, 0.1);
    for (double fx = x + 9; fx < x + 30; fx += 9) {
      c.Segment({fx, box.top() + 52}, {fx, floorLine - 28}, trim.darker(118), 1.2);
    }
  }
  c.Box(QRectF(box.left() - 4, floorLine - 60, box.width() + 8, 54), trim.darker(106), 0, 0.08);
  const QColor floor = p.Color("floor");
  c.p.fillRect(QRectF(box.left(), floorLine, box.width(), box.bottom() - floorLine), floor);
  if (p.Flag("checks")) {
    // Square tiles in perspective: their sides run to one vanishing point above the middle
    // of the floor and their rows deepen steadily towards us, so every edge is straight.
    const QColor dark = floor.darker(135);
    const double cx = box.center().x();
    const double vanish = floorLine - 220;
    const double tile = 24;  // a tile's width at the back of the floor
    auto xAt = [&](double u, double y) {
      return cx + u * tile * (y - vanish) / (floorLine - vanish);
    };
    const int across = static_cast<int>(box.width() / tile) + 2;
    double y0 = floorLine;
    for (int row = 0; y0 < box.bottom(); ++row) {
      const double y1 = vanish + (y0 - vanish) * 1.075;
      for (int u = -across; u < across; ++u) {
        if ((u + row) % 2 == 0) continue;
        QPainterPath square;
        square.moveTo(xAt(u, y0), y0);
        square.lineTo(xAt(u + 1, y0), y0);
        square.lineTo(xAt(u + 1, y1), y1);
        square.lineTo(xAt(u, y1), y1);
        square.closeSubpath();
        c.p.fillPath(square, dark);
      }
      y0 = y1;
    }
  }
  c.Box(QRectF(box.left() - 4, floorLine - 6, box.width() + 8, 8), floor.darker(150), 0, 0.05);
}

// A plain glowing ground for portraits and charts.
void PaintPlain(Canvas& c, const QRectF& box, const Params& p) {
  QRadialGradient glow(QPointF(box.center().x(), box.top() + box.height() * 0.4),
                       box.width() * 0.75);
  glow.setColorAt(0, p.Color("glow"));
  glow.setColorAt(1, p.Color("color"));
  c.p.fillRect(box, glow);
}

void PaintRain(Canvas& c, const QRectF& box, const Params& p) {
  const int amount = p.Int("amount");
  QColor color = p.Color("color");
  color.setAlpha(150);
  for (int i = 0; i < amount; ++i) {
    const double y = box.top() + c.Random(0, box.height());
    const double x = box.left() + c.Random(0, box.width());
    const QPointF at(x, y);
    const double len = c.Random(10, 22);
    c.Segment(at, at + QPointF(-len * 0.3, len), color, 1.4);
  }
}

void PaintLightning(Canvas& c, const QRectF& box, const Params&) {
  QPainterPath bolt(QPointF(box.left() + box.width() * 0.55, box.top()));
  bolt.lineTo(box.left() + box.width() * 0.3, box.top() + box.height() * 0.45);
  bolt.lineTo(box.left() + box.width() * 0.55, box.top() + box.height() * 0.45);
  bolt.lineTo(box.left() + box.width() * 0.25, box.bottom());
  bolt.lineTo(box.left() + box.width() * 0.75, box.top() + box.height() * 0.38);
  bolt.lineTo(box.left() + box.width() * 0.5, box.top() + box.height() * 0.38);
  bolt.lineTo(box.left() + box.width() * 0.8, box.top());
  bolt.closeSubpath();
  QRadialGradient glow(box.center(), box.height() * 0.7);
  glow.setColorAt(0, QColor(255, 255, 220, 110));
  glow.setColorAt(1, QColor(255, 255, 220, 0));
  c.p.fillRect(box.adjusted(-box.width(), -box.height() * 0.3, box.width(), box.height() * 0.3),
               glow);
  c.FillNoOutline(bolt, QColor(255, 252, 200));
  c.p.strokePath(bolt, QPen(QColor(255, 230, 120), 2));
}

void PaintVignette(Canvas& c, const QRectF& box, const Params& p) {
  const double strength = p.Number("strength");
  QRadialGradient shade(box.center(), box.width() * 0.78);
  shade.setColorAt(0.55, QColor(30, 20, 10, 0));
  shade.setColorAt(1, QColor(30, 20, 10, static_cast<int>(255 * strength)));
  c.p.fillRect(box, shade);
}

void PaintSunbeam(Canvas& c, const QRectF& box, const Params& p) {
  QColor light = p.Color("color");
  QPainterPath beam;
  beam.moveTo(box.left() + box.width() * 0.25, box.top());
  beam.lineTo(box.left() + box.width() * 0.75, box.top());
  beam.lineTo(box.right(), box.bottom());
  beam.lineTo(box.left(), box.bottom());
  beam.closeSubpath();
  QLinearGradient fade(box.topLeft(), box.bottomLeft());
  light.setAlpha(90);
  fade.setColorAt(0, light);
  light.setAlpha(0);
  fade.setColorAt(1, light);
  c.p.fillPath(beam, fade);
}

void PaintGlow(Canvas& c, const QRectF& box, const Params& p) {
  QColor light = p.Color("color");
  QRadialGradient glow(box.center(), std::max(box.width(), box.height()) / 2);
  light.setAlpha(p.Int("alpha"));
  glow.setColorAt(0, light);
  light.setAlpha(0);
  glow.setColorAt(1, light);
  c.p.fillRect(box, glow);
}

}  // namespace

std::vector<PainterInfo> BackdropPainters() {
  return {
      {"outdoors",
       "sky:color=#7fbfe8 haze:color=#dff0f6 horizon:num=11 ground:color=#79ad55 far:color=#a6c978 "
       "hills:color=none clouds:int=3 cloud:color=#ffffff sun:flag tufts:flag",
       PaintOutdoors, "sky with clouds above a horizon row, ground below"},
      {"room",
       "wall:color=#e9d6b0 panel:color=#b98a5a floor:color=#a0703f line:num=14 beams:flag "
       "beam:color=#6e4a2c paper:plain|stripes|dots|bricks|planks=plain",
       PaintRoom, "the back wall of a room with its wainscot, and a board floor from row `line`"},
      {"hall",
       "wall:color=#d8cdb4 trim:color=#f3eee0 floor:color=#8a5a3a line:num=15 columns:int=3 "
       "checks:flag",
       PaintHall, "a tall formal hall with pilasters"},
      {"plain", "color:color=#bcd3e0 glow:color=#f2f6f8", PaintPlain, "a soft glowing ground"},
      {"rain", "color:color=#e4edf8 amount:int=160", PaintRain, "falling rain (use as an overlay)"},
      {"lightning", "", PaintLightning, "a bolt of lightning"},
      {"vignette", "strength:num=0.32", PaintVignette,
       "darkens the picture's edges (use as an overlay)"},
      {"sunbeam", "color:color=#fff4d0", PaintSunbeam,
       "a slanting beam of light (use as an overlay)"},
      {"glow", "color:color=#ffe9a8 alpha:int=150", PaintGlow,
       "a round glow of light (use as an overlay)"},
  };
}

}  // namespace quenna::datakit
