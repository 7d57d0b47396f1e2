#include "shell/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "core/WidgetStyle.h"

namespace quenna {

QImage AboutPicture() {
  QImage picture(426, 393, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient parchment(0, 0, 0, 393);
  parchment.setColorAt(0, QColor(250, 240, 212));
  parchment.setColorAt(1, QColor(228, 207, 160));
  painter.fillRect(picture.rect(), parchment);
  painter.setPen(QPen(QColor(120, 80, 40), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(8, 8, 410, 377);

  // The date book, closed, with its clasp.
  painter.setPen(QPen(QColor(60, 30, 15), 2));
  painter.setBrush(QColor(122, 40, 30));
  painter.drawRoundedRect(QRectF(143, 118, 140, 170), 6, 6);
  painter.setBrush(QColor(240, 228, 196));
  painter.drawRect(QRectF(277, 124, 8, 158));
  painter.setPen(QPen(QColor(212, 170, 60), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(155, 130, 116, 146));
  painter.setFont(TimesFont(18, true, true));
  painter.setPen(QColor(230, 190, 80));
  painter.drawText(QRectF(155, 160, 116, 60), Qt::AlignCenter, "Date\nBook");
  painter.setFont(TimesFont(12, false, true));
  painter.drawText(QRectF(155, 226, 116, 30), Qt::AlignCenter, "O. Hollin, Printer");

  painter.setPen(kNavy);
  painter.setFont(TimesFont(30, true));
  painter.drawText(QRectF(10, 24, 406, 40), Qt::AlignCenter, "Quenna 2");
  painter.setFont(TimesFont(22, true, true));
  painter.drawText(QRectF(10, 66, 406, 30), Qt::AlignCenter, "Orn Hollin Adventure");

  painter.setPen(QColor(70, 45, 20));
  painter.setFont(TimesFont(15));
  painter.drawText(QRectF(20, 300, 386, 24), Qt::AlignCenter, "A game of thirteen virtues");
  painter.setFont(TimesFont(14, false, true));
  painter.drawText(QRectF(20, 324, 386, 22), Qt::AlignCenter, "Varnel Games");
  painter.setFont(TimesFont(12));
  painter.drawText(QRectF(20, 350, 386, 20), Qt::AlignCenter, "Click the picture to close it.");
  return picture;
}

}  // namespace quenna
