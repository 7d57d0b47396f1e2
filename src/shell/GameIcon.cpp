#include "shell/GameIcon.h"

#include <QLinearGradient>
#include <QPainter>

namespace quenna {

QImage GameIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);

  // Pages, then the cover over them, slightly turned so the book reads as an object.
  painter.translate(32, 32);
  painter.rotate(-8);
  painter.translate(-32, -32);
  painter.setPen(QPen(QColor(90, 70, 40), 1.2));
  painter.setBrush(QColor(250, 242, 220));
  painter.drawRoundedRect(QRectF(14, 8, 42, 50), 3, 3);
  QLinearGradient leather(10, 6, 52, 56);
  leather.setColorAt(0, QColor(170, 52, 40));
  leather.setColorAt(1, QColor(110, 30, 24));
  painter.setPen(QPen(QColor(60, 20, 14), 1.5));
  painter.setBrush(leather);
  painter.drawRoundedRect(QRectF(9, 5, 42, 52), 4, 4);
  painter.setPen(QPen(QColor(226, 186, 80), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(14, 10, 32, 42), 2, 2);
  // A quill across the cover.
  painter.setPen(QPen(QColor(245, 240, 225), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(20, 44), QPointF(40, 18));
  painter.setPen(QPen(QColor(226, 186, 80), 1.2));
  painter.drawLine(QPointF(19, 46), QPointF(22, 42));
  // The clasp.
  painter.setPen(QPen(QColor(120, 90, 30), 1));
  painter.setBrush(QColor(230, 190, 80));
  painter.drawRoundedRect(QRectF(47, 26, 8, 10), 2, 2);
  return icon;
}

}  // namespace quenna
