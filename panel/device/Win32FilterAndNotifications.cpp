#include "panel/device/Win32DevicePorts.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"
#include "panel/device/DeviceHandles.h"

#include <dbt.h>

namespace vorma {
namespace {

class Win32FilterConnection final : public FilterConnection {
public:
  explicit Win32FilterConnection(UniqueHandle handle) : handle_(std::move(handle)) {}

  bool IoControl(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                 std::uint32_t& bytesReturned) override {
    DWORD returned = 0;
    // DeviceIoControl takes a non-const input buffer; the buffered method copies it, never writes it.
    if (!DeviceIoControl(handle_.get(), code, const_cast<std::uint8_t*>(input.data()),
                         static_cast<DWORD>(input.size()), output.empty() ? nullptr : output.data(),
                         static_cast<DWORD>(output.size()), &returned, nullptr)) {
      const DWORD error = GetLastError();
      DebugWin32Failure(L"DeviceIoControl", error);
      SetLastError(error);
      return false;
    }
    bytesReturned = returned;
    return true;
  }

private:
  UniqueHandle handle_;
};

class Win32FilterPort final : public FilterPort {
public:
  std::unique_ptr<FilterConnection> Open(const std::wstring& controlName) override {
    UniqueHandle handle(CreateFileW(controlName.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle) return nullptr;
    return std::make_unique<Win32FilterConnection>(std::move(handle));
  }
};

class Win32NotificationRegistration final : public DeviceNotificationRegistration {
public:
  explicit Win32NotificationRegistration(UniqueDevNotify registration) : registration_(std::move(registration)) {}

private:
  UniqueDevNotify registration_;
};

class Win32DeviceNotifications final : public DeviceNotificationPort {
public:
  std::unique_ptr<DeviceNotificationRegistration> Register(HWND window, const GUID& interfaceClass,
                                                           DWORD flags) override {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    static_assert(sizeof(filter) == 32, "the filter is passed with its 32-byte size");
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = interfaceClass;
    UniqueDevNotify registration(RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | flags));
    if (!registration) {
      DebugWin32Failure(L"RegisterDeviceNotificationW", GetLastError());
      return nullptr;
    }
    return std::make_unique<Win32NotificationRegistration>(std::move(registration));
  }
};

}  // namespace

std::unique_ptr<FilterPort> CreateWin32FilterPort() { return std::make_unique<Win32FilterPort>(); }

std::unique_ptr<DeviceNotificationPort> CreateWin32DeviceNotifications() {
  return std::make_unique<Win32DeviceNotifications>();
}

}  // namespace vorma
