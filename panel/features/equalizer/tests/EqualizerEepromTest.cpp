// The curve stored in the device's EEPROM: bank selection, the flags byte, the band values, and
// the I2C retries.

#include "panel/features/equalizer/tests/EqualizerTestFixture.h"

#include <algorithm>
#include <array>

namespace vorma::test {
namespace {

using Codes = std::array<std::uint16_t, kEqBandCount>;

constexpr std::uint32_t kBankSelectorOffset = 0x8E;
constexpr std::uint32_t kBanksOffset = 0x100;  // I2C 0x51

class EqualizerEepromTest : public EqualizerTest {
protected:
  void SetUp() override {
    EqualizerTest::SetUp();
    Page().InitEqDefaults();
    context->deviceSync = true;
  }

  void WriteEeprom(std::uint32_t offset, std::uint8_t value) {
    ASSERT_EQ(client.WriteEeprom(device, offset, {value}), virtual72xx::kOk);
  }

  Codes S1Codes() {
    EqSlotBytes slot{};
    image.ReadEqSlot(0, slot);
    const EqPresetRecord record = UnpackEqPresetSlot(slot);
    Codes codes{};
    std::copy(std::begin(record.codes), std::end(record.codes), codes.begin());
    return codes;
  }

  size_t CountI2cReads() {
    const Lines log = TakeDeviceLog();
    return static_cast<size_t>(std::count_if(log.begin(), log.end(), [](const std::string& line) {
      return line.starts_with("DLLQZ_Read_I2C_ById");
    }));
  }
};

struct BankCase {
  std::uint8_t selector;
  Codes codes;
  int eqEnable;
  bool threeD;
};

TEST_F(EqualizerEepromTest, TheSelectorPicksBanks0To3AndAnythingElseReadsBank0) {
  // The device's banks: 0 a gentle curve (EQ on), 1 flat (EQ off), 2 bass and treble (EQ and 3D
  // on); stored values v become codes (v + 1024) / 2.
  const Codes bank0 = {1024, 1152, 1024, 960, 1280};
  const BankCase cases[] = {
      {0x10, bank0, 1, false},
      {0x12, {1280, 1152, 1024, 1024, 1152}, 1, true},
      {0x11, {1024, 1024, 1024, 1024, 1024}, 0, false},
      {0x14, bank0, 1, false},
      {0x0F, bank0, 1, false},
      {0x00, bank0, 1, false},
  };
  for (const BankCase& c : cases) {
    SCOPED_TRACE(c.selector);
    WriteEeprom(kBankSelectorOffset, c.selector);
    EXPECT_EQ(Page().ReadEqFromEeprom(), kEepromEqLoaded);
    EXPECT_EQ(S1Codes(), c.codes);
    EXPECT_EQ(Page().EqEnable(), c.eqEnable);
    EXPECT_EQ(Page().ThreeDFromEepromDefault(), c.threeD);
  }
}

TEST_F(EqualizerEepromTest, TheCurveLandsInS1AndTheSyncSwitchesTheEqualiserOn) {
  Page().SelectEqPreset(2);
  Page().SyncEqFromDevice();
  EXPECT_EQ(Page().EqPreset(), 2);
  EXPECT_EQ(S1Codes(), (Codes{1024, 1152, 1024, 960, 1280}));
  EXPECT_TRUE(Page().Flat());  // S2, the preset shown, is flat
  Page().SelectEqPreset(1);
  EXPECT_EQ(Register(0x122), 0x80);
  EXPECT_EQ(Register(0x123), 0x04);
  EXPECT_EQ(State("eq.enable"), "1");
  EXPECT_EQ(Slider(1).Top(), 200 + SliderOffsetFromEqCode(1152, 120));
}

TEST_F(EqualizerEepromTest, AFlagsByteOf00OrFFMeansNoCurveAndTheNextSwitchTurnsItOff) {
  for (std::uint8_t flags : {0x00, 0xFF}) {
    SCOPED_TRACE(flags);
    WriteEeprom(kBanksOffset + 7, flags);
    Page().SetEqEnable(1);
    EXPECT_EQ(Page().ReadEqFromEeprom(), kEepromNoCurve);
    EXPECT_TRUE(Page().Flat());
    TakeDeviceLog();
    Page().ApplyEqOnOff(1);
    EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 0 0 -> 0"}));
  }
}

TEST_F(EqualizerEepromTest, WithoutStoredBandsTheCurveIsFlatButTheFlagsStillCount) {
  WriteEeprom(0x8D, 0x00);
  WriteEeprom(kBankSelectorOffset, 0x12);  // bank 2: EQ and 3D on
  Page().SyncEqFromDevice();
  EXPECT_EQ(S1Codes(), (Codes{1024, 1024, 1024, 1024, 1024}));
  EXPECT_TRUE(Page().Flat());
  EXPECT_EQ(Page().EqEnable(), 1);
  EXPECT_TRUE(Page().ThreeDFromEepromDefault());
  EXPECT_EQ(State("eq.enable"), "0");
}

TEST_F(EqualizerEepromTest, TheFirstTwoReadsAreRetriedOnceAndAFailedFlagsReadStops) {
  TakeDeviceLog();
  // The first read of 0x8D and of 0x8E each fail once.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Read_I2C_ById", 1), virtual72xx::kOk);
  EXPECT_EQ(Page().ReadEqFromEeprom(), kEepromEqLoaded);
  EXPECT_EQ(S1Codes(), (Codes{1024, 1152, 1024, 960, 1280}));
  EXPECT_EQ(CountI2cReads(), 2 + 1 + 1 + 8u);  // 0x8D twice, 0x8E, flags, the band bytes

  // Both attempts at 0x8D and 0x8E fail, then the flags byte: nothing is loaded.
  Page().InitEqDefaults();
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Read_I2C_ById", 5), virtual72xx::kOk);
  EXPECT_EQ(Page().ReadEqFromEeprom(), kEepromFlagsUnreadable);
  EXPECT_EQ(CountI2cReads(), 5u);
  EXPECT_EQ(S1Codes(), (Codes{1024, 1024, 1024, 1024, 1024}));
}

}  // namespace
}  // namespace vorma::test
