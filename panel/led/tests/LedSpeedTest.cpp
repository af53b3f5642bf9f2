// Slider positions to speeds: the two ends, the travel between them, the fast right side, and a
// bar no wider than its slider.

#include "panel/led/LedSpeed.h"

#include <gtest/gtest.h>

namespace vorma::led {
namespace {

// The shipped page: a bar of 240 at 400 with a slider of 16, so the travel is 224.
constexpr LedBarGeometry kBar{400, 240, 16};

TEST(LedSpeedTest, SpeedAtRestFromTheSliderPosition) {
  struct Case {
    int x;
    int fastRightSide;
    int speed;
  };
  const Case cases[] = {
      {400, 0, 1},    {400, 1, 255},  // left end
      {624, 0, 255},  {624, 1, 1},    // right end
      {512, 0, 127},  {512, 1, 128},  // half the travel: 50 % of 255
      {402, 0, 2},    {402, 1, 253},  // 0 % is taken as 1 %
      {627, 0, 255},  {627, 1, 1},    // past the end (a dragged slider stands 3 pixels right)
      {380, 0, 2},    {380, 1, 253},  // left of the bar
      {623, 0, 252},  {623, 1, 3},    // 99 %
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "x " << c.x << " fast right " << c.fastRightSide);
    EXPECT_EQ(SpeedAtRest(kBar, c.x, c.fastRightSide), c.speed);
  }
}

TEST(LedSpeedTest, WhileDraggingOnlyTheShareOfTheTravelCounts) {
  EXPECT_EQ(SpeedWhileDragging(kBar, 400, 0), 2);  // the left end is 1 % here, not the slowest speed
  EXPECT_EQ(SpeedWhileDragging(kBar, 400, 1), 253);
  EXPECT_EQ(SpeedWhileDragging(kBar, 624, 0), 255);
  EXPECT_EQ(SpeedWhileDragging(kBar, 624, 1), 1);  // 255 - 255 is taken as 1
  EXPECT_EQ(SpeedWhileDragging(kBar, 456, 0), 63);
  EXPECT_EQ(SpeedWhileDragging(kBar, 344, 0), 63);  // the distance counts, on either side
}

TEST(LedSpeedTest, ABarWithoutTravelNeverDividesByZero) {
  for (const LedBarGeometry bar : {LedBarGeometry{400, 16, 16}, LedBarGeometry{400, 0, 16}}) {
    EXPECT_EQ(bar.Travel(), 0);
    EXPECT_EQ(SpeedAtRest(bar, 400, 0), 1);
    EXPECT_EQ(SpeedAtRest(bar, 410, 0), 2);
    EXPECT_EQ(SpeedWhileDragging(bar, 400, 0), 2);
    EXPECT_EQ(SpeedWhileDragging(bar, 400, 1), 253);
  }
}

}  // namespace
}  // namespace vorma::led
