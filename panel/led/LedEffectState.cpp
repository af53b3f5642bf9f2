#include "panel/led/LedEffectState.h"

namespace vorma::led {

int LedEffectValues::SpeedOf(LedEffect effect) const {
  switch (effect) {
    case LedEffect::Breathe: return breatheSpeed;
    case LedEffect::Rainbow: return rainbowSpeed;
    case LedEffect::MultiBreathe: return multiBreatheSpeed;
  }
  return 1;
}

LedEffectValues CLedEffectState::Snapshot() const {
  std::lock_guard lock(mutex_);
  return values_;
}

int CLedEffectState::DeviceMode() const {
  std::lock_guard lock(mutex_);
  return values_.deviceMode;
}

void CLedEffectState::SetDeviceMode(int mode) {
  std::lock_guard lock(mutex_);
  values_.deviceMode = mode;
}

int CLedEffectState::Speed(LedEffect effect) const {
  std::lock_guard lock(mutex_);
  return values_.SpeedOf(effect);
}

void CLedEffectState::SetSpeed(LedEffect effect, int speed) {
  std::lock_guard lock(mutex_);
  switch (effect) {
    case LedEffect::Breathe: values_.breatheSpeed = speed; break;
    case LedEffect::Rainbow: values_.rainbowSpeed = speed; break;
    case LedEffect::MultiBreathe: values_.multiBreatheSpeed = speed; break;
  }
}

std::int32_t CLedEffectState::Colour(int index) const {
  std::lock_guard lock(mutex_);
  return index >= 1 && index <= 7 ? values_.colours[index - 1] : 0;
}

void CLedEffectState::SetColour(int index, std::int32_t colour) {
  if (index < 1 || index > 7) return;
  std::lock_guard lock(mutex_);
  values_.colours[index - 1] = colour;
}

void CLedEffectState::ResetColours() {
  std::lock_guard lock(mutex_);
  values_.colours = kDefaultLedColours;
}

}  // namespace vorma::led
