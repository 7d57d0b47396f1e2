#pragma once

#include <memory>

#include "platform/FakePlatform.h"
#include "shell/Game.h"
#include "support/FixtureData.h"

namespace quenna::testing {

// A whole game built on the fake platform and a fixture data folder, as a test needs it.
struct TestGame {
  explicit TestGame(ScreenSize screen = {1024, 768});

  // Builds (or rebuilds) the game object: start-up as the program does it.
  void Create();
  // Title screen to date book: the first activation, then "Start Game ".
  void StartGame();

  TForm1& Form() { return game->Form1(); }
  GameState& State() { return game->State(); }

  FixtureData data;
  FakePlatform platform;
  std::unique_ptr<Game> game;
};

}  // namespace quenna::testing
