#pragma once
// A stand-in for the main window during activation tests: it records every operation activation
// asks for, in order, interleaved with the SDK, HID and filter lines the virtual device journaled
// since the previous operation; answers the window's questions from settings the test chooses; and
// owns a real window whose Timer1 (SetTimer, 2000 ms) and WM_DEVICECHANGE reach the activation.

#include "panel/device/DeviceActivation.h"
#include "outside/virtual72xx/Virtual72xxClient.h"
#include "foundation/UniqueHandles.h"

#include <functional>
#include <string>
#include <vector>

namespace vorma::test {

struct WindowSettings {
  bool endpointFound = true;
  int osClass = kCoreAudioOsClass;
  int currentPage = 1;
  bool gpioRead = false;
  bool switchMode = false;
  int setEncGpioMode = 0;
  bool encEnabled = true;
  int encButtonMode = 1;
  bool eqFromEeprom = false;
  int defaultEqEnable = 0;
  bool threeDFromEeprom = false;
  int default3DEnable = 0;
  int defaultVirtual7ch1 = 0;
  bool exclusive3DV7ch1 = false;
  float scalar = 2.0f;
  bool lastProfileVirtual7ch1 = false;
};

class RecordingActivationHost final : public DeviceActivationHost {
public:
  explicit RecordingActivationHost(virtual72xx::Virtual72xxClient client);
  ~RecordingActivationHost() override;

  // The activation that the window's Timer1 and WM_DEVICECHANGE go to.
  void Attach(DeviceActivation* activation) { activation_ = activation; }
  HWND Window() const { return window_.get(); }
  // The device whose journal is interleaved with the operations (0: none).
  void Follow(virtual72xx::DeviceNumber device) { followed_ = device; }
  // The record so far, ending with the journal lines since the last operation; cleared on reading.
  std::vector<std::string> TakeLog();
  bool Timer1Running() const { return timer1Running_; }
  int DeviceChangeCount() const { return deviceChanges_; }

  WindowSettings settings;
  // Runs each time activation lets pending messages run, before they are dispatched: a message
  // that arrives just then (a timer tick, a device change).
  std::function<void()> whilePendingMessagesRun;
  DeviceLabelKind label = DeviceLabelKind::NoDevice;
  bool indicators = false;

  // --- DeviceActivationHost ---
  void SetDeviceLabel(DeviceLabelKind kind) override;
  void SetDeviceIndicators(bool active) override;
  void RefreshPage() override { Record("RefreshPage"); }
  void ResetFeatureButtons() override { Record("ResetFeatureButtons"); }
  void ProcessPendingMessages() override;
  void StartTimer1() override;
  void StopTimer1() override;
  int CurrentPage() override { return settings.currentPage; }
  int OsClass() override { return settings.osClass; }
  bool LookUpAudioEndpoint() override;
  void ReleaseAudioEndpoint() override;
  void OpenCaptureMonitor() override { Record("OpenCaptureMonitor"); }
  void CloseCaptureMonitor() override { Record("CloseCaptureMonitor"); }
  void MarkCaptureMonitorClosed() override { Record("MarkCaptureMonitorClosed"); }
  void RefreshMicDisplay() override { Record("RefreshMicDisplay"); }
  void ResetMicMeters() override { Record("ResetMicMeters"); }
  bool GpioReadSettingOn() override { return settings.gpioRead; }
  bool SwitchMode() override { return settings.switchMode; }
  void ScanENCGPIO() override { Record("ScanENCGPIO"); }
  int SetEncGpioMode() override;
  void ClearStartScanGPIO() override { Record("ClearStartScanGPIO"); }
  void InitEnc() override { Record("InitEnc"); }
  void ShowEnc() override { Record("ShowEnc"); }
  bool EncEnabled() override { return settings.encEnabled; }
  int EncButtonMode() override { return settings.encButtonMode; }
  void InitVoiceEffect() override { Record("InitVoiceEffect"); }
  void ShowVoiceEffect() override { Record("ShowVoiceEffect"); }
  bool EqFromEeprom() override { return settings.eqFromEeprom; }
  void SyncEqFromDevice() override { Record("SyncEqFromDevice"); }
  int DefaultEqEnable() override { return settings.defaultEqEnable; }
  void SetEqEnable(int enable) override { Record("SetEqEnable " + std::to_string(enable)); }
  void ApplyEqOnOff(int enable) override { Record("ApplyEqOnOff " + std::to_string(enable)); }
  bool ThreeDFromEeprom() override { return settings.threeDFromEeprom; }
  void Sync3DFromDevice() override { Record("Sync3DFromDevice"); }
  int Default3DEnable() override { return settings.default3DEnable; }
  int Get3DEnable() override { return enable3D_; }
  void Set3DEnable(int enable) override;
  void Apply3DOnOff(int enable) override { Record("Apply3DOnOff " + std::to_string(enable)); }
  int DefaultVirtual7ch1Enable() override { return settings.defaultVirtual7ch1; }
  bool ThreeDV7ch1MutuallyExclusive() override { return settings.exclusive3DV7ch1; }
  void SetVirtual7ch1Enable(int enable) override { Record("SetVirtual7ch1Enable " + std::to_string(enable)); }
  void Update7ch1UI() override { Record("Update7ch1UI"); }
  void ShowVirtual7ch1Button() override { Record("ShowVirtual7ch1Button"); }
  int SendVirtual7ch1(int enable) override;
  float Virtual7ch1Scalar() override { return settings.scalar; }
  bool LastProfileVirtual7ch1On() override { return settings.lastProfileVirtual7ch1; }
  void StartLEDWorker() override { Record("StartLEDWorker"); }
  void CloseLEDWorkerHandle() override { Record("CloseLEDWorkerHandle"); }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void TakeJournal();
  void Record(const std::string& operation);

  virtual72xx::Virtual72xxClient client_;
  virtual72xx::DeviceNumber followed_ = 0;
  DeviceActivation* activation_ = nullptr;
  UniqueWindow window_;
  std::vector<std::string> log_;
  bool endpointHeld_ = false;
  bool timer1Running_ = false;
  int deviceChanges_ = 0;
  int enable3D_ = 0;
};

}  // namespace vorma::test
