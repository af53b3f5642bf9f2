// The 7.1 geometry without a window: the polar form of icon positions in every quadrant, the
// placing back, the default arrangement, the level clamp and the scalar from the configuration.

#include "panel/features/virtual7ch1/SpeakerLayout.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

namespace vorma::features {
namespace {

constexpr PixelPoint kCentre{560, 251};

TEST(SpeakerLayoutTest, PolarFormFollowsTheQuadrantOfTheIconAroundTheCentre) {
  struct Case {
    int dx, dy;  // screen offsets: y grows downwards
    float angle;
    double distance;
  };
  const Case cases[] = {
      {0, 0, 0.0f, 0.0},                  // exactly at the centre
      {30, 0, 0.0f, 30.0},                // right
      {30, -40, 0.9272952079772949f, 50.0},  // above right
      {0, -40, 1.5707963705062866f, 40.0},   // straight above
      {-30, -40, 2.2142975330352783f, 50.0},  // above left
      {-30, 0, 3.1415927410125732f, 30.0},    // level, left
      {-30, 40, 4.068887710571289f, 50.0},    // below left
      {0, 40, 4.71238899230957f, 40.0},       // straight below
      {30, 40, 5.355890274047852f, 50.0},     // below right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.dx << "," << c.dy);
    const SpeakerPolar polar = PolarOfPosition({kCentre.x + c.dx, kCentre.y + c.dy}, kCentre);
    EXPECT_FLOAT_EQ(polar.angle, c.angle);
    EXPECT_FALSE(std::signbit(polar.angle));  // the device gets +0, never -0
    EXPECT_DOUBLE_EQ(polar.distance, c.distance);
    // Placing back lands on the same pixel or, through truncation, one closer to the centre.
    const PixelPoint back = PositionOfPolar(polar, kCentre);
    EXPECT_LE(std::abs(back.x - (kCentre.x + c.dx)), 1);
    EXPECT_LE(std::abs(back.y - (kCentre.y + c.dy)), 1);
  }
}

TEST(SpeakerLayoutTest, PlacingTruncatesTowardZero) {
  // cos(pi/4) x 88 = 62.2: right gives 622.2 -> 622, up gives 251 - 62.2 = 188.8 -> 188.
  const SpeakerPolar polar{0.7853981624999999f, 88.0};
  EXPECT_EQ(PositionOfPolar(polar, kCentre), (PixelPoint{622, 188}));
}

TEST(SpeakerLayoutTest, DefaultArrangementForTheBuiltInCircle) {
  const auto at = DefaultSpeakerArrangement(kCentre, 110);  // half 55, k = 88
  EXPECT_EQ(at[kSpeakerC], (PixelPoint{560, 163}));
  EXPECT_EQ(at[kSpeakerLS], (PixelPoint{472, 251}));
  EXPECT_EQ(at[kSpeakerRS], (PixelPoint{648, 251}));
  EXPECT_EQ(at[kSpeakerL], (PixelPoint{497, 188}));
  EXPECT_EQ(at[kSpeakerLB], (PixelPoint{497, 313}));
  EXPECT_EQ(at[kSpeakerRB], (PixelPoint{622, 313}));
  EXPECT_EQ(at[kSpeakerR], (PixelPoint{622, 188}));
  EXPECT_EQ(at[kSpeakerSUB], (PixelPoint{560, 196}));  // half the radius, without the factor
  // An odd radius halves downwards: 111 -> 55.
  EXPECT_EQ(DefaultSpeakerArrangement(kCentre, 111)[kSpeakerSUB], (PixelPoint{560, 196}));
}

TEST(SpeakerLayoutTest, LevelIsClampedToTheDevicesRange) {
  struct Case {
    float distance;
    int radius;
    float level;
  };
  const Case cases[] = {
      {0.0f, 110, 0.0f},    {55.0f, 110, 0.85f}, {110.0f, 110, 1.7f},
      {111.0f, 110, 1.7f},  {500.0f, 110, 1.7f}, {10.0f, 0, 1.7f},  // a broken skin's zero radius
      {0.0f, 0, 0.0f},      {-5.0f, 110, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.distance << " of " << c.radius);
    EXPECT_FLOAT_EQ(SpeakerLevel(c.distance, c.radius), c.level);
  }
}

TEST(SpeakerLayoutTest, BlockCarriesEnableLevelsAndAnglesLittleEndian) {
  std::array<float, kSpeakerCount> distance{0, 55, 110, 220, 11, 22, 33, 44};
  std::array<float, kSpeakerCount> angle{0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4};
  const auto block = BuildVirtual7ch1Block(1, distance, angle, 110);
  EXPECT_EQ((std::array<std::uint8_t, 4>{block[0], block[1], block[2], block[3]}), (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
  for (int i = 0; i < kSpeakerCount; ++i) {
    float level = 0, sentAngle = 0;
    std::memcpy(&level, &block[4 + 4 * i], 4);
    std::memcpy(&sentAngle, &block[36 + 4 * i], 4);
    EXPECT_FLOAT_EQ(level, SpeakerLevel(distance[i], 110)) << i;
    EXPECT_EQ(sentAngle, angle[i]) << i;
  }
  // 1.7f is 0x3FD9999A: the speaker at twice the radius is clamped to exactly that.
  EXPECT_EQ((std::array<std::uint8_t, 4>{block[16], block[17], block[18], block[19]}),
            (std::array<std::uint8_t, 4>{0x9a, 0x99, 0xd9, 0x3f}));
  EXPECT_EQ(BuildVirtual7ch1Block(0, distance, angle, 110)[0], 0);
}

TEST(SpeakerLayoutTest, ScalarIsTenthsOfTheConfigurationValue) {
  EXPECT_FLOAT_EQ(Virtual7ch1ScalarFromConfig(L"15"), 1.5f);
  EXPECT_FLOAT_EQ(Virtual7ch1ScalarFromConfig(L""), 2.0f);
  EXPECT_FLOAT_EQ(Virtual7ch1ScalarFromConfig(L"7x"), 0.7f);
  EXPECT_FLOAT_EQ(Virtual7ch1ScalarFromConfig(L"x7"), 0.0f);
}

TEST(SpeakerLayoutTest, ProfilePositionsNeedTwoNumbers) {
  PixelPoint at{-1, -1};
  EXPECT_TRUE(ParseSpeakerPosition(L"497,188", at));
  EXPECT_EQ(at, (PixelPoint{497, 188}));
  EXPECT_TRUE(ParseSpeakerPosition(L" 12 , -3", at));
  EXPECT_EQ(at, (PixelPoint{12, -3}));
  for (const wchar_t* bad : {L"", L"497", L"497,", L",188", L"a,b", L"497;188"}) {
    at = {-1, -1};
    EXPECT_FALSE(ParseSpeakerPosition(bad, at)) << bad;
    EXPECT_EQ(at, (PixelPoint{-1, -1})) << bad;
  }
}

}  // namespace
}  // namespace vorma::features
