#pragma once
// The typed client of the virtual 72xx bus. Every call becomes one request line of the protocol
// (Virtual72xxProtocol.h) and goes through a transport: in-process straight to a VirtualBus
// (InProcessTransport in VirtualBusService.h), or over the named pipe that VormaVirtual72xx.exe or
// a test's VirtualHost serves. The client is thread-safe; a call that waits (device events, scan
// reports) blocks only its own thread, other threads' calls go on.
//
// Results: the HID, filter, bus and tool calls return a Win32 error code (kOk = 0, see
// Virtual72xxTypes.h); the Sdk* calls return what the vendor SDK function would (0 success) and
// kSdkTransportFailed when the server cannot be reached. Outputs are written only on success.

#include "outside/virtual72xx/Virtual72xxTypes.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

// Carries one request line to the bus and brings its reply line back.
class Transport {
public:
  virtual ~Transport() = default;
  // kOk with the reply, or kErrorTransport (or another Win32 code) when nothing came back.
  virtual unsigned long Exchange(const std::string& request, std::string& reply) = 0;
};

// The pipe name: the environment variable VORMA_VIRTUAL72XX_PIPE, else "\\.\pipe\vorma-virtual72xx".
std::wstring DefaultPipeName();

// A transport over the named pipe; connections are opened on demand, one per concurrent call.
std::shared_ptr<Transport> ConnectPipe(const std::wstring& pipeName = DefaultPipeName());

struct PlugOptions {
  std::string kind = "72xx";   // "72xx", "short-id", "long-id", "unrelated-hid"
  std::uint16_t productId = 0; // 0: the kind's own (0x7201 for the 72xx kinds); the vendor ID follows from the kind
};

struct CaptureState {
  int volumePercent = 0;  // 0-100
  bool mute = false;
  bool boost = false;
  int signal = 0;  // the microphone's amplitude, 0-127, before volume, mute and boost
};

class Virtual72xxClient {
public:
  explicit Virtual72xxClient(std::shared_ptr<Transport> transport);
  // A client of the pipe named by DefaultPipeName().
  static Virtual72xxClient FromEnvironment();

  // --- enumeration (SetupAPI's view) ---
  unsigned long ListDevices(std::vector<DeviceSummary>& devices);
  // Every present device node of every plugged device, in enumeration order.
  unsigned long ListDeviceNodes(std::vector<DeviceNode>& nodes);
  // The present interfaces of one class, in enumeration order.
  unsigned long ListInterfaces(InterfaceClass interfaceClass, std::vector<DeviceInterface>& interfaces);
  // The first plugged device (in enumeration order) with these IDs; kErrorNotFound when none.
  unsigned long FindDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device);

  // --- HID interface (CreateFile on the interface path, hid.dll) ---
  unsigned long HidOpen(const std::wstring& path, VirtualHandle& handle);
  unsigned long HidGetAttributes(VirtualHandle handle, HidAttributes& attributes);
  unsigned long HidGetReportLengths(VirtualHandle handle, HidReportLengths& lengths);
  // The report including its report ID in byte 0; its size must be the output report length.
  unsigned long HidSetOutputReport(VirtualHandle handle, const std::vector<std::uint8_t>& report);
  // In: the buffer with the report ID in byte 0, sized to the input report length. Out: the report.
  unsigned long HidGetInputReport(VirtualHandle handle, std::vector<std::uint8_t>& report);

  // --- filter driver control device (CreateFile on the control name, DeviceIoControl) ---
  unsigned long FilterOpen(const std::wstring& controlName, VirtualHandle& handle);
  unsigned long FilterIoControl(VirtualHandle handle, std::uint32_t code, const std::vector<std::uint8_t>& input,
                                std::uint32_t outputCapacity, FilterReply& reply);

  // Closes a HID or filter handle (CloseHandle).
  unsigned long Close(VirtualHandle handle);

  // --- device-interface arrivals and removals ---
  // The sequence number of the newest event so far (0 when there was none).
  unsigned long LatestEventSequence(std::uint64_t& sequence);
  // The first event after `afterSequence`, waiting up to timeoutMs; kErrorTimeout when none came.
  unsigned long WaitDeviceEvent(std::uint64_t afterSequence, unsigned long timeoutMs, DeviceEvent& event);

  // --- vendor SDK level (the DLL maps its functions onto these; the device journals each one
  //     under the SDK function's name with its arguments) ---
  // Selects nothing on the bus; finds the device the SDK makes current (kSdkFailed when none).
  int SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId, DeviceNumber& device);
  // The 234-byte command block in, the reply block out (same size). Commands: 4 ENC (sub 0 on/off,
  // sub 8 get all), 7 voice effect (sub 0 on/off, sub 2 parameters).
  int SdkAudioCommand(DeviceNumber device, std::vector<std::uint8_t>& block);
  int SdkSetVirtual7ch1OnOff(DeviceNumber device, std::uint32_t enable);
  int SdkSetVirtual7ch1(DeviceNumber device, const std::vector<std::uint8_t>& block68);
  int SdkSetVirtual7ch1Scalar(DeviceNumber device, float scalar);
  int SdkSetEncParameters(DeviceNumber device, const std::vector<std::uint8_t>& record16);
  int SdkConfigEq(DeviceNumber device, std::uint8_t deviceIndex);
  int SdkIsEqEnable(DeviceNumber device, std::uint32_t& enable, std::uint8_t deviceIndex);
  int SdkSetEqOnOff(DeviceNumber device, std::uint32_t enable, std::uint8_t deviceIndex);
  int SdkConfig3D(DeviceNumber device, std::uint8_t deviceIndex);
  int SdkIs3DEnable(DeviceNumber device, std::uint32_t& enable, std::uint8_t deviceIndex);
  int SdkSet3DOnOff(DeviceNumber device, std::uint32_t enable, std::uint8_t deviceIndex);
  // I2C: the EEPROM answers at 0x50 (bytes 0-255) and 0x51 (bytes 256-511).
  int SdkReadI2c(DeviceNumber device, std::uint8_t deviceAddress, std::uint8_t byteAddress, std::uint32_t length,
                 std::uint32_t timeout, std::uint8_t deviceIndex, std::vector<std::uint8_t>& data);
  int SdkWriteI2c(DeviceNumber device, std::uint8_t deviceAddress, std::uint8_t byteAddress,
                  const std::vector<std::uint8_t>& data, std::uint32_t timeout, std::uint8_t deviceIndex);
  // Registers through the device's HID register interface (address, data, end reports).
  int SdkWriteRegister(DeviceNumber device, std::uint16_t address, std::uint8_t value, std::uint8_t deviceIndex);
  int SdkReadRegister(DeviceNumber device, std::uint16_t address, std::uint8_t& value, std::uint8_t deviceIndex);
  // Starts (enable 1) or stops (0) the button scan; the caller's callback stays in its process
  // and is fed from WaitScanReport. The IDs must be the device's own.
  int SdkScanButton(DeviceNumber device, std::uint16_t vendorId, std::uint16_t productId, bool hasCallback,
                    std::uint32_t enable, std::uint8_t deviceIndex);
  int SdkSetGpioMode(DeviceNumber device, const std::vector<std::uint8_t>& modes, std::uint32_t count,
                     std::uint8_t deviceIndex);
  int SdkSetGpioModeEx(DeviceNumber device, std::uint8_t gpio, std::uint8_t mode, std::uint8_t deviceIndex);
  int SdkGetGpioEx(DeviceNumber device, std::uint8_t gpio, std::uint8_t& level, std::uint8_t deviceIndex);
  int SdkRgb(DeviceNumber device, const RgbRequest& request);
  // Journals a call of an SDK function the device does not implement (device 0: the bus journal)
  // and returns kSdkFailed.
  int SdkUnsupported(DeviceNumber device, const std::string& functionName);
  // The first scan report after `afterSequence`, waiting up to timeoutMs; kErrorTimeout when none
  // came, kErrorNotConnected when the device is gone.
  unsigned long WaitScanReport(DeviceNumber device, std::uint64_t afterSequence, unsigned long timeoutMs,
                               ScanReport& report);

  // --- capture endpoint (Windows audio's view of the device's microphone) ---
  unsigned long CaptureGet(DeviceNumber device, CaptureState& state);
  unsigned long CaptureSetVolume(DeviceNumber device, int percent);
  unsigned long CaptureSetMute(DeviceNumber device, bool mute);
  unsigned long CaptureSetBoost(DeviceNumber device, bool boost);
  // 8-bit unsigned samples (silence = 128) of the microphone as captured: a square wave whose
  // amplitude is signal x volume / 100, doubled with boost (at most 127), 0 when muted.
  unsigned long CaptureRead(DeviceNumber device, std::uint32_t count, std::vector<std::uint8_t>& samples);

  // --- tool and test operations ---
  unsigned long Plug(const PlugOptions& options, DeviceNumber& device);
  unsigned long Unplug(DeviceNumber device);
  // Removes one interface of a plugged device (its removal event only); the device stays.
  unsigned long RemoveInterface(DeviceNumber device, InterfaceClass interfaceClass);
  // The level the outside world drives on an input pin (buttons are active low: 1 = released).
  unsigned long SetGpioLevel(DeviceNumber device, int pin, int level);
  // The named call ("hid.open", "hid.out", "hid.in", "hid.attributes", "hid.caps", "filter.open",
  // "filter.ioctl", "capture", or an SDK function name such as "DLLQZ_AudioCommand") fails its next
  // `count` times; count -1 fails it until cleared, 0 clears it.
  unsigned long InjectFault(DeviceNumber device, const std::string& call, int count);
  // The report lengths the HID interface reports and accepts (the "report length 4" fault).
  unsigned long SetReportLengths(DeviceNumber device, std::uint16_t input, std::uint16_t output);
  unsigned long SetMicSignal(DeviceNumber device, int signal);
  // Overwrites EEPROM bytes; offset 0-255 is I2C address 0x50, 256-511 is 0x51.
  unsigned long WriteEeprom(DeviceNumber device, std::uint32_t offset, const std::vector<std::uint8_t>& bytes);
  // A register's value without a HID transaction (nothing is journaled).
  unsigned long PeekRegister(DeviceNumber device, std::uint16_t address, std::uint8_t& value);
  unsigned long DumpState(DeviceNumber device, std::vector<StateEntry>& state);
  // One value of the dump by its key, kErrorNotFound for an unknown key.
  unsigned long StateValue(DeviceNumber device, const std::string& key, std::string& value);
  // The journal lines in order (device 0: the bus journal); `clear` empties it after reading.
  unsigned long ReadJournal(DeviceNumber device, std::vector<std::string>& lines, bool clear = false);
  unsigned long ClearJournal(DeviceNumber device);
  // Asks a pipe server to end (VormaVirtual72xx.exe serve returns).
  unsigned long StopServer();

  // The raw protocol: one request line, its reply line (tools and diagnostics).
  unsigned long Exchange(const std::string& request, std::string& reply);

private:
  // Sends the request; on an "ok" reply returns kOk and the reply's fields after "ok".
  unsigned long Call(const std::string& request, std::vector<std::string>& fields);
  int SdkCall(const std::string& request, std::vector<std::string>& fields);
  // A call whose reply is one number or one byte string, stored in `out` only on success.
  template <typename T>
  unsigned long CallForNumber(const std::string& request, T& out, T lowest = std::numeric_limits<T>::min());
  unsigned long CallForBytes(const std::string& request, std::vector<std::uint8_t>& out);
  template <typename T>
  int SdkCallForNumber(const std::string& request, T& out);
  int SdkCallForBytes(const std::string& request, std::vector<std::uint8_t>& out);

  std::shared_ptr<Transport> transport_;
};

}  // namespace vorma::virtual72xx
