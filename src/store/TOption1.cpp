#include "store/TOption1.h"

#include "core/MainForm.h"

namespace quenna {

TOption1::TOption1(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle("Select a Level to Replay");
  setFixedSize(661, 505);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(12, 63, 632, 300);
  total = new QLabel(this);
  total->move(328, 384);
}

void TOption1::ReadData(const LevelTable& table, int lineCount) {
  (void)lineCount;
  context_.state.TotalScore = table.PointsTotal();
  total->setText(QString::number(context_.state.TotalScore));
}

}  // namespace quenna
