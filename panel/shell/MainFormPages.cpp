// Which controls a page of the main window shows. Every skinned image and every language-driven
// label carries the page of its record; the page's controls show, the others hide.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "forms/CheckBox.h"
#include "forms/Shape.h"
#include "panel/shell/MainFormAppearance.h"

#include "panel/features/MainWindowTags.h"

#include <array>
#include <optional>
#include <string_view>

namespace vorma::shell {
namespace {

constexpr std::array<std::wstring_view, 9> kLedColourShapes{
    L"Color01Shape", L"Color02Shape", L"Color03Shape", L"Color04Shape",    L"Color05Shape",
    L"Color06Shape", L"Color07Shape", L"ColorBreatheShape", L"ColorSingleShape"};

}  // namespace

void TAudioMainForm::ShowPageControls(int page) {
  DebugPrint(L"TAudioMainForm::ShowPageControls page = %d", page);
  const bool ledPageHere = page == kPageLed && appearance_->LedPageMode() == 1;
  // The LED controls belong to page 6 only while the skin puts the LED settings on the window;
  // otherwise they are tested as page-1 controls, where their records never show them.
  const int ledTestPage = ledPageHere ? kPageLed : 1;
  for (const auto& owned : Controls()) {
    forms::Control& control = *owned;
    std::optional<bool> shown;
    if (auto* image = dynamic_cast<forms::Image*>(&control))
      shown = appearance_->ImageShownOn(*image, appearance_->IsLedPageControl(control) ? ledTestPage : page);
    else if (auto* label = dynamic_cast<forms::Label*>(&control))
      shown = appearance_->LabelShownOn(*label, appearance_->IsLedPageControl(control) ? ledTestPage : page);
    if (shown) control.SetVisible(*shown);
  }
  if (forms::Control* bee = FindControlByName(L"BeeCheckBox")) bee->SetVisible(page == kPageVirtual7ch1 && config_.bee == 1);
  for (std::wstring_view name : kLedColourShapes)
    if (forms::Control* shape = FindControlByName(name)) shape->SetVisible(ledPageHere);
}

}  // namespace vorma::shell
