#include "panel/device/virtual/PortSelection.h"

#include "panel/device/virtual/VirtualAudioEndpoints.h"
#include "panel/device/virtual/VirtualDevicePorts.h"

namespace vorma {

DevicePorts CreateDevicePorts() {
  if (VirtualDeviceSelected()) return CreateVirtualDevicePorts(virtual72xx::Virtual72xxClient::FromEnvironment());
  return CreateWin32DevicePorts();
}

std::unique_ptr<AudioEndpointPort> CreateAudioEndpointPort() {
  if (VirtualDeviceSelected()) return CreateVirtualAudioEndpointPort(virtual72xx::Virtual72xxClient::FromEnvironment());
  return CreateWin32AudioEndpointPort();
}

}  // namespace vorma
