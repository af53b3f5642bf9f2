#include "panel/features/equalizer/EqRegisters.h"

#include "panel/device/HidRegisterTransport.h"

namespace vorma::features {
namespace {

std::uint8_t LowByte(std::uint16_t code) { return static_cast<std::uint8_t>(code & 0xFF); }
std::uint8_t HighNibble(std::uint16_t code) { return static_cast<std::uint8_t>((code >> 8) & 0x0F); }

std::uint8_t FlagBits(const EqPresetRecord& record) {
  return static_cast<std::uint8_t>((record.flagD ? 0x10 : 0) | (record.flagB ? 0x20 : 0) | (record.flagC ? 0x40 : 0) |
                                   (record.flagA ? 0x80 : 0));
}

}  // namespace

int WriteAllEqBands(HidConnection& device, const EqPresetRecord& record) {
  for (int band = 0; band < kEqBandCount; ++band) {
    const std::uint16_t code = record.codes[band];
    const std::uint16_t low = EqLowRegister(band);
    if (int result = WriteDeviceRegister(device, low, LowByte(code)); result != kRegisterWriteDone) return result;
    std::uint8_t high = HighNibble(code);
    if (band == kEqBandCount - 1) high = static_cast<std::uint8_t>(high | FlagBits(record));
    if (int result = WriteDeviceRegister(device, static_cast<std::uint16_t>(low + 1), high);
        result != kRegisterWriteDone)
      return result;
  }
  return kRegisterWriteDone;
}

int WriteEqBand(HidConnection& device, int band, std::uint16_t code) {
  const std::uint16_t low = EqLowRegister(band);
  if (int result = WriteDeviceRegister(device, low, LowByte(code)); result != kRegisterWriteDone) return result;
  std::uint8_t high = HighNibble(code);
  if (band == kEqBandCount - 1) {
    std::uint8_t stored = 0;
    if (int result = ReadDeviceRegister(device, kEqBand4HighRegister, stored); result != kRegisterReadDone)
      return result;
    high = static_cast<std::uint8_t>((stored & 0xF0) | high);
  }
  return WriteDeviceRegister(device, static_cast<std::uint16_t>(low + 1), high);
}

}  // namespace vorma::features
