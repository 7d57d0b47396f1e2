#include <gtest/gtest.h>

#include "core/ScreenFraction.h"

namespace quenna {
namespace {

// The layout truncates the exact product of the height and the double nearest the fraction.
TEST(ScreenFraction, TruncatesTheExactProduct) {
  struct Case {
    int height;
    double fraction;
    int expected;
  };
  const Case cases[] = {
      {600, 0.82, 491}, {600, 0.3, 179}, {600, 0.7, 419},  {600, 0.36, 215},
      {600, 0.38, 228}, {600, 1.1, 660}, {768, 0.82, 629}, {768, 0.05, 38},
      {1080, 0.3, 323}, {480, 0.5, 240}, {599, 0.2, 119},  {0, 0.5, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScreenFraction(c.height, c.fraction), c.expected) << c.height << " x " << c.fraction;
  }
}

}  // namespace
}  // namespace quenna
