#pragma once
// The model of one device on the virtual bus. It is not thread-safe: the bus serialises every call.
//
// Registers change only by decoding raw HID output reports at the device's output report length:
//   address  00 60 lo hi 10   remembers the address; the next input report answers its value
//   data     00 60 vv 01 20   writes vv to the remembered address (at once, so a read-modify-
//                             write within one transaction sees its own writes)
//   end      00 00 00 00 00   forgets the address and the pending answer
//   GPIO     00 60 b0 mm xx   byte 4 high nibble 3: a GPIO command. mm (GPIO 0-7) and bits 2-3 of
//                             xx (GPIO 8-9) say which output latches to set from b0 and xx bits
//                             0-1; a command with no latch selected (00 60 00 00 30) is the read
//                             request, whose levels the next input report answers.
// Input reports: 00 60 vv 00 10 for a register, 00 60 l0 l1 30 for GPIO levels, zeros when
// nothing is pending. A report of any other length is refused (ERROR_INVALID_PARAMETER); reports
// of the right length that decode to nothing are accepted and ignored, as a device would.
//
// GPIO: ten pins, each an input (mode 0, the level the outside world drives, buttons are active
// low so the idle level is 1) or an output (mode non-zero, the level of its latch). While the
// button scan runs, every change of the ten levels produces a 5-byte scan report 00 60 l0 l1 30;
// starting the scan produces one at once.
//
// Every transaction adds one line to the journal, e.g.
//   hid.out 00 60 20 01 10 -> address 0x0120
//   sdk DLLQZ_SetEQ_OnOff_ById 1 0 -> 0
// Report bytes are shown up to the last non-zero byte (at least five); the rest are zero.

#include "outside/virtual72xx/DeviceProfiles.h"
#include "outside/virtual72xx/LedController.h"
#include "outside/virtual72xx/Virtual72xxClient.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

class VirtualDevice {
public:
  VirtualDevice(DeviceNumber number, DeviceIdentity identity);

  DeviceNumber Number() const { return number_; }
  const DeviceIdentity& Identity() const { return identity_; }
  bool Plugged() const { return plugged_; }
  void Unplug();
  bool HasInterface(InterfaceClass interfaceClass) const;
  void RemoveInterface(InterfaceClass interfaceClass);

  // Adds a journal line; past 200000 lines the oldest 20000 go, so a server left running with a
  // busy panel keeps its memory bounded.
  void Note(std::string line);
  const std::vector<std::string>& Journal() const { return journal_; }
  void ClearJournal() { journal_.clear(); }

  void InjectFault(const std::string& call, int count);
  // True when the named call is to fail this time (and counts the failure down).
  bool TakeFault(const std::string& call);

  // --- HID interface ---
  unsigned long HidOpen();
  void HidClose();
  unsigned long HidGetAttributes(HidAttributes& attributes);
  unsigned long HidGetReportLengths(HidReportLengths& lengths);
  unsigned long HidSetOutputReport(const std::vector<std::uint8_t>& report);
  unsigned long HidGetInputReport(std::vector<std::uint8_t>& report);
  void SetReportLengths(std::uint16_t input, std::uint16_t output);

  // --- filter driver control device ---
  unsigned long FilterOpen();
  void FilterClose();
  unsigned long FilterIoControl(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                std::uint32_t outputCapacity, FilterReply& reply);

  // --- SDK level (each journals "sdk <function> <arguments> -> <result>") ---
  int SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId);
  int SdkAudioCommand(std::vector<std::uint8_t>& block);
  int SdkSetVirtual7ch1OnOff(std::uint32_t enable);
  int SdkSetVirtual7ch1(const std::vector<std::uint8_t>& block);
  int SdkSetVirtual7ch1Scalar(float scalar);
  int SdkSetEncParameters(const std::vector<std::uint8_t>& record);
  int SdkConfigEq(std::uint8_t deviceIndex);
  int SdkIsEqEnable(std::uint32_t& enable, std::uint8_t deviceIndex);
  int SdkSetEqOnOff(std::uint32_t enable, std::uint8_t deviceIndex);
  int SdkConfig3D(std::uint8_t deviceIndex);
  int SdkIs3DEnable(std::uint32_t& enable, std::uint8_t deviceIndex);
  int SdkSet3DOnOff(std::uint32_t enable, std::uint8_t deviceIndex);
  int SdkReadI2c(std::uint8_t deviceAddress, std::uint8_t byteAddress, std::uint32_t length, std::uint32_t timeout,
                 std::uint8_t deviceIndex, std::vector<std::uint8_t>& data);
  int SdkWriteI2c(std::uint8_t deviceAddress, std::uint8_t byteAddress, const std::vector<std::uint8_t>& data,
                  std::uint32_t timeout, std::uint8_t deviceIndex);
  int SdkWriteRegister(std::uint16_t address, std::uint8_t value, std::uint8_t deviceIndex);
  int SdkReadRegister(std::uint16_t address, std::uint8_t& value, std::uint8_t deviceIndex);
  int SdkScanButton(std::uint16_t vendorId, std::uint16_t productId, bool hasCallback, std::uint32_t enable,
                    std::uint8_t deviceIndex);
  int SdkSetGpioMode(const std::vector<std::uint8_t>& modes, std::uint32_t count, std::uint8_t deviceIndex);
  int SdkSetGpioModeEx(std::uint8_t gpio, std::uint8_t mode, std::uint8_t deviceIndex);
  int SdkGetGpioEx(std::uint8_t gpio, std::uint8_t& level, std::uint8_t deviceIndex);
  int SdkRgb(const RgbRequest& request);
  int SdkUnsupported(const std::string& functionName);

  // --- button scan ---
  // The first scan report after `afterSequence`, if one was produced (the newest 256 are kept).
  std::optional<ScanReport> ScanReportAfter(std::uint64_t afterSequence) const;

  // --- capture endpoint ---
  unsigned long CaptureGet(CaptureState& state);
  unsigned long CaptureSetVolume(int percent);
  unsigned long CaptureSetMute(bool mute);
  unsigned long CaptureSetBoost(bool boost);
  unsigned long CaptureRead(std::uint32_t count, std::vector<std::uint8_t>& samples);

  // --- tool and test operations ---
  unsigned long SetGpioLevel(int pin, int level);
  unsigned long SetMicSignal(int signal);
  unsigned long WriteEeprom(std::uint32_t offset, const std::vector<std::uint8_t>& bytes);
  std::uint8_t PeekRegister(std::uint16_t address) const { return registers_[address]; }
  std::vector<StateEntry> Dump() const;

private:
  enum class Pending { Nothing, Register, Gpio };

  // Decodes a report of the right length; returns the journal text of its effect.
  std::string DecodeOutputReport(const std::vector<std::uint8_t>& report);
  std::string DecodeGpioCommand(const std::vector<std::uint8_t>& report);
  void FillInputReport(std::vector<std::uint8_t>& report) const;
  std::uint16_t GpioLevels() const;
  // Call after anything that can change a pin's level; produces a scan report when it did.
  void GpioLevelsMayHaveChanged(std::uint16_t before);
  void ProduceScanReport();

  // SDK journaling: Refuse returns non-zero (and journals) when the call cannot run at all.
  int Refuse(const char* function, const std::string& call, std::uint8_t deviceIndex = 0);
  int Done(const std::string& call, int result, const std::string& outputs = {});

  DeviceNumber number_;
  DeviceIdentity identity_;
  bool plugged_ = true;
  bool hasAudio_ = false;
  bool hasHid_ = false;
  std::vector<std::string> journal_;
  std::map<std::string, int> faults_;  // remaining failures; -1 = until cleared
  int hidOpenCount_ = 0;
  int filterOpenCount_ = 0;

  // HID register interface
  std::vector<std::uint8_t> registers_;
  std::optional<std::uint16_t> address_;
  Pending pending_ = Pending::Nothing;
  std::uint16_t gpioSnapshot_ = 0;

  std::array<std::uint8_t, kEepromSize> eeprom_;

  // GPIO and scan
  std::array<std::uint8_t, kGpioCount> gpioMode_{};
  std::array<std::uint8_t, kGpioCount> gpioLatch_{};
  std::array<std::uint8_t, kGpioCount> gpioExternal_{};
  bool scanning_ = false;
  std::uint64_t scanSequence_ = 0;
  std::deque<ScanReport> scanReports_;

  // SDK-level features
  int activations_ = 0;
  int eqConfigured_ = 0;
  bool eqEnable_ = false;
  int d3Configured_ = 0;
  bool d3Enable_ = false;
  bool v71Enable_ = false;
  std::vector<std::uint8_t> v71Block_;
  float v71Scalar_ = 0.0f;
  bool encEnable_ = false;
  std::vector<std::uint8_t> encParameters_;
  bool voiceEnable_ = false;
  std::vector<std::uint8_t> voicePayload_;
  LedController ledMaster_{"master"};
  LedController ledSlave_{"slave"};

  // filter driver
  std::uint32_t filterEffect_ = 0;
  std::uint32_t filterSwitch_ = 0;
  int filterRequests_ = 0;

  // capture endpoint
  int micVolume_ = 80;
  bool micMute_ = false;
  bool micBoost_ = false;
  int micSignal_ = 40;
  std::uint32_t capturePhase_ = 0;
};

}  // namespace vorma::virtual72xx
