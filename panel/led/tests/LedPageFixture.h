#pragma once
// The LED page on a form built from the main window's resource, its commands going through the SDK
// stand-in to a virtual 72xx device, and a host that answers the colour dialog from a script.

#include "forms/Application.h"
#include "outside/sdk/tests/SdkHostFixture.h"
#include "panel/led/LedPage.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorma::test {

using Lines = std::vector<std::string>;

class TestLedHost final : public led::LedPageHost {
public:
  explicit TestLedHost(FormMainWindowControls& controls) : controls_(controls) {}
  forms::Shape* FindShapeByTag(int tag) override;
  bool ChooseColour(COLORREF& colour) override;
  void ShowLedDialog() override { ++dialogs; }

  int dialogs = 0;
  std::deque<std::optional<COLORREF>> colourAnswers;  // none cancels
  std::vector<COLORREF> colourStarts;                 // the colour each dialog started from

private:
  FormMainWindowControls& controls_;
};

class LedPageTest : public SdkHostFixture {
protected:
  void SetUp() override;

  // The SDK lines of the journal since the last call, without the " -> 0" of a success.
  Lines SdkCalls();
  forms::Image& Image(std::wstring_view name) { return *controls->ImageNamed(name); }
  forms::Shape& Shape(int tag) { return *host->FindShapeByTag(tag); }
  // The page shown in the window, as the shipped skins ask for.
  void UsePageOnWindow(int fastRightSide = 0) { page->TakeSkinValues(1, fastRightSide); }

  static std::string Mode(int mode, int speed);
  static std::string Colour(int index, int r, int g, int b);
  static std::string ModeColour(int mode, int r, int g, int b);

  forms::Application application{GetModuleHandleW(nullptr)};
  std::unique_ptr<FormMainWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;  // the page reaches the device through the SDK only
  std::unique_ptr<TestLedHost> host;
  std::unique_ptr<led::CLedPage> page;
};

}  // namespace vorma::test
