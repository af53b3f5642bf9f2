#include "panel/features/equalizer/EqPresetRecord.h"

#include <algorithm>

namespace vorma::features {
namespace {

std::uint8_t Bit(std::int32_t flag, int position) { return static_cast<std::uint8_t>(flag ? 1u << position : 0u); }

}  // namespace

EqSlotBytes PackEqPresetSlot(const EqPresetRecord& record) {
  EqSlotBytes slot{};
  // Bands come in pairs sharing a middle byte: 3 bytes per pair, band 4 alone in bytes 6-7.
  for (int pair = 0; pair < 2; ++pair) {
    const std::uint16_t first = record.codes[2 * pair] & kMaxEqCode;
    const std::uint16_t second = record.codes[2 * pair + 1] & kMaxEqCode;
    slot[3 * pair] = static_cast<std::uint8_t>(first & 0xFF);
    slot[3 * pair + 1] = static_cast<std::uint8_t>((first >> 8) | ((second & 0x0F) << 4));
    slot[3 * pair + 2] = static_cast<std::uint8_t>(second >> 4);
  }
  const std::uint16_t last = record.codes[4] & kMaxEqCode;
  slot[6] = static_cast<std::uint8_t>(last & 0xFF);
  slot[7] = static_cast<std::uint8_t>((last >> 8) | Bit(record.flagD, 4) | Bit(record.flagB, 5) |
                                      Bit(record.flagC, 6) | Bit(record.flagA, 7));
  slot[14] = record.slotByte;
  slot[15] = static_cast<std::uint8_t>((record.slotByte & 0x7F) | Bit(record.lastSlot, 7));
  return slot;
}

std::array<std::uint16_t, kEqBandCount> UnpackEqSlotValues(std::span<const std::uint8_t, 8> bytes) {
  std::array<std::uint16_t, kEqBandCount> values{};
  for (int pair = 0; pair < 2; ++pair) {
    const std::uint8_t* b = bytes.data() + 3 * pair;
    values[2 * pair] = static_cast<std::uint16_t>(b[0] | ((b[1] & 0x0F) << 8));
    values[2 * pair + 1] = static_cast<std::uint16_t>((b[1] >> 4) | (b[2] << 4));
  }
  values[4] = static_cast<std::uint16_t>(bytes[6] | ((bytes[7] & 0x0F) << 8));
  return values;
}

EqPresetRecord UnpackEqPresetSlot(std::span<const std::uint8_t, kEqSlotSize> slot) {
  EqPresetRecord record;
  const auto values = UnpackEqSlotValues(slot.first<8>());
  std::copy(values.begin(), values.end(), record.codes);
  const std::uint8_t flags = slot[7];
  record.flagD = (flags >> 4) & 1;
  record.flagB = (flags >> 5) & 1;
  record.flagC = (flags >> 6) & 1;
  record.flagA = (flags >> 7) & 1;
  record.slotByte = static_cast<std::uint8_t>(slot[15] & 0x7F);
  record.lastSlot = (slot[15] >> 7) & 1;
  return record;
}

bool IsFlatEqPreset(const EqPresetRecord& record) {
  return std::all_of(std::begin(record.codes), std::end(record.codes),
                     [](std::uint16_t code) { return code == kFlatEqCode; });
}

std::uint16_t EqCodeFromSliderOffset(int offset, int travel) {
  if (travel <= 0) return kFlatEqCode;
  offset = std::clamp(offset, 0, travel);
  const int v = offset * 1024 / travel;
  int code = 1536 - v;
  if (code > 1024) code = 3 * (code - 1024) + 1023;
  return static_cast<std::uint16_t>(code);
}

int SliderOffsetFromEqCode(std::uint16_t code, int travel) {
  if (travel <= 0) return 0;
  int d = code;
  if (d > 1024) d = (d - 1023) / 3 + 1024;
  return std::clamp(travel - (d - 512) * travel / 1024, 0, travel);
}

}  // namespace vorma::features
