#pragma once
// What the stand-in library keeps for its process: the connection to the virtual 72xx server and
// the device DLLQZ_SetActive_Device made current. Both are process-wide by nature, like the vendor
// library's own state: every caller in the process shares one current device.

#include "outside/virtual72xx/Virtual72xxClient.h"

namespace vorma::sdk {

struct SdkTarget {
  virtual72xx::Virtual72xxClient client;
  virtual72xx::DeviceNumber device = 0;  // 0: none selected, which the server answers with "no device"
};

// A client of the server that VORMA_VIRTUAL72XX_PIPE names now, and the current device. When the
// variable names another pipe than at the previous call, the connection is made anew and the
// current device is forgotten, since device numbers belong to one server.
SdkTarget CurrentTarget();

// Makes `device` (of the server CurrentTarget() talks to) the current device.
void SelectDevice(virtual72xx::DeviceNumber device);

}  // namespace vorma::sdk
