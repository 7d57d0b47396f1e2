#pragma once

#include <QLabel>
#include <QListWidget>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "core/LevelTable.h"

namespace quenna {

class MainForm;

// The level list "Select a Level to Replay": the points of every level per virtue,
// the total, and the replay of a level.
class TOption1 : public GameDialog {
  Q_OBJECT

 public:
  TOption1(GameContext& context, MainForm& main, QWidget* parent);

  // Refreshes the list from the level table and recomputes the game's TotalScore.
  // Every change of points runs it, shown or not. All callers pass 56 lines.
  void ReadData(const LevelTable& table, int lineCount);

  QListWidget* ListBox1 = nullptr;
  QLabel* total = nullptr;

 private:
  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
