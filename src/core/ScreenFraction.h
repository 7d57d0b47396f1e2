#pragma once

#include <cmath>
#include <cstdint>

namespace quenna {

// The layout takes fixed fractions of the screen height: H times the double nearest
// the decimal f, computed exactly and truncated toward zero. A plain double product
// would round 600 x 0.3 up to 180; the exact product is 179.99999999999999 and gives 179.
inline int ScreenFraction(int height, double fraction) {
  if (height == 0 || fraction == 0.0) return 0;
  int exponent = 0;
  const double mantissa = std::frexp(fraction, &exponent);  // fraction = mantissa x 2^exponent
  const auto digits = static_cast<std::int64_t>(std::ldexp(mantissa, 53));
  const __int128 product = static_cast<__int128>(height) * digits;  // exact
  const int shift = 53 - exponent;
  if (shift <= 0) return static_cast<int>(product << -shift);
  if (shift >= 127) return 0;
  // Truncation toward zero: shift the magnitude, then restore the sign.
  const __int128 magnitude = product < 0 ? -product : product;
  const auto truncated = static_cast<std::int64_t>(magnitude >> shift);
  return static_cast<int>(product < 0 ? -truncated : truncated);
}

}  // namespace quenna
