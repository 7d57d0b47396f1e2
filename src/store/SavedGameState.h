#pragma once

#include "cards/CardRound.h"
#include "core/GameState.h"
#include "core/WorldTables.h"
#include "store/SavedGameFile.h"

namespace quenna {

// What Save Game keeps of a running game, and what Open puts back. A saved game holds the
// level table, the answer marks, the level, the task's page and virtue and the card rounds;
// the page on screen, the switches and the rest of the state stay as they are.

// The saved game of the running game, its single values cut to their low bytes as the file
// keeps them.
SavedGame GatherSavedGame(const GameState& state, const CardRound& round);

// Puts an opened saved game into the running game. The card game is dealt afresh, and the
// virtue chart is to be redrawn.
void ApplySavedGame(const SavedGame& saved, GameState& state, CardRound& round);

// Whether an opened game lets the player talk on the page on screen: the task's page, or
// any year page for a task on every page. (The Talk button is only ever enabled here.)
constexpr bool TalkAfterOpen(int currentTab, int taskTab) {
  return currentTab == taskTab || (currentTab != kCoverTab && taskTab == kAnyTab);
}

}  // namespace quenna
