// Presets: selecting one (with the flat rule), the EQ-EN button, the verified on/off switch, values
// from texts, RESET with and without DefaultProfile.ini, and the profile load's enable write.

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/features/equalizer/tests/EqualizerTestFixture.h"

#include <algorithm>

namespace vorma::test {
namespace {

constexpr int kTrackTop = 200;

class EqualizerPresetTest : public EqualizerTest {
protected:
  void StartPage() {
    Page().InitEqDefaults();
    context->deviceSync = true;
    Page().SetEqEnable(1);
  }

  static size_t CountWrites(const Lines& log) {
    return static_cast<size_t>(
        std::count_if(log.begin(), log.end(), [](const std::string& line) { return line.starts_with("write "); }));
  }
};

TEST_F(EqualizerPresetTest, DefaultsPutTheFactoryPresetInAllFourSlotsOnlyTheLastMarkedLast) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop);
  image.SetByte(0xA1, 0x00);
  Page().InitEqDefaults();
  EXPECT_EQ(Page().EqEnable(), 0);
  EXPECT_EQ(image.Byte(0xA1), 0x7B);
  for (int slot = 0; slot < kEqPresetCount; ++slot) {
    SCOPED_TRACE(slot);
    EqSlotBytes bytes{};
    ASSERT_TRUE(image.ReadEqSlot(slot, bytes));
    EqPresetRecord expected = kFactoryEqPreset;
    expected.lastSlot = slot == kEqPresetCount - 1;
    EXPECT_EQ(bytes, PackEqPresetSlot(expected));
    for (int band = 0; band < kEqBandCount; ++band) EXPECT_EQ(Page().SliderOffset(slot, band), 60);
  }
}

TEST_F(EqualizerPresetTest, SelectingAFlatPresetWritesNoBandAndSwitchesTheEqualiserOff) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop);  // S1 is no longer flat
  ASSERT_EQ(State("eq.enable"), "1");
  TakeDeviceLog();
  window->TakeRequests();

  Page().SelectEqPreset(2);
  EXPECT_EQ(Page().EqPreset(), 2);
  EXPECT_TRUE(Page().Flat());
  EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 0 0 -> 0"}));
  EXPECT_EQ(State("eq.enable"), "0");
  EXPECT_EQ(Slider(0).Top(), kTrackTop + 60);
  EXPECT_EQ(window->TakeRequests(),
            (std::vector<std::wstring>{L"EQS1Image=EQS1ImageUp", L"EQS1Label:LabelEQS1:up", L"EQS2Image=EQS2ImageDown",
                                       L"EQS2Label:LabelEQS1:down", L"EQS3Image=EQS3ImageUp", L"EQS3Label:LabelEQS1:up",
                                       L"EQS4Image=EQS4ImageUp", L"EQS4Label:LabelEQS1:up", L"toggle 7 -> 1"}));
  EXPECT_EQ(window->LabelNamed(L"SXLabel")->Caption(), L"S2");

  // Back to S1: all ten band registers in order, then the switch.
  Page().SelectEqPreset(1);
  Lines expected;
  const char* values[] = {"0xff", "0x09", "0x00", "0x04", "0x00", "0x04", "0x00", "0x04", "0x00", "0xe4"};
  for (int i = 0; i < 10; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "write 0x%04x = %s", 0x120 + i, values[i]);
    expected.push_back(line);
  }
  expected.insert(expected.end(), {"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 1 0 -> 0",
                                   "DLLQZ_IsEQ_Enable_ById 0 -> 0 out 1"});
  EXPECT_EQ(TakeDeviceLog(), expected);
  EXPECT_EQ(Slider(0).Top(), kTrackTop);
}

TEST_F(EqualizerPresetTest, PresetWritesWaitForTheDeviceSyncAndStopWhileSaving) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst + 3, kTrackTop);
  TakeDeviceLog();
  Page().SetSaving(true);
  EXPECT_EQ(Page().ApplyEqPreset(1), kEqDone);
  Page().SetSaving(false);
  context->deviceSync = false;
  EXPECT_EQ(Page().ApplyEqPreset(1), kEqDone);
  EXPECT_EQ(TakeDeviceLog(), Lines{});
  EXPECT_EQ(Page().ApplyEqPreset(2), kEqFlat);
  EXPECT_EQ(Page().ApplyEqPreset(5), kEqNoSlotOrDevice);
}

TEST_F(EqualizerPresetTest, TheSwitchIsVerifiedAndSentOnceMoreWhenTheDeviceMissedIt) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop);
  TakeDeviceLog();
  Page().ApplyEqOnOff(0);  // confirmed at once: no second switch
  EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 0 0 -> 0",
                                    "DLLQZ_IsEQ_Enable_ById 0 -> 0 out 0"}));
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetEQ_OnOff_ById", 1), virtual72xx::kOk);
  Page().ApplyEqOnOff(1);
  EXPECT_EQ(TakeDeviceLog(),
            (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 1 0 -> 1 (fault)",
                   "DLLQZ_IsEQ_Enable_ById 0 -> 0 out 0", "DLLQZ_SetEQ_OnOff_ById 1 0 -> 0"}));
  EXPECT_EQ(State("eq.enable"), "1");

  context->deviceActive = false;
  Page().ApplyEqOnOff(0);
  EXPECT_EQ(TakeDeviceLog(), Lines{});
}

TEST_F(EqualizerPresetTest, TheEqEnButtonSwitchesAndStoresButLeavesTheBandsAlone) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst + 2, kTrackTop + 120);
  TakeDeviceLog();
  window->TakeRequests();
  Page().ToggleEqEnable();
  EXPECT_EQ(Page().EqEnable(), 0);
  EXPECT_EQ(window->TakeRequests(), (std::vector<std::wstring>{L"toggle 7 -> 0"}));
  EXPECT_EQ(TakeDeviceLog(), (Lines{"DLLQZ_ConfigEQ_ById 0 -> 0", "DLLQZ_SetEQ_OnOff_ById 0 0 -> 0",
                                    "DLLQZ_IsEQ_Enable_ById 0 -> 0 out 0"}));
  EXPECT_EQ(State("eq.enable"), "0");
}

TEST_F(EqualizerPresetTest, ValuesFromTextsFillTheirSlotAndTheCurrentPresetIsShownAgain) {
  StartPage();
  Page().SelectEqPreset(3);
  TakeDeviceLog();
  ASSERT_TRUE(Page().LoadEqPresetValues({L"0x9FF", L"512", L"0x400", L" 1024 ", L"0x600", L"1"}, 1, 2));
  EXPECT_EQ(Page().EqPreset(), 3);
  EXPECT_TRUE(Page().Flat());  // S3, shown last, is flat
  EXPECT_EQ(Slider(0).Top(), kTrackTop + 60);
  EXPECT_EQ(Page().SliderOffset(1, 0), 0);
  EXPECT_EQ(Page().SliderOffset(1, 1), 120);
  EXPECT_EQ(CountWrites(TakeDeviceLog()), 10u);  // S2's bands; S3 is flat
  EXPECT_EQ(Register(0x128), 0x00);
  EXPECT_EQ(Register(0x129), 0xE6);

  const EqSlotBytes before = [&] {
    EqSlotBytes bytes{};
    image.ReadEqSlot(1, bytes);
    return bytes;
  }();
  const std::vector<std::vector<std::wstring>> refused = {
      {L"0x9FF", L"512", L"0x400", L"1024", L"0x600"},         // five texts
      {L"0x9FF", L"512", L"", L"1024", L"0x600", L"1"},        // an empty one
      {L"0x9FF", L"5x12", L"0x400", L"1024", L"0x600", L"1"},  // not a number
      {L"0x1000", L"512", L"0x400", L"1024", L"0x600", L"1"},  // wider than 12 bits
      {L"-1", L"512", L"0x400", L"1024", L"0x600", L"1"},
  };
  for (const auto& values : refused) EXPECT_FALSE(Page().LoadEqPresetValues(values, 1, 2));
  EqSlotBytes after{};
  image.ReadEqSlot(1, after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(TakeDeviceLog(), Lines{});
}

TEST_F(EqualizerPresetTest, ResetWithoutDefaultIniRestoresTheFactoryCurveAndIgnoresTheProfile) {
  TempFolder folder;
  folder.WriteBytes(L"DefaultProfile.ini", "[EQ]\r\nS1=0x9FF,0x9FF,0x9FF,0x9FF,0x9FF,1\r\n");
  settings.defaultIni = 0;
  settings.userFolder = folder.Path();
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst, kTrackTop);
  Page().MoveEqSlider(kTagEqSliderFirst + 4, kTrackTop + 120);
  TakeDeviceLog();

  Page().ResetEq();
  for (int band = 0; band < kEqBandCount; ++band) EXPECT_EQ(Page().CurrentRecord().codes[band], kFlatEqCode);
  EXPECT_EQ(Slider(4).Top(), kTrackTop + 60);
  const Lines log = TakeDeviceLog();
  EXPECT_EQ(CountWrites(log), 5 * 2 + 10u);  // each slider's band, then all bands
  EXPECT_EQ(log.back(), "write 0x0129 = 0xe4");
  EXPECT_EQ(State("eq.enable"), "0");
  EXPECT_EQ(apply3DCalls, 1);
}

TEST_F(EqualizerPresetTest, ResetWithDefaultIniTakesTheCurrentPresetFromDefaultProfile) {
  TempFolder folder;
  folder.WriteBytes(L"DefaultProfile.ini", "[EQ]\r\nS2=0x9FF,512,0x400,0x400,0x400,1\r\n");
  settings.defaultIni = 1;
  settings.userFolder = folder.Path().substr(0, folder.Path().size() - 1);  // without the separator
  StartPage();
  Page().SetEqEnable(0);
  Page().SelectEqPreset(2);
  TakeDeviceLog();

  Page().ResetEq();
  EXPECT_EQ(Page().CurrentRecord().codes[0], 2559);
  EXPECT_EQ(Page().CurrentRecord().codes[1], 512);
  EXPECT_EQ(Page().EqEnable(), 1);
  EXPECT_EQ(Register(0x120), 0xFF);
  EXPECT_EQ(Register(0x123), 0x02);
  EXPECT_EQ(State("eq.enable"), "1");

  // A preset the file lacks stays as it is.
  Page().SelectEqPreset(3);
  Page().MoveEqSlider(kTagEqSliderFirst + 2, kTrackTop);
  Page().ResetEq();
  EXPECT_EQ(Page().CurrentRecord().codes[2], 2559);
}

TEST_F(EqualizerPresetTest, TheProfileLoadSetsOrClearsOnlyTheEnableBitAndWritesBandsWhenEnabling) {
  StartPage();
  Page().MoveEqSlider(kTagEqSliderFirst + 1, kTrackTop);
  {
    auto hid = OpenHidDevice(*ports.hid, kTestVendorId, kTestProductId);
    ASSERT_NE(hid, nullptr);
    ASSERT_EQ(WriteDeviceRegister(*hid, 0x100, 0x80), kRegisterWriteDone);
    EndRegisterWrites(*hid);
  }
  TakeDeviceLog();
  EXPECT_EQ(Page().WriteEqEnableAndBands(1), kEqDone);
  Lines log = TakeDeviceLog();
  ASSERT_EQ(log.size(), 12u);
  EXPECT_EQ(log[0], "read 0x0100");
  EXPECT_EQ(log[1], "write 0x0100 = 0x84");
  EXPECT_EQ(log[4], "write 0x0122 = 0xff");
  EXPECT_EQ(Page().WriteEqEnableAndBands(0), kEqDone);
  EXPECT_EQ(TakeDeviceLog(), (Lines{"read 0x0100", "write 0x0100 = 0x80"}));

  ASSERT_EQ(client.InjectFault(device, "hid.in", 1), virtual72xx::kOk);
  EXPECT_EQ(Page().WriteEqEnableAndBands(1), kEqWriteFailed);
  EXPECT_EQ(Register(0x100), 0x80);
}

}  // namespace
}  // namespace vorma::test
