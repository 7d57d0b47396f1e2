#include "shell/SpotOverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace quenna {
namespace {

QPainterPath OutlinePath(const SceneSpot& spot, int cellSize) {
  QPainterPath path;
  for (const SpotEdge& edge : spot.outline) {
    path.moveTo(edge.x1 * cellSize, edge.y1 * cellSize);
    path.lineTo(edge.x2 * cellSize, edge.y2 * cellSize);
  }
  return path;
}

// A line drawn twice, dark under light, so it shows on bright and dark parts of a scene.
void DrawOutline(QPainter& painter, const QPainterPath& path, const QColor& color, qreal width,
                 Qt::PenStyle style) {
  painter.setPen(QPen(QColor(0, 0, 0, 170), width + 2, Qt::SolidLine, Qt::SquareCap));
  painter.drawPath(path);
  painter.setPen(QPen(color, width, style, Qt::SquareCap));
  painter.drawPath(path);
}

}  // namespace

SpotOverlay::SpotOverlay(QWidget& picture, std::function<SpotView()> view)
    : QWidget(&picture), view_(std::move(view)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(picture.rect());
  picture.installEventFilter(this);
  show();
}

bool SpotOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(watched)->rect());
  return false;
}

void SpotOverlay::paintEvent(QPaintEvent*) {
  const SpotView view = view_();
  if (view.spots.empty() || (!view.showAll && view.highlighted < 0)) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor person(255, 215, 0);  // gold: someone to talk to
  const QColor thing(255, 255, 255);
  const QColor keyboard(0, 255, 255);  // the spot Enter clicks
  // Things first, then people over them, then the keyboard's spot: where two spots
  // meet, the line shows the one that matters most.
  const auto drawn = [&view](int i) {
    if (i == view.highlighted) return 2;
    return view.markPeople && view.spots[static_cast<std::size_t>(i)].person ? 1 : 0;
  };
  for (int layer = 0; layer <= 2; ++layer) {
    for (int i = 0; i < static_cast<int>(view.spots.size()); ++i) {
      if (drawn(i) != layer || (!view.showAll && layer != 2)) continue;
      const QPainterPath path = OutlinePath(view.spots[static_cast<std::size_t>(i)], view.cellSize);
      if (layer == 2) {
        DrawOutline(painter, path, keyboard, 4, Qt::SolidLine);
      } else if (layer == 1) {
        DrawOutline(painter, path, person, 3, Qt::SolidLine);
      } else {
        // Things, and everything in look mode: a thinner line, dashed beside the people.
        DrawOutline(painter, path, thing, 2, view.markPeople ? Qt::DashLine : Qt::SolidLine);
      }
    }
  }
}

}  // namespace quenna
