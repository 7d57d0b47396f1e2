#pragma once

#include <QCursor>

namespace quenna {

// The game's own mouse pointers, numbered as the action modes: 1 the eye (look),
// 2 the speech bubble (talk), 3 the pointing hand (cover and idle). Each is a 32 x 32
// black-and-white picture with its hot spot where it points.
enum CursorNumber : int { kEyeCursor = 1, kTalkCursor = 2, kHandCursor = 3 };

QCursor GameCursor(int number);
// The card table's pointer while a card is lifted: an arrow carrying a small sheet.
QCursor DragCursor();

}  // namespace quenna
