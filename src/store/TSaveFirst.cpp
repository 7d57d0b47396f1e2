#include "store/TSaveFirst.h"

#include "core/MainForm.h"
#include "store/PromptPanel.h"

namespace quenna {

TSaveFirst::TSaveFirst(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), main_(main) {
  setWindowTitle("Start New Game");
  setFixedSize(QSize(389, 300) - kPromptFrame);
  move(294, 110);
  Panel1 = MakePromptPanel(this, "Save game first?", 15);
  Button1 = MakePromptButton("Save First", Panel1, {72, 172, 75, 25});
  Button2 = MakePromptButton("Start New Game", Panel1, {184, 172, 113, 25});
  OnClick(Button1, &TSaveFirst::Button1Click);
  OnClick(Button2, &TSaveFirst::Button2Click);
}

// The new game goes ahead whether the save dialog was confirmed or cancelled. A save
// that failed stops here instead (its message is shown and the prompt stays open), so
// the game the player meant to keep is not thrown away.
void TSaveFirst::Button1Click() {
  main_.SaveAs1Click();
  Tag = 1;
  Close();
}

void TSaveFirst::Button2Click() {
  Tag = 1;
  Close();
}

}  // namespace quenna
