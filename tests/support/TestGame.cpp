#include "support/TestGame.h"

#include "shell/TForm1.h"

namespace quenna::testing {

TestGame::TestGame(ScreenSize screen) : platform(screen) {
  Create();
}

void TestGame::Create() {
  game.reset();
  game = std::make_unique<Game>(platform, GamePaths{data.Root(), data.UserFolder()});
}

void TestGame::StartGame() {
  Form().show();
  Form().FormActivate();
  Form().StartgameClick();
}

}  // namespace quenna::testing
