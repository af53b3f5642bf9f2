#pragma once
// The window outline from a skin's region file: the RGNDATA block GetRegionData writes (a 32-byte
// header, then the rectangles), stored unchanged.

#include "forms/Form.h"
#include "panel/shell/skin/RegionData.h"

#include <string>

namespace vorma::shell {

// Reads the region file and makes it the window's outline (with redraw), the window sized to the
// region's right and bottom bounds; then the client area takes MainFormImage's picture size. A
// missing or damaged file is reported in the debug output and the window goes on without a region.
// Returns whether the region was set.
bool SetWindowRegionFromFile(forms::Form& form, const std::wstring& path);

// The client area takes the size of MainFormImage's picture; a window whose MainFormImage has no
// picture keeps its size, so it never shrinks to nothing.
void FitClientToMainFormImage(forms::Form& form);

}  // namespace vorma::shell
