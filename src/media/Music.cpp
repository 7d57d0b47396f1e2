#include "media/Music.h"

#include "core/GameFiles.h"

namespace quenna {

Music::Music(Platform& platform, const DataFolder& data) : platform_(platform), data_(data) {}

void Music::Playit(std::string_view soundFile, int flags) {
  if (!musicOn_) return;
  platform_.PlaySound({}, kSoundNoDefault);
  platform_.PlaySound(data_.Resolve(soundFile), flags);
}

void Music::StopMusic() {
  platform_.PlaySound(data_.Resolve(kSilenceSound), kSoundNoDefault);
}

}  // namespace quenna
