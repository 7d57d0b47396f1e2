#pragma once

#include <QString>

#include "platform/Platform.h"
#include "platform/PlayerSettings.h"

namespace quenna {

// Read-aloud, for young readers: while the player has it switched on (Options, "Read
// Aloud", off at first and remembered between runs), the game's texts are spoken as they
// appear. Each text cuts off the one before; nothing ever waits for the voice.
inline bool ReadingAloud(Platform& platform) {
  return ReadFlagSetting(platform, setting::kReadAloud, false);
}

inline void SayAloud(Platform& platform, const QString& text) {
  if (text.trimmed().isEmpty() || !ReadingAloud(platform)) return;
  platform.Say(text.simplified().toStdString());
}

}  // namespace quenna
