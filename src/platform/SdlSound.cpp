#include "platform/SdlSound.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/WavCheck.h"

namespace quenna {
namespace {

// The format of every sound of the game's data, which the device is opened in.
constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 1;
constexpr SDL_AudioFormat kDeviceFormat = AUDIO_S16SYS;
// Samples per round of SDL's audio thread: about 46 ms, so a stop is heard at once.
constexpr Uint16 kDeviceSamples = 1024;
// How much of a sound in another format is converted at a time, in sample frames.
constexpr Uint32 kConvertFrames = 4096;

Uint8 SilenceOf(SDL_AudioFormat format) {
  return format == AUDIO_U8 ? 0x80 : 0x00;
}

}  // namespace

// A sound as read from its file, and how far it has been played.
struct SdlSound::Sound {
  Sound(Uint8* samples, Uint32 length) : samples(samples), length(length) {}
  ~Sound() {
    if (converter != nullptr) SDL_FreeAudioStream(converter);
    SDL_FreeWAV(samples);
  }
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  Uint8* samples;
  Uint32 length;
  // The next byte of `samples` for the device, or for the converter.
  Uint32 position = 0;
  Uint32 frameBytes = 1;
  // Only for a sound in another format than the device's.
  SDL_AudioStream* converter = nullptr;
};

struct SdlSound::Device {
  void Open();
  // Waits for the opening to be over; false when there is no device.
  bool Ready();
  // Both with mutex held.
  void StopLocked();
  void StartLocked(std::unique_ptr<Sound> sound);
  // SDL's audio thread asks for the next bytes for the device.
  static void FillDevice(void* self, std::uint8_t* out, int length);
  void Fill(std::uint8_t* out, int length);

  // Guards id once opened, opened, pending, and every start and stop, which the game's
  // thread and the opening thread both make.
  std::mutex mutex;
  std::condition_variable openedChanged;
  SDL_AudioDeviceID id = 0;
  bool opened = false;
  // The sound asked for while the device was still opening.
  std::unique_ptr<Sound> pending;
  // The sound playing: set with the device locked, read by SDL's audio thread, which
  // marks it ended.
  std::unique_ptr<Sound> playing;
  std::atomic<bool> ended{true};
};

SdlSound::SdlSound() : device_(std::make_shared<Device>()) {
  // The thread holds the device as long as it runs, however long the game does.
  std::thread([device = device_] { device->Open(); }).detach();
}

SdlSound::~SdlSound() {
  const std::lock_guard lock(device_->mutex);
  // A device still opening never plays: the sound asked for goes now.
  device_->pending.reset();
  if (device_->id == 0) return;
  // Closing the device would wait for SDL's audio thread to play out two more rounds and
  // end, a good tenth of a second at the end of every game. Paused, the thread no longer
  // calls FillDevice; the device closes with the process.
  SDL_PauseAudioDevice(device_->id, 1);
}

bool SdlSound::Device::Ready() {
  std::unique_lock lock(mutex);
  openedChanged.wait(lock, [this] { return opened; });
  return id != 0;
}

void SdlSound::Device::Open() {
  SDL_AudioSpec wanted{};
  wanted.freq = kDeviceRate;
  wanted.format = kDeviceFormat;
  wanted.channels = kDeviceChannels;
  wanted.samples = kDeviceSamples;
  wanted.callback = FillDevice;
  wanted.userdata = this;
  // SDL would otherwise take SIGINT and SIGTERM for an event queue nobody reads, and the
  // game would no longer stop when asked to (QuitSignals handles them).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // With no changes allowed, SDL itself adapts a device that cannot take this format, and
  // FillDevice always writes the format asked for.
  SDL_AudioDeviceID device = 0;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  }
  if (device == 0) {
    // No sound card or no sound server: the dummy driver swallows the sound in real
    // time, so waits and replacements behave as with a device.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
      device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
  }
  // SDL keeps its error messages per thread and frees them by itself only for threads it
  // made; this one ends here.
  SDL_TLSCleanup();
  {
    const std::lock_guard lock(mutex);
    id = device;
    opened = true;
    if (pending) StartLocked(std::move(pending));
  }
  openedChanged.notify_all();
}

void SdlSound::Device::FillDevice(void* self, std::uint8_t* out, int length) {
  static_cast<Device*>(self)->Fill(out, length);
}

void SdlSound::Device::Fill(std::uint8_t* out, int length) {
  std::memset(out, SilenceOf(kDeviceFormat), static_cast<std::size_t>(length));
  Sound* sound = playing.get();
  if (sound == nullptr || ended) return;
  const auto wanted = static_cast<Uint32>(length);
  if (sound->converter == nullptr) {
    const Uint32 count = std::min(wanted, sound->length - sound->position);
    std::memcpy(out, sound->samples + sound->position, count);
    sound->position += count;
    if (sound->position == sound->length) ended = true;
    return;
  }
  Uint32 written = 0;
  while (written < wanted) {
    const int got =
        SDL_AudioStreamGet(sound->converter, out + written, static_cast<int>(wanted - written));
    if (got < 0) {
      ended = true;
      return;
    }
    written += static_cast<Uint32>(got);
    if (written == wanted) break;
    if (sound->position == sound->length) {
      // Everything is in the converter, and it has given out all it holds.
      if (SDL_AudioStreamAvailable(sound->converter) == 0) ended = true;
      if (got == 0) break;
      continue;
    }
    const Uint32 count =
        std::min(kConvertFrames * sound->frameBytes, sound->length - sound->position);
    if (SDL_AudioStreamPut(sound->converter, sound->samples + sound->position,
                           static_cast<int>(count)) != 0) {
      ended = true;
      return;
    }
    sound->position += count;
    if (sound->position == sound->length) SDL_AudioStreamFlush(sound->converter);
  }
  if (sound->position == sound->length && SDL_AudioStreamAvailable(sound->converter) == 0) {
    ended = true;
  }
}

void SdlSound::Stop() {
  const std::lock_guard lock(device_->mutex);
  device_->StopLocked();
}

void SdlSound::Device::StopLocked() {
  pending.reset();
  if (id == 0) return;
  // Paused, the device plays silence and FillDevice is not called.
  SDL_PauseAudioDevice(id, 1);
  std::unique_ptr<Sound> stopped;
  SDL_LockAudioDevice(id);
  stopped = std::move(playing);
  ended = true;
  SDL_UnlockAudioDevice(id);
}

void SdlSound::Device::StartLocked(std::unique_ptr<Sound> sound) {
  if (!opened) {
    pending = std::move(sound);
    return;
  }
  if (id == 0) return;
  SDL_LockAudioDevice(id);
  playing = std::move(sound);
  ended = false;
  SDL_UnlockAudioDevice(id);
  SDL_PauseAudioDevice(id, 0);
}

void SdlSound::Play(const std::filesystem::path& file, bool wait) {
  Stop();
  if (file.empty()) return;

  if (!WavFileProblem(file).empty()) return;  // silent, as for a missing file; see WavCheck.h
  SDL_AudioSpec format{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(file.c_str(), &format, &samples, &length) == nullptr) return;  // silent
  auto sound = std::make_unique<Sound>(samples, length);
  sound->frameBytes = std::max<Uint32>(1, SDL_AUDIO_BITSIZE(format.format) / 8 * format.channels);
  sound->length -= sound->length % sound->frameBytes;
  const Uint8 silence = SilenceOf(format.format);
  if (std::all_of(samples, samples + sound->length, [&](Uint8 byte) { return byte == silence; })) {
    return;  // the sound playing is stopped, and that is all a silence does
  }
  if (format.format != kDeviceFormat || format.channels != kDeviceChannels ||
      format.freq != kDeviceRate) {
    sound->converter = SDL_NewAudioStream(format.format, format.channels, format.freq,
                                          kDeviceFormat, kDeviceChannels, kDeviceRate);
    if (sound->converter == nullptr) return;  // silent
  }
  const auto seconds = std::chrono::milliseconds(
      1000LL * sound->length / (std::uint64_t{sound->frameBytes} * std::max(1, format.freq)));

  if (wait && !device_->Ready()) return;
  {
    const std::lock_guard lock(device_->mutex);
    device_->StartLocked(std::move(sound));
  }
  if (!wait) return;
  // Waits for the sound to end, with a margin in case the device stalls.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(1) + seconds;
  while (!device_->ended && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace quenna
