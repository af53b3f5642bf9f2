#pragma once
// The pass over the audio devices before the control-device test: a device whose first hardware
// ID matches one of the patterns loses "Xafilt" from its lower filters, and the present matching
// devices are restarted. The installation passes an empty list, so the pass changes nothing; it
// stays for a delivery that names the devices whose filter must go.

#include "foundation/DeviceIdManager.h"

namespace vorma::setup {

// The patterns have the length of "USB\VID_1E4B&PID_72XX&REV_0100&MI_00"; "X" matches any
// character. Returns the number of devices whose filter list was changed.
int RemoveFilterFromDevices(const CDeviceIdMgr& patterns);

}  // namespace vorma::setup
