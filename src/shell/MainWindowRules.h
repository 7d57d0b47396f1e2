#pragma once

#include <string>

#include "core/GameState.h"
#include "core/LevelTable.h"
#include "store/Journal.h"
#include "talk/Dialogue.h"

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

// The task in words, for the right-hand panel and "Current Task": what the hero said when
// he gave it, and the page where the person is met. Before any task, how to get one.
std::string TaskInSight(int taskTab, int taskVirtue);

// The journal's record of an answer chosen in a conversation, taken before it is credited:
// who was asked (the speaker on the page on screen), the question and its answers from
// the conversation's dialogue, and the task's virtue as it stood.
AnswerRecord AnswerRecordFor(const GameState& state, int speaker, const DialogueText& dialogue,
                             const std::string& dialogueFile, int question, char letter);

}  // namespace quenna
