#include "outside/virtual72xx/VirtualBus.h"

#include "outside/virtual72xx/JournalText.h"
#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include <windows.h>

#include <chrono>

namespace vorma::virtual72xx {

namespace {

constexpr size_t kEventsKept = 4096;

bool SameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::string Narrow(const std::wstring& text) { return protocol::Utf8FromWide(text); }

}  // namespace

VirtualDevice* VirtualBus::Lookup(DeviceNumber number) const {
  auto it = devices_.find(number);
  return it == devices_.end() ? nullptr : it->second.get();
}

void VirtualBus::AddEvent(DeviceEventKind kind, InterfaceClass interfaceClass, const VirtualDevice& device) {
  DeviceEvent event;
  event.sequence = ++eventSequence_;
  event.kind = kind;
  event.interfaceClass = interfaceClass;
  event.device = device.Number();
  const DeviceIdentity& id = device.Identity();
  event.name = interfaceClass == InterfaceClass::Audio ? id.audioBroadcast : id.hidBroadcast;
  events_.push_back(std::move(event));
  if (events_.size() > kEventsKept) events_.pop_front();
}

unsigned long VirtualBus::Plug(const PlugOptions& options, DeviceNumber& device) {
  std::lock_guard lock(mutex_);
  std::optional<DeviceIdentity> identity = MakeIdentity(options.kind, options.productId, nextDevice_);
  if (!identity) return kErrorInvalidParameter;
  const DeviceNumber number = nextDevice_++;
  auto plugged = std::make_unique<VirtualDevice>(number, std::move(*identity));
  const VirtualDevice& d = *plugged;
  const std::string line = Printf("plug %d %s %04X %04X", number, d.Identity().kind.c_str(), d.Identity().vendorId,
                                  d.Identity().productId);
  plugged->Note(line);
  busJournal_.push_back(line);
  devices_[number] = std::move(plugged);
  if (d.HasInterface(InterfaceClass::Audio)) AddEvent(DeviceEventKind::Arrival, InterfaceClass::Audio, d);
  if (d.HasInterface(InterfaceClass::Hid)) AddEvent(DeviceEventKind::Arrival, InterfaceClass::Hid, d);
  device = number;
  changed_.notify_all();
  return kOk;
}

unsigned long VirtualBus::Unplug(DeviceNumber number) {
  std::lock_guard lock(mutex_);
  VirtualDevice* device = Lookup(number);
  if (!device || !device->Plugged()) return kErrorNotFound;
  if (device->HasInterface(InterfaceClass::Hid)) AddEvent(DeviceEventKind::Removal, InterfaceClass::Hid, *device);
  if (device->HasInterface(InterfaceClass::Audio)) AddEvent(DeviceEventKind::Removal, InterfaceClass::Audio, *device);
  device->Unplug();
  device->Note("unplug");
  busJournal_.push_back(Printf("unplug %d", number));
  changed_.notify_all();
  return kOk;
}

unsigned long VirtualBus::RemoveInterface(DeviceNumber number, InterfaceClass interfaceClass) {
  std::lock_guard lock(mutex_);
  VirtualDevice* device = Lookup(number);
  if (!device || !device->Plugged() || !device->HasInterface(interfaceClass)) return kErrorNotFound;
  AddEvent(DeviceEventKind::Removal, interfaceClass, *device);
  device->RemoveInterface(interfaceClass);
  device->Note(interfaceClass == InterfaceClass::Audio ? "interface.remove audio" : "interface.remove hid");
  changed_.notify_all();
  return kOk;
}

std::vector<DeviceSummary> VirtualBus::Devices() const {
  std::lock_guard lock(mutex_);
  std::vector<DeviceSummary> out;
  for (const auto& [number, device] : devices_) {
    if (!device->Plugged()) continue;
    const DeviceIdentity& id = device->Identity();
    out.push_back({number, id.kind, id.vendorId, id.productId, id.firstHardwareId,
                   device->HasInterface(InterfaceClass::Hid) ? id.hidPath : std::wstring(), id.filterControlName,
                   id.captureDescription, id.captureFriendlyName, id.captureInterfacePath});
  }
  return out;
}

std::vector<DeviceNode> VirtualBus::Nodes() const {
  std::lock_guard lock(mutex_);
  std::vector<DeviceNode> out;
  for (const auto& [number, device] : devices_) {
    if (!device->Plugged()) continue;
    for (const auto& ids : device->Identity().nodes) out.push_back({number, ids});
  }
  return out;
}

std::vector<DeviceInterface> VirtualBus::Interfaces(InterfaceClass interfaceClass) const {
  std::lock_guard lock(mutex_);
  std::vector<DeviceInterface> out;
  for (const auto& [number, device] : devices_) {
    if (!device->Plugged() || !device->HasInterface(interfaceClass)) continue;
    const DeviceIdentity& id = device->Identity();
    if (interfaceClass == InterfaceClass::Audio)
      out.push_back({number, interfaceClass, id.audioPath, id.audioBroadcast});
    else
      out.push_back({number, interfaceClass, id.hidPath, id.hidBroadcast});
  }
  return out;
}

unsigned long VirtualBus::Find(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& number) const {
  std::lock_guard lock(mutex_);
  for (const auto& [n, device] : devices_) {
    if (device->Plugged() && device->Identity().vendorId == vendorId && device->Identity().productId == productId) {
      number = n;
      return kOk;
    }
  }
  return kErrorNotFound;
}

unsigned long VirtualBus::HidOpen(const std::wstring& path, VirtualHandle& handle) {
  std::lock_guard lock(mutex_);
  for (const auto& [number, device] : devices_) {
    if (!device->HasInterface(InterfaceClass::Hid) || !SameText(device->Identity().hidPath, path)) continue;
    if (unsigned long error = device->HidOpen(); error != kOk) return error;
    handle = nextHandle_++;
    handles_[handle] = {number, HandleKind::Hid};
    changed_.notify_all();
    return kOk;
  }
  busJournal_.push_back("hid.open " + Narrow(path) + " -> not found");
  return kErrorNotFound;
}

unsigned long VirtualBus::FilterOpen(const std::wstring& controlName, VirtualHandle& handle) {
  std::lock_guard lock(mutex_);
  for (const auto& [number, device] : devices_) {
    const std::wstring& name = device->Identity().filterControlName;
    if (!device->Plugged() || name.empty() || !SameText(name, controlName)) continue;
    if (unsigned long error = device->FilterOpen(); error != kOk) return error;
    handle = nextHandle_++;
    handles_[handle] = {number, HandleKind::Filter};
    changed_.notify_all();
    return kOk;
  }
  busJournal_.push_back("filter.open " + Narrow(controlName) + " -> not found");
  return kErrorNotFound;
}

unsigned long VirtualBus::Close(VirtualHandle handle) {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(handle);
  if (it == handles_.end()) return kErrorInvalidHandle;
  VirtualDevice* device = Lookup(it->second.device);
  if (it->second.kind == HandleKind::Hid) device->HidClose();
  else device->FilterClose();
  handles_.erase(it);
  changed_.notify_all();
  return kOk;
}

int VirtualBus::SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& number) {
  std::lock_guard lock(mutex_);
  for (const auto& [n, device] : devices_) {
    const DeviceIdentity& id = device->Identity();
    if (!device->Plugged() || !id.is72xx || id.vendorId != vendorId || id.productId != productId) continue;
    const int result = device->SdkSetActiveDevice(vendorId, productId);
    if (result == kSdkOk) number = n;
    return result;
  }
  busJournal_.push_back(Printf("sdk DLLQZ_SetActive_Device %u %u -> %d (no device)", vendorId, productId, kSdkFailed));
  return kSdkFailed;
}

std::uint64_t VirtualBus::LatestEventSequence() const {
  std::lock_guard lock(mutex_);
  return eventSequence_;
}

unsigned long VirtualBus::WaitDeviceEvent(std::uint64_t afterSequence, unsigned long timeoutMs, DeviceEvent& event) {
  std::unique_lock lock(mutex_);
  const DeviceEvent* found = nullptr;
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    for (const DeviceEvent& e : events_) {
      if (e.sequence > afterSequence) {
        found = &e;
        return true;
      }
    }
    return shutdown_;
  });
  if (!found) return shutdown_ ? kErrorTransport : kErrorTimeout;
  event = *found;
  return kOk;
}

unsigned long VirtualBus::WaitScanReport(DeviceNumber number, std::uint64_t afterSequence, unsigned long timeoutMs,
                                         ScanReport& report) {
  std::unique_lock lock(mutex_);
  VirtualDevice* device = Lookup(number);
  if (!device) return kErrorNotFound;
  std::optional<ScanReport> found;
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    found = device->ScanReportAfter(afterSequence);
    return found.has_value() || !device->Plugged() || shutdown_;
  });
  if (found) {
    report = *found;
    return kOk;
  }
  if (!device->Plugged()) return kErrorNotConnected;
  return shutdown_ ? kErrorTransport : kErrorTimeout;
}

unsigned long VirtualBus::ReadJournal(DeviceNumber number, std::vector<std::string>& lines, bool clear) {
  std::lock_guard lock(mutex_);
  if (number == kBusJournal) {
    lines = busJournal_;
    if (clear) busJournal_.clear();
    return kOk;
  }
  VirtualDevice* device = Lookup(number);
  if (!device) return kErrorNotFound;
  lines = device->Journal();
  if (clear) device->ClearJournal();
  return kOk;
}

void VirtualBus::NoteBus(std::string line) {
  std::lock_guard lock(mutex_);
  busJournal_.push_back(std::move(line));
}

void VirtualBus::Shutdown() {
  std::lock_guard lock(mutex_);
  shutdown_ = true;
  changed_.notify_all();
}

}  // namespace vorma::virtual72xx
