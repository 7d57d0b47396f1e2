#include "store/ProgressChart.h"

#include <QFontMetricsF>
#include <QPaintEvent>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/WorldTables.h"

namespace quenna {
namespace {

constexpr int kLevelsShown = LevelTable::kLastLevelPlayed;

// Thirteen colours that stay apart on screen and on paper.
constexpr std::array<QRgb, kVirtueCount> kVirtueColours = {
    0x4e79a7, 0xa0cbe8, 0xf28e2b, 0xffbe7d, 0x59a14f, 0x8cd17d, 0xb6992d,
    0xf1ce63, 0x499894, 0x86bcb6, 0xe15759, 0xff9d9a, 0x79706e};

QString CapitalName(int virtue) {
  QString name = QString::fromLatin1(VirtueName(virtue).data(),
                                     static_cast<qsizetype>(VirtueName(virtue).size()));
  name.chop(1);  // the full stop of messages
  name[0] = name[0].toUpper();
  return name;
}

int PositiveSum(const LevelPoints& points) {
  int sum = 0;
  for (const int value : points) sum += std::max(value, 0);
  return sum;
}

// A step for the scale that gives at most six lines: 1, 2 or 5 times a power of ten.
int ScaleStep(int highest) {
  for (int power = 1;; power *= 10) {
    for (const int factor : {1, 2, 5}) {
      if (highest <= 6 * factor * power) return factor * power;
    }
  }
}

}  // namespace

QColor VirtueColour(int virtue) {
  return QColor(kVirtueColours.at(static_cast<std::size_t>(virtue - 1)));
}

void DrawProgressChart(QPainter& painter, const QRectF& area, const ProgressView& view) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QFont font = painter.font();
  font.setPixelSize(std::clamp(static_cast<int>(area.height() / 22), 9, 30));
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const qreal line = metrics.height();
  const QColor ink(40, 40, 40);
  const QColor rule(215, 215, 215);

  // The legend: as many columns as the width allows.
  qreal widestName = 0;
  for (int virtue = 1; virtue <= kVirtueCount; ++virtue) {
    widestName = std::max(widestName, metrics.horizontalAdvance(CapitalName(virtue)));
  }
  const qreal swatch = line * 0.7;
  const qreal entryWidth = swatch + line * 0.4 + widestName + line;
  const int columns = std::clamp(static_cast<int>(area.width() / entryWidth), 1, kVirtueCount);
  const int rows = (kVirtueCount + columns - 1) / columns;
  const qreal legendHeight = rows * line + line * 0.5;

  int highest = 0;
  for (int row = 0; row < kLevelsShown; ++row) {
    if (view.levelShown[static_cast<std::size_t>(row)]) {
      highest = std::max(highest, PositiveSum(view.levels[static_cast<std::size_t>(row)]));
    }
  }
  const int step = ScaleStep(std::max(highest, 10));
  const int top = ((std::max(highest, 10) + step - 1) / step) * step;

  const QString levelCaption = QObject::tr("Level");
  const qreal left = area.left() +
                     std::max(metrics.horizontalAdvance(QString::number(top)) + line * 0.3,
                              metrics.horizontalAdvance(levelCaption)) +
                     line * 0.6;
  const QRectF plot(left, area.top() + line * 0.6, area.right() - left - line * 0.3,
                    area.height() - line * 0.6 - line * 1.3 - legendHeight);
  if (plot.width() <= 0 || plot.height() <= 0) {
    painter.restore();
    return;
  }

  // The scale.
  painter.setPen(ink);
  for (int value = 0; value <= top; value += step) {
    const qreal y = plot.bottom() - plot.height() * value / top;
    painter.setPen(value == 0 ? ink : rule);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(ink);
    painter.drawText(QRectF(area.left(), y - line / 2, left - area.left() - line * 0.3, line),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
  }

  // The bars, each virtue's points stacked on the previous ones.
  const qreal slot = plot.width() / kLevelsShown;
  const qreal barWidth = std::max<qreal>(1, slot * 0.75);
  for (int row = 0; row < kLevelsShown; ++row) {
    const qreal x = plot.left() + slot * row + (slot - barWidth) / 2;
    if (view.levelShown[static_cast<std::size_t>(row)]) {
      qreal base = 0;
      for (int v = 0; v < kVirtueCount; ++v) {
        const int points =
            std::max(view.levels[static_cast<std::size_t>(row)][static_cast<std::size_t>(v)], 0);
        if (points == 0) continue;
        const qreal from = plot.bottom() - plot.height() * base / top;
        base += points;
        const qreal to = plot.bottom() - plot.height() * base / top;
        painter.fillRect(QRectF(x, to, barWidth, from - to), VirtueColour(v + 1));
      }
    }
    const int level = row + 1;
    if (level == 1 || level % 5 == 0 || level == kLevelsShown) {
      painter.drawText(QRectF(x - line, plot.bottom() + line * 0.1, barWidth + 2 * line, line),
                       Qt::AlignHCenter | Qt::AlignTop, QString::number(level));
    }
  }
  painter.drawText(QRectF(area.left(), plot.bottom() + line * 0.1, left - area.left(), line),
                   Qt::AlignLeft | Qt::AlignTop, levelCaption);

  if (std::none_of(view.levelShown.begin(), view.levelShown.end(),
                   [](bool shown) { return shown; })) {
    painter.drawText(plot, Qt::AlignCenter, QObject::tr("No level was finished in this time."));
  }

  // The legend, row by row.
  const qreal legendTop = plot.bottom() + line * 1.5;
  for (int virtue = 1; virtue <= kVirtueCount; ++virtue) {
    const int column = (virtue - 1) % columns;
    const int legendRow = (virtue - 1) / columns;
    const qreal x = area.left() + column * entryWidth + line * 0.3;
    const qreal y = legendTop + legendRow * line;
    painter.fillRect(QRectF(x, y + (line - swatch) / 2, swatch, swatch), VirtueColour(virtue));
    painter.drawText(QRectF(x + swatch + line * 0.4, y, widestName + line, line),
                     Qt::AlignLeft | Qt::AlignVCenter, CapitalName(virtue));
  }
  painter.restore();
}

QImage ProgressChartImage(const ProgressView& view, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font("Liberation Sans");
  painter.setFont(font);
  DrawProgressChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), view);
  return image;
}

ProgressChartView::ProgressChartView(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(160);
}

void ProgressChartView::SetView(const ProgressView* view) {
  view_ = view;
  update();
}

void ProgressChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (view_ != nullptr) DrawProgressChart(painter, QRectF(rect()).adjusted(8, 6, -8, -4), *view_);
}

}  // namespace quenna
