// The level table operations of the main window: every change of points or levels
// goes through here, and each ends by refreshing the total through the level list.
#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "media/Cursors.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/ScoreLine.h"
#include "store/TOption1.h"

namespace quenna {

void TForm1::UpdateLevels(std::int8_t column1, std::int8_t amount1, std::int8_t column2,
                          std::int8_t amount2, std::int8_t column3, std::int8_t amount3,
                          std::int8_t column4, std::int8_t amount4) {
  state_.LevelTable.Record(
      state_.CurrentLevel - 1,
      {{{column1, amount1}, {column2, amount2}, {column3, amount3}, {column4, amount4}}});
  RefreshTotal();
}

void TForm1::NextLevel() {
  state_.CurrentLevel = state_.LevelTable.FirstOpenLevel();
  game_.PlayCards().Round.ReachLevel(state_.CurrentLevel);
}

void TForm1::ResetScore(int row) {
  state_.LevelTable.ClearPoints(row);
  NextLevel();
  Level->setText(QString::number(state_.CurrentLevel));
  game_.PlayCards().Round.NewLevel();
  RefreshTotal();
}

void TForm1::UpdateScores() {
  Level->setText(QString::number(state_.CurrentLevel));
  RefreshTotal();
  state_.VirtuesChanged = true;
}

void TForm1::RefreshTotal() {
  game_.Option1().ReadData(state_.LevelTable, kLevelListLines);
  SLabel->setText(QString::number(state_.TotalScore));
}

void TForm1::ChangeCursor(int mode) {
  state_.ActionMode = static_cast<std::int8_t>(mode);
  Image2->setCursor(GameCursor(mode));
}

}  // namespace quenna
