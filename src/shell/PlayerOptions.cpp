#include "shell/PlayerOptions.h"

#include "platform/PlayerSettings.h"
#include "store/SavedGameFile.h"

namespace quenna {

PlayerOptions ReadPlayerOptions(Platform& platform) {
  PlayerOptions options;
  options.cardGame = ReadFlagSetting(platform, setting::kCardGame, options.cardGame);
  options.music = ReadFlagSetting(platform, setting::kMusic, options.music);
  options.tips = ReadFlagSetting(platform, setting::kTips, options.tips);
  return options;
}

void WritePlayerOptions(Platform& platform, const PlayerOptions& options) {
  WriteFlagSetting(platform, setting::kCardGame, options.cardGame);
  WriteFlagSetting(platform, setting::kMusic, options.music);
  WriteFlagSetting(platform, setting::kTips, options.tips);
}

SavedGameDialogs::SavedGameDialogs(Platform& platform, const std::filesystem::path& gameFolder)
    : OpenDialog{"Open Saved Game", kSavedGamesFilter, "SAV", gameFolder, {}, false},
      SaveDialog{"Save Game", kSavedGamesFilter, ".SAV", gameFolder, {}, true},
      platform_(platform) {
  // A folder that has gone since (a USB stick taken out) is not offered.
  const auto last = platform.ReadSetting(std::string(setting::kSaveFolder));
  std::error_code error;
  if (last && !last->empty() && std::filesystem::is_directory(*last, error)) {
    OpenDialog.initialDirectory = SaveDialog.initialDirectory = *last;
  }
}

void SavedGameDialogs::Remember(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(file, error).parent_path();
  if (folder.empty()) return;
  OpenDialog.initialDirectory = SaveDialog.initialDirectory = folder;
  platform_.WriteSetting(std::string(setting::kSaveFolder), folder.string());
}

}  // namespace quenna
