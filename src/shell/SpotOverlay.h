#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "scene/SceneSpots.h"

namespace quenna {

// What the scene picture should show of its spots just now.
struct SpotView {
  std::vector<SceneSpot> spots;
  int cellSize = 30;
  bool showAll = false;     // H held, or Tips > "Show" ticked
  bool markPeople = false;  // talk mode: people look different from things
  int highlighted = -1;     // the spot Tab is on, or -1
};

// Drawn over the scene picture: the outline of every spot while the player asks to see
// what can be clicked, and the spot the keyboard is on. It takes no clicks; the picture
// under it does. What it shows is asked for each time it paints.
class SpotOverlay : public QWidget {
 public:
  SpotOverlay(QWidget& picture, std::function<SpotView()> view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<SpotView()> view_;
};

}  // namespace quenna
