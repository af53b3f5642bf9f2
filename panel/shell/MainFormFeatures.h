#pragma once
// The feature pages of the main window and the operations the window calls from its start-up, its
// buttons, drags, timers and tear-down. The equaliser, 3D, virtual 7.1, ENC and voice-effect pages
// are owned here;
// the operations of features that are not built yet say so in the debug output and change
// nothing, so the window's routing can be followed before every feature exists.

#include "panel/device/DevicePorts.h"
#include "panel/features/encvoice/EncVoicePage.h"
#include "panel/features/equalizer/DeviceConfigImage.h"
#include "panel/features/equalizer/Equalizer.h"
#include "panel/features/threed/ThreeDSound.h"
#include "panel/features/virtual7ch1/Virtual7ch1Host.h"
#include "panel/features/virtual7ch1/Virtual7ch1Page.h"
#include "panel/led/LedPage.h"
#include "panel/shell/MainFormSettings.h"
#include "panel/shell/MainWindowControls.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vorma::shell {

// What the features need of the window beyond its controls.
struct FeatureLinks {
  std::function<bool()> deviceActive;
  std::function<std::unique_ptr<HidConnection>()> openHid;
  std::function<bool()> testToneTicked;
  std::function<int()> gpioOnOff;
  std::function<bool()> gpioScanMode;
  std::function<void(bool)> setAnimationTimer;
  std::function<std::wstring()> skinDirectory;
  std::function<std::wstring(std::wstring_view key)> pictureName;
  std::function<WORD()> vendorId;
  std::function<WORD()> productId;
  std::function<int()> currentPage;
  std::function<SliderRange()> encSliderRange;
  std::function<void()> showEncoderWarning;
  // The LED page's colour dots, the window's colour dialog and the LED settings dialog.
  std::function<forms::Shape*(int tag)> findShape;
  std::function<bool(COLORREF& colour)> chooseColour;
  std::function<void()> showLedDialog;
};

class MainFormFeatures final : private features::Virtual7ch1Host,
                               private features::EncVoiceHost,
                               private led::LedPageHost {
public:
  // `userFolder` is %APPDATA%\<InstallFolderName>, where DefaultProfile.ini lives.
  MainFormFeatures(MainWindowControls& window, FeatureLinks links, const MainFormSettings& settings,
                   const std::wstring& userFolder);
  MainFormFeatures(const MainFormFeatures&) = delete;
  MainFormFeatures& operator=(const MainFormFeatures&) = delete;
  ~MainFormFeatures() override;

  Equalizer& Eq() { return *eq_; }
  threed::CThreeDSound& ThreeD() { return *threeD_; }
  features::CVirtual7ch1Page& Virtual7ch1() { return *virtual7ch1_; }
  features::CEncVoicePage& EncVoice() { return *encVoice_; }
  led::CLedPage& Led() { return *led_; }

  // --- effects and microphone ---
  void SelectEffect(int effect);
  void StartupMic();
  void ApplyMicBoost(int enable);
  void ApplyMicMute(int enable);
  void ApplyMicMonitor(int enable);
  void SetMicGain(int percent);
  void StartCaptureMonitor();
  void StopCaptureMonitor();
  void CaptureLevel(WPARAM wParam, LPARAM lParam);
  void RefreshMicDisplay();

  // --- encoder and voice effect ---
  bool EncEnabled();
  void SetEncoderLevel(int level);
  void RefreshEncoderPage();
  void RefreshVoiceEffectPage();
  void ClearVoiceEffect();
  void ClearEncoder();
  void ReadEncoderAndVoiceFromRegistry();

  // --- LED, hardware buttons, tray, test tone ---
  void SendLedIndicator(int value);
  void SyncLedIndicator(int state);
  void CloseMediaPlayer();

private:
  // Virtual7ch1Host
  bool DeviceActive() override;
  bool TestToneTicked() override;
  int GpioOnOff() override;
  bool GpioScanMode() override;
  void SetAnimationTimerEnabled(bool enabled) override;
  void SwitchThreeDOff() override;
  // EncVoiceHost (DeviceActive serves both pages)
  WORD VendorId() override;
  WORD ProductId() override;
  int CurrentPage() override;
  SliderRange EncSliderRange() override;
  void ShowEncoderWarning() override;
  // LedPageHost (DeviceActive serves it too)
  forms::Shape* FindShapeByTag(int tag) override;
  bool ChooseColour(COLORREF& colour) override;
  void ShowLedDialog() override;

  FeatureLinks links_;
  DeviceConfigImage image_;
  std::unique_ptr<Equalizer> eq_;
  std::unique_ptr<threed::CThreeDSound> threeD_;
  std::unique_ptr<features::CVirtual7ch1Page> virtual7ch1_;
  std::unique_ptr<features::CEncVoicePage> encVoice_;
  std::unique_ptr<led::CLedPage> led_;
};

}  // namespace vorma::shell
