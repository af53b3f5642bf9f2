#pragma once
// The feature operations the main window calls from its start-up, its buttons, drags, timers and
// tear-down, in one place. Each forwards to the feature that owns it; a feature that is not built
// yet says so in the debug output and changes nothing, so the window's routing can be followed
// before every feature exists.

#include "panel/shell/MainWindowControls.h"

#include <windows.h>

#include <string_view>

namespace vorma::shell {

class MainFormFeatures {
public:
  explicit MainFormFeatures(MainWindowControls& window);
  MainFormFeatures(const MainFormFeatures&) = delete;
  MainFormFeatures& operator=(const MainFormFeatures&) = delete;
  ~MainFormFeatures();

  // --- equaliser ---
  void InitEqDefaults();
  void ShowEqPreset(int slot);
  void ResetEq();
  void ApplyEqOnOff(int enable);
  void StoreEqPreset(int preset);
  void SelectEqPreset(int preset);
  void SetEqBandFromSlider(forms::Image& slider, int value);
  void SyncEqFromDevice();

  // --- 3D ---
  void Startup3D();
  void Reset3D();
  void Apply3DOnOff(int enable);
  void ApplyFBM(int enable);
  void Cycle3DMode(int tag, int& mode);
  void Update3DSlider(std::wstring_view sliderName, int alphaMode, int betaMode, int top);
  void Shutdown3D();
  void Sync3DFromDevice();

  // --- virtual 7.1 ---
  void ComputeSpeakerLayout();
  void Startup7ch1();
  void PassScalar(float scalar);
  void LoadVirtual7ch1ProfileValues();
  void Reset7ch1();
  void ResetSpeakers();
  void SwitchVirtual7ch1OffInSdk();
  int SendVirtual7ch1(int enable);
  void RotateClockwise();
  void RotateCounterclockwise();
  void NarrowSpeakers();
  void EnlargeSpeakers();
  void ApplySpeakerLayout();
  void SpeakerDragged();
  void RescaleSpeakers(SpeakerCircle circle);

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

  // --- encoder and voice effect ---
  bool EncEnabled();
  void SetEncoderLevel(int level);
  void RefreshEncoderPage();
  void RefreshVoiceEffectPage();
  void ClearVoiceEffect();
  void ClearEncoder();
  void ReadEncoderAndVoiceFromRegistry();

  // --- profiles ---
  void LoadDefaultProfile();
  bool LoadLastProfile();
  void SaveLastProfile();
  void ProfileSaveDialog();
  void ProfileLoadDialog();

  // --- LED, hardware buttons, tray, test tone ---
  void SendLedIndicator(int value);
  void ReadGPIOAndSetUI();
  void HideToTray();
  void CloseMediaPlayer();

private:
  MainWindowControls& window_;
};

}  // namespace vorma::shell
