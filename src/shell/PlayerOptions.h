#pragma once

#include <filesystem>

#include "platform/Platform.h"

namespace quenna {

// The switches of the Options and Tips menus as the player left them last time. They keep
// their captions and check marks; only where they start comes from the settings, and a
// setting that is missing or damaged starts the switch as the game always started it.
struct PlayerOptions {
  bool cardGame = true;
  bool music = true;
  bool tips = true;
  bool operator==(const PlayerOptions&) const = default;
};

PlayerOptions ReadPlayerOptions(Platform& platform);
void WritePlayerOptions(Platform& platform, const PlayerOptions& options);

// The file dialogs of saved games. They start in the folder where the player last saved
// or opened a game, this run or an earlier one, or else in the game folder; they keep
// their settings between uses, and the save dialog offers the name chosen last.
class SavedGameDialogs {
 public:
  SavedGameDialogs(Platform& platform, const std::filesystem::path& gameFolder);

  // A game was saved in or opened from this file: its folder is where the dialogs start.
  void Remember(const std::filesystem::path& file);

  FileDialogOptions OpenDialog;
  FileDialogOptions SaveDialog;

 private:
  Platform& platform_;
};

}  // namespace quenna
