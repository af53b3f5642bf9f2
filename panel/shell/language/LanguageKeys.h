#pragma once
// The label keys of Language.ini in reading order: section, default page, the main window control
// each record is applied to and how its up/down state is chosen.

#include "panel/features/MainWindowTags.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace vorma::shell {

// How ApplyLanguageToControls treats a record.
enum class LabelRole {
  MenuButton,   // Menu1Label..Menu3Label, up
  PageLabel,    // a page name; down on its own page (`value` = page id)
  DeviceState,  // DeviceActiveLabel; `value` 1 active, 2 driver silent, 0 no device
  PresetName,   // SXLabel's own record
  Plain,        // up
  TwoState,     // down while the button state `value` (ButtonState) is 1
  Preset,       // down for the selected preset `value`
  Effect,       // down for the selected effect `value`
  Level,        // up, then the caption is the level `value` (LevelKind)
  MenuCaption,  // text of the popup menu item named by `control`
  AboutDialog,  // applied by the About dialog, not on the main window
  MessageText,  // the text of a message box; no control
};

enum class LevelKind { Microphone, Encoder };

struct LanguageKey {
  std::wstring_view section;
  std::wstring_view key;
  int defaultPage = 0;
  std::wstring_view control;  // label (or menu item) name; empty when there is none
  LabelRole role = LabelRole::Plain;
  int value = 0;
};

inline constexpr std::size_t kLanguageKeyCount = 80;

// The 80 label keys in reading order.
std::span<const LanguageKey, kLanguageKeyCount> LanguageKeys();

// Index of a key in LanguageKeys(), or kLanguageKeyCount when there is no such key.
std::size_t LanguageKeyIndex(std::wstring_view key);

}  // namespace vorma::shell
