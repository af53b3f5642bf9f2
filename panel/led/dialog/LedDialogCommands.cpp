#include "panel/led/dialog/LedDialogCommands.h"

#include "panel/device/SdkLibrary.h"
#include "panel/led/LedCommands.h"

namespace vorma::led {
namespace {

BYTE Byte(int value) { return static_cast<BYTE>(value); }

}  // namespace

int DialogStep(const LedDialogAddress& to) {
  if (to.master) return Sdk().DLLQZ_SetRGB_Step(to.controllerId, kDialogStepCount, to.argument);
  return Sdk().DLLQZ_UsbHidSlave_SetRGB_Step_Ex(kDialogStepCount, to.argument);
}

int DialogPaletteColour(const LedDialogAddress& to, int slot, std::int32_t colour) {
  const RgbParts rgb = PartsOf(colour);
  const BYTE led = Byte(ColourLedOf(to.led));
  if (to.master)
    return Sdk().DLLQZ_SetRGB_Color(to.controllerId, led, Byte(slot), rgb.red, rgb.green, rgb.blue, to.argument);
  return Sdk().DLLQZ_UsbHidSlave_SetRGB_Color_Ex(led, Byte(slot), rgb.red, rgb.green, rgb.blue, to.argument);
}

int DialogModeColour(const LedDialogAddress& to, int mode, std::int32_t colour) {
  const RgbParts rgb = PartsOf(colour);
  const BYTE led = Byte(ColourLedOf(to.led));
  if (to.master)
    return Sdk().DLLQZ_SetRGB_SingleColor(to.controllerId, led, Byte(mode), rgb.red, rgb.green, rgb.blue, to.argument);
  return Sdk().DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex(led, Byte(mode), rgb.red, rgb.green, rgb.blue, to.argument);
}

int DialogBrightness(const LedDialogAddress& to, int level) {
  if (to.master) return Sdk().DLLQZ_SetRGB_Brightness(to.controllerId, Byte(to.led), Byte(level), to.argument);
  return Sdk().DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex(Byte(to.led), Byte(level), to.argument);
}

int DialogMode(const LedDialogAddress& to, int mode, int speed) {
  if (to.master) return Sdk().DLLQZ_SetRGB_Mode(to.controllerId, Byte(to.led), Byte(mode), Byte(speed), to.argument);
  return Sdk().DLLQZ_UsbHidSlave_SetRGB_Mode_Ex(Byte(to.led), Byte(mode), Byte(speed), to.argument);
}

}  // namespace vorma::led
