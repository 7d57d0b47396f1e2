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
  QWidget* owner = form1_.get();
  intro_ = std::make_unique<TIntro>(context_, *form1_, owner);
  closeUp_ = std::make_unique<TCloseUp>(context_, *form1_, owner);
  option1_ = std::make_unique<TOption1>(context_, *form1_, owner);
  reminder_ = std::make_unique<TReminder>(context_, *form1_, owner);
  saveFirst_ = std::make_unique<TSaveFirst>(context_, *form1_, owner);
  playCards_ = std::make_unique<TPlayCards>(context_, *form1_, owner);
  highScores_ = std::make_unique<THighScores>(context_, *form1_, owner);
  progress_ = std::make_unique<TProgress>(platform_, paths_.userFolder, owner);
  savedGames_ = std::make_unique<TSavedGames>(platform_, paths_.userFolder, owner);

  quitSignals_ = std::make_unique<QuitSignals>();
  QObject::connect(quitSignals_.get(), &QuitSignals::QuitRequested, form1_.get(),
                   [this] { RunHandler(platform_, [this] { form1_->SessionEnding(); }); });
}

Game::~Game() = default;

}  // namespace quenna
