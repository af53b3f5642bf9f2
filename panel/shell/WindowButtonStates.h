#pragma once
// The main window's state as its pictures and captions show it: the two-state buttons (0 up,
// 1 down), the selected equaliser preset and sound-field effect, and the current page. Applying a
// skin and applying a language both choose their records by it.

#include "panel/features/MainWindowTags.h"

#include <optional>

namespace vorma::shell {

struct WindowButtonStates {
  int eqEnable = 0;
  int threeDEnable = 0;  // EQ3DENImage and D33DENImage
  int fbm = 0;
  int micBoost = 0;
  int micMute = 0;
  int micMonitor = 0;
  int virtualEnable = 0;
  int clockwise = 0;
  int counterclockwise = 0;
  int enlarge = 0;
  int narrow = 0;
  int eqPreset = 1;     // m_nEQPreset, 1..4
  int effect = 0;       // m_nEffect, 0 none, 1..5
  int currentPage = 1;  // m_nCurrentPage
};

// The state a two-state button of the Tag table shows; none for the members kept elsewhere (the
// LED indicator, the device indicators, the sync flag).
inline std::optional<int> StateShown(const WindowButtonStates& states, ButtonState kind) {
  switch (kind) {
    case ButtonState::EqEnable: return states.eqEnable;
    case ButtonState::ThreeDEnable: return states.threeDEnable;
    case ButtonState::Fbm: return states.fbm;
    case ButtonState::MicBoost: return states.micBoost;
    case ButtonState::MicMute: return states.micMute;
    case ButtonState::MicMonitor: return states.micMonitor;
    case ButtonState::Virtual7ch1Enable: return states.virtualEnable;
    case ButtonState::Clockwise: return states.clockwise;
    case ButtonState::Counterclockwise: return states.counterclockwise;
    case ButtonState::Enlarge: return states.enlarge;
    case ButtonState::Narrow: return states.narrow;
    default: return std::nullopt;
  }
}

}  // namespace vorma::shell
