#include "outside/virtual72xx/LedController.h"

#include <cstdio>

namespace vorma::virtual72xx {

namespace {

bool InRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

std::string Rgb(std::uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(color));
  return text;
}

}  // namespace

bool LedController::Apply(const RgbRequest& r) {
  // The slave functions carry no controller ID; the master answers only at its own.
  if (r.form != RgbForm::Slave && r.controllerId != kLedControllerId) return false;
  const std::uint32_t color = (std::uint32_t{r.red} << 16) | (std::uint32_t{r.green} << 8) | r.blue;
  bool valid = false;
  switch (r.command) {
    case RgbCommand::Mode: valid = InRange(r.value, 1, 7); break;
    case RgbCommand::Color: valid = InRange(r.value, 1, 7); break;
    case RgbCommand::SingleColor: valid = InRange(r.value, 2, 4); break;
    case RgbCommand::Brightness: valid = InRange(r.value, 1, 6); break;
    case RgbCommand::Step: valid = r.value >= 1; break;
  }
  if (!valid) return false;
  if (r.command == RgbCommand::Step) {
    stepCount_ = r.value;
    return true;
  }
  if (r.led > 2) return false;
  // LED number 0 addresses both outputs.
  for (int led = 1; led <= 2; ++led) {
    if (r.led != 0 && r.led != led) continue;
    LedOutput& out = outputs_[led - 1];
    switch (r.command) {
      case RgbCommand::Mode:
        out.mode = r.value;
        out.speed = r.speed;
        break;
      case RgbCommand::Color: out.palette[r.value] = color; break;
      case RgbCommand::SingleColor: out.modeColors[r.value] = color; break;
      case RgbCommand::Brightness: out.brightness = r.value; break;
      case RgbCommand::Step: break;
    }
  }
  return true;
}

void LedController::Dump(std::vector<StateEntry>& state) const {
  const std::string prefix = "led." + name_ + ".";
  state.push_back({prefix + "steps", std::to_string(stepCount_)});
  for (int led = 1; led <= 2; ++led) {
    const LedOutput& out = outputs_[led - 1];
    const std::string p = prefix + std::to_string(led) + ".";
    state.push_back({p + "mode", std::to_string(out.mode)});
    state.push_back({p + "speed", std::to_string(out.speed)});
    state.push_back({p + "brightness", std::to_string(out.brightness)});
    for (int slot = 1; slot <= 7; ++slot) state.push_back({p + "color." + std::to_string(slot), Rgb(out.palette[slot])});
    for (int mode = 2; mode <= 4; ++mode)
      state.push_back({p + "modecolor." + std::to_string(mode), Rgb(out.modeColors[mode])});
  }
}

}  // namespace vorma::virtual72xx
