// The pure rules of 3D: the record's place in the configuration image, the slider value mapping,
// the link modes and the tuning-byte adjustment.

#include "panel/features/threed/ThreeDRecord.h"

#include <gtest/gtest.h>

#include <array>

namespace vorma::features {
namespace {

TEST(ThreeDRecordTest, ReadsAndStoresTheRecordAtItsThreeBytes) {
  std::array<std::uint8_t, 0x100> table{};
  table.fill(0xFF);
  table[0xA1] = 0x7B;
  table[0xE7] = 0xA3;
  table[0xE8] = 0xA3;
  ThreeDImageBytes bytes;
  ASSERT_TRUE(ReadImageBytes(table, bytes));
  EXPECT_EQ(bytes, (ThreeDImageBytes{0x7B, 0xA3, 0xA3}));
  EXPECT_EQ(RecordFromBytes(bytes), (ThreeDRecord{0, 1, 10, 3, 10, 3}));  // the factory record

  // The flag bits are set and cleared one by one; the rest of 0xA1 belongs to others.
  EXPECT_EQ(BytesForRecord(ThreeDRecord{1, 0, 15, 0, 1, 14}, {0x7B, 0x55, 0x55}), (ThreeDImageBytes{0xBB, 0xF0, 0x1E}));
  EXPECT_EQ(BytesForRecord(ThreeDRecord{0, 1, 10, 3, 10, 3}, {0x80, 0, 0}), (ThreeDImageBytes{0x40, 0xA3, 0xA3}));
  // A value the device refuses is not stored either: its nibble keeps what the image had.
  EXPECT_EQ(BytesForRecord(ThreeDRecord{0, 1, 253, 3, 10, 250}, {0x40, 0x12, 0x34}), (ThreeDImageBytes{0x40, 0x13, 0xA4}));

  // A table too short for the record is not read.
  const std::array<std::uint8_t, 0xE8> shortTable{};
  ThreeDImageBytes untouched{1, 2, 3};
  EXPECT_FALSE(ReadImageBytes(shortTable, untouched));
  EXPECT_EQ(untouched, (ThreeDImageBytes{1, 2, 3}));
}

TEST(ThreeDRecordTest, RegisterValuesAboveFifteenAreRefused) {
  std::uint8_t packed = 0xBD;
  EXPECT_TRUE(PackAlphaBeta(15, 15, packed));
  EXPECT_EQ(packed, 0xFF);
  EXPECT_TRUE(PackAlphaBeta(10, 3, packed));
  EXPECT_EQ(packed, 0xA3);
  packed = 0xBD;
  EXPECT_FALSE(PackAlphaBeta(16, 0, packed));
  EXPECT_FALSE(PackAlphaBeta(0, 16, packed));
  EXPECT_EQ(packed, 0xBD);
}

TEST(ThreeDRecordTest, SliderPositionGivesFifteenAtTheTopAndZeroAtTheBottom) {
  struct Case {
    int top;
    int travel;
    int value;
  };
  const Case cases[] = {
      {105, 120, 15}, {225, 120, 0}, {165, 120, 8}, {113, 120, 14}, {217, 120, 1},
      {225, 150, 3},   // a longer travel never reaches 0
      {225, 100, 253}, // a shorter one goes below 0 and wraps, as the 8-bit field holds it
      {185, 100, 3},
      {225, 0, 0},     // no travel from the skin: the default travel
      {165, 0, 8},
  };
  for (const Case& c : cases) EXPECT_EQ(SliderValue(c.top, c.travel), c.value) << c.top << " travel " << c.travel;
  EXPECT_EQ(ClampSliderTop(90), 105);
  EXPECT_EQ(ClampSliderTop(300), 225);
  EXPECT_EQ(ClampSliderTop(150), 150);
}

TEST(ThreeDRecordTest, LinkModesCycleAndMoveTheCounterpart) {
  EXPECT_EQ(NextLinkMode(kLinkNotChosen), kLinkIndependent);
  EXPECT_EQ(NextLinkMode(kLinkIndependent), kLinkSame);
  EXPECT_EQ(NextLinkMode(kLinkSame), kLinkMirrored);
  EXPECT_EQ(NextLinkMode(kLinkMirrored), kLinkIndependent);

  struct Case {
    int mode;
    int top;
    bool moves;
    int linkedTop;
  };
  const Case cases[] = {
      {kLinkNotChosen, 105, false, 0}, {kLinkIndependent, 105, false, 0}, {kLinkSame, 105, true, 105},
      {kLinkSame, 190, true, 190},     {kLinkMirrored, 105, true, 225},   {kLinkMirrored, 165, true, 165},
      {kLinkMirrored, 225, true, 105}, {kLinkMirrored, 130, true, 200},
  };
  for (const Case& c : cases) {
    int linked = -1;
    EXPECT_EQ(LinkedTop(c.mode, c.top, linked), c.moves) << c.mode << " " << c.top;
    if (c.moves) {
      EXPECT_EQ(linked, c.linkedTop) << c.mode << " " << c.top;
    }
  }

  // The link button's picture follows the skin application's choice for each mode.
  EXPECT_EQ(LinkPictureKey(true, kLinkNotChosen), L"D3AlphaIndepImage");
  EXPECT_EQ(LinkPictureKey(true, kLinkIndependent), L"D3AlphaDepImage");
  EXPECT_EQ(LinkPictureKey(true, kLinkSame), L"D3AlphaInvImage");
  EXPECT_EQ(LinkPictureKey(false, kLinkMirrored), L"D3BetaIndepImage");
  EXPECT_EQ(LinkPictureKey(false, kLinkSame), L"D3BetaInvImage");
}

TEST(ThreeDRecordTest, TuningTurnsEachNibbleOfTenIntoFifteen) {
  const std::pair<std::uint8_t, std::uint8_t> cases[] = {
      {0xAA, 0xFF}, {0xA5, 0xF5}, {0x5A, 0x5F}, {0x55, 0x55}, {0x0A, 0x0F},
      {0xA0, 0xF0}, {0xAB, 0xFB}, {0xBA, 0xBF}, {0xFF, 0xFF}, {0x00, 0x00},
  };
  for (const auto& [before, after] : cases) EXPECT_EQ(TunedByte(before), after) << int{before};
}

TEST(ThreeDRecordTest, SlidersAreKnownByName) {
  SliderIdentity identity;
  ASSERT_TRUE(IdentifySlider(L"D3RBetaSliderImage", identity));
  EXPECT_EQ(identity.side, SliderSide::Right);
  EXPECT_EQ(identity.kind, SliderKind::Beta);
  EXPECT_EQ(SliderName({SliderSide::Left, SliderKind::Alpha}), L"D3LAlphaSliderImage");
  EXPECT_FALSE(IdentifySlider(L"EQ60HzSliderImage", identity));
}

}  // namespace
}  // namespace vorma::features
