#include "panel/led/LedCommands.h"

#include "panel/device/SdkLibrary.h"

namespace vorma::led {
namespace {

constexpr DWORD kRetryPauseMs = 10;

template <typename Call>
void SendWithOneRetry(Call call) {
  if (call() == 0) return;
  Sleep(kRetryPauseMs);
  call();
}

}  // namespace

int LedMode(int mode, int speed) {
  return Sdk().DLLQZ_SetRGB_Mode_ById(kLedControllerId, kLedModeGroup, static_cast<BYTE>(mode),
                                      static_cast<BYTE>(speed), kLedCommandTimeout, kLedDeviceIndex);
}

int LedPaletteColour(int index, std::int32_t colour) {
  const RgbParts rgb = PartsOf(colour);
  return Sdk().DLLQZ_SetRGB_Color_ById(kLedControllerId, kLedColourGroup, static_cast<BYTE>(index), rgb.red, rgb.green,
                                       rgb.blue, kLedCommandTimeout, kLedDeviceIndex);
}

int LedModeColour(int mode, std::int32_t colour) {
  const RgbParts rgb = PartsOf(colour);
  return Sdk().DLLQZ_SetRGB_SingleColor_ById(kLedControllerId, kLedColourGroup, static_cast<BYTE>(mode), rgb.red,
                                             rgb.green, rgb.blue, kLedCommandTimeout, kLedDeviceIndex);
}

int LedStep() { return Sdk().DLLQZ_SetRGB_Step_ById(kLedControllerId, kLedStepCount, kLedCommandTimeout, kLedDeviceIndex); }

void SendLedModeWithRetry(int mode, int speed) {
  SendWithOneRetry([=] { return LedMode(mode, speed); });
}
void SendLedPaletteColourWithRetry(int index, std::int32_t colour) {
  SendWithOneRetry([=] { return LedPaletteColour(index, colour); });
}
void SendLedModeColourWithRetry(int mode, std::int32_t colour) {
  SendWithOneRetry([=] { return LedModeColour(mode, colour); });
}
void SendLedStepWithRetry() { SendWithOneRetry(LedStep); }

}  // namespace vorma::led
