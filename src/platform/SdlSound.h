#pragma once

#include <cstdint>
#include <filesystem>

namespace quenna {

// The sound service: one WAV at a time through SDL's audio queue. A new sound clears
// the queue and so replaces the one playing; a synchronous play waits for the queue to
// drain. Without a sound device SDL's "dummy" driver takes over and the game is silent.
class SdlSound {
 public:
  SdlSound() = default;
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  void Play(const std::filesystem::path& file, bool wait);
  void Stop();

 private:
  bool OpenDevice();

  std::uint32_t device_ = 0;
  bool tried_ = false;
  int frequency_ = 0;
  int channels_ = 0;
  std::uint16_t format_ = 0;
};

}  // namespace quenna
