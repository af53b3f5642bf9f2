#pragma once
// Applying one label record to a label: visibility and caption, colour for the up or down state,
// font face and size scaled for the screen, position and size.

#include "forms/Label.h"
#include "panel/shell/language/LanguageSetting.h"

#include <windows.h>

#include <cstdint>

namespace vorma::shell {

// The factor Language.ini font sizes are multiplied by. Sizes in the files are chosen for 96
// pixels per inch on Vista and later (`m_nOsClass` 6); older systems draw the same point size
// larger, so they get 0.9 of it. 120 and 144 pixels per inch have fixed factors; other
// resolutions scale the 96 pixels-per-inch factor by 96 / pixelsPerInch.
double FontScaleFactor(int pixelsPerInch, int osClass);

// points x factor, rounded to the nearest integer (halves away from zero).
int ScaledFontSize(std::int32_t points, double factor);

// Logical pixels per inch of the screen (vertical).
int ScreenPixelsPerInch();

// FontScaleFactor for this screen.
double ScreenFontScale(int osClass);

// The colour a record value draws with: negative values are system colours (low byte the
// COLOR_ index), the others carry red in the lowest byte like a COLORREF.
COLORREF ColorFromValue(std::int32_t value);

// The colour the button, page and selection redraws give a label: the record's ColorDown when
// down, else its ColorUp, as ApplyLabelAttr last left them (0, black, when neither the file nor
// [GlobalFont] gave one).
COLORREF LabelRecordColor(const LabelAtt& record, bool down);

// Applies the record to the label. An empty or "(null)" text hides it; otherwise it is shown with
// that caption. A record without its own ColorUp/ColorDown takes the non-zero global one into the
// record (its Has flag stays clear), so later redraws that read the record use it too. `up` picks
// the up (normal, off) or down (selected, on) colour.
void ApplyLabelAttr(LabelAtt& record, forms::Label& label, bool up, const GlobalFont& global, double fontScale);

}  // namespace vorma::shell
