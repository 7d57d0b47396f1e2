// Furniture and the fixed parts of rooms: tables, chairs, shelves, windows, doors,
// fireplaces. Each fills its box, seen from the front and a little from above.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Painters.h"

namespace quenna::datakit {
namespace {

QColor Dark(const QColor& color, int percent) {
  return color.darker(100 + percent);
}

// Turned legs under a top: the shared frame of tables, desks and stools.
void Legs(Canvas& c, const QRectF& box, double top, const QColor& wood, int count, double width) {
  for (int i = 0; i < count; ++i) {
    const double x = count == 1
                         ? box.center().x() - width / 2
                         : box.left() + width * 0.4 + i * (box.width() - width * 1.8) / (count - 1);
    c.Box(QRectF(x, top, width, box.bottom() - top), Dark(wood, 10), width * 0.3, 0.1);
  }
}

void PaintTable(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const QColor cloth = p.Color("cloth");
  const double topH = box.height() * 0.2;
  Legs(c, box, box.top() + topH * 0.8, wood, 2, box.width() * 0.07);
  // The top, seen a little from above.
  c.Poly({{box.left() + box.width() * 0.05, box.top()},
          {box.right() - box.width() * 0.05, box.top()},
          {box.right(), box.top() + topH * 0.6},
          {box.left(), box.top() + topH * 0.6}},
         wood.lighter(112), 0.08);
  c.Box(QRectF(box.left(), box.top() + topH * 0.6, box.width(), topH * 0.45), Dark(wood, 8), 0,
        0.1);
  if (cloth.alpha() > 0) {
    QPainterPath drape;
    drape.moveTo(box.left() + box.width() * 0.04, box.top() + topH * 0.05);
    drape.lineTo(box.right() - box.width() * 0.04, box.top() + topH * 0.05);
    drape.lineTo(box.right() + box.width() * 0.02, box.top() + topH * 0.7);
    drape.lineTo(box.right() + box.width() * 0.02, box.top() + box.height() * 0.55);
    for (int i = 6; i >= 0; --i) {
      const double x = box.left() - box.width() * 0.02 + i * (box.width() * 1.04) / 6;
      drape.quadTo(x + box.width() * 0.08, box.top() + box.height() * 0.6, x,
                   box.top() + box.height() * 0.55);
    }
    drape.lineTo(box.left() - box.width() * 0.02, box.top() + topH * 0.7);
    drape.closeSubpath();
    c.Fill(drape, cloth, 0.14);
  }
}

void PaintDesk(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double topY = box.top() + box.height() * 0.28;
  Legs(c, box, topY + box.height() * 0.35, wood, 2, box.width() * 0.08);
  // A slanted writing top over a row of drawers.
  c.Poly({{box.left() + box.width() * 0.04, box.top()},
          {box.right() - box.width() * 0.04, box.top()},
          {box.right(), topY},
          {box.left(), topY}},
         wood.lighter(108), 0.1);
  c.Box(QRectF(box.left(), topY, box.width(), box.height() * 0.36), Dark(wood, 6), 0, 0.12);
  for (int i = 0; i < 2; ++i) {
    const QRectF drawer(box.left() + box.width() * (0.06 + i * 0.48), topY + box.height() * 0.06,
                        box.width() * 0.4, box.height() * 0.24);
    c.Box(drawer, wood, 3, 0.1);
    c.Oval(QRectF(drawer.center().x() - 4, drawer.center().y() - 4, 8, 8), palette::kBrass, 0);
  }
}

void PaintChair(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const QColor seat = p.Color("seat");
  const std::string facing = p.Text("facing");
  const double w = box.width();
  const double h = box.height();
  const double seatY = box.top() + h * 0.5;
  if (facing == "front") {
    c.Box(QRectF(box.left() + w * 0.1, box.top(), w * 0.8, h * 0.52), wood, w * 0.12, 0.1);
    c.Box(QRectF(box.left() + w * 0.2, box.top() + h * 0.08, w * 0.6, h * 0.34), seat, w * 0.08,
          0.12);
    Legs(c, QRectF(box.left() + w * 0.05, seatY, w * 0.9, h * 0.5), seatY + h * 0.05, wood, 2,
         w * 0.1);
    c.Box(QRectF(box.left(), seatY, w, h * 0.12), seat, w * 0.05, 0.1);
  } else {
    const double s = facing == "right" ? 1 : -1;
    const double back = s > 0 ? box.left() + w * 0.1 : box.right() - w * 0.22;
    c.Box(QRectF(back, box.top(), w * 0.12, h), wood, w * 0.04, 0.1);
    c.Box(QRectF(box.left() + w * 0.1, seatY, w * 0.8, h * 0.1), seat, w * 0.04, 0.1);
    const double front = s > 0 ? box.left() + w * 0.78 : box.left() + w * 0.1;
    c.Box(QRectF(front, seatY + h * 0.08, w * 0.1, h * 0.42), wood, w * 0.03, 0.1);
    c.Box(QRectF(back + (s > 0 ? w * 0.12 : -w * 0.02), box.top() + h * 0.1, w * 0.04, h * 0.4),
          Dark(wood, 10), 0, 0);
  }
}

void PaintStool(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  Legs(c, QRectF(box.left() + box.width() * 0.08, box.top(), box.width() * 0.84, box.height()),
       box.top() + box.height() * 0.15, wood, 3, box.width() * 0.12);
  c.Oval(QRectF(box.left(), box.top(), box.width(), box.height() * 0.25), wood.lighter(110), 0.12);
}

void PaintBench(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  Legs(c, box, box.top() + box.height() * 0.2, wood, 2, box.width() * 0.08);
  c.Box(QRectF(box.left(), box.top(), box.width(), box.height() * 0.24), wood, 4, 0.12);
}

void PaintBed(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const QColor quilt = p.Color("quilt");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left(), box.top(), w * 0.12, h), wood, 4, 0.1);
  c.Box(QRectF(box.right() - w * 0.1, box.top() + h * 0.3, w * 0.1, h * 0.7), wood, 4, 0.1);
  c.Box(QRectF(box.left() + w * 0.06, box.top() + h * 0.45, w * 0.9, h * 0.3), Dark(wood, 5), 3,
        0.1);
  c.Box(QRectF(box.left() + w * 0.1, box.top() + h * 0.28, w * 0.22, h * 0.2),
        QColor(250, 248, 240), h * 0.08, 0.08);
  QPainterPath cover;
  cover.addRoundedRect(QRectF(box.left() + w * 0.2, box.top() + h * 0.36, w * 0.78, h * 0.5), 8, 8);
  c.Fill(cover, quilt, 0.12);
  for (int i = 1; i < 5; ++i) {
    const double x = box.left() + w * 0.2 + i * w * 0.78 / 5;
    c.Segment({x, box.top() + h * 0.38}, {x, box.top() + h * 0.84}, Dark(quilt, 20), 1.2);
  }
  c.Segment({box.left() + w * 0.22, box.top() + h * 0.6},
            {box.right() - w * 0.04, box.top() + h * 0.6}, Dark(quilt, 20), 1.2);
}

void PaintBookshelf(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const int rows = p.Int("rows");
  c.Box(box, wood, 3, 0.1);
  const double inset = box.width() * 0.06;
  const double shelfH = (box.height() - inset * 2) / rows;
  const QColor spines[] = {QColor(150, 50, 45),  QColor(45, 80, 130),  QColor(60, 110, 70),
                           QColor(170, 130, 60), QColor(110, 60, 100), QColor(200, 170, 110),
                           QColor(90, 60, 40)};
  for (int r = 0; r < rows; ++r) {
    const QRectF shelf(box.left() + inset, box.top() + inset + r * shelfH, box.width() - inset * 2,
                       shelfH - 4);
    c.p.fillRect(shelf, Dark(wood, 45));
    double x = shelf.left() + 2;
    while (x < shelf.right() - 6) {
      const double bw = c.Random(7, 14);
      if (x + bw > shelf.right() - 2) break;
      const double bh = shelf.height() * c.Random(0.65, 0.95);
      const QColor spine = spines[c.RandomInt(0, 6)];
      if (c.RandomInt(0, 9) == 0 && x + bh < shelf.right()) {
        // A book lying flat.
        c.Box(QRectF(x, shelf.bottom() - bw, bh, bw), spine, 1.5, 0.1);
        x += bh + 2;
        continue;
      }
      c.line = 1.2;
      c.Box(QRectF(x, shelf.bottom() - bh, bw, bh), spine, 1.5, 0.12);
      c.Segment({x + 2, shelf.bottom() - bh * 0.8}, {x + bw - 2, shelf.bottom() - bh * 0.8},
                palette::kBrass, 1.2);
      x += bw + 0.5;
    }
    c.line = 2.0;
    c.Box(QRectF(box.left() + inset * 0.5, shelf.bottom(), box.width() - inset, 5),
          wood.lighter(110), 0, 0.05);
  }
}

void PaintSofa(Canvas& c, const QRectF& box, const Params& p) {
  const QColor cover = p.Color("color");
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  Legs(c, QRectF(box.left() + w * 0.05, box.top(), w * 0.9, h), box.top() + h * 0.8, wood, 2,
       w * 0.05);
  QPainterPath back;
  back.moveTo(box.left() + w * 0.08, box.top() + h * 0.55);
  back.quadTo(box.left() + w * 0.1, box.top(), box.center().x(), box.top());
  back.quadTo(box.right() - w * 0.1, box.top(), box.right() - w * 0.08, box.top() + h * 0.55);
  back.closeSubpath();
  c.Fill(back, cover, 0.12);
  c.Box(QRectF(box.left() + w * 0.05, box.top() + h * 0.5, w * 0.9, h * 0.32), cover.lighter(106),
        h * 0.1, 0.12);
  for (double x : {0.0, 0.86}) {
    c.Box(QRectF(box.left() + w * x, box.top() + h * 0.36, w * 0.14, h * 0.46), Dark(cover, 6),
          w * 0.06, 0.12);
  }
  for (int i = 0; i < 3; ++i) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(Dark(cover, 25));
    c.p.drawEllipse(QPointF(box.left() + w * (0.3 + i * 0.2), box.top() + h * 0.25), 2.5, 2.5);
  }
}

void PaintFireplace(Canvas& c, const QRectF& box, const Params& p) {
  const QColor stone = p.Color("stone");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left(), box.top() + h * 0.12, w, h * 0.88), stone, 2, 0.1);
  c.Box(QRectF(box.left() - w * 0.05, box.top(), w * 1.1, h * 0.14), Dark(stone, 12), 2, 0.1);
  const QRectF mouth(box.left() + w * 0.18, box.top() + h * 0.35, w * 0.64, h * 0.65);
  QPainterPath arch;
  arch.moveTo(mouth.bottomLeft());
  arch.lineTo(mouth.left(), mouth.top() + mouth.height() * 0.25);
  arch.quadTo(mouth.center().x(), mouth.top() - mouth.height() * 0.1, mouth.right(),
              mouth.top() + mouth.height() * 0.25);
  arch.lineTo(mouth.bottomRight());
  arch.closeSubpath();
  c.Fill(arch, QColor(40, 28, 24), 0);
  for (double y = box.top() + h * 0.22; y < box.bottom(); y += h * 0.12) {
    c.Segment({box.left() + 2, y}, {mouth.left(), y}, Dark(stone, 18), 1.1);
    c.Segment({mouth.right(), y}, {box.right() - 2, y}, Dark(stone, 18), 1.1);
  }
  if (p.Flag("fire")) {
    const QPointF base(mouth.center().x(), mouth.bottom() - mouth.height() * 0.1);
    QRadialGradient glow(base, mouth.width() * 0.7);
    glow.setColorAt(0, QColor(255, 200, 90, 200));
    glow.setColorAt(1, QColor(255, 120, 40, 0));
    c.p.fillPath(arch, glow);
    for (int i = 0; i < 3; ++i) {
      c.Box(QRectF(mouth.left() + mouth.width() * (0.15 + i * 0.22),
                   mouth.bottom() - mouth.height() * 0.14, mouth.width() * 0.3,
                   mouth.height() * 0.09),
            palette::kWalnut, 3, 0.05);
    }
    const QColor flames[] = {QColor(240, 90, 40), QColor(250, 160, 50), QColor(255, 225, 110)};
    for (int layer = 0; layer < 3; ++layer) {
      const double scale = 1.0 - layer * 0.3;
      QPainterPath flame(QPointF(base.x() - mouth.width() * 0.3 * scale, base.y()));
      for (int k = 0; k < 3; ++k) {
        const double x0 = base.x() - mouth.width() * 0.3 * scale + k * mouth.width() * 0.2 * scale;
        flame.quadTo(x0, base.y() - mouth.height() * 0.5 * scale, x0 + mouth.width() * 0.1 * scale,
                     base.y() - mouth.height() * (0.55 + 0.1 * (k % 2)) * scale);
        flame.quadTo(x0 + mouth.width() * 0.16 * scale, base.y() - mouth.height() * 0.25 * scale,
                     x0 + mouth.width() * 0.2 * scale, base.y());
      }
      flame.closeSubpath();
      c.FillNoOutline(flame, flames[layer]);
    }
  }
}

void PaintWindow(Canvas& c, const QRectF& box, const Params& p) {
  const QColor frame = p.Color("frame");
  const std::string view = p.Text("view");
  const int panes = p.Int("panes");
  const double w = box.width();
  const double h = box.height();
  const QRectF glass(box.left() + w * 0.08, box.top() + h * 0.06, w * 0.84, h * 0.84);
  QPainterPath outer;
  if (p.Flag("arch")) {
    outer.moveTo(box.left(), box.bottom());
    outer.lineTo(box.left(), box.top() + w * 0.5);
    outer.arcTo(QRectF(box.left(), box.top(), w, w), 180, -180);
    outer.lineTo(box.right(), box.bottom());
    outer.closeSubpath();
  } else {
    outer.addRect(box);
  }
  c.Fill(outer, frame, 0.06);
  QPainterPath pane;
  if (p.Flag("arch")) {
    pane.moveTo(glass.left(), glass.bottom());
    pane.lineTo(glass.left(), glass.top() + glass.width() * 0.5);
    pane.arcTo(QRectF(glass.left(), glass.top(), glass.width(), glass.width()), 180, -180);
    pane.lineTo(glass.right(), glass.bottom());
    pane.closeSubpath();
  } else {
    pane.addRect(glass);
  }
  QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
  if (view == "night") {
    sky.setColorAt(0, QColor(20, 30, 70));
    sky.setColorAt(1, QColor(60, 70, 120));
  } else if (view == "storm") {
    sky.setColorAt(0, QColor(70, 76, 96));
    sky.setColorAt(1, QColor(120, 126, 140));
  } else if (p.Flag("fog")) {
    sky.setColorAt(0, QColor(196, 202, 208));
    sky.setColorAt(1, QColor(226, 229, 232));
  } else {
    sky.setColorAt(0, QColor(130, 190, 235));
    sky.setColorAt(1, QColor(215, 236, 246));
  }
  c.p.fillPath(pane, sky);
  c.p.save();
  c.p.setClipPath(pane);
  if (view == "night") {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(250, 246, 210));
    c.p.drawEllipse(
        QPointF(glass.left() + glass.width() * 0.7, glass.top() + glass.height() * 0.25),
        glass.width() * 0.12, glass.width() * 0.12);
    c.p.setBrush(QColor(60, 70, 120));
    c.p.drawEllipse(
        QPointF(glass.left() + glass.width() * 0.76, glass.top() + glass.height() * 0.22),
        glass.width() * 0.11, glass.width() * 0.11);
    c.p.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 7; ++i) {
      const double y = glass.top() + c.Random(0, glass.height() * 0.7);
      c.p.drawEllipse(QPointF(glass.left() + c.Random(0, glass.width()), y), 1.3, 1.3);
    }
  } else if (view == "street") {
    const QColor fronts[] = {QColor(190, 110, 90), QColor(220, 200, 160), QColor(170, 150, 130)};
    for (int i = 0; i < 3; ++i) {
      const QRectF house(glass.left() + i * glass.width() / 3,
                         glass.top() + glass.height() * (0.35 + 0.08 * (i % 2)),
                         glass.width() / 3 + 1, glass.height());
      c.p.fillRect(house, fronts[i]);
      c.p.fillRect(QRectF(house.left() + house.width() * 0.3, house.top() + house.height() * 0.12,
                          house.width() * 0.35, house.height() * 0.12),
                   QColor(90, 110, 140));
    }
  } else if (view == "garden") {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(110, 170, 90));
    c.p.drawRect(
        QRectF(glass.left(), glass.top() + glass.height() * 0.65, glass.width(), glass.height()));
    c.p.setBrush(QColor(80, 140, 70));
    c.p.drawEllipse(QPointF(glass.left() + glass.width() * 0.3, glass.top() + glass.height() * 0.6),
                    glass.width() * 0.3, glass.height() * 0.22);
  } else if (view == "sea") {
    c.p.fillRect(
        QRectF(glass.left(), glass.top() + glass.height() * 0.6, glass.width(), glass.height()),
        QColor(70, 130, 180));
  } else if (view == "rooftops") {
    // Chimneys, walls and roofs of a city, and a tall tower behind them.
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(150, 156, 170));
    c.p.drawRect(QRectF(glass.left() + glass.width() * 0.64, glass.top() + glass.height() * 0.12,
                        glass.width() * 0.1, glass.height()));
    const QColor walls[] = {QColor(200, 180, 160), QColor(180, 170, 160), QColor(210, 196, 176),
                            QColor(190, 170, 150)};
    for (int i = 0; i < 4; ++i) {
      const double x = glass.left() - glass.width() * 0.05 + i * glass.width() * 0.3;
      const double top = glass.top() + glass.height() * (0.55 + 0.08 * (i % 2));
      const double w = glass.width() * 0.32;
      c.p.setBrush(walls[i]);
      c.p.drawRect(QRectF(x, top, w, glass.bottom() - top));
      c.p.setBrush(QColor(120, 80, 70));
      QPainterPath roof(QPointF(x - 3, top + 1));
      roof.lineTo(x + w / 2, top - glass.height() * 0.14);
      roof.lineTo(x + w + 3, top + 1);
      roof.closeSubpath();
      c.p.drawPath(roof);
      c.p.setBrush(QColor(110, 100, 100));
      c.p.drawRect(
          QRectF(x + w * 0.65, top - glass.height() * 0.16, w * 0.1, glass.height() * 0.1));
      c.p.setBrush(QColor(90, 110, 140));
      c.p.drawRect(
          QRectF(x + w * 0.3, top + glass.height() * 0.1, w * 0.18, glass.height() * 0.08));
    }
  }
  if (p.Flag("fog")) {
    // A grey veil over the whole view, thicker low down, with drifting banks of mist.
    QLinearGradient mist(glass.topLeft(), glass.bottomLeft());
    mist.setColorAt(0, QColor(232, 235, 238, 40));
    mist.setColorAt(1, QColor(240, 242, 244, 150));
    c.p.fillPath(pane, mist);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(246, 247, 248, 120));
    for (int i = 0; i < 3; ++i) {
      c.p.drawEllipse(QPointF(glass.left() + glass.width() * (0.25 + 0.3 * i),
                              glass.top() + glass.height() * (0.45 + 0.17 * i)),
                      glass.width() * 0.45, glass.height() * 0.07);
    }
  }
  // A shine across the glass.
  QPainterPath shine;
  shine.moveTo(glass.left() + glass.width() * 0.1, glass.bottom());
  shine.lineTo(glass.left() + glass.width() * 0.45, glass.top());
  shine.lineTo(glass.left() + glass.width() * 0.6, glass.top());
  shine.lineTo(glass.left() + glass.width() * 0.25, glass.bottom());
  shine.closeSubpath();
  c.p.fillPath(shine, QColor(255, 255, 255, 40));
  c.p.restore();
  c.Outline(pane, 1.5);
  const double bar = std::max(3.0, w * 0.04);
  for (int i = 1; i < panes; ++i) {
    const double x = glass.left() + i * glass.width() / panes;
    c.Box(QRectF(x - bar / 2, glass.top(), bar, glass.height()), frame, 0, 0);
  }
  const int rows =
      std::max(1, static_cast<int>(std::round(glass.height() / (glass.width() / panes) * 0.8)));
  for (int i = 1; i < rows; ++i) {
    const double y = glass.top() + i * glass.height() / rows;
    c.Box(QRectF(glass.left(), y - bar / 2, glass.width(), bar), frame, 0, 0);
  }
  c.Box(QRectF(box.left() - w * 0.05, box.bottom() - h * 0.04, w * 1.1, h * 0.06), Dark(frame, 8),
        2, 0.1);
  const QColor curtains = p.Color("curtains");
  if (curtains.alpha() > 0) {
    for (double s : {-1.0, 1.0}) {
      const double edge = s < 0 ? box.left() - w * 0.12 : box.right() + w * 0.12;
      const double inner = s < 0 ? box.left() + w * 0.14 : box.right() - w * 0.14;
      QPainterPath drape;
      drape.moveTo(edge, box.top() - h * 0.04);
      drape.lineTo(inner, box.top() - h * 0.04);
      drape.quadTo(inner - s * w * 0.05, box.top() + h * 0.45, inner + s * w * 0.02, box.bottom());
      drape.lineTo(edge, box.bottom());
      drape.closeSubpath();
      c.Fill(drape, curtains, 0.14);
    }
    c.Box(QRectF(box.left() - w * 0.16, box.top() - h * 0.07, w * 1.32, h * 0.04), palette::kBrass,
          2, 0.1);
  }
}

void PaintDoor(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left() - w * 0.08, box.top() - h * 0.04, w * 1.16, h * 1.04), p.Color("frame"),
        2, 0.06);
  if (p.Flag("open")) {
    QLinearGradient outside(box.topLeft(), box.bottomLeft());
    outside.setColorAt(0, QColor(190, 220, 240));
    outside.setColorAt(1, QColor(200, 190, 160));
    c.p.fillRect(box, outside);
    c.Poly({{box.left(), box.top()},
            {box.left() + w * 0.3, box.top() + h * 0.05},
            {box.left() + w * 0.3, box.bottom() - h * 0.02},
            {box.left(), box.bottom()}},
           wood, 0.12);
    return;
  }
  c.Box(box, wood, 2, 0.1);
  for (int r = 0; r < 2; ++r) {
    for (int k = 0; k < 2; ++k) {
      const QRectF inset(box.left() + w * (0.12 + k * 0.42), box.top() + h * (0.08 + r * 0.47),
                         w * 0.34, h * 0.38);
      QPainterPath path;
      path.addRoundedRect(inset, 3, 3);
      c.p.strokePath(path, QPen(Dark(wood, 25), 1.8));
    }
  }
  c.Oval(QRectF(box.left() + w * 0.8, box.top() + h * 0.52, w * 0.1, w * 0.1), palette::kBrass,
         0.1);
}

void PaintClock(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left() + w * 0.15, box.top() + h * 0.3, w * 0.7, h * 0.62), wood, 3, 0.12);
  c.Box(QRectF(box.left(), box.bottom() - h * 0.1, w, h * 0.1), Dark(wood, 10), 3, 0.1);
  QPainterPath hood;
  hood.moveTo(box.left(), box.top() + h * 0.32);
  hood.lineTo(box.left(), box.top() + h * 0.08);
  hood.quadTo(box.center().x(), box.top() - h * 0.04, box.right(), box.top() + h * 0.08);
  hood.lineTo(box.right(), box.top() + h * 0.32);
  hood.closeSubpath();
  c.Fill(hood, wood, 0.12);
  const QPointF centre(box.center().x(), box.top() + h * 0.19);
  const double r = w * 0.34;
  c.Oval(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), QColor(250, 244, 226), 0.05);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    c.Segment(centre + QPointF(std::cos(a), std::sin(a)) * r * 0.78,
              centre + QPointF(std::cos(a), std::sin(a)) * r * 0.9, Canvas::Ink(), 1.2);
  }
  c.Segment(centre, centre + QPointF(0, -r * 0.7), Canvas::Ink(), 2);
  c.Segment(centre, centre + QPointF(r * 0.45, r * 0.1), Canvas::Ink(), 2.4);
  const QRectF window(box.left() + w * 0.32, box.top() + h * 0.45, w * 0.36, h * 0.3);
  c.Box(window, QColor(60, 40, 30), w * 0.1, 0);
  c.Segment({window.center().x(), window.top()}, {window.center().x(), window.bottom() - w * 0.12},
            palette::kBrass, 1.5);
  c.Oval(QRectF(window.center().x() - w * 0.1, window.bottom() - w * 0.22, w * 0.2, w * 0.2),
         palette::kBrass, 0.1);
}

void PaintStove(Canvas& c, const QRectF& box, const Params& p) {
  const QColor iron = p.Color("iron");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.center().x() - w * 0.08, box.top(), w * 0.16, h * 0.4), iron, 2, 0.1);
  c.Box(QRectF(box.left(), box.top() + h * 0.35, w, h * 0.55), iron, 6, 0.15);
  const QRectF door(box.left() + w * 0.22, box.top() + h * 0.5, w * 0.56, h * 0.28);
  c.Box(door, QColor(240, 140, 60), 4, 0.2);
  for (int i = 1; i < 4; ++i)
    c.Segment({door.left() + i * door.width() / 4, door.top()},
              {door.left() + i * door.width() / 4, door.bottom()}, iron, 2);
  Legs(c, QRectF(box.left() + w * 0.05, box.top(), w * 0.9, h), box.bottom() - h * 0.12, iron, 2,
       w * 0.1);
}

void PaintHarpsichord(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  Legs(c, QRectF(box.left() + w * 0.03, box.top(), w * 0.94, h), box.top() + h * 0.5, wood, 3,
       w * 0.05);
  QPainterPath lid;
  lid.moveTo(box.left(), box.top() + h * 0.5);
  lid.lineTo(box.left() + w * 0.1, box.top());
  lid.quadTo(box.right(), box.top() + h * 0.05, box.right(), box.top() + h * 0.5);
  lid.closeSubpath();
  c.Fill(lid, wood, 0.14);
  c.Box(QRectF(box.left(), box.top() + h * 0.45, w, h * 0.12), Dark(wood, 8), 2, 0.1);
  const QRectF keys(box.left() + w * 0.05, box.top() + h * 0.5, w * 0.5, h * 0.06);
  c.Box(keys, QColor(250, 246, 236), 1, 0);
  for (int i = 1; i < 14; ++i) {
    const double x = keys.left() + i * keys.width() / 14;
    c.Segment({x, keys.top()}, {x, keys.bottom()}, QColor(90, 80, 70), 0.8);
    if (i % 7 != 3 && i % 7 != 0)
      c.p.fillRect(QRectF(x - 1.5, keys.top(), 3, keys.height() * 0.6), QColor(40, 34, 30));
  }
}

void PaintEasel(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  for (double s : {-1.0, 1.0}) {
    c.Segment({box.center().x() + s * w * 0.05, box.top()},
              {box.center().x() + s * w * 0.42, box.bottom()}, palette::kPine.darker(120),
              w * 0.07);
  }
  c.Segment({box.center().x(), box.top() + h * 0.1}, {box.center().x(), box.bottom() - h * 0.05},
            palette::kPine.darker(125), w * 0.06);
  const QRectF canvasRect(box.left() + w * 0.08, box.top() + h * 0.05, w * 0.84, h * 0.55);
  c.Box(canvasRect, QColor(120, 80, 50), 1, 0.05);
  const QRectF painting = canvasRect.adjusted(w * 0.05, w * 0.05, -w * 0.05, -w * 0.05);
  c.p.fillRect(painting, QColor(210, 190, 150));
  if (p.Text("picture") == "portrait") {
    // A half-painted portrait: a face, white hair, a brown coat.
    const QPointF face(painting.center().x(), painting.top() + painting.height() * 0.38);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(236, 236, 232));
    c.p.drawEllipse(face, painting.width() * 0.27, painting.height() * 0.26);
    c.p.setBrush(QColor(240, 200, 160));
    c.p.drawEllipse(face + QPointF(0, painting.height() * 0.04), painting.width() * 0.18,
                    painting.height() * 0.2);
    c.p.setBrush(QColor(120, 80, 50));
    c.p.drawEllipse(QPointF(face.x(), painting.bottom()), painting.width() * 0.42,
                    painting.height() * 0.32);
    c.p.setBrush(QColor(50, 40, 40));
    c.p.drawEllipse(face + QPointF(-painting.width() * 0.07, painting.height() * 0.02), 2, 2);
    c.p.drawEllipse(face + QPointF(painting.width() * 0.07, painting.height() * 0.02), 2, 2);
  } else {
    c.p.fillRect(QRectF(painting.left(), painting.top() + painting.height() * 0.6, painting.width(),
                        painting.height() * 0.4),
                 QColor(110, 160, 90));
  }
  c.Box(QRectF(box.left(), box.top() + h * 0.6, w, h * 0.04), palette::kPine, 1, 0.05);
}

void PaintChessTable(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.center().x() - w * 0.06, box.top() + h * 0.3, w * 0.12, h * 0.6), wood, 3, 0.1);
  c.Oval(QRectF(box.center().x() - w * 0.3, box.bottom() - h * 0.1, w * 0.6, h * 0.1), wood, 0.1);
  const QRectF top(box.left(), box.top() + h * 0.22, w, h * 0.1);
  c.Box(top, wood, 3, 0.1);
  // The board, seen from above and in front, with a few pieces standing on it.
  QPainterPath board;
  board.moveTo(box.left() + w * 0.12, top.top());
  board.lineTo(box.right() - w * 0.12, top.top());
  board.lineTo(box.right() - w * 0.02, top.top() + h * 0.06);
  board.lineTo(box.left() + w * 0.02, top.top() + h * 0.06);
  board.closeSubpath();
  c.Fill(board, QColor(240, 226, 190), 0);
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 2; ++j) {
      if ((i + j) % 2) continue;
      const double t0 = j / 2.0, t1 = (j + 1) / 2.0;
      auto xAt = [&](double t, double frac) {
        const double left = box.left() + w * (0.12 - 0.1 * t);
        const double right = box.right() - w * (0.12 - 0.1 * t);
        return left + (right - left) * frac;
      };
      QPainterPath square;
      square.moveTo(xAt(t0, i / 8.0), top.top() + h * 0.06 * t0);
      square.lineTo(xAt(t0, (i + 1) / 8.0), top.top() + h * 0.06 * t0);
      square.lineTo(xAt(t1, (i + 1) / 8.0), top.top() + h * 0.06 * t1);
      square.lineTo(xAt(t1, i / 8.0), top.top() + h * 0.06 * t1);
      square.closeSubpath();
      c.p.fillPath(square, QColor(90, 60, 40));
    }
  }
  for (int i = 0; i < 5; ++i) {
    const double x = box.left() + w * (0.22 + i * 0.14);
    const bool white = i % 2 == 0;
    const double ph = h * (0.09 + 0.04 * (i % 3));
    c.line = 1.2;
    c.Box(QRectF(x - w * 0.025, top.top() - ph, w * 0.05, ph),
          white ? QColor(250, 246, 236) : QColor(40, 34, 34), w * 0.02, 0.1);
    c.Oval(QRectF(x - w * 0.03, top.top() - ph - w * 0.04, w * 0.06, w * 0.06),
           white ? QColor(250, 246, 236) : QColor(40, 34, 34), 0.1);
  }
}

void PaintCounter(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double h = box.height();
  c.Box(QRectF(box.left(), box.top() + h * 0.12, box.width(), h * 0.88), wood, 2, 0.12);
  c.Box(QRectF(box.left() - 4, box.top(), box.width() + 8, h * 0.14), wood.lighter(112), 2, 0.08);
  const int panels = std::max(1, static_cast<int>(box.width() / 70));
  for (int i = 0; i < panels; ++i) {
    const double pw = box.width() / panels;
    QPainterPath inset;
    inset.addRoundedRect(QRectF(box.left() + i * pw + 8, box.top() + h * 0.25, pw - 16, h * 0.62),
                         3, 3);
    c.p.strokePath(inset, QPen(Dark(wood, 25), 1.8));
  }
}

void PaintShelves(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const std::string goods = p.Text("goods");
  const int rows = p.Int("rows");
  c.p.fillRect(box, Dark(wood, 40));
  c.Outline([&] {
    QPainterPath path;
    path.addRect(box);
    return path;
  }());
  const double rowH = box.height() / rows;
  for (int r = 0; r < rows; ++r) {
    const double base = box.top() + (r + 1) * rowH - 5;
    double x = box.left() + 5;
    while (x < box.right() - 18) {
      c.line = 1.2;
      if (goods == "paper") {
        const double pw = c.Random(26, 40);
        if (x + pw > box.right() - 4) break;
        const int sheets = c.RandomInt(3, 6);
        for (int s = 0; s < sheets; ++s) {
          c.Box(QRectF(x + c.Random(-1, 1), base - (s + 1) * 4.5, pw, 4.5),
                s % 2 ? palette::kPaper : QColor(236, 228, 204), 0, 0);
        }
        x += pw + 6;
      } else if (goods == "bottles") {
        const double bw = 12;
        const QColor glass = c.RandomInt(0, 1) ? QColor(40, 40, 60) : QColor(70, 110, 80);
        c.Box(QRectF(x, base - rowH * 0.55, bw, rowH * 0.55), glass, 4, 0.2);
        c.Box(QRectF(x + 4, base - rowH * 0.72, 4, rowH * 0.2), glass, 1, 0);
        x += bw + 6;
      } else {
        const double jw = c.Random(16, 22);
        const QColor colour = c.RandomInt(0, 1) ? QColor(200, 180, 140) : QColor(150, 110, 80);
        c.Box(QRectF(x, base - rowH * 0.5, jw, rowH * 0.5), colour, 4, 0.15);
        c.Box(QRectF(x - 1, base - rowH * 0.56, jw + 2, rowH * 0.08), QColor(240, 236, 220), 1, 0);
        x += jw + 6;
      }
    }
    c.line = 2;
    c.Box(QRectF(box.left(), base, box.width(), 6), wood, 0, 0.05);
  }
}

}  // namespace

std::vector<PainterInfo> FurniturePainters() {
  return {
      {"table", "wood:color=oak cloth:color=none", PaintTable, "a table; cloth= drapes it"},
      {"desk", "wood:color=walnut", PaintDesk, "a writing desk with drawers"},
      {"chair", "wood:color=walnut seat:color=#8c3b30 facing:front|left|right=front", PaintChair,
       "a chair"},
      {"stool", "wood:color=pine", PaintStool, "a three-legged stool"},
      {"bench", "wood:color=oak", PaintBench, "a wooden bench"},
      {"bed", "wood:color=walnut quilt:color=#6a8cc0", PaintBed, "a narrow bed with a quilt"},
      {"bookshelf", "wood:color=walnut rows:int=4", PaintBookshelf, "a bookcase full of books"},
      {"sofa", "color:color=#b07090 wood:color=#8a5a3a", PaintSofa, "an upholstered sofa"},
      {"fireplace", "stone:color=#bfae94 fire:flag", PaintFireplace, "a stone fireplace"},
      {"window",
       "frame:color=#f2ece0 view:sky|night|storm|street|garden|sea|rooftops=sky panes:int=2 "
       "arch:flag curtains:color=none fog:flag",
       PaintWindow, "a window with what is seen through it (fog: a misty day outside)"},
      {"door", "wood:color=oak frame:color=#e8dcc6 open:flag", PaintDoor, "a panelled door"},
      {"clock", "wood:color=walnut", PaintClock, "a tall case clock"},
      {"stove", "iron:color=iron", PaintStove, "an iron stove with a glowing door"},
      {"harpsichord", "wood:color=#7a3e2c", PaintHarpsichord, "a harpsichord"},
      {"easel", "picture:portrait|landscape=portrait", PaintEasel,
       "a painter's easel with a painting"},
      {"chesstable", "wood:color=walnut", PaintChessTable, "a small table with a game of chess"},
      {"counter", "wood:color=oak", PaintCounter, "a shop counter"},
      {"shelves", "wood:color=oak goods:paper|jars|bottles=jars rows:int=3", PaintShelves,
       "wall shelves of goods"},
  };
}

}  // namespace quenna::datakit
