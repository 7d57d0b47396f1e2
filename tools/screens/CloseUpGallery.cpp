// Screenshots of conversations with the game's own data, for a look by eye: run under
// Xvfb, "closeup_gallery <data folder> <shots folder> <dialogue stem>..." talks to each
// person named ("wyn1746", "cat1746", ...) and writes <stem>-opening.png,
// <stem>-question.png and <stem>-reply.png, cut to the close-up window.
#include <QApplication>
#include <QFont>
#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "cards/TPlayCards.h"
#include "media/DataFolder.h"
#include "platform/FakePlatform.h"
#include "scene/SceneFiles.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"

namespace {

using namespace quenna;
using namespace quenna::testing;

std::filesystem::path shots;

void Shot(QWidget& window, const std::string& name) {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
  const QRect r = window.geometry();
  const std::string command = "/usr/bin/import -window root -crop " + std::to_string(r.width()) +
                              "x" + std::to_string(r.height()) + "+" + std::to_string(r.x()) + "+" +
                              std::to_string(r.y()) + " '" + (shots / (name + ".png")).string() +
                              "'";
  if (std::system(command.c_str()) != 0) std::cerr << "screenshot failed: " << name << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  if (argc < 4) {
    std::cerr << "usage: closeup_gallery <data folder> <shots folder> <dialogue stem>...\n";
    return 2;
  }
  const std::filesystem::path dataFolder = argv[1];
  shots = argv[2];
  std::filesystem::create_directories(shots);
  const DataFolder data(dataFolder);
  std::ifstream gridFile(data.Resolve(kGridFileName), std::ios::binary);
  const std::string grid(std::istreambuf_iterator<char>(gridFile), {});

  const auto user = std::filesystem::temp_directory_path() / "quenna2-gallery";
  FakePlatform platform({1024, 768});
  Game game(platform, GamePaths{dataFolder, user});
  TForm1& form = game.Form1();
  form.setGeometry(0, 0, 1024, 768);
  form.show();
  form.FormActivate();
  form.StartgameClick();

  for (int arg = 3; arg < argc; ++arg) {
    const std::string stem = argv[arg];
    const RosterRow* row = nullptr;
    for (const RosterRow& r : kRoster) {
      if (r.dialogue == "d2\\" + stem + ".dat") row = &r;
    }
    if (!row) {
      std::cerr << stem << ": no such dialogue in the roster\n";
      continue;
    }
    const DialogueText dialogue = DialogueText::Read(data.Resolve(row->dialogue));
    const int question = (arg - 3) % dialogue::kQuestions;
    const char letter = dialogue.Key(question).empty() ? 'A' : dialogue.Key(question)[0];
    GameState& state = game.State();
    state.LevelTable.Set(state.CurrentLevel - 1, LevelTable::kProgressColumn, 3);
    game.PlayCards().Round.CardRoundDone = 1;
    state.TaskTab = row->tab;
    state.TaskVirtue = 1 + (arg - 3) % 13;
    state.TaskDone = 1;
    const auto cell = grid.substr(static_cast<std::size_t>(row->tab - 1) * 645, 400)
                          .find(static_cast<char>('0' + row->cellValue));
    ClickTab(form, row->tab);
    ClickTalk(form);
    platform.ExpectModal([&](QWidget& window) {
      auto& closeUp = dynamic_cast<TCloseUp&>(window);
      Shot(closeUp, stem + "-opening");
      for (int page = 1; page < dialogue::kOpeningPages; ++page) ClickNext(closeUp);
      ClickLink(closeUp, static_cast<char>('A' + question / 3));
      ClickLink(closeUp, static_cast<char>('A' + question % 3));
      Shot(closeUp, stem + "-question");
      ClickLink(closeUp, letter);
      Shot(closeUp, stem + "-reply");
      ClickNext(closeUp);
    });
    ClickCell(form, static_cast<int>(cell));
  }
  for (const std::string& error : platform.Errors()) std::cerr << "error: " << error << "\n";
  std::error_code ignored;
  std::filesystem::remove_all(user, ignored);
  return platform.Errors().empty() ? 0 : 1;
}
