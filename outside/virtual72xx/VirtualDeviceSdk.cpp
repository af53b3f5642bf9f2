// The device as the vendor SDK sees it: EQ and 3D switches, virtual 7.1, ENC and voice effect
// through the audio command, I2C to the EEPROM, registers, GPIO modes, the button scan and the LED
// controllers. Every call needs device index 0 (the SDK's current device) and a 72xx chip.

#include "outside/virtual72xx/VirtualDevice.h"

#include "outside/virtual72xx/JournalText.h"

#include <bit>
#include <cstring>

namespace vorma::virtual72xx {

namespace {

constexpr size_t kAudioCommandSize = 234;
constexpr size_t kAudioReplySecondPart = 134;
constexpr size_t kVirtual7ch1BlockSize = 68;
constexpr size_t kEncRecordSize = 16;
constexpr std::uint32_t kMaxEncLevel = 30;

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

void WriteU32(std::vector<std::uint8_t>& bytes, size_t offset, std::uint32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

float ReadFloat(const std::vector<std::uint8_t>& bytes, size_t offset) {
  return std::bit_cast<float>(ReadU32(bytes, offset));
}

}  // namespace

int VirtualDevice::Refuse(const char* function, const std::string& call, std::uint8_t deviceIndex) {
  const char* reason = nullptr;
  if (!identity_.is72xx) reason = "not a 72xx device";
  else if (TakeFault(function)) reason = "fault";
  else if (deviceIndex != 0) reason = "no device at that index";
  if (!reason) return kSdkOk;
  Note(Printf("sdk %s -> %d (%s)", call.c_str(), kSdkFailed, reason));
  return kSdkFailed;
}

int VirtualDevice::Done(const std::string& call, int result, const std::string& outputs) {
  Note(Printf("sdk %s -> %d", call.c_str(), result) + (outputs.empty() ? "" : " out " + outputs));
  return result;
}

int VirtualDevice::SdkSetActiveDevice(std::uint16_t vendorId, std::uint16_t productId) {
  const std::string call = Printf("DLLQZ_SetActive_Device %u %u", vendorId, productId);
  if (int refused = Refuse("DLLQZ_SetActive_Device", call)) return refused;
  ++activations_;
  return Done(call, kSdkOk);
}

// The audio command block: byte 0 command, byte 1 sub-command, bytes 2.. the argument. Command 4
// is ENC (0 on/off, 8 get all: the state record at 2-9, the parameter record at 134-149),
// command 7 the voice effect (0 on/off, 2 the 10-byte parameters). Command 4 also serves as the
// readiness probe: a device that answers it is ready.
int VirtualDevice::SdkAudioCommand(std::vector<std::uint8_t>& block) {
  std::vector<std::uint8_t> head(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(block.size(), 16)));
  const std::string call = Printf("DLLQZ_AudioCommand %s %u", ReportText(head, std::min<size_t>(head.size(), 6)).c_str(),
                                  static_cast<unsigned>(block.size()));
  if (int refused = Refuse("DLLQZ_AudioCommand", call)) return refused;
  if (block.size() != kAudioCommandSize) return Done(call, kSdkFailed);
  const std::uint8_t command = block[0], sub = block[1];
  if (command == 4 && sub == 0) {
    encEnable_ = ReadU32(block, 2) != 0;
  } else if (command == 4 && sub == 8) {
    WriteU32(block, 2, encEnable_ ? 1 : 0);
    WriteU32(block, 6, 1);  // the ENC block is present and running
    std::copy(encParameters_.begin(), encParameters_.end(), block.begin() + kAudioReplySecondPart);
    return Done(call, kSdkOk,
                BytesText({block.begin() + 2, block.begin() + 10}) + " / " + BytesText(encParameters_));
  } else if (command == 7 && sub == 0) {
    voiceEnable_ = ReadU32(block, 2) != 0;
  } else if (command == 7 && sub == 2) {
    voicePayload_.assign(block.begin() + 2, block.begin() + 12);
  } else {
    return Done(call, kSdkFailed);
  }
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkSetVirtual7ch1OnOff(std::uint32_t enable) {
  const std::string call = Printf("DLLQZ_SetVirtual7ch1_OnOff %u", enable);
  if (int refused = Refuse("DLLQZ_SetVirtual7ch1_OnOff", call)) return refused;
  v71Enable_ = enable != 0;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkSetVirtual7ch1(const std::vector<std::uint8_t>& block) {
  std::string call = "DLLQZ_SetVirtual7ch1";
  if (block.size() == kVirtual7ch1BlockSize) {
    call += Printf(" %u level", ReadU32(block, 0));
    for (int i = 0; i < 8; ++i) call += Printf(" %.4g", ReadFloat(block, 4 + 4 * i));
    call += " angle";
    for (int i = 0; i < 8; ++i) call += Printf(" %.4g", ReadFloat(block, 36 + 4 * i));
  } else {
    call += Printf(" (%u bytes)", static_cast<unsigned>(block.size()));
  }
  if (int refused = Refuse("DLLQZ_SetVirtual7ch1", call)) return refused;
  if (block.size() != kVirtual7ch1BlockSize) return Done(call, kSdkFailed);
  v71Block_ = block;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkSetVirtual7ch1Scalar(float scalar) {
  const std::string call = Printf("DLLQZ_SetVirtual7ch1_Scalar %.9g", scalar);
  if (int refused = Refuse("DLLQZ_SetVirtual7ch1_Scalar", call)) return refused;
  v71Scalar_ = scalar;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkSetEncParameters(const std::vector<std::uint8_t>& record) {
  const std::string call = "DLLQZ_SetEnc_Parameters " + BytesText(record);
  if (int refused = Refuse("DLLQZ_SetEnc_Parameters", call)) return refused;
  if (record.size() != kEncRecordSize || ReadU32(record, 8) > kMaxEncLevel) return Done(call, kSdkFailed);
  encParameters_ = record;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkConfigEq(std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_ConfigEQ_ById %u", deviceIndex);
  if (int refused = Refuse("DLLQZ_ConfigEQ_ById", call, deviceIndex)) return refused;
  ++eqConfigured_;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkIsEqEnable(std::uint32_t& enable, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_IsEQ_Enable_ById %u", deviceIndex);
  if (int refused = Refuse("DLLQZ_IsEQ_Enable_ById", call, deviceIndex)) return refused;
  enable = eqEnable_ ? 1 : 0;
  return Done(call, kSdkOk, std::to_string(enable));
}

int VirtualDevice::SdkSetEqOnOff(std::uint32_t enable, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_SetEQ_OnOff_ById %u %u", enable, deviceIndex);
  if (int refused = Refuse("DLLQZ_SetEQ_OnOff_ById", call, deviceIndex)) return refused;
  eqEnable_ = enable != 0;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkConfig3D(std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Config3D_ById %u", deviceIndex);
  if (int refused = Refuse("DLLQZ_Config3D_ById", call, deviceIndex)) return refused;
  ++d3Configured_;
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkIs3DEnable(std::uint32_t& enable, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Is3D_Enable_ById %u", deviceIndex);
  if (int refused = Refuse("DLLQZ_Is3D_Enable_ById", call, deviceIndex)) return refused;
  enable = d3Enable_ ? 1 : 0;
  return Done(call, kSdkOk, std::to_string(enable));
}

int VirtualDevice::SdkSet3DOnOff(std::uint32_t enable, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Set3D_OnOff_ById %u %u", enable, deviceIndex);
  if (int refused = Refuse("DLLQZ_Set3D_OnOff_ById", call, deviceIndex)) return refused;
  d3Enable_ = enable != 0;
  return Done(call, kSdkOk);
}

// The EEPROM is two 256-byte halves at I2C 0x50 and 0x51; a sequential access wraps within its
// half, as a 24C02-type part does. Any other address does not acknowledge.
int VirtualDevice::SdkReadI2c(std::uint8_t deviceAddress, std::uint8_t byteAddress, std::uint32_t length,
                              std::uint32_t timeout, std::uint8_t deviceIndex, std::vector<std::uint8_t>& data) {
  const std::string call =
      Printf("DLLQZ_Read_I2C_ById %u %u %u %u %u", deviceAddress, byteAddress, length, timeout, deviceIndex);
  if (int refused = Refuse("DLLQZ_Read_I2C_ById", call, deviceIndex)) return refused;
  if ((deviceAddress != 0x50 && deviceAddress != 0x51) || length == 0 || length > 256) return Done(call, kSdkFailed);
  const size_t base = deviceAddress == 0x50 ? 0 : 256;
  std::vector<std::uint8_t> bytes(length);
  for (std::uint32_t i = 0; i < length; ++i) bytes[i] = eeprom_[base + ((byteAddress + i) & 0xFF)];
  data = bytes;
  return Done(call, kSdkOk, BytesText(bytes));
}

int VirtualDevice::SdkWriteI2c(std::uint8_t deviceAddress, std::uint8_t byteAddress,
                               const std::vector<std::uint8_t>& data, std::uint32_t timeout,
                               std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Write_I2C_ById %u %u %s %u %u %u", deviceAddress, byteAddress,
                                  BytesText(data).c_str(), static_cast<unsigned>(data.size()), timeout, deviceIndex);
  if (int refused = Refuse("DLLQZ_Write_I2C_ById", call, deviceIndex)) return refused;
  if ((deviceAddress != 0x50 && deviceAddress != 0x51) || data.empty() || data.size() > 256)
    return Done(call, kSdkFailed);
  const size_t base = deviceAddress == 0x50 ? 0 : 256;
  for (size_t i = 0; i < data.size(); ++i) eeprom_[base + ((byteAddress + i) & 0xFF)] = data[i];
  return Done(call, kSdkOk);
}

// The SDK reaches the registers through the same HID reports the panel sends, so that the
// register file keeps a single way of changing.
int VirtualDevice::SdkWriteRegister(std::uint16_t address, std::uint8_t value, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Write_Register_ById %u %u %u", address, value, deviceIndex);
  if (int refused = Refuse("DLLQZ_Write_Register_ById", call, deviceIndex)) return refused;
  if (identity_.outputReportLength < 5) return Done(call, kSdkFailed);
  std::vector<std::uint8_t> report(identity_.outputReportLength, 0);
  report[1] = 0x60;
  report[2] = static_cast<std::uint8_t>(address & 0xFF);
  report[3] = static_cast<std::uint8_t>(address >> 8);
  report[4] = 0x10;
  DecodeOutputReport(report);
  report[2] = value;
  report[3] = 0x01;
  report[4] = 0x20;
  DecodeOutputReport(report);
  DecodeOutputReport(std::vector<std::uint8_t>(identity_.outputReportLength, 0));
  return Done(call, kSdkOk);
}

int VirtualDevice::SdkReadRegister(std::uint16_t address, std::uint8_t& value, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_Read_Register_ById %u %u", address, deviceIndex);
  if (int refused = Refuse("DLLQZ_Read_Register_ById", call, deviceIndex)) return refused;
  if (identity_.outputReportLength < 5 || identity_.inputReportLength < 3) return Done(call, kSdkFailed);
  std::vector<std::uint8_t> report(identity_.outputReportLength, 0);
  report[1] = 0x60;
  report[2] = static_cast<std::uint8_t>(address & 0xFF);
  report[3] = static_cast<std::uint8_t>(address >> 8);
  report[4] = 0x10;
  DecodeOutputReport(report);
  std::vector<std::uint8_t> answer(identity_.inputReportLength, 0);
  FillInputReport(answer);
  DecodeOutputReport(std::vector<std::uint8_t>(identity_.outputReportLength, 0));
  value = answer[2];
  return Done(call, kSdkOk, std::to_string(value));
}

int VirtualDevice::SdkScanButton(std::uint16_t vendorId, std::uint16_t productId, bool hasCallback,
                                 std::uint32_t enable, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_ScanButton_ById %u %u %s %u %u", vendorId, productId,
                                  hasCallback ? "callback" : "none", enable, deviceIndex);
  if (int refused = Refuse("DLLQZ_ScanButton_ById", call, deviceIndex)) return refused;
  if (vendorId != identity_.vendorId || productId != identity_.productId) return Done(call, kSdkFailed);
  if (enable == 0) {
    scanning_ = false;
    return Done(call, kSdkOk);
  }
  if (!hasCallback) return Done(call, kSdkFailed);
  scanning_ = true;
  const int result = Done(call, kSdkOk);
  ProduceScanReport();
  return result;
}

int VirtualDevice::SdkSetGpioMode(const std::vector<std::uint8_t>& modes, std::uint32_t count,
                                  std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_SetGpioMode_ById %s %u %u", BytesText(modes).c_str(), count, deviceIndex);
  if (int refused = Refuse("DLLQZ_SetGpioMode_ById", call, deviceIndex)) return refused;
  if (count > kGpioCount || count > modes.size()) return Done(call, kSdkFailed);
  const std::uint16_t before = GpioLevels();
  for (std::uint32_t pin = 0; pin < count; ++pin) gpioMode_[pin] = modes[pin];
  const int result = Done(call, kSdkOk);
  GpioLevelsMayHaveChanged(before);
  return result;
}

int VirtualDevice::SdkSetGpioModeEx(std::uint8_t gpio, std::uint8_t mode, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_SetGpioModeEx_ById %u %u %u", gpio, mode, deviceIndex);
  if (int refused = Refuse("DLLQZ_SetGpioModeEx_ById", call, deviceIndex)) return refused;
  if (gpio >= kGpioCount) return Done(call, kSdkFailed);
  const std::uint16_t before = GpioLevels();
  gpioMode_[gpio] = mode;
  const int result = Done(call, kSdkOk);
  GpioLevelsMayHaveChanged(before);
  return result;
}

int VirtualDevice::SdkGetGpioEx(std::uint8_t gpio, std::uint8_t& level, std::uint8_t deviceIndex) {
  const std::string call = Printf("DLLQZ_GetGpioEx_ById %u %u", gpio, deviceIndex);
  if (int refused = Refuse("DLLQZ_GetGpioEx_ById", call, deviceIndex)) return refused;
  if (gpio >= kGpioCount) return Done(call, kSdkFailed);
  level = static_cast<std::uint8_t>((GpioLevels() >> gpio) & 1);
  return Done(call, kSdkOk, std::to_string(level));
}

int VirtualDevice::SdkRgb(const RgbRequest& r) {
  const char* function = RgbFunctionName(r.form, r.command);
  std::string call = function;
  if (r.form != RgbForm::Slave) call += Printf(" %u", r.controllerId);
  switch (r.command) {
    case RgbCommand::Mode: call += Printf(" %u %u %u", r.led, r.value, r.speed); break;
    case RgbCommand::Color:
    case RgbCommand::SingleColor: call += Printf(" %u %u %u %u %u", r.led, r.value, r.red, r.green, r.blue); break;
    case RgbCommand::Brightness: call += Printf(" %u %u", r.led, r.value); break;
    case RgbCommand::Step: call += Printf(" %u", r.value); break;
  }
  call += Printf(" %u", r.timeout);
  if (r.form == RgbForm::ById) call += Printf(" %u", r.deviceIndex);
  if (int refused = Refuse(function, call, r.form == RgbForm::ById ? r.deviceIndex : 0)) return refused;
  LedController& controller = r.form == RgbForm::Slave ? ledSlave_ : ledMaster_;
  return Done(call, controller.Apply(r) ? kSdkOk : kSdkFailed);
}

int VirtualDevice::SdkUnsupported(const std::string& functionName) {
  Note(Printf("sdk %s -> %d (not supported)", functionName.c_str(), kSdkFailed));
  return kSdkFailed;
}

}  // namespace vorma::virtual72xx
