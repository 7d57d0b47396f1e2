#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QWidget>

#include "store/ProgressSummary.h"

namespace quenna {

// The virtue points of the levels as stacked bars: one bar per level from 1 to 54, one
// colour per virtue, the scale on the left and the thirteen virtues named below. The
// progress window and the report draw the same chart.
QColor VirtueColour(int virtue);
void DrawProgressChart(QPainter& painter, const QRectF& area, const ProgressView& view);
// The chart as a picture, for the report.
QImage ProgressChartImage(const ProgressView& view, QSize size);

// The chart in a window; it draws the view it was last given.
class ProgressChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ProgressChartView(QWidget* parent);
  // The view must outlive the widget or be replaced before it goes.
  void SetView(const ProgressView* view);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ProgressView* view_ = nullptr;
};

}  // namespace quenna
