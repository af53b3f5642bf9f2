#pragma once
// The panel's 2048-byte image of the device's configuration: erased (0xFF) except the first 256
// bytes, which hold the factory table, and the four equaliser preset slots at 0x100, 0x110, 0x120
// and 0x130. It is never sent to the device as a whole; it stores the four presets and the 3D
// bytes (0xA1: stored 3D enable in bit 7, FBM in bit 6; 0xE7 and 0xE8: left and right alpha in
// bits 4-7, beta in bits 0-3). The main window owns one and hands it to the equaliser and 3D pages.

#include "panel/features/equalizer/EqPresetRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vorma::features {

inline constexpr std::size_t kDeviceConfigImageSize = 2048;
inline constexpr std::size_t kDeviceConfigFactorySize = 256;
inline constexpr std::size_t kEqSlotsOffset = 0x100;
inline constexpr std::size_t k3DFlagsOffset = 0xA1;
inline constexpr std::size_t k3DLeftOffset = 0xE7;
inline constexpr std::size_t k3DRightOffset = 0xE8;

// The factory table: the device's defaults that the panel relies on, erased elsewhere.
const std::array<std::uint8_t, kDeviceConfigFactorySize>& DeviceConfigFactoryTable();

class DeviceConfigImage {
public:
  DeviceConfigImage() { LoadFactoryTable(); }

  // Erases the image and writes the factory table over its first 256 bytes.
  void LoadFactoryTable();

  std::uint8_t Byte(std::size_t offset) const { return bytes_.at(offset); }
  void SetByte(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }

  // Preset slot 0..3 (S1..S4). False, and nothing read or written, for another slot number.
  bool StoreEqSlot(int slot, const EqSlotBytes& packed);
  bool ReadEqSlot(int slot, EqSlotBytes& packed) const;

  std::span<const std::uint8_t, kDeviceConfigImageSize> Bytes() const { return bytes_; }

private:
  std::array<std::uint8_t, kDeviceConfigImageSize> bytes_{};
};

}  // namespace vorma::features
