// The scene picture and the texts of a year page: what a click on the picture means,
// the look messages and the narration.
#include "core/WorldTables.h"
#include "scene/SceneClicks.h"
#include "scene/ShiftedText.h"
#include "shell/Game.h"
#include "shell/TForm1.h"

namespace quenna {

void TForm1::LookClick() {
  ChangeCursor(kLookMode);
}

void TForm1::TalkClick() {
  ChangeCursor(kTalkMode);
}

void TForm1::Image2MouseDown(Qt::MouseButton, int x, int y) {
  state_.GameSaved = false;
  ClickedCell = CellAt(x, y, CellSize);
  if (state_.CurrentTab == kCoverTab) {
    CoverClick();
    return;
  }
  if (state_.ActionMode == kLookMode) {
    ClearRight(1);
    Looks(ClickedCell);
  }
  if (state_.ActionMode == kTalkMode) Talks(ClickedCell);
}

void TForm1::Looks(int cell) {
  text1->show();
  const std::string line = LineAt(MessageText, LookValue(Grid, cell));
  // The text files hold one byte per character, as the narration does.
  text1->setText(QString::fromLatin1(line.data(), static_cast<int>(line.size())));
  SayAloud(text1->text());
}

void TForm1::ReadMessages() {
  if (state_.CurrentTab == kCoverTab) return;
  Grid = game_.GridFile().ReadRecord(state_.CurrentTab);
  const auto file = context_.data.Resolve(MessageFileName(state_.CurrentTab));
  MessageText = SplitLines(ReadShiftedText(file, kMessageFileLimit));
  context_.platform.ProcessMessages();
}

void TForm1::Read1Click() {
  if (state_.CurrentTab == kCoverTab) return;
  Read1->setEnabled(false);
  Scores->hide();
  Virtues->hide();
  text1->hide();
  Narrator->show();
  DateCaption();
  Narration();
  Narrate1->show();
  Narr2->show();
  SayAloud(Narr2->toPlainText());
}

void TForm1::Narration() {
  TextBuffer.clear();
  const auto file = context_.data.Resolve(NarrationFileName(state_.CurrentTab));
  if (NarrationLoaded == 1) return;
  TextBuffer = ReadShiftedText(file, kNarrationFileLimit);
  Narr2->setPlainText(QString::fromLatin1(TextBuffer.data(), static_cast<int>(TextBuffer.size())));
  context_.platform.ProcessMessages();
  NarrationLoaded = 1;
}

void TForm1::text1Click() {
  text1->hide();
}

void TForm1::VButtonClick() {
  VirtueOn();
}

}  // namespace quenna
