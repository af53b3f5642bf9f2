#pragma once
// The device ports over the virtual 72xx device: the same operations as the Win32 ports, answered
// by the virtual bus, with its Win32 error codes left in GetLastError. Notifications come from a
// thread that waits for the bus's device events and sends the window WM_DEVICECHANGE with a real
// DEV_BROADCAST_DEVICEINTERFACE_W, as the system does.

#include "outside/virtual72xx/Virtual72xxClient.h"
#include "panel/device/DevicePorts.h"

namespace vorma {

DevicePorts CreateVirtualDevicePorts(const virtual72xx::Virtual72xxClient& client);

std::unique_ptr<DeviceNotificationPort> CreateVirtualDeviceNotifications(const virtual72xx::Virtual72xxClient& client);

}  // namespace vorma
