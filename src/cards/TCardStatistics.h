#pragma once

#include <QLabel>
#include <QPushButton>

#include <array>

#include "cards/CardStatistics.h"
#include "core/GameDialog.h"
#include "platform/Platform.h"

namespace quenna {

// "Statistics..." of the card window's Skill menu: for each skill the games won, the
// fewest redeals and the best points of a win, as the game's settings keep them, with
// "Reset" to start the records afresh once the player confirms it.
class TCardStatistics : public GameDialog {
  Q_OBJECT

 public:
  TCardStatistics(Platform& platform, QWidget* parent);

  void ResetClick();
  void CloseClick();

  // One row per skill, from Easy: games won, fewest redeals, best points.
  std::array<std::array<QLabel*, 3>, 3> Figures{};
  QPushButton* ResetBtn = nullptr;
  QPushButton* CloseBtn = nullptr;

 private:
  void ShowFigures();
};

}  // namespace quenna
