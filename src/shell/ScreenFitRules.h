#pragma once

namespace quenna {

// Every window of the game is designed for a screen of 768 lines.
inline constexpr int kDesignScreenHeight = 768;

// How much larger than designed the windows are drawn when Fit to Screen is on, for a
// screen whose free area (less any desktop panel) is this many lines high: the factor that
// makes the free area 768 lines of the design. Screens of 768 lines or fewer keep factor 1;
// there the layout itself makes the most of the height.
double FitScaleFactor(int freeHeight);

}  // namespace quenna
