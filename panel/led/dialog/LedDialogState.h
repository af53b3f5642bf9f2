#pragma once
// What the LED settings dialog shares with its command worker: the mode last chosen, the speed of
// each effect (modes 3 to 7), and where commands go (LED number, Master or Slave, controller ID and
// command argument). The dialog changes them on the user-interface thread; the worker takes them
// as one consistent snapshot per pass.

#include "panel/led/dialog/LedDialogCommands.h"

#include <array>
#include <mutex>

namespace vorma::led {

inline constexpr int kDialogModeOff = 1;
inline constexpr int kDialogModeSingleColour = 2;
inline constexpr int kDialogFirstEffect = 3;  // Blinking; Breathe 4, Rainbow 5, Multi Breathe 6,
inline constexpr int kDialogLastEffect = 7;   // Single Random 7

struct LedDialogValues {
  int mode = kDialogModeOff;
  std::array<int, kDialogLastEffect - kDialogFirstEffect + 1> speeds{1, 1, 1, 1, 1};
  LedDialogAddress address;

  // The stored speed of the current mode for an effect, 0 for off and the single colour.
  int SpeedOfMode() const;
};

class CLedDialogState {
public:
  LedDialogValues Snapshot() const;

  int Mode() const;
  void SetMode(int mode);
  // Stores the speed of an effect mode (3..7); other modes have none.
  void SetSpeed(int mode, int speed);
  LedDialogAddress Address() const;
  void SetControllerId(BYTE id);
  void SetLedNumber(int led);
  void SetMaster(bool master);

private:
  mutable std::mutex mutex_;
  LedDialogValues values_;
};

}  // namespace vorma::led
