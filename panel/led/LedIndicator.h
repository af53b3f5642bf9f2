#pragma once
// The LED indicator output: a plain on/off signal on GPIO 0 of the device, written with the GPIO
// output report of the HID interface and closed with the all-zero report.

#include "panel/device/DevicePorts.h"

#include <memory>

namespace vorma::led {

enum LedIndicatorResult : int {
  kLedIndicatorDone = 0,
  kLedIndicatorNoDevice = 1,
  kLedIndicatorReportFailed = 2,  // the GPIO write or read
  kLedIndicatorCloseFailed = 3,   // the closing report
};

// GPIO 0 := on (non-zero), the other nine 0. `device` is the freshly opened HID interface, none
// when it could not be opened; it is closed before the call returns.
int SendLedIndicator(std::unique_ptr<HidConnection> device, int on);

// Brings the device in line with the indicator state: a state of 0 writes all ten GPIO bits 0,
// any other state only reads the levels (they are not used further).
int SyncLedIndicator(std::unique_ptr<HidConnection> device, int state);

}  // namespace vorma::led
