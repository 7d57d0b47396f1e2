#pragma once

#include <string>

#include "core/LevelTable.h"

namespace quenna {

// Tip modes of the right-hand panel.
enum TipMode : int { kCoverTip = 1, kNoTalkTip = 2, kTalkTip = 3 };

// The tip of a page: the cover's; the talk tip on the task's page, or on every year page
// for a task on every page; elsewhere the tip that the player may not talk here.
int TipModeFor(int tab, int taskTab);

// The text of a tip, or "" where none shows: the cover's tip only while no task is given.
// The talk tip names the virtue sought.
std::string TipText(int mode, int taskTab, int cardsDisabled, int taskVirtue);

// The title words slide in from x = H x 0.5 in steps of H x 0.05 (H the screen height).
int TitleSlideStart(int screenHeight);
int TitleSlideStep(int screenHeight);

// What New Game does with the game in progress: with nothing recorded and no cards dealt it
// starts at once; with more than one point recorded it asks to save first and clears the
// game; otherwise it only resets the first level.
enum class NewGameStart { kAtOnce, kAfterAsking, kResetOnly };
NewGameStart NewGameStartFor(const LevelTable& table, bool cardsDealt);

}  // namespace quenna
