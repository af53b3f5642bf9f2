#pragma once
// The ENC page (an on/off switch and a level 0-30) and the voice-effect page (an on/off switch and
// five modes), both driven through the SDK's generic audio command. Their settings are kept per
// machine in the registry; a device has ENC, and so both pages, only when the registry holds an
// ENC level for it. The main window routes the pages' clicks, the ENC slider, device activation
// and removal and its destruction here; the hardware buttons switch ENC through the same calls.

#include "panel/features/FeatureContext.h"
#include "panel/features/encvoice/EncVoiceHost.h"

#include <windows.h>

#include <array>

namespace vorma::features {

inline constexpr int kEncMaxLevel = 30;
inline constexpr BYTE kAudioCommandEnc = 4;
inline constexpr BYTE kAudioCommandVoice = 7;

// The slider's top for a level, and the level for a top, on a track (single-precision, truncated).
int EncSliderTopForLevel(SliderRange track, int level);
int EncLevelForSliderTop(SliderRange track, int top);

class CEncVoicePage {
public:
  CEncVoicePage(FeatureContext& context, EncVoiceHost& host);

  // --- state (read by profiles, the hardware buttons and the window's drag) ---
  bool EncAvailable() const { return encAvailable_; }
  int EncEnable() const { return encEnable_; }
  int EncLevel() const { return encLevel_; }
  int VoiceEffectEnable() const { return voiceEnable_; }
  int VoiceEffectMode() const { return voiceMode_; }
  const std::array<BYTE, 16>& EncParameters() const { return encParameters_; }

  // --- ENC ---
  // Device activation, window creation without a last profile, profile load.
  void InitEnc();
  // With send 1: ENC on or off in the device, tried twice.
  void SetEncOnOff(int enable, int send);
  int SendEncParameters();
  void ShowEnc();
  void ENCFunctionImageClick();  // also ENCFunctionLabel's click
  // A hardware ENC button: ENC flips and reaches the device; the switch is redrawn only while the
  // ENC page is shown. Neither the device nor ENC availability is checked.
  void ToggleEncFromButton();
  // The ENC slider's own handlers; the cursor in screen coordinates. Without ENC the press does
  // nothing: the window's drag has already shown the warning for it.
  void ENCSliderImageMouseDown(POINT cursor);
  void ENCSliderImageMouseMove(POINT cursor);
  void ENCSliderImageMouseUp();
  // The bar jump of the window's drag: the level the slider's new top stands for, shown at once;
  // it reaches the device and the registry at the next slider release.
  void SetEncLevelFromBar(int level);

  // --- voice effect ---
  void InitVoiceEffect();
  void SetVoiceEffectOnOff(int enable, int send);
  void SetVoiceEffectMode(int mode);
  void ShowVoiceEffect();
  void VMFunctionImageClick();        // also VMFunctionLabel's click
  void VMEffectImageClick(int mode);  // VMEffectNoneImageClick (0) .. VMEffect4ImageClick (4)

  // --- lifecycle ---
  // The device went away: voice effect off and mode 0 (stored, not sent, the buttons redrawn so),
  // then ENC enable 0 (its switch keeps its picture until the next ShowEnc).
  void ClearVoiceEffect();
  void ClearEncoder() { encEnable_ = 0; }
  void DeviceRemoved() {
    ClearVoiceEffect();
    ClearEncoder();
  }
  // Window destruction with the device's HID interface still open: ENC off, voice effect off.
  void Shutdown();

private:
  bool ControlsUsable();  // device and ENC checks of every click; warns without ENC
  void ShowEncSwitch();
  void ShowEncLevel();
  void ShowVoiceFunction();
  void ShowVoiceModes();
  int SendVoiceParameters();

  FeatureContext& context_;
  MainWindowControls& controls_;
  EncVoiceHost& host_;

  bool encAvailable_ = false;
  int encEnable_ = 0;
  int encLevel_ = 0;
  std::array<BYTE, 8> encState_{};
  std::array<BYTE, 16> encParameters_{};

  int voiceEnable_ = 0;
  int voiceMode_ = 0;
  std::array<BYTE, 10> voicePayload_{};

  bool sliderDragging_ = false;
  POINT sliderPressCursor_{};
  int sliderPressTop_ = 0;
};

}  // namespace vorma::features
