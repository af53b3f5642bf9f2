#pragma once
// Register and GPIO access over the device's HID interface. Every report is as long as the
// interface's report length: report ID 0 in byte 0, four command bytes, zeros after them.
//
//   register address   0x60, address low, address high, 0x10
//   register data      0x60, value, 0x01, 0x20
//   end of writes      all zero
//   GPIO write         0x60, GPIO 0-7 (bit i = GPIO i), 0xFF, GPIO 8-9 in bits 0-1 | 0x3C
//   GPIO read request  0x60, 0, 0, 0x30
//
// The input report answers with a register value in byte 2, or the GPIO levels in byte 2 (GPIO 0-7)
// and byte 3 (GPIO 8-9). A transaction opens the interface, sends its reports, ends with the
// end-of-writes report and closes the interface again.

#include "panel/device/DevicePorts.h"

#include <array>
#include <cstdint>

namespace vorma {

inline constexpr size_t kGpioCount = 10;
using GpioLevels = std::array<std::uint8_t, kGpioCount>;  // one 0/1 byte per GPIO 0-9

// The report lengths of the interface, 0 when they cannot be read.
std::uint16_t GetInputReportLength(HidConnection& device);
std::uint16_t GetOutputReportLength(HidConnection& device);

enum WriteDeviceRegisterResult : int {
  kRegisterWriteDone = 0,
  kRegisterWriteNoOutputLength = 1,
  kRegisterWriteAddressFailed = 2,
  kRegisterWriteDataFailed = 3,
};
int WriteDeviceRegister(HidConnection& device, std::uint16_t address, std::uint8_t value);

enum ReadDeviceRegisterResult : int {
  kRegisterReadDone = 0,
  kRegisterReadNoOutputLength = 1,
  kRegisterReadAddressFailed = 2,
  kRegisterReadNoInputLength = 3,
  kRegisterReadInputFailed = 4,
};
// `value` is written only on success.
int ReadDeviceRegister(HidConnection& device, std::uint16_t address, std::uint8_t& value);

enum EndRegisterWritesResult : int {
  kEndWritesDone = 0,
  kEndWritesNoOutputLength = 1,
  kEndWritesFailed = 2,
};
int EndRegisterWrites(HidConnection& device);

enum WriteGpioBitsResult : int {
  kGpioWriteDone = 0,
  kGpioWriteNoLength = 1,
  kGpioWriteLengthTooShort = 2,  // an output report of 4 bytes or less cannot carry GPIO 8-9
  kGpioWriteFailed = 3,
};
int WriteGpioBits(HidConnection& device, const GpioLevels& levels);

enum ReadGpioBitsResult : int {
  kGpioReadDone = 0,
  kGpioReadNoOutputLength = 1,
  kGpioReadOutputTooShort = 2,
  kGpioReadRequestFailed = 3,
  kGpioReadNoInputLength = 4,
  kGpioReadInputTooShort = 5,
  kGpioReadInputFailed = 6,
};
// `levels` is written only on success.
int ReadGpioBits(HidConnection& device, GpioLevels& levels);

}  // namespace vorma
