// Saved games and the question before quitting.
#include "cards/TPlayCards.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/SavedGameFile.h"
#include "store/SavedGameState.h"
#include "store/TReminder.h"

namespace quenna {
void TForm1::SaveAs1Click() {
  const SavedGame saved = GatherSavedGame(state_, game_.PlayCards().Round);
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

  OpenDialog.fileName.clear();
  const auto file = context_.platform.OpenFileName(OpenDialog);
  if (!file) return;

  // Checked whole before anything changes: a bad file leaves the game as it was.
  ApplySavedGame(ReadSavedGame(*file), state_, game_.PlayCards().Round);
  if (TalkAfterOpen(state_.CurrentTab, state_.TaskTab)) Talk->setEnabled(true);
  UpdateScores();
  Virtues->LoadFromFile(context_.data.Resolve(kVirtueChartPicture));
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
