#pragma once

#include <filesystem>
#include <string_view>

#include "media/DataFolder.h"
#include "platform/Platform.h"

namespace quenna {

// The game's sounds and the music switch of the Options menu. With the music switched
// off no sound of the game plays at all. Each sound replaces the one before; nothing loops.
class Music {
 public:
  Music(Platform& platform, const DataFolder& data);

  // Plays a sound file of the data folder: stops the current sound first.
  void Playit(std::string_view soundFile, int flags);
  // Ends the current sound by playing the short silence "sndoff.wav" (kSilenceSound) and waiting
  // for it.
  void StopMusic();

  void SetMusicOn(bool on) { musicOn_ = on; }
  // Set by the high-score entry so that the theme goes on after the main window closes.
  int KeepMusic() const { return keepMusic_; }
  void SetKeepMusic(int keep) { keepMusic_ = keep; }

 private:
  Platform& platform_;
  const DataFolder& data_;
  bool musicOn_ = true;
  int keepMusic_ = 0;
};

}  // namespace quenna
