#include "panel/device/Win32DevicePorts.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"
#include "panel/device/DeviceHandles.h"

// MinGW's hid.dll headers lack C linkage.
extern "C" {
#include <hidpi.h>
#include <hidsdi.h>
}

#include <vector>

namespace vorma {
namespace {

class Win32HidConnection final : public HidConnection {
public:
  explicit Win32HidConnection(UniqueHandle handle) : handle_(std::move(handle)) {}

  bool GetAttributes(HidIdentity& identity) override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!HidD_GetAttributes(handle_.get(), &attributes)) return Failed(L"HidD_GetAttributes");
    identity.vendorId = attributes.VendorID;
    identity.productId = attributes.ProductID;
    return true;
  }

  bool ReadReportSizes(HidReportSizes& sizes) override {
    UniqueHidPreparsedData preparsed;
    if (!HidD_GetPreparsedData(handle_.get(), preparsed.put())) return Failed(L"HidD_GetPreparsedData");
    HIDP_CAPS caps{};
    if (HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS) {
      DebugWrite(L"***** HidP_GetCaps FAIL! *****\n");
      return false;
    }
    sizes.input = caps.InputReportByteLength;
    sizes.output = caps.OutputReportByteLength;
    return true;
  }

  bool SetOutputReport(std::span<const std::uint8_t> report) override {
    // hid.dll takes a non-const buffer but does not write to an output report.
    if (!HidD_SetOutputReport(handle_.get(), const_cast<std::uint8_t*>(report.data()),
                              static_cast<ULONG>(report.size())))
      return Failed(L"HidD_SetOutputReport");
    return true;
  }

  bool GetInputReport(std::span<std::uint8_t> report) override {
    if (!HidD_GetInputReport(handle_.get(), report.data(), static_cast<ULONG>(report.size())))
      return Failed(L"HidD_GetInputReport");
    return true;
  }

private:
  static bool Failed(const wchar_t* operation) {
    const DWORD error = GetLastError();
    DebugWin32Failure(operation, error);
    SetLastError(error);
    return false;
  }

  UniqueHandle handle_;
};

class Win32HidPort final : public HidPort {
public:
  void ForEachInterfacePath(const std::function<bool(const std::wstring&)>& visit) override {
    GUID hidClass{};
    HidD_GetHidGuid(&hidClass);
    UniqueDevInfoList list(SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!list) {
      DebugWin32Failure(L"SetupDiGetClassDevsW", GetLastError());
      return;
    }
    SP_DEVICE_INTERFACE_DATA deviceInterface{};
    deviceInterface.cbSize = sizeof(deviceInterface);
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(list.get(), nullptr, &hidClass, index, &deviceInterface);
         ++index) {
      const std::wstring path = InterfacePath(list.get(), deviceInterface);
      if (!path.empty() && visit(path)) return;
    }
  }

  std::unique_ptr<HidConnection> Open(const std::wstring& path) override {
    UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!handle) return nullptr;
    return std::make_unique<Win32HidConnection>(std::move(handle));
  }

private:
  // The interface's device path (size query, then the detail); empty when it cannot be read.
  static std::wstring InterfacePath(HDEVINFO list, SP_DEVICE_INTERFACE_DATA& deviceInterface) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(list, &deviceInterface, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return {};
    std::vector<std::uint8_t> buffer(required, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(list, &deviceInterface, detail, required, nullptr, nullptr)) return {};
    const size_t capacity = (required - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    return std::wstring(detail->DevicePath, wcsnlen(detail->DevicePath, capacity));
  }
};

}  // namespace

std::unique_ptr<HidPort> CreateWin32HidPort() { return std::make_unique<Win32HidPort>(); }

}  // namespace vorma
