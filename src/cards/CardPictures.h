#pragma once

#include <QImage>

#include <string_view>

namespace quenna {

// The card table's pictures, which the program draws itself the first time each is
// asked for and keeps:
// - "1R" .. "DW": the 39 faces, 40 x 60: the rank as a large number under the name of
//   the virtue of that rank, on a red, blue or white ground;
// - "GAP" (40 x 60): bare felt, for a gap and for a lifted card's empty place;
// - "BP" (632 x 424): the table, dark red felt with a black strip along the bottom and
//   three cards standing at the lower middle;
// - "P2" (120 x 59): bare felt that covers those three cards when drawn at (274, 308).
// The felt's grain repeats every 45 pixels across and 90 down, the distances between
// card places, so a patch laid on any place of the table matches what is around it.
// Throws GameError for a name that is none of these.
const QImage& CardPicture(std::string_view name);

inline constexpr int kCardWidth = 40;
inline constexpr int kCardHeight = 60;
inline constexpr int kTableWidth = 632;
inline constexpr int kTableHeight = 424;
inline constexpr int kPatchLeft = 274;
inline constexpr int kPatchTop = 308;

}  // namespace quenna
