#include "setup/DevicePass.h"

#include "foundation/DebugOutput.h"
#include "panel/device/DeviceHandles.h"

#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

namespace vorma::setup {
namespace {

constexpr GUID kPassClass = {0x6994ad04, 0x93ef, 0x11d0, {0xa3, 0xcc, 0x00, 0xa0, 0xc9, 0x22, 0x31, 0x96}};
constexpr size_t kHardwareIdLength = 36;  // "USB\VID_1E4B&PID_72XX&REV_0100&MI_00"
constexpr wchar_t kFilterName[] = L"Xafilt";

std::vector<std::wstring> MultiString(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
  DWORD size = 0;
  SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, nullptr, 0, &size);
  if (size == 0) return {};
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
  if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                                         size, nullptr)) {
    return {};
  }
  std::vector<std::wstring> strings;
  for (const wchar_t* p = buffer.data(); *p; p += wcslen(p) + 1) strings.emplace_back(p);
  return strings;
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && _wcsicmp(a.c_str(), b.c_str()) == 0;
}

bool DeviceMatches(HDEVINFO set, SP_DEVINFO_DATA& device, const CDeviceIdMgr& patterns) {
  const std::vector<std::wstring> ids = MultiString(set, device, SPDRP_HARDWAREID);
  return !ids.empty() && ids.front().size() == kHardwareIdLength && patterns.Matches(ids.front());
}

bool RemoveFilter(HDEVINFO set, SP_DEVINFO_DATA& device) {
  std::vector<std::wstring> filters = MultiString(set, device, SPDRP_LOWERFILTERS);
  const size_t before = filters.size();
  std::erase_if(filters, [](const std::wstring& name) { return EqualNoCase(name, kFilterName); });
  if (filters.size() == before) return false;
  if (filters.empty()) return SetupDiSetDeviceRegistryPropertyW(set, &device, SPDRP_LOWERFILTERS, nullptr, 0) != 0;
  std::wstring joined;
  for (const std::wstring& name : filters) joined += name + L'\0';
  joined += L'\0';
  return SetupDiSetDeviceRegistryPropertyW(set, &device, SPDRP_LOWERFILTERS, reinterpret_cast<const BYTE*>(joined.data()),
                                           static_cast<DWORD>(joined.size() * sizeof(wchar_t))) != 0;
}

void ChangeState(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD state, DWORD scope) {
  SP_PROPCHANGE_PARAMS change{};
  change.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
  change.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
  change.StateChange = state;
  change.Scope = scope;
  change.HwProfile = 0;
  if (SetupDiSetClassInstallParamsW(set, &device, &change.ClassInstallHeader, sizeof change)) {
    SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &device);
  }
}

template <typename Action>
void ForEachMatchingDevice(DWORD flags, const CDeviceIdMgr& patterns, Action action) {
  UniqueDevInfoList set(SetupDiGetClassDevsW(&kPassClass, nullptr, nullptr, flags));
  if (!set) return;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set.get(), index, &device); ++index) {
    if (DeviceMatches(set.get(), device, patterns)) action(set.get(), device);
  }
}

}  // namespace

int RemoveFilterFromDevices(const CDeviceIdMgr& patterns) {
  // Nothing can match an empty list; asking every device of the machine would only cost time.
  if (patterns.Entries().empty()) return 0;
  int changed = 0;
  ForEachMatchingDevice(DIGCF_ALLCLASSES, patterns, [&](HDEVINFO set, SP_DEVINFO_DATA& device) {
    if (RemoveFilter(set, device)) ++changed;
  });
  ForEachMatchingDevice(DIGCF_PRESENT | DIGCF_ALLCLASSES, patterns, [](HDEVINFO set, SP_DEVINFO_DATA& device) {
    ChangeState(set, device, DICS_DISABLE, DICS_FLAG_CONFIGSPECIFIC);
    Sleep(1000);
    ChangeState(set, device, DICS_ENABLE, DICS_FLAG_GLOBAL);
    ChangeState(set, device, DICS_ENABLE, DICS_FLAG_CONFIGSPECIFIC);
  });
  return changed;
}

}  // namespace vorma::setup
