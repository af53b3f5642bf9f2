#include "outside/virtual72xx/Virtual72xxClient.h"

#include "outside/virtual72xx/ProtocolFields.h"

#include <bit>

namespace vorma::virtual72xx {

using protocol::FieldReader;
using protocol::Line;

namespace {

const char* ClassField(InterfaceClass interfaceClass) {
  return interfaceClass == InterfaceClass::Audio ? "audio" : "hid";
}

bool ReadClass(FieldReader& reader, InterfaceClass& interfaceClass) {
  const std::string& text = reader.Text();
  if (text == "audio") interfaceClass = InterfaceClass::Audio;
  else if (text == "hid") interfaceClass = InterfaceClass::Hid;
  else return false;
  return reader.ok();
}

}  // namespace

const char* RgbFunctionName(RgbForm form, RgbCommand command) {
  static const char* const kNames[3][5] = {
      {"DLLQZ_SetRGB_Mode", "DLLQZ_SetRGB_Color", "DLLQZ_SetRGB_SingleColor", "DLLQZ_SetRGB_Brightness",
       "DLLQZ_SetRGB_Step"},
      {"DLLQZ_SetRGB_Mode_ById", "DLLQZ_SetRGB_Color_ById", "DLLQZ_SetRGB_SingleColor_ById",
       "DLLQZ_SetRGB_Brightness_ById", "DLLQZ_SetRGB_Step_ById"},
      {"DLLQZ_UsbHidSlave_SetRGB_Mode_Ex", "DLLQZ_UsbHidSlave_SetRGB_Color_Ex",
       "DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex", "DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex",
       "DLLQZ_UsbHidSlave_SetRGB_Step_Ex"},
  };
  return kNames[static_cast<int>(form)][static_cast<int>(command)];
}

Virtual72xxClient::Virtual72xxClient(std::shared_ptr<Transport> transport) : transport_(std::move(transport)) {}

Virtual72xxClient Virtual72xxClient::FromEnvironment() { return Virtual72xxClient(ConnectPipe(DefaultPipeName())); }

unsigned long Virtual72xxClient::Exchange(const std::string& request, std::string& reply) {
  if (!transport_) return kErrorTransport;
  return transport_->Exchange(request, reply);
}

unsigned long Virtual72xxClient::Call(const std::string& request, std::vector<std::string>& fields) {
  std::string reply;
  if (unsigned long error = Exchange(request, reply); error != kOk) return error;
  std::vector<std::string> all = protocol::SplitFields(reply);
  if (!all.empty() && all[0] == "ok") {
    fields.assign(all.begin() + 1, all.end());
    return kOk;
  }
  if (all.size() >= 2 && all[0] == "err") {
    std::uint64_t code = 0;
    if (protocol::ParseUnsigned(all[1], code) && code != 0) return static_cast<unsigned long>(code);
  }
  return kErrorBadReply;
}

// SDK replies carry the SDK result first; a reply that does not come back counts as a failed call.
int Virtual72xxClient::SdkCall(const std::string& request, std::vector<std::string>& fields) {
  std::vector<std::string> all;
  if (Call(request, all) != kOk) return kSdkTransportFailed;
  FieldReader reader(all);
  int result = reader.Number<int>();
  if (!reader.ok()) return kSdkTransportFailed;
  fields.assign(all.begin() + 1, all.end());
  return result;
}

template <typename T>
unsigned long Virtual72xxClient::CallForNumber(const std::string& request, T& out, T lowest) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(request, fields); error != kOk) return error;
  FieldReader reader(fields);
  const T value = reader.Number<T>(lowest);
  if (!reader.ok()) return kErrorBadReply;
  out = value;
  return kOk;
}

unsigned long Virtual72xxClient::CallForBytes(const std::string& request, std::vector<std::uint8_t>& out) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(request, fields); error != kOk) return error;
  FieldReader reader(fields);
  std::vector<std::uint8_t> bytes = reader.Bytes();
  if (!reader.ok()) return kErrorBadReply;
  out = std::move(bytes);
  return kOk;
}

template <typename T>
int Virtual72xxClient::SdkCallForNumber(const std::string& request, T& out) {
  std::vector<std::string> fields;
  const int result = SdkCall(request, fields);
  if (result != kSdkOk) return result;
  FieldReader reader(fields);
  const T value = reader.Number<T>();
  if (!reader.ok()) return kSdkTransportFailed;
  out = value;
  return result;
}

int Virtual72xxClient::SdkCallForBytes(const std::string& request, std::vector<std::uint8_t>& out) {
  std::vector<std::string> fields;
  const int result = SdkCall(request, fields);
  if (result != kSdkOk) return result;
  FieldReader reader(fields);
  std::vector<std::uint8_t> bytes = reader.Bytes();
  if (!reader.ok()) return kSdkTransportFailed;
  out = std::move(bytes);
  return result;
}

// --- enumeration ---

unsigned long Virtual72xxClient::ListDevices(std::vector<DeviceSummary>& devices) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("devices"), fields); error != kOk) return error;
  FieldReader reader(fields);
  std::vector<DeviceSummary> out(reader.Number<size_t>(0, 10000));
  for (DeviceSummary& d : out) {
    d.device = reader.Number<int>();
    d.kind = reader.Text();
    d.vendorId = reader.Number<std::uint16_t>();
    d.productId = reader.Number<std::uint16_t>();
    d.firstHardwareId = reader.Wide();
    d.hidPath = reader.Wide();
    d.filterControlName = reader.Wide();
    d.captureDescription = reader.Wide();
    d.captureFriendlyName = reader.Wide();
    d.captureInterfacePath = reader.Wide();
  }
  if (!reader.ok()) return kErrorBadReply;
  devices = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::ListDeviceNodes(std::vector<DeviceNode>& nodes) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("nodes"), fields); error != kOk) return error;
  FieldReader reader(fields);
  std::vector<DeviceNode> out(reader.Number<size_t>(0, 100000));
  for (DeviceNode& node : out) {
    node.device = reader.Number<int>();
    node.hardwareIds.resize(reader.Number<size_t>(0, 64));
    for (std::wstring& id : node.hardwareIds) id = reader.Wide();
  }
  if (!reader.ok()) return kErrorBadReply;
  nodes = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::ListInterfaces(InterfaceClass interfaceClass,
                                                std::vector<DeviceInterface>& interfaces) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("interfaces", ClassField(interfaceClass)), fields); error != kOk)
    return error;
  FieldReader reader(fields);
  std::vector<DeviceInterface> out(reader.Number<size_t>(0, 100000));
  for (DeviceInterface& item : out) {
    item.device = reader.Number<int>();
    if (!ReadClass(reader, item.interfaceClass)) return kErrorBadReply;
    item.path = reader.Wide();
    item.broadcastName = reader.Wide();
  }
  if (!reader.ok()) return kErrorBadReply;
  interfaces = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::FindDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device) {
  return CallForNumber(Line("find", vendorId, productId), device);
}

// --- HID ---

unsigned long Virtual72xxClient::HidOpen(const std::wstring& path, VirtualHandle& handle) {
  return CallForNumber(Line("hid.open", path), handle, VirtualHandle{1});
}

unsigned long Virtual72xxClient::HidGetAttributes(VirtualHandle handle, HidAttributes& attributes) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("hid.attributes", handle), fields); error != kOk) return error;
  FieldReader reader(fields);
  HidAttributes out;
  out.vendorId = reader.Number<std::uint16_t>();
  out.productId = reader.Number<std::uint16_t>();
  out.versionNumber = reader.Number<std::uint16_t>();
  if (!reader.ok()) return kErrorBadReply;
  attributes = out;
  return kOk;
}

unsigned long Virtual72xxClient::HidGetReportLengths(VirtualHandle handle, HidReportLengths& lengths) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("hid.caps", handle), fields); error != kOk) return error;
  FieldReader reader(fields);
  HidReportLengths out;
  out.input = reader.Number<std::uint16_t>();
  out.output = reader.Number<std::uint16_t>();
  out.feature = reader.Number<std::uint16_t>();
  if (!reader.ok()) return kErrorBadReply;
  lengths = out;
  return kOk;
}

unsigned long Virtual72xxClient::HidSetOutputReport(VirtualHandle handle, const std::vector<std::uint8_t>& report) {
  std::vector<std::string> fields;
  return Call(Line("hid.set", handle, report), fields);
}

unsigned long Virtual72xxClient::HidGetInputReport(VirtualHandle handle, std::vector<std::uint8_t>& report) {
  return CallForBytes(Line("hid.get", handle, report), report);
}

// --- filter control device ---

unsigned long Virtual72xxClient::FilterOpen(const std::wstring& controlName, VirtualHandle& handle) {
  return CallForNumber(Line("filter.open", controlName), handle, VirtualHandle{1});
}

unsigned long Virtual72xxClient::FilterIoControl(VirtualHandle handle, std::uint32_t code,
                                                 const std::vector<std::uint8_t>& input,
                                                 std::uint32_t outputCapacity, FilterReply& reply) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("filter.ioctl", handle, code, input, outputCapacity), fields); error != kOk)
    return error;
  FieldReader reader(fields);
  FilterReply out;
  out.output = reader.Bytes();
  if (!reader.ok()) return kErrorBadReply;
  reply = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::Close(VirtualHandle handle) {
  std::vector<std::string> fields;
  return Call(Line("close", handle), fields);
}

// --- events ---

unsigned long Virtual72xxClient::LatestEventSequence(std::uint64_t& sequence) {
  return CallForNumber(Line("events.latest"), sequence);
}

unsigned long Virtual72xxClient::WaitDeviceEvent(std::uint64_t afterSequence, unsigned long timeoutMs,
                                                 DeviceEvent& event) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("events.wait", afterSequence, timeoutMs), fields); error != kOk)
    return error;
  FieldReader reader(fields);
  DeviceEvent out;
  out.sequence = reader.Number<std::uint64_t>();
  const std::string& kind = reader.Text();
  if (kind == "arrival") out.kind = DeviceEventKind::Arrival;
  else if (kind == "removal") out.kind = DeviceEventKind::Removal;
  else return kErrorBadReply;
  if (!ReadClass(reader, out.interfaceClass)) return kErrorBadReply;
  out.device = reader.Number<int>();
  out.name = reader.Wide();
  if (!reader.ok()) return kErrorBadReply;
  event = std::move(out);
  return kOk;
}

// --- SDK level ---

int Virtual72xxClient::SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device) {
  return SdkCallForNumber(Line("sdk.setactive", vendorId, productId), device);
}

int Virtual72xxClient::SdkAudioCommand(DeviceNumber device, std::vector<std::uint8_t>& block) {
  return SdkCallForBytes(Line("sdk.audio", device, block), block);
}

int Virtual72xxClient::SdkSetVirtual7ch1OnOff(DeviceNumber device, std::uint32_t enable) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.v71.onoff", device, enable), fields);
}

int Virtual72xxClient::SdkSetVirtual7ch1(DeviceNumber device, const std::vector<std::uint8_t>& block68) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.v71.block", device, block68), fields);
}

int Virtual72xxClient::SdkSetVirtual7ch1Scalar(DeviceNumber device, float scalar) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.v71.scalar", device, std::bit_cast<std::uint32_t>(scalar)), fields);
}

int Virtual72xxClient::SdkSetEncParameters(DeviceNumber device, const std::vector<std::uint8_t>& record16) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.enc.params", device, record16), fields);
}

int Virtual72xxClient::SdkConfigEq(DeviceNumber device, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.eq.config", device, deviceIndex), fields);
}

int Virtual72xxClient::SdkIsEqEnable(DeviceNumber device, std::uint32_t& enable, std::uint8_t deviceIndex) {
  return SdkCallForNumber(Line("sdk.eq.query", device, deviceIndex), enable);
}

int Virtual72xxClient::SdkSetEqOnOff(DeviceNumber device, std::uint32_t enable, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.eq.onoff", device, enable, deviceIndex), fields);
}

int Virtual72xxClient::SdkConfig3D(DeviceNumber device, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.3d.config", device, deviceIndex), fields);
}

int Virtual72xxClient::SdkIs3DEnable(DeviceNumber device, std::uint32_t& enable, std::uint8_t deviceIndex) {
  return SdkCallForNumber(Line("sdk.3d.query", device, deviceIndex), enable);
}

int Virtual72xxClient::SdkSet3DOnOff(DeviceNumber device, std::uint32_t enable, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.3d.onoff", device, enable, deviceIndex), fields);
}

int Virtual72xxClient::SdkReadI2c(DeviceNumber device, std::uint8_t deviceAddress, std::uint8_t byteAddress,
                                  std::uint32_t length, std::uint32_t timeout, std::uint8_t deviceIndex,
                                  std::vector<std::uint8_t>& data) {
  return SdkCallForBytes(Line("sdk.i2c.read", device, deviceAddress, byteAddress, length, timeout, deviceIndex), data);
}

int Virtual72xxClient::SdkWriteI2c(DeviceNumber device, std::uint8_t deviceAddress, std::uint8_t byteAddress,
                                   const std::vector<std::uint8_t>& data, std::uint32_t timeout,
                                   std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.i2c.write", device, deviceAddress, byteAddress, data, timeout, deviceIndex), fields);
}

int Virtual72xxClient::SdkWriteRegister(DeviceNumber device, std::uint16_t address, std::uint8_t value,
                                        std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.reg.write", device, address, value, deviceIndex), fields);
}

int Virtual72xxClient::SdkReadRegister(DeviceNumber device, std::uint16_t address, std::uint8_t& value,
                                       std::uint8_t deviceIndex) {
  return SdkCallForNumber(Line("sdk.reg.read", device, address, deviceIndex), value);
}

int Virtual72xxClient::SdkScanButton(DeviceNumber device, std::uint16_t vendorId, std::uint16_t productId,
                                     bool hasCallback, std::uint32_t enable, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.scan", device, vendorId, productId, hasCallback, enable, deviceIndex), fields);
}

int Virtual72xxClient::SdkSetGpioMode(DeviceNumber device, const std::vector<std::uint8_t>& modes,
                                      std::uint32_t count, std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.gpio.mode", device, modes, count, deviceIndex), fields);
}

int Virtual72xxClient::SdkSetGpioModeEx(DeviceNumber device, std::uint8_t gpio, std::uint8_t mode,
                                        std::uint8_t deviceIndex) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.gpio.modeex", device, gpio, mode, deviceIndex), fields);
}

int Virtual72xxClient::SdkGetGpioEx(DeviceNumber device, std::uint8_t gpio, std::uint8_t& level,
                                    std::uint8_t deviceIndex) {
  return SdkCallForNumber(Line("sdk.gpio.get", device, gpio, deviceIndex), level);
}

int Virtual72xxClient::SdkRgb(DeviceNumber device, const RgbRequest& r) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.rgb", device, static_cast<int>(r.form), static_cast<int>(r.command), r.controllerId,
                      r.led, r.value, r.speed, r.red, r.green, r.blue, r.timeout, r.deviceIndex),
                 fields);
}

int Virtual72xxClient::SdkUnsupported(DeviceNumber device, const std::string& functionName) {
  std::vector<std::string> fields;
  return SdkCall(Line("sdk.unsupported", device, functionName), fields);
}

unsigned long Virtual72xxClient::WaitScanReport(DeviceNumber device, std::uint64_t afterSequence,
                                                unsigned long timeoutMs, ScanReport& report) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("scan.wait", device, afterSequence, timeoutMs), fields); error != kOk)
    return error;
  FieldReader reader(fields);
  ScanReport out;
  out.sequence = reader.Number<std::uint64_t>();
  std::vector<std::uint8_t> bytes = reader.Bytes();
  if (!reader.ok() || bytes.size() != out.bytes.size()) return kErrorBadReply;
  std::copy(bytes.begin(), bytes.end(), out.bytes.begin());
  report = out;
  return kOk;
}

// --- capture endpoint ---

unsigned long Virtual72xxClient::CaptureGet(DeviceNumber device, CaptureState& state) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("capture.get", device), fields); error != kOk) return error;
  FieldReader reader(fields);
  CaptureState out;
  out.volumePercent = reader.Number<int>(0, 100);
  out.mute = reader.Flag();
  out.boost = reader.Flag();
  out.signal = reader.Number<int>(0, 127);
  if (!reader.ok()) return kErrorBadReply;
  state = out;
  return kOk;
}

unsigned long Virtual72xxClient::CaptureSetVolume(DeviceNumber device, int percent) {
  std::vector<std::string> fields;
  return Call(Line("capture.volume", device, percent), fields);
}

unsigned long Virtual72xxClient::CaptureSetMute(DeviceNumber device, bool mute) {
  std::vector<std::string> fields;
  return Call(Line("capture.mute", device, mute), fields);
}

unsigned long Virtual72xxClient::CaptureSetBoost(DeviceNumber device, bool boost) {
  std::vector<std::string> fields;
  return Call(Line("capture.boost", device, boost), fields);
}

unsigned long Virtual72xxClient::CaptureRead(DeviceNumber device, std::uint32_t count,
                                             std::vector<std::uint8_t>& samples) {
  return CallForBytes(Line("capture.read", device, count), samples);
}

// --- tool and test operations ---

unsigned long Virtual72xxClient::Plug(const PlugOptions& options, DeviceNumber& device) {
  return CallForNumber(Line("plug", options.kind, options.productId), device, int{1});
}

unsigned long Virtual72xxClient::Unplug(DeviceNumber device) {
  std::vector<std::string> fields;
  return Call(Line("unplug", device), fields);
}

unsigned long Virtual72xxClient::RemoveInterface(DeviceNumber device, InterfaceClass interfaceClass) {
  std::vector<std::string> fields;
  return Call(Line("interface.remove", device, ClassField(interfaceClass)), fields);
}

unsigned long Virtual72xxClient::SetGpioLevel(DeviceNumber device, int pin, int level) {
  std::vector<std::string> fields;
  return Call(Line("gpio", device, pin, level), fields);
}

unsigned long Virtual72xxClient::InjectFault(DeviceNumber device, const std::string& call, int count) {
  std::vector<std::string> fields;
  return Call(Line("fault", device, call, count), fields);
}

unsigned long Virtual72xxClient::SetReportLengths(DeviceNumber device, std::uint16_t input, std::uint16_t output) {
  std::vector<std::string> fields;
  return Call(Line("lengths", device, input, output), fields);
}

unsigned long Virtual72xxClient::SetMicSignal(DeviceNumber device, int signal) {
  std::vector<std::string> fields;
  return Call(Line("mic", device, signal), fields);
}

unsigned long Virtual72xxClient::WriteEeprom(DeviceNumber device, std::uint32_t offset,
                                             const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> fields;
  return Call(Line("eeprom", device, offset, bytes), fields);
}

unsigned long Virtual72xxClient::PeekRegister(DeviceNumber device, std::uint16_t address, std::uint8_t& value) {
  return CallForNumber(Line("peek", device, address), value);
}

unsigned long Virtual72xxClient::DumpState(DeviceNumber device, std::vector<StateEntry>& state) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("dump", device), fields); error != kOk) return error;
  FieldReader reader(fields);
  std::vector<StateEntry> out(reader.Number<size_t>(0, 1000000));
  for (StateEntry& entry : out) {
    entry.key = reader.Text();
    entry.value = reader.Text();
  }
  if (!reader.ok()) return kErrorBadReply;
  state = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::StateValue(DeviceNumber device, const std::string& key, std::string& value) {
  std::vector<StateEntry> state;
  if (unsigned long error = DumpState(device, state); error != kOk) return error;
  for (const StateEntry& entry : state) {
    if (entry.key == key) {
      value = entry.value;
      return kOk;
    }
  }
  return kErrorNotFound;
}

unsigned long Virtual72xxClient::ReadJournal(DeviceNumber device, std::vector<std::string>& lines, bool clear) {
  std::vector<std::string> fields;
  if (unsigned long error = Call(Line("journal", device, clear), fields); error != kOk) return error;
  FieldReader reader(fields);
  std::vector<std::string> out(reader.Number<size_t>(0, 10000000));
  for (std::string& line : out) line = reader.Text();
  if (!reader.ok()) return kErrorBadReply;
  lines = std::move(out);
  return kOk;
}

unsigned long Virtual72xxClient::ClearJournal(DeviceNumber device) {
  std::vector<std::string> fields;
  return Call(Line("journal.clear", device), fields);
}

unsigned long Virtual72xxClient::StopServer() {
  std::vector<std::string> fields;
  return Call(Line("stop"), fields);
}

}  // namespace vorma::virtual72xx
