#include "talk/VirtueBars.h"

#include <QPainter>

#include "core/WorldTables.h"
#include "talk/VirtueChart.h"

namespace quenna {

void DrawVirtueBars(QImage& chart, const QImage& gold, const LevelTable& table) {
  const auto totals = VirtueTotals(table);
  QPainter painter(&chart);
  for (int k = 0; k < kVirtueCount; ++k) {
    const int steps = BarSteps(totals[static_cast<std::size_t>(k)]);
    for (int step = 0; step < steps; ++step) {
      painter.drawImage(virtuechart::kBarLeft + step, virtuechart::RowTop(k), gold);
    }
  }
}

}  // namespace quenna
