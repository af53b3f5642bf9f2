#pragma once
// Which of the device's ten GPIO pins are buttons or a switch, at which level they are active and
// what each one does, as AudioConfig.cfg configures them.

#include <array>
#include <string_view>

namespace vorma::buttons {

inline constexpr int kGpioCount = 10;

struct GpioConfiguration {
  int mode = 0;  // m_nGPIOMode: 0 button mode, 1 switch mode, anything else neither
  std::array<int, kGpioCount> enable{};     // m_nGPIOEnable: 1 = the pin is used
  std::array<int, kGpioCount> direction{};  // [GPIO] DIRECTION, kept as read
  std::array<int, kGpioCount> active{};     // m_nGPIOActive: 1 active high, 0 active low
  std::array<int, kGpioCount> function{};   // m_nGPIOFunction: 1-9, -1 for no function
  int buttonMode = 0;                       // m_nGPIOButtonMode
  int dipSwMode = 0;                        // m_nGPIODipSwMode

  bool SwitchMode() const { return mode == 1; }
  bool ButtonMode() const { return mode == 0; }
  // Reports go to the GPIO function dispatcher instead of the ENC button.
  bool DispatchesFunctions() const { return buttonMode == 1 || dipSwMode == 1; }
};

// A [GPIOFunction] value: "F7" -> 7; anything that does not begin with "F" (or nothing) -> -1.
int GpioFunctionNumber(std::wstring_view text);

}  // namespace vorma::buttons
