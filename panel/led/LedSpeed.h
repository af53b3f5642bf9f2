#pragma once
// The speed an effect's slider stands for. The left end is slow (1) and the right end fast (255),
// or the other way round when the skin says the right side is fast (FastRightSide 1).

namespace vorma::led {

struct LedBarGeometry {
  int barLeft = 0;
  int barWidth = 0;
  int sliderWidth = 0;
  // The slider's travel on its bar; never negative, whatever the skin's pictures measure.
  int Travel() const { return barWidth > sliderWidth ? barWidth - sliderWidth : 0; }
};

// The speed of a slider whose left edge is at `x`: the two ends give exactly 1 and 255, every
// other place its share of the travel (percent 1..100, scaled to 255).
int SpeedAtRest(const LedBarGeometry& bar, int x, int fastRightSide);

// The speed shown while a slider is dragged: only the share of the travel counts, measured as the
// distance from the bar's left edge, and never more than 255.
int SpeedWhileDragging(const LedBarGeometry& bar, int x, int fastRightSide);

}  // namespace vorma::led
