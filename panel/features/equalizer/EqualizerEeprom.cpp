// The equaliser curve stored in the device's EEPROM, read over I2C through the SDK. The first half
// (I2C 0x50) says whether bands are stored (0x8D bit 0) and which of the four banks holds them
// (0x8E: 0x10-0x13); the banks lie in the second half (I2C 0x51) in the preset slot packing.

#include "panel/device/SdkLibrary.h"
#include "panel/features/equalizer/EqualizerPage.h"

#include "foundation/DebugOutput.h"

#include <cwchar>

namespace vorma::features {
namespace {

constexpr BYTE kDeviceIndex = 0;
constexpr BYTE kEepromLow = 0x50;
constexpr BYTE kEepromHigh = 0x51;
constexpr BYTE kBandsStoredAddress = 0x8D;
constexpr BYTE kBankSelectorAddress = 0x8E;
constexpr BYTE kFirstBankSelector = 0x10;
constexpr DWORD kI2cTimeout = 100;
constexpr DWORD kBandByteSettleMs = 10;

bool ReadEepromByte(BYTE deviceAddress, BYTE byteAddress, std::uint8_t& value) {
  BYTE read = 0;
  if (Sdk().DLLQZ_Read_I2C_ById(deviceAddress, byteAddress, &read, 1, kI2cTimeout, kDeviceIndex) != 0) return false;
  value = read;
  return true;
}

// The device's I2C answers are not always there the first time.
bool ReadEepromByteWithRetry(BYTE deviceAddress, BYTE byteAddress, std::uint8_t& value) {
  return ReadEepromByte(deviceAddress, byteAddress, value) || ReadEepromByte(deviceAddress, byteAddress, value);
}

int BankOfSelector(std::uint8_t selector) {
  const int bank = selector - kFirstBankSelector;
  return bank >= 0 && bank < kEqPresetCount ? bank : 0;
}

}  // namespace

int CEqualizerPage::ReadEqFromEeprom() {
  DebugTraceEntry(L"TAudioMainForm::ReadEqFromEeprom");
  m_bFlat = false;
  std::uint8_t stored = 0;
  const bool bandsStored = ReadEepromByteWithRetry(kEepromLow, kBandsStoredAddress, stored) && (stored & 0x01);
  std::uint8_t selector = 0;
  const int bank = ReadEepromByteWithRetry(kEepromLow, kBankSelectorAddress, selector) ? BankOfSelector(selector) : 0;
  const BYTE bankAddress = static_cast<BYTE>(kEqSlotSize * bank);

  std::uint8_t flags = 0;
  if (!ReadEepromByte(kEepromHigh, static_cast<BYTE>(bankAddress + 7), flags)) {
    DebugWrite(L"***** ReadEqFromEeprom: flags byte FAIL! *****\n");
    return kEepromFlagsUnreadable;
  }
  if (flags == 0x00 || flags == 0xFF) {
    // An erased or cleared bank: no curve stored, so the next on/off request switches it off.
    m_bFlat = true;
    return kEepromNoCurve;
  }
  m_nEqEnable = (flags & 0x80) ? 0 : 1;
  m_b3DFromEepromDefault = (flags & 0x10) != 0;

  std::array<std::uint16_t, kEqBandCount> codes;
  codes.fill(kFlatEqCode);
  if (bandsStored) {
    std::array<std::uint8_t, 8> bytes{};
    for (int i = 0; i < 8; ++i) {
      const bool read = ReadEepromByte(kEepromHigh, static_cast<BYTE>(bankAddress + i), bytes[i]);
      Sleep(kBandByteSettleMs);
      if (!read) {
        DebugWrite(L"***** ReadEqFromEeprom: band byte FAIL! *****\n");
        return kEepromNoCurve;
      }
    }
    const auto values = UnpackEqSlotValues(bytes);
    for (int band = 0; band < kEqBandCount; ++band) codes[band] = static_cast<std::uint16_t>((values[band] + 1024) / 2);
  }
  ApplyStoredEqFromEeprom(codes);
  return kEepromEqLoaded;
}

void CEqualizerPage::ApplyStoredEqFromEeprom(const std::array<std::uint16_t, kEqBandCount>& codes) {
  std::vector<std::wstring> values;
  wchar_t text[16];
  for (std::uint16_t code : codes) {
    std::swprintf(text, std::size(text), L"0x%X", code);
    values.emplace_back(text);
  }
  std::swprintf(text, std::size(text), L"%d", m_nEqEnable);
  values.emplace_back(text);
  // The device's curve always lands in S1.
  LoadEqPresetValues(values, 0, m_nEQPreset - 1);
  bool flat = true;
  for (std::uint16_t code : codes) flat = flat && code == kFlatEqCode;
  if (flat) m_bFlat = true;
}

void CEqualizerPage::SyncEqFromDevice() {
  ReadEqFromEeprom();
  ApplyEqOnOff(m_nEqEnable);
}

}  // namespace vorma::features
