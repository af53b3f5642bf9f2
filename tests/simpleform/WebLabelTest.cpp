// The About dialog's web address: what WebLabelClick hands to the shell. The shell call is
// recorded here instead of starting a browser.

#include "panel/shell/WebLabelLink.h"

#include "forms/Application.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/OtherFormsResource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace vorma::shell {
namespace {

class RecordingShell final : public ShellOpenPort {
public:
  void Open(const std::wstring& target) override { opened.push_back(target); }
  std::vector<std::wstring> opened;
};

TEST(WebAddressThroughAnsi, KeepsWhatTheCodePageHoldsAndCutsLongTexts) {
  EXPECT_EQ(WebAddressThroughAnsi(L"https://www.example.com/support?a=1&b=2"), L"https://www.example.com/support?a=1&b=2");
  const std::wstring longAddress = L"https://www.example.com/" + std::wstring(400, L'x');
  EXPECT_EQ(WebAddressThroughAnsi(longAddress), longAddress.substr(0, kWebAddressLimit));
  EXPECT_EQ(WebAddressThroughAnsi(L""), L"");
  // A character the ANSI code page lacks comes back as the code page's default character.
  if (GetACP() != CP_UTF8) {
    BOOL usedDefault = FALSE;
    char byte[8] = {};
    WideCharToMultiByte(CP_ACP, 0, L"\u4E2D", 1, byte, sizeof(byte), nullptr, &usedDefault);
    if (usedDefault) {
      EXPECT_EQ(WebAddressThroughAnsi(L"https://example.com/\u4E2D"), L"https://example.com/?");
    }
  }
}

// A click on the label of the About dialog opens its text; an empty text opens nothing.
TEST(WebLabelClick, OpensTheLabelTextWithTheShell) {
  forms::Application application(GetModuleHandleW(nullptr));
  ASSERT_TRUE(application.Initialize());
  RecordingShell shell;
  forms::Form about(application, FormArgsFor(AboutFormResource()));
  {
    // As in the panel, the handler source lives only while the form is built.
    AboutFormEvents events(shell);
    const FormBuildReport report = AddResourceToForm(AboutFormResource(), about, events);
    EXPECT_TRUE(report.unboundHandlers.empty());
  }
  ASSERT_TRUE(about.Create());
  about.Show();
  auto* web = dynamic_cast<forms::Label*>(about.FindControlByName(L"WebLabel"));
  ASSERT_NE(web, nullptr);
  web->SetCaption(L"https://www.example.org/vorma");
  const LPARAM onTheLabel = MAKELPARAM(95, 58);
  SendMessageW(about.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, onTheLabel);
  SendMessageW(about.Hwnd(), WM_LBUTTONUP, 0, onTheLabel);
  EXPECT_EQ(shell.opened, std::vector<std::wstring>{L"https://www.example.org/vorma"});

  shell.opened.clear();
  web->SetCaption(L"");
  WebLabelClick(*web, shell);
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace vorma::shell
