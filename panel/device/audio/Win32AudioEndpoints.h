#pragma once
// The Win32 audio endpoint port's steps that work without a USB device: the endpoint and the
// mixer controls of a capture device found by its description alone. The panel goes through
// AudioEndpointPort; tests use these to run the Win32 calls against the sound server's endpoints.

#include "panel/device/audio/AudioEndpoints.h"

namespace vorma {

// The first active capture endpoint whose friendly name contains `description`; none when the
// description is empty or a call fails.
std::unique_ptr<MicControls> FindCaptureEndpointByDescription(const std::wstring& description);
// The mixer controls of the wave-in line whose target product name matches `description`.
std::unique_ptr<MicControls> MixerControlsByDescription(const std::wstring& description);

}  // namespace vorma
