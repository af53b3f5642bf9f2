#pragma once
// The feature pages of the main window and the operations the window calls from its start-up, its
// buttons, drags, timers and tear-down. The equaliser, 3D, virtual 7.1, effect, microphone, test
// tone, ENC, voice-effect and LED pages are owned here.

#include "panel/device/audio/AudioEndpoints.h"
#include "panel/features/FeatureContext.h"
#include "panel/features/effects/EffectsPage.h"
#include "panel/features/encvoice/EncVoicePage.h"
#include "panel/features/equalizer/DeviceConfigImage.h"
#include "panel/features/equalizer/EqualizerPage.h"
#include "panel/features/microphone/MicrophonePage.h"
#include "panel/features/testtone/TestTonePage.h"
#include "panel/features/threed/ThreeDPage.h"
#include "panel/features/virtual7ch1/Virtual7ch1Host.h"
#include "panel/features/virtual7ch1/Virtual7ch1Page.h"
#include "panel/led/LedPage.h"
#include "panel/shell/MainFormSettings.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vorma::shell {

// What the features need of the window beyond their feature context.
struct FeatureLinks {
  std::function<bool()> testToneTicked;
  std::function<int()> gpioOnOff;
  std::function<bool()> gpioScanMode;
  std::function<void(bool)> setAnimationTimer;
  std::function<std::wstring()> skinDirectory;
  std::function<std::wstring(std::wstring_view key)> pictureName;
  std::function<SliderRange()> encSliderRange;
  std::function<void()> showEncoderWarning;
  // The LED page's colour dots, the window's colour dialog and the LED settings dialog.
  std::function<forms::Shape*(int tag)> findShape;
  std::function<bool(COLORREF& colour)> chooseColour;
  std::function<void()> showLedDialog;
  // Microphone and test tone.
  int osClass = 0;                   // m_nOsClass
  std::wstring programFolder;        // m_strProgramPath, ending in a separator
  std::function<HWND()> window;      // receives the level meter's MM_WIM_DATA
  std::function<int()> meterLength;  // [Mic] MicProgressLength of the skin
  std::function<void(bool)> setEndpointReady;
  std::function<void(bool)> setTestToneTimers;  // BeeTimer and BeePlayTimer
};

class MainFormFeatures final : private features::Virtual7ch1Host,
                               private features::EncVoiceHost,
                               private led::LedPageHost,
                               private features::MicrophoneHost,
                               private features::TestToneHost {
public:
  // `userFolder` is %APPDATA%\<InstallFolderName>, where DefaultProfile.ini lives.
  MainFormFeatures(FeatureContext& context, FeatureLinks links, const MainFormSettings& settings,
                   const std::wstring& userFolder);
  MainFormFeatures(const MainFormFeatures&) = delete;
  MainFormFeatures& operator=(const MainFormFeatures&) = delete;
  ~MainFormFeatures() override;

  features::CEqualizerPage& Eq() { return *eq_; }
  features::CThreeDPage& ThreeD() { return *threeD_; }
  features::CVirtual7ch1Page& Virtual7ch1() { return *virtual7ch1_; }
  features::CEncVoicePage& EncVoice() { return *encVoice_; }
  led::CLedPage& Led() { return *led_; }
  features::CEffectsPage& Effects() { return *effects_; }
  features::CMicrophonePage& Mic() { return *mic_; }
  features::CTestTonePage& TestTone() { return *testTone_; }

  // --- effects and microphone ---
  // Effect buttons, and the profile load with its CurrentEffect: remember, show and send. A
  // profile save reads Effects().CurrentEffect().
  void SelectEffect(int effect);
  // Window creation with a device active; true when the capture endpoint was found (and is held
  // until the window releases it).
  bool StartupMic();
  void SetMicGain(int percent);
  void StartCaptureMonitor();
  void StopCaptureMonitor();
  void CaptureLevel(WPARAM wParam, LPARAM lParam);
  // Gain, boost and mute as Windows has them (creation, skin change).
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
  bool TestToneTicked() override;
  int GpioOnOff() override;
  bool GpioScanMode() override;
  void SetAnimationTimerEnabled(bool enabled) override;
  void SwitchThreeDOff() override;
  // EncVoiceHost
  SliderRange EncSliderRange() override;
  void ShowEncoderWarning() override;
  // LedPageHost
  forms::Shape* FindShapeByTag(int tag) override;
  bool ChooseColour(COLORREF& colour) override;
  void ShowLedDialog() override;
  // MicrophoneHost
  void SetEndpointReady(bool ready) override;
  HWND MeterWindow() override;
  int MeterLength() override;
  // TestToneHost
  bool BoxTicked() override;
  void SetTestToneTimersEnabled(bool enabled) override;

  FeatureContext& context_;
  FeatureLinks links_;
  features::DeviceConfigImage image_;
  std::unique_ptr<features::CEqualizerPage> eq_;
  std::unique_ptr<features::CThreeDPage> threeD_;
  std::unique_ptr<features::CVirtual7ch1Page> virtual7ch1_;
  std::unique_ptr<features::CEncVoicePage> encVoice_;
  std::unique_ptr<led::CLedPage> led_;
  std::unique_ptr<AudioEndpointPort> audio_;
  std::unique_ptr<features::CEffectsPage> effects_;
  std::unique_ptr<features::CMicrophonePage> mic_;
  std::unique_ptr<features::CTestTonePage> testTone_;
};

}  // namespace vorma::shell
