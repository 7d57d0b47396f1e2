// Things people use: the printer's tools, books and papers, lamps and jars, the
// electrical apparatus, boxes and barrels, toys and the kite.
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

void PaintPress(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  // Two upright cheeks joined by the head at the top and the bed below.
  for (double x : {0.12, 0.76})
    c.Box(QRectF(box.left() + w * x, box.top(), w * 0.12, h), wood, 3, 0.12);
  c.Box(QRectF(box.left() + w * 0.06, box.top() + h * 0.04, w * 0.88, h * 0.12), Dark(wood, 8), 3,
        0.12);
  c.Box(QRectF(box.left() + w * 0.06, box.top() + h * 0.36, w * 0.88, h * 0.07), Dark(wood, 8), 2,
        0.1);
  // The great screw and the platen that presses the paper.
  c.Box(QRectF(box.center().x() - w * 0.05, box.top() + h * 0.16, w * 0.1, h * 0.2), palette::kIron,
        2, 0.2);
  for (int i = 0; i < 4; ++i) {
    const double y = box.top() + h * (0.18 + i * 0.045);
    c.Segment({box.center().x() - w * 0.05, y}, {box.center().x() + w * 0.05, y + h * 0.02},
              palette::kIron.lighter(150), 1.2);
  }
  c.Box(QRectF(box.left() + w * 0.28, box.top() + h * 0.43, w * 0.44, h * 0.06),
        palette::kIron.lighter(120), 2, 0.1);
  // The bar the pressman pulls.
  QPainterPath bar(QPointF(box.center().x() + w * 0.04, box.top() + h * 0.25));
  bar.quadTo(box.left() + w * 0.95, box.top() + h * 0.24, box.right() + w * 0.12,
             box.top() + h * 0.34);
  c.Limb(bar, palette::kIron, w * 0.035);
  c.Oval(QRectF(box.right() + w * 0.07, box.top() + h * 0.3, w * 0.1, w * 0.1), wood, 0.1);
  // The bed with a sheet on the tympan, running out to the front.
  c.Poly({{box.left() - w * 0.04, box.top() + h * 0.56},
          {box.right() + w * 0.04, box.top() + h * 0.56},
          {box.right() + w * 0.1, box.top() + h * 0.66},
          {box.left() - w * 0.1, box.top() + h * 0.66}},
         Dark(wood, 4), 0.1);
  c.Poly({{box.left() + w * 0.2, box.top() + h * 0.555},
          {box.left() + w * 0.6, box.top() + h * 0.555},
          {box.left() + w * 0.63, box.top() + h * 0.62},
          {box.left() + w * 0.16, box.top() + h * 0.62}},
         palette::kPaper, 0);
  for (double x : {0.1, 0.82})
    c.Box(QRectF(box.left() + w * x, box.top() + h * 0.66, w * 0.08, h * 0.34), Dark(wood, 10), 2,
          0.1);
}

void PaintTypecase(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left() + w * 0.05, box.top() + h * 0.4, w * 0.9, h * 0.6), Dark(wood, 6), 2,
        0.12);
  for (int i = 0; i < 4; ++i) {
    const QRectF drawer(box.left() + w * 0.1, box.top() + h * (0.46 + i * 0.13), w * 0.8, h * 0.1);
    c.Box(drawer, wood, 2, 0.08);
    c.Oval(QRectF(drawer.center().x() - 3, drawer.center().y() - 3, 6, 6), palette::kBrass, 0);
  }
  // Two sloping cases: the upper case for capitals, the lower case for small letters.
  for (int k = 0; k < 2; ++k) {
    const double top = box.top() + h * (k == 0 ? 0.0 : 0.2);
    const double bottom = top + h * 0.2;
    const QRectF tray(box.left(), top, w, bottom - top);
    c.Box(tray, wood.lighter(110), 2, 0.05);
    const int columns = k == 0 ? 9 : 7;
    for (int i = 1; i < columns; ++i) {
      const double x = tray.left() + i * tray.width() / columns;
      c.Segment({x, tray.top() + 2}, {x, tray.bottom() - 2}, Dark(wood, 30), 1.1);
    }
    c.Segment({tray.left() + 2, tray.center().y()}, {tray.right() - 2, tray.center().y()},
              Dark(wood, 30), 1.1);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(110, 110, 120));
    for (int i = 0; i < columns * 2; ++i) {
      const double x = tray.left() + (i % columns + 0.5) * tray.width() / columns;
      const double y = tray.top() + (i / columns + 0.55) * tray.height() / 2;
      c.p.drawEllipse(QPointF(x + c.Random(-2, 2), y), 3, 2);
    }
  }
}

void PaintInkballs(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  for (int k = 0; k < 2; ++k) {
    const double x = box.left() + w * (0.25 + k * 0.5);
    c.Box(QRectF(x - w * 0.05, box.top(), w * 0.1, h * 0.55), palette::kPine, 3, 0.1);
    QPainterPath ball;
    ball.moveTo(x - w * 0.22, box.bottom() - h * 0.05);
    ball.quadTo(x - w * 0.24, box.top() + h * 0.45, x, box.top() + h * 0.45);
    ball.quadTo(x + w * 0.24, box.top() + h * 0.45, x + w * 0.22, box.bottom() - h * 0.05);
    ball.closeSubpath();
    c.Fill(ball, QColor(120, 80, 50), 0.15);
    c.Box(QRectF(x - w * 0.23, box.bottom() - h * 0.12, w * 0.46, h * 0.12), QColor(30, 30, 36), 3,
          0);
  }
}

void PaintDryingLine(Canvas& c, const QRectF& box, const Params& p) {
  const int sheets = p.Int("sheets");
  c.Segment({box.left(), box.top() + 3}, {box.right(), box.top() + 3}, QColor(120, 100, 80), 1.8);
  const double sw = box.width() / sheets;
  for (int i = 0; i < sheets; ++i) {
    const QRectF sheet(box.left() + i * sw + sw * 0.08, box.top() + 2, sw * 0.84, box.height() - 2);
    c.Box(sheet, palette::kPaper, 0, 0.05);
    c.Lettering(QRectF(sheet.left(), sheet.top() + 3, sheet.width(), sheet.height() * 0.2),
                "LANTERN", QColor(40, 40, 40), sheet.width() * 0.16, true);
    for (int l = 0; l < 6; ++l) {
      const double y = sheet.top() + sheet.height() * (0.3 + l * 0.11);
      c.Segment({sheet.left() + 4, y}, {sheet.center().x() - 2, y}, QColor(120, 120, 120), 1);
      c.Segment({sheet.center().x() + 2, y}, {sheet.right() - 4, y}, QColor(120, 120, 120), 1);
    }
    c.Box(QRectF(sheet.center().x() - 3, box.top() - 2, 6, 10), palette::kPine, 1, 0);
  }
}

void PaintPapers(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const std::string title = p.Text("title");
  const double sh = box.height() / (count + 1.5);
  for (int i = 0; i < count; ++i) {
    const double y = box.bottom() - (i + 1) * sh;
    c.Box(QRectF(box.left() + c.Random(-3, 3), y, box.width(), sh),
          i % 2 ? palette::kPaper : QColor(238, 230, 206), 1, 0.04);
  }
  const QRectF topSheet(box.left(), box.top(), box.width(),
                        box.bottom() - count * sh - box.top() + 2);
  c.Poly({{topSheet.left() + box.width() * 0.06, topSheet.top()},
          {topSheet.right() - box.width() * 0.06, topSheet.top()},
          {topSheet.right(), topSheet.bottom()},
          {topSheet.left(), topSheet.bottom()}},
         palette::kPaper, 0.03);
  if (!title.empty()) {
    c.Lettering(
        QRectF(topSheet.left(), topSheet.top() + 2, topSheet.width(), topSheet.height() * 0.4),
        title, QColor(40, 40, 40), topSheet.height() * 0.25, true);
  }
  for (int l = 0; l < 3; ++l) {
    const double y = topSheet.top() + topSheet.height() * (0.5 + l * 0.15);
    c.Segment({topSheet.left() + 8, y}, {topSheet.right() - 8, y}, QColor(130, 130, 130), 1);
  }
}

void PaintJar(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  QPainterPath jar;
  jar.moveTo(box.left() + w * 0.2, box.top() + h * 0.12);
  jar.quadTo(box.left(), box.top() + h * 0.3, box.left() + w * 0.05, box.top() + h * 0.9);
  jar.quadTo(box.center().x(), box.bottom() + h * 0.04, box.right() - w * 0.05,
             box.top() + h * 0.9);
  jar.quadTo(box.right(), box.top() + h * 0.3, box.right() - w * 0.2, box.top() + h * 0.12);
  jar.closeSubpath();
  c.Fill(jar, QColor(200, 225, 230, 170), 0.1);
  if (p.Flag("slips")) {
    const QColor slips[] = {QColor(250, 240, 200), QColor(250, 220, 220), QColor(220, 240, 250),
                            QColor(240, 250, 220)};
    c.line = 1;
    for (int i = 0; i < 12; ++i) {
      const double y = box.top() + h * c.Random(0.35, 0.85);
      const QPointF at(box.left() + w * c.Random(0.2, 0.8), y);
      c.p.save();
      c.p.translate(at);
      c.p.rotate(c.Random(-40, 40));
      c.Box(QRectF(-w * 0.12, -h * 0.04, w * 0.24, h * 0.08), slips[i % 4], 0, 0);
      c.p.restore();
    }
    c.line = 2;
  }
  c.Box(QRectF(box.left() + w * 0.16, box.top(), w * 0.68, h * 0.14), p.Color("lid"), 3, 0.1);
  c.p.fillRect(QRectF(box.left() + w * 0.22, box.top() + h * 0.25, w * 0.08, h * 0.5),
               QColor(255, 255, 255, 90));
  const std::string label = p.Text("label");
  if (!label.empty()) {
    c.Box(QRectF(box.left() + w * 0.22, box.top() + h * 0.45, w * 0.56, h * 0.22), palette::kPaper,
          1, 0);
    c.Lettering(QRectF(box.left() + w * 0.22, box.top() + h * 0.45, w * 0.56, h * 0.22), label,
                QColor(60, 40, 30), h * 0.1, true, true);
  }
}

void Flame(Canvas& c, QPointF base, double size) {
  QRadialGradient glow(base + QPointF(0, -size * 0.6), size * 3);
  glow.setColorAt(0, QColor(255, 240, 170, 150));
  glow.setColorAt(1, QColor(255, 240, 170, 0));
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(glow);
  c.p.drawEllipse(base + QPointF(0, -size * 0.6), size * 3, size * 3);
  QPainterPath flame(base);
  flame.quadTo(base + QPointF(-size * 0.5, -size * 0.4), base + QPointF(0, -size * 1.5));
  flame.quadTo(base + QPointF(size * 0.5, -size * 0.4), base);
  c.FillNoOutline(flame, QColor(255, 190, 60));
  QPainterPath inner(base);
  inner.quadTo(base + QPointF(-size * 0.22, -size * 0.3), base + QPointF(0, -size * 0.9));
  inner.quadTo(base + QPointF(size * 0.22, -size * 0.3), base);
  c.FillNoOutline(inner, QColor(255, 246, 200));
}

void PaintCandle(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QColor holder = p.Color("holder");
  c.Oval(QRectF(box.left(), box.bottom() - h * 0.12, w, h * 0.12), holder, 0.15);
  c.Box(QRectF(box.center().x() - w * 0.12, box.bottom() - h * 0.3, w * 0.24, h * 0.22), holder, 2,
        0.15);
  const QRectF wax(box.center().x() - w * 0.12, box.top() + h * 0.3, w * 0.24, h * 0.42);
  c.Box(wax, QColor(250, 244, 226), 2, 0.06);
  c.Segment({wax.center().x(), wax.top()}, {wax.center().x(), wax.top() - h * 0.04}, Canvas::Ink(),
            1.2);
  if (p.Flag("lit")) Flame(c, {wax.center().x(), wax.top() - h * 0.03}, h * 0.12);
}

// The reflector lamp: a candle before a bowl of polished tin that throws its light forward.
void PaintLamp(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  QRadialGradient shine(box.center(), w * 0.5);
  shine.setColorAt(0, QColor(250, 250, 255));
  shine.setColorAt(0.7, QColor(190, 196, 206));
  shine.setColorAt(1, QColor(130, 136, 150));
  QPainterPath dish;
  dish.addEllipse(QRectF(box.left(), box.top(), w, h * 0.8));
  c.p.fillPath(dish, shine);
  c.Outline(dish);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    c.Segment(box.center() + QPointF(0, -h * 0.1),
              box.center() + QPointF(std::cos(a) * w * 0.45, std::sin(a) * h * 0.38 - h * 0.1),
              QColor(255, 255, 255, 110), 1.4);
  }
  c.Box(QRectF(box.left() + w * 0.1, box.bottom() - h * 0.1, w * 0.8, h * 0.1), palette::kIron, 2,
        0.1);
  const QRectF wax(box.center().x() - w * 0.07, box.top() + h * 0.42, w * 0.14, h * 0.48);
  c.Box(wax, QColor(250, 244, 226), 2, 0.06);
  if (p.Flag("lit")) Flame(c, {wax.center().x(), wax.top() - 2}, h * 0.12);
}

void PaintBooks(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const QColor covers[] = {QColor(150, 50, 45), QColor(45, 80, 130), QColor(60, 110, 70),
                           QColor(170, 130, 60), QColor(110, 60, 100)};
  const double bh = box.height() / count;
  for (int i = 0; i < count; ++i) {
    const double y = box.bottom() - (i + 1) * bh;
    const double inset = c.Random(0, box.width() * 0.12);
    const QRectF book(box.left() + inset, y, box.width() - inset - c.Random(0, box.width() * 0.1),
                      bh);
    c.Box(book, covers[c.RandomInt(0, 4)], 2, 0.12);
    c.p.fillRect(QRectF(book.right() - book.width() * 0.06, book.top() + 2, book.width() * 0.04,
                        book.height() - 4),
                 palette::kPaper);
    c.Segment({book.left() + 4, book.center().y()},
              {book.left() + book.width() * 0.5, book.center().y()}, palette::kBrass, 1.2);
  }
}

void PaintLedger(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left(), box.top() + h * 0.1, w, h * 0.9), p.Color("cover"), 3, 0.1);
  for (int side = 0; side < 2; ++side) {
    QPainterPath page;
    const double x0 = box.left() + w * (side == 0 ? 0.04 : 0.5);
    page.moveTo(x0, box.top() + h * 0.12);
    page.quadTo(x0 + w * 0.23, box.top() - h * 0.02, x0 + w * 0.46, box.top() + h * 0.08);
    page.lineTo(x0 + w * 0.46, box.bottom() - h * 0.1);
    page.quadTo(x0 + w * 0.23, box.bottom() - h * 0.2, x0, box.bottom() - h * 0.06);
    page.closeSubpath();
    c.Fill(page, palette::kPaper, 0.03);
    if (p.Flag("flowers")) {
      // The virtue garden: rows of little flowers, some coloured in.
      const QColor petals[] = {QColor(230, 100, 120), QColor(110, 140, 220), QColor(240, 170, 60)};
      c.p.setPen(Qt::NoPen);
      for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 5; ++k) {
          const bool coloured = (r + k + side) % 3 != 0;
          c.p.setBrush(coloured ? petals[(r + side) % 3] : QColor(220, 210, 190));
          c.p.drawEllipse(QPointF(x0 + w * (0.08 + k * 0.08), box.top() + h * (0.2 + r * 0.12)),
                          w * 0.018, w * 0.018);
        }
      }
    } else {
      for (int l = 0; l < 6; ++l) {
        const double y = box.top() + h * (0.22 + l * 0.11);
        c.Segment({x0 + w * 0.05, y}, {x0 + w * 0.41, y}, QColor(110, 120, 150), 1);
      }
    }
  }
}

void PaintGlobe(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.center().x() - w * 0.06, box.top() + h * 0.7, w * 0.12, h * 0.22),
        palette::kWalnut, 2, 0.1);
  c.Oval(QRectF(box.left() + w * 0.15, box.bottom() - h * 0.1, w * 0.7, h * 0.1), palette::kWalnut,
         0.1);
  const QRectF ball(box.left() + w * 0.08, box.top(), w * 0.84, w * 0.84);
  QRadialGradient sea(ball.center() - QPointF(w * 0.15, w * 0.15), w * 0.6);
  sea.setColorAt(0, QColor(160, 210, 230));
  sea.setColorAt(1, QColor(60, 120, 170));
  QPainterPath globe;
  globe.addEllipse(ball);
  c.p.fillPath(globe, sea);
  c.p.save();
  c.p.setClipPath(globe);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(190, 170, 110));
  c.p.drawEllipse(QPointF(ball.left() + w * 0.3, ball.top() + w * 0.32), w * 0.16, w * 0.12);
  c.p.drawEllipse(QPointF(ball.left() + w * 0.55, ball.top() + w * 0.55), w * 0.12, w * 0.18);
  c.p.drawEllipse(QPointF(ball.left() + w * 0.72, ball.top() + w * 0.25), w * 0.08, w * 0.06);
  c.p.restore();
  // The route of a voyage, dotted.
  QPainterPath route(QPointF(ball.left() + w * 0.28, ball.top() + w * 0.4));
  route.quadTo(ball.left() + w * 0.45, ball.top() + w * 0.75, ball.left() + w * 0.7,
               ball.top() + w * 0.65);
  QPen dots(QColor(200, 40, 40), 2, Qt::DotLine);
  c.p.strokePath(route, dots);
  c.Outline(globe);
  QPainterPath meridian;
  meridian.arcMoveTo(ball.adjusted(-w * 0.06, -w * 0.06, w * 0.06, w * 0.06), 100);
  meridian.arcTo(ball.adjusted(-w * 0.06, -w * 0.06, w * 0.06, w * 0.06), 100, 200);
  c.Stroke(meridian, palette::kBrass, w * 0.05);
}

void PaintTelescope(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  const QPointF head(box.center().x(), box.top() + h * 0.42);
  for (double s : {-1.0, 0.0, 1.0})
    c.Segment(head, {box.center().x() + s * w * 0.4, box.bottom()}, palette::kWalnut, w * 0.06);
  QPainterPath tube(QPointF(box.left(), box.top() + h * 0.62));
  tube.lineTo(box.right(), box.top());
  c.Limb(tube, palette::kBrass, w * 0.14);
  QPainterPath end(QPointF(box.right() - w * 0.12, box.top() + h * 0.07));
  end.lineTo(box.right(), box.top());
  c.Limb(end, palette::kBrass.darker(125), w * 0.18);
}

void PaintMugs(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const double mw = box.width() / count;
  for (int i = 0; i < count; ++i) {
    const QRectF mug(box.left() + i * mw + mw * 0.15, box.top(), mw * 0.6, box.height());
    QPainterPath handle;
    handle.addEllipse(QRectF(mug.right() - mw * 0.1, mug.top() + box.height() * 0.2, mw * 0.3,
                             box.height() * 0.5));
    c.Stroke(handle, Canvas::Ink(), 4);
    c.Stroke(handle, QColor(200, 190, 170), 2);
    c.Box(mug, i % 2 ? QColor(200, 190, 170) : QColor(150, 120, 90), 3, 0.15);
    c.Oval(QRectF(mug.left(), mug.top() - 2, mug.width(), box.height() * 0.18),
           QColor(230, 200, 140), 0.05);
  }
}

void PaintBowl(Canvas& c, const QRectF& box, const Params& p) {
  // With apples the bowl takes the left of the box and the two apples sit beside it.
  const bool apples = p.Flag("apples");
  const double w = box.width() * (apples ? 0.62 : 1.0);
  const double h = box.height();
  const QRectF rim(box.left(), box.top(), w, h);
  c.Segment({rim.center().x(), rim.top() + h * 0.1}, {rim.right(), rim.top()}, palette::kPine,
            w * 0.06);
  QPainterPath bowl;
  bowl.moveTo(rim.left(), rim.top() + h * 0.35);
  bowl.quadTo(rim.left() + w * 0.05, rim.bottom(), rim.center().x(), rim.bottom());
  bowl.quadTo(rim.right() - w * 0.05, rim.bottom(), rim.right(), rim.top() + h * 0.35);
  bowl.closeSubpath();
  c.Fill(bowl, p.Color("color"), 0.15);
  c.Oval(QRectF(rim.left(), rim.top() + h * 0.22, w, h * 0.26), QColor(236, 222, 180), 0.05);
  if (apples) {
    const double r = std::min(box.width() * 0.18, h * 0.5);
    for (int i = 0; i < 2; ++i) {
      const QRectF apple(box.right() - r * (2 + i * 1.9) - r * 0.05, box.bottom() - r * 2, r * 2,
                         r * 2);
      c.Oval(apple, QColor(200, 50, 45), 0.2);
      c.Segment({apple.center().x(), apple.top() + r * 0.2},
                {apple.center().x() + r * 0.2, apple.top() - r * 0.3}, palette::kWalnut, 1.5);
    }
  }
}

void PaintSheet(Canvas& c, const QRectF& box, const Params& p) {
  const std::string text = p.Text("text");
  c.p.save();
  c.p.translate(box.center());
  c.p.rotate(p.Number("tilt"));
  const QRectF sheet(-box.width() / 2, -box.height() / 2, box.width(), box.height());
  c.Box(sheet, palette::kPaper, 1, 0.03);
  if (!text.empty()) {
    c.Lettering(sheet.adjusted(6, 4, -6, -4), text, QColor(60, 40, 30), p.Number("letters"), false,
                true, Qt::AlignLeft | Qt::AlignTop);
  } else {
    for (int l = 0; l < 7; ++l) {
      const double y = sheet.top() + sheet.height() * (0.15 + l * 0.11);
      c.Segment({sheet.left() + 6, y}, {sheet.right() - 6 - (l % 3) * 6, y}, QColor(110, 100, 90),
                1);
    }
  }
  if (p.Flag("seal"))
    c.Oval(QRectF(sheet.right() - box.width() * 0.3, sheet.bottom() - box.width() * 0.3,
                  box.width() * 0.2, box.width() * 0.2),
           QColor(190, 40, 40), 0.1);
  c.p.restore();
}

void PaintSlate(Canvas& c, const QRectF& box, const Params& p) {
  c.Box(box, palette::kPine, 3, 0.1);
  const QRectF board = box.adjusted(box.width() * 0.06, box.width() * 0.06, -box.width() * 0.06,
                                    -box.width() * 0.06);
  c.Box(board, QColor(54, 62, 66), 2, 0.05);
  c.Lettering(board.adjusted(4, 2, -4, -2), p.Text("text"), QColor(240, 240, 236),
              p.Number("letters"), false, false);
}

void PaintSign(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const bool hanging = p.Flag("hanging");
  QRectF board = box;
  if (hanging) {
    c.Segment({box.left(), box.top() + 2}, {box.right(), box.top() + 2}, palette::kIron, 4);
    c.Segment({box.left() + 2, box.top()}, {box.left() + 2, box.top() + h * 0.3}, palette::kIron,
              4);
    board = QRectF(box.left() + w * 0.15, box.top() + h * 0.22, w * 0.75, h * 0.78);
    for (double x : {0.25, 0.75}) {
      c.Segment({board.left() + board.width() * x, box.top() + 2},
                {board.left() + board.width() * x, board.top()}, palette::kIron, 1.6);
    }
  }
  c.Box(board, p.Color("board"), 4, 0.12);
  c.Box(board.adjusted(4, 4, -4, -4), Qt::transparent, 3, 0);
  QPainterPath edge;
  edge.addRoundedRect(board.adjusted(4, 4, -4, -4), 3, 3);
  c.p.strokePath(edge, QPen(p.Color("letters"), 1.5));
  c.Lettering(board.adjusted(6, 4, -6, -4), p.Text("text"), p.Color("letters"), p.Number("size"),
              true, false);
}

void PaintBanner(Canvas& c, const QRectF& box, const Params& p) {
  const QColor cloth = p.Color("color");
  const double w = box.width();
  const double h = box.height();
  QPainterPath band;
  band.moveTo(box.left(), box.top());
  band.quadTo(box.center().x(), box.top() + h * 0.25, box.right(), box.top());
  band.lineTo(box.right() - w * 0.03, box.bottom() - h * 0.2);
  band.quadTo(box.center().x(), box.bottom(), box.left() + w * 0.03, box.bottom() - h * 0.2);
  band.closeSubpath();
  c.Fill(band, cloth, 0.12);
  c.Lettering(QRectF(box.left(), box.top() + h * 0.18, w, h * 0.6), p.Text("text"),
              p.Color("letters"), h * 0.36, true, false);
  for (double x : {box.left(), box.right()})
    c.Segment({x, box.top() - h * 0.3}, {x, box.top()}, QColor(120, 100, 80), 1.5);
}

// The banner of the Thirteen Shores: thirteen stars in a ring on blue, green and white stripes.
void PaintFlag13(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  c.Segment({box.left(), box.top()}, {box.left(), box.bottom()}, palette::kWalnut, 5);
  c.Oval(QRectF(box.left() - 5, box.top() - 8, 10, 10), palette::kBrass, 0);
  const QRectF cloth(box.left() + 3, box.top() + h * 0.02, w - 3, h * 0.6);
  QPainterPath wave;
  wave.moveTo(cloth.topLeft());
  wave.quadTo(cloth.left() + cloth.width() * 0.5, cloth.top() + h * 0.05, cloth.right(),
              cloth.top());
  wave.lineTo(cloth.right(), cloth.bottom());
  wave.quadTo(cloth.left() + cloth.width() * 0.5, cloth.bottom() + h * 0.05, cloth.left(),
              cloth.bottom());
  wave.closeSubpath();
  c.p.save();
  c.p.setClipPath(wave);
  for (int i = 0; i < 7; ++i) {
    c.p.fillRect(QRectF(cloth.left(), cloth.top() + i * cloth.height() / 7, cloth.width(),
                        cloth.height() / 7 + 1),
                 i % 2 ? QColor(250, 250, 246) : QColor(70, 140, 90));
  }
  const QRectF canton(cloth.left(), cloth.top(), cloth.width() * 0.45, cloth.height() * 0.58);
  c.p.fillRect(canton, QColor(40, 70, 140));
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(QColor(250, 240, 180));
  for (int i = 0; i < 13; ++i) {
    const double a = i * 2 * M_PI / 13;
    const QPointF at = canton.center() + QPointF(std::cos(a) * canton.width() * 0.32,
                                                 std::sin(a) * canton.height() * 0.32);
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
      const double r = (k % 2 ? 0.4 : 1.0) * canton.width() * 0.06;
      const double b = -M_PI / 2 + k * M_PI / 5;
      const QPointF pt = at + QPointF(std::cos(b) * r, std::sin(b) * r);
      if (k == 0)
        star.moveTo(pt);
      else
        star.lineTo(pt);
    }
    star.closeSubpath();
    c.p.drawPath(star);
  }
  c.p.restore();
  c.Outline(wave);
}

void PaintInkstand(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  c.Box(QRectF(box.left(), box.bottom() - h * 0.25, w, h * 0.25), palette::kBrass, 3, 0.15);
  for (double x : {0.15, 0.6}) {
    c.Box(QRectF(box.left() + w * x, box.bottom() - h * 0.5, w * 0.25, h * 0.28),
          QColor(40, 40, 50), 3, 0.2);
  }
  for (int i = 0; i < 2; ++i) {
    const QPointF base(box.left() + w * (0.28 + i * 0.45), box.bottom() - h * 0.48);
    QPainterPath feather(base);
    feather.quadTo(base + QPointF(w * 0.1 * (i ? 1 : -0.4), -h * 0.3),
                   base + QPointF(w * 0.25 * (i ? 1 : -0.6), -h * 0.52));
    feather.quadTo(base + QPointF(w * 0.22 * (i ? 1 : -0.5), -h * 0.2), base);
    c.Fill(feather, QColor(250, 250, 245), 0.05);
  }
}

// A glass jar lined inside and out with tin foil, with a brass rod and chain through
// the stopper: it stores the electric spark.
void PaintSparkJar(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QRectF jar(box.left(), box.top() + h * 0.3, w, h * 0.7);
  c.Box(jar, QColor(210, 230, 236, 200), w * 0.15, 0.05);
  c.Box(QRectF(jar.left(), jar.top() + jar.height() * 0.4, jar.width(), jar.height() * 0.6),
        QColor(200, 204, 212), w * 0.12, 0.2);
  c.Box(QRectF(jar.left() + w * 0.15, jar.top() - h * 0.05, w * 0.7, h * 0.08), palette::kWalnut, 3,
        0.1);
  c.Segment({box.center().x(), jar.top()}, {box.center().x(), box.top() + h * 0.08},
            palette::kBrass, w * 0.07);
  c.Oval(QRectF(box.center().x() - w * 0.13, box.top(), w * 0.26, w * 0.26), palette::kBrass, 0.2);
  if (p.Flag("spark")) {
    QPainterPath zap(QPointF(box.center().x() + w * 0.15, box.top() + w * 0.05));
    zap.lineTo(box.center().x() + w * 0.35, box.top() - h * 0.02);
    zap.lineTo(box.center().x() + w * 0.3, box.top() + w * 0.08);
    zap.lineTo(box.center().x() + w * 0.5, box.top() - h * 0.05);
    c.Stroke(zap, QColor(255, 250, 150), 3);
    c.Stroke(zap, Qt::white, 1.2);
  }
}

void PaintGlassTube(Canvas& c, const QRectF& box, const Params& p) {
  QPainterPath tube(QPointF(box.left(), box.bottom()));
  tube.lineTo(box.right(), box.top());
  const double width = std::min(box.width(), box.height()) * 0.16 + 6;
  c.Limb(tube, QColor(220, 236, 240), width);
  c.Stroke(tube, QColor(255, 255, 255, 140), width * 0.3);
  QPainterPath silk(QPointF(box.left() + box.width() * 0.2, box.bottom() - box.height() * 0.2));
  silk.cubicTo(box.left(), box.bottom() - box.height() * 0.1, box.left() + box.width() * 0.1,
               box.bottom(), box.left() + box.width() * 0.3, box.bottom() - box.height() * 0.05);
  c.Limb(silk, p.Color("silk"), width * 0.9);
}

void PaintBirdcage(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  c.Segment({box.center().x(), box.top()}, {box.center().x(), box.top() + h * 0.1}, palette::kBrass,
            2);
  const QRectF cage(box.left(), box.top() + h * 0.1, w, h * 0.85);
  QPainterPath dome;
  dome.moveTo(cage.left(), cage.bottom());
  dome.lineTo(cage.left(), cage.top() + cage.width() * 0.5);
  dome.arcTo(QRectF(cage.left(), cage.top(), cage.width(), cage.width()), 180, -180);
  dome.lineTo(cage.right(), cage.bottom());
  dome.closeSubpath();
  c.p.fillPath(dome, QColor(255, 250, 230, 60));
  const QColor bird = p.Color("bird");
  for (int i = 0; i < 2; ++i) {
    const QPointF at(cage.left() + cage.width() * (0.35 + i * 0.32),
                     cage.top() + cage.height() * (0.55 - i * 0.05));
    c.Oval(QRectF(at.x() - w * 0.12, at.y() - w * 0.08, w * 0.24, w * 0.16), bird, 0.1);
    c.Oval(QRectF(at.x() + (i ? -w * 0.17 : w * 0.05), at.y() - w * 0.16, w * 0.12, w * 0.12), bird,
           0.1);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(240, 140, 40));
    c.p.drawEllipse(QPointF(at.x() + (i ? -w * 0.18 : w * 0.18), at.y() - w * 0.1), w * 0.025,
                    w * 0.02);
  }
  c.Segment({cage.left() + w * 0.15, cage.top() + cage.height() * 0.64},
            {cage.right() - w * 0.15, cage.top() + cage.height() * 0.64}, palette::kWalnut, 2);
  for (int i = 0; i <= 8; ++i) {
    const double x = cage.left() + i * cage.width() / 8;
    const double topY = cage.top() + cage.width() * 0.5 -
                        std::sqrt(std::max(0.0, std::pow(cage.width() / 2, 2) -
                                                    std::pow(x - cage.center().x(), 2)));
    c.Segment({x, topY}, {x, cage.bottom()}, palette::kBrass, 1.4);
  }
  c.Outline(dome, 1.6);
  c.Box(QRectF(cage.left() - 3, cage.bottom() - 4, cage.width() + 6, 8), palette::kBrass, 2, 0.1);
}

void PaintTrunk(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("color");
  const double h = box.height();
  c.Box(QRectF(box.left(), box.top() + h * 0.3, box.width(), h * 0.7), wood, 4, 0.12);
  QPainterPath lid;
  lid.moveTo(box.left(), box.top() + h * 0.32);
  lid.quadTo(box.center().x(), box.top() - h * 0.05, box.right(), box.top() + h * 0.32);
  lid.closeSubpath();
  c.Fill(lid, wood.lighter(108), 0.12);
  for (double x : {0.15, 0.8})
    c.Box(QRectF(box.left() + box.width() * x, box.top() + h * 0.1, box.width() * 0.06, h * 0.9),
          palette::kBrass, 1, 0.1);
  c.Box(QRectF(box.center().x() - 6, box.top() + h * 0.36, 12, 14), palette::kBrass, 2, 0.1);
  const std::string label = p.Text("label");
  if (!label.empty()) {
    c.Box(QRectF(box.left() + box.width() * 0.3, box.top() + h * 0.55, box.width() * 0.4, h * 0.22),
          palette::kPaper, 1, 0);
    c.Lettering(
        QRectF(box.left() + box.width() * 0.3, box.top() + h * 0.55, box.width() * 0.4, h * 0.22),
        label, QColor(60, 40, 30), h * 0.12, true);
  }
}

void PaintBarrel(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  QPainterPath barrel;
  barrel.moveTo(box.left() + w * 0.1, box.top() + h * 0.05);
  barrel.quadTo(box.left() - w * 0.04, box.center().y(), box.left() + w * 0.1, box.bottom());
  barrel.lineTo(box.right() - w * 0.1, box.bottom());
  barrel.quadTo(box.right() + w * 0.04, box.center().y(), box.right() - w * 0.1,
                box.top() + h * 0.05);
  barrel.closeSubpath();
  c.Fill(barrel, wood, 0.15);
  for (int i = 1; i < 5; ++i) {
    const double x = box.left() + i * w / 5;
    c.Segment({x, box.top() + h * 0.06}, {x, box.bottom() - 1}, Dark(wood, 20), 1.1);
  }
  for (double y : {0.2, 0.8}) {
    c.Box(QRectF(box.left() + w * 0.02, box.top() + h * y - h * 0.04, w * 0.96, h * 0.08),
          palette::kIron, 1, 0.1);
  }
  c.Oval(QRectF(box.left() + w * 0.1, box.top(), w * 0.8, h * 0.1), Dark(wood, 10), 0.05);
}

void PaintCrate(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  c.Box(box, wood, 2, 0.12);
  for (int i = 1; i < 4; ++i)
    c.Segment({box.left(), box.top() + i * box.height() / 4},
              {box.right(), box.top() + i * box.height() / 4}, Dark(wood, 25), 1.2);
  c.Segment(box.topLeft() + QPointF(4, 4), box.bottomRight() - QPointF(4, 4), Dark(wood, 15),
            box.width() * 0.08);
  const std::string label = p.Text("label");
  if (!label.empty()) {
    c.Lettering(
        box, label, QColor(60, 30, 20, 200),
        std::min(box.height() * 0.22, box.width() * 1.2 / std::max<std::size_t>(label.size(), 1)),
        true);
  }
}

void PaintSack(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  QPainterPath sack;
  sack.moveTo(box.left() + w * 0.3, box.top() + h * 0.15);
  sack.quadTo(box.left() - w * 0.05, box.top() + h * 0.5, box.left() + w * 0.05, box.bottom());
  sack.lineTo(box.right() - w * 0.05, box.bottom());
  sack.quadTo(box.right() + w * 0.05, box.top() + h * 0.5, box.right() - w * 0.3,
              box.top() + h * 0.15);
  sack.closeSubpath();
  c.Fill(sack, p.Color("color"), 0.15);
  c.Poly({{box.left() + w * 0.3, box.top() + h * 0.18},
          {box.left() + w * 0.25, box.top()},
          {box.right() - w * 0.25, box.top()},
          {box.right() - w * 0.3, box.top() + h * 0.18}},
         p.Color("color"), 0.1);
  c.Segment({box.left() + w * 0.28, box.top() + h * 0.17},
            {box.right() - w * 0.28, box.top() + h * 0.17}, QColor(120, 90, 50), 2.5);
}

void PaintBasket(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const std::string fill = p.Text("fill");
  QPainterPath handle;
  handle.arcMoveTo(QRectF(box.left() + w * 0.15, box.top(), w * 0.7, h * 0.9), 0);
  handle.arcTo(QRectF(box.left() + w * 0.15, box.top(), w * 0.7, h * 0.9), 0, 180);
  c.Limb(handle, QColor(190, 150, 90), w * 0.05);
  if (fill == "apples") {
    for (int i = 0; i < 5; ++i) {
      const double r = w * 0.13;
      c.Oval(QRectF(box.left() + w * (0.12 + i * 0.15), box.top() + h * (0.38 + (i % 2) * 0.06),
                    2 * r, 2 * r),
             i % 3 == 1 ? QColor(230, 200, 60) : QColor(200, 50, 45), 0.2);
    }
  } else if (fill == "wool") {
    for (int i = 0; i < 3; ++i)
      c.Oval(QRectF(box.left() + w * (0.15 + i * 0.22), box.top() + h * 0.4, w * 0.26, w * 0.26),
             i == 1 ? QColor(90, 130, 200) : QColor(220, 90, 90), 0.15);
  }
  QPainterPath body;
  body.moveTo(box.left(), box.top() + h * 0.5);
  body.lineTo(box.right(), box.top() + h * 0.5);
  body.lineTo(box.right() - w * 0.1, box.bottom());
  body.lineTo(box.left() + w * 0.1, box.bottom());
  body.closeSubpath();
  c.Fill(body, QColor(200, 160, 100), 0.12);
  for (int i = 1; i < 4; ++i) {
    const double y = box.top() + h * 0.5 + i * h * 0.125;
    c.Segment({box.left() + w * 0.04 + i * w * 0.02, y}, {box.right() - w * 0.04 - i * w * 0.02, y},
              QColor(150, 110, 60), 1.2);
  }
}

void PaintBundle(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  c.Oval(QRectF(box.left(), box.top() + h * 0.25, w, h * 0.75), p.Color("color"), 0.15);
  c.Poly({{box.center().x() - w * 0.1, box.top() + h * 0.3},
          {box.center().x() - w * 0.3, box.top()},
          {box.center().x(), box.top() + h * 0.2},
          {box.center().x() + w * 0.3, box.top()},
          {box.center().x() + w * 0.1, box.top() + h * 0.3}},
         p.Color("color"), 0.1);
  c.p.setPen(Qt::NoPen);
  c.p.setBrush(Dark(p.Color("color"), 20));
  for (int i = 0; i < 6; ++i) {
    const double y = box.top() + h * c.Random(0.45, 0.85);
    c.p.drawEllipse(QPointF(box.left() + w * c.Random(0.2, 0.8), y), 3, 3);
  }
  c.Segment({box.left() - w * 0.2, box.top() + h * 0.05},
            {box.right() + w * 0.3, box.top() + h * 0.5}, palette::kWalnut, w * 0.06);
}

void PaintPlanks(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const int count = p.Int("count");
  const double ph = box.height() / count;
  for (int i = 0; i < count; ++i) {
    const double inset = c.Random(0, box.width() * 0.15);
    const QRectF plank(box.left() + inset, box.bottom() - (i + 1) * ph,
                       box.width() - inset - c.Random(0, box.width() * 0.1), ph);
    c.Box(plank, i % 2 ? wood : wood.lighter(110), 2, 0.12);
    c.Segment({plank.left() + 6, plank.center().y()},
              {plank.left() + plank.width() * 0.4, plank.center().y()}, Dark(wood, 25), 1);
    c.Oval(QRectF(plank.right() - 10, plank.top() + 2, 7, ph - 4), Dark(wood, 12), 0);
  }
}

void PaintToyBoat(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const std::string sail = p.Text("sail");
  const QColor hull = p.Color("hull");
  const QColor cloth = p.Color("color");
  const double mastX = box.center().x();
  const double deck = box.top() + h * 0.72;
  c.Segment({mastX, deck}, {mastX, box.top()}, palette::kWalnut, std::max(2.0, w * 0.04));
  if (sail == "square") {
    c.Box(QRectF(mastX - w * 0.3, box.top() + h * 0.08, w * 0.6, h * 0.5), cloth, 2, 0.1);
  } else if (sail == "round") {
    c.Oval(QRectF(mastX - w * 0.28, box.top() + h * 0.06, w * 0.56, h * 0.56), cloth, 0.1);
  } else {
    c.Poly({{mastX + w * 0.02, box.top() + h * 0.02},
            {mastX + w * 0.02, deck - h * 0.06},
            {mastX + w * 0.42, deck - h * 0.06}},
           cloth, 0.1);
  }
  QPainterPath hullPath;
  hullPath.moveTo(box.left(), deck);
  hullPath.lineTo(box.right(), deck);
  hullPath.quadTo(box.right() - w * 0.1, box.bottom(), box.center().x(), box.bottom());
  hullPath.quadTo(box.left() + w * 0.1, box.bottom(), box.left(), deck);
  c.Fill(hullPath, hull, 0.15);
  c.Segment({box.left() - w * 0.1, box.bottom() - h * 0.02},
            {box.right() + w * 0.1, box.bottom() - h * 0.02}, QColor(255, 255, 255, 150), 1.5);
}

void PaintKite(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  const QPointF top(box.center().x(), box.top() + h * 0.1);
  const QPointF left(box.left(), box.top() + h * 0.4);
  const QPointF right(box.right(), box.top() + h * 0.4);
  const QPointF bottom(box.center().x(), box.top() + h * 0.8);
  c.Poly({top, right, bottom, left}, p.Color("color"), 0.15);
  c.Segment(top, bottom, palette::kWalnut, 2);
  c.Segment(left, right, palette::kWalnut, 2);
  // The pointed wire that draws the lightning.
  c.Segment(top, top + QPointF(0, -h * 0.1), palette::kIron, 2.2);
  QPainterPath tail(bottom);
  tail.cubicTo(bottom + QPointF(w * 0.2, h * 0.05), bottom + QPointF(-w * 0.2, h * 0.12),
               bottom + QPointF(w * 0.1, h * 0.2));
  c.Stroke(tail, palette::kWalnut, 1.5);
  for (int i = 0; i < 3; ++i) {
    const QPointF bow = tail.pointAtPercent(0.3 + i * 0.3);
    c.Poly({bow + QPointF(-5, -4), bow + QPointF(5, 4), bow + QPointF(5, -4), bow + QPointF(-5, 4)},
           QColor(240, 200, 60), 0);
  }
}

// The kite string from the top corner of its box to the opposite bottom corner, pale hemp
// with a dark edge so it shows against sky and boards alike. With key, the iron key hangs
// from the string's lower end, where the silk ribbon that is held is tied on below it.
void PaintKiteString(Canvas& c, const QRectF& box, const Params& p) {
  const bool towardLeft = p.Text("dir") == "down-left";
  const QPointF from = towardLeft ? box.topRight() : box.topLeft();
  const QPointF to = towardLeft ? box.bottomLeft() : box.bottomRight();
  QPainterPath string(from);
  string.quadTo(QPointF((from.x() + to.x()) / 2, (from.y() + to.y()) / 2 + box.height() * 0.1), to);
  c.Stroke(string, QColor(70, 56, 40, 170), 3.4);
  c.Stroke(string, QColor(206, 186, 140), 1.6);
  if (p.Flag("key")) {
    const QPointF at = to;
    c.Segment(at, at + QPointF(0, 8), QColor(206, 186, 140), 1.6);
    c.Oval(QRectF(at.x() - 6, at.y() + 8, 12, 12), palette::kIron, 0.1);
    c.Box(QRectF(at.x() - 2, at.y() + 19, 4, 16), palette::kIron, 1, 0);
    c.Box(QRectF(at.x() + 2, at.y() + 29, 6, 3), palette::kIron, 0, 0);
    c.Box(QRectF(at.x() + 2, at.y() + 24, 5, 3), palette::kIron, 0, 0);
  }
}

void PaintTreaty(Canvas& c, const QRectF& box, const Params& p) {
  const double w = box.width();
  const double h = box.height();
  c.Box(box, palette::kPaper, 2, 0.05);
  c.Lettering(QRectF(box.left(), box.top() + h * 0.04, w, h * 0.2), p.Text("title"),
              QColor(60, 40, 30), h * 0.1, true, true);
  for (int l = 0; l < 6; ++l) {
    const double y = box.top() + h * (0.3 + l * 0.08);
    c.Segment({box.left() + w * 0.1, y}, {box.right() - w * (0.1 + 0.05 * (l % 2)), y},
              QColor(110, 100, 90), 1);
  }
  QPainterPath signature(QPointF(box.left() + w * 0.1, box.bottom() - h * 0.15));
  signature.cubicTo(box.left() + w * 0.2, box.bottom() - h * 0.3, box.left() + w * 0.25,
                    box.bottom() - h * 0.05, box.left() + w * 0.42, box.bottom() - h * 0.17);
  c.Stroke(signature, QColor(40, 40, 80), 1.4);
  c.Oval(QRectF(box.right() - w * 0.32, box.bottom() - h * 0.28, w * 0.2, w * 0.2), p.Color("seal"),
         0.15);
  c.Poly({{box.right() - w * 0.26, box.bottom() - h * 0.12},
          {box.right() - w * 0.3, box.bottom() + h * 0.04},
          {box.right() - w * 0.22, box.bottom() - h * 0.06}},
         p.Color("seal"), 0);
}

void PaintTeacups(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const double cw = box.width() / count;
  for (int i = 0; i < count; ++i) {
    const double x = box.left() + i * cw;
    c.Oval(QRectF(x, box.bottom() - box.height() * 0.25, cw * 0.9, box.height() * 0.25),
           QColor(250, 250, 248), 0.05);
    QPainterPath cup;
    cup.moveTo(x + cw * 0.15, box.top() + box.height() * 0.2);
    cup.lineTo(x + cw * 0.75, box.top() + box.height() * 0.2);
    cup.quadTo(x + cw * 0.72, box.bottom() - box.height() * 0.1, x + cw * 0.45,
               box.bottom() - box.height() * 0.1);
    cup.quadTo(x + cw * 0.18, box.bottom() - box.height() * 0.1, x + cw * 0.15,
               box.top() + box.height() * 0.2);
    c.Fill(cup, QColor(250, 250, 248), 0.08);
    c.Segment({x + cw * 0.2, box.top() + box.height() * 0.45},
              {x + cw * 0.7, box.top() + box.height() * 0.45}, p.Color("color"), 2);
  }
}

void PaintApples(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const double r = std::min(box.width(), box.height()) * 0.22;
  for (int i = 0; i < count; ++i) {
    const double y = box.top() + r + c.Random(0, box.height() - 2 * r);
    const QPointF at(box.left() + r + c.Random(0, box.width() - 2 * r), y);
    c.Oval(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r),
           i % 4 == 1 ? QColor(230, 200, 60) : QColor(200, 50, 45), 0.2);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(255, 255, 255, 110));
    c.p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.18);
  }
}

// The sky needle: a pointed iron rod above a roof and its wire down to the ground.
void PaintSkyNeedle(Canvas& c, const QRectF& box, const Params& p) {
  // The rod stands at one side of the box; its wire runs along the roof to the other
  // side and down that wall to the ground.
  const bool wireLeft = p.Text("wire") == "left";
  const double top = box.top();
  const double x = wireLeft ? box.right() - c.cell * 0.3 : box.left() + c.cell * 0.3;
  const double wall = wireLeft ? box.left() : box.right();
  const double roof = box.top() + p.Number("roof") * c.cell;
  c.Segment({x, roof}, {x, top + 6}, palette::kIron, 4);
  c.Poly({{x - 3, top + 8}, {x, top}, {x + 3, top + 8}}, palette::kIron, 0);
  QPainterPath wire(QPointF(x, roof));
  wire.lineTo(wall, roof + (box.bottom() - roof) * 0.22);
  wire.lineTo(wall, box.bottom());
  c.Stroke(wire, QColor(70, 70, 80), 1.8);
  c.Box(QRectF(wall - 3, box.bottom() - 5, 6, 5), palette::kIron, 1, 0);
}

// Pages of type locked in an iron frame, ready for the press.
void PaintForms(Canvas& c, const QRectF& box, const Params& p) {
  const int count = p.Int("count");
  const double fh = box.height() / count;
  for (int i = 0; i < count; ++i) {
    const QRectF frame(box.left() + i * box.width() * 0.06, box.bottom() - (i + 1) * fh,
                       box.width() * (1 - 0.06 * (count - 1)), fh * 0.92);
    c.Box(frame, palette::kIron, 2, 0.1);
    const QRectF type = frame.adjusted(frame.width() * 0.08, frame.height() * 0.18,
                                       -frame.width() * 0.08, -frame.height() * 0.18);
    c.p.fillRect(type, QColor(120, 122, 132));
    for (int l = 0; l < 4; ++l) {
      const double y = type.top() + (l + 0.5) * type.height() / 4;
      c.Segment({type.left() + 3, y}, {type.right() - 3, y}, QColor(70, 70, 80), 1.2);
    }
  }
}

void PaintBreakfast(Canvas& c, const QRectF& box, const Params&) {
  const double w = box.width();
  const double h = box.height();
  c.Oval(QRectF(box.left(), box.bottom() - h * 0.4, w * 0.75, h * 0.4), QColor(246, 244, 236),
         0.08);
  for (int i = 0; i < 3; ++i) {
    QPainterPath sausage;
    sausage.addRoundedRect(QRectF(box.left() + w * (0.1 + i * 0.06),
                                  box.bottom() - h * (0.42 - i * 0.08), w * 0.42, h * 0.14),
                           h * 0.07, h * 0.07);
    c.Fill(sausage, QColor(170, 80, 50), 0.2);
  }
  c.Oval(QRectF(box.left() + w * 0.42, box.bottom() - h * 0.62, w * 0.3, h * 0.3),
         QColor(220, 170, 100), 0.15);
  c.Box(QRectF(box.right() - w * 0.22, box.top() + h * 0.2, w * 0.2, h * 0.75),
        QColor(150, 120, 90), 3, 0.15);
}

}  // namespace

std::vector<PainterInfo> ObjectPainters() {
  return {
      {"press", "wood:color=walnut", PaintPress, "a wooden printing press with its bar"},
      {"typecase", "wood:color=oak", PaintTypecase,
       "the printer's upper and lower cases of type on a cabinet"},
      {"inkballs", "", PaintInkballs, "two leather ink balls on handles"},
      {"dryingline", "sheets:int=4", PaintDryingLine, "printed sheets hung on a line to dry"},
      {"papers", "count:int=5 title:text=", PaintPapers,
       "a stack of papers; title= prints a heading"},
      {"jar", "slips:flag lid:color=#9a6a40 label:text=", PaintJar,
       "a glass jar (slips fills it with paper slips)"},
      {"candle", "lit:flag holder:color=brass", PaintCandle, "a candle in a holder"},
      {"lamp", "lit:flag", PaintLamp, "a candle before a polished tin reflector"},
      {"books", "count:int=4", PaintBooks, "a pile of books"},
      {"ledger", "cover:color=#5a3a28 flowers:flag", PaintLedger, "a big open book"},
      {"globe", "", PaintGlobe, "a globe on a stand"},
      {"telescope", "", PaintTelescope, "a telescope on a tripod"},
      {"mugs", "count:int=3", PaintMugs, "mugs of cider"},
      {"bowl", "color:color=#c9a070 apples:flag", PaintBowl, "a bowl of porridge with a spoon"},
      {"sheet", "text:text= letters:num=10 tilt:num=0 seal:flag", PaintSheet,
       "a sheet of paper, written or ruled"},
      {"slate", "text:text= letters:num=14", PaintSlate, "a writing slate in a frame"},
      {"sign", "text:text=SIGN board:color=#2f4f7a letters:color=#f0d890 size:num=16 hanging:flag",
       PaintSign, "a painted sign board (hanging: from an iron bracket)"},
      {"banner", "text:text=Welcome color:color=#c04040 letters:color=#fff6d8", PaintBanner,
       "a cloth banner with words"},
      {"flag13", "", PaintFlag13, "the thirteen-star banner of the Shores on its pole"},
      {"inkstand", "", PaintInkstand, "an inkstand with two quills"},
      {"sparkjar", "spark:flag", PaintSparkJar, "a foil-lined jar that stores sparks"},
      {"glasstube", "silk:color=#e89ab0", PaintGlassTube,
       "a glass tube and a silk cloth, lying diagonally"},
      {"birdcage", "bird:color=#f2d23c", PaintBirdcage, "a brass cage with two canaries"},
      {"trunk", "color:color=#7a4e30 label:text=", PaintTrunk, "a travelling trunk"},
      {"barrel", "wood:color=oak", PaintBarrel, "a barrel"},
      {"crate", "wood:color=pine label:text=", PaintCrate, "a wooden crate"},
      {"sack", "color:color=#d8c49a", PaintSack, "a sack tied at the top"},
      {"basket", "fill:apples|wool|none=apples", PaintBasket, "a basket"},
      {"bundle", "color:color=#c05a4a", PaintBundle, "a cloth bundle tied to a stick"},
      {"planks", "wood:color=pine count:int=5", PaintPlanks, "a pile of planks"},
      {"toyboat", "sail:square|round|triangle=square color:color=white hull:color=#a05a34",
       PaintToyBoat, "a toy sailing boat"},
      {"kite", "color:color=#e8e2d6", PaintKite, "a silk kite with a pointed wire and a tail"},
      {"kitestring", "dir:down-left|down-right=down-right key:flag", PaintKiteString,
       "a kite string across its box, from a top corner to the opposite bottom corner (key: an "
       "iron key hangs from its lower end)"},
      {"treaty", "title:text=Treaty seal:color=#b02a2a", PaintTreaty,
       "a signed and sealed document"},
      {"apples", "count:int=6", PaintApples, "apples scattered on the ground"},
      {"skyneedle", "roof:num=2 wire:left|right=left", PaintSkyNeedle,
       "a sky needle: an iron rod at one side of the box above the roof (roof = rows below the top "
       "of the box), its wire down the wall at the other side"},
      {"forms", "count:int=2", PaintForms, "pages of type locked in iron frames"},
      {"breakfast", "", PaintBreakfast, "a plate of sausages and bread with a mug"},
      {"teacups", "count:int=2 color:color=#4a7ac0", PaintTeacups, "teacups on saucers"},
  };
}

}  // namespace quenna::datakit
