#pragma once
// Reading a skin's SkinSetting.ini into the picture records and the layout values.

#include "panel/shell/skin/SkinSetting.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorma {
class ProfileFile;
}

namespace vorma::shell {

// The LED page keeps the colour table the colour shapes take their default colours from.
struct SkinLoadHooks {
  std::function<void()> resetLedColorTable;                      // after LEDFastRightSide
  std::function<void(std::wstring_view shapeKey)> applyShapeDefaultColor;  // after each colour shape key
};

struct SkinLoadResult {
  bool ok = true;
  std::wstring section;  // where the load stopped
  std::wstring key;
  std::wstring error;    // the conversion error, for the window's message box
};

// Empties the records and reads `skinDir` + "SkinSetting.ini" key by key: every picture key in the
// order of PictureKeys(), then the layout keys. A missing file or key reads as an empty value. With
// a non-zero `oldVersion` the positions of page pictures and the slider tops move to the old layout.
// A layout item that is not an integer stops the load at its key: records and values read before
// it stay, the later ones stay as they were.
SkinLoadResult LoadSkinSetting(SkinSetting& setting, const std::wstring& skinDir, int oldVersion,
                               const SkinLoadHooks& hooks = {});

// The same for a SkinSetting.ini already read.
SkinLoadResult LoadSkinSetting(SkinSetting& setting, const ProfileFile& file, int oldVersion,
                               const SkinLoadHooks& hooks = {});

// One picture value into its record (the item rule with the old-layout offsets).
ImageAtt ParseImageAtt(std::wstring_view value, const PictureKey& key, int oldVersion);

}  // namespace vorma::shell
