#pragma once
// The RGB LED controller behind the audio chip: two LED outputs, each with a mode (1 off, 2 static
// colour, 3 blinking, 4 breathe, 5 rainbow, 6 multi-breathe, 7 single random), the speed of the
// last mode command, seven palette colours, a colour per colour-taking mode (2, 3, 4) and a
// brightness (1-6), plus the controller's step count. A device has a master controller (reached
// by the plain and _ById SDK functions at controller ID 0x3A) and a slave controller (the USB HID
// slave functions).

#include "outside/virtual72xx/Virtual72xxTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

inline constexpr std::uint8_t kLedControllerId = 0x3A;

struct LedOutput {
  std::uint8_t mode = 1;
  std::uint8_t speed = 0;
  std::uint8_t brightness = 6;
  std::array<std::uint32_t, 8> palette{};     // index 1-7, 0xRRGGBB
  std::array<std::uint32_t, 8> modeColors{};  // index 2-4, 0xRRGGBB
};

class LedController {
public:
  explicit LedController(std::string name) : name_(std::move(name)) {}

  // Carries out one command; false when the controller refuses it (wrong controller ID, LED
  // number above 2, or a value out of its range), leaving the state unchanged.
  bool Apply(const RgbRequest& request);

  const LedOutput& Output(int led) const { return outputs_[led - 1]; }
  std::uint8_t StepCount() const { return stepCount_; }
  void Dump(std::vector<StateEntry>& state) const;

private:
  std::string name_;
  std::array<LedOutput, 2> outputs_{};
  std::uint8_t stepCount_ = 7;
};

}  // namespace vorma::virtual72xx
