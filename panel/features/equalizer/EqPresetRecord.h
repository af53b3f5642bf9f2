#pragma once
// One equaliser preset: five 12-bit band codes (1024 is flat) and four stored flag bits, and its
// 16-byte slot form, which the device's EEPROM banks and the panel's configuration image share:
//
//   byte 0      band 0 bits 0-7
//   byte 1      band 0 bits 8-11 | band 1 bits 0-3 << 4
//   byte 2      band 1 bits 4-11
//   bytes 3-5   bands 2 and 3 the same way
//   byte 6      band 4 bits 0-7
//   byte 7      band 4 bits 8-11 | D << 4 | B << 5 | C << 6 | A << 7
//   bytes 8-13  zero
//   byte 14     slot byte
//   byte 15     slot byte bits 0-6 | last-slot flag << 7
//
// In the EEPROM's copy a set flag A means the equaliser is off and a set flag D that 3D starts on;
// what A, B and C switch inside the device is the device's business, so they are kept as bits.

#include <array>
#include <cstdint>
#include <span>

namespace vorma::features {

inline constexpr int kEqBandCount = 5;
inline constexpr std::uint16_t kFlatEqCode = 1024;
inline constexpr std::uint16_t kMaxEqCode = 0xFFF;  // codes have 12 significant bits
inline constexpr int kEqSlotSize = 16;
inline constexpr int kEqPresetCount = 4;

#pragma pack(push, 1)
struct EqPresetRecord {
  std::uint16_t codes[kEqBandCount] = {kFlatEqCode, kFlatEqCode, kFlatEqCode, kFlatEqCode, kFlatEqCode};
  std::int32_t flagA = 1;
  std::int32_t flagB = 1;
  std::int32_t flagC = 1;
  std::int32_t flagD = 0;
  std::uint8_t slotByte = 0;
  std::int32_t lastSlot = 1;
};
#pragma pack(pop)
static_assert(sizeof(EqPresetRecord) == 31, "the preset record is byte-packed");

using EqSlotBytes = std::array<std::uint8_t, kEqSlotSize>;

// The factory defaults: every band flat, flags A, B and C set, D clear, slot byte 0, last slot.
inline constexpr EqPresetRecord kFactoryEqPreset{};

EqSlotBytes PackEqPresetSlot(const EqPresetRecord& record);
// The codes, flags, slot byte and last-slot flag of a slot; `slot` must hold 16 bytes.
EqPresetRecord UnpackEqPresetSlot(std::span<const std::uint8_t, kEqSlotSize> slot);
// The five 12-bit values of the first eight bytes of a slot (the EEPROM's band values).
std::array<std::uint16_t, kEqBandCount> UnpackEqSlotValues(std::span<const std::uint8_t, 8> bytes);

// True when all five codes are the flat code.
bool IsFlatEqPreset(const EqPresetRecord& record);

// Slider position and band code. The upper half of the track (offset 0 is the top) covers codes
// 1024-2559 three times as coarsely as the lower half covers 512-1024. An offset outside the track
// is taken at the nearer end, and a track without travel gives the flat code.
std::uint16_t EqCodeFromSliderOffset(int offset, int travel);
int SliderOffsetFromEqCode(std::uint16_t code, int travel);

}  // namespace vorma::features
