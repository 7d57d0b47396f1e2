// Saved games and the question before quitting.
#include "cards/TPlayCards.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/SavedGameFile.h"
#include "store/SavedGameState.h"
#include "store/TReminder.h"
#include "store/TSavedGames.h"

namespace quenna {
void TForm1::SaveAs1Click() {
  const SavedGame saved = GatherSavedGame(state_, game_.PlayCards().Round);
  const auto file = context_.platform.SaveFileName(dialogs_.SaveDialog);
  if (!file) return;
  dialogs_.SaveDialog.fileName = file->string();
  autosave_.RefuseAsSaveName(*file);

  // Throws with the file's name and the reason; the game then does not count as saved.
  WriteSavedGame(*file, saved);
  state_.GameSaved = true;
  dialogs_.Remember(*file);
  context_.journal.GameSaved(*file);
  ClearRight(2);
  ShowInPanel("Game saved");
  ShowNotice();
}

void TForm1::Open1Click() {
  if (!state_.GameStarted) {
    Initialize(false);
    TitleDone = 1;
    context_.journal.GameStarted(GameStartKind::kStartGame);
  }

  dialogs_.OpenDialog.fileName.clear();
  const auto file = game_.SavedGames().Choose(dialogs_.OpenDialog);
  if (!file) return;
  // Checked whole before anything changes: a bad file leaves the game as it was.
  OpenGame(*file, ReadSavedGame(*file));
  dialogs_.Remember(*file);
}

void TForm1::OpenGame(const std::filesystem::path& file, const SavedGame& saved) {
  ApplySavedGame(saved, state_, game_.PlayCards().Round);
  if (TalkAfterOpen(state_.CurrentTab, state_.TaskTab)) Talk->setEnabled(true);
  UpdateScores();
  Virtues->LoadFromFile(context_.data.Resolve(kVirtueChartPicture));
  VirtueOn();
  context_.journal.GameOpened(file, state_.CurrentLevel, state_.LevelTable);
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
