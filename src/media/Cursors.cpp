#include "media/Cursors.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quenna {
namespace {

QImage BlankCursorImage() {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Black outline on a white fill keeps the pointer visible on dark and light scenes.
void Prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
}

// Antialiasing is off, so every pixel is already black, white or clear.
QCursor Finish(const QImage& image, int hotX, int hotY) {
  return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

QCursor EyeCursor() {
  QImage image = BlankCursorImage();
  QPainter painter(&image);
  Prepare(painter);
  QPainterPath eye;
  eye.moveTo(1, 16);
  eye.quadTo(16, 2, 31, 16);
  eye.quadTo(16, 30, 1, 16);
  painter.drawPath(eye);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPoint(16, 16), 6, 6);
  painter.setBrush(Qt::white);
  painter.setPen(Qt::NoPen);
  painter.drawRect(13, 12, 2, 2);  // the glint
  return Finish(image, 16, 16);
}

QCursor TalkCursor() {
  QImage image = BlankCursorImage();
  QPainter painter(&image);
  Prepare(painter);
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2, 2, 28, 17), 7, 7);
  QPainterPath tail;
  tail.moveTo(8, 17);
  tail.lineTo(10, 24);
  tail.lineTo(16, 17);
  tail.closeSubpath();
  painter.drawPath(bubble.united(tail));
  painter.setBrush(Qt::black);
  painter.setPen(Qt::NoPen);
  for (int x : {9, 15, 21}) painter.drawRect(x, 9, 3, 3);
  return Finish(image, 10, 24);
}

QCursor HandCursor() {
  QImage image = BlankCursorImage();
  QPainter painter(&image);
  Prepare(painter);
  // The index finger points up and to the left; its tip is the hot spot.
  QPainterPath hand;
  hand.moveTo(3, 3);
  hand.lineTo(7, 2);
  hand.lineTo(13, 13);
  hand.lineTo(17, 11);
  hand.lineTo(20, 14);
  hand.lineTo(24, 13);
  hand.lineTo(27, 17);
  hand.lineTo(27, 24);
  hand.lineTo(22, 30);
  hand.lineTo(13, 30);
  hand.lineTo(6, 22);
  hand.lineTo(5, 17);
  hand.lineTo(9, 17);
  hand.lineTo(10, 14);
  hand.closeSubpath();
  painter.drawPath(hand);
  painter.drawLine(17, 11, 17, 17);
  painter.drawLine(20, 14, 20, 19);
  painter.drawLine(24, 13, 24, 20);
  return Finish(image, 3, 3);
}

}  // namespace

QCursor GameCursor(int number) {
  switch (number) {
    case kEyeCursor:
      return EyeCursor();
    case kTalkCursor:
      return TalkCursor();
    case kHandCursor:
      return HandCursor();
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

QCursor DragCursor() {
  QImage image = BlankCursorImage();
  QPainter painter(&image);
  Prepare(painter);
  QPolygon arrow({{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}});
  painter.drawPolygon(arrow);
  painter.drawRect(14, 16, 10, 13);
  painter.drawLine(16, 20, 22, 20);
  painter.drawLine(16, 23, 22, 23);
  painter.drawLine(16, 26, 20, 26);
  return Finish(image, 0, 0);
}

}  // namespace quenna
