// Conversations with the people of the date book, and the scoring of their answers.
#include <QPainter>

#include "core/WorldTables.h"
#include "media/PictureLoader.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/TOption1.h"
#include "talk/TCloseUp.h"

namespace quenna {

void TForm1::Talks(int cell) { (void)cell; }

void TForm1::Meets(const std::string& picture, const std::string& file) {
  (void)picture;
  (void)file;
}

void TForm1::CheckAnswers(std::int8_t questionOffset) {
  TCloseUp& closeUp = game_.CloseUp();
  QLabel* links[] = {closeUp.A, closeUp.B, closeUp.C};
  for (int k = 0; k < 3; ++k) {
    if (state_.AnsweredFlags.Answered(Speaker, questionOffset + k)) links[k]->setEnabled(false);
  }
}

void TForm1::MarkAnswers(std::int8_t question) {
  state_.AnsweredFlags.SetMark(Speaker, question, state_.CurrentLevel);
}

void TForm1::FreeAnswers() { state_.AnsweredFlags.FreeLevel(state_.CurrentLevel); }

void TForm1::CreditAnswer(int question, const std::string& virtueDigits) {
  (void)question;
  (void)virtueDigits;
}

void TForm1::GetPoints(std::int8_t virtue) {
  if (virtue != state_.TaskVirtue) return;
  state_.TaskVirtue += 100;
  state_.LevelTable.Add(state_.CurrentLevel - 1, virtue - 1, 20);
  game_.Option1().ReadData(state_.LevelTable, 56);
  SLabel->setText(QString::number(state_.TotalScore));
}

void TForm1::ExtraPoints() {
  if (state_.TaskVirtue < 100) {
    TextBuffer = "Congratulations on completing the level.  No bonus points were earned.";
    return;
  }
  Playit(Music::kBonus, kSoundAsync);
  TextBuffer = "Congratulations! This question earned bonus points for ";
  state_.TaskVirtue -= 100;
  SetVirtue();
}

void TForm1::SetVirtue() { TextBuffer += VirtueName(state_.TaskVirtue); }

void TForm1::VirtueOn() {
  ClearRight(0);
  Virtues->show();
  if (!state_.VirtuesChanged) return;
  state_.VirtuesChanged = false;
  std::array<int, LevelTable::kColumns> totals{};
  for (int row = 0; row < LevelTable::kRows; ++row) {
    for (int column = 0; column < LevelTable::kColumns; ++column) {
      totals[static_cast<std::size_t>(column)] += state_.LevelTable.Value(row, column);
    }
  }
  const QImage gold = LoadPicture(context_.data.Resolve("gold.jpg"));
  {
    QPainter painter(&Virtues->Canvas());
    for (int x = 147; x <= 246; ++x) {
      const int i = 2 * (x - 147);
      for (int k = 0; k < kVirtueCount; ++k) {
        if (i < totals[static_cast<std::size_t>(k)]) painter.drawImage(x, 16 + 24 * k, gold);
      }
    }
  }
  Virtues->update();
  context_.platform.ProcessMessages();
}

}  // namespace quenna
