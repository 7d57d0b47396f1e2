// Saved games and the question before quitting.
#include "cards/TPlayCards.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/SavedGameFile.h"
#include "store/TReminder.h"

namespace quenna {
namespace {

constexpr const char* kSavedGamesFilter = "Saved games|*.sav";

}  // namespace

void TForm1::SaveAs1Click() {
  TPlayCards& cards = game_.PlayCards();
  SavedGame saved;
  saved.LevelTable = state_.LevelTable;
  saved.CurrentLevel = LowByte(state_.CurrentLevel);
  saved.CardRoundsDone = LowByte(cards.Round.CardRoundsDone);
  saved.CardRoundDone = LowByte(cards.Round.CardRoundDone);
  saved.TaskTab = LowByte(state_.TaskTab);
  saved.TaskVirtue = LowByte(state_.TaskVirtue);
  saved.AnsweredFlags = state_.AnsweredFlags.SavedBytes();

  SaveDialog.title = "Save Game";
  SaveDialog.filter = kSavedGamesFilter;
  SaveDialog.defaultExtension = ".SAV";
  SaveDialog.initialDirectory = context_.userFolder;
  SaveDialog.overwritePrompt = true;
  const auto file = context_.platform.SaveFileName(SaveDialog);
  if (!file) return;
  SaveDialog.fileName = file->string();

  // Throws with the file's name and the reason; the game then does not count as saved.
  WriteSavedGame(*file, saved);
  state_.GameSaved = true;
}

void TForm1::Open1Click() {
  if (!state_.GameStarted) {
    Initialize(false);
    TitleDone = 1;
  }

  OpenDialog.title = "Open Saved Game";
  OpenDialog.filter = kSavedGamesFilter;
  OpenDialog.defaultExtension = "SAV";
  OpenDialog.initialDirectory = context_.userFolder;
  OpenDialog.overwritePrompt = false;
  OpenDialog.fileName.clear();
  const auto file = context_.platform.OpenFileName(OpenDialog);
  if (!file) return;

  // Checked whole before anything changes: a bad file leaves the game as it was.
  const SavedGame saved = ReadSavedGame(*file);

  TPlayCards& cards = game_.PlayCards();
  state_.LevelTable = saved.LevelTable;
  state_.AnsweredFlags.LoadSavedBytes(saved.AnsweredFlags);
  state_.CurrentLevel = saved.CurrentLevel;
  state_.TaskTab = saved.TaskTab;
  if (state_.CurrentTab == state_.TaskTab) Talk->setEnabled(true);
  if (state_.CurrentTab != kCoverTab && state_.TaskTab == kAnyTab) Talk->setEnabled(true);
  Level->setText(QString::number(state_.CurrentLevel));
  cards.Round.Restore(saved.CardRoundsDone, saved.CardRoundDone);
  UpdateScores();
  state_.TaskVirtue = saved.TaskVirtue;
  Virtues->LoadFromFile(context_.data.Resolve(kVirtueChartPicture));
  state_.VirtuesChanged = true;
  VirtueOn();
}

bool TForm1::FormCloseQuery() {
  if (!state_.GameStarted) return true;
  if (state_.GameSaved) return true;
  if (sessionEnding_) return true;
  TReminder& reminder = game_.Reminder();
  reminder.Tag = 0;
  ShowModalWindow(reminder);
  // The session may have ended while the reminder was asking.
  return reminder.Tag != 0 || sessionEnding_;
}

}  // namespace quenna
