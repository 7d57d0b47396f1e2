#pragma once

#include <QImage>

namespace quenna {

// The game's icon: the red date book with its gold clasp, at any size.
QImage GameIcon(int size);

}  // namespace quenna
