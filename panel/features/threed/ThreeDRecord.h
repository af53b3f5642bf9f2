#pragma once
// The 3D record and the pure rules around it: where it lives in the device configuration image,
// how a 3D slider's position turns into a value, how the link modes move the other side's slider,
// and how the two tuning bytes are adjusted when 3D is switched on.

#include <cstdint>
#include <span>
#include <string_view>

namespace vorma::features {

// The record as the main window keeps it. Values are 0-15 except after a slider of a skin with a
// short travel was pulled below the end of its scale: the 8-bit value then lies above 15 and is
// neither written to the device nor stored in the image.
struct ThreeDRecord {
  std::int32_t storedEnable = 0;  // bit 7 of image byte 0xA1
  std::int32_t fbm = 0;           // bit 6 of image byte 0xA1
  std::uint8_t leftAlpha = 0;     // bits 4-7 of image byte 0xE7
  std::uint8_t leftBeta = 0;      // bits 0-3 of image byte 0xE7
  std::uint8_t rightAlpha = 0;    // bits 4-7 of image byte 0xE8
  std::uint8_t rightBeta = 0;     // bits 0-3 of image byte 0xE8

  bool operator==(const ThreeDRecord&) const = default;
};

// Offsets of the record in the device configuration image (and in its 256-byte factory table).
inline constexpr std::size_t kFlagsOffset = 0xA1;
inline constexpr std::size_t kLeftOffset = 0xE7;
inline constexpr std::size_t kRightOffset = 0xE8;
inline constexpr std::uint8_t kStoredEnableBit = 0x80;
inline constexpr std::uint8_t kFbmImageBit = 0x40;

// The three bytes of the image that hold the record.
struct ThreeDImageBytes {
  std::uint8_t flags = 0;  // 0xA1
  std::uint8_t left = 0;   // 0xE7
  std::uint8_t right = 0;  // 0xE8

  bool operator==(const ThreeDImageBytes&) const = default;
};

// The three bytes of a table that starts at offset 0 (the factory table); false (bytes untouched)
// when it is too short to hold them.
bool ReadImageBytes(std::span<const std::uint8_t> table, ThreeDImageBytes& bytes);
ThreeDRecord RecordFromBytes(const ThreeDImageBytes& bytes);
// The bytes that store the record over `old`: the two flag bits of 0xA1 set or cleared (its other
// bits are not ours), each nibble of 0xE7 and 0xE8 replaced by its value when that is 0-15 and kept
// otherwise.
ThreeDImageBytes BytesForRecord(const ThreeDRecord& record, const ThreeDImageBytes& old);

// A value of the record as one register nibble pair (alpha high, beta low); false when either is
// above 15, since the device would take the excess into the other half.
bool PackAlphaBeta(std::uint8_t alpha, std::uint8_t beta, std::uint8_t& packed);

// The 3D sliders move between these tops (fixed pixels, whatever the skin says).
inline constexpr int kSliderTopmost = 105;
inline constexpr int kSliderBottommost = 225;
// A mirrored slider sits at kMirrorSum - top, so the middle (165) stays where it is.
inline constexpr int kMirrorSum = kSliderTopmost + kSliderBottommost;
// The equaliser track travel the value mapping falls back on when the skin gives none.
inline constexpr int kDefaultTravel = 120;

int ClampSliderTop(int top);

// Value 15 at the topmost position, falling by 15 per `travel` pixels, as the 8-bit record field
// holds it: with a travel shorter than the slider's 120 pixels the lower end goes below 0 and
// wraps above 15, a value the device refuses.
std::uint8_t SliderValue(int top, int travel);

// Link modes of the alpha and beta sliders; -1 until the first click of the link button.
enum LinkMode : int {
  kLinkNotChosen = -1,
  kLinkIndependent = 0,
  kLinkSame = 1,
  kLinkMirrored = 2,
};
// The mode after one click: -1 and 2 give 0, 0 gives 1, 1 gives 2.
int NextLinkMode(int mode);
// Where the counterpart of a slider moved to `top` goes: false when it stays (independent or not
// chosen), else its new top.
bool LinkedTop(int mode, int top, int& linkedTop);

// The skin picture of a link button in a mode: the Indep picture for -1 and 2, Dep for 0, Inv for 1.
std::wstring_view LinkPictureKey(bool alpha, int mode);

// Tuning byte adjustment when 3D is switched on: each nibble that is 0xA becomes 0xF.
std::uint8_t TunedByte(std::uint8_t value);

// The four 3D sliders, by control name.
enum class SliderSide { Left, Right };
enum class SliderKind { Alpha, Beta };
struct SliderIdentity {
  SliderSide side = SliderSide::Left;
  SliderKind kind = SliderKind::Alpha;
};
// False for a name that is not one of the four sliders.
bool IdentifySlider(std::wstring_view name, SliderIdentity& identity);
std::wstring_view SliderName(SliderIdentity identity);

}  // namespace vorma::features
