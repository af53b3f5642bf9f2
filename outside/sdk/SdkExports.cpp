// The 33 SDK functions the panel calls, acting on the virtual 72xx device through its server. Each
// works on the device DLLQZ_SetActive_Device made current; the server journals every call under
// the function's name with its arguments and answers like the vendor library (0 success). Without
// a server the client fails at once with a non-zero result, so no call hangs.

#include "outside/sdk/ButtonScan.h"
#include "outside/sdk/SdkSession.h"
#include "panel/device/SdkFunctions.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using vorma::sdk::CurrentTarget;
using vorma::sdk::SdkTarget;
using vorma::virtual72xx::kOk;
using vorma::virtual72xx::kSdkFailed;
using vorma::virtual72xx::RgbCommand;
using vorma::virtual72xx::RgbForm;
using vorma::virtual72xx::RgbRequest;

constexpr size_t kVirtual7ch1BlockSize = 68;
constexpr size_t kEncRecordSize = 16;
constexpr size_t kGpioPins = 10;

std::vector<std::uint8_t> Bytes(const BYTE* data, size_t size) { return std::vector<std::uint8_t>(data, data + size); }

int SendRgb(const RgbRequest& request) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkRgb(target.device, request);
}

RgbRequest Rgb(RgbForm form, RgbCommand command, BYTE controllerId, BYTE led, BYTE value, DWORD timeout) {
  RgbRequest request;
  request.form = form;
  request.command = command;
  request.controllerId = controllerId;
  request.led = led;
  request.value = value;
  request.timeout = timeout;
  return request;
}

RgbRequest WithColor(RgbRequest request, BYTE red, BYTE green, BYTE blue) {
  request.red = red;
  request.green = green;
  request.blue = blue;
  return request;
}

RgbRequest WithSpeed(RgbRequest request, BYTE speed) {
  request.speed = speed;
  return request;
}

RgbRequest WithDeviceIndex(RgbRequest request, BYTE deviceIndex) {
  request.deviceIndex = deviceIndex;
  return request;
}

// The server's count of scan reports produced so far, so that a new scan delivers only what comes
// after its start (0 when it cannot be had; the start then fails at the server as well).
std::uint64_t ScanReportsSoFar(SdkTarget& target) {
  std::string value;
  if (target.client.StateValue(target.device, "scan.reports", value) != kOk) return 0;
  return std::strtoull(value.c_str(), nullptr, 10);
}

}  // namespace

extern "C" {

int WINAPI DLLQZ_SetActive_Device(WORD vendorId, WORD productId) {
  SdkTarget target = CurrentTarget();
  vorma::virtual72xx::DeviceNumber device = 0;
  const int result = target.client.SdkSetActiveDevice(vendorId, productId, device);
  // A failed selection leaves no current device rather than a stale one.
  vorma::sdk::SelectDevice(result == 0 ? device : 0);
  return result;
}

int WINAPI DLLQZ_AudioCommand(BYTE* block, DWORD* size) {
  // The block is exactly the size the caller says it is; anything else cannot be read safely.
  if (!block || !size || *size != kSdkAudioCommandBlockSize) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::vector<std::uint8_t> data = Bytes(block, *size);
  const int result = target.client.SdkAudioCommand(target.device, data);
  if (result == 0) {
    const size_t copied = std::min<size_t>(data.size(), kSdkAudioCommandBlockSize);
    std::memcpy(block, data.data(), copied);
    *size = static_cast<DWORD>(copied);
  }
  return result;
}

int WINAPI DLLQZ_SetVirtual7ch1_OnOff(DWORD enable) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetVirtual7ch1OnOff(target.device, enable);
}

int WINAPI DLLQZ_SetVirtual7ch1(const BYTE* parameterBlock68) {
  if (!parameterBlock68) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetVirtual7ch1(target.device, Bytes(parameterBlock68, kVirtual7ch1BlockSize));
}

int WINAPI DLLQZ_SetVirtual7ch1_Scalar(float scalar) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetVirtual7ch1Scalar(target.device, scalar);
}

int WINAPI DLLQZ_SetEnc_Parameters(const BYTE* parameterRecord16) {
  if (!parameterRecord16) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetEncParameters(target.device, Bytes(parameterRecord16, kEncRecordSize));
}

int WINAPI DLLQZ_ConfigEQ_ById(BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkConfigEq(target.device, deviceIndex);
}

int WINAPI DLLQZ_IsEQ_Enable_ById(DWORD* enable, BYTE deviceIndex) {
  if (!enable) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::uint32_t state = 0;
  const int result = target.client.SdkIsEqEnable(target.device, state, deviceIndex);
  if (result == 0) *enable = state;
  return result;
}

int WINAPI DLLQZ_SetEQ_OnOff_ById(DWORD enable, BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetEqOnOff(target.device, enable, deviceIndex);
}

int WINAPI DLLQZ_Config3D_ById(BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkConfig3D(target.device, deviceIndex);
}

int WINAPI DLLQZ_Is3D_Enable_ById(DWORD* enable, BYTE deviceIndex) {
  if (!enable) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::uint32_t state = 0;
  const int result = target.client.SdkIs3DEnable(target.device, state, deviceIndex);
  if (result == 0) *enable = state;
  return result;
}

int WINAPI DLLQZ_Set3D_OnOff_ById(DWORD enable, BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkSet3DOnOff(target.device, enable, deviceIndex);
}

int WINAPI DLLQZ_Read_I2C_ById(BYTE deviceAddress, BYTE byteAddress, BYTE* buffer, DWORD length, DWORD timeout,
                               BYTE deviceIndex) {
  if (!buffer && length > 0) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::vector<std::uint8_t> data;
  const int result =
      target.client.SdkReadI2c(target.device, deviceAddress, byteAddress, length, timeout, deviceIndex, data);
  // Never more than the caller's buffer holds, whatever the answer's length.
  if (result == 0) std::memcpy(buffer, data.data(), std::min<size_t>(data.size(), length));
  return result;
}

int WINAPI DLLQZ_Write_Register_ById(WORD address, BYTE value, BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkWriteRegister(target.device, address, value, deviceIndex);
}

int WINAPI DLLQZ_Read_Register_ById(WORD address, BYTE* value, BYTE deviceIndex) {
  if (!value) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::uint8_t read = 0;
  const int result = target.client.SdkReadRegister(target.device, address, read, deviceIndex);
  if (result == 0) *value = read;
  return result;
}

int WINAPI DLLQZ_ScanButton_ById(WORD vendorId, WORD productId, SdkScanCallback callback, DWORD enable,
                                 BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  if (enable == 0) {
    // The local thread stops whatever the device answers, so no callback follows this call.
    vorma::sdk::StopButtonScan();
    return target.client.SdkScanButton(target.device, vendorId, productId, callback != nullptr, 0, deviceIndex);
  }
  // A running scan ends first, so that it cannot deliver the new scan's first report as well.
  vorma::sdk::StopButtonScan();
  vorma::sdk::ScanRequest request;
  request.device = target.device;
  request.vendorId = vendorId;
  request.productId = productId;
  request.callback = callback;
  request.deviceIndex = deviceIndex;
  request.afterSequence = ScanReportsSoFar(target);
  const int result =
      target.client.SdkScanButton(target.device, vendorId, productId, callback != nullptr, enable, deviceIndex);
  if (result != 0) return result;
  if (!vorma::sdk::StartButtonScan(target.client, request)) {
    target.client.SdkScanButton(target.device, vendorId, productId, true, 0, deviceIndex);
    return kSdkFailed;
  }
  return 0;
}

int WINAPI DLLQZ_SetGpioMode_ById(const BYTE* modes, DWORD count, BYTE deviceIndex) {
  if (!modes && count > 0) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  // Read no further than the device's pins: a larger count is the device's to refuse.
  const size_t readable = std::min<size_t>(count, kGpioPins);
  return target.client.SdkSetGpioMode(target.device, Bytes(modes, readable), count, deviceIndex);
}

int WINAPI DLLQZ_SetGpioModeEx_ById(BYTE gpio, BYTE mode, BYTE deviceIndex) {
  SdkTarget target = CurrentTarget();
  return target.client.SdkSetGpioModeEx(target.device, gpio, mode, deviceIndex);
}

int WINAPI DLLQZ_GetGpioEx_ById(BYTE gpio, BYTE* level, BYTE deviceIndex) {
  if (!level) return kSdkFailed;
  SdkTarget target = CurrentTarget();
  std::uint8_t read = 0;
  const int result = target.client.SdkGetGpioEx(target.device, gpio, read, deviceIndex);
  if (result == 0) *level = read;
  return result;
}

// --- LED controller ---

int WINAPI DLLQZ_SetRGB_Color(BYTE controllerId, BYTE led, BYTE slot, BYTE red, BYTE green, BYTE blue,
                              DWORD timeout) {
  return SendRgb(WithColor(Rgb(RgbForm::Master, RgbCommand::Color, controllerId, led, slot, timeout), red, green, blue));
}

int WINAPI DLLQZ_SetRGB_Mode(BYTE controllerId, BYTE led, BYTE mode, BYTE speed, DWORD timeout) {
  return SendRgb(WithSpeed(Rgb(RgbForm::Master, RgbCommand::Mode, controllerId, led, mode, timeout), speed));
}

int WINAPI DLLQZ_SetRGB_Brightness(BYTE controllerId, BYTE led, BYTE level, DWORD timeout) {
  return SendRgb(Rgb(RgbForm::Master, RgbCommand::Brightness, controllerId, led, level, timeout));
}

int WINAPI DLLQZ_SetRGB_Step(BYTE controllerId, BYTE count, DWORD timeout) {
  return SendRgb(Rgb(RgbForm::Master, RgbCommand::Step, controllerId, 0, count, timeout));
}

int WINAPI DLLQZ_SetRGB_SingleColor(BYTE controllerId, BYTE led, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                    DWORD timeout) {
  return SendRgb(
      WithColor(Rgb(RgbForm::Master, RgbCommand::SingleColor, controllerId, led, mode, timeout), red, green, blue));
}

int WINAPI DLLQZ_SetRGB_Color_ById(BYTE controllerId, BYTE group, BYTE slot, BYTE red, BYTE green, BYTE blue,
                                   DWORD timeout, BYTE deviceIndex) {
  return SendRgb(WithDeviceIndex(
      WithColor(Rgb(RgbForm::ById, RgbCommand::Color, controllerId, group, slot, timeout), red, green, blue),
      deviceIndex));
}

int WINAPI DLLQZ_SetRGB_Mode_ById(BYTE controllerId, BYTE group, BYTE mode, BYTE speed, DWORD timeout,
                                  BYTE deviceIndex) {
  return SendRgb(
      WithDeviceIndex(WithSpeed(Rgb(RgbForm::ById, RgbCommand::Mode, controllerId, group, mode, timeout), speed),
                      deviceIndex));
}

int WINAPI DLLQZ_SetRGB_Step_ById(BYTE controllerId, BYTE count, DWORD timeout, BYTE deviceIndex) {
  return SendRgb(WithDeviceIndex(Rgb(RgbForm::ById, RgbCommand::Step, controllerId, 0, count, timeout), deviceIndex));
}

int WINAPI DLLQZ_SetRGB_SingleColor_ById(BYTE controllerId, BYTE group, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                         DWORD timeout, BYTE deviceIndex) {
  return SendRgb(WithDeviceIndex(
      WithColor(Rgb(RgbForm::ById, RgbCommand::SingleColor, controllerId, group, mode, timeout), red, green, blue),
      deviceIndex));
}

int WINAPI DLLQZ_UsbHidSlave_SetRGB_Color_Ex(BYTE led, BYTE slot, BYTE red, BYTE green, BYTE blue, DWORD timeout) {
  return SendRgb(WithColor(Rgb(RgbForm::Slave, RgbCommand::Color, 0, led, slot, timeout), red, green, blue));
}

int WINAPI DLLQZ_UsbHidSlave_SetRGB_Mode_Ex(BYTE led, BYTE mode, BYTE speed, DWORD timeout) {
  return SendRgb(WithSpeed(Rgb(RgbForm::Slave, RgbCommand::Mode, 0, led, mode, timeout), speed));
}

int WINAPI DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex(BYTE led, BYTE level, DWORD timeout) {
  return SendRgb(Rgb(RgbForm::Slave, RgbCommand::Brightness, 0, led, level, timeout));
}

int WINAPI DLLQZ_UsbHidSlave_SetRGB_Step_Ex(BYTE count, DWORD timeout) {
  return SendRgb(Rgb(RgbForm::Slave, RgbCommand::Step, 0, 0, count, timeout));
}

int WINAPI DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex(BYTE led, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                                  DWORD timeout) {
  return SendRgb(WithColor(Rgb(RgbForm::Slave, RgbCommand::SingleColor, 0, led, mode, timeout), red, green, blue));
}

}  // extern "C"
