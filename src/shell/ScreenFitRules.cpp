#include "shell/ScreenFitRules.h"

namespace quenna {

double FitScaleFactor(int freeHeight) {
  if (freeHeight <= kDesignScreenHeight) return 1.0;
  return static_cast<double>(freeHeight) / kDesignScreenHeight;
}

}  // namespace quenna
