#pragma once
// The LED settings dialog's commands to the LED controller. Unlike the page, the dialog addresses
// an LED output of its own choosing (0 all, 1, 2) and either the SDK's plain functions ("Master",
// with the controller ID first) or its USB HID slave functions ("Slave", without it); every call
// ends with the dialog's command argument. Results are the SDK's (0 success); the dialog ignores them.

#include <windows.h>

#include <cstdint>

namespace vorma::led {

inline constexpr int kDialogLedAll = 0;
inline constexpr DWORD kDialogCommandArgument = 500;
inline constexpr BYTE kDialogStepCount = 7;

// Whom a command goes to: Master or Slave form, controller ID (Master only), LED output and the
// last argument of the call.
struct LedDialogAddress {
  bool master = true;
  BYTE controllerId = 0x3A;
  int led = kDialogLedAll;
  DWORD argument = kDialogCommandArgument;
};

// Colour commands never address all outputs: "all" goes to LED 1.
constexpr int ColourLedOf(int led) { return led == kDialogLedAll ? 1 : led; }

int DialogStep(const LedDialogAddress& to);
int DialogPaletteColour(const LedDialogAddress& to, int slot, std::int32_t colour);
int DialogModeColour(const LedDialogAddress& to, int mode, std::int32_t colour);
int DialogBrightness(const LedDialogAddress& to, int level);
int DialogMode(const LedDialogAddress& to, int mode, int speed);

}  // namespace vorma::led
