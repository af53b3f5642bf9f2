// Core Audio and DirectSound: the capture description, the capture endpoint and its volume, mute
// and boost. Each endpoint object keeps its own COM initialisation, so its interfaces stay valid
// for as long as the caller holds it, on whatever thread initialised COM before.

#include "panel/device/audio/Win32AudioEndpoints.h"

#include "foundation/ComOwners.h"
#include "foundation/DebugOutput.h"

#include <windows.h>
#include <mmsystem.h>
#include <devicetopology.h>
#include <dsound.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propidl.h>

#include <vector>

namespace vorma {
namespace {

constexpr GUID kClsidMMDeviceEnumerator = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr GUID kIidMMDeviceEnumerator = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr GUID kIidAudioEndpointVolume = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};
constexpr GUID kIidDeviceTopology = {0x2A07407E, 0x6497, 0x4A18, {0x97, 0x87, 0x32, 0xF7, 0x9B, 0xD0, 0xD9, 0x8F}};
constexpr GUID kIidPart = {0xAE2DE0E4, 0x5BCA, 0x4F2D, {0xAA, 0x46, 0x5D, 0x13, 0xF8, 0xFD, 0xB3, 0xA9}};
constexpr GUID kIidAudioAutoGainControl = {0x85401FD4, 0x6DE4, 0x4B9D, {0x98, 0x69, 0x2D, 0x67, 0x53, 0xA8, 0x2F, 0x3C}};
constexpr PROPERTYKEY kFriendlyNameKey = {{0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};
// The DirectSound GUID of an endpoint, and the device-interface path of the device behind it (the
// value the listen setting is keyed on in the endpoint's registry properties).
constexpr PROPERTYKEY kDirectSoundGuidKey = {{0x1DA5D803, 0xD492, 0x4EDD, {0x8C, 0x23, 0xE0, 0xC0, 0xFF, 0xEE, 0x7F, 0x0E}}, 4};
constexpr PROPERTYKEY kDevicePathKey = {{0x233164C8, 0x1B2C, 0x4C7D, {0xBC, 0x68, 0xB6, 0x71, 0x68, 0x7A, 0x25, 0x67}}, 1};

// The automatic gain control as the system implements it. MinGW's declaration of this interface
// has the wrong methods (its third slot takes a BOOL, its fourth is a GetMute), so it is declared
// here with the system's vtable: GetEnabled, then SetEnabled.
struct AutoGainControl : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enable, LPCGUID eventContext) = 0;
};

// Owns a PROPVARIANT's contents.
class PropVariant {
public:
  PropVariant() { PropVariantInit(&value_); }
  ~PropVariant() { PropVariantClear(&value_); }
  PropVariant(const PropVariant&) = delete;
  PropVariant& operator=(const PropVariant&) = delete;
  PROPVARIANT* get() { return &value_; }
  std::wstring Text() const { return value_.vt == VT_LPWSTR && value_.pwszVal ? value_.pwszVal : L""; }

private:
  PROPVARIANT value_;
};

// Frees a text COM allocated.
struct CoTaskText {
  wchar_t* text = nullptr;
  ~CoTaskText() { CoTaskMemFree(text); }
};

bool ReadTextProperty(IMMDevice& device, const PROPERTYKEY& key, std::wstring& text) {
  ComPtr<IPropertyStore> store;
  if (FAILED(device.OpenPropertyStore(STGM_READ, store.put()))) return false;
  PropVariant value;
  if (FAILED(store->GetValue(key, value.get()))) return false;
  text = value.Text();
  return true;
}

ComPtr<IMMDeviceEnumerator> CreateEnumerator() {
  ComPtr<IMMDeviceEnumerator> enumerator;
  HRESULT hr = CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_ALL, kIidMMDeviceEnumerator,
                                enumerator.put_void());
  if (FAILED(hr)) DebugPrint(L"***** CoCreateInstance MMDeviceEnumerator FAIL! hr = 0x%08lX *****\n", hr);
  return enumerator;
}

// Hands each active capture endpoint to `visit` in enumeration order until it returns true.
// False when a call of the enumeration failed.
template <typename Visit>
bool ForEachCaptureEndpoint(IMMDeviceEnumerator& enumerator, Visit visit) {
  ComPtr<IMMDeviceCollection> collection;
  if (FAILED(enumerator.EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, collection.put()))) return false;
  UINT count = 0;
  if (FAILED(collection->GetCount(&count))) return false;
  for (UINT i = 0; i < count; ++i) {
    ComPtr<IMMDevice> device;
    if (FAILED(collection->Item(i, device.put()))) return false;
    if (visit(device)) return true;
  }
  return true;
}

class CoreAudioEndpoint final : public MicControls {
public:
  CoreAudioEndpoint(std::unique_ptr<ComSession> session, ComPtr<IMMDevice> device)
      : session_(std::move(session)), device_(std::move(device)) {}

  int GetVolumePercent(int& percent) override {
    ComSession com;
    ComPtr<IAudioEndpointVolume> volume;
    if (!Activate(kIidAudioEndpointVolume, volume.put_void())) return kAudioNoEndpoint;
    UINT step = 0, count = 0;
    HRESULT hr = volume->GetVolumeStepInfo(&step, &count);
    if (FAILED(hr) || count < 2) return Failed(L"GetVolumeStepInfo", hr);
    percent = static_cast<int>(step * 100 / (count - 1));
    return kAudioDone;
  }

  int SetVolumePercent(int percent) override {
    ComSession com;
    ComPtr<IAudioEndpointVolume> volume;
    if (!Activate(kIidAudioEndpointVolume, volume.put_void())) return kAudioNoEndpoint;
    HRESULT hr = volume->SetMasterVolumeLevelScalar(static_cast<float>(percent * 0.01), nullptr);
    return FAILED(hr) ? Failed(L"SetMasterVolumeLevelScalar", hr) : kAudioDone;
  }

  int GetMute(bool& on) override {
    ComSession com;
    ComPtr<IAudioEndpointVolume> volume;
    if (!Activate(kIidAudioEndpointVolume, volume.put_void())) return kAudioNoEndpoint;
    BOOL mute = FALSE;
    HRESULT hr = volume->GetMute(&mute);
    if (FAILED(hr)) return Failed(L"GetMute", hr);
    on = mute != FALSE;
    return kAudioDone;
  }

  int SetMute(bool on) override {
    ComSession com;
    ComPtr<IAudioEndpointVolume> volume;
    if (!Activate(kIidAudioEndpointVolume, volume.put_void())) return kAudioNoEndpoint;
    HRESULT hr = E_FAIL;
    for (int attempt = 0; attempt < 3 && FAILED(hr); ++attempt) hr = volume->SetMute(on ? TRUE : FALSE, nullptr);
    return FAILED(hr) ? Failed(L"SetMute", hr) : kAudioDone;
  }

  int GetBoost(bool& on) override {
    BOOL enabled = FALSE;
    int result = WithGainControl([&](AutoGainControl& agc) { return agc.GetEnabled(&enabled); });
    if (result == kAudioDone) on = enabled != FALSE;
    return result;
  }

  int SetBoost(bool on) override {
    return WithGainControl([&](AutoGainControl& agc) { return agc.SetEnabled(on ? TRUE : FALSE, nullptr); });
  }

private:
  bool Activate(const GUID& iid, void** out) {
    HRESULT hr = device_->Activate(iid, CLSCTX_ALL, nullptr, out);
    if (FAILED(hr)) DebugPrint(L"***** IMMDevice::Activate FAIL! hr = 0x%08lX *****\n", hr);
    return SUCCEEDED(hr);
  }

  static int Failed(const wchar_t* call, HRESULT hr) {
    DebugPrint(L"***** %ls FAIL! hr = 0x%08lX *****\n", call, hr);
    return kAudioCallFailed;
  }

  // Endpoint -> its connector 0 -> the device on the other side -> the first subunit of that
  // device's topology that has an automatic gain control.
  template <typename Call>
  int WithGainControl(Call call) {
    ComSession com;
    ComPtr<IDeviceTopology> topology;
    if (!Activate(kIidDeviceTopology, topology.put_void())) return kBoostNoTopology;
    ComPtr<IConnector> connector;
    if (FAILED(topology->GetConnector(0, connector.put()))) return kBoostNoConnector;
    CoTaskText connectedId;
    if (FAILED(connector->GetDeviceIdConnectedTo(&connectedId.text))) return kBoostNoConnectedId;
    ComPtr<IMMDeviceEnumerator> enumerator = CreateEnumerator();
    if (!enumerator) return kBoostNoEnumerator;
    ComPtr<IMMDevice> connected;
    if (FAILED(enumerator->GetDevice(connectedId.text, connected.put()))) return kBoostNoConnectedDevice;
    ComPtr<IDeviceTopology> connectedTopology;
    if (FAILED(connected->Activate(kIidDeviceTopology, CLSCTX_ALL, nullptr, connectedTopology.put_void())))
      return kBoostNoConnectedTopology;
    UINT count = 0;
    if (FAILED(connectedTopology->GetSubunitCount(&count))) return kBoostNoSubunits;
    for (UINT i = 0; i < count; ++i) {
      ComPtr<ISubUnit> subunit;
      if (FAILED(connectedTopology->GetSubunit(i, subunit.put()))) return kBoostNoSubunits;
      ComPtr<IPart> part;
      if (FAILED(subunit->QueryInterface(kIidPart, part.put_void()))) continue;
      ComPtr<AutoGainControl> agc;
      if (FAILED(part->Activate(CLSCTX_ALL, kIidAudioAutoGainControl, agc.put_void()))) continue;
      HRESULT hr = call(*agc.get());
      return FAILED(hr) ? int{kBoostCallFailed} : int{kAudioDone};
    }
    return kBoostNoGainControl;
  }

  std::unique_ptr<ComSession> session_;  // released after the device (declared first)
  ComPtr<IMMDevice> device_;
};

struct CaptureDevice {
  GUID guid;
  std::wstring description;
};

BOOL CALLBACK CollectCaptureDevice(GUID* guid, const wchar_t* description, const wchar_t*, void* context) {
  // The first entry is the primary capture driver, which has no GUID of its own.
  if (guid && description) static_cast<std::vector<CaptureDevice>*>(context)->push_back({*guid, description});
  return TRUE;  // the enumeration always continues
}

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

class Win32AudioEndpointPort final : public AudioEndpointPort {
public:
  std::wstring FindCaptureDescription(std::uint16_t vendorId, std::uint16_t productId) override {
    ComSession com;
    std::vector<CaptureDevice> captureDevices;
    HRESULT hr = DirectSoundCaptureEnumerateW(CollectCaptureDevice, &captureDevices);
    if (FAILED(hr)) {
      DebugPrint(L"***** DirectSoundCaptureEnumerateW FAIL! hr = 0x%08lX *****\n", hr);
      return {};
    }
    // DirectSound does not say which interface a capture device belongs to; the endpoint with the
    // same DirectSound GUID carries the device's interface path.
    std::vector<std::pair<std::wstring, std::wstring>> endpointPaths;  // DirectSound GUID, path
    if (ComPtr<IMMDeviceEnumerator> enumerator = CreateEnumerator()) {
      ForEachCaptureEndpoint(*enumerator.get(), [&](ComPtr<IMMDevice>& device) {
        std::wstring guid, path;
        if (ReadTextProperty(*device.get(), kDirectSoundGuidKey, guid) && ReadTextProperty(*device.get(), kDevicePathKey, path))
          endpointPaths.emplace_back(guid, path);
        return false;
      });
    }
    std::wstring description;
    for (const CaptureDevice& capture : captureDevices) {
      const std::wstring guid = GuidText(capture.guid);
      for (const auto& [endpointGuid, path] : endpointPaths)
        if (_wcsicmp(endpointGuid.c_str(), guid.c_str()) == 0 && PathBelongsToDevice(path, vendorId, productId))
          description = capture.description.substr(0, 260);  // the last match wins
    }
    return description;
  }

  std::unique_ptr<MicControls> FindCaptureEndpoint(std::uint16_t vendorId, std::uint16_t productId) override {
    return FindCaptureEndpointByDescription(FindCaptureDescription(vendorId, productId));
  }

  std::unique_ptr<MicControls> MixerControls(std::uint16_t vendorId, std::uint16_t productId) override {
    return MixerControlsByDescription(FindCaptureDescription(vendorId, productId));
  }
};

}  // namespace

std::unique_ptr<MicControls> FindCaptureEndpointByDescription(const std::wstring& description) {
  if (description.empty()) return nullptr;
  auto session = std::make_unique<ComSession>();
  ComPtr<IMMDeviceEnumerator> enumerator = CreateEnumerator();
  if (!enumerator) return nullptr;
  ComPtr<IMMDevice> found;
  bool failed = false;
  bool complete = ForEachCaptureEndpoint(*enumerator.get(), [&](ComPtr<IMMDevice>& device) {
    std::wstring name;
    if (!ReadTextProperty(*device.get(), kFriendlyNameKey, name)) return failed = true;
    if (name.find(description) == std::wstring::npos) return false;
    found = std::move(device);
    return true;
  });
  if (!complete || failed || !found) return nullptr;
  enumerator.reset();
  return std::make_unique<CoreAudioEndpoint>(std::move(session), std::move(found));
}

std::unique_ptr<AudioEndpointPort> CreateWin32AudioEndpointPort() { return std::make_unique<Win32AudioEndpointPort>(); }

}  // namespace vorma
