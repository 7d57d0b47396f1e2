#pragma once

#include <stdexcept>
#include <string>

namespace quenna {

// A failure the player is told about: a window handler that meets one stops where it
// is, and the message appears in the error box (see RunHandler).
class GameError : public std::runtime_error {
 public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quenna
