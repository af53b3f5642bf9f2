#pragma once
// What a skin's SkinSetting.ini says: one picture record (ImageAtt) per picture key, in the fixed
// order the keys are read, and the layout values (slider ranges, speaker circle, bevel lines, LED
// page switches, colour-shape rectangles).

#include "panel/features/WindowGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::shell {

inline constexpr size_t kImageNameCapacity = 63;  // a longer picture name is cut
inline constexpr int kOldLayoutLeftOffset = 392;
inline constexpr int kOldLayoutTopOffset = 104;

// One picture record: the file relative to the skin folder (empty: no picture, the control is
// hidden), the position and size where given, and the page the control belongs to (0: every page).
struct ImageAtt {
  std::wstring Name;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t Page = 0;
  std::uint8_t HasLeft = 0;
  std::uint8_t HasTop = 0;
  std::uint8_t HasWidth = 0;
  std::uint8_t HasHeight = 0;
};

// A picture key with its section and the page a record takes when the file gives none.
struct PictureKey {
  std::wstring_view section;
  std::wstring_view key;
  int defaultPage = 0;
  bool usedByControls = true;  // false for the keys skins may carry that no control shows
};

// The picture keys in reading order: the 203 keys the window and the About dialog use, then the
// ones skins may carry that are read but shown nowhere.
std::span<const PictureKey> PictureKeys();

// The key of a page's left image: MainLeftImage1..4 for pages 1-4, empty for every other page.
std::wstring_view MainLeftKey(int page);
inline constexpr size_t kUsedPictureKeyCount = 203;

// A colour shape of the LED page as the skin places it; a field the skin does not give stays.
struct ColorShapeBounds {
  std::wstring_view key;  // also the shape's control name
  std::optional<int> left;
  std::optional<int> top;
  std::optional<int> width;
  std::optional<int> height;
};
inline constexpr size_t kColorShapeCount = 9;

struct SkinLayout {
  vorma::SliderRange eqSlider{200, 120};
  vorma::SliderRange micSlider{208, 120};
  vorma::SliderRange encSlider{};
  int micProgressLength = 203;
  vorma::SpeakerCircle virtualCenter{};
  int bevelLine = 0;
  int bevelLine2 = 0;
  int bevelLine3 = 1;
  int ledPageMode = 0;
  int ledFastRightSide = 0;
  std::array<ColorShapeBounds, kColorShapeCount> colorShapes{};
};

class SkinSetting {
public:
  SkinSetting();

  // The record of a picture key (the first section that has it: "LogoImage" is [Main]'s); the
  // empty record for an unknown key, with a debug line so a misspelt key shows.
  const ImageAtt& Record(std::wstring_view key) const;
  const ImageAtt& Record(std::wstring_view section, std::wstring_view key) const;
  // The left image of a page: MainLeftImage1..4 for pages 1-4; the three keyless records of the
  // LED, ENC and VMEffect pages (and any other page) are empty, which hides the image.
  const ImageAtt& MainLeftRecord(int page) const;
  static const ImageAtt& EmptyRecord();

  // All records in the order of PictureKeys().
  std::span<ImageAtt> Records() { return records_; }
  std::span<const ImageAtt> Records() const { return records_; }
  // Empties every record (names, flags and pages); the layout values stay.
  void ClearRecords();

  SkinLayout layout;

private:
  std::vector<ImageAtt> records_;
};

}  // namespace vorma::shell
