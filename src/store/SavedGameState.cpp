#include "store/SavedGameState.h"

namespace quenna {

SavedGame GatherSavedGame(const GameState& state, const CardRound& round) {
  SavedGame saved;
  saved.LevelTable = state.LevelTable;
  saved.CurrentLevel = LowByte(state.CurrentLevel);
  saved.CardRoundsDone = LowByte(round.CardRoundsDone);
  saved.CardRoundDone = LowByte(round.CardRoundDone);
  saved.TaskTab = LowByte(state.TaskTab);
  saved.TaskVirtue = LowByte(state.TaskVirtue);
  saved.AnsweredFlags = state.AnsweredFlags.SavedBytes();
  return saved;
}

void ApplySavedGame(const SavedGame& saved, GameState& state, CardRound& round) {
  state.LevelTable = saved.LevelTable;
  state.AnsweredFlags.LoadSavedBytes(saved.AnsweredFlags);
  state.CurrentLevel = saved.CurrentLevel;
  state.TaskTab = saved.TaskTab;
  state.TaskVirtue = saved.TaskVirtue;
  state.VirtuesChanged = true;
  round.Restore(saved.CardRoundsDone, saved.CardRoundDone);
}

}  // namespace quenna
