#pragma once
// The audio endpoint port over the virtual 72xx device: each plugged 72xx device has one capture
// device whose description, friendly name and interface path the bus lists, and a capture
// endpoint with volume, mute and boost. The mixer path reaches the same endpoint.

#include "outside/virtual72xx/Virtual72xxClient.h"
#include "panel/device/audio/AudioEndpoints.h"

namespace vorma {

std::unique_ptr<AudioEndpointPort> CreateVirtualAudioEndpointPort(const virtual72xx::Virtual72xxClient& client);

}  // namespace vorma
