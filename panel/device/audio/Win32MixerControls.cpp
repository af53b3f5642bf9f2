// The microphone controls of systems before Vista, through the multimedia mixer: the wave-in
// destination line whose target is the device's capture device, or its microphone source line.

#include "panel/device/audio/Win32AudioEndpoints.h"

#include "foundation/DebugOutput.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace vorma {
namespace {

constexpr DWORD kVolumeControl = MIXERCONTROL_CONTROLTYPE_VOLUME;  // 0x50030001
constexpr DWORD kMuteControl = MIXERCONTROL_CONTROLTYPE_MUTE;      // 0x20010002
constexpr DWORD kBoostControl = MIXERCONTROL_CONTROLTYPE_MUX;      // 0x70010001

class OpenMixer {
public:
  explicit OpenMixer(UINT index) {
    if (mixerOpen(&mixer_, index, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) mixer_ = nullptr;
  }
  ~OpenMixer() {
    if (mixer_) mixerClose(mixer_);
  }
  OpenMixer(const OpenMixer&) = delete;
  OpenMixer& operator=(const OpenMixer&) = delete;
  HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }
  explicit operator bool() const { return mixer_ != nullptr; }

private:
  HMIXER mixer_ = nullptr;
};

bool LineHasControl(HMIXEROBJ mixer, DWORD lineId, DWORD controlType, MIXERCONTROLW& control) {
  MIXERLINECONTROLSW controls = {};
  controls.cbStruct = sizeof(controls);
  controls.dwLineID = lineId;
  controls.dwControlType = controlType;
  controls.cControls = 1;
  controls.cbmxctrl = sizeof(MIXERCONTROLW);
  controls.pamxctrl = &control;
  return mixerGetLineControlsW(mixer, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) == MMSYSERR_NOERROR;
}

// An empty description matches nothing: the device has no capture device, and comparing over no
// characters would take the first mixer's wave-in line, which belongs to some other device.
bool SameProduct(const wchar_t* productName, const std::wstring& description) {
  const size_t length = std::min(std::wcslen(productName), description.size());
  return !description.empty() && length > 0 && _wcsnicmp(productName, description.c_str(), length) == 0;
}

// Finds the control on the wave-in line of the described device, or on its first microphone (or
// undefined) source line that has one, and hands the open mixer and the control to `use`.
template <typename Use>
bool WithMixerControl(const std::wstring& description, DWORD controlType, Use use) {
  const UINT mixers = mixerGetNumDevs();
  for (UINT index = 0; index < mixers; ++index) {
    OpenMixer mixer(index);
    if (!mixer) continue;
    MIXERLINEW destination = {};
    destination.cbStruct = sizeof(destination);
    destination.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    if (mixerGetLineInfoW(mixer.Object(), &destination, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR) continue;
    if (!SameProduct(destination.Target.szPname, description)) continue;
    MIXERCONTROLW control = {};
    control.cbStruct = sizeof(control);
    if (LineHasControl(mixer.Object(), destination.dwLineID, controlType, control)) return use(mixer.Object(), control);
    for (DWORD source = 0; source < destination.cConnections; ++source) {
      MIXERLINEW line = {};
      line.cbStruct = sizeof(line);
      line.dwDestination = destination.dwDestination;
      line.dwSource = source;
      if (mixerGetLineInfoW(mixer.Object(), &line, MIXER_GETLINEINFOF_SOURCE) != MMSYSERR_NOERROR) continue;
      if (line.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE &&
          line.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED)
        continue;
      if (LineHasControl(mixer.Object(), line.dwLineID, controlType, control)) return use(mixer.Object(), control);
    }
  }
  return false;
}

template <typename Value>
MIXERCONTROLDETAILS Details(const MIXERCONTROLW& control, Value& value) {
  MIXERCONTROLDETAILS details = {};
  details.cbStruct = sizeof(details);
  details.dwControlID = control.dwControlID;
  details.cChannels = 1;
  details.cbDetails = sizeof(Value);
  details.paDetails = &value;
  return details;
}

class MixerMicControls final : public MicControls {
public:
  explicit MixerMicControls(std::wstring description) : description_(std::move(description)) {}

  int GetVolumePercent(int& percent) override {
    return Run(kVolumeControl, [&](HMIXEROBJ mixer, const MIXERCONTROLW& control) {
      MIXERCONTROLDETAILS_UNSIGNED value = {};
      MIXERCONTROLDETAILS details = Details(control, value);
      if (mixerGetControlDetailsW(mixer, &details, MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR) return false;
      const DWORD span = control.Bounds.dwMaximum - control.Bounds.dwMinimum;
      if (span == 0) return false;
      percent = static_cast<int>(static_cast<double>(value.dwValue) / span * 100);
      return true;
    });
  }

  int SetVolumePercent(int percent) override {
    return Run(kVolumeControl, [&](HMIXEROBJ mixer, const MIXERCONTROLW& control) {
      MIXERCONTROLDETAILS_UNSIGNED value = {static_cast<DWORD>(percent * 0xFFFF / 100)};
      MIXERCONTROLDETAILS details = Details(control, value);
      return mixerSetControlDetails(mixer, &details, MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
    });
  }

  int GetMute(bool& on) override { return GetSwitch(kMuteControl, on); }
  int SetMute(bool on) override { return SetSwitch(kMuteControl, on); }
  int GetBoost(bool& on) override { return GetSwitch(kBoostControl, on); }
  int SetBoost(bool on) override { return SetSwitch(kBoostControl, on); }

private:
  template <typename Use>
  int Run(DWORD controlType, Use use) {
    bool found = false;
    bool done = WithMixerControl(description_, controlType, [&](HMIXEROBJ mixer, const MIXERCONTROLW& control) {
      found = true;
      return use(mixer, control);
    });
    if (!found) return kAudioNoEndpoint;
    if (!done) DebugPrint(L"***** mixer control 0x%08lX FAIL! *****\n", controlType);
    return done ? kAudioDone : kAudioCallFailed;
  }

  int GetSwitch(DWORD controlType, bool& on) {
    return Run(controlType, [&](HMIXEROBJ mixer, const MIXERCONTROLW& control) {
      MIXERCONTROLDETAILS_BOOLEAN value = {};
      MIXERCONTROLDETAILS details = Details(control, value);
      if (mixerGetControlDetailsW(mixer, &details, MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR) return false;
      on = value.fValue != 0;
      return true;
    });
  }

  int SetSwitch(DWORD controlType, bool on) {
    return Run(controlType, [&](HMIXEROBJ mixer, const MIXERCONTROLW& control) {
      MIXERCONTROLDETAILS_BOOLEAN value = {on ? 1L : 0L};
      MIXERCONTROLDETAILS details = Details(control, value);
      return mixerSetControlDetails(mixer, &details, MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
    });
  }

  std::wstring description_;
};

}  // namespace

std::unique_ptr<MicControls> MixerControlsByDescription(const std::wstring& description) {
  return std::make_unique<MixerMicControls>(description);
}

}  // namespace vorma
