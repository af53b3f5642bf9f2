#pragma once
// The one place that chooses between the Win32 ports and those over the virtual 72xx device: the
// virtual set only when the environment variable VORMA_DEVICE is "virtual" (the device is then
// reached over the pipe named by VORMA_VIRTUAL72XX_PIPE, or the default pipe); any other value, or
// none, gives the Win32 set. The choice is never made silently: without the variable the panel
// talks to real hardware and real Windows audio.

#include "panel/device/DevicePorts.h"
#include "panel/device/audio/AudioEndpoints.h"

#include <memory>

namespace vorma {

DevicePorts CreateDevicePorts();
std::unique_ptr<AudioEndpointPort> CreateAudioEndpointPort();

}  // namespace vorma
