#include "panel/features/encvoice/EncVoiceRegistry.h"

#include "foundation/DebugOutput.h"
#include "foundation/RegistryValues.h"

#include <array>
#include <cwchar>

namespace vorma::features {
namespace {

constexpr std::array<int, kVoiceModeCount> kVoiceOffsets = {0, -3, 7, -10, 12};

std::optional<unsigned long> Read(const std::wstring& subKey, const std::wstring& name) {
  unsigned long value = 0;
  const int result = GetRegistryDword(subKey, name, value);
  if (result != kRegistryDone) {
    // Not a failure of the panel: a missing value is how the registry says "not set up".
    DebugPrint(L"##### %ls\\%ls = (none, ret = %d)\n", subKey.c_str(), name.c_str(), result);
    return std::nullopt;
  }
  return value;
}

int Write(const std::wstring& subKey, const std::wstring& name, unsigned long value) {
  const int result = SetRegistryDword(subKey, name, value);
  if (result != kRegistryDone)
    DebugPrint(L"***** SetRegistryDword %ls\\%ls FAIL! ***** (ret = %d)\n", subKey.c_str(), name.c_str(), result);
  return result;
}

}  // namespace

std::wstring EncValueName(WORD vendorId, WORD productId) {
  wchar_t name[32];
  std::swprintf(name, std::size(name), L"VID_%.4X&PID_%.4X", vendorId, productId);
  return name;
}

std::optional<unsigned long> ReadEncLevel(WORD vendorId, WORD productId) {
  return Read(kEncValueMapKey, EncValueName(vendorId, productId));
}

int WriteEncLevel(WORD vendorId, WORD productId, unsigned long level) {
  return Write(kEncValueMapKey, EncValueName(vendorId, productId), level);
}

std::optional<unsigned long> ReadVoiceEffectEnable() { return Read(kFeatureRegistryKey, L"RuvavIzezoEnable"); }
int WriteVoiceEffectEnable(unsigned long enable) { return Write(kFeatureRegistryKey, L"RuvavIzezoEnable", enable); }
std::optional<unsigned long> ReadVoiceEffectLevel() { return Read(kFeatureRegistryKey, L"RuvavIzezoLevel"); }
int WriteVoiceEffectLevel(unsigned long level) { return Write(kFeatureRegistryKey, L"RuvavIzezoLevel", level); }

int VoiceModeOffset(int mode) { return mode >= 0 && mode < kVoiceModeCount ? kVoiceOffsets[mode] : 0; }

int VoiceModeFromLevel(unsigned long storedLevel) {
  for (int mode = 0; mode < kVoiceModeCount; ++mode)
    if (static_cast<long long>(storedLevel) == kVoiceOffsets[mode] + kVoiceLevelBias) return mode;
  return 0;
}

}  // namespace vorma::features
