#include "shell/Autosave.h"

#include "platform/GameError.h"
#include "store/PlayerFiles.h"
#include "store/SavedGameState.h"

namespace quenna {

Autosave::Autosave(const std::filesystem::path& gameFolder, Journal& journal)
    : file_(gameFolder / kFileName), journal_(journal) {}

bool Autosave::Exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(file_, error);
}

void Autosave::Keep(const GameState& state, const CardRound& round) {
  if (!state.GameStarted) return;
  const SavedGameBytes bytes = EncodeSavedGame(GatherSavedGame(state, round));
  const auto failure = WriteWholeFile(
      file_, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  // Only a failure that lasts is worth telling: the next autosave may well succeed.
  problem_ = failure.value_or(std::string());
  if (!failure) journal_.GameSaved(file_);
}

SavedGame Autosave::Open() {
  const SavedGameCheck check = CheckSavedGame(file_);
  if (check.Sound()) return check.game;
  std::error_code error;
  const std::filesystem::path setAside = file_.parent_path() / kSetAsideName;
  std::filesystem::rename(file_, setAside, error);
  throw GameError("The game kept for Continue could not be opened: " + check.Reason() + ". " +
                  (error ? std::string() : "It was set aside as \"" + setAside.string() + "\". ") +
                  "Start Game begins a new game.");
}

void Autosave::Forget() {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

void Autosave::RefuseAsSaveName(const std::filesystem::path& chosen) const {
  std::error_code error;
  if (std::filesystem::weakly_canonical(chosen, error) !=
      std::filesystem::weakly_canonical(file_, error)) {
    return;
  }
  throw GameError("The name \"" + std::string(kFileName) +
                  "\" in this folder belongs to the game's own autosave, which it rewrites "
                  "often. Please save your game under another name.");
}

std::string Autosave::Notice() {
  if (!problem_.empty() && !autosaveTold_) {
    autosaveTold_ = true;
    return "The game could not keep itself for Continue in \"" + file_.string() +
           "\": " + problem_ + ". Save it with File > Save Game.";
  }
  if (!journal_.Problem().empty() && !journalTold_) {
    journalTold_ = true;
    return "Your answers could not be written down for My Progress (" + journal_.Problem() +
           "). The game goes on.";
  }
  return {};
}

}  // namespace quenna
