#pragma once
// The equaliser's device registers, written over an open HID interface: 0x100 is the feature
// control register (bit 2 = equaliser on); band b has its code bits 0-7 in 0x120 + 2b and bits
// 8-11 in the register after it. Register 0x129 also carries the stored flags: D in bit 4, B in
// bit 5, C in bit 6 and A in bit 7.

#include "panel/device/DevicePorts.h"
#include "panel/features/equalizer/EqPresetRecord.h"

#include <cstdint>

namespace vorma::features {

inline constexpr std::uint16_t kFeatureControlRegister = 0x100;
inline constexpr std::uint8_t kEqEnableBit = 0x04;
inline constexpr std::uint16_t kEqBandRegisters = 0x120;
inline constexpr std::uint16_t kEqBand4HighRegister = 0x129;

constexpr std::uint16_t EqLowRegister(int band) { return static_cast<std::uint16_t>(kEqBandRegisters + 2 * band); }

// Writes the ten band registers in order 0x120..0x129 from the record; the first failing write
// stops the sequence and its WriteDeviceRegister result is returned (0 when all were written).
int WriteAllEqBands(HidConnection& device, const EqPresetRecord& record);

// Writes one band's code. Band 4's high register shares its upper four bits with the stored flags,
// so it is read first and only its lower four bits are replaced. 0 done, else the failing
// WriteDeviceRegister or ReadDeviceRegister result.
int WriteEqBand(HidConnection& device, int band, std::uint16_t code);

}  // namespace vorma::features
