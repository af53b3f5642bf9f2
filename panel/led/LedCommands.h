#pragma once
// The commands of the device's RGB LED controller as the main window's LED page and its effect
// worker send them: every call carries the controller ID 0x3A first and the timeout 50 and device
// index 0 last, with group 0 for modes and group 1 for colours.

#include <windows.h>

#include <cstdint>

namespace vorma::led {

inline constexpr BYTE kLedControllerId = 0x3A;
inline constexpr DWORD kLedCommandTimeout = 50;
inline constexpr BYTE kLedDeviceIndex = 0;
inline constexpr BYTE kLedModeGroup = 0;
inline constexpr BYTE kLedColourGroup = 1;
inline constexpr BYTE kLedStepCount = 7;

// Controller modes the page chooses.
inline constexpr int kLedModeOff = 1;
inline constexpr int kLedModeStatic = 2;
inline constexpr int kLedModeBreathe = 4;
inline constexpr int kLedModeRainbow = 5;
inline constexpr int kLedModeMultiBreathe = 6;

// A colour as the window framework holds it: red in the low byte, then green, then blue.
struct RgbParts {
  BYTE red;
  BYTE green;
  BYTE blue;
};
constexpr RgbParts PartsOf(std::int32_t colour) {
  return {static_cast<BYTE>(colour & 0xFF), static_cast<BYTE>((colour >> 8) & 0xFF),
          static_cast<BYTE>((colour >> 16) & 0xFF)};
}

// One call each; the SDK's result (0 success).
int LedMode(int mode, int speed);
int LedPaletteColour(int index, std::int32_t colour);
int LedModeColour(int mode, std::int32_t colour);
int LedStep();

// A failed call is issued once more after 10 ms; the second result is not looked at.
void SendLedModeWithRetry(int mode, int speed);
void SendLedPaletteColourWithRetry(int index, std::int32_t colour);
void SendLedModeColourWithRetry(int mode, std::int32_t colour);
void SendLedStepWithRetry();

}  // namespace vorma::led
