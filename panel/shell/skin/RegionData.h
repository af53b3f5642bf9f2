#pragma once
// The content of a skin's region file: the block GetRegionData writes (a 32-byte header, then the
// rectangles), stored unchanged, little-endian.

#include <optional>
#include <string_view>

namespace vorma::shell {

struct RegionFileBounds {
  int right = 0;
  int bottom = 0;
};

// Checks that the block is a whole rectangle region and returns its right and bottom bounds; none
// for anything else, so a cut or foreign file is never read past its end and never hides the
// window. Refused: a header other than size 32 and type 1, fewer bytes than the rectangles it
// counts, no rectangle with an area (an empty region makes the window invisible), a bounding box
// with a negative coordinate or one that is not the union of the rectangles.
std::optional<RegionFileBounds> CheckRegionData(std::string_view data);

}  // namespace vorma::shell
