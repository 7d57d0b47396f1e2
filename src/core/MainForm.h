#pragma once

#include <cstdint>
#include <string>

#include "core/GameState.h"

namespace quenna {

// What the other windows may ask of the main window. The main window (TForm1) owns the
// game state and implements these; the card table, the conversation, the level list,
// the prompts, the high scores and the slide shows reach it only through here.
class MainForm {
 public:
  virtual ~MainForm() = default;

  virtual GameState& State() = 0;

  // Records points for the current level: four column/amount pairs (a column may
  // repeat), then 1 more progress; refreshes the total and the score label.
  virtual void UpdateLevels(std::int8_t column1, std::int8_t amount1, std::int8_t column2,
                            std::int8_t amount2, std::int8_t column3, std::int8_t amount3,
                            std::int8_t column4, std::int8_t amount4) = 0;
  // Clears a level's points and recomputes the level (New Game, a level replay).
  virtual void ResetScore(int row) = 0;

  // The answer marks of the current speaker, as the conversation window needs them.
  virtual void CheckAnswers(std::int8_t questionOffset) = 0;
  virtual void MarkAnswers(std::int8_t question) = 0;
  virtual void FreeAnswers() = 0;
  // An answer (letter 'A'..'C') was chosen to question q of the conversation, right or
  // wrong; called before it is judged, so the task stands as it was (the learning journal).
  virtual void AnswerGiven(int question, char letter) = 0;
  // Credits a correct answer to question q whose virtue digits line is given.
  virtual void CreditAnswer(int question, const std::string& virtueDigits) = 0;

  // Save Game, with its dialog; the prompts' "Save First" buttons run it too.
  virtual void SaveAs1Click() = 0;
};

}  // namespace quenna
