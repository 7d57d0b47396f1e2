#pragma once

#include <QImage>

#include "core/LevelTable.h"

namespace quenna {

// Draws the gold bars of the table's virtue totals onto the virtue chart, the gold tile
// repeated one pixel apart (talk/VirtueChart.h has where and how long). The bars go on
// top of what the chart shows; only reloading the chart clears them.
void DrawVirtueBars(QImage& chart, const QImage& gold, const LevelTable& table);

}  // namespace quenna
