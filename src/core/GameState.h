#pragma once

#include <cstdint>

#include "core/AnswerMarks.h"
#include "core/LevelTable.h"

namespace quenna {

// The state of a running game. The main window owns the only copy for the whole run;
// every other window reads and changes it through the main window.
struct GameState {
  std::int32_t CurrentLevel = 1;  // 1..55 in play; 56 when every level is complete
  std::int8_t CurrentTab = 0;     // 0 the cover, 1..14 the year pages
  std::int8_t ActionMode = 1;     // 1 look, 2 talk, 3 hand; also the scene's cursor
  bool GameStarted = false;
  bool GameSaved = false;      // true right after Save Game, cleared by any click on the scene
  bool VirtuesChanged = true;  // the virtue chart must be redrawn before it is shown
  quenna::LevelTable LevelTable;
  std::int32_t TaskTab = 0;        // 0 no task, 1..14 the task's page, 99 every page
  std::int32_t TaskVirtue = 0;     // 0 none, 1..13 sought, +100 once an answer earned the bonus
  std::int32_t TaskDone = 0;       // 1 ends the level when the conversation window closes
  std::int32_t TotalScore = 0;     // only the level list's refresh computes it
  std::int32_t CardsDisabled = 0;  // 1 when the card game is switched off
  AnswerMarks AnsweredFlags;
};

}  // namespace quenna
