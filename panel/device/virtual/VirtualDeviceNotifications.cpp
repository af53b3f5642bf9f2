#include "panel/device/DeviceIdentifiers.h"
#include "panel/device/virtual/VirtualDevicePorts.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <dbt.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <vector>

namespace vorma {

using virtual72xx::DeviceEvent;
using virtual72xx::InterfaceClass;
using virtual72xx::kErrorTimeout;
using virtual72xx::kOk;
using virtual72xx::Virtual72xxClient;

namespace {

// How long one wait for a bus event lasts before the thread looks at its stop request again.
constexpr unsigned long kEventWaitSliceMs = 200;

const GUID& ClassGuidOf(InterfaceClass interfaceClass) {
  return interfaceClass == InterfaceClass::Audio ? kAudioInterfaceClass : kHidInterfaceClass;
}

// A DEV_BROADCAST_DEVICEINTERFACE_W with the name behind it, sized like the system's.
std::vector<std::uint8_t> BuildBroadcast(const DeviceEvent& event) {
  const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  const size_t size = nameOffset + (event.name.size() + 1) * sizeof(wchar_t);
  std::vector<std::uint8_t> buffer(std::max(size, sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)), 0);
  auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
  broadcast->dbcc_size = static_cast<DWORD>(size);
  broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  broadcast->dbcc_classguid = ClassGuidOf(event.interfaceClass);
  std::memcpy(buffer.data() + nameOffset, event.name.c_str(), event.name.size() * sizeof(wchar_t));
  return buffer;
}

class VirtualNotificationRegistration final : public DeviceNotificationRegistration {
public:
  VirtualNotificationRegistration(Virtual72xxClient client, HWND window, const GUID& interfaceClass, DWORD flags,
                                  std::uint64_t afterSequence)
      : client_(std::move(client)),
        window_(window),
        interfaceClass_(interfaceClass),
        allClasses_((flags & DEVICE_NOTIFY_ALL_INTERFACE_CLASSES) != 0),
        lastSequence_(afterSequence),
        stopEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  bool Start() {
    if (!stopEvent_) return false;
    thread_.reset(CreateThread(nullptr, 0, &ThreadProc, this, 0, nullptr));
    return static_cast<bool>(thread_);
  }

  ~VirtualNotificationRegistration() override {
    if (!thread_) return;
    stopping_ = true;
    SetEvent(stopEvent_.get());
    // The thread may be inside SendMessage to a window of this thread: keep delivering sent
    // messages while waiting, or the two threads would wait for each other.
    HANDLE thread = thread_.get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }

  VirtualNotificationRegistration(const VirtualNotificationRegistration&) = delete;
  VirtualNotificationRegistration& operator=(const VirtualNotificationRegistration&) = delete;

private:
  static DWORD WINAPI ThreadProc(void* parameter) {
    static_cast<VirtualNotificationRegistration*>(parameter)->Run();
    return 0;
  }

  void Run() {
    while (!stopping_) {
      DeviceEvent event;
      const unsigned long error = client_.WaitDeviceEvent(lastSequence_, kEventWaitSliceMs, event);
      if (error == kErrorTimeout) continue;
      if (error != kOk) {
        // The bus is out of reach; try again a little later rather than spin.
        WaitForSingleObject(stopEvent_.get(), kEventWaitSliceMs);
        continue;
      }
      lastSequence_ = event.sequence;
      if (stopping_ || !Wanted(event)) continue;
      std::vector<std::uint8_t> broadcast = BuildBroadcast(event);
      const WPARAM kind = event.kind == virtual72xx::DeviceEventKind::Arrival ? DBT_DEVICEARRIVAL
                                                                              : DBT_DEVICEREMOVECOMPLETE;
      // Sent, not posted: the broadcast stays valid while the window handles it, as the system's does.
      SendMessageW(window_, WM_DEVICECHANGE, kind, reinterpret_cast<LPARAM>(broadcast.data()));
    }
  }

  bool Wanted(const DeviceEvent& event) const {
    return allClasses_ || IsEqualGUID(ClassGuidOf(event.interfaceClass), interfaceClass_);
  }

  Virtual72xxClient client_;
  HWND window_;
  GUID interfaceClass_;
  bool allClasses_;
  std::uint64_t lastSequence_;
  std::atomic<bool> stopping_{false};
  UniqueHandle stopEvent_;
  UniqueHandle thread_;
};

class VirtualDeviceNotifications final : public DeviceNotificationPort {
public:
  explicit VirtualDeviceNotifications(Virtual72xxClient client) : client_(std::move(client)) {}

  std::unique_ptr<DeviceNotificationRegistration> Register(HWND window, const GUID& interfaceClass,
                                                           DWORD flags) override {
    if (!IsWindow(window)) {
      DebugWin32Failure(L"RegisterDeviceNotificationW", ERROR_INVALID_WINDOW_HANDLE);
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    // Only events after the registration reach the window, as with the system's notifications.
    std::uint64_t latest = 0;
    if (const unsigned long error = client_.LatestEventSequence(latest); error != kOk) {
      DebugWin32Failure(L"RegisterDeviceNotificationW", error);
      SetLastError(error);
      return nullptr;
    }
    auto registration =
        std::make_unique<VirtualNotificationRegistration>(client_, window, interfaceClass, flags, latest);
    if (!registration->Start()) {
      DebugWin32Failure(L"CreateThread", GetLastError());
      return nullptr;
    }
    return registration;
  }

private:
  Virtual72xxClient client_;
};

}  // namespace

std::unique_ptr<DeviceNotificationPort> CreateVirtualDeviceNotifications(const Virtual72xxClient& client) {
  return std::make_unique<VirtualDeviceNotifications>(client);
}

}  // namespace vorma
