#pragma once
// The LED members the page's handlers change on the user-interface thread and the effect worker
// reads on its own: the controller mode last chosen, the three effect speeds and the seven
// multi-breathe colours, behind one lock so that the worker takes them as one consistent set, and
// the flag that the seven colours still have to be loaded, which exactly one side takes.

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace vorma::led {

enum class LedEffect { Breathe = 1, Rainbow = 2, MultiBreathe = 3 };

// The nine colours a skin load starts from (0x00BBGGRR).
inline constexpr std::array<std::int32_t, 7> kDefaultLedColours{255, 65535, 32768, 16711680, 16711935, 8388736, 65280};
inline constexpr std::int32_t kDefaultSingleColour = 255;
inline constexpr std::int32_t kDefaultBreatheColour = 255;

struct LedEffectValues {
  int deviceMode = 1;
  int breatheSpeed = 1;
  int rainbowSpeed = 1;
  int multiBreatheSpeed = 1;
  std::array<std::int32_t, 7> colours = kDefaultLedColours;  // entry i is colour i + 1

  int SpeedOf(LedEffect effect) const;
};

class CLedEffectState {
public:
  LedEffectValues Snapshot() const;

  int DeviceMode() const;
  void SetDeviceMode(int mode);
  int Speed(LedEffect effect) const;
  void SetSpeed(LedEffect effect, int speed);
  std::int32_t Colour(int index) const;  // 1..7
  void SetColour(int index, std::int32_t colour);
  void ResetColours();

  // True for the one caller that finds the seven colours still to be loaded; it clears the flag.
  bool TakeColourLoad() { return m_bInitMultiColorLED.exchange(0) == 1; }
  bool ColourLoadPending() const { return m_bInitMultiColorLED.load() == 1; }

private:
  mutable std::mutex mutex_;
  LedEffectValues values_;
  std::atomic<int> m_bInitMultiColorLED{1};
};

}  // namespace vorma::led
