#pragma once

#include <QImage>

namespace quenna {

// The picture of the About box, 426 x 393: the title, the date book and the credits.
QImage AboutPicture();

}  // namespace quenna
