// The outdoors: water and quays, trees and gardens, houses, ships and carts.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "Painters.h"

namespace quenna::datakit {
namespace {

QColor Dark(const QColor& color, int percent) {
  return color.darker(100 + percent);
}

void PaintWater(Canvas& c, const QRectF& box, const Params& p) {
  const QColor water = p.Color("color");
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0, water.lighter(115));
  shade.setColorAt(1, water.darker(115));
  QPainterPath body;
  if (p.Flag("pond")) {
    body.addEllipse(box);
  } else {
    body.addRect(box);
  }
  c.p.fillPath(body, shade);
  c.p.save();
  c.p.setClipPath(body);
  for (int i = 0; i < static_cast<int>(box.width() * box.height() / 1800); ++i) {
    const double y = box.top() + c.Random(0.05, 1.0) * box.height();
    const double x = box.left() + c.Random(0, box.width());
    const double len = 8 + 18 * (y - box.top()) / box.height();
    QPainterPath ripple(QPointF(x - len, y));
    ripple.quadTo(x, y - 3, x + len, y);
    c.Stroke(ripple, QColor(255, 255, 255, 90), 1.5);
  }
  c.p.restore();
  if (p.Flag("pond")) c.p.strokePath(body, QPen(QColor(110, 90, 60), 3));
}

void PaintQuay(Canvas& c, const QRectF& box, const Params& p) {
  const QColor stone = p.Color("stone");
  const double edge = std::min(box.height(), 26.0);
  c.p.fillRect(QRectF(box.left(), box.top() + edge, box.width(), box.height() - edge), stone);
  for (double y = box.top() + edge + 22; y < box.bottom(); y += 24) {
    c.Segment({box.left(), y}, {box.right(), y}, Dark(stone, 18), 1);
    const double offset = static_cast<int>(y) % 48 < 24 ? 0 : 25;
    for (double x = box.left() + offset; x < box.right(); x += 50)
      c.Segment({x, y - 24}, {x, y}, Dark(stone, 18), 1);
  }
  c.Box(QRectF(box.left() - 4, box.top(), box.width() + 8, edge), Dark(stone, 8), 0, 0.15);
  for (double x = box.left() + 10; x < box.right(); x += 42)
    c.Segment({x, box.top() + 2}, {x, box.top() + edge - 2}, Dark(stone, 25), 1);
}

void PaintCobbles(Canvas& c, const QRectF& box, const Params& p) {
  c.p.setClipRect(box);
  const QColor stone = p.Color("stone");
  c.p.fillRect(box, Dark(stone, 10));
  c.line = 1;
  for (double y = box.top(); y < box.bottom(); y += 12 + (y - box.top()) * 0.06) {
    const double size = 10 + (y - box.top()) * 0.08;
    for (double x = box.left() - c.Random(0, size); x < box.right(); x += size * 1.15) {
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(c.RandomInt(0, 2) ? stone : stone.lighter(108));
      c.p.drawRoundedRect(QRectF(x, y, size, size * 0.7), 3, 3);
    }
  }
}

void PaintPath(Canvas& c, const QRectF& box, const Params& p) {
  QPainterPath path(QPointF(box.center().x() - box.width() * 0.1, box.top()));
  path.lineTo(box.center().x() + box.width() * 0.1, box.top());
  path.lineTo(box.right(), box.bottom());
  path.lineTo(box.left(), box.bottom());
  path.closeSubpath();
  c.FillNoOutline(path, p.Color("color"), 0.1);
}

void PaintTree(Canvas& c, const QRectF& box, const Params& p) {
  const std::string kind = p.Text("kind");
  const QColor leaf = p.Color("leaf");
  const QColor trunk = p.Color("trunk");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.center().x() - w * 0.07, box.top() + h * 0.45, w * 0.14, h * 0.55), trunk,
        w * 0.03, 0.15);
  if (kind == "willow") {
    QPainterPath crown;
    crown.moveTo(box.left(), box.top() + h * 0.85);
    crown.cubicTo(box.left() - w * 0.05, box.top(), box.right() + w * 0.05, box.top(), box.right(),
                  box.top() + h * 0.85);
    crown.closeSubpath();
    c.Fill(crown, leaf, 0.2);
    for (int i = 0; i < 14; ++i) {
      const double x = box.left() + w * (0.08 + i * 0.065);
      QPainterPath strand(QPointF(x, box.top() + h * 0.25));
      strand.quadTo(x + w * 0.03, box.top() + h * 0.6, x - w * 0.01,
                    box.top() + h * (0.75 + 0.1 * (i % 2)));
      c.Stroke(strand, Dark(leaf, 22), 2);
    }
    return;
  }
  if (kind == "pine") {
    for (int k = 0; k < 3; ++k) {
      const double top = box.top() + h * k * 0.22;
      c.Poly({{box.center().x(), top},
              {box.right() - w * k * 0.05, top + h * 0.42},
              {box.left() + w * k * 0.05, top + h * 0.42}},
             Dark(leaf, k * 6), 0.15);
    }
    return;
  }
  // Round and chestnut trees: a crown of overlapping puffs.
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  const int puffs = kind == "chestnut" ? 7 : 5;
  for (int i = 0; i < puffs; ++i) {
    const double a = i * 2 * M_PI / puffs;
    const double r = w * (kind == "chestnut" ? 0.26 : 0.3);
    crown.addEllipse(QPointF(box.center().x() + std::cos(a) * w * 0.22,
                             box.top() + h * 0.3 + std::sin(a) * h * 0.15),
                     r, r * 0.9);
  }
  crown.addEllipse(QPointF(box.center().x(), box.top() + h * 0.3), w * 0.3, h * 0.22);
  c.Fill(crown.simplified(), leaf, 0.22);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(leaf.lighter(118));
  for (int i = 0; i < 6; ++i) {
    const double y = box.top() + h * c.Random(0.12, 0.38);
    c.p.drawEllipse(QPointF(box.center().x() + c.Random(-w * 0.3, w * 0.2), y), w * 0.06, w * 0.04);
  }
  if (kind == "chestnut") {
    c.p.setBrush(QColor(250, 240, 240));
    for (int i = 0; i < 9; ++i) {
      const double y = box.top() + h * c.Random(0.1, 0.5);
      c.p.drawEllipse(QPointF(box.center().x() + c.Random(-w * 0.35, w * 0.35), y), 3, 5);
    }
  }
  if (p.Flag("apples")) {
    c.p.setBrush(QColor(210, 50, 45));
    for (int i = 0; i < 8; ++i) {
      const double y = box.top() + h * c.Random(0.12, 0.48);
      c.p.drawEllipse(QPointF(box.center().x() + c.Random(-w * 0.35, w * 0.35), y), 4, 4);
    }
  }
}

void PaintHedge(Canvas& c, const QRectF& box, const Params& p) {
  const QColor leaf = p.Color("leaf");
  QPainterPath hedge;
  hedge.setFillRule(Qt::WindingFill);
  hedge.addRoundedRect(
      QRectF(box.left(), box.top() + box.height() * 0.2, box.width(), box.height() * 0.8), 10, 10);
  for (double x = box.left() + 15; x < box.right() - 10; x += 28)
    hedge.addEllipse(QPointF(x, box.top() + box.height() * 0.3), 18, 14);
  c.Fill(hedge.simplified(), leaf, 0.2);
  if (p.Flag("flowers")) {
    c.p.setPen(Qt::NoPen);
    const QColor petals[] = {QColor(240, 120, 150), QColor(250, 230, 120), QColor(255, 255, 255)};
    for (int i = 0; i < static_cast<int>(box.width() / 10); ++i) {
      c.p.setBrush(petals[i % 3]);
      const double y = box.top() + box.height() * c.Random(0.2, 0.85);
      c.p.drawEllipse(QPointF(box.left() + c.Random(8, box.width() - 8), y), 3.5, 3.5);
    }
  }
}

void PaintFlowers(Canvas& c, const QRectF& box, const Params&) {
  const QColor petals[] = {QColor(240, 110, 140), QColor(250, 220, 90), QColor(180, 130, 230),
                           QColor(255, 255, 255), QColor(240, 140, 60)};
  c.line = 1.1;
  for (int i = 0; i < static_cast<int>(box.width() / 9); ++i) {
    const double x = box.left() + c.Random(4, box.width() - 4);
    const double y = box.top() + c.Random(box.height() * 0.2, box.height());
    c.Segment({x, y}, {x, std::min(box.bottom(), y + 14)}, palette::kLeaf.darker(115), 1.6);
    const QColor petal = petals[c.RandomInt(0, 4)];
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * M_PI / 5;
      c.p.setPen(Qt::NoPen);
      c.p.setBrush(petal);
      c.p.drawEllipse(QPointF(x + std::cos(a) * 3.5, y + std::sin(a) * 3.5), 3, 3);
    }
    c.p.setBrush(QColor(250, 200, 60));
    c.p.drawEllipse(QPointF(x, y), 1.8, 1.8);
  }
}

void PaintReeds(Canvas& c, const QRectF& box, const Params&) {
  for (int i = 0; i < static_cast<int>(box.width() / 6); ++i) {
    const double x = box.left() + c.Random(0, box.width());
    const double top = box.top() + c.Random(0, box.height() * 0.5);
    QPainterPath reed(QPointF(x, box.bottom()));
    const double tipX = x + c.Random(-10, 10);
    reed.quadTo(x + c.Random(-6, 6), (top + box.bottom()) / 2, tipX, top);
    c.Stroke(reed, QColor(90, 130, 60), 2.2);
    if (i % 3 == 0) {
      const QPointF head = reed.pointAtPercent(0.85);
      QPainterPath cat;
      cat.addRoundedRect(QRectF(head.x() - 3, head.y() - 8, 6, 16), 3, 3);
      c.Fill(cat, QColor(120, 80, 50), 0);
    }
  }
}

void PaintHouse(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor wall = p.Color("wall");
  const QColor roof = p.Color("roof");
  const double eave = box.top() + h * 0.3;
  const QRectF front(box.left() + w * 0.04, eave, w * 0.92, box.bottom() - eave);
  c.Box(front, wall, 0, 0.1);
  if (p.Text("style") == "brick") {
    for (double y = front.top() + 8; y < front.bottom(); y += 8)
      c.Segment({front.left() + 2, y}, {front.right() - 2, y}, Dark(wall, 12), 0.7);
  }
  c.Poly({{box.left() - w * 0.03, eave + 2},
          {box.left() + w * 0.2, box.top()},
          {box.right() - w * 0.2, box.top()},
          {box.right() + w * 0.03, eave + 2}},
         roof, 0.18);
  c.Box(QRectF(box.right() - w * 0.32, box.top() - h * 0.08, w * 0.1, h * 0.15), Dark(wall, 15), 1,
        0.1);
  const int windows = p.Int("windows");
  const double ww = front.width() / (windows * 2 + 1);
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < windows; ++i) {
      if (row == 1 && i == windows / 2) continue;
      const QRectF pane(front.left() + ww * (1 + i * 2),
                        front.top() + front.height() * (0.1 + row * 0.48), ww,
                        front.height() * 0.26);
      c.Box(pane, QColor(120, 160, 200), 1, 0.1);
      c.Segment({pane.center().x(), pane.top()}, {pane.center().x(), pane.bottom()},
                QColor(240, 236, 226), 1.5);
      c.Segment({pane.left(), pane.center().y()}, {pane.right(), pane.center().y()},
                QColor(240, 236, 226), 1.5);
    }
  }
  const QRectF door(front.center().x() - ww * 0.55, front.bottom() - front.height() * 0.4, ww * 1.1,
                    front.height() * 0.4);
  c.Box(door, p.Color("door"), 2, 0.1);
  const std::string sign = p.Text("sign");
  if (!sign.empty()) {
    const QRectF board(front.left() + front.width() * 0.08, front.top() + front.height() * 0.4,
                       front.width() * 0.84, front.height() * 0.12);
    c.Box(board, QColor(50, 70, 110), 2, 0.1);
    c.Lettering(board, sign, QColor(240, 220, 150), board.height() * 0.62, true);
  }
}

// A row of town houses along a street, in varied colours and heights.
void PaintHouses(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const QColor walls[] = {QColor(214, 120, 96),  QColor(232, 214, 170), QColor(190, 160, 130),
                          QColor(200, 210, 190), QColor(170, 96, 80),   QColor(236, 226, 200)};
  const QColor roofs[] = {QColor(120, 70, 60), QColor(90, 90, 100), QColor(140, 80, 60)};
  Params house;
  house.values = {{"wall", ""},     {"roof", ""}, {"door", "#5a3a28"},
                  {"windows", "2"}, {"sign", ""}, {"style", "plain"}};
  const double hw = box.width() / count;
  for (int i = 0; i < count; ++i) {
    const double lift = c.Random(0, box.height() * 0.25);
    house.values["wall"] = walls[c.RandomInt(0, 5)].name().toStdString();
    house.values["roof"] = roofs[c.RandomInt(0, 2)].name().toStdString();
    house.values["style"] = c.RandomInt(0, 2) == 0 ? "brick" : "plain";
    PaintHouse(c, QRectF(box.left() + i * hw, box.top() + lift, hw + 1, box.height() - lift),
               house);
  }
}

void PaintMill(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QRectF front(box.left() + w * 0.3, box.top() + h * 0.3, w * 0.7, h * 0.7);
  c.Box(front, p.Color("wall"), 0, 0.1);
  for (double y = front.top() + 14; y < front.bottom(); y += 14)
    c.Segment({front.left() + 2, y}, {front.right() - 2, y}, QColor(150, 140, 125), 0.8);
  c.Poly({{front.left() - w * 0.04, front.top() + 2},
          {front.center().x(), box.top()},
          {front.right() + w * 0.04, front.top() + 2}},
         p.Color("roof"), 0.18);
  c.Box(QRectF(front.left() + front.width() * 0.55, front.bottom() - front.height() * 0.4,
               front.width() * 0.25, front.height() * 0.4),
        palette::kWalnut, 2, 0.1);
  c.Box(QRectF(front.left() + front.width() * 0.2, front.top() + front.height() * 0.15,
               front.width() * 0.22, front.height() * 0.2),
        QColor(120, 160, 200), 1, 0.1);
  // The water wheel at the side.
  const QPointF hub(box.left() + w * 0.28, box.top() + h * 0.68);
  const double r = w * 0.26;
  c.Oval(QRectF(hub.x() - r, hub.y() - r, 2 * r, 2 * r), Qt::transparent, 0);
  QPainterPath rim;
  rim.addEllipse(hub, r, r);
  c.Stroke(rim, Canvas::Ink(), w * 0.05 + 3);
  c.Stroke(rim, palette::kWalnut, w * 0.05);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4 + 0.2;
    c.Segment(hub, hub + QPointF(std::cos(a), std::sin(a)) * r, palette::kWalnut, 3);
    c.Box(QRectF(hub.x() + std::cos(a) * r - 6, hub.y() + std::sin(a) * r - 6, 12, 12),
          palette::kOak, 1, 0.1);
  }
  c.Oval(QRectF(hub.x() - 7, hub.y() - 7, 14, 14), palette::kIron, 0.1);
}

void PaintShed(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor wood = p.Color("wood");
  const QRectF front(box.left(), box.top() + h * 0.25, w, h * 0.75);
  c.Box(front, wood, 0, 0.1);
  for (double x = front.left() + 12; x < front.right(); x += 12)
    c.Segment({x, front.top()}, {x, front.bottom()}, Dark(wood, 25), 1);
  c.Poly({{box.left() - w * 0.06, front.top() + 4},
          {box.left() + w * 0.1, box.top()},
          {box.right() - w * 0.1, box.top()},
          {box.right() + w * 0.06, front.top() + 4}},
         p.Color("roof"), 0.15);
  if (p.Flag("open")) {
    const QRectF doorway(front.left() + w * 0.25, front.top() + front.height() * 0.2, w * 0.5,
                         front.height() * 0.8);
    // Inside: the dim back wall, lit a little from the door, and straw on the floor, light
    // enough that someone standing in the doorway stands out against it.
    c.Box(doorway, QColor(50, 38, 30), 0, 0);
    const QRectF inside = doorway.adjusted(1, 1, -1, -1);
    QLinearGradient dim(inside.topLeft(), inside.bottomLeft());
    dim.setColorAt(0, QColor(66, 50, 38));
    dim.setColorAt(0.72, QColor(128, 100, 70));
    dim.setColorAt(0.8, QColor(196, 166, 92));
    dim.setColorAt(1, QColor(214, 184, 104));
    c.p.fillRect(inside, dim);
    for (double x = inside.left() + 14; x < inside.right() - 4; x += 14)
      c.Segment({x, inside.top()}, {x, inside.top() + inside.height() * 0.76},
                QColor(54, 40, 30, 120), 1);
  }
}

void PaintShip(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor hull = p.Color("hull");
  const QColor sails = p.Color("sails");
  const int masts = p.Int("masts");
  const double deck = box.top() + h * 0.66;
  for (int m = 0; m < masts; ++m) {
    const double x = box.left() + w * (masts == 1 ? 0.5 : 0.3 + m * 0.4 / (masts - 1));
    c.Segment({x, deck}, {x, box.top()}, palette::kWalnut, std::max(3.0, w * 0.015));
    for (int k = 0; k < 2; ++k) {
      const double top = box.top() + h * (0.06 + k * 0.28);
      const double sw = w * (0.2 - k * 0.02 + (k == 1 ? 0.04 : 0));
      QPainterPath sail;
      sail.moveTo(x - sw * 0.5, top);
      sail.lineTo(x + sw * 0.5, top);
      sail.quadTo(x + sw * 0.65, top + h * 0.13, x + sw * 0.55, top + h * 0.24);
      sail.lineTo(x - sw * 0.55, top + h * 0.24);
      sail.quadTo(x - sw * 0.45, top + h * 0.13, x - sw * 0.5, top);
      c.Fill(sail, sails, 0.12);
    }
    c.Poly({{x, box.top() - h * 0.06}, {x + w * 0.06, box.top() - h * 0.03}, {x, box.top()}},
           p.Color("flag"), 0);
  }
  QPainterPath body;
  body.moveTo(box.left(), deck - h * 0.06);
  body.lineTo(box.right(), deck - h * 0.1);
  body.quadTo(box.right() - w * 0.06, box.bottom(), box.right() - w * 0.18, box.bottom());
  body.lineTo(box.left() + w * 0.12, box.bottom());
  body.quadTo(box.left() + w * 0.02, box.bottom() - h * 0.1, box.left(), deck - h * 0.06);
  body.closeSubpath();
  c.Fill(body, hull, 0.15);
  c.Segment({box.left() + w * 0.02, deck + h * 0.04}, {box.right() - w * 0.03, deck},
            QColor(230, 200, 120), h * 0.03);
  for (int i = 0; i < 6; ++i) {
    c.Box(QRectF(box.left() + w * (0.18 + i * 0.11), deck + h * 0.1, w * 0.04, h * 0.05),
          QColor(40, 30, 24), 1, 0);
  }
  const std::string name = p.Text("name");
  if (!name.empty()) {
    c.Lettering(QRectF(box.left() + w * 0.04, box.bottom() - h * 0.15, w * 0.8, h * 0.1), name,
                QColor(250, 236, 180), h * 0.065, true, true);
  }
}

void PaintRowboat(Canvas& c, const QRectF& box, const Params& p) {
  QPainterPath hull;
  hull.moveTo(box.left(), box.top());
  hull.lineTo(box.right(), box.top());
  hull.quadTo(box.right() - box.width() * 0.1, box.bottom(), box.center().x(), box.bottom());
  hull.quadTo(box.left() + box.width() * 0.15, box.bottom(), box.left(), box.top());
  c.Fill(hull, p.Color("color"), 0.15);
  c.Segment({box.left() + box.width() * 0.2, box.top() + box.height() * 0.05},
            {box.right() - box.width() * 0.1, box.top() + box.height() * 0.8}, palette::kPine, 3);
}

void PaintCart(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor wood = p.Color("wood");
  const bool broken = p.Flag("broken");
  c.p.save();
  if (broken) {
    c.p.translate(box.left() + w * 0.7, box.bottom());
    c.p.rotate(-7);
    c.p.translate(-(box.left() + w * 0.7), -box.bottom());
  }
  // Shafts, box and wheel.
  c.Segment({box.left() + w * 0.6, box.top() + h * 0.55}, {box.right(), box.top() + h * 0.7}, wood,
            h * 0.05);
  if (p.Flag("apples")) {
    for (int i = 0; i < 14; ++i) {
      const double r = w * 0.045;
      c.Oval(QRectF(box.left() + w * (0.1 + (i % 7) * 0.07),
                    box.top() + h * (0.18 + (i / 7) * 0.08) - r, 2 * r, 2 * r),
             i % 4 == 1 ? QColor(230, 200, 60) : QColor(200, 50, 45), 0.2);
    }
  }
  c.Box(QRectF(box.left() + w * 0.05, box.top() + h * 0.25, w * 0.6, h * 0.35), wood, 3, 0.12);
  for (int i = 1; i < 3; ++i)
    c.Segment({box.left() + w * 0.05, box.top() + h * (0.25 + i * 0.12)},
              {box.left() + w * 0.65, box.top() + h * (0.25 + i * 0.12)}, Dark(wood, 25), 1);
  c.p.restore();
  const QPointF hub(box.left() + w * 0.3, box.bottom() - h * 0.22);
  const double r = h * 0.22;
  if (broken) {
    // The wheel has come off and leans against the cart.
    c.p.save();
    c.p.translate(box.left() + w * 0.02, box.bottom() - r);
    c.p.scale(0.45, 1);
    QPainterPath wheel;
    wheel.addEllipse(QPointF(0, 0), r, r);
    c.Stroke(wheel, Canvas::Ink(), 8);
    c.Stroke(wheel, palette::kWalnut, 5);
    c.p.restore();
    c.Box(QRectF(hub.x() - 5, hub.y() - 5, 10, 10), palette::kIron, 2, 0);
  } else {
    QPainterPath wheel;
    wheel.addEllipse(hub, r, r);
    c.Stroke(wheel, Canvas::Ink(), 8);
    c.Stroke(wheel, palette::kWalnut, 5);
    for (int i = 0; i < 6; ++i) {
      const double a = i * M_PI / 3;
      c.Segment(hub, hub + QPointF(std::cos(a), std::sin(a)) * r, palette::kWalnut, 2.5);
    }
  }
}

void PaintBollard(Canvas& c, const QRectF& box, const Params&) {
  c.Box(QRectF(box.left() + box.width() * 0.2, box.top() + box.height() * 0.2, box.width() * 0.6,
               box.height() * 0.8),
        palette::kIron, 4, 0.2);
  c.Oval(QRectF(box.left(), box.top(), box.width(), box.height() * 0.35),
         palette::kIron.lighter(115), 0.15);
  QPainterPath rope(QPointF(box.left() + box.width() * 0.1, box.top() + box.height() * 0.55));
  rope.quadTo(box.center().x(), box.top() + box.height() * 0.7, box.right() + box.width() * 0.6,
              box.top() + box.height() * 0.4);
  c.Limb(rope, QColor(200, 170, 110), 3);
}

void PaintLamppost(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.center().x() - w * 0.08, box.top() + h * 0.2, w * 0.16, h * 0.8), palette::kIron,
        2, 0.1);
  c.Poly({{box.left() + w * 0.15, box.top() + h * 0.05},
          {box.right() - w * 0.15, box.top() + h * 0.05},
          {box.right() - w * 0.25, box.top() + h * 0.2},
          {box.left() + w * 0.25, box.top() + h * 0.2}},
         p.Flag("lit") ? QColor(255, 226, 140) : QColor(220, 230, 236), 0.1);
  c.Poly({{box.left() + w * 0.05, box.top() + h * 0.06},
          {box.center().x(), box.top()},
          {box.right() - w * 0.05, box.top() + h * 0.06}},
         palette::kIron, 0.1);
}

// A tower the builders have not finished: stone courses up to a ragged top, no belfry,
// no roof and no clock, and the wooden scaffolding with its hoist standing round it.
void PaintUnfinishedTower(Canvas& c, const QRectF& box, const QColor& wall) {
  const double w = box.width();
  const double h = box.height();
  const double top = box.top() + h * 0.3;
  const double left = box.left() + w * 0.15;
  const double right = box.left() + w * 0.85;
  // The wall steps down where the last courses are still missing.
  const double course = std::max(4.0, h * 0.045);
  const double step1 = left + (right - left) * 0.4;
  const double step2 = left + (right - left) * 0.7;
  QPainterPath wallPath;
  wallPath.moveTo(left, box.bottom());
  for (const QPointF& corner :
       {QPointF(left, top), QPointF(step1, top), QPointF(step1, top + course),
        QPointF(step2, top + course), QPointF(step2, top + course * 2),
        QPointF(right, top + course * 2), QPointF(right, box.bottom())})
    wallPath.lineTo(corner);
  wallPath.closeSubpath();
  c.FillNoOutline(wallPath, wall, 0.12);
  c.p.save();
  c.p.setClipPath(wallPath);
  for (double y = top + course; y < box.bottom() - 2; y += course)
    c.Segment({left, y}, {right, y}, Dark(wall, 16), 0.8);
  c.p.restore();
  c.Outline(wallPath);
  // An empty window where the clock will go, and a few loose stones waiting on top.
  c.Box(QRectF(box.center().x() - w * 0.1, top + h * 0.14, w * 0.2, h * 0.12), QColor(60, 50, 48),
        w * 0.06, 0);
  c.Box(QRectF(left + w * 0.04, top - course, w * 0.16, course), wall.lighter(104), 0, 0.1);
  // Scaffolding: two poles rising above the wall, ledgers across them, a brace.
  const QColor timber(150, 112, 70);
  const double pole = std::max(2.0, w * 0.06);
  for (double x : {box.left() + w * 0.06, box.right() - w * 0.06}) {
    QPainterPath upright(QPointF(x, box.top() + pole));
    upright.lineTo(x, box.bottom());
    c.Limb(upright, timber, pole);
  }
  for (double k : {0.12, 0.42, 0.72}) {
    const double y = box.top() + h * k;
    c.Box(QRectF(box.left(), y, w, std::max(2.5, h * 0.025)), timber.lighter(110), 0, 0.05);
  }
  QPainterPath brace(QPointF(box.left() + w * 0.06, box.top() + h * 0.72));
  brace.lineTo(box.right() - w * 0.06, box.top() + h * 0.42);
  c.Limb(brace, timber, pole * 0.7);
  // The hoist: a beam out over the side, a rope and a bucket of mortar.
  const double beamY = box.top() + h * 0.02 + pole;
  QPainterPath beam(QPointF(box.right() - w * 0.06, beamY));
  beam.lineTo(box.right() + w * 0.12, beamY);
  c.Limb(beam, timber, pole);
  c.Segment({box.right() + w * 0.1, beamY}, {box.right() + w * 0.1, box.top() + h * 0.2},
            QColor(90, 80, 66), 1.2);
  c.Box(QRectF(box.right() + w * 0.04, box.top() + h * 0.2, w * 0.12, h * 0.05),
        QColor(120, 110, 100), 1, 0.1);
}

// A bell tower or steeple; with needle it carries a sky needle and its wire to the ground.
void PaintTower(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor wall = p.Color("wall");
  if (p.Flag("unfinished")) {
    PaintUnfinishedTower(c, box, wall);
    return;
  }
  const QRectF base(box.left() + w * 0.15, box.top() + h * 0.35, w * 0.7, h * 0.65);
  c.Box(base, wall, 0, 0.12);
  const QRectF belfry(box.left() + w * 0.22, box.top() + h * 0.22, w * 0.56, h * 0.15);
  c.Box(belfry, wall.lighter(106), 0, 0.1);
  QPainterPath arch;
  arch.moveTo(belfry.left() + belfry.width() * 0.3, belfry.bottom());
  arch.lineTo(belfry.left() + belfry.width() * 0.3, belfry.top() + belfry.height() * 0.45);
  arch.quadTo(belfry.center().x(), belfry.top(), belfry.right() - belfry.width() * 0.3,
              belfry.top() + belfry.height() * 0.45);
  arch.lineTo(belfry.right() - belfry.width() * 0.3, belfry.bottom());
  arch.closeSubpath();
  c.Fill(arch, QColor(50, 40, 40), 0);
  c.Oval(QRectF(belfry.center().x() - w * 0.06, belfry.top() + belfry.height() * 0.45, w * 0.12,
                w * 0.1),
         palette::kBrass, 0.15);
  c.Poly({{belfry.left() - w * 0.04, belfry.top()},
          {box.center().x(), box.top() + h * 0.04},
          {belfry.right() + w * 0.04, belfry.top()}},
         p.Color("roof"), 0.18);
  const QRectF clock(base.center().x() - w * 0.14, base.top() + h * 0.05, w * 0.28, w * 0.28);
  c.Oval(clock, QColor(250, 246, 232), 0.05);
  c.Segment(clock.center(), clock.center() + QPointF(0, -clock.height() * 0.35), Canvas::Ink(),
            1.5);
  c.Segment(clock.center(), clock.center() + QPointF(clock.width() * 0.25, 0), Canvas::Ink(), 1.5);
  if (p.Flag("needle")) {
    c.Segment({box.center().x(), box.top() + h * 0.05}, {box.center().x(), box.top() - h * 0.06},
              palette::kIron, 2.5);
    c.Segment({box.center().x() + 2, box.top() + h * 0.06}, {base.right() + 2, box.bottom()},
              QColor(90, 90, 100), 1.2);
  }
}

void PaintClouds(Canvas& c, const QRectF& box, const Params& p) {
  const QColor color = p.Color("color");
  QPainterPath mass;
  mass.setFillRule(Qt::WindingFill);
  // The puffs stay inside the box, so the clouds end where the writer says.
  const int puffs = static_cast<int>(box.width() / 45) + 2;
  for (int i = 0; i < puffs; ++i) {
    const double r = c.Random(0.35, 0.5) * std::min(box.height(), box.width() * 0.3);
    const double x = box.left() + r * 1.3 + i * (box.width() - r * 2.6) / (puffs - 1);
    mass.addEllipse(QPointF(x, box.top() + box.height() * c.Random(0.35, 0.6)), r * 1.3, r);
  }
  mass.addRect(QRectF(box.left(), box.top() + box.height() * 0.3, box.width(), box.height() * 0.4));
  const QPainterPath shape = mass.simplified();
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0, color.lighter(120));
  shade.setColorAt(1, color.darker(120));
  c.p.fillPath(shape, shade);
}

void PaintMoon(Canvas& c, const QRectF& box, const Params&) {
  QRadialGradient glow(box.center(), box.width());
  glow.setColorAt(0, QColor(255, 250, 220, 120));
  glow.setColorAt(1, QColor(255, 250, 220, 0));
  c.p.fillRect(box.adjusted(-box.width() / 2, -box.height() / 2, box.width() / 2, box.height() / 2),
               glow);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(250, 246, 214));
  c.p.drawEllipse(box);
}

void PaintFence(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  c.Box(QRectF(box.left(), box.top() + box.height() * 0.25, box.width(), box.height() * 0.12), wood,
        1, 0.1);
  c.Box(QRectF(box.left(), box.top() + box.height() * 0.62, box.width(), box.height() * 0.12), wood,
        1, 0.1);
  for (double x = box.left(); x < box.right() - 6; x += 22) {
    c.Poly({{x, box.bottom()},
            {x, box.top() + 6},
            {x + 6, box.top()},
            {x + 12, box.top() + 6},
            {x + 12, box.bottom()}},
           wood.lighter(108), 0.1);
  }
}

void PaintFountain(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  c.Oval(QRectF(box.left(), box.bottom() - h * 0.3, w, h * 0.3), palette::kStone, 0.1);
  c.Oval(QRectF(box.left() + w * 0.06, box.bottom() - h * 0.28, w * 0.88, h * 0.16),
         QColor(110, 170, 210), 0.1);
  c.Box(QRectF(box.center().x() - w * 0.06, box.top() + h * 0.35, w * 0.12, h * 0.45),
        palette::kStone, 2, 0.1);
  c.Oval(QRectF(box.left() + w * 0.25, box.top() + h * 0.32, w * 0.5, h * 0.1), palette::kStone,
         0.1);
  for (double s : {-1.0, 1.0}) {
    QPainterPath jet(QPointF(box.center().x(), box.top() + h * 0.25));
    jet.quadTo(box.center().x() + s * w * 0.3, box.top(), box.center().x() + s * w * 0.4,
               box.bottom() - h * 0.2);
    c.Stroke(jet, QColor(200, 230, 250, 200), 3);
  }
  c.Segment({box.center().x(), box.top() + h * 0.35}, {box.center().x(), box.top() + h * 0.05},
            QColor(200, 230, 250, 220), 4);
}

void PaintStoneWall(Canvas& c, const QRectF& box, const Params& p) {
  const QColor stone = p.Color("stone");
  c.Box(box, stone, 0, 0.1);
  for (double y = box.top() + 14; y < box.bottom(); y += 14) {
    c.Segment({box.left(), y}, {box.right(), y}, Dark(stone, 20), 1);
    const double offset = static_cast<int>((y - box.top()) / 14) % 2 ? 0 : 14;
    for (double x = box.left() + offset; x < box.right(); x += 28)
      c.Segment({x, y - 14}, {x, y}, Dark(stone, 20), 1);
  }
  c.Box(QRectF(box.left() - 3, box.top() - 4, box.width() + 6, 8), stone.lighter(110), 1, 0.05);
}

}  // namespace

std::vector<PainterInfo> OutdoorPainters() {
  return {
      {"water", "color:color=#5a9ec8 pond:flag", PaintWater,
       "water with ripples (pond: an oval pond)"},
      {"quay", "stone:color=stone", PaintQuay, "a stone quay edge"},
      {"cobbles", "stone:color=#b8ae9c", PaintCobbles, "a cobbled street"},
      {"path", "color:color=#d8c49a", PaintPath, "a path running away into the distance"},
      {"tree",
       "kind:round|willow|chestnut|pine=round leaf:color=leaf trunk:color=#7a5436 apples:flag",
       PaintTree, "a tree"},
      {"hedge", "leaf:color=#4f8a44 flowers:flag", PaintHedge, "a clipped hedge"},
      {"flowers", "", PaintFlowers, "a bed of flowers"},
      {"reeds", "", PaintReeds, "reeds and bulrushes"},
      {"house",
       "wall:color=#e0cfa8 roof:color=#8a4e3c door:color=#4a6a90 windows:int=2 sign:text= "
       "style:plain|brick=plain",
       PaintHouse, "a house seen from the front"},
      {"houses", "count:int=4", PaintHouses, "a row of town houses"},
      {"mill", "wall:color=#d8ccb4 roof:color=#7a5a48", PaintMill, "a mill with its water wheel"},
      {"shed", "wood:color=#9a6a44 roof:color=#6a5040 open:flag", PaintShed, "a wooden shed"},
      {"ship", "hull:color=#7a4a2c sails:color=#f4eedc flag:color=#c83c3c masts:int=2 name:text=",
       PaintShip, "a sailing ship"},
      {"rowboat", "color:color=#8a5a3a", PaintRowboat, "a small rowing boat with an oar"},
      {"cart", "wood:color=#b07a48 apples:flag broken:flag", PaintCart, "a hand cart"},
      {"bollard", "", PaintBollard, "an iron mooring post with a rope"},
      {"lamppost", "lit:flag", PaintLamppost, "a street lamp"},
      {"tower", "wall:color=#d6c8ae roof:color=#4a5a6a needle:flag unfinished:flag", PaintTower,
       "a bell tower (unfinished: still being built, in its scaffolding)"},
      {"clouds", "color:color=#6a7084", PaintClouds, "a bank of clouds"},
      {"moon", "", PaintMoon, "the moon"},
      {"fence", "wood:color=#c8a878", PaintFence, "a picket fence"},
      {"fountain", "", PaintFountain, "a garden fountain"},
      {"stonewall", "stone:color=stone", PaintStoneWall, "a low stone wall"},
  };
}

}  // namespace quenna::datakit
