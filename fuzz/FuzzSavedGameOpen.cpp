// File > Open in the running game, on the test platform: any file is either refused with
// one message and the game in progress left exactly as it was, or loaded whole, with the
// level list and the virtue chart drawn from it.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <sstream>

#include "FuzzSupport.h"
#include "cards/TPlayCards.h"
#include "platform/GameError.h"
#include "shell/TForm1.h"
#include "store/SavedGameFile.h"
#include "support/TestGame.h"

using namespace quenna;

namespace {

// Everything a load could change, as text.
std::string Dump(testing::TestGame& test) {
  GameState& state = test.State();
  TPlayCards& cards = test.game->PlayCards();
  TForm1& form = test.Form();
  std::ostringstream out;
  out << state.CurrentLevel << " " << int(state.CurrentTab) << " " << state.TaskTab << " "
      << state.TaskVirtue << " " << state.TaskDone << " " << state.TotalScore << " "
      << state.GameSaved << " " << cards.Round.CardRoundsDone << " " << cards.Round.CardRoundDone
      << " " << cards.Round.DealCount << " " << form.Level->text().toStdString() << " "
      << form.SLabel->text().toStdString() << " " << form.Talk->isEnabled() << "\n";
  for (std::int8_t value : state.LevelTable.Bytes()) out << int(value) << ",";
  out << "\n";
  for (std::int8_t mark : state.AnsweredFlags.SavedBytes()) out << int(mark) << ",";
  return out.str();
}

testing::TestGame& RunningGame() {
  // Built once, as a player starts the game once and opens many files.
  static testing::TestGame* test = [] {
    auto* made = new testing::TestGame;
    made->StartGame();
    std::atexit([] { delete &RunningGame(); });
    return made;
  }();
  return *test;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, true);
  RunningGame();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing::TestGame& test = RunningGame();
  const auto file = fuzz::ScratchFile("chosen.sav", data, size);
  bool valid = true;
  try {
    ReadSavedGame(file);
  } catch (const GameError&) {
    valid = false;
  }
  const std::string before = Dump(test);
  test.platform.ClearErrors();
  test.platform.AnswerFileDialog(file);
  test.Form().Open1->trigger();
  const std::size_t errors = test.platform.Errors().size();
  if (!valid) {
    if (errors != 1) fuzz::Broken("a bad file gave " + std::to_string(errors) + " messages");
    if (Dump(test) != before) fuzz::Broken("a refused file changed the game in progress");
    return 0;
  }
  if (errors != 0) fuzz::Broken("a good file gave the message: " + test.platform.Errors()[0]);
  const SavedGame loaded = ReadSavedGame(file);
  GameState& state = test.State();
  if (state.LevelTable.Bytes() != loaded.LevelTable.Bytes() ||
      state.AnsweredFlags.SavedBytes() != loaded.AnsweredFlags ||
      state.CurrentLevel != loaded.CurrentLevel || state.TaskTab != loaded.TaskTab ||
      state.TaskVirtue != loaded.TaskVirtue) {
    fuzz::Broken("the game in progress is not the game loaded");
  }
  return 0;
}
