#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "Painters.h"
#include "Render.h"

namespace quenna::datakit {
namespace {

// The box a layer covers with at least half its alpha.
QRect Covered(const QImage& layer) {
  QRect bounds;
  for (int y = 0; y < layer.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      if (qAlpha(row[x]) >= 128) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QImage Paint(const std::string& painter, const QRect& box, const std::vector<std::string>& words) {
  const PainterInfo* info = FindPainter(painter);
  EXPECT_NE(info, nullptr) << painter;
  QImage layer(600, 600, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter p(&layer);
  p.setRenderHint(QPainter::Antialiasing);
  Canvas canvas(p, kCellPixels, 99, LayerPart::kAll);
  info->paint(canvas, QRectF(box), ResolveParams(*info, words, {"test", 1}));
  return layer;
}

// A pupil's desk stands on the floor of its box and the pupil stays over it, whatever
// the pupil is doing; nodding brings the head down a little, sleeping on the arms a lot.
TEST(SlidePainters, PupilsStayAtTheirDesks) {
  const QRect box(150, 100, 300, 420);
  std::ostringstream dump;
  for (const char* lean : {"upright", "chin", "nod", "nap"}) {
    const QRect painted = Covered(Paint(
        "pupil", box, {"sex=female", "age=11", "hairstyle=braids", std::string("lean=") + lean}));
    dump << lean << ": top " << painted.top() - box.top() << ", inside "
         << box.adjusted(-3, -12, 3, 3).contains(painted) << ", on the floor "
         << (std::abs(painted.bottom() - box.bottom()) <= 3) << "\n";
  }
  const std::string text = dump.str();
  EXPECT_EQ(text,
            "upright: top -6, inside 1, on the floor 1\n"
            "chin: top -6, inside 1, on the floor 1\n"
            "nod: top 4, inside 1, on the floor 1\n"
            "nap: top 92, inside 1, on the floor 1\n")
      << text;
}

// A portrait shows its sitter only inside the frame, however close it is drawn.
TEST(SlidePainters, PortraitsKeepToTheirFrames) {
  const QRect box(200, 150, 200, 240);
  for (const char* zoom : {"zoom=0.5", "zoom=1", "zoom=2"}) {
    for (const char* shape : {"shape=oval", "shape=rect"}) {
      SCOPED_TRACE(std::string(zoom) + " " + shape);
      const QRect painted = Covered(Paint("portrait", box, {zoom, shape, "age=70", "hat=tricorn"}));
      EXPECT_TRUE(box.adjusted(-2, -2, 2, 2).contains(painted))
          << painted.x() << "," << painted.y() << " " << painted.width() << "x" << painted.height();
    }
  }
}

}  // namespace
}  // namespace quenna::datakit
