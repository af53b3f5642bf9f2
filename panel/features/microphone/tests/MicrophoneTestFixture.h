#pragma once
// The microphone page on a form built from the main window's resource, with the virtual device's
// capture endpoint behind the audio port, the SDK stand-in for the monitor registers, and a window
// that hands MM_WIM_DATA to the page.

#include "panel/features/microphone/MicrophonePage.h"

#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestFeatureContext.h"

#include <memory>
#include <optional>

namespace vorma::test {

class TestMicrophoneHost final : public features::MicrophoneHost {
public:
  void SetEndpointReady(bool ready) override { endpointReady = ready; }
  HWND MeterWindow() override { return window; }
  int MeterLength() override { return meterLength; }

  std::optional<bool> endpointReady;
  HWND window = nullptr;
  int meterLength = 203;
};

// A hidden window whose MM_WIM_DATA goes to the page.
class MeterWindow {
public:
  MeterWindow();
  ~MeterWindow();
  MeterWindow(const MeterWindow&) = delete;
  MeterWindow& operator=(const MeterWindow&) = delete;
  HWND Handle() const { return window_; }
  features::CMicrophonePage* page = nullptr;

private:
  HWND window_ = nullptr;
};

class MicrophoneTest : public VirtualDeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;
  features::CMicrophonePage& MakePage(features::MicrophoneSettings settings = {});
  virtual72xx::CaptureState Capture();
  // The SDK calls since the last look, without the value a read gave.
  std::vector<std::string> SdkCalls();
  forms::Image& Image(std::wstring_view name);

  forms::Application application{GetModuleHandleW(nullptr)};
  RecordingMessageBoxes boxes;
  DeviceNumber device = 0;
  std::unique_ptr<AudioEndpointPort> audio;
  std::unique_ptr<FormMainWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;
  TestMicrophoneHost host;
  std::unique_ptr<MeterWindow> meterWindow;
  std::unique_ptr<features::CMicrophonePage> page;
};

}  // namespace vorma::test
