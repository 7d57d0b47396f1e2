#include "shell/Game.h"

#include "cards/TPlayCards.h"
#include "core/RunHandler.h"
#include "platform/GameError.h"
#include "platform/QuitSignals.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "store/TProgress.h"
#include "store/TReminder.h"
#include "store/TSaveFirst.h"
#include "store/TSavedGames.h"
#include "story/TIntro.h"
#include "talk/TCloseUp.h"

namespace quenna {

Game::Game(Platform& platform, GamePaths paths)
    : platform_(platform),
      paths_(std::move(paths)),
      data_(paths_.dataFolder),
      music_(platform_, data_),
      journal_(paths_.userFolder / Journal::kFileName, [this] { return platform_.NowSeconds(); }),
      context_{platform_, data_, music_, state_, paths_.userFolder, journal_} {
  // The grid file stays open for the whole run. Without it there is no game to play,
  // so say where the game looked and stop.
  if (!gridFile_.Open(data_.Resolve(kGridFileName))) {
    throw GameError("The game's data could not be found. It should be in the folder " +
                    data_.Root().string() + " (the file \"" + kGridFileName +
                    "\" is missing there). Build the game's data or reinstall the game.");
  }

  // The game writes its own files there as it goes: the autosave and the journal.
  std::error_code ignored;
  std::filesystem::create_directories(paths_.userFolder, ignored);

  form1_ = std::make_unique<TForm1>(*this, context_);
  RunHandler(platform_, [this] { form1_->FormCreate(); });
  quitSignals_ = std::make_unique<QuitSignals>();
  QObject::connect(quitSignals_.get(), &QuitSignals::QuitRequested, form1_.get(),
                   [this] { RunHandler(platform_, [this] { form1_->SessionEnding(); }); });
}

Game::~Game() = default;

namespace {

// The window in `slot`, made on first use from `arguments`.
template <typename Window, typename... Arguments>
Window& MadeOnce(std::unique_ptr<Window>& slot, Arguments&&... arguments) {
  if (!slot) slot = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
  return *slot;
}

}  // namespace

TIntro& Game::Intro() {
  return MadeOnce(intro_, context_, *form1_, form1_.get());
}
TCloseUp& Game::CloseUp() {
  return MadeOnce(closeUp_, context_, *form1_, form1_.get());
}
TOption1& Game::Option1() {
  return MadeOnce(option1_, context_, *form1_, form1_.get());
}
TReminder& Game::Reminder() {
  return MadeOnce(reminder_, context_, *form1_, form1_.get());
}
TSaveFirst& Game::SaveFirst() {
  return MadeOnce(saveFirst_, context_, *form1_, form1_.get());
}
TPlayCards& Game::PlayCards() {
  return MadeOnce(playCards_, context_, *form1_, form1_.get());
}
THighScores& Game::HighScores() {
  return MadeOnce(highScores_, context_, *form1_, form1_.get());
}
TProgress& Game::Progress() {
  return MadeOnce(progress_, platform_, paths_.userFolder, form1_.get());
}
TSavedGames& Game::SavedGames() {
  return MadeOnce(savedGames_, platform_, paths_.userFolder, form1_.get());
}

}  // namespace quenna
