#pragma once
// Applying a loaded language to the main window: every record to its label, the page-label strip
// laid out after the translated page names, and the popup menu captions.

#include "forms/Form.h"
#include "forms/PopupMenu.h"
#include "panel/shell/WindowButtonStates.h"
#include "panel/shell/language/LanguageSetting.h"

namespace vorma::shell {

// The window state that decides which labels are drawn in their down colours and what the
// level labels show. Feature states are 0/1 as the window keeps them.
struct LanguageViewState : WindowButtonStates {
  bool deviceActive = false;
  int micLevel = 0;
  int encoderLevel = 0;
};

// Applies the records in this order: the three menu buttons, the page labels (down on the current
// page), the page-label strip, the device state line, SXLabel (caption: the selected preset's
// text), the other labels of the main window, then the menu captions. Records change as
// ApplyLabelAttr changes them.
void ApplyLanguageToControls(forms::Form& form, forms::PopupMenu& menu, LanguageSetting& setting,
                             const LanguageViewState& state, double fontScale);

// Places the bevels of the page-label strip behind the page names when the skin shows Bevel2;
// nothing otherwise.
void LayoutPageLabelStrip(forms::Form& form);

// LanguageMenu, SkinMenu, CloseMenu and ModeMenu take the texts of LabelLanguage, LabelSkin,
// LabelClose and LabelPlugin, or "Language", "Skin", "Close" and "Plugin" when a text is empty.
void SetPopupMenuCaptions(forms::PopupMenu& menu, const LanguageSetting& setting);

}  // namespace vorma::shell
