#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "cards/CardRound.h"
#include "core/GameState.h"
#include "store/Journal.h"
#include "store/SavedGameFile.h"

namespace quenna {

// The game keeps the running game by itself in "autosave.sav" in the player's game folder,
// a saved game like any other (1117 bytes, written whole or not at all), so that
// "Continue" on the title screen picks it up after the program was closed or stopped. It
// never writes any other file: a player's own saved games are theirs alone.
//
// The journal hears of every autosave as a save of that file, so a game continued from it
// goes on as the same game in "My Progress".
class Autosave {
 public:
  static constexpr std::string_view kFileName = kAutosaveFileName;
  // Where a damaged autosave is set aside, beside it.
  static constexpr std::string_view kSetAsideName = "autosave.sav.bad";

  Autosave(const std::filesystem::path& gameFolder, Journal& journal);

  const std::filesystem::path& File() const { return file_; }
  bool Exists() const;

  // Keeps the running game; nothing happens while no game runs. A failure never stops the
  // game: Notice tells the player once.
  void Keep(const GameState& state, const CardRound& round);
  // The autosave for Continue, checked as any saved game. One that cannot be opened is set
  // aside as "autosave.sav.bad", and the GameError says so.
  SavedGame Open();
  // The game is over: there is nothing to continue.
  void Forget();
  // Save Game refuses the autosave's own name; throws GameError for it.
  void RefuseAsSaveName(const std::filesystem::path& chosen) const;

  // What the player should hear about the game's own files, once a run each: the first
  // autosave and the first journal record that could not be written. Empty otherwise.
  std::string Notice();

 private:
  std::filesystem::path file_;
  Journal& journal_;
  std::string problem_;
  bool autosaveTold_ = false;
  bool journalTold_ = false;
};

}  // namespace quenna
