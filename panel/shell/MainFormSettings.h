#pragma once
// The main window's own values from the program's AudioConfig.cfg. Most numbers are read leniently
// (leading digits, 0 without any); the region switch, the hardware-button mode and the GPIO levels
// are read strictly, because a panel that guessed them would drive the wrong pins: a value that is
// not a number stops the start-up with a conversion error.

#include "foundation/ValueItems.h"
#include "panel/buttons/GpioConfiguration.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorma {
class ProfileFile;
}

namespace vorma::shell {

using buttons::GpioConfiguration;
using buttons::kGpioCount;

// The framework's conversion error; its text is what the user sees in the error box.
class ConversionError : public std::runtime_error {
public:
  explicit ConversionError(const std::wstring& text);
  const std::wstring& Text() const { return text_; }

private:
  std::wstring text_;
};

// Lenient numbers are foundation's LenientInteger (leading digits, 0 without any).
// The framework's strict integer, throwing ConversionError "'<text>' is not a valid integer value".
int StrictInteger(std::wstring_view text);

struct MainFormSettings {
  int regionCut = 0;         // [Skin] RegionCut
  int oldVersion = 0;        // m_nOldVersion
  int defaultIni = 0;        // m_nDefaultIni
  int bee = 0;               // [Version] Bee: the test-tone box on the 7.1 page
  int micMonitorDefault = 1;  // [Mic] Monitor, 1 when empty
  float v7ch1Scalar = 2.0f;   // [DefaultSet] V7ch1Scalar x 0.1, 2.0 when empty
  int encButtonMode = 0;      // m_nEncButtonMode
  int encGpio = 0;            // m_nEncGpio
  int exclusive3DV7ch1 = 0;   // [DefaultSet] 3DV7ch1MutuallyExclusive
  GpioConfiguration gpio;
};

using buttons::GpioFunctionNumber;

// Reads every value from `configPath`. Throws ConversionError for a strictly read value that is
// empty or not a number.
MainFormSettings ReadMainFormSettings(const std::wstring& configPath);
// The same for an AudioConfig.cfg already read.
MainFormSettings ReadMainFormSettings(const ProfileFile& config);

}  // namespace vorma::shell
