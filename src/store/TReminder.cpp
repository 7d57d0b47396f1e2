#include "store/TReminder.h"

#include "core/MainForm.h"
#include "store/PromptPanel.h"

namespace quenna {

TReminder::TReminder(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), main_(main) {
  setWindowTitle("Reminder");
  setFixedSize(QSize(275, 239) - kPromptFrame);
  const ScreenSize screen = context.platform.Screen();
  move((screen.width - 275) / 2, (screen.height - 239) / 2);
  Panel1 = MakePromptPanel(this, "Save game before you quit?", 13);
  Button1 = MakePromptButton("Save First", Panel1, {56, 140, 75, 25});
  Button2 = MakePromptButton("Quit ", Panel1, {144, 140, 75, 25});
  OnClick(Button1, &TReminder::Button1Click);
  OnClick(Button2, &TReminder::Button2Click);
}

void TReminder::Button1Click() {
  main_.SaveAs1Click();
}

void TReminder::Button2Click() {
  Tag = 1;
  Close();
}

}  // namespace quenna
