#include "setup/FeatureDefaults.h"

#include "foundation/DeviceIdManager.h"
#include "foundation/ProfileStrings.h"
#include "foundation/RegistryValues.h"
#include "foundation/ValueItems.h"

#include <string>

namespace vorma::setup {
namespace {

// The first comma item of a [DefaultSet] value as a number; false when the value is empty.
bool FirstItemNumber(const std::wstring& configPath, const wchar_t* key, unsigned long& number) {
  std::wstring value;
  ReadProfileString(configPath, L"DefaultSet", key, value);
  const std::vector<std::wstring> items = SplitValueItems(value);
  if (items.empty()) return false;
  number = static_cast<unsigned long>(LenientInteger(items.front()));
  return true;
}

}  // namespace

void WriteFeatureDefaults(const std::wstring& configPath) {
  const std::wstring encMapKey = std::wstring(kSoftwareKey) + L"\\EncValueMap";
  for (int i = 1; i <= 19; ++i) {
    std::wstring value;
    ReadProfileString(configPath, L"EncValueMap", std::to_wstring(i).c_str(), value);
    const std::vector<std::wstring> items = SplitValueItems(value);
    // "VID_1E4B&PID_7201,3": a device's value name and its ENC level; a lone name says nothing.
    if (items.size() < 2) continue;
    SetRegistryDword(encMapKey, items[0], static_cast<unsigned long>(LenientInteger(items[1])));
  }

  unsigned long number = 0;
  // The ENC switch always gets a factory value; the others only when the configuration has one.
  SetRegistryDword(kSoftwareKey, L"EncEnable", FirstItemNumber(configPath, L"EncEnable", number) ? number : 0);
  const struct {
    const wchar_t* configKey;
    const wchar_t* valueName;
  } kOptional[] = {
      {L"RuvavIzezoEnable", L"RuvavIzezoEnable"}, {L"RuvavIzezoLevel", L"RuvavIzezoLevel"},
      {L"V7ch1Scalar", L"Virtual7ch1Scalar"},     {L"EncScalar", L"EncScalar"},
      {L"EncGpio", L"EncGpio"},
  };
  for (const auto& entry : kOptional) {
    if (FirstItemNumber(configPath, entry.configKey, number)) SetRegistryDword(kSoftwareKey, entry.valueName, number);
  }
}

int WriteDeviceIdGroup(const std::wstring& configPath, const std::wstring& section, const std::wstring& group) {
  CDeviceIdMgr manager;
  if (manager.LoadFromConfig(configPath, section) != kDeviceIdConfigLoaded) return kDeviceIdGroupLoadFailed;
  if (manager.SaveToRegistry(group) != kDeviceIdRegistrySaved) return kDeviceIdGroupStoreFailed;
  return kDeviceIdGroupStored;
}

}  // namespace vorma::setup
