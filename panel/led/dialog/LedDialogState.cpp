#include "panel/led/dialog/LedDialogState.h"

namespace vorma::led {
namespace {

bool IsEffect(int mode) { return mode >= kDialogFirstEffect && mode <= kDialogLastEffect; }

}  // namespace

int LedDialogValues::SpeedOfMode() const { return IsEffect(mode) ? speeds[mode - kDialogFirstEffect] : 0; }

LedDialogValues CLedDialogState::Snapshot() const {
  std::lock_guard lock(mutex_);
  return values_;
}

int CLedDialogState::Mode() const {
  std::lock_guard lock(mutex_);
  return values_.mode;
}

void CLedDialogState::SetMode(int mode) {
  std::lock_guard lock(mutex_);
  values_.mode = mode;
}

void CLedDialogState::SetSpeed(int mode, int speed) {
  if (!IsEffect(mode)) return;
  std::lock_guard lock(mutex_);
  values_.speeds[mode - kDialogFirstEffect] = speed;
}

LedDialogAddress CLedDialogState::Address() const {
  std::lock_guard lock(mutex_);
  return values_.address;
}

void CLedDialogState::SetControllerId(BYTE id) {
  std::lock_guard lock(mutex_);
  values_.address.controllerId = id;
}

void CLedDialogState::SetLedNumber(int led) {
  std::lock_guard lock(mutex_);
  values_.address.led = led;
}

void CLedDialogState::SetMaster(bool master) {
  std::lock_guard lock(mutex_);
  values_.address.master = master;
}

}  // namespace vorma::led
