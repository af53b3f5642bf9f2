#pragma once
// Windows audio's view of the device's microphone: its capture description, its Core Audio
// endpoint (volume, mute, boost) and, on systems before Vista, the same controls through the
// multimedia mixer. Used behind a port like the other device channels: the Win32 implementation
// makes the DirectSound, MMDevice, endpoint-volume, device-topology and mixer calls; the virtual
// one answers from the virtual 72xx device's capture endpoint (panel/device/virtual/, where
// CreateAudioEndpointPort() chooses between them).
//
// Nothing here keeps state between calls: an endpoint object lives for one operation of its
// caller and is released afterwards.

#include <cstdint>
#include <memory>
#include <string>

namespace vorma {

enum AudioResult : int {
  kAudioDone = 0,
  kAudioNoEndpoint = 1,  // no endpoint (or no mixer control) for the device: every call's first failure
  kAudioCallFailed = 2,  // the endpoint was there, the call failed (Core Audio boost: 2-10 by step)
};

// Boost through the device topology fails with the step that failed.
enum BoostResult : int {
  kBoostNoTopology = 2,          // IDeviceTopology on the endpoint
  kBoostNoConnector = 3,         // connector 0
  kBoostNoConnectedId = 4,       // the ID of the device it is connected to
  kBoostNoEnumerator = 5,
  kBoostNoConnectedDevice = 6,
  kBoostNoConnectedTopology = 7,
  kBoostNoSubunits = 8,          // subunit count or a subunit
  kBoostNoGainControl = 9,       // no subunit has an automatic gain control
  kBoostCallFailed = 10,         // GetEnabled / SetEnabled
};

// The microphone controls of one capture device, in percent (0-100) and on/off.
class MicControls {
public:
  virtual ~MicControls() = default;
  virtual int GetVolumePercent(int& percent) = 0;
  virtual int SetVolumePercent(int percent) = 0;
  virtual int GetMute(bool& on) = 0;
  // Core Audio tries up to three times and fails when the third attempt fails.
  virtual int SetMute(bool on) = 0;
  virtual int GetBoost(bool& on) = 0;
  virtual int SetBoost(bool on) = 0;
};

class AudioEndpointPort {
public:
  virtual ~AudioEndpointPort() = default;
  // The description of the device's capture device, the last match of the enumeration order;
  // empty when none belongs to the device.
  virtual std::wstring FindCaptureDescription(std::uint16_t vendorId, std::uint16_t productId) = 0;
  // The first active capture endpoint whose friendly name contains that description; none when
  // there is no description, no such endpoint, or a call of the search fails.
  virtual std::unique_ptr<MicControls> FindCaptureEndpoint(std::uint16_t vendorId, std::uint16_t productId) = 0;
  // The mixer path: every call looks the mixer control up again. Never none; its calls fail with
  // kAudioNoEndpoint when the device has no such control.
  virtual std::unique_ptr<MicControls> MixerControls(std::uint16_t vendorId, std::uint16_t productId) = 0;
};

// "\\?\USB#VID_%04X&PID_%04X": the start of the device's interface paths.
std::wstring CaptureDevicePrefix(std::uint16_t vendorId, std::uint16_t productId);
// True when `path` holds the device prefix, compared without regard to case.
bool PathBelongsToDevice(const std::wstring& path, std::uint16_t vendorId, std::uint16_t productId);

// The port the environment selects (see the top of this file).
std::unique_ptr<AudioEndpointPort> CreateWin32AudioEndpointPort();

}  // namespace vorma
