// The preset slot packing, the configuration image and the slider/code mapping.

#include "panel/features/equalizer/DeviceConfigImage.h"
#include "panel/features/equalizer/EqPresetRecord.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vorma::features {
namespace {

TEST(EqPresetRecordTest, SlotPackingPlacesEveryFieldAndRoundTrips) {
  EqPresetRecord record;
  record.codes[0] = 0x9FF;
  record.codes[1] = 0x123;
  record.codes[2] = 0x200;
  record.codes[3] = 0xABC;
  record.codes[4] = 0x456;
  record.flagA = 0;
  record.flagB = 1;
  record.flagC = 0;
  record.flagD = 1;
  record.slotByte = 0x25;
  record.lastSlot = 1;
  const EqSlotBytes packed = PackEqPresetSlot(record);
  EXPECT_EQ(packed, (EqSlotBytes{0xFF, 0x39, 0x12, 0x00, 0xC2, 0xAB, 0x56, 0x34, 0, 0, 0, 0, 0, 0, 0x25, 0xA5}));

  const EqPresetRecord back = UnpackEqPresetSlot(packed);
  EXPECT_EQ(0, std::memcmp(&back, &record, sizeof record));
}

TEST(EqPresetRecordTest, FactoryPresetPacksFlatWithFlagsABC) {
  const EqSlotBytes packed = PackEqPresetSlot(kFactoryEqPreset);
  EXPECT_EQ(packed, (EqSlotBytes{0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xE4, 0, 0, 0, 0, 0, 0, 0x00, 0x80}));
  EXPECT_TRUE(IsFlatEqPreset(kFactoryEqPreset));
}

TEST(EqPresetRecordTest, ConfigImageIsErasedWithThe3DFactoryBytesAndFourSlots) {
  features::DeviceConfigImage image;
  EXPECT_EQ(image.Byte(0xA1), 0x7B);
  EXPECT_EQ(image.Byte(0xE7), 0xA3);
  EXPECT_EQ(image.Byte(0xE8), 0xA3);
  EXPECT_EQ(image.Byte(0x00), 0xFF);
  EXPECT_EQ(image.Byte(0x7FF), 0xFF);

  EqSlotBytes slot;
  slot.fill(0x11);
  EXPECT_TRUE(image.StoreEqSlot(3, slot));
  EXPECT_EQ(image.Byte(0x130), 0x11);
  EXPECT_EQ(image.Byte(0x13F), 0x11);
  EXPECT_EQ(image.Byte(0x140), 0xFF);
  EXPECT_FALSE(image.StoreEqSlot(4, slot));
  EXPECT_FALSE(image.StoreEqSlot(-1, slot));
  EXPECT_FALSE(image.ReadEqSlot(4, slot));
  image.LoadFactoryTable();
  EXPECT_EQ(image.Byte(0x130), 0xFF);
}

struct MappingCase {
  int offset;
  std::uint16_t code;
};

TEST(EqPresetRecordTest, SliderOffsetsMapToCodesAndBack) {
  constexpr int kTravel = 120;
  // Top, upper quarter, middle, lower quarter, bottom; above the middle three times as coarse.
  const MappingCase cases[] = {{0, 2559}, {30, 1791}, {60, 1024}, {90, 768}, {120, 512}};
  for (const MappingCase& c : cases) {
    SCOPED_TRACE(c.offset);
    EXPECT_EQ(EqCodeFromSliderOffset(c.offset, kTravel), c.code);
    EXPECT_EQ(SliderOffsetFromEqCode(c.code, kTravel), c.offset);
  }
  // Outside the track the nearer end counts; a track without travel is flat and never divides.
  EXPECT_EQ(EqCodeFromSliderOffset(-40, kTravel), 2559);
  EXPECT_EQ(EqCodeFromSliderOffset(500, kTravel), 512);
  EXPECT_EQ(SliderOffsetFromEqCode(0, kTravel), kTravel);
  EXPECT_EQ(SliderOffsetFromEqCode(0xFFF, kTravel), 0);
  EXPECT_EQ(EqCodeFromSliderOffset(10, 0), kFlatEqCode);
  EXPECT_EQ(SliderOffsetFromEqCode(2559, 0), 0);
}

}  // namespace
}  // namespace vorma::features
