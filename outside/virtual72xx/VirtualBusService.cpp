#include "outside/virtual72xx/VirtualBusService.h"

#include "outside/virtual72xx/ProtocolFields.h"

#include <bit>
#include <map>

namespace vorma::virtual72xx {

using protocol::ErrorReply;
using protocol::FieldReader;
using protocol::Fields;
using protocol::OkReply;

namespace {

using Handler = std::string (*)(VirtualBus& bus, FieldReader& in);

std::string BadArguments() { return ErrorReply(kErrorInvalidParameter, "bad arguments"); }

// The reply for a call that returns only a Win32 code.
std::string Status(unsigned long error) { return error == kOk ? OkReply() : ErrorReply(error, "failed"); }

bool Complete(const FieldReader& in) { return in.ok() && in.AtEnd(); }

bool ReadClass(FieldReader& in, InterfaceClass& interfaceClass) {
  const std::string& text = in.Text();
  if (text == "audio") interfaceClass = InterfaceClass::Audio;
  else if (text == "hid") interfaceClass = InterfaceClass::Hid;
  else return false;
  return true;
}

const char* ClassText(InterfaceClass interfaceClass) {
  return interfaceClass == InterfaceClass::Audio ? "audio" : "hid";
}

// --- enumeration ---

std::string ListDevices(VirtualBus& bus, FieldReader& in) {
  if (!Complete(in)) return BadArguments();
  std::vector<DeviceSummary> devices = bus.Devices();
  std::vector<std::string> out = Fields(devices.size());
  for (const DeviceSummary& d : devices) {
    for (std::string& field : Fields(d.device, d.kind, d.vendorId, d.productId, d.firstHardwareId, d.hidPath,
                                     d.filterControlName, d.captureDescription, d.captureFriendlyName,
                                     d.captureInterfacePath))
      out.push_back(std::move(field));
  }
  return OkReply(out);
}

std::string ListNodes(VirtualBus& bus, FieldReader& in) {
  if (!Complete(in)) return BadArguments();
  std::vector<DeviceNode> nodes = bus.Nodes();
  std::vector<std::string> out = Fields(nodes.size());
  for (const DeviceNode& node : nodes) {
    out.push_back(std::to_string(node.device));
    out.push_back(std::to_string(node.hardwareIds.size()));
    for (const std::wstring& id : node.hardwareIds) out.push_back(protocol::Field(id));
  }
  return OkReply(out);
}

std::string ListInterfaces(VirtualBus& bus, FieldReader& in) {
  InterfaceClass interfaceClass;
  if (!ReadClass(in, interfaceClass) || !Complete(in)) return BadArguments();
  std::vector<DeviceInterface> interfaces = bus.Interfaces(interfaceClass);
  std::vector<std::string> out = Fields(interfaces.size());
  for (const DeviceInterface& i : interfaces)
    for (std::string& field : Fields(i.device, ClassText(i.interfaceClass), i.path, i.broadcastName))
      out.push_back(std::move(field));
  return OkReply(out);
}

std::string FindDevice(VirtualBus& bus, FieldReader& in) {
  auto vid = in.Number<std::uint16_t>();
  auto pid = in.Number<std::uint16_t>();
  if (!Complete(in)) return BadArguments();
  DeviceNumber device = 0;
  if (unsigned long error = bus.Find(vid, pid, device); error != kOk) return Status(error);
  return OkReply(Fields(device));
}

// --- HID and filter handles ---

std::string HidOpen(VirtualBus& bus, FieldReader& in) {
  std::wstring path = in.Wide();
  if (!Complete(in)) return BadArguments();
  VirtualHandle handle = 0;
  if (unsigned long error = bus.HidOpen(path, handle); error != kOk) return Status(error);
  return OkReply(Fields(handle));
}

std::string HidAttributesRequest(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  if (!Complete(in)) return BadArguments();
  HidAttributes a;
  unsigned long error = bus.WithHidHandle(handle, [&](VirtualDevice& d) { return d.HidGetAttributes(a); });
  return error == kOk ? OkReply(Fields(a.vendorId, a.productId, a.versionNumber)) : Status(error);
}

std::string HidCaps(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  if (!Complete(in)) return BadArguments();
  HidReportLengths l;
  unsigned long error = bus.WithHidHandle(handle, [&](VirtualDevice& d) { return d.HidGetReportLengths(l); });
  return error == kOk ? OkReply(Fields(l.input, l.output, l.feature)) : Status(error);
}

std::string HidSet(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  std::vector<std::uint8_t> report = in.Bytes();
  if (!Complete(in)) return BadArguments();
  return Status(bus.WithHidHandle(handle, [&](VirtualDevice& d) { return d.HidSetOutputReport(report); }));
}

std::string HidGet(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  std::vector<std::uint8_t> report = in.Bytes();
  if (!Complete(in)) return BadArguments();
  unsigned long error = bus.WithHidHandle(handle, [&](VirtualDevice& d) { return d.HidGetInputReport(report); });
  return error == kOk ? OkReply(Fields(report)) : Status(error);
}

std::string FilterOpen(VirtualBus& bus, FieldReader& in) {
  std::wstring name = in.Wide();
  if (!Complete(in)) return BadArguments();
  VirtualHandle handle = 0;
  if (unsigned long error = bus.FilterOpen(name, handle); error != kOk) return Status(error);
  return OkReply(Fields(handle));
}

std::string FilterIoctl(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  auto code = in.Number<std::uint32_t>();
  std::vector<std::uint8_t> input = in.Bytes();
  auto capacity = in.Number<std::uint32_t>();
  if (!Complete(in)) return BadArguments();
  FilterReply reply;
  unsigned long error =
      bus.WithFilterHandle(handle, [&](VirtualDevice& d) { return d.FilterIoControl(code, input, capacity, reply); });
  return error == kOk ? OkReply(Fields(reply.output)) : Status(error);
}

std::string CloseHandleRequest(VirtualBus& bus, FieldReader& in) {
  auto handle = in.Number<VirtualHandle>();
  if (!Complete(in)) return BadArguments();
  return Status(bus.Close(handle));
}

// --- events ---

std::string EventsLatest(VirtualBus& bus, FieldReader& in) {
  if (!Complete(in)) return BadArguments();
  return OkReply(Fields(bus.LatestEventSequence()));
}

std::string EventsWait(VirtualBus& bus, FieldReader& in) {
  auto after = in.Number<std::uint64_t>();
  auto timeout = in.Number<unsigned long>();
  if (!Complete(in)) return BadArguments();
  DeviceEvent e;
  if (unsigned long error = bus.WaitDeviceEvent(after, timeout, e); error != kOk) return Status(error);
  return OkReply(Fields(e.sequence, e.kind == DeviceEventKind::Arrival ? "arrival" : "removal",
                        ClassText(e.interfaceClass), e.device, e.name));
}

std::string ScanWait(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto after = in.Number<std::uint64_t>();
  auto timeout = in.Number<unsigned long>();
  if (!Complete(in)) return BadArguments();
  ScanReport report;
  if (unsigned long error = bus.WaitScanReport(device, after, timeout, report); error != kOk) return Status(error);
  return OkReply(Fields(report.sequence, std::vector<std::uint8_t>(report.bytes.begin(), report.bytes.end())));
}

// --- SDK level: "ok <result> <outputs...>" ---

// Runs an SDK call on a plugged device; kSdkNoDevice when it is not.
template <typename Fn>
std::string Sdk(VirtualBus& bus, FieldReader& in, DeviceNumber device, const char* what, Fn&& fn) {
  if (!Complete(in)) return BadArguments();
  std::vector<std::string> outputs;
  int result = bus.WithPluggedDevice(device, what, static_cast<int>(kSdkNoDevice),
                                     [&](VirtualDevice& d) { return fn(d, outputs); });
  std::vector<std::string> out = Fields(result);
  if (result == kSdkOk) out.insert(out.end(), outputs.begin(), outputs.end());
  return OkReply(out);
}

using Outputs = std::vector<std::string>;

std::string SdkSetActive(VirtualBus& bus, FieldReader& in) {
  auto vid = in.Number<std::uint16_t>();
  auto pid = in.Number<std::uint16_t>();
  if (!Complete(in)) return BadArguments();
  DeviceNumber device = 0;
  int result = bus.SdkSetActiveDevice(vid, pid, device);
  return OkReply(result == kSdkOk ? Fields(result, device) : Fields(result));
}

std::string SdkAudio(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto block = in.Bytes();
  return Sdk(bus, in, device, "sdk.audio", [&](VirtualDevice& d, Outputs& out) {
    int result = d.SdkAudioCommand(block);
    out = Fields(block);
    return result;
  });
}

std::string SdkV71OnOff(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto enable = in.Number<std::uint32_t>();
  return Sdk(bus, in, device, "sdk.v71.onoff", [&](VirtualDevice& d, Outputs&) { return d.SdkSetVirtual7ch1OnOff(enable); });
}

std::string SdkV71Block(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto block = in.Bytes();
  return Sdk(bus, in, device, "sdk.v71.block", [&](VirtualDevice& d, Outputs&) { return d.SdkSetVirtual7ch1(block); });
}

std::string SdkV71Scalar(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto bits = in.Number<std::uint32_t>();
  return Sdk(bus, in, device, "sdk.v71.scalar",
             [&](VirtualDevice& d, Outputs&) { return d.SdkSetVirtual7ch1Scalar(std::bit_cast<float>(bits)); });
}

std::string SdkEncParams(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto record = in.Bytes();
  return Sdk(bus, in, device, "sdk.enc.params", [&](VirtualDevice& d, Outputs&) { return d.SdkSetEncParameters(record); });
}

std::string SdkEqConfig(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.eq.config", [&](VirtualDevice& d, Outputs&) { return d.SdkConfigEq(index); });
}

std::string SdkEqQuery(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.eq.query", [&](VirtualDevice& d, Outputs& out) {
    std::uint32_t enable = 0;
    int result = d.SdkIsEqEnable(enable, index);
    out = Fields(enable);
    return result;
  });
}

std::string SdkEqOnOff(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto enable = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.eq.onoff", [&](VirtualDevice& d, Outputs&) { return d.SdkSetEqOnOff(enable, index); });
}

std::string Sdk3DConfig(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.3d.config", [&](VirtualDevice& d, Outputs&) { return d.SdkConfig3D(index); });
}

std::string Sdk3DQuery(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.3d.query", [&](VirtualDevice& d, Outputs& out) {
    std::uint32_t enable = 0;
    int result = d.SdkIs3DEnable(enable, index);
    out = Fields(enable);
    return result;
  });
}

std::string Sdk3DOnOff(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto enable = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.3d.onoff", [&](VirtualDevice& d, Outputs&) { return d.SdkSet3DOnOff(enable, index); });
}

std::string SdkI2cRead(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto address = in.Number<std::uint8_t>();
  auto byteAddress = in.Number<std::uint8_t>();
  auto length = in.Number<std::uint32_t>();
  auto timeout = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.i2c.read", [&](VirtualDevice& d, Outputs& out) {
    std::vector<std::uint8_t> data;
    int result = d.SdkReadI2c(address, byteAddress, length, timeout, index, data);
    out = Fields(data);
    return result;
  });
}

std::string SdkI2cWrite(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto address = in.Number<std::uint8_t>();
  auto byteAddress = in.Number<std::uint8_t>();
  auto data = in.Bytes();
  auto timeout = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.i2c.write",
             [&](VirtualDevice& d, Outputs&) { return d.SdkWriteI2c(address, byteAddress, data, timeout, index); });
}

std::string SdkRegWrite(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto address = in.Number<std::uint16_t>();
  auto value = in.Number<std::uint8_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.reg.write",
             [&](VirtualDevice& d, Outputs&) { return d.SdkWriteRegister(address, value, index); });
}

std::string SdkRegRead(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto address = in.Number<std::uint16_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.reg.read", [&](VirtualDevice& d, Outputs& out) {
    std::uint8_t value = 0;
    int result = d.SdkReadRegister(address, value, index);
    out = Fields(value);
    return result;
  });
}

std::string SdkScan(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto vid = in.Number<std::uint16_t>();
  auto pid = in.Number<std::uint16_t>();
  bool hasCallback = in.Flag();
  auto enable = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.scan",
             [&](VirtualDevice& d, Outputs&) { return d.SdkScanButton(vid, pid, hasCallback, enable, index); });
}

std::string SdkGpioMode(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto modes = in.Bytes();
  auto count = in.Number<std::uint32_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.gpio.mode", [&](VirtualDevice& d, Outputs&) { return d.SdkSetGpioMode(modes, count, index); });
}

std::string SdkGpioModeEx(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto gpio = in.Number<std::uint8_t>();
  auto mode = in.Number<std::uint8_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.gpio.modeex", [&](VirtualDevice& d, Outputs&) { return d.SdkSetGpioModeEx(gpio, mode, index); });
}

std::string SdkGpioGet(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto gpio = in.Number<std::uint8_t>();
  auto index = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.gpio.get", [&](VirtualDevice& d, Outputs& out) {
    std::uint8_t level = 0;
    int result = d.SdkGetGpioEx(gpio, level, index);
    out = Fields(level);
    return result;
  });
}

std::string SdkRgbRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  RgbRequest r;
  r.form = static_cast<RgbForm>(in.Number<int>(0, 2));
  r.command = static_cast<RgbCommand>(in.Number<int>(0, 4));
  r.controllerId = in.Number<std::uint8_t>();
  r.led = in.Number<std::uint8_t>();
  r.value = in.Number<std::uint8_t>();
  r.speed = in.Number<std::uint8_t>();
  r.red = in.Number<std::uint8_t>();
  r.green = in.Number<std::uint8_t>();
  r.blue = in.Number<std::uint8_t>();
  r.timeout = in.Number<std::uint32_t>();
  r.deviceIndex = in.Number<std::uint8_t>();
  return Sdk(bus, in, device, "sdk.rgb", [&](VirtualDevice& d, Outputs&) { return d.SdkRgb(r); });
}

std::string SdkUnsupported(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  std::string name = in.Text();
  if (!Complete(in)) return BadArguments();
  if (device == kBusJournal) {
    bus.NoteBus("sdk " + name + " -> " + std::to_string(kSdkFailed) + " (not supported)");
    return OkReply(Fields(kSdkFailed));
  }
  int result = bus.WithPluggedDevice(device, name.c_str(), static_cast<int>(kSdkFailed),
                                     [&](VirtualDevice& d) { return d.SdkUnsupported(name); });
  return OkReply(Fields(result));
}

// --- capture endpoint ---

template <typename Fn>
std::string OnDevice(VirtualBus& bus, FieldReader& in, DeviceNumber device, const char* what, Fn&& fn) {
  if (!Complete(in)) return BadArguments();
  return Status(bus.WithPluggedDevice(device, what, kErrorNotConnected, std::forward<Fn>(fn)));
}

std::string CaptureGetRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  if (!Complete(in)) return BadArguments();
  CaptureState s;
  unsigned long error = bus.WithPluggedDevice(device, "capture.get", kErrorNotConnected,
                                              [&](VirtualDevice& d) { return d.CaptureGet(s); });
  return error == kOk ? OkReply(Fields(s.volumePercent, s.mute, s.boost, s.signal)) : Status(error);
}

std::string CaptureVolume(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto percent = in.Number<int>();
  return OnDevice(bus, in, device, "capture.volume", [&](VirtualDevice& d) { return d.CaptureSetVolume(percent); });
}

std::string CaptureMute(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  bool mute = in.Flag();
  return OnDevice(bus, in, device, "capture.mute", [&](VirtualDevice& d) { return d.CaptureSetMute(mute); });
}

std::string CaptureBoost(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  bool boost = in.Flag();
  return OnDevice(bus, in, device, "capture.boost", [&](VirtualDevice& d) { return d.CaptureSetBoost(boost); });
}

std::string CaptureReadRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto count = in.Number<std::uint32_t>();
  if (!Complete(in)) return BadArguments();
  std::vector<std::uint8_t> samples;
  unsigned long error = bus.WithPluggedDevice(device, "capture.read", kErrorNotConnected,
                                              [&](VirtualDevice& d) { return d.CaptureRead(count, samples); });
  return error == kOk ? OkReply(Fields(samples)) : Status(error);
}

// --- tool and test operations ---

std::string PlugRequest(VirtualBus& bus, FieldReader& in) {
  PlugOptions options;
  options.kind = in.Text();
  options.productId = in.Number<std::uint16_t>();
  if (!Complete(in)) return BadArguments();
  DeviceNumber device = 0;
  if (unsigned long error = bus.Plug(options, device); error != kOk) return ErrorReply(error, "unknown kind");
  return OkReply(Fields(device));
}

std::string UnplugRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  if (!Complete(in)) return BadArguments();
  return Status(bus.Unplug(device));
}

std::string RemoveInterfaceRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  InterfaceClass interfaceClass;
  if (!ReadClass(in, interfaceClass) || !Complete(in)) return BadArguments();
  return Status(bus.RemoveInterface(device, interfaceClass));
}

std::string GpioLevel(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto pin = in.Number<int>();
  auto level = in.Number<int>();
  return OnDevice(bus, in, device, "gpio", [&](VirtualDevice& d) { return d.SetGpioLevel(pin, level); });
}

std::string Fault(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  std::string call = in.Text();
  auto count = in.Number<int>();
  return OnDevice(bus, in, device, "fault", [&](VirtualDevice& d) {
    d.InjectFault(call, count);
    return kOk;
  });
}

std::string Lengths(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto input = in.Number<std::uint16_t>();
  auto output = in.Number<std::uint16_t>();
  return OnDevice(bus, in, device, "lengths", [&](VirtualDevice& d) {
    d.SetReportLengths(input, output);
    return kOk;
  });
}

std::string Mic(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto signal = in.Number<int>();
  return OnDevice(bus, in, device, "mic", [&](VirtualDevice& d) { return d.SetMicSignal(signal); });
}

std::string Eeprom(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto offset = in.Number<std::uint32_t>();
  auto bytes = in.Bytes();
  return OnDevice(bus, in, device, "eeprom", [&](VirtualDevice& d) { return d.WriteEeprom(offset, bytes); });
}

std::string Peek(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  auto address = in.Number<std::uint16_t>();
  if (!Complete(in)) return BadArguments();
  std::uint8_t value = 0;
  unsigned long error = bus.WithAnyDevice(device, [&](VirtualDevice& d) {
    value = d.PeekRegister(address);
    return kOk;
  });
  return error == kOk ? OkReply(Fields(value)) : Status(error);
}

std::string Dump(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  if (!Complete(in)) return BadArguments();
  std::vector<StateEntry> state;
  unsigned long error = bus.WithAnyDevice(device, [&](VirtualDevice& d) {
    state = d.Dump();
    return kOk;
  });
  if (error != kOk) return Status(error);
  std::vector<std::string> out = Fields(state.size());
  for (StateEntry& entry : state) {
    out.push_back(std::move(entry.key));
    out.push_back(std::move(entry.value));
  }
  return OkReply(out);
}

std::string JournalRequest(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  bool clear = in.Flag();
  if (!Complete(in)) return BadArguments();
  std::vector<std::string> lines;
  if (unsigned long error = bus.ReadJournal(device, lines, clear); error != kOk) return Status(error);
  std::vector<std::string> out = Fields(lines.size());
  out.insert(out.end(), lines.begin(), lines.end());
  return OkReply(out);
}

std::string JournalClear(VirtualBus& bus, FieldReader& in) {
  auto device = in.Number<DeviceNumber>();
  if (!Complete(in)) return BadArguments();
  std::vector<std::string> lines;
  return Status(bus.ReadJournal(device, lines, true));
}

const std::map<std::string, Handler>& Handlers() {
  static const std::map<std::string, Handler> kHandlers = {
      {"devices", ListDevices},
      {"nodes", ListNodes},
      {"interfaces", ListInterfaces},
      {"find", FindDevice},
      {"hid.open", HidOpen},
      {"hid.attributes", HidAttributesRequest},
      {"hid.caps", HidCaps},
      {"hid.set", HidSet},
      {"hid.get", HidGet},
      {"filter.open", FilterOpen},
      {"filter.ioctl", FilterIoctl},
      {"close", CloseHandleRequest},
      {"events.latest", EventsLatest},
      {"events.wait", EventsWait},
      {"scan.wait", ScanWait},
      {"sdk.setactive", SdkSetActive},
      {"sdk.audio", SdkAudio},
      {"sdk.v71.onoff", SdkV71OnOff},
      {"sdk.v71.block", SdkV71Block},
      {"sdk.v71.scalar", SdkV71Scalar},
      {"sdk.enc.params", SdkEncParams},
      {"sdk.eq.config", SdkEqConfig},
      {"sdk.eq.query", SdkEqQuery},
      {"sdk.eq.onoff", SdkEqOnOff},
      {"sdk.3d.config", Sdk3DConfig},
      {"sdk.3d.query", Sdk3DQuery},
      {"sdk.3d.onoff", Sdk3DOnOff},
      {"sdk.i2c.read", SdkI2cRead},
      {"sdk.i2c.write", SdkI2cWrite},
      {"sdk.reg.write", SdkRegWrite},
      {"sdk.reg.read", SdkRegRead},
      {"sdk.scan", SdkScan},
      {"sdk.gpio.mode", SdkGpioMode},
      {"sdk.gpio.modeex", SdkGpioModeEx},
      {"sdk.gpio.get", SdkGpioGet},
      {"sdk.rgb", SdkRgbRequest},
      {"sdk.unsupported", SdkUnsupported},
      {"capture.get", CaptureGetRequest},
      {"capture.volume", CaptureVolume},
      {"capture.mute", CaptureMute},
      {"capture.boost", CaptureBoost},
      {"capture.read", CaptureReadRequest},
      {"plug", PlugRequest},
      {"unplug", UnplugRequest},
      {"interface.remove", RemoveInterfaceRequest},
      {"gpio", GpioLevel},
      {"fault", Fault},
      {"lengths", Lengths},
      {"mic", Mic},
      {"eeprom", Eeprom},
      {"peek", Peek},
      {"dump", Dump},
      {"journal", JournalRequest},
      {"journal.clear", JournalClear},
  };
  return kHandlers;
}

}  // namespace

std::string VirtualBusService::Handle(const std::string& request) {
  std::vector<std::string> fields = protocol::SplitFields(request);
  if (fields.empty()) return ErrorReply(kErrorNotSupported, "empty request");
  if (fields[0] == "stop") {
    if (!onStop_) return ErrorReply(kErrorNotSupported, "this bus is not served by a stoppable server");
    onStop_();
    return OkReply();
  }
  auto it = Handlers().find(fields[0]);
  if (it == Handlers().end()) return ErrorReply(kErrorNotSupported, "unknown request " + fields[0]);
  FieldReader in(fields, 1);
  return it->second(bus_, in);
}

}  // namespace vorma::virtual72xx
