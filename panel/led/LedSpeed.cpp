#include "panel/led/LedSpeed.h"

#include <algorithm>
#include <cstdlib>

namespace vorma::led {
namespace {

constexpr int kSlowest = 1;
constexpr int kFastest = 255;

// Percent of the travel, 1..100. A bar no wider than its slider has no travel; its slider can
// only stand at the left edge.
int PercentOfTravel(const LedBarGeometry& bar, int distance) {
  const int travel = bar.Travel();
  const int percent = travel > 0 ? distance * 100 / travel : 0;
  return std::clamp(percent, 1, 100);
}

int SpeedOfPercent(int percent, int fastRightSide) {
  int value = percent * kFastest / 100;
  if (value == 0) value = 1;
  if (fastRightSide == 1) {
    value = kFastest - value;
    if (value == 0) value = 1;
  }
  return std::min(value, kFastest);
}

}  // namespace

int SpeedAtRest(const LedBarGeometry& bar, int x, int fastRightSide) {
  if (x == bar.barLeft) return fastRightSide == 1 ? kFastest : kSlowest;
  if (x == bar.barLeft + bar.barWidth - bar.sliderWidth) return fastRightSide == 1 ? kSlowest : kFastest;
  return SpeedOfPercent(PercentOfTravel(bar, x - bar.barLeft), fastRightSide);
}

int SpeedWhileDragging(const LedBarGeometry& bar, int x, int fastRightSide) {
  return SpeedOfPercent(PercentOfTravel(bar, std::abs(x - bar.barLeft)), fastRightSide);
}

}  // namespace vorma::led
