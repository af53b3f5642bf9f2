#pragma once
// The 3D feature on a form built from the main window's resource, with a window stand-in that
// records the two-state button redraws, against a virtual 72xx device selected in the SDK stand-in.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "panel/features/threed/ThreeDSound.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainWindowControls.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace vorma::test {

// Supplies no handlers: the tests call the feature's operations directly.
class NoEvents final : public shell::FormEventSource {
public:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }
};

class TestMainWindow final : public MainWindowControls {
public:
  explicit TestMainWindow(forms::Form& form) : form_(form) {}

  forms::Image* ImageNamed(std::wstring_view name) override;
  forms::Label* LabelNamed(std::wstring_view name) override;
  forms::Image* FindImageByTag(int tag) override;
  forms::Label* FindLabelByTag(int tag) override;
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) override;
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) override;
  std::wstring LanguageText(std::wstring_view languageKey) override { return std::wstring(languageKey); }
  void ToggleButtonState(int tag, int& state) override;
  SliderRange EqSliderRange() override { return eqSlider; }
  SliderRange MicSliderRange() override { return {208, 120}; }
  SpeakerCircle VirtualCenter() override { return {}; }
  void ProcessPendingMessages() override {}

  SliderRange eqSlider{200, 120};
  // "Tag=state" per two-state redraw, and the skin keys applied, in order; cleared by the test.
  std::vector<std::string> toggles;
  std::vector<std::wstring> skinKeys;

private:
  forms::Form& form_;
};

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

  RecordingMessageBoxes boxes;
  forms::Application application{GetModuleHandleW(nullptr)};
  std::unique_ptr<forms::Form> form;
  NoEvents events;
  std::unique_ptr<TestMainWindow> window;

  virtual72xx::DeviceNumber device = 0;
  bool deviceActive = true;
  bool deviceSync = true;
  std::array<std::uint8_t, 256> factoryTable{};
  std::array<std::uint8_t, 2048> configImage{};
  std::wstring skinDirectory;
  std::map<std::wstring, std::wstring, std::less<>> skinPictures;
  std::unique_ptr<threed::CThreeDSound> threeD;
};

}  // namespace vorma::test
