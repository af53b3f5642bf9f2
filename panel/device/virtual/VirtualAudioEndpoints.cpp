#include "panel/device/virtual/VirtualAudioEndpoints.h"

#include <vector>

namespace vorma {
namespace {

using virtual72xx::CaptureState;
using virtual72xx::DeviceNumber;
using virtual72xx::kOk;
using virtual72xx::Virtual72xxClient;

int Outcome(unsigned long error) { return error == kOk ? kAudioDone : kAudioCallFailed; }

class VirtualCaptureEndpoint final : public MicControls {
public:
  VirtualCaptureEndpoint(Virtual72xxClient client, DeviceNumber device) : client_(std::move(client)), device_(device) {}

  int GetVolumePercent(int& percent) override {
    CaptureState state;
    if (client_.CaptureGet(device_, state) != kOk) return kAudioCallFailed;
    percent = state.volumePercent;
    return kAudioDone;
  }
  int SetVolumePercent(int percent) override { return Outcome(client_.CaptureSetVolume(device_, percent)); }
  int GetMute(bool& on) override {
    CaptureState state;
    if (client_.CaptureGet(device_, state) != kOk) return kAudioCallFailed;
    on = state.mute;
    return kAudioDone;
  }
  int SetMute(bool on) override {
    for (int attempt = 0; attempt < 3; ++attempt)
      if (client_.CaptureSetMute(device_, on) == kOk) return kAudioDone;
    return kAudioCallFailed;
  }
  int GetBoost(bool& on) override {
    CaptureState state;
    if (client_.CaptureGet(device_, state) != kOk) return int{kBoostCallFailed};
    on = state.boost;
    return kAudioDone;
  }
  int SetBoost(bool on) override {
    return client_.CaptureSetBoost(device_, on) == kOk ? int{kAudioDone} : int{kBoostCallFailed};
  }

private:
  Virtual72xxClient client_;
  DeviceNumber device_;
};

// The mixer path looks its control up for every call, as the Win32 mixer does.
class VirtualMixerControls final : public MicControls {
public:
  VirtualMixerControls(AudioEndpointPort& port, std::uint16_t vendorId, std::uint16_t productId)
      : port_(port), vendorId_(vendorId), productId_(productId) {}

  int GetVolumePercent(int& percent) override { return With([&](MicControls& c) { return c.GetVolumePercent(percent); }); }
  int SetVolumePercent(int percent) override { return With([&](MicControls& c) { return c.SetVolumePercent(percent); }); }
  int GetMute(bool& on) override { return With([&](MicControls& c) { return c.GetMute(on); }); }
  int SetMute(bool on) override { return With([&](MicControls& c) { return c.SetMute(on); }); }
  int GetBoost(bool& on) override { return With([&](MicControls& c) { return c.GetBoost(on); }); }
  int SetBoost(bool on) override { return With([&](MicControls& c) { return c.SetBoost(on); }); }

private:
  template <typename Call>
  int With(Call call) {
    std::unique_ptr<MicControls> endpoint = port_.FindCaptureEndpoint(vendorId_, productId_);
    if (!endpoint) return kAudioNoEndpoint;
    return call(*endpoint) == kAudioDone ? kAudioDone : kAudioCallFailed;
  }

  AudioEndpointPort& port_;
  std::uint16_t vendorId_;
  std::uint16_t productId_;
};

class VirtualAudioEndpointPort final : public AudioEndpointPort {
public:
  explicit VirtualAudioEndpointPort(Virtual72xxClient client) : client_(std::move(client)) {}

  std::wstring FindCaptureDescription(std::uint16_t vendorId, std::uint16_t productId) override {
    std::vector<virtual72xx::DeviceSummary> devices;
    if (client_.ListDevices(devices) != kOk) return {};
    std::wstring description;
    for (const auto& device : devices)  // the last match wins
      if (!device.captureDescription.empty() && PathBelongsToDevice(device.captureInterfacePath, vendorId, productId))
        description = device.captureDescription;
    return description;
  }

  std::unique_ptr<MicControls> FindCaptureEndpoint(std::uint16_t vendorId, std::uint16_t productId) override {
    const std::wstring description = FindCaptureDescription(vendorId, productId);
    if (description.empty()) return nullptr;
    std::vector<virtual72xx::DeviceSummary> devices;
    if (client_.ListDevices(devices) != kOk) return nullptr;
    for (const auto& device : devices)
      if (!device.captureFriendlyName.empty() && device.captureFriendlyName.find(description) != std::wstring::npos)
        return std::make_unique<VirtualCaptureEndpoint>(client_, device.device);
    return nullptr;
  }

  std::unique_ptr<MicControls> MixerControls(std::uint16_t vendorId, std::uint16_t productId) override {
    return std::make_unique<VirtualMixerControls>(*this, vendorId, productId);
  }

private:
  Virtual72xxClient client_;
};

}  // namespace

std::unique_ptr<AudioEndpointPort> CreateVirtualAudioEndpointPort(const Virtual72xxClient& client) {
  return std::make_unique<VirtualAudioEndpointPort>(client);
}

}  // namespace vorma
