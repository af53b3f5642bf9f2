#pragma once
// What each kind of device on the virtual bus is: the identity strings Windows would show for it,
// its report lengths, and the factory contents of its EEPROM and registers. All of it is data, so
// a new kind or a different factory image is a new table row.

#include "outside/virtual72xx/Virtual72xxTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

inline constexpr std::uint16_t kVendor72xx = 0x1E4B;
inline constexpr std::uint16_t kDefaultProduct72xx = 0x7201;
inline constexpr size_t kEepromSize = 512;  // I2C 0x50: bytes 0-255, 0x51: bytes 256-511
inline constexpr size_t kRegisterCount = 0x10000;
inline constexpr int kGpioCount = 10;

// The identity of one plugged device, with every string formatted for its IDs and bus number.
struct DeviceIdentity {
  std::string kind;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t versionNumber = 0x0100;
  bool is72xx = false;  // answers the SDK, the filter driver and has a capture endpoint
  std::vector<std::vector<std::wstring>> nodes;  // hardware IDs of each device node, in order
  std::wstring firstHardwareId;                  // the function node the panel looks for
  std::wstring audioPath, audioBroadcast;        // empty: no audio interface
  std::wstring hidPath, hidBroadcast;            // empty: no HID interface
  std::wstring filterControlName;
  std::wstring captureDescription, captureFriendlyName, captureInterfacePath;
  std::uint16_t inputReportLength = 0;
  std::uint16_t outputReportLength = 0;
};

// The identity of a device of `kind` with `productId` (0: the kind's own) as bus device `number`;
// nothing for an unknown kind.
std::optional<DeviceIdentity> MakeIdentity(const std::string& kind, std::uint16_t productId, DeviceNumber number);

// The names MakeIdentity knows, for usage texts.
std::vector<std::string> DeviceKinds();

std::array<std::uint8_t, kEepromSize> FactoryEepromImage();

struct RegisterValue {
  std::uint16_t address;
  std::uint8_t value;
};
// Registers that power up non-zero; every other register powers up 0.
const std::vector<RegisterValue>& FactoryRegisters();

}  // namespace vorma::virtual72xx
