#pragma once
// The virtual USB bus: the devices plugged in enumeration (plug) order, the open HID and filter
// handles, the device-interface arrival and removal events, and the bus journal. Thread-safe: one
// lock covers the bus and every device on it, and waits for events and scan reports sleep on a
// condition that every change signals.
//
// Plugging a 72xx device announces its audio interface and then its HID interface; unplugging
// removes the HID interface first, then the audio interface. Handles of an unplugged device stay
// valid handles but every call on them fails with ERROR_DEVICE_NOT_CONNECTED, as on Windows. An
// unplugged device keeps its journal and state for reading; its number is never reused.

#include "outside/virtual72xx/VirtualDevice.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

class VirtualBus {
public:
  VirtualBus() = default;
  VirtualBus(const VirtualBus&) = delete;
  VirtualBus& operator=(const VirtualBus&) = delete;

  unsigned long Plug(const PlugOptions& options, DeviceNumber& device);
  unsigned long Unplug(DeviceNumber device);
  unsigned long RemoveInterface(DeviceNumber device, InterfaceClass interfaceClass);

  std::vector<DeviceSummary> Devices() const;
  std::vector<DeviceNode> Nodes() const;
  std::vector<DeviceInterface> Interfaces(InterfaceClass interfaceClass) const;
  unsigned long Find(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device) const;

  unsigned long HidOpen(const std::wstring& path, VirtualHandle& handle);
  unsigned long FilterOpen(const std::wstring& controlName, VirtualHandle& handle);
  unsigned long Close(VirtualHandle handle);
  // Runs fn(device) for a HID (or filter) handle of a plugged device under the bus lock.
  template <typename Fn>
  unsigned long WithHidHandle(VirtualHandle handle, Fn&& fn) {
    return WithHandle(handle, HandleKind::Hid, std::forward<Fn>(fn));
  }
  template <typename Fn>
  unsigned long WithFilterHandle(VirtualHandle handle, Fn&& fn) {
    return WithHandle(handle, HandleKind::Filter, std::forward<Fn>(fn));
  }

  // Runs fn(device) on a plugged device under the bus lock and returns its result; `missing` when
  // the device is not plugged (the attempt is written to the bus journal as "<what> N -> no device").
  template <typename R, typename Fn>
  R WithPluggedDevice(DeviceNumber number, const char* what, R missing, Fn&& fn) {
    std::lock_guard lock(mutex_);
    VirtualDevice* device = Lookup(number);
    if (!device || !device->Plugged()) {
      busJournal_.push_back(std::string(what) + " " + std::to_string(number) + " -> no device");
      return missing;
    }
    R result = fn(*device);
    changed_.notify_all();
    return result;
  }
  // The same for a device that may have been unplugged (state, journal).
  template <typename Fn>
  unsigned long WithAnyDevice(DeviceNumber number, Fn&& fn) {
    std::lock_guard lock(mutex_);
    VirtualDevice* device = Lookup(number);
    if (!device) return kErrorNotFound;
    unsigned long result = fn(*device);
    changed_.notify_all();
    return result;
  }

  int SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device);

  std::uint64_t LatestEventSequence() const;
  unsigned long WaitDeviceEvent(std::uint64_t afterSequence, unsigned long timeoutMs, DeviceEvent& event);
  unsigned long WaitScanReport(DeviceNumber device, std::uint64_t afterSequence, unsigned long timeoutMs,
                               ScanReport& report);

  void NoteBus(std::string line);
  // Device 0 is the bus journal.
  unsigned long ReadJournal(DeviceNumber device, std::vector<std::string>& lines, bool clear);

  // Wakes every waiter and makes later waits return at once (kErrorTransport), for shutdown.
  void Shutdown();

private:
  enum class HandleKind { Hid, Filter };
  struct HandleEntry {
    DeviceNumber device;
    HandleKind kind;
  };

  template <typename Fn>
  unsigned long WithHandle(VirtualHandle handle, HandleKind kind, Fn&& fn) {
    std::lock_guard lock(mutex_);
    auto it = handles_.find(handle);
    if (it == handles_.end() || it->second.kind != kind) return kErrorInvalidHandle;
    VirtualDevice* device = Lookup(it->second.device);
    if (!device->Plugged() || (kind == HandleKind::Hid && !device->HasInterface(InterfaceClass::Hid)))
      return kErrorNotConnected;
    unsigned long result = fn(*device);
    changed_.notify_all();
    return result;
  }

  VirtualDevice* Lookup(DeviceNumber number) const;
  void AddEvent(DeviceEventKind kind, InterfaceClass interfaceClass, const VirtualDevice& device);

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool shutdown_ = false;
  std::map<DeviceNumber, std::unique_ptr<VirtualDevice>> devices_;  // every device ever plugged
  DeviceNumber nextDevice_ = 1;
  std::map<VirtualHandle, HandleEntry> handles_;
  VirtualHandle nextHandle_ = 1;
  std::deque<DeviceEvent> events_;
  std::uint64_t eventSequence_ = 0;
  std::vector<std::string> busJournal_;
};

}  // namespace vorma::virtual72xx
