#pragma once

#include <filesystem>
#include <memory>

#include "core/GameContext.h"
#include "core/GameState.h"
#include "media/DataFolder.h"
#include "media/Music.h"
#include "platform/Platform.h"
#include "scene/SceneFiles.h"
#include "store/Journal.h"

namespace quenna {

class TForm1;
class TIntro;
class TCloseUp;
class TOption1;
class TReminder;
class TSaveFirst;
class TPlayCards;
class THighScores;
class TProgress;
class TSavedGames;
class QuitSignals;

struct GamePaths {
  std::filesystem::path dataFolder;  // the pictures, sounds and texts
  std::filesystem::path userFolder;  // saved games and "HighScores"
};

// One game program: the game state, its services, the eight windows and "My Progress" and the
// list of saved games. Windows reach one another through it, so a test can build a fresh game
// as often as it likes.
class Game {
 public:
  // Opens the scene grid file and creates the windows. Throws GameError when the data
  // folder holds no game data.
  Game(Platform& platform, GamePaths paths);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The main window is made with the game; the others when a player first needs them, so
  // the title is on the screen sooner.
  TForm1& Form1() { return *form1_; }
  TIntro& Intro();
  TCloseUp& CloseUp();
  TOption1& Option1();
  TReminder& Reminder();
  TSaveFirst& SaveFirst();
  TPlayCards& PlayCards();
  THighScores& HighScores();
  TProgress& Progress();
  TSavedGames& SavedGames();

  GameState& State() { return state_; }
  const DataFolder& Data() const { return data_; }
  Music& Sounds() { return music_; }
  SceneGridFile& GridFile() { return gridFile_; }
  Journal& LearningJournal() { return journal_; }
  const GamePaths& Paths() const { return paths_; }

 private:
  Platform& platform_;
  GamePaths paths_;
  DataFolder data_;
  GameState state_;
  Music music_;
  SceneGridFile gridFile_;
  Journal journal_;
  GameContext context_;
  // Destroyed in reverse: the other windows go before the main window that parents them.
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TIntro> intro_;
  std::unique_ptr<TCloseUp> closeUp_;
  std::unique_ptr<TOption1> option1_;
  std::unique_ptr<TReminder> reminder_;
  std::unique_ptr<TSaveFirst> saveFirst_;
  std::unique_ptr<TPlayCards> playCards_;
  std::unique_ptr<THighScores> highScores_;
  std::unique_ptr<TProgress> progress_;
  std::unique_ptr<TSavedGames> savedGames_;
  // SIGTERM, SIGINT and SIGHUP end the session through the main window.
  std::unique_ptr<QuitSignals> quitSignals_;
};

}  // namespace quenna
