#include "panel/device/virtual/VirtualDevicePorts.h"

#include "foundation/DebugOutput.h"

#include <algorithm>
#include <vector>

namespace vorma {

using virtual72xx::InterfaceClass;
using virtual72xx::kOk;
using virtual72xx::Virtual72xxClient;
using virtual72xx::VirtualHandle;

namespace {

// The bus answers with Win32 error codes; a failure is reported and left in GetLastError like the
// real call's.
bool Succeeded(unsigned long error, const wchar_t* operation) {
  if (error == kOk) return true;
  DebugWin32Failure(operation, error);
  SetLastError(error);
  return false;
}

class VirtualDeviceEnumeration final : public DeviceEnumerationPort {
public:
  explicit VirtualDeviceEnumeration(Virtual72xxClient client) : client_(std::move(client)) {}

  bool ForEachFirstHardwareId(const std::function<bool(const std::wstring&)>& visit) override {
    std::vector<virtual72xx::DeviceNode> nodes;
    if (!Succeeded(client_.ListDeviceNodes(nodes), L"SetupDiGetClassDevsW")) return false;
    for (const auto& node : nodes) {
      if (visit(node.hardwareIds.empty() ? std::wstring() : node.hardwareIds.front())) break;
    }
    return true;
  }

private:
  Virtual72xxClient client_;
};

class VirtualHidConnection final : public HidConnection {
public:
  VirtualHidConnection(Virtual72xxClient client, VirtualHandle handle) : client_(std::move(client)), handle_(handle) {}
  ~VirtualHidConnection() override { client_.Close(handle_); }
  VirtualHidConnection(const VirtualHidConnection&) = delete;
  VirtualHidConnection& operator=(const VirtualHidConnection&) = delete;

  bool GetAttributes(HidIdentity& identity) override {
    virtual72xx::HidAttributes attributes;
    if (!Succeeded(client_.HidGetAttributes(handle_, attributes), L"HidD_GetAttributes")) return false;
    identity.vendorId = attributes.vendorId;
    identity.productId = attributes.productId;
    return true;
  }

  bool ReadReportSizes(HidReportSizes& sizes) override {
    virtual72xx::HidReportLengths lengths;
    if (!Succeeded(client_.HidGetReportLengths(handle_, lengths), L"HidP_GetCaps")) return false;
    sizes.input = lengths.input;
    sizes.output = lengths.output;
    return true;
  }

  bool SetOutputReport(std::span<const std::uint8_t> report) override {
    return Succeeded(client_.HidSetOutputReport(handle_, std::vector<std::uint8_t>(report.begin(), report.end())),
                     L"HidD_SetOutputReport");
  }

  bool GetInputReport(std::span<std::uint8_t> report) override {
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    if (!Succeeded(client_.HidGetInputReport(handle_, buffer), L"HidD_GetInputReport")) return false;
    std::copy_n(buffer.begin(), std::min(buffer.size(), report.size()), report.begin());
    return true;
  }

private:
  Virtual72xxClient client_;
  VirtualHandle handle_;
};

class VirtualHidPort final : public HidPort {
public:
  explicit VirtualHidPort(Virtual72xxClient client) : client_(std::move(client)) {}

  void ForEachInterfacePath(const std::function<bool(const std::wstring&)>& visit) override {
    std::vector<virtual72xx::DeviceInterface> interfaces;
    if (!Succeeded(client_.ListInterfaces(InterfaceClass::Hid, interfaces), L"SetupDiGetClassDevsW")) return;
    for (const auto& deviceInterface : interfaces) {
      if (visit(deviceInterface.path)) return;
    }
  }

  std::unique_ptr<HidConnection> Open(const std::wstring& path) override {
    VirtualHandle handle = 0;
    const unsigned long error = client_.HidOpen(path, handle);
    if (error != kOk) {
      SetLastError(error);
      return nullptr;
    }
    return std::make_unique<VirtualHidConnection>(client_, handle);
  }

private:
  Virtual72xxClient client_;
};

class VirtualFilterConnection final : public FilterConnection {
public:
  VirtualFilterConnection(Virtual72xxClient client, VirtualHandle handle)
      : client_(std::move(client)), handle_(handle) {}
  ~VirtualFilterConnection() override { client_.Close(handle_); }
  VirtualFilterConnection(const VirtualFilterConnection&) = delete;
  VirtualFilterConnection& operator=(const VirtualFilterConnection&) = delete;

  bool IoControl(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                 std::uint32_t& bytesReturned) override {
    virtual72xx::FilterReply reply;
    const unsigned long error = client_.FilterIoControl(
        handle_, code, std::vector<std::uint8_t>(input.begin(), input.end()),
        static_cast<std::uint32_t>(output.size()), reply);
    if (!Succeeded(error, L"DeviceIoControl")) return false;
    const size_t count = std::min(reply.output.size(), output.size());
    std::copy_n(reply.output.begin(), count, output.begin());
    bytesReturned = static_cast<std::uint32_t>(count);
    return true;
  }

private:
  Virtual72xxClient client_;
  VirtualHandle handle_;
};

class VirtualFilterPort final : public FilterPort {
public:
  explicit VirtualFilterPort(Virtual72xxClient client) : client_(std::move(client)) {}

  std::unique_ptr<FilterConnection> Open(const std::wstring& controlName) override {
    VirtualHandle handle = 0;
    const unsigned long error = client_.FilterOpen(controlName, handle);
    if (error != kOk) {
      SetLastError(error);
      return nullptr;
    }
    return std::make_unique<VirtualFilterConnection>(client_, handle);
  }

private:
  Virtual72xxClient client_;
};

}  // namespace

DevicePorts CreateVirtualDevicePorts(const Virtual72xxClient& client) {
  DevicePorts ports;
  ports.enumeration = std::make_unique<VirtualDeviceEnumeration>(client);
  ports.hid = std::make_unique<VirtualHidPort>(client);
  ports.filter = std::make_unique<VirtualFilterPort>(client);
  ports.notifications = CreateVirtualDeviceNotifications(client);
  return ports;
}

}  // namespace vorma
