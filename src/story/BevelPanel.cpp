#include "story/BevelPanel.h"

#include <QPainter>

#include "core/WidgetStyle.h"

namespace quenna {
namespace {

const QColor kHighlight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(0, 0, 0);
const QColor kLight(223, 223, 223);

// One line of a ring: top and left in one colour, bottom and right in the other.
void DrawRingLine(QPainter& painter, const QRect& r, const QColor& topLeft,
                  const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  painter.setPen(bottomRight);
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

}  // namespace

BevelPanel::BevelPanel(std::vector<Ring> rings, const QColor& background, QWidget* parent)
    : QWidget(parent), rings_(std::move(rings)) {
  SetBackground(this, background);
}

int BevelPanel::FrameWidth() const {
  int width = 0;
  for (const Ring& ring : rings_) width += ring.width;
  return width;
}

QRect BevelPanel::Inside() const {
  const int frame = FrameWidth();
  return rect().adjusted(frame, frame, -frame, -frame);
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = rect();
  for (const Ring& ring : rings_) {
    for (int line = 0; line < ring.width && r.width() > 1 && r.height() > 1; ++line) {
      switch (ring.edge) {
        case Edge::Raised:
          DrawRingLine(painter, r, kHighlight, kShadow);
          break;
        case Edge::Lowered:
          DrawRingLine(painter, r, kShadow, kHighlight);
          break;
        case Edge::Well:
          if (line == 0) {
            DrawRingLine(painter, r, kShadow, kHighlight);
          } else {
            DrawRingLine(painter, r, kDarkShadow, kLight);
          }
          break;
        case Edge::Flat:
          break;
      }
      r.adjust(1, 1, -1, -1);
    }
  }
}

}  // namespace quenna
