// Slider moves and bar presses: the band code, the band registers, and the on/off switch that
// follows whether the curve is flat.

#include "panel/device/HidRegisterTransport.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/features/equalizer/tests/EqualizerTestFixture.h"

namespace vorma::test {
namespace {

constexpr int kTrackTop = 200;

class EqualizerSliderTest : public EqualizerTest {
protected:
  void SetUp() override {
    EqualizerTest::SetUp();
    Page().InitEqDefaults();
    context->deviceSync = true;
    Page().SetEqEnable(1);
  }
};

struct SliderCase {
  int offset;
  std::uint16_t code;
  std::string low;
  std::string high;
};

TEST_F(EqualizerSliderTest, TopMiddleAndBottomGiveTheirCodesAndShowBackAtTheSameOffsets) {
  const SliderCase cases[] = {{0, 2559, "0xff", "0x09"}, {60, 1024, "0x00", "0x04"}, {120, 512, "0x00", "0x02"}};
  for (const SliderCase& c : cases) {
    SCOPED_TRACE(c.offset);
    Page().MoveEqSlider(kTagEqSliderFirst + 2, kTrackTop + c.offset);
    EXPECT_EQ(Page().CurrentRecord().codes[2], c.code);
    const Lines log = TakeDeviceLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "write 0x0124 = " + c.low);
    EXPECT_EQ(log.back(), "write 0x0125 = " + c.high);

    // Shown again from the stored preset, after the slider was put elsewhere.
    Slider(2).SetTop(kTrackTop + 33);
    Page().ShowEqPreset(0);
    EXPECT_EQ(Slider(2).Top(), kTrackTop + c.offset);
    EXPECT_EQ(Page().SliderOffset(0, 2), c.offset);
  }
}

TEST_F(EqualizerSliderTest, AMoveSwitchesTheEqualiserOnThenWritesTheBand) {
  Page().MoveEqSlider(kTagEqSliderFirst, 10);  // above the track: the top
  EXPECT_EQ(Slider(0).Top(), kTrackTop);
  EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 1 0 -> 0",
                                    "DLLQZ_IsEQ_Enable_ById 0 -> 0 out 1", "write 0x0120 = 0xff",
                                    "write 0x0121 = 0x09"}));
  EXPECT_EQ(window->FindLabelByTag(kTagEqSliderFirst)->Caption(), L"9ff");
  EXPECT_EQ(window->TakeRequests(), (std::vector<std::wstring>{L"toggle 7 -> 1"}));  // EQ-EN shown on
}

TEST_F(EqualizerSliderTest, MovingTheLastNonFlatBandToTheMiddleSwitchesTheEqualiserOff) {
  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop);
  Page().MoveEqSlider(kTagEqSliderFirst + 1, kTrackTop + 120);
  EXPECT_EQ(State("eq.enable"), "1");

  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop + 60);
  EXPECT_FALSE(Page().Flat());
  EXPECT_EQ(State("eq.enable"), "1");

  TakeDeviceLog();
  Page().MoveEqSlider(kTagEqSliderFirst + 1, kTrackTop + 60);
  EXPECT_TRUE(Page().Flat());
  EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 0 0 -> 0",
                                    "write 0x0122 = 0x00", "write 0x0123 = 0x04"}));
  EXPECT_EQ(State("eq.enable"), "0");
  EXPECT_EQ(Page().EqEnable(), 1);  // EQ-EN itself stays on
}

TEST_F(EqualizerSliderTest, Band4KeepsItsUpperNibbleOnAMoveButAFullWriteRewritesIt) {
  {
    auto hid = OpenHidDevice(*ports.hid, kTestVendorId, kTestProductId);
    ASSERT_NE(hid, nullptr);
    ASSERT_EQ(WriteDeviceRegister(*hid, 0x129, 0x54), kRegisterWriteDone);
    EndRegisterWrites(*hid);
  }
  TakeDeviceLog();
  Page().MoveEqSlider(kTagEqSliderFirst + 4, kTrackTop);
  const Lines log = TakeDeviceLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(Lines(log.end() - 3, log.end()), (Lines{"write 0x0128 = 0xff", "read 0x0129", "write 0x0129 = 0x59"}));
  EXPECT_EQ(Register(0x129), 0x59);

  // The full write puts the stored flags A, B and C back over the register's upper bits.
  EXPECT_EQ(Page().ApplyEqPreset(1), kEqDone);
  EXPECT_EQ(Register(0x129), 0xE9);
  EXPECT_EQ(Register(0x128), 0xFF);
}

TEST_F(EqualizerSliderTest, BarPressesJumpTheSliderCentreToThePressWithinTheTrack) {
  Page().JumpEqSlider(BarOfSlider(kTagEqSliderFirst), 150);  // above the track
  EXPECT_EQ(Slider(0).Top(), kTrackTop);
  EXPECT_EQ(Page().CurrentRecord().codes[0], 2559);
  Page().JumpEqSlider(LowerBarOfSlider(kTagEqSliderFirst + 4), 400);  // below it
  EXPECT_EQ(Slider(4).Top(), kTrackTop + 120);
  EXPECT_EQ(Page().CurrentRecord().codes[4], 512);
  Page().JumpEqSlider(BarOfSlider(kTagEqSliderFirst + 3), 270);  // centre at 270: top 260
  EXPECT_EQ(Page().CurrentRecord().codes[3], 1024);

  // The bar-down image reaches from its own top down to the slider's bottom, never negative.
  forms::Image& barDown4 = *window->FindImageByTag(LowerBarOfSlider(kTagEqSliderFirst + 4));
  EXPECT_FALSE(barDown4.AutoSize());
  EXPECT_EQ(barDown4.Height(), kTrackTop + 120 + Slider(4).Height() - barDown4.Top());
  EXPECT_EQ(window->FindImageByTag(LowerBarOfSlider(kTagEqSliderFirst))->Height(), 0);
}

TEST_F(EqualizerSliderTest, WithoutTheHidInterfaceAMoveOnlyChangesThePresetInMemory) {
  context->deviceActive = false;
  context->deviceSync = false;
  ASSERT_EQ(client.InjectFault(device, "hid.open", -1), virtual72xx::kOk);
  TakeJournal(device);
  Page().MoveEqSlider(kTagEqSliderFirst + 1, kTrackTop + 120);
  EXPECT_EQ(TakeDeviceLog(), Lines{});
  EXPECT_EQ(Register(0x122), 0x00);
  EXPECT_EQ(Register(0x123), 0x04);
  EXPECT_EQ(image.Byte(0x101), 0x04);  // slot S1: band 1 bits 0-3 of 512 in the upper nibble
  EXPECT_EQ(image.Byte(0x102), 0x20);
  EXPECT_EQ(Page().SliderOffset(0, 1), 120);
}

}  // namespace
}  // namespace vorma::test
