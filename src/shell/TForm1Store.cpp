// Saved games and the question before quitting.
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/TReminder.h"

namespace quenna {

void TForm1::SaveAs1Click() {}

void TForm1::Open1Click() {}

bool TForm1::FormCloseQuery() {
  if (!state_.GameStarted) return true;
  if (state_.GameSaved) return true;
  TReminder& reminder = game_.Reminder();
  reminder.Tag = 0;
  ShowModalWindow(reminder);
  return reminder.Tag != 0;
}

}  // namespace quenna
