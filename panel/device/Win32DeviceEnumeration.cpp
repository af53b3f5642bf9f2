#include "panel/device/Win32DevicePorts.h"

#include "foundation/DebugOutput.h"
#include "panel/device/DeviceHandles.h"
#include "panel/device/DeviceIdentifiers.h"

#include <cwchar>
#include <vector>

namespace vorma {

std::optional<std::wstring> GetDeviceHardwareId(HDEVINFO deviceList, SP_DEVINFO_DATA& device) {
  DWORD size = 0;
  // The size query must fail for the right reason; a device without the property answers otherwise.
  if (SetupDiGetDeviceRegistryPropertyW(deviceList, &device, SPDRP_HARDWAREID, nullptr, nullptr, 0, &size) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
    return std::nullopt;
  // Twice the size and four zero bytes more: the text is terminated even if the stored value is not.
  std::vector<BYTE> buffer(static_cast<size_t>(size) * 2 + 4, 0);
  if (!SetupDiGetDeviceRegistryPropertyW(deviceList, &device, SPDRP_HARDWAREID, nullptr, buffer.data(),
                                         static_cast<DWORD>(buffer.size()), nullptr))
    return std::nullopt;
  const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
  return std::wstring(text, wcsnlen(text, buffer.size() / sizeof(wchar_t)));
}

namespace {

class Win32DeviceEnumeration final : public DeviceEnumerationPort {
public:
  bool ForEachFirstHardwareId(const std::function<bool(const std::wstring&)>& visit) override {
    // With DIGCF_ALLCLASSES the class only satisfies the call; every present device is listed.
    UniqueDevInfoList list(
        SetupDiGetClassDevsW(&kAudioInterfaceClass, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT));
    if (!list) {
      DebugWin32Failure(L"SetupDiGetClassDevsW", GetLastError());
      return false;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list.get(), index, &device); ++index) {
      if (visit(GetDeviceHardwareId(list.get(), device).value_or(std::wstring()))) break;
    }
    return true;
  }
};

}  // namespace

std::unique_ptr<DeviceEnumerationPort> CreateWin32DeviceEnumeration() {
  return std::make_unique<Win32DeviceEnumeration>();
}

}  // namespace vorma
