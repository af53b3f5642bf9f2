#pragma once
// The microphone page: the device's capture endpoint in Windows (gain slider, boost, mute), the
// four ways of switching microphone monitoring, the listen-to-device check box and the level meter.
// The page owns the boost, mute and monitor states and the held endpoint; the main window routes
// its Tags (boost, mute, monitor, the slider and its bars), drag mode 2, MM_WIM_DATA, page
// switches, start-up and device activation here.
//
// On Core Audio systems (OS class 6) every Windows operation goes to the device's capture endpoint:
// the one held during an activation, or one looked up for the operation (which also sets the
// endpoint-ready flag to whether it was found) and released after it. On older systems it goes
// through the mixer. A failed Windows call leaves the display as it was.

#include "panel/device/audio/AudioEndpoints.h"
#include "panel/features/FeatureContext.h"
#include "panel/features/MainWindowTags.h"
#include "panel/features/microphone/CaptureLoopback.h"
#include "panel/features/microphone/LevelMeter.h"
#include "panel/features/microphone/MicrophoneHost.h"

#include <memory>

namespace vorma::features {

inline constexpr int kCoreAudioSystem = 6;

struct MicrophoneSettings {
  int monitorMode = 1;              // [Mic] Monitor (1 when empty)
  int osClass = kCoreAudioSystem;   // m_nOsClass
};

// [Mic] Monitor: leading decimal digits, 0 when there are none, 1 when the value is empty.
int MonitorModeFromConfig(const std::wstring& value);

class CMicrophonePage {
public:
  CMicrophonePage(FeatureContext& context, MicrophoneHost& host, AudioEndpointPort& audio,
                  MicrophoneSettings settings);

  int BoostState() const { return boost_; }
  int MuteState() const { return mute_; }
  int MonitorState() const { return monitor_; }
  void SetBoostState(int on) { boost_ = on; }
  void SetMuteState(int on) { mute_ = on; }
  void SetMonitorState(int on) { monitor_ = on; }
  const MicrophoneSettings& Settings() const { return settings_; }
  bool LoopbackRunning() const { return loopback_.Running(); }

  // --- the capture endpoint held during a device activation ---
  bool LookUpEndpoint();  // true when the device's endpoint was found (and is now held)
  void ReleaseEndpoint();

  // --- display ---
  void ShowMicGain();      // gain from Windows: value label, slider and the bar below it
  void ShowMicSwitches();  // boost and mute from Windows onto their buttons

  // --- input ---
  void BoostClick();       // kTagMicBoost: toggle, then boost to Windows
  void MuteClick();        // kTagMicMute: toggle, then mute to Windows
  void MonitorClick();     // kTagMicMonitor: toggle, then SetMicMonitor
  void SetMicMonitor(bool on);
  // Drag mode 2: the slider's proposed top (its top at the press plus the cursor's movement).
  void DragSlider(int proposedTop);
  // MicBarImage / MicBarDownImage pressed at window y: the slider's centre goes there.
  void JumpSlider(int clickY);
  // The gain in percent to Windows, then ShowMicGain.
  void SetGainPercent(int percent);
  void ListenToDeviceClick(bool ticked);

  // --- level meter ---
  void OpenMeterCapture(HWND window);
  void CloseMeterCapture();
  bool MeterCaptureOpen() const { return meter_.IsOpen(); }
  void OnMeterData(WPARAM wParam, LPARAM lParam);  // MM_WIM_DATA
  void MeterTick(std::span<const std::uint8_t> samples);
  void ResetMeters();

  // --- life cycle ---
  // Window creation with a device active: both switches off, meter empty, then (when the endpoint
  // is found, or on systems without Core Audio) the display from Windows, with the meter capture
  // open meanwhile; the endpoint-ready flag is set to the outcome. The endpoint stays held until
  // ReleaseEndpoint. True when the endpoint was found.
  bool StartUp();
  // Device activation: the display from Windows, the microphone unmuted, and the monitor's
  // switching-off action without changing the monitor state.
  void RefreshAfterActivation();
  // Window destruction and device removal: the loopback stops.
  void ShutDown();

private:
  template <typename Call>
  int WithMic(Call call);
  void ShowSwitch(int tag, int& state, bool on);
  void RunMonitorSequence(bool on);
  void MonitorOffAction();
  void MoveSliderTo(int top);

  FeatureContext& context_;
  MainWindowControls& controls_;
  MicrophoneHost& host_;
  AudioEndpointPort& audio_;
  MicrophoneSettings settings_;
  std::unique_ptr<MicControls> held_;
  LevelMeterCapture meter_;
  CaptureLoopback loopback_;
  int boost_ = 0;
  int mute_ = 0;
  int monitor_ = 0;
};

}  // namespace vorma::features
