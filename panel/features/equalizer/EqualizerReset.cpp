// Loading preset values from texts (profiles, the EEPROM curve) and the RESET button.

#include "panel/device/HidRegisterTransport.h"
#include "panel/features/equalizer/EqRegisters.h"
#include "panel/features/equalizer/EqualizerPage.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"

#include <cwchar>
#include <cwctype>
#include <optional>

namespace vorma::features {
namespace {

constexpr size_t kPresetValueCount = kEqBandCount + 1;

// A whole decimal number, or a hexadecimal one after "0x"; surrounding blanks are allowed.
std::optional<long> ParseNumber(const std::wstring& text) {
  const wchar_t* begin = text.c_str();
  while (std::iswspace(*begin)) ++begin;
  int base = 10;
  if (begin[0] == L'0' && (begin[1] == L'x' || begin[1] == L'X')) {
    base = 16;
    begin += 2;
  }
  if (!std::iswxdigit(*begin)) return std::nullopt;
  wchar_t* end = nullptr;
  const long value = std::wcstol(begin, &end, base);
  while (std::iswspace(*end)) ++end;
  if (*end != L'\0') return std::nullopt;
  return value;
}

std::vector<std::wstring> SplitAtCommas(const std::wstring& text) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t comma = text.find(L','); comma != std::wstring::npos; comma = text.find(L',', start)) {
    parts.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

bool CEqualizerPage::LoadEqPresetValues(const std::vector<std::wstring>& values, int slot, int currentSlot) {
  if (values.size() < kPresetValueCount || slot < 0 || slot >= kEqPresetCount || currentSlot < 0 ||
      currentSlot >= kEqPresetCount)
    return false;
  std::array<std::uint16_t, kEqBandCount> codes{};
  for (int band = 0; band < kEqBandCount; ++band) {
    const std::optional<long> code = ParseNumber(values[band]);
    // A code wider than 12 bits would spill into the neighbouring band's bits of the slot.
    if (!code || *code < 0 || *code > kMaxEqCode) return false;
    codes[band] = static_cast<std::uint16_t>(*code);
  }
  const std::optional<long> enable = ParseNumber(values[kEqBandCount]);
  if (!enable) return false;

  for (int band = 0; band < kEqBandCount; ++band) {
    m_current.codes[band] = codes[band];
    StoreEqPreset(slot);
  }
  m_nEqEnable = *enable != 0 ? 1 : 0;
  ApplyEqPreset(slot + 1);
  ShowEqPreset(slot);
  ApplyEqOnOff(m_nEqEnable);
  ApplyEqPreset(currentSlot + 1);
  ShowEqPreset(currentSlot);
  ApplyEqOnOff(m_nEqEnable);
  return true;
}

bool CEqualizerPage::LoadDefaultProfilePreset() {
  const std::wstring path = settings_.userFolder + L"\\DefaultProfile.ini";
  const std::wstring key = L"S" + std::to_wstring(m_nEQPreset);
  std::wstring value;
  ReadProfileString(path, L"EQ", key.c_str(), value);
  if (LoadEqPresetValues(SplitAtCommas(value), m_nEQPreset - 1, m_nEQPreset - 1)) return true;
  // Without six numbers the preset stays as it is.
  DebugPrint(L"***** ResetEq: [EQ] %s of DefaultProfile.ini unusable *****\n", key.c_str());
  return false;
}

void CEqualizerPage::ClearDeviceSyncWithoutDevice() {
  if (!DeviceActive()) context_.ClearDeviceSync();
}

void CEqualizerPage::ResetEq() {
  DebugTraceEntry(L"TAudioMainForm::ResetEq");
  if (m_nEQPreset < 1 || m_nEQPreset > kEqPresetCount) return;
  if (settings_.defaultIni == 0) {
    m_current = kFactoryEqPreset;
  } else {
    ClearDeviceSyncWithoutDevice();
    LoadDefaultProfilePreset();
  }
  StoreEqPreset(m_nEQPreset - 1);
  ShowEqPreset(m_nEQPreset - 1);

  std::unique_ptr<HidConnection> device = OpenHid();
  if (!device) return;
  if (DeviceSync()) {
    for (int band = 0; band < kEqBandCount; ++band) SetEqBandFromSlider(EqSliderTag(band), true);
    WriteAllEqBands(*device, m_current);
  }
  EndRegisterWrites(*device);
  if (links_.apply3DOnOff)
    links_.apply3DOnOff();
  else
    DebugWrite(L"[TAudioMainForm::ResetEq] no 3D page is linked: Apply3DOnOff skipped\n");
}

}  // namespace vorma::features
