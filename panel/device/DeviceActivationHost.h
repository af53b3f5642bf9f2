#pragma once
// What device activation asks of the main window and the feature pages. The main window implements
// this; each operation is the window's or a feature's own, named as they name it, and activation
// only decides when and in which order they run. All calls come on the window's thread.

namespace vorma {

// The text DeviceActiveLabel shows (language keys LabelActive, LabelUnDriver, LabelUnactive).
enum class DeviceLabelKind { Active, DriverMissing, NoDevice };

// Page ids of the main window that activation looks at.
inline constexpr int kMicPage = 3;
inline constexpr int kVirtual7ch1Page = 4;
// The OS class of Core Audio systems; every other class uses the mixer API.
inline constexpr int kCoreAudioOsClass = 6;

class DeviceActivationHost {
public:
  virtual ~DeviceActivationHost() = default;

  // --- the window's device display and loop ---
  virtual void SetDeviceLabel(DeviceLabelKind kind) = 0;
  virtual void SetDeviceIndicators(bool active) = 0;  // ToggleButtonState on Tags 54 and 55
  virtual void RefreshPage() = 0;                     // ShowPageControls for the current page
  virtual void ResetFeatureButtons() = 0;
  virtual void ProcessPendingMessages() = 0;
  virtual void StartTimer1() = 0;  // the 2000 ms device poll
  virtual void StopTimer1() = 0;
  virtual int CurrentPage() = 0;
  virtual int OsClass() = 0;  // m_nOsClass

  // --- audio endpoint and microphone ---
  // Looks the device's capture endpoint up and holds it; true when one was found.
  virtual bool LookUpAudioEndpoint() = 0;
  virtual void ReleaseAudioEndpoint() = 0;  // only when one is held
  virtual void OpenCaptureMonitor() = 0;
  virtual void CloseCaptureMonitor() = 0;
  virtual void MarkCaptureMonitorClosed() = 0;  // the device took it away
  // ShowMicGain and ShowMicSwitches, then the microphone unmuted and the monitor's switching-off
  // action run without changing the monitor state.
  virtual void RefreshMicDisplay() = 0;
  virtual void ResetMicMeters() = 0;            // both level displays and the level image to 0

  // --- hardware buttons, ENC and voice effect ---
  virtual bool GpioReadSettingOn() = 0;
  virtual bool SwitchMode() = 0;  // [GPIO] MODE = 1
  virtual void ScanENCGPIO() = 0;
  virtual int SetEncGpioMode() = 0;  // 0 success
  virtual void ClearStartScanGPIO() = 0;  // m_bStartScanGPIO := 0
  virtual void InitEnc() = 0;
  virtual void ShowEnc() = 0;
  virtual bool EncEnabled() = 0;
  virtual int EncButtonMode() = 0;  // m_nEncButtonMode
  virtual void InitVoiceEffect() = 0;
  virtual void ShowVoiceEffect() = 0;

  // --- equaliser and 3D ---
  virtual bool EqFromEeprom() = 0;  // the loaded profile asks for the device's EEPROM values
  virtual void SyncEqFromDevice() = 0;
  virtual int DefaultEqEnable() = 0;  // from DefaultProfile.ini
  virtual void SetEqEnable(int enable) = 0;
  virtual void ApplyEqOnOff(int enable) = 0;
  virtual bool ThreeDFromEeprom() = 0;
  virtual void Sync3DFromDevice() = 0;
  virtual int Default3DEnable() = 0;
  virtual int Get3DEnable() = 0;
  virtual void Set3DEnable(int enable) = 0;
  virtual void Apply3DOnOff(int enable) = 0;

  // --- virtual 7.1 ---
  virtual int DefaultVirtual7ch1Enable() = 0;  // 7ch1EN of DefaultProfile.ini
  virtual bool ThreeDV7ch1MutuallyExclusive() = 0;
  virtual void SetVirtual7ch1Enable(int enable) = 0;
  virtual void Update7ch1UI() = 0;
  virtual void ShowVirtual7ch1Button() = 0;  // the enable button in the state of 7.1 enable
  virtual int SendVirtual7ch1(int enable) = 0;  // 0 success
  virtual float Virtual7ch1Scalar() = 0;
  virtual bool LastProfileVirtual7ch1On() = 0;  // the last loaded profile had 7ch1EN = 1

  // --- LED worker ---
  virtual void StartLEDWorker() = 0;
  virtual void CloseLEDWorkerHandle() = 0;  // only when one is held
};

}  // namespace vorma
