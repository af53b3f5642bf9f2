// The SDK stand-in's functions, called through the panel's binding, reach the virtual device with
// the panel's arguments: asserted on the device's journal and state.

#include "outside/sdk/tests/SdkHostFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace vorma {
namespace {

using virtual72xx::DeviceNumber;
using virtual72xx::kOk;
using virtual72xx::kSdkNoDevice;

constexpr BYTE kPoison = 0xBD;

int WINAPI IgnoreReport(WORD, WORD, BYTE*, DWORD, DWORD) { return 0; }

using SdkStandInTest = test::SdkHostFixture;

TEST_F(SdkStandInTest, CallsGoToTheDeviceMadeCurrent) {
  DeviceNumber second = 0;
  ASSERT_EQ(client.Plug({"72xx", 0x7202}, second), kOk);
  ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(kVendorId, 0x7202), 0);
  EXPECT_EQ(Sdk().DLLQZ_SetEQ_OnOff_ById(1, 0), 0);
  EXPECT_EQ(State(second, "eq.enable"), "1");
  EXPECT_EQ(State(device, "eq.enable"), "0");
  EXPECT_EQ(TakeJournal(device), std::vector<std::string>{});

  // A selection that finds no device leaves none selected: nothing reaches either device.
  EXPECT_NE(Sdk().DLLQZ_SetActive_Device(kVendorId, 0x7299), 0);
  TakeJournal(second);
  EXPECT_EQ(Sdk().DLLQZ_SetEQ_OnOff_ById(0, 0), kSdkNoDevice);
  EXPECT_EQ(State(second, "eq.enable"), "1");
  EXPECT_EQ(TakeJournal(second), std::vector<std::string>{});
}

TEST_F(SdkStandInTest, EqualiserAnd3DSwitchAndQuery) {
  struct Case {
    decltype(SdkFunctionTable::DLLQZ_ConfigEQ_ById) config;
    decltype(SdkFunctionTable::DLLQZ_SetEQ_OnOff_ById) set;
    decltype(SdkFunctionTable::DLLQZ_IsEQ_Enable_ById) query;
    std::string configName, setName, queryName;
    const char* stateKey;
  };
  const Case cases[] = {
      {Sdk().DLLQZ_ConfigEQ_ById, Sdk().DLLQZ_SetEQ_OnOff_ById, Sdk().DLLQZ_IsEQ_Enable_ById, "DLLQZ_ConfigEQ_ById",
       "DLLQZ_SetEQ_OnOff_ById", "DLLQZ_IsEQ_Enable_ById", "eq.enable"},
      {Sdk().DLLQZ_Config3D_ById, Sdk().DLLQZ_Set3D_OnOff_ById, Sdk().DLLQZ_Is3D_Enable_ById, "DLLQZ_Config3D_ById",
       "DLLQZ_Set3D_OnOff_ById", "DLLQZ_Is3D_Enable_ById", "3d.enable"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stateKey);
    EXPECT_EQ(c.config(0), 0);
    EXPECT_EQ(c.set(1, 0), 0);
    EXPECT_EQ(State(c.stateKey), "1");
    DWORD enable = 0xDEADBEEF;
    EXPECT_EQ(c.query(&enable, 0), 0);
    EXPECT_EQ(enable, 1u);
    EXPECT_EQ(c.set(0, 0), 0);
    EXPECT_EQ(c.query(&enable, 0), 0);
    EXPECT_EQ(enable, 0u);
    EXPECT_EQ(TakeJournal(), (std::vector<std::string>{
                                 "sdk " + c.configName + " 0 -> 0",
                                 "sdk " + c.setName + " 1 0 -> 0",
                                 "sdk " + c.queryName + " 0 -> 0 out 1",
                                 "sdk " + c.setName + " 0 0 -> 0",
                                 "sdk " + c.queryName + " 0 -> 0 out 0",
                             }));
  }
}

TEST_F(SdkStandInTest, QueryFailureLeavesTheOutputUntouched) {
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_IsEQ_Enable_ById", 1), kOk);
  DWORD enable = 0xDEADBEEF;
  EXPECT_NE(Sdk().DLLQZ_IsEQ_Enable_ById(&enable, 0), 0);
  EXPECT_EQ(enable, 0xDEADBEEFu);
}

TEST_F(SdkStandInTest, I2cReadFillsOnlyTheRequestedBytesOfTheEeprom) {
  // Offsets 256-511 of the EEPROM answer at I2C address 0x51.
  ASSERT_EQ(client.WriteEeprom(device, 256 + 0x10, {0xAB, 0xCD, 0xEF}), kOk);
  TakeJournal();
  std::array<BYTE, 4> buffer;
  buffer.fill(kPoison);
  EXPECT_EQ(Sdk().DLLQZ_Read_I2C_ById(0x51, 0x10, buffer.data(), 2, 100, 0), 0);
  EXPECT_EQ(buffer, (std::array<BYTE, 4>{0xAB, 0xCD, kPoison, kPoison}));
  EXPECT_EQ(TakeJournal(), std::vector<std::string>{"sdk DLLQZ_Read_I2C_ById 81 16 2 100 0 -> 0 out ab cd"});

  // An address nobody answers at fails and leaves the buffer alone.
  EXPECT_NE(Sdk().DLLQZ_Read_I2C_ById(0x52, 0, buffer.data(), 1, 100, 0), 0);
  EXPECT_EQ(buffer[0], 0xAB);
}

TEST_F(SdkStandInTest, RegisterWriteAndRead) {
  EXPECT_EQ(Sdk().DLLQZ_Write_Register_ById(0x230, 0x20, 0), 0);
  std::uint8_t peeked = 0;
  ASSERT_EQ(client.PeekRegister(device, 0x230, peeked), kOk);
  EXPECT_EQ(peeked, 0x20);
  BYTE value = kPoison;
  EXPECT_EQ(Sdk().DLLQZ_Read_Register_ById(0x230, &value, 0), 0);
  EXPECT_EQ(value, 0x20);
  const std::vector<std::string> journal = TakeJournal();
  // The device logs the HID reports the SDK sends for it as well; the SDK lines carry the arguments.
  EXPECT_NE(std::find(journal.begin(), journal.end(), "sdk DLLQZ_Write_Register_ById 560 32 0 -> 0"), journal.end());
  EXPECT_NE(std::find(journal.begin(), journal.end(), "sdk DLLQZ_Read_Register_ById 560 0 -> 0 out 32"), journal.end());
}

TEST_F(SdkStandInTest, Virtual7ch1BlockAndScalar) {
  std::array<BYTE, 68> block{};
  const DWORD enable = 1;
  std::memcpy(block.data(), &enable, 4);
  for (int i = 0; i < 8; ++i) {
    const float level = 0.25f * static_cast<float>(i);
    const float angle = 0.5f + static_cast<float>(i);
    std::memcpy(block.data() + 4 + 4 * i, &level, 4);
    std::memcpy(block.data() + 36 + 4 * i, &angle, 4);
  }
  EXPECT_EQ(Sdk().DLLQZ_SetVirtual7ch1_OnOff(1), 0);
  EXPECT_EQ(Sdk().DLLQZ_SetVirtual7ch1(block.data()), 0);
  EXPECT_EQ(Sdk().DLLQZ_SetVirtual7ch1_Scalar(2.5f), 0);
  EXPECT_EQ(State("v71.enable"), "1");
  EXPECT_EQ(State("v71.block.enable"), "1");
  EXPECT_EQ(State("v71.level.7"), "1.75");
  EXPECT_EQ(State("v71.angle.3"), "3.5");
  EXPECT_EQ(State("v71.scalar"), "2.5");
  EXPECT_EQ(TakeJournal().back(), "sdk DLLQZ_SetVirtual7ch1_Scalar 2.5 -> 0");
}

TEST_F(SdkStandInTest, EncParametersAndTheAudioCommandReplyComeBack) {
  std::array<BYTE, 16> record{};
  record[0] = 1;
  record[8] = 12;  // the level, a 32-bit value at offset 8
  EXPECT_EQ(Sdk().DLLQZ_SetEnc_Parameters(record.data()), 0);
  EXPECT_EQ(State("enc.level"), "12");

  std::array<BYTE, kSdkAudioCommandBlockSize> block;
  block.fill(0);
  block[0] = 4;  // ENC
  block[1] = 8;  // get all
  // The reply parts are poisoned, so that only a reply copied back gives the expected bytes.
  std::fill(block.begin() + 2, block.begin() + 10, kPoison);
  std::fill(block.begin() + 134, block.begin() + 150, kPoison);
  DWORD size = kSdkAudioCommandBlockSize;
  ASSERT_EQ(Sdk().DLLQZ_AudioCommand(block.data(), &size), 0);
  EXPECT_EQ(size, kSdkAudioCommandBlockSize);
  // Bytes 2-9: ENC off, and the device's ENC block present and running.
  EXPECT_EQ(std::vector<BYTE>(block.begin() + 2, block.begin() + 10), (std::vector<BYTE>{0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(std::vector<BYTE>(block.begin() + 134, block.begin() + 150), std::vector<BYTE>(record.begin(), record.end()));

  // A block of another size is refused before anything is sent.
  TakeJournal();
  size = 100;
  EXPECT_NE(Sdk().DLLQZ_AudioCommand(block.data(), &size), 0);
  EXPECT_EQ(TakeJournal(), std::vector<std::string>{});
}

TEST_F(SdkStandInTest, GpioModesAndLevels) {
  const std::array<BYTE, 10> modes{};
  EXPECT_EQ(Sdk().DLLQZ_SetGpioMode_ById(modes.data(), 10, 0), 0);
  EXPECT_EQ(State("gpio.mode"), "0000000000");
  EXPECT_EQ(Sdk().DLLQZ_SetGpioModeEx_ById(3, 1, 0), 0);
  EXPECT_EQ(State("gpio.mode"), "0001000000");

  ASSERT_EQ(client.SetGpioLevel(device, 2, 0), kOk);  // a button pressed (active low)
  BYTE level = kPoison;
  EXPECT_EQ(Sdk().DLLQZ_GetGpioEx_ById(2, &level, 0), 0);
  EXPECT_EQ(level, 0);
  EXPECT_EQ(Sdk().DLLQZ_GetGpioEx_ById(9, &level, 0), 0);
  EXPECT_EQ(level, 1);
  const std::vector<std::string> journal = TakeJournal();
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.back(), "sdk DLLQZ_GetGpioEx_ById 9 0 -> 0 out 1");
}

TEST_F(SdkStandInTest, LedCommandsInAllThreeForms) {
  struct Case {
    std::function<int()> call;
    const char* journal;
  };
  const Case cases[] = {
      {[] { return Sdk().DLLQZ_SetRGB_Mode(0x3A, 1, 4, 9, 500); }, "sdk DLLQZ_SetRGB_Mode 58 1 4 9 500 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Color(0x3A, 2, 3, 10, 20, 30, 500); },
       "sdk DLLQZ_SetRGB_Color 58 2 3 10 20 30 500 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_SingleColor(0x3A, 1, 2, 11, 21, 31, 500); },
       "sdk DLLQZ_SetRGB_SingleColor 58 1 2 11 21 31 500 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Brightness(0x3A, 0, 6, 500); }, "sdk DLLQZ_SetRGB_Brightness 58 0 6 500 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Step(0x3A, 7, 500); }, "sdk DLLQZ_SetRGB_Step 58 7 500 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Mode_ById(0x3A, 0, 5, 200, 50, 0); },
       "sdk DLLQZ_SetRGB_Mode_ById 58 0 5 200 50 0 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Color_ById(0x3A, 1, 7, 9, 240, 247, 50, 0); },
       "sdk DLLQZ_SetRGB_Color_ById 58 1 7 9 240 247 50 0 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_SingleColor_ById(0x3A, 1, 4, 255, 0, 0, 50, 0); },
       "sdk DLLQZ_SetRGB_SingleColor_ById 58 1 4 255 0 0 50 0 -> 0"},
      {[] { return Sdk().DLLQZ_SetRGB_Step_ById(0x3A, 7, 50, 0); }, "sdk DLLQZ_SetRGB_Step_ById 58 7 50 0 -> 0"},
      {[] { return Sdk().DLLQZ_UsbHidSlave_SetRGB_Mode_Ex(2, 6, 3, 500); },
       "sdk DLLQZ_UsbHidSlave_SetRGB_Mode_Ex 2 6 3 500 -> 0"},
      {[] { return Sdk().DLLQZ_UsbHidSlave_SetRGB_Color_Ex(1, 5, 1, 2, 3, 500); },
       "sdk DLLQZ_UsbHidSlave_SetRGB_Color_Ex 1 5 1 2 3 500 -> 0"},
      {[] { return Sdk().DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex(2, 3, 4, 5, 6, 500); },
       "sdk DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex 2 3 4 5 6 500 -> 0"},
      {[] { return Sdk().DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex(1, 2, 500); },
       "sdk DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex 1 2 500 -> 0"},
      {[] { return Sdk().DLLQZ_UsbHidSlave_SetRGB_Step_Ex(7, 500); },
       "sdk DLLQZ_UsbHidSlave_SetRGB_Step_Ex 7 500 -> 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.journal);
    EXPECT_EQ(c.call(), 0);
    EXPECT_EQ(TakeJournal(), std::vector<std::string>{c.journal});
  }
  // A master command for another controller ID is refused by the controller.
  EXPECT_NE(Sdk().DLLQZ_SetRGB_Step(0x3B, 7, 500), 0);
}

TEST_F(SdkStandInTest, ExportsThePanelNeverCallsFailAndAreJournaled) {
  EXPECT_NE(Sdk().DLLQZ_GetAP_VersionW(), 0);
  EXPECT_NE(Sdk().DLLQZ_SetCustomerEffect_Mode(), 0);
  EXPECT_EQ(TakeJournal(), (std::vector<std::string>{
                               "sdk DLLQZ_GetAP_VersionW -> 1 (not supported)",
                               "sdk DLLQZ_SetCustomerEffect_Mode -> 1 (not supported)",
                           }));
}

// Without a server every call fails at once with a non-zero result.
TEST(SdkStandInWithoutServerTest, CallsFailQuickly) {
  const std::wstring pipe = L"\\\\.\\pipe\\vorma-virtual72xx-nobody-" + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(SetEnvironmentVariableW(L"VORMA_VIRTUAL72XX_PIPE", pipe.c_str()));
  test::RecordingMessageBoxes boxes;
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);

  const auto start = std::chrono::steady_clock::now();
  std::array<BYTE, kSdkAudioCommandBlockSize> block{};
  DWORD size = kSdkAudioCommandBlockSize;
  DWORD enable = 0xDEADBEEF;
  EXPECT_NE(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);
  EXPECT_NE(Sdk().DLLQZ_AudioCommand(block.data(), &size), 0);
  EXPECT_NE(Sdk().DLLQZ_IsEQ_Enable_ById(&enable, 0), 0);
  EXPECT_NE(Sdk().DLLQZ_SetRGB_Mode_ById(0x3A, 0, 1, 1, 50, 0), 0);
  EXPECT_NE(Sdk().DLLQZ_ScanButton_ById(0x1E4B, 0x7201, IgnoreReport, 1, 0), 0);
  EXPECT_NE(Sdk().DLLQZ_GetAP_VersionW(), 0);
  EXPECT_EQ(enable, 0xDEADBEEFu);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  SetEnvironmentVariableW(L"VORMA_VIRTUAL72XX_PIPE", nullptr);
}

}  // namespace
}  // namespace vorma
