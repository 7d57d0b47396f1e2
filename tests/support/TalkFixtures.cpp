#include "support/TalkFixtures.h"

#include <QTest>

#include "cards/TPlayCards.h"
#include "scene/ShiftedText.h"
#include "shell/TForm1.h"
#include "talk/Dialogue.h"
#include "talk/TCloseUp.h"

namespace quenna::testing {

FixtureDialogue::FixtureDialogue() {
  for (int n = 0; n < dialogue::kLines; ++n) lines.push_back("L" + std::to_string(n));
  for (int q = 0; q < dialogue::kQuestions; ++q) {
    Set(dialogue::KeyLine(q),
        std::string(1, FixtureKey(q)) + " L" + std::to_string(dialogue::KeyLine(q)));
    Set(dialogue::DigitLine(q), "1234");
  }
}

FixtureDialogue& FixtureDialogue::Set(int line, std::string text) {
  if (line >= static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(line) + 1);
  lines[static_cast<std::size_t>(line)] = std::move(text);
  return *this;
}

std::string FixtureDialogue::Text() const {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void FixtureDialogue::WriteTo(FixtureData& data, const std::string& gamePath) const {
  const auto bytes = EncodeShiftedText(Text());
  data.WriteFile(gamePath, std::string(bytes.begin(), bytes.end()));
}

void PlaceOnGrid(FixtureData& data, int tab, int cell, int value) {
  data.grids[static_cast<std::size_t>(tab)][static_cast<std::size_t>(cell)] = value;
  data.Write();
}

QPoint CellPoint(TForm1& form, int cell) {
  const int size = form.CellSize;
  return {(cell / 20) * size + size / 2, (cell % 20) * size + size / 2};
}

void AssignTask(TestGame& test, int tab, int virtue) {
  GameState& state = test.State();
  state.LevelTable.Set(state.CurrentLevel - 1, LevelTable::kProgressColumn, 3);
  test.game->PlayCards().Round.CardRoundDone = 1;
  state.TaskTab = tab;
  state.TaskVirtue = virtue;
  state.TaskDone = 1;
}

void ClickTab(TForm1& form, int tab) {
  QTest::mouseClick(form.Dates, Qt::LeftButton, {}, form.Dates->tabRect(tab).center());
}

void ClickTalk(TForm1& form) {
  QTest::mouseClick(form.Talk, Qt::LeftButton);
}

void ClickCell(TForm1& form, int cell) {
  QTest::mouseClick(form.Image2, Qt::LeftButton, {}, CellPoint(form, cell));
}

void ClickNext(TCloseUp& closeUp) {
  QTest::mouseClick(closeUp.Next1, Qt::LeftButton);
}

void ClickBack(TCloseUp& closeUp) {
  QTest::mouseClick(closeUp.Exit1, Qt::LeftButton);
}

void ClickLink(TCloseUp& closeUp, char letter) {
  QLabel* link = letter == 'A' ? closeUp.A : letter == 'B' ? closeUp.B : closeUp.C;
  QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
}

void AnswerQuestion(TCloseUp& closeUp, int question, char letter) {
  for (int page = 1; page < dialogue::kOpeningPages; ++page) ClickNext(closeUp);
  ClickLink(closeUp, static_cast<char>('A' + question / 3));
  ClickLink(closeUp, static_cast<char>('A' + question % 3));
  ClickLink(closeUp, letter);
  ClickNext(closeUp);
}

std::string DumpCloseUp(TCloseUp& closeUp) {
  auto link = [](QLabel* label) {
    if (!label->isVisibleTo(label->window())) return std::string("-");
    const std::string text = label->text().toStdString();
    return label->isEnabled() ? text : "(grey)" + text;
  };
  auto button = [](QPushButton* button) {
    return button->text().toStdString() + (button->isEnabled() ? ":on" : ":off");
  };
  return closeUp.Talk1->text().toStdString() + " | A=" + link(closeUp.A) +
         " | B=" + link(closeUp.B) + " | C=" + link(closeUp.C) + " | " + button(closeUp.Next1) +
         " " + button(closeUp.Exit1) + " | next " + std::to_string(closeUp.DialogueLine) +
         " stage " + std::to_string(closeUp.ConversationStage) +
         (closeUp.isVisible() ? "" : " | closed");
}

std::string PlayTaskFromYearPage(TestGame& test, int tab, int cell, int question, char letter) {
  TForm1& form = test.Form();
  std::string title;
  ClickTab(form, tab);
  ClickTalk(form);
  test.platform.ExpectModal([&](QWidget& window) {
    auto& closeUp = dynamic_cast<TCloseUp&>(window);
    title = closeUp.windowTitle().toStdString();
    AnswerQuestion(closeUp, question, letter);
  });
  ClickCell(form, cell);
  return title;
}

}  // namespace quenna::testing
