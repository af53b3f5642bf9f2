#pragma once
// The Tags of the main window's controls in one table: for each Tag its image and caption label,
// the two-state member it flips, its skin and language records, and its page. The window's Tag
// dispatch, its two-state buttons, its page buttons and the skin application read the table; the
// feature pages name their Tags with the constants below. A slider has Tag s, the bar behind it
// s + 100 and an equaliser band's lower bar s + 200; the helpers below answer those relations, so
// no caller computes with Tag numbers.

#include <optional>
#include <span>
#include <string_view>

namespace vorma {

// --- named Tags ---
inline constexpr int kTagClose = 0;
inline constexpr int kTagMinimize = 1;
inline constexpr int kTagMenuSave = 2;
inline constexpr int kTagMenuLoad = 3;
inline constexpr int kTagMenuAbout = 4;
inline constexpr int kTagEqReset = 5;
inline constexpr int kTag3DReset = 6;
inline constexpr int kTagEqEnable = 7;
inline constexpr int kTag3DEnable = 8;
inline constexpr int kTagEqPresetFirst = 9;  // S1; S2..S4 follow
inline constexpr int kTagFbm = 13;
inline constexpr int kTagAlphaLink = 14;
inline constexpr int kTagBetaLink = 15;
inline constexpr int kTagEffectFirst = 16;  // effect n on Tag kTagEffectFirst + n - 1
inline constexpr int kTagMicBoost = 21;
inline constexpr int kTagMicMute = 22;
inline constexpr int kTagPageEq = 23;
inline constexpr int kTagPage3D = 24;
inline constexpr int kTagPageEffect = 25;
inline constexpr int kTagPageMic = 26;
inline constexpr int kTagPageVirtual7ch1 = 27;
inline constexpr int kTagSync = 28;
inline constexpr int kTagEqSliderFirst = 29;  // the 60 Hz band; the other four follow
inline constexpr int kTag3DSliderFirst = 34;  // left beta, left alpha, right beta, right alpha
inline constexpr int kTagMicSlider = 38;
inline constexpr int kTagSpeakerFirst = 39;  // L, R, C, SUB, LS, RS, LB, RB
inline constexpr int kTagVirtual7ch1Enable = 47;
inline constexpr int kTagVirtualReset = 48;
inline constexpr int kTagVirtualClockwise = 49;
inline constexpr int kTagVirtualCounterclockwise = 50;
inline constexpr int kTagLedIndicator = 51;
inline constexpr int kTagVirtualNarrow = 52;
inline constexpr int kTagVirtualEnlarge = 53;
inline constexpr int kTagDeviceIn = 54;
inline constexpr int kTagDeviceOut = 55;
inline constexpr int kTagEncSlider = 88;
inline constexpr int kTagMicMonitor = 89;
inline constexpr int kTagLedColourDotFirst = 151;  // the LED page's colour dots (shapes) 1..7
inline constexpr int kTagLedBreatheDot = 183;
inline constexpr int kTagLedSingleDot = 184;
inline constexpr int kTagPageVoiceEffect = 226;
inline constexpr int kTagPageEnc = 227;
inline constexpr int kTagPageLed = 228;

// The pages m_nCurrentPage names that code looks at by number.
inline constexpr int kPageMic = 3;
inline constexpr int kPageVirtual7ch1 = 4;
inline constexpr int kPageLed = 6;
inline constexpr int kPageEnc = 7;

inline constexpr int kEqPresetTagCount = 4;
inline constexpr int kEffectTagCount = 5;
inline constexpr int kEqBandTagCount = 5;
inline constexpr int k3DSliderTagCount = 4;
inline constexpr int kLedColourDotTagCount = 7;
inline constexpr int kSpeakerTagCount = 8;

// The bar behind a slider, and an equaliser band's lower bar.
inline constexpr int kTagEqBarFirst = 129;
inline constexpr int kTagMicBar = 138;
inline constexpr int kTagEncBar = 188;
inline constexpr int kTagEqBarDownFirst = 229;
inline constexpr int kTagMicBarDown = 238;

// The two-state member a button flips.
enum class ButtonState {
  None,
  EqEnable,
  ThreeDEnable,
  Fbm,
  MicBoost,
  MicMute,
  Virtual7ch1Enable,
  Clockwise,
  Counterclockwise,
  LedIndicator,
  Narrow,
  Enlarge,
  DeviceIn,
  DeviceOut,
  MicMonitor,
};

struct WindowTag {
  int tag = 0;
  std::wstring_view image;        // the image with this Tag; empty when the Tag has none
  std::wstring_view label;        // its caption label; empty when it has none
  ButtonState state = ButtonState::None;
  std::wstring_view upKey;        // skin record when released or off; empty: the Tag swaps no picture
  std::wstring_view downKey;      // skin record when pressed or on
  std::wstring_view languageKey;  // language record of the label's colours; empty: no colour change
  int page = 0;                   // the page of the control in the form (0: every page)
  int opensPage = 0;              // page buttons: the page they switch to (0: not a page button)
  int pageButton = 0;             // page buttons: the id PageButtonShow takes
};

// Every Tag-routed control, by Tag.
std::span<const WindowTag> WindowTags();

// The row of a Tag; none for a Tag without one.
const WindowTag* WindowTagOf(int tag);
// The row of the image named `image`; none when no row names it.
const WindowTag* WindowTagOfImage(std::wstring_view image);
// A two-state button: a row with a state member and pictures for both states. Tag 28 has a state
// member but no pictures and is no two-state button.
const WindowTag* TwoStateButtonOf(int tag);
// A page button: the row of the page image (and label) that switches to a page.
const WindowTag* PageButtonOf(int tag);
// The page button with the id PageButtonShow takes.
const WindowTag* PageButtonWithId(int pageButton);

// Position in a contiguous group of Tags: 1..count, or 0 when `tag` is outside the group.
constexpr int NumberInGroup(int tag, int firstTag, int count) {
  return tag >= firstTag && tag < firstTag + count ? tag - firstTag + 1 : 0;
}
// The equaliser preset 1..4 of a preset button, 0 for any other Tag.
constexpr int EqPresetOfTag(int tag) { return NumberInGroup(tag, kTagEqPresetFirst, kEqPresetTagCount); }
// The sound-field effect 1..5 of an effect button, 0 for any other Tag.
constexpr int EffectOfTag(int tag) { return NumberInGroup(tag, kTagEffectFirst, kEffectTagCount); }
constexpr int EffectTag(int effect) { return kTagEffectFirst + effect - 1; }
constexpr int EqPresetTag(int preset) { return kTagEqPresetFirst + preset - 1; }
// The band 0..4 of an equaliser slider, none for any other Tag.
constexpr std::optional<int> EqBandOfSlider(int tag) {
  const int band = NumberInGroup(tag, kTagEqSliderFirst, kEqBandTagCount);
  return band != 0 ? std::optional<int>(band - 1) : std::nullopt;
}
constexpr int EqSliderTag(int band) { return kTagEqSliderFirst + band; }
constexpr bool IsSpeakerTag(int tag) { return NumberInGroup(tag, kTagSpeakerFirst, kSpeakerTagCount) != 0; }

// The slider a bar (Tag s + 100) or an equaliser band's lower bar (s + 200) moves.
constexpr int SliderOfBar(int barTag) { return barTag - 100; }
constexpr int SliderOfLowerBar(int barTag) { return barTag - 200; }
constexpr int BarOfSlider(int sliderTag) { return sliderTag + 100; }
constexpr int LowerBarOfSlider(int sliderTag) { return sliderTag + 200; }

}  // namespace vorma
