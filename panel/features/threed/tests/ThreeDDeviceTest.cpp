// 3D against the virtual device: the SDK switch with its retry, the enable bit and tuning bytes,
// the 3D block, FBM, the reset, the synchronisation at device activation and the tear-down.

#include "panel/features/threed/tests/ThreeDTestWindow.h"

namespace vorma::test {
namespace {

using Steps = std::vector<std::string>;
using Presses = std::vector<std::wstring>;

class ThreeDDeviceTest : public ThreeDFeatureTest {
protected:
  std::string DeviceState(const std::string& key) {
    std::string value;
    EXPECT_EQ(client.StateValue(device, key, value), virtual72xx::kOk);
    return value;
  }
};

TEST_F(ThreeDDeviceTest, StartsFromTheFactoryRecordOfTheImage) {
  EXPECT_EQ(threeD->Record(), (features::ThreeDRecord{0, 1, 10, 3, 10, 3}));
  EXPECT_EQ(threeD->Fbm(), 1);
  EXPECT_EQ(threeD->ThreeDEnable(), 0);
  EXPECT_EQ(threeD->AlphaLinkMode(), -1);
  EXPECT_EQ(threeD->BetaLinkMode(), -1);
}

TEST_F(ThreeDDeviceTest, ApplyVerifiesTheSwitchAndSendsItOnceMoreWhenTheDeviceDisagrees) {
  threeD->Apply3DOnOff(1);
  EXPECT_EQ(Transactions(), (Steps{"DLLQZ_Config3D_ById 0 -> 0", "DLLQZ_Set3D_OnOff_ById 1 0 -> 0",
                                   "DLLQZ_Is3D_Enable_ById 0 -> 0 out 1"}));
  EXPECT_EQ(DeviceState("3d.enable"), "1");

  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Set3D_OnOff_ById", 1), virtual72xx::kOk);
  threeD->Apply3DOnOff(0);
  EXPECT_EQ(Transactions(),
            (Steps{"DLLQZ_Config3D_ById 0 -> 0", "DLLQZ_Set3D_OnOff_ById 0 0 -> 1 (fault)",
                   "DLLQZ_Is3D_Enable_ById 0 -> 0 out 1", "DLLQZ_Set3D_OnOff_ById 0 0 -> 0"}));
  EXPECT_EQ(DeviceState("3d.enable"), "0");

  // A query that fails cannot confirm the switch either.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Is3D_Enable_ById", 1), virtual72xx::kOk);
  threeD->Apply3DOnOff(0);
  EXPECT_EQ(Transactions(),
            (Steps{"DLLQZ_Config3D_ById 0 -> 0", "DLLQZ_Set3D_OnOff_ById 0 0 -> 0",
                   "DLLQZ_Is3D_Enable_ById 0 -> 1 (fault)", "DLLQZ_Set3D_OnOff_ById 0 0 -> 0"}));
}

TEST_F(ThreeDDeviceTest, SwitchingOnSetsBitSevenAndTunesBothBytes) {
  struct Case {
    std::uint8_t cd, ce, cdAfter, ceAfter;
  };
  const Case cases[] = {{0xAA, 0xA5, 0xFF, 0xF5}, {0x5A, 0x33, 0x5F, 0x33}};
  for (const Case& c : cases) {
    SetRegister(0x100, 0x04);  // the equaliser's bit stays
    SetRegister(0x1CD, c.cd);
    SetRegister(0x1CE, c.ce);
    EXPECT_EQ(threeD->Write3DEnableBit(1), features::kEnableBitDone);
    EXPECT_EQ(Register(0x100), 0x84);
    EXPECT_EQ(Register(0x1CD), c.cdAfter) << int{c.cd};
    EXPECT_EQ(Register(0x1CE), c.ceAfter) << int{c.ce};
  }
  EXPECT_EQ(Transactions(), (Steps{"register 0x0100", "write 0x0100 = 0x84", "register 0x01cd", "write 0x01cd = 0x5f",
                                   "register 0x01ce", "write 0x01ce = 0x33", "end"}));

  // Switching off clears bit 7 only and leaves the tuning bytes alone.
  SetRegister(0x1CD, 0xAA);
  EXPECT_EQ(threeD->Write3DEnableBit(0), features::kEnableBitDone);
  EXPECT_EQ(Transactions(), (Steps{"register 0x0100", "write 0x0100 = 0x04", "end"}));
  EXPECT_EQ(Register(0x1CD), 0xAA);
}

TEST_F(ThreeDDeviceTest, AFailedRegisterAccessEndsTheOperation) {
  ASSERT_EQ(client.InjectFault(device, "hid.in", 1), virtual72xx::kOk);
  EXPECT_EQ(threeD->Write3DEnableBit(1), features::kEnableBitReadFailed);
  ASSERT_EQ(client.InjectFault(device, "hid.in", 1), virtual72xx::kOk);
  EXPECT_EQ(threeD->Write3DBlock(1), features::kBlockReadFailed);
  ASSERT_EQ(client.InjectFault(device, "hid.in", 1), virtual72xx::kOk);
  EXPECT_EQ(threeD->SetFBM(0), features::kFbmReadFailed);
  for (const std::string& step : Transactions()) EXPECT_FALSE(step.starts_with("write") || step == "end") << step;
  EXPECT_EQ(Register(0x100), 0x00);
  EXPECT_EQ(Register(0x18A), 0x01);

  ASSERT_EQ(client.InjectFault(device, "hid.open", 4), virtual72xx::kOk);
  EXPECT_EQ(threeD->Write3DEnableBit(1), features::kEnableBitNoDevice);
  EXPECT_EQ(threeD->Write3DBlock(1), features::kBlockNoDevice);
  EXPECT_EQ(threeD->SetFBM(1), features::kFbmNoDevice);
  EXPECT_EQ(threeD->Reset3D(), features::kTransactionNoDevice);
  EXPECT_EQ(Transactions(), Steps{});
}

TEST_F(ThreeDDeviceTest, FbmAndTheBlockKeepTheDevicesOtherBits) {
  SetRegister(0x18A, 0x81);
  threeD->FbmButton();
  EXPECT_EQ(Toggles(), (Presses{L"toggle 13 -> 0"}));
  EXPECT_EQ(threeD->Fbm(), 0);
  EXPECT_EQ(threeD->Record().fbm, 0);
  EXPECT_EQ(configImage[0xA1], 0x3B);
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0x80", "end"}));

  EXPECT_EQ(threeD->Write3DBlock(1), features::kBlockDone);
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0xc0", "register 0x018a", "write 0x018a = 0xc0",
                                   "write 0x018b = 0xa3", "write 0x018c = 0xa3", "end"}));
  EXPECT_EQ(threeD->Write3DBlock(0), features::kBlockDone);
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0x80", "end"}));

  EXPECT_EQ(threeD->SetFBM(1), features::kFbmDone);
  EXPECT_EQ(Register(0x18A), 0x81);
  EXPECT_EQ(configImage[0xA1], 0x7B);
}

TEST_F(ThreeDDeviceTest, SyncNeverSwitchesThreeDOff) {
  struct Case {
    int before, device, eepromDefault, after;
  };
  const Case cases[] = {{0, 0, 0, 0}, {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << c.device << c.eepromDefault);
    ASSERT_EQ(client.SdkSet3DOnOff(device, static_cast<std::uint32_t>(c.device), 0), 0);
    threeD->SetThreeDEnable(c.before);
    threeD->SetFbmState(0);
    Toggles();
    threeD->Sync3DFromDevice(c.eepromDefault);
    EXPECT_EQ(threeD->ThreeDEnable(), c.after);
    EXPECT_EQ(threeD->Device3DState(), c.device);
    EXPECT_EQ(threeD->Fbm(), 1);
    EXPECT_EQ(DeviceState("3d.enable"), std::to_string(c.after));
    EXPECT_EQ(Register(0x18A) & 0x40, c.after ? 0x40 : 0);
    EXPECT_EQ(Toggles(), (Presses{L"toggle 13 -> 1", L"toggle 8 -> " + std::to_wstring(c.after)}));
  }
  Transactions();

  // The whole order once, with the query failing the first time.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Is3D_Enable_ById", 1), virtual72xx::kOk);
  context->deviceActive = false;  // without a device the buttons are not redrawn
  Toggles();
  threeD->Sync3DFromDevice(0);
  EXPECT_EQ(Transactions(),
            (Steps{"DLLQZ_Is3D_Enable_ById 0 -> 1 (fault)", "DLLQZ_Is3D_Enable_ById 0 -> 0 out 1", "register 0x018a",
                   "write 0x018a = 0x41", "register 0x018a", "write 0x018a = 0x41", "write 0x018b = 0xa3",
                   "write 0x018c = 0xa3", "end", "DLLQZ_Config3D_ById 0 -> 0", "DLLQZ_Set3D_OnOff_ById 1 0 -> 0",
                   "DLLQZ_Is3D_Enable_ById 0 -> 0 out 1", "DLLQZ_Config3D_ById 0 -> 0",
                   "DLLQZ_Set3D_OnOff_ById 1 0 -> 0", "DLLQZ_Is3D_Enable_ById 0 -> 0 out 1"}));
  EXPECT_EQ(Toggles(), Presses{});
}

TEST_F(ThreeDDeviceTest, ResetWritesTheFactoryRecordOnlyWhileTheDeviceIsSynchronised) {
  threeD->Update3DFromSlider(L"D3LAlphaSliderImage", 105);
  threeD->SetFBM(0);
  Transactions();

  context->deviceSync = false;
  EXPECT_EQ(threeD->Reset3D(), features::kTransactionDone);
  EXPECT_EQ(Transactions(), (Steps{"end"}));
  EXPECT_EQ(Register(0x18B), 0xF8);
  EXPECT_EQ(threeD->Record(), (features::ThreeDRecord{0, 1, 10, 3, 10, 3}));
  EXPECT_EQ(threeD->Fbm(), 1);

  context->deviceSync = true;
  EXPECT_EQ(threeD->Reset3D(), features::kTransactionDone);
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0x01", "write 0x018b = 0xa3",
                                   "write 0x018c = 0xa3", "end"}));
}

TEST_F(ThreeDDeviceTest, ShutDownResetsSetsFbmAndSwitchesOff) {
  threeD->SetThreeDEnable(1);
  threeD->ApplyThreeDEnable();
  Transactions();
  threeD->ShutDown();
  EXPECT_EQ(Transactions(),
            (Steps{"register 0x018a", "write 0x018a = 0x01", "write 0x018b = 0xa3", "write 0x018c = 0xa3", "end",
                   "register 0x018a", "write 0x018a = 0x01", "end", "DLLQZ_Config3D_ById 0 -> 0",
                   "DLLQZ_Set3D_OnOff_ById 0 0 -> 0", "DLLQZ_Is3D_Enable_ById 0 -> 0 out 0"}));
  EXPECT_EQ(DeviceState("3d.enable"), "0");
}

TEST_F(ThreeDDeviceTest, TheSevenOneRuleSwitchesThreeDOffInTheSdkAndTheRegister) {
  threeD->SetThreeDEnable(1);
  threeD->ApplyThreeDEnable();
  EXPECT_EQ(Register(0x100), 0x80);
  EXPECT_EQ(DeviceState("3d.enable"), "1");
  threeD->SwitchOffForVirtual7ch1();
  EXPECT_EQ(threeD->ThreeDEnable(), 0);
  EXPECT_EQ(Register(0x100), 0x00);
  EXPECT_EQ(DeviceState("3d.enable"), "0");
}

}  // namespace
}  // namespace vorma::test
