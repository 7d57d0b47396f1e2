// Conversations with the people of the date book, and the scoring of their answers.
#include "core/DisabledWhile.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "media/PictureLoader.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "talk/AnswerScoring.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"
#include "talk/VirtueBars.h"
#include "talk/VirtueChart.h"

namespace quenna {
namespace {

constexpr int kMeetingPause = 1000;

}  // namespace

void TForm1::Talks(int cell) {
  Speaker = state_.CurrentTab;
  if (!MayTalkOn(state_.TaskTab, state_.CurrentTab)) return;
  const RosterRow* person = PersonAt(state_.CurrentTab, Grid, cell);
  if (person == nullptr) return;
  Speaker = person->speaker;
  Meets(std::string(person->picture), std::string(person->dialogue));
  if (state_.TaskDone == 0) return;
  LevelEnd();
}

void TForm1::Meets(const std::string& picture, const std::string& file) {
  const std::string title = MeetsTitle(state_.TaskVirtue);
  context_.platform.ProcessMessages();
  const DisabledWhile disabled(*this);
  context_.platform.Pause(kMeetingPause);
  TCloseUp& closeUp = game_.CloseUp();
  closeUp.setWindowTitle(QString::fromStdString(title));
  closeUp.CharacterTalks(picture, file);
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

void TForm1::FreeAnswers() {
  state_.AnsweredFlags.FreeLevel(state_.CurrentLevel);
}

void TForm1::AnswerGiven(int question, char letter) {
  const TCloseUp& closeUp = game_.CloseUp();
  context_.journal.AnswerGiven(
      AnswerRecordFor(state_, Speaker, closeUp.Dialogue, closeUp.DialogueFile, question, letter));
}

void TForm1::CreditAnswer(int question, const std::string& virtueDigits) {
  MarkAnswers(static_cast<std::int8_t>(question));
  state_.TaskVirtue =
      ScoreAnswer(state_.LevelTable, state_.CurrentLevel, state_.TaskVirtue, virtueDigits)
          .taskVirtue;
  RefreshTotal();
}

void TForm1::GetPoints(std::int8_t virtue) {
  state_.TaskVirtue = CheckBonus(state_.LevelTable, state_.CurrentLevel, state_.TaskVirtue, virtue);
  RefreshTotal();
}

void TForm1::ExtraPoints() {
  TextBuffer = LevelEndText(state_.TaskVirtue);
  if (!BonusDue(state_.TaskVirtue)) return;
  Playit(kBonusSound, kSoundAsync);
  state_.TaskVirtue = SoughtVirtue(state_.TaskVirtue);
}

void TForm1::SetVirtue() {
  // After an answer has earned the bonus the value carries the mark; name the virtue.
  TextBuffer += VirtueName(SoughtVirtue(state_.TaskVirtue));
}

void TForm1::VirtuesMouseDown(int, int y) {
  const int virtue = VirtueRowAt(y);
  if (virtue == 0) {
    VButtonClick();  // above and below the rows, as the chart has always answered
    return;
  }
  VirtueWords->Explain(virtue, VirtueWordsOf(context_.data.Resolve(kVirtueWordsFile), virtue),
                       ChartSeenHeight());
}

void TForm1::VirtueOn() {
  ClearRight(0);
  Virtues->show();
  if (!state_.VirtuesChanged) return;
  state_.VirtuesChanged = false;
  const QImage gold = LoadPicture(context_.data.Resolve(kGoldBarPicture));
  DrawVirtueBars(Virtues->Canvas(), gold, state_.LevelTable);
  Virtues->update();
  context_.platform.ProcessMessages();
}

}  // namespace quenna
