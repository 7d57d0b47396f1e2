#pragma once

#include <filesystem>
#include <memory>

namespace quenna {

// The sound service: one WAV at a time on an SDL audio device. A new sound replaces the
// one playing; a synchronous play waits for the sound to end. Without a sound device
// SDL's "dummy" driver takes over and the game is silent.
//
// The device runs in the format of the game's sounds (22050 samples a second, mono,
// 16 bits), so they go to it as they are, straight from the file's samples. A sound in
// another format is converted piece by piece as it plays, never as a whole.
//
// The device opens on a thread of its own as soon as the service is made: asking the
// system for its sound devices takes from a few milliseconds to a tenth of a second (SDL
// waits for its ALSA watcher when it falls back to "dummy"), which the game's start-up
// need not wait for. A sound asked for before then starts once the device is open. Nor
// need the game's end wait for it: a device still opening then is left to the process's end.
class SdlSound {
 public:
  SdlSound();
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Plays a WAV file; an empty name only stops the sound playing. A sound that is all
  // silence (the game's "sndoff.wav") only stops the sound playing too, and returns at
  // once even when asked to wait: there is nothing to hear while waiting for it.
  void Play(const std::filesystem::path& file, bool wait);
  void Stop();

 private:
  struct Sound;
  // The device and the sound on it: shared with the thread that opens the device and with
  // SDL's audio thread, so that the game may end without waiting for the opening.
  struct Device;
  std::shared_ptr<Device> device_;
};

}  // namespace quenna
