// Pictures with a job of their own: the date book's cover, the virtue chart and its
// gold bar, lettering, frames, and the schoolroom of the title picture.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

#include "Painters.h"

namespace quenna::datakit {
namespace {

QColor Dark(const QColor& color, int percent) {
  return color.darker(100 + percent);
}

const QColor kGold(224, 184, 84);

// A small flower of the virtue garden.
void Flower(Canvas& c, QPointF at, double r, const QColor& petal) {
  c.p.setPen(Qt::NoPen);
  for (int k = 0; k < 5; ++k) {
    const double a = -M_PI / 2 + k * 2 * M_PI / 5;
    c.p.setBrush(petal);
    c.p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.6, r * 0.5, r * 0.5);
  }
  c.p.setBrush(QColor(250, 210, 70));
  c.p.drawEllipse(at, r * 0.35, r * 0.35);
}

void PaintDatebook(Canvas& c, const QRectF& box, const Params& p) {
  const QColor leather = p.Color("color");
  const double w = box.width();
  const double h = box.height();
  // Page edges peeking out, then the cover.
  c.Box(QRectF(box.left() + w * 0.03, box.top() + h * 0.02, w * 0.99, h * 0.99),
        QColor(240, 230, 200), w * 0.02, 0.05);
  for (int i = 1; i < 8; ++i) {
    c.Segment({box.right() + w * 0.005, box.top() + h * 0.05 + i * 2.2},
              {box.right() + w * 0.005, box.bottom() - h * 0.05}, QColor(200, 186, 150), 0.6);
  }
  QPainterPath cover;
  cover.addRoundedRect(box, w * 0.03, w * 0.03);
  QLinearGradient shade(box.topLeft(), box.bottomRight());
  shade.setColorAt(0, leather.lighter(125));
  shade.setColorAt(0.5, leather);
  shade.setColorAt(1, leather.darker(135));
  c.p.fillPath(cover, shade);
  // Leather grain.
  c.p.setPen(Qt::NoPen);
  for (int i = 0; i < 900; ++i) {
    c.p.setBrush(c.RandomInt(0, 1) ? QColor(255, 255, 255, 14) : QColor(0, 0, 0, 18));
    const double y = box.top() + c.Random(0, h);
    c.p.drawEllipse(QPointF(box.left() + c.Random(0, w), y), 1.2, 1.2);
  }
  c.Outline(cover, 2.5);
  // The spine.
  c.Box(QRectF(box.left(), box.top(), w * 0.09, h), Dark(leather, 18), w * 0.02, 0.1);
  for (double y : {0.1, 0.3, 0.7, 0.9}) {
    c.Segment({box.left() + 2, box.top() + h * y}, {box.left() + w * 0.09 - 2, box.top() + h * y},
              kGold, 3);
  }
  // Tooled gold frames with corner flowers.
  const QRectF frame(box.left() + w * 0.16, box.top() + h * 0.06, w * 0.78, h * 0.88);
  QPainterPath border;
  border.addRoundedRect(frame, 6, 6);
  c.Stroke(border, kGold, 3);
  QPainterPath inner;
  inner.addRoundedRect(frame.adjusted(9, 9, -9, -9), 4, 4);
  c.Stroke(inner, kGold, 1.4);
  for (const QPointF& corner :
       {frame.topLeft() + QPointF(20, 20), frame.topRight() + QPointF(-20, 20),
        frame.bottomLeft() + QPointF(20, -20), frame.bottomRight() + QPointF(-20, -20)}) {
    Flower(c, corner, w * 0.03, kGold);
  }
  // The title panel.
  const QRectF panel(frame.left() + frame.width() * 0.12, frame.top() + frame.height() * 0.14,
                     frame.width() * 0.76, frame.height() * 0.36);
  c.Box(panel, Dark(leather, 25), 8, 0.05);
  QPainterPath panelEdge;
  panelEdge.addRoundedRect(panel.adjusted(4, 4, -4, -4), 6, 6);
  c.Stroke(panelEdge, kGold, 1.6);
  auto goldText = [&](const QRectF& area, const std::string& text, double size, bool italic) {
    c.Lettering(area.translated(1.5, 1.5), text, QColor(40, 20, 10, 160), size, true, italic);
    c.Lettering(area, text, QColor(240, 206, 110), size, true, italic);
  };
  goldText(QRectF(panel.left(), panel.top() + panel.height() * 0.08, panel.width(),
                  panel.height() * 0.5),
           p.Text("title"), panel.height() * 0.3, false);
  goldText(QRectF(panel.left(), panel.top() + panel.height() * 0.55, panel.width(),
                  panel.height() * 0.38),
           p.Text("subtitle"), panel.height() * 0.14, true);
  // An emblem: a lantern between two quills.
  const QPointF emblem(frame.center().x(), frame.top() + frame.height() * 0.7);
  const double s = frame.width() * 0.08;
  c.p.setPen(QPen(kGold, 2.2));
  c.p.setBrush(Qt::NoBrush);
  c.p.drawRoundedRect(QRectF(emblem.x() - s * 0.6, emblem.y() - s, s * 1.2, s * 1.7), 4, 4);
  c.p.drawLine(QPointF(emblem.x() - s * 0.6, emblem.y() - s),
               QPointF(emblem.x(), emblem.y() - s * 1.5));
  c.p.drawLine(QPointF(emblem.x() + s * 0.6, emblem.y() - s),
               QPointF(emblem.x(), emblem.y() - s * 1.5));
  c.p.setBrush(QColor(250, 220, 120));
  c.p.drawEllipse(QPointF(emblem.x(), emblem.y() - s * 0.1), s * 0.22, s * 0.35);
  for (double side : {-1.0, 1.0}) {
    QPainterPath quill(emblem + QPointF(side * s * 0.9, s * 0.9));
    quill.quadTo(emblem + QPointF(side * s * 1.2, -s * 0.2),
                 emblem + QPointF(side * s * 2.2, -s * 1.3));
    quill.quadTo(emblem + QPointF(side * s * 1.6, -s * 0.1),
                 emblem + QPointF(side * s * 0.9, s * 0.9));
    c.p.setBrush(kGold);
    c.p.drawPath(quill);
  }
  c.p.setBrush(Qt::NoBrush);
  // A ribbon bookmark hanging out at the bottom.
  c.Poly({{box.left() + w * 0.62, box.bottom() - 2},
          {box.left() + w * 0.68, box.bottom() - 2},
          {box.left() + w * 0.68, box.bottom() + h * 0.08},
          {box.left() + w * 0.65, box.bottom() + h * 0.06},
          {box.left() + w * 0.62, box.bottom() + h * 0.08}},
         QColor(60, 110, 170), 0.1);
}

// The virtue chart: thirteen flowers and names, one per row at 16 + 24k, with the
// space to the right of x = 147 kept clear for the gold bars.
void PaintVirtueChart(Canvas& c, const QRectF& box, const Params&) {
  c.p.setClipRect(box);
  static const std::array<const char*, 13> kNames = {
      "Temperance",   "Silence",   "Order",   "Resolution", "Frugality",
      "Industry",     "Sincerity", "Justice", "Moderation", "Cleanliness",
      "Tranquillity", "Chastity",  "Humility"};
  const QColor petals[] = {QColor(230, 110, 130), QColor(120, 150, 230), QColor(240, 160, 60),
                           QColor(170, 110, 210)};
  QLinearGradient paper(box.topLeft(), box.bottomLeft());
  paper.setColorAt(0, QColor(250, 244, 226));
  paper.setColorAt(1, QColor(238, 226, 196));
  c.p.fillRect(box, paper);
  for (int k = 0; k < 13; ++k) {
    const double top = box.top() + 16 + 24 * k;
    if (k % 2 == 0)
      c.p.fillRect(QRectF(box.left(), top, box.width(), 24), QColor(200, 170, 110, 28));
    Flower(c, {box.left() + 14, top + 12}, 9, petals[k % 4]);
    c.Lettering(QRectF(box.left() + 28, top, 116, 24), kNames[static_cast<std::size_t>(k)],
                QColor(70, 44, 30), 16, false, false, Qt::AlignLeft | Qt::AlignVCenter);
  }
  c.Segment({box.left() + 145, box.top() + 14}, {box.left() + 145, box.top() + 16 + 24 * 13},
            QColor(170, 130, 80), 1.2);
  const double below = box.top() + 16 + 24 * 13 + 8;
  c.Segment({box.left() + 12, below}, {box.right() - 12, below}, QColor(170, 130, 80), 1.2);
  c.Lettering(QRectF(box.left(), below + 10, box.width(), 30), "Orn Hollin's Virtue Garden",
              QColor(90, 50, 30), 20, true, true);
  c.Lettering(QRectF(box.left() + 18, below + 44, box.width() - 36, 70),
              "Every right answer makes the gold bars of its four virtues grow. "
              "Which virtue will grow tallest in your garden?",
              QColor(90, 64, 40), 14, false, false);
  for (int i = 0; i < 9; ++i) {
    const double x = box.left() + 24 + i * (box.width() - 48) / 8;
    const double y = box.bottom() - 30 - (i % 2) * 10;
    c.Segment({x, box.bottom() - 8}, {x, y}, palette::kLeaf.darker(110), 2);
    Flower(c, {x, y}, 11, petals[i % 4]);
  }
  QPainterPath edge;
  edge.addRect(box.adjusted(2, 2, -2, -2));
  c.Stroke(edge, QColor(170, 130, 80), 2);
}

void PaintGoldBar(Canvas& c, const QRectF& box, const Params&) {
  QLinearGradient gold(box.topLeft(), box.bottomLeft());
  gold.setColorAt(0, QColor(255, 242, 170));
  gold.setColorAt(0.35, QColor(246, 204, 80));
  gold.setColorAt(0.75, QColor(214, 160, 40));
  gold.setColorAt(1, QColor(150, 100, 20));
  c.p.fillRect(box, gold);
  // The last tile drawn shows its right edge: the bar's rounded end.
  c.p.fillRect(QRectF(box.right() - 1, box.top(), 1, box.height()), QColor(150, 100, 20));
}

void PaintWords(Canvas& c, const QRectF& box, const Params& p) {
  const std::string align = p.Text("align");
  const int flags = (align == "left"    ? Qt::AlignLeft
                     : align == "right" ? Qt::AlignRight
                                        : Qt::AlignHCenter) |
                    Qt::AlignVCenter;
  if (p.Flag("shadow")) {
    c.Lettering(box.translated(2, 2), p.Text("text"), QColor(0, 0, 0, 110), p.Number("size"),
                p.Flag("bold"), p.Flag("italic"), flags);
  }
  c.Lettering(box, p.Text("text"), p.Color("color"), p.Number("size"), p.Flag("bold"),
              p.Flag("italic"), flags);
}

void PaintFrame(Canvas& c, const QRectF& box, const Params& p) {
  const QColor color = p.Color("color");
  const double width = p.Number("width");
  QPainterPath outer;
  outer.addRect(box);
  QPainterPath inner;
  inner.addRect(box.adjusted(width, width, -width, -width));
  QLinearGradient shade(box.topLeft(), box.bottomRight());
  shade.setColorAt(0, color.lighter(125));
  shade.setColorAt(1, color.darker(125));
  c.p.fillPath(outer.subtracted(inner), shade);
  c.Outline(outer, 1.5);
  c.Outline(inner, 1.5);
}

void PaintSchoolDesk(Canvas& c, const QRectF& box, const Params& p) {
  const QColor wood = p.Color("wood");
  const double w = box.width();
  const double h = box.height();
  for (double x : {0.08, 0.86})
    c.Box(QRectF(box.left() + w * x, box.top() + h * 0.3, w * 0.06, h * 0.7), palette::kIron, 2,
          0.1);
  c.Box(QRectF(box.left(), box.top() + h * 0.18, w, h * 0.35), Dark(wood, 6), 3, 0.12);
  c.Poly({{box.left() + w * 0.03, box.top()},
          {box.right() - w * 0.03, box.top()},
          {box.right(), box.top() + h * 0.2},
          {box.left(), box.top() + h * 0.2}},
         wood.lighter(110), 0.08);
  c.Oval(QRectF(box.right() - w * 0.16, box.top() + h * 0.05, w * 0.07, h * 0.08),
         QColor(40, 40, 60), 0);
}

void PaintBlackboard(Canvas& c, const QRectF& box, const Params& p) {
  c.Box(box, palette::kOak, 3, 0.1);
  const QRectF board = box.adjusted(8, 8, -8, -8);
  QLinearGradient slate(board.topLeft(), board.bottomRight());
  slate.setColorAt(0, QColor(50, 80, 70));
  slate.setColorAt(1, QColor(34, 60, 52));
  c.p.fillRect(board, slate);
  c.Lettering(board.adjusted(8, 6, -8, -6), p.Text("text"), QColor(240, 244, 236, 230),
              p.Number("size"), false, true);
  c.Box(QRectF(box.left() + box.width() * 0.1, box.bottom() - 6, box.width() * 0.8, 8),
        palette::kOak, 2, 0.1);
  c.Box(QRectF(box.left() + box.width() * 0.2, box.bottom() - 10, 14, 5), QColor(250, 250, 246), 1,
        0);
}

void PaintZzz(Canvas& c, const QRectF& box, const Params&) {
  for (int i = 0; i < 3; ++i) {
    const double size = box.height() * (0.3 + i * 0.12);
    c.Lettering(QRectF(box.left() + i * box.width() * 0.3,
                       box.bottom() - (i + 1) * box.height() * 0.32, box.width() * 0.4, size),
                "z", QColor(90, 110, 200), size, true, true);
  }
}

void PaintSparkle(Canvas& c, const QRectF& box, const Params& p) {
  const QColor color = p.Color("color");
  const int count = p.Int("count");
  c.p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const double y = box.top() + c.Random(0, box.height());
    const QPointF at(box.left() + c.Random(0, box.width()), y);
    const double r = c.Random(3, 8);
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
      const double a = k * M_PI / 4;
      const double rr = k % 2 ? r * 0.25 : r;
      const QPointF pt = at + QPointF(std::cos(a) * rr, std::sin(a) * rr);
      if (k == 0)
        star.moveTo(pt);
      else
        star.lineTo(pt);
    }
    star.closeSubpath();
    c.p.setBrush(color);
    c.p.drawPath(star);
  }
}

// A flat patch of colour filling its box: a rug, a shadow, a test card.
void PaintPatch(Canvas& c, const QRectF& box, const Params& p) {
  c.p.fillRect(box, p.Color("color"));
}

}  // namespace

std::vector<PainterInfo> SpecialPainters() {
  return {
      {"datebook", "color:color=#7a2e26 title:text=Date_Book subtitle:text=of_O._Hollin,_Printer",
       PaintDatebook, "the leather-bound date book, closed"},
      {"virtuechart", "", PaintVirtueChart,
       "the virtue chart: names on rows 16 + 24k, bars from x = 147"},
      {"goldbar", "", PaintGoldBar, "one tile of a gold bar"},
      {"words",
       "text:text= size:num=20 color:color=#3a2a22 bold:flag italic:flag shadow:flag "
       "align:left|center|right=center",
       PaintWords, "lettering in a box"},
      {"frame", "color:color=#b08a50 width:num=12", PaintFrame, "a picture frame along the box"},
      {"schooldesk", "wood:color=#c89a60", PaintSchoolDesk, "a school desk with an inkwell"},
      {"blackboard", "text:text= size:num=22", PaintBlackboard, "a blackboard with chalk writing"},
      {"zzz", "", PaintZzz, "the z's of someone asleep"},
      {"patch", "color:color=#888888", PaintPatch, "a flat patch of colour filling its box"},
      {"sparkle", "color:color=#fff4b0 count:int=12", PaintSparkle, "little stars of light"},
  };
}

}  // namespace quenna::datakit
