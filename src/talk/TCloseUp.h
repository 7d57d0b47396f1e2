#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cstdint>
#include <string>

#include "core/ClickableLabel.h"
#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"
#include "talk/Dialogue.h"

namespace quenna {

class MainForm;

// The close-up window of a conversation: the person's picture on the left, their
// speech on the right with up to three underlined links below it. The player pages
// through the opening with "Next >>", picks a topic, a question and one of its three
// answers; the reply shows, and "Next >>" closes the window.
class TCloseUp : public GameDialog {
  Q_OBJECT

 public:
  TCloseUp(GameContext& context, MainForm& main, QWidget* parent);

  // Loads the person's picture and dialogue and runs the conversation modally;
  // returns when the window has closed. A picture that cannot be loaded throws
  // GameError before the window shows.
  void CharacterTalks(const std::string& picture, const std::string& file);

  void Next1Click();
  void Exit1Click();
  void AClick();
  void BClick();
  void CClick();
  // Puts the next line into a link and shows it.
  void GetLink(QLabel* label);
  // Shows the next four lines: speech and three links; greys the links of answered
  // questions from the given question on.
  void ShowAnswers(std::int8_t questionOffset);
  // Judges an answer against its key line and, when right, credits it.
  void GetAnswer(char letter, int keyLine);

  PictureBox* Image1 = nullptr;
  QLabel* Talk1 = nullptr;
  ClickableLabel* A = nullptr;
  ClickableLabel* B = nullptr;
  ClickableLabel* C = nullptr;
  QPushButton* Next1 = nullptr;
  QPushButton* Exit1 = nullptr;

  // The conversation: its file and picture, its lines, the next line to show, and the
  // stage (see talk/Conversation.h). They keep their values between conversations.
  std::string DialoguePicture;
  std::string DialogueFile;
  DialogueText Dialogue;
  int DialogueLine = 0;
  int ConversationStage = 0;

 protected:
  void FormCreate();
  void FormActivate() override;
  void FormClose() override;

 private:
  // Shows line DialogueLine in a label and moves on to the next.
  void ShowNextLine(QLabel* label);
  // Shows lines first..first+3: speech and the three links.
  void ShowLines(int first);
  void LinkClick(int link);
  void SetLinksEnabled(bool enabled);
  void SetLinksVisible(bool visible);
  // Keys: 1/2/3 or A/B/C a link, Right or Space "Next >>", Left or Backspace the other
  // button, Enter the focused button or "Next >>", S the page read aloud again.
  bool KeyDown(QKeyEvent& key);
  // Reads the page aloud as it appears: the speech, then the links shown below it.
  void SayPage();

  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
