#pragma once

#include <filesystem>

#include "core/GameState.h"
#include "media/DataFolder.h"
#include "media/Music.h"
#include "platform/Platform.h"

namespace quenna {

class Journal;
class MainForm;

// The services every window of the game is built with. The game object owns them all.
struct GameContext {
  Platform& platform;
  const DataFolder& data;
  Music& music;
  GameState& state;
  // Where the player may write: saved games and the "HighScores" file.
  std::filesystem::path userFolder;
  // The learning journal of what the player did (store/Journal.h).
  Journal& journal;
};

}  // namespace quenna
