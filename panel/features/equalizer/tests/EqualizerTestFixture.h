#pragma once
// The equaliser page on the main window's form, against a virtual 72xx device plugged on a bus
// served in the test process: the page's HID transactions go through the virtual ports and its SDK
// calls through the SDK stand-in, which has the device selected.

#include "forms/Application.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "panel/features/equalizer/EqualizerPage.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestFeatureContext.h"

#include <memory>
#include <string>
#include <vector>

namespace vorma::test {

// The equaliser's tests speak its own names.
using namespace vorma::features;

using Lines = std::vector<std::string>;

inline constexpr std::uint16_t kTestVendorId = 0x1E4B;
inline constexpr std::uint16_t kTestProductId = 0x7201;

class EqualizerTest : public VirtualDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the page; a test may change `settings` first. The context's device is the plugged one.
  features::CEqualizerPage& Page();
  forms::Image& Slider(int band);
  std::uint8_t Register(std::uint16_t address);
  std::string State(const std::string& key);
  // The device's journal since the last call: SDK calls, and register writes and reads as
  // "write 0x0120 = 0x00" / "read 0x0129" (addresses, end reports, opens and closes left out).
  Lines TakeDeviceLog();

  forms::Application application{GetModuleHandleW(nullptr)};
  std::unique_ptr<FormMainWindowControls> window;
  std::unique_ptr<TestFeatureContext> context;
  features::DeviceConfigImage image;
  features::EqualizerSettings settings;
  int apply3DCalls = 0;
  DeviceNumber device = 0;
  RecordingMessageBoxes boxes;

private:
  std::unique_ptr<features::CEqualizerPage> page_;
};

}  // namespace vorma::test
