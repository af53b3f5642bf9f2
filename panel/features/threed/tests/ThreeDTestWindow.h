#pragma once
// The 3D feature on a form built from the main window's resource, with the shared window stand-in
// that records the two-state button presses, against a virtual 72xx device selected in the SDK
// stand-in.

#include "forms/Application.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "panel/features/threed/ThreeDPage.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestFeatureContext.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorma::test {

class ThreeDFeatureTest : public VirtualDeviceTest {
protected:
  void SetUp() override;

  // Register values of the device, read without a transaction.
  std::uint8_t Register(std::uint16_t address);
  void SetRegister(std::uint16_t address, std::uint8_t value);
  // What the device was asked since the last call, one step a line: SDK calls without their "sdk "
  // prefix, register reads ("register 0x018a"), writes ("write 0x018a = 0x41") and "end"; the
  // address reports, opens and closes are left out.
  std::vector<std::string> Transactions();
  forms::Image& Image(std::wstring_view name);
  // The two-state buttons flipped since the last call ("toggle 13 -> 0"); the window's other
  // requests are dropped.
  std::vector<std::wstring> Toggles();

  RecordingMessageBoxes boxes;
  forms::Application application{GetModuleHandleW(nullptr)};
  std::unique_ptr<FormMainWindowControls> window;
  std::unique_ptr<TestFeatureContext> context;  // the plugged device, active and in sync

  virtual72xx::DeviceNumber device = 0;
  std::array<std::uint8_t, 256> factoryTable{};
  std::array<std::uint8_t, 2048> configImage{};
  std::wstring skinDirectory;
  std::map<std::wstring, std::wstring, std::less<>> skinPictures;
  std::unique_ptr<features::CThreeDPage> threeD;
};

}  // namespace vorma::test
