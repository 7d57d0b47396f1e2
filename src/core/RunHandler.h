#pragma once

#include <functional>

#include "platform/Platform.h"

namespace quenna {

// Runs one window handler. A GameError (or any other exception) stops the handler where
// it is and shows its message in the error box, so no exception ever crosses Qt's event
// dispatch and the game goes on.
void RunHandler(Platform& platform, const std::function<void()>& handler);

}  // namespace quenna
