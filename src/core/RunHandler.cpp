#include "core/RunHandler.h"

#include <exception>
#include <string>

namespace quenna {

void RunHandler(Platform& platform, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    platform.ErrorBox(error.what());
  } catch (...) {
    platform.ErrorBox("An unexpected error stopped the game's last action.");
  }
}

}  // namespace quenna
