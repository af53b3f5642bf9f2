#include "panel/features/microphone/MicrophonePage.h"

#include "foundation/DebugOutput.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/audio/ListenToDevice.h"

#include <algorithm>
#include <cwctype>

namespace vorma::features {
namespace {

// An SDK call of the monitor sequences, repeated once when it fails.
template <typename Call>
void Twice(const wchar_t* name, Call call) {
  if (call() == 0 || call() == 0) return;
  DebugPrint(L"***** %ls FAIL! *****\n", name);
}

}  // namespace

int MonitorModeFromConfig(const std::wstring& value) {
  if (value.empty()) return 1;
  int mode = 0;
  for (wchar_t c : value) {
    if (!std::iswdigit(c)) break;
    mode = mode * 10 + (c - L'0');
  }
  return mode;
}

CMicrophonePage::CMicrophonePage(FeatureContext& context, MicrophoneHost& host, AudioEndpointPort& audio,
                                 MicrophoneSettings settings)
    : context_(context), controls_(context.Window()), host_(host), audio_(audio), settings_(settings) {}

template <typename Call>
int CMicrophonePage::WithMic(Call call) {
  const auto vendor = context_.VendorId();
  const auto product = context_.ProductId();
  if (settings_.osClass != kCoreAudioSystem) return call(*audio_.MixerControls(vendor, product));
  if (held_) return call(*held_);
  std::unique_ptr<MicControls> endpoint = audio_.FindCaptureEndpoint(vendor, product);
  host_.SetEndpointReady(endpoint != nullptr);
  return endpoint ? call(*endpoint) : kAudioNoEndpoint;
}

bool CMicrophonePage::LookUpEndpoint() {
  held_ = audio_.FindCaptureEndpoint(context_.VendorId(), context_.ProductId());
  return held_ != nullptr;
}

void CMicrophonePage::ReleaseEndpoint() { held_.reset(); }

void CMicrophonePage::ShowMicGain() {
  int percent = 0;
  if (WithMic([&](MicControls& mic) { return mic.GetVolumePercent(percent); }) != kAudioDone) return;
  if (forms::Label* value = controls_.LabelNamed(L"MicValueLabel")) value->SetCaption(std::to_wstring(percent));
  const SliderRange track = controls_.MicSliderRange();
  MoveSliderTo(track.top + track.range - percent * track.range / 100);
}

void CMicrophonePage::MoveSliderTo(int top) {
  forms::Image* slider = controls_.ImageNamed(L"MicSliderImage");
  if (!slider) return;
  slider->SetTop(top);
  if (forms::Image* bar = controls_.ImageNamed(L"MicBarDownImage")) {
    bar->SetAutoSize(false);
    bar->SetHeight(std::max(0, slider->Top() + slider->Height() - bar->Top()));
  }
}

// The two-state display of boost or mute for a state read from Windows.
void CMicrophonePage::ShowSwitch(int tag, int& state, bool on) {
  state = on ? 0 : 1;
  controls_.ToggleButtonState(tag, state);
}

void CMicrophonePage::ShowMicSwitches() {
  bool on = false;
  if (WithMic([&](MicControls& mic) { return mic.GetBoost(on); }) == kAudioDone) ShowSwitch(kTagMicBoost, boost_, on);
  if (WithMic([&](MicControls& mic) { return mic.GetMute(on); }) == kAudioDone) ShowSwitch(kTagMicMute, mute_, on);
}

void CMicrophonePage::BoostClick() {
  controls_.ToggleButtonState(kTagMicBoost, boost_);
  WithMic([&](MicControls& mic) { return mic.SetBoost(boost_ != 0); });
}

void CMicrophonePage::MuteClick() {
  controls_.ToggleButtonState(kTagMicMute, mute_);
  WithMic([&](MicControls& mic) { return mic.SetMute(mute_ != 0); });
}

void CMicrophonePage::MonitorClick() {
  controls_.ToggleButtonState(kTagMicMonitor, monitor_);
  SetMicMonitor(monitor_ != 0);
}

// The device's own monitor path: register 0x200 is read first (the device wants the access, the
// value is not used), then the monitor source and the monitor switch are written.
void CMicrophonePage::RunMonitorSequence(bool on) {
  const SdkFunctionTable& sdk = Sdk();
  if (!sdk.DLLQZ_Read_Register_ById || !sdk.DLLQZ_Write_Register_ById) return;
  BYTE unused = 0;
  Twice(L"DLLQZ_Read_Register_ById 0x200", [&] { return sdk.DLLQZ_Read_Register_ById(0x200, &unused, 0); });
  Twice(L"DLLQZ_Write_Register_ById 0x200", [&] { return sdk.DLLQZ_Write_Register_ById(0x200, 4, 0); });
  Twice(L"DLLQZ_Write_Register_ById 0x230", [&] { return sdk.DLLQZ_Write_Register_ById(0x230, on ? 0x20 : 0, 0); });
}

void CMicrophonePage::SetMicMonitor(bool on) {
  const int mode = settings_.monitorMode;
  const auto vendor = context_.VendorId();
  const auto product = context_.ProductId();
  if (mode == 2) {
    if (on) loopback_.Start();
    else loopback_.Stop();
    return;
  }
  if (on) {
    RunMonitorSequence(true);
    SetListenToDevice(true, vendor, product);
    return;
  }
  if (mode != 1) RunMonitorSequence(false);
  if (mode == 1 || mode == 3) SetListenToDevice(false, vendor, product);
}

void CMicrophonePage::MonitorOffAction() { SetMicMonitor(false); }

void CMicrophonePage::DragSlider(int proposedTop) {
  const SliderRange track = controls_.MicSliderRange();
  if (track.range <= 0) return;
  const int top = std::clamp(proposedTop, track.top, track.top + track.range);
  if (forms::Image* slider = controls_.ImageNamed(L"MicSliderImage")) slider->SetTop(top);
  SetGainPercent((track.top + track.range - top) * 100 / track.range);
}

void CMicrophonePage::JumpSlider(int clickY) {
  forms::Image* slider = controls_.ImageNamed(L"MicSliderImage");
  if (!slider) return;
  DragSlider(clickY - slider->Height() / 2);
}

void CMicrophonePage::SetGainPercent(int percent) {
  WithMic([&](MicControls& mic) { return mic.SetVolumePercent(percent); });
  ShowMicGain();
}

void CMicrophonePage::ListenToDeviceClick(bool ticked) {
  SetListenToDevice(ticked, context_.VendorId(), context_.ProductId());
  RestartAudioService();
  Sleep(300);
}

void CMicrophonePage::OpenMeterCapture(HWND window) { meter_.Open(window); }

void CMicrophonePage::CloseMeterCapture() { meter_.Close(); }

void CMicrophonePage::OnMeterData(WPARAM wParam, LPARAM lParam) {
  std::span<const std::uint8_t> samples;
  if (!meter_.FilledBuffer(wParam, lParam, samples)) return;  // a buffer of a closed capture
  MeterTick(samples);
  meter_.GiveBack(lParam);
}

void CMicrophonePage::MeterTick(std::span<const std::uint8_t> samples) {
  if (forms::Image* meter = controls_.ImageNamed(L"MicProgressImage"))
    meter->SetWidth(MeterWidth(samples, host_.MeterLength()));
}

void CMicrophonePage::ResetMeters() {
  if (forms::Image* meter = controls_.ImageNamed(L"MicProgressImage")) meter->SetWidth(0);
}

bool CMicrophonePage::StartUp() {
  boost_ = 0;
  mute_ = 0;
  ResetMeters();
  const bool found = LookUpEndpoint();
  if (!found && settings_.osClass == kCoreAudioSystem) return false;
  OpenMeterCapture(host_.MeterWindow());
  ShowMicGain();
  ShowMicSwitches();
  CloseMeterCapture();
  host_.SetEndpointReady(true);
  return found;
}

void CMicrophonePage::RefreshAfterActivation() {
  ShowMicGain();
  ShowMicSwitches();
  // The button follows the unmute, or it would show a muted microphone that Windows has unmuted.
  if (WithMic([](MicControls& mic) { return mic.SetMute(false); }) == kAudioDone) ShowSwitch(kTagMicMute, mute_, false);
  MonitorOffAction();
}

void CMicrophonePage::ShutDown() {
  loopback_.Stop();
  meter_.Close();
  held_.reset();
}

}  // namespace vorma::features
