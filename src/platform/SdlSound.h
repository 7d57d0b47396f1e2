#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

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
// need not wait for. A sound asked for before then starts once the device is open.
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

  void OpenDevice();
  // Waits for the opening to be over; false when there is no device.
  bool DeviceReady();
  // Both with mutex_ held.
  void StopLocked();
  void StartLocked(std::unique_ptr<Sound> sound);
  // SDL's audio thread asks for the next bytes for the device.
  static void FillDevice(void* self, std::uint8_t* out, int length);
  void Fill(std::uint8_t* out, int length);

  // Guards device_ once opened, pending_, and every start and stop, which the game's
  // thread and the opening thread both make.
  std::mutex mutex_;
  std::uint32_t device_ = 0;
  bool opened_ = false;
  // The sound asked for while the device was still opening.
  std::unique_ptr<Sound> pending_;
  // The sound playing: set with the device locked, read by SDL's audio thread, which
  // marks it ended.
  std::unique_ptr<Sound> playing_;
  std::atomic<bool> ended_{true};
  // Made last, as it starts with the object's other members in place.
  std::thread opener_;
};

}  // namespace quenna
