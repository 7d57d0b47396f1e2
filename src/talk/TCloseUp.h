#pragma once

#include <QLabel>
#include <QPushButton>

#include <string>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"

namespace quenna {

class MainForm;

// The close-up window of a conversation: the person's picture, their speech, and up
// to three links below it.
class TCloseUp : public GameDialog {
  Q_OBJECT

 public:
  TCloseUp(GameContext& context, MainForm& main, QWidget* parent);

  // Loads the person's picture and dialogue and runs the conversation modally.
  void CharacterTalks(const std::string& picture, const std::string& file);

  void Exit1Click();

  PictureBox* Image1 = nullptr;
  QLabel* Talk1 = nullptr;
  QLabel* A = nullptr;
  QLabel* B = nullptr;
  QLabel* C = nullptr;
  QPushButton* Next1 = nullptr;
  QPushButton* Exit1 = nullptr;

 private:
  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
