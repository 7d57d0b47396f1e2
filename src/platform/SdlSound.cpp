#include "platform/SdlSound.h"

#include <SDL.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/WavCheck.h"

namespace quenna {

SdlSound::~SdlSound() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (tried_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::OpenDevice() {
  if (tried_) return device_ != 0;
  tried_ = true;
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 2048;
  SDL_AudioSpec have{};
  // SDL would otherwise take SIGINT and SIGTERM for an event queue nobody reads, and the
  // game would no longer stop when asked to (QuitSignals handles them).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &have, 0);
  }
  if (device_ == 0) {
    // No sound card or no sound server: the dummy driver swallows the sound in real
    // time, so waits and replacements behave as with a device.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
      device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &have, 0);
    }
  }
  if (device_ == 0) return false;
  frequency_ = have.freq;
  channels_ = have.channels;
  format_ = have.format;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlSound::Stop() {
  if (device_ != 0) SDL_ClearQueuedAudio(device_);
}

void SdlSound::Play(const std::filesystem::path& file, bool wait) {
  if (!OpenDevice()) return;
  SDL_ClearQueuedAudio(device_);
  if (file.empty()) return;

  if (!WavFileProblem(file).empty()) return;  // silent, as for a missing file; see WavCheck.h
  SDL_AudioSpec wavFormat{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(file.c_str(), &wavFormat, &samples, &length) == nullptr) return;  // silent

  SDL_AudioCVT convert{};
  int built = SDL_BuildAudioCVT(&convert, wavFormat.format, wavFormat.channels, wavFormat.freq,
                                format_, static_cast<Uint8>(channels_), frequency_);
  if (built < 0) {
    SDL_FreeWAV(samples);
    return;
  }
  std::vector<Uint8> buffer(static_cast<std::size_t>(length) * std::max(1, convert.len_mult));
  std::copy(samples, samples + length, buffer.begin());
  SDL_FreeWAV(samples);
  Uint32 converted = length;
  if (built == 1) {
    convert.buf = buffer.data();
    convert.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&convert) != 0) return;
    converted = static_cast<Uint32>(convert.len_cvt);
  }
  SDL_QueueAudio(device_, buffer.data(), converted);
  if (!wait) return;

  // Waits for the queue to drain, with a margin in case the device stalls.
  const int bytesPerSecond = frequency_ * channels_ * SDL_AUDIO_BITSIZE(format_) / 8;
  const auto limit =
      std::chrono::steady_clock::now() +
      std::chrono::milliseconds(1000 + 1000LL * converted / std::max(1, bytesPerSecond));
  while (SDL_GetQueuedAudioSize(device_) > 0 && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace quenna
