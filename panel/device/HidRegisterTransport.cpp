#include "panel/device/HidRegisterTransport.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vorma {
namespace {

constexpr std::uint8_t kRegisterCommand = 0x60;
constexpr size_t kCommandReportMinimum = 5;  // report ID and four command bytes

using Report = std::vector<std::uint8_t>;

// A report of the given length carrying the four command bytes after report ID 0; none when the
// length is too short to hold them (writing them anyway would run past the buffer).
std::optional<Report> CommandReport(std::uint16_t length, std::array<std::uint8_t, 4> command) {
  if (length < kCommandReportMinimum) return std::nullopt;
  Report report(length, 0);
  std::copy(command.begin(), command.end(), report.begin() + 1);
  return report;
}

bool SendCommand(HidConnection& device, std::uint16_t length, std::array<std::uint8_t, 4> command) {
  std::optional<Report> report = CommandReport(length, command);
  return report && device.SetOutputReport(*report);
}

// Reads an input report of the given length (report ID 0 in byte 0); none on failure.
std::optional<Report> ReadInput(HidConnection& device, std::uint16_t length) {
  Report report(length, 0);
  if (!device.GetInputReport(report)) return std::nullopt;
  return report;
}

std::array<std::uint8_t, 4> AddressCommand(std::uint16_t address) {
  return {kRegisterCommand, static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(address >> 8), 0x10};
}

}  // namespace

std::uint16_t GetInputReportLength(HidConnection& device) {
  HidReportSizes sizes;
  return device.GetReportSizes(sizes) ? sizes.input : 0;
}

std::uint16_t GetOutputReportLength(HidConnection& device) {
  HidReportSizes sizes;
  return device.GetReportSizes(sizes) ? sizes.output : 0;
}

int WriteDeviceRegister(HidConnection& device, std::uint16_t address, std::uint8_t value) {
  const std::uint16_t length = GetOutputReportLength(device);
  if (length == 0) return kRegisterWriteNoOutputLength;
  if (!SendCommand(device, length, AddressCommand(address))) return kRegisterWriteAddressFailed;
  if (!SendCommand(device, length, {kRegisterCommand, value, 0x01, 0x20})) return kRegisterWriteDataFailed;
  return kRegisterWriteDone;
}

int ReadDeviceRegister(HidConnection& device, std::uint16_t address, std::uint8_t& value) {
  const std::uint16_t outputLength = GetOutputReportLength(device);
  if (outputLength == 0) return kRegisterReadNoOutputLength;
  if (!SendCommand(device, outputLength, AddressCommand(address))) return kRegisterReadAddressFailed;
  const std::uint16_t inputLength = GetInputReportLength(device);
  if (inputLength == 0) return kRegisterReadNoInputLength;
  // The value sits in byte 2; a shorter input report cannot hold it.
  if (inputLength < 3) return kRegisterReadInputFailed;
  std::optional<Report> answer = ReadInput(device, inputLength);
  if (!answer) return kRegisterReadInputFailed;
  value = (*answer)[2];
  return kRegisterReadDone;
}

int EndRegisterWrites(HidConnection& device) {
  const std::uint16_t length = GetOutputReportLength(device);
  if (length == 0) return kEndWritesNoOutputLength;
  const Report report(length, 0);
  return device.SetOutputReport(report) ? kEndWritesDone : kEndWritesFailed;
}

int WriteGpioBits(HidConnection& device, const GpioLevels& levels) {
  const std::uint16_t length = GetOutputReportLength(device);
  if (length == 0) return kGpioWriteNoLength;
  if (length <= 4) return kGpioWriteLengthTooShort;
  std::uint8_t low = 0;
  for (size_t i = 0; i < 8; ++i)
    if (levels[i]) low |= static_cast<std::uint8_t>(1u << i);
  std::uint8_t high = 0x3C;
  for (size_t i = 8; i < kGpioCount; ++i)
    if (levels[i]) high |= static_cast<std::uint8_t>(1u << (i - 8));
  return SendCommand(device, length, {kRegisterCommand, low, 0xFF, high}) ? kGpioWriteDone : kGpioWriteFailed;
}

int ReadGpioBits(HidConnection& device, GpioLevels& levels) {
  const std::uint16_t outputLength = GetOutputReportLength(device);
  if (outputLength == 0) return kGpioReadNoOutputLength;
  if (outputLength <= 4) return kGpioReadOutputTooShort;
  if (!SendCommand(device, outputLength, {kRegisterCommand, 0, 0, 0x30})) return kGpioReadRequestFailed;
  const std::uint16_t inputLength = GetInputReportLength(device);
  if (inputLength == 0) return kGpioReadNoInputLength;
  if (inputLength <= 4) return kGpioReadInputTooShort;
  std::optional<Report> answer = ReadInput(device, inputLength);
  if (!answer) return kGpioReadInputFailed;
  for (size_t i = 0; i < 8; ++i) levels[i] = ((*answer)[2] >> i) & 1;
  for (size_t i = 8; i < kGpioCount; ++i) levels[i] = ((*answer)[3] >> (i - 8)) & 1;
  return kGpioReadDone;
}

}  // namespace vorma
