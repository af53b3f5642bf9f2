// The real Vormapanel.exe started as the service starts it: its main window comes up and ends when
// closed, a missing SDK library or a value that is not a number ends it after its message box, and a
// second start only raises the first panel.

#include "outside/virtual72xx/VirtualHost.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

namespace vorma {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;
constexpr wchar_t kTitle[] = L"Vorma Main Window Test";
// The last construction step writes this; a start that failed earlier never does.
constexpr wchar_t kStartedLine[] = L"===== TAudioMainForm: start-up done =====\n";
constexpr wchar_t kSdkFailure[] = L"***** Open_DLLQZ_UsbAudio72xx, ret = 1 *****";

using test::ForeignWindows;
using test::PanelProcess;
using test::WaitForMainWindow;

std::vector<HWND> MainWindows() { return test::PanelMainWindows(); }

// A panel folder: the program, its configuration with the test title and, when asked, the SDK.
class PanelFolder {
public:
  explicit PanelFolder(bool withSdk) {
    if (withSdk) folder_.AddSdk(VORMA_SDK_DLL);
    folder_.WriteBytes(L"AudioConfig.cfg",
                       "[Install]\r\nInstallAppTitle=Vorma Main Window Test\r\n"
                       "[Skin]\r\nRegionCut=0\r\n"
                       "[GPIO]\r\nMODE=0\r\nENABLE=0,0,0,0,0,0,0,0,0,0\r\n"
                       "[GPIOActive]\r\n0=1\r\n1=1\r\n2=1\r\n3=1\r\n4=1\r\n5=1\r\n6=1\r\n7=1\r\n8=1\r\n9=1\r\n");
  }
  std::wstring Exe() const { return folder_.Exe(); }

private:
  test::PanelFolder folder_{VORMA_PANEL_EXE};
};

void ClosePanel(PanelProcess& panel, HWND window) {
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(panel.WaitFinished(30000));
  panel.Join();
  EXPECT_EQ(panel.Result(), kDebugCaptureDone);
  EXPECT_EQ(panel.ExitCode(), 0u);
}

// The Win32 ports find no device here; the input tests run the panel on the virtual device.
TEST(MainWindowStart, ComesUpWithoutADeviceAndEndsWhenClosed) {
  virtual72xx::VirtualHost host;
  ASSERT_EQ(host.Start(), 0u);
  PanelFolder folder(true);
  PanelProcess panel(folder.Exe());
  const HWND window = WaitForMainWindow(panel);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(MainWindows().size(), 1u);
  EXPECT_TRUE(IsWindowVisible(window));
  // The hidden application window carries the configured title, which a second start looks for.
  EXPECT_EQ(ForeignWindows(L"TApplication", kTitle).size(), 1u);
  // The hidden simple-mode dialog shows the panel program's own version, the project's.
  EXPECT_EQ(ForeignWindows(L"VormaForm", L"SimpleForm (V" VORMA_PROJECT_VERSION L")").size(), 1u);
  EXPECT_TRUE(panel.Wrote(kStartedLine));
  EXPECT_LT(panel.IndexOf(kStartedLine), panel.IndexOf(L"FormCreate"));
  EXPECT_LT(panel.IndexOf(L"FormCreate"), panel.IndexOf(L"FormActivate"));
  EXPECT_FALSE(panel.Wrote(L"-serviceboot"));
  ClosePanel(panel, window);
  EXPECT_TRUE(MainWindows().empty());
}

TEST(MainWindowStart, MissingSdkLibraryShowsItsResultAndEnds) {
  PanelFolder folder(false);
  PanelProcess panel(folder.Exe());
  // A message box blocks the panel until someone answers it, as a user would.
  std::vector<std::wstring> boxTexts;
  test::PumpMessagesUntil(
      [&] {
        for (HWND box : ForeignWindows(L"#32770")) {
          const std::wstring text = test::BoxText(box);
          if (text.empty()) continue;  // not filled in yet
          if (boxTexts.empty() || boxTexts.back() != text) boxTexts.emplace_back(text);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return panel.Finished();
      },
      40000);
  ClosePanel(panel, nullptr);
  // The loader's own failure box ("error 126: ...") comes first, then the panel's result.
  ASSERT_FALSE(boxTexts.empty());
  EXPECT_EQ(boxTexts.back(), kSdkFailure);
  EXPECT_TRUE(panel.Wrote(std::wstring(kSdkFailure) + L"\n"));
  EXPECT_FALSE(panel.Wrote(kStartedLine));
  EXPECT_TRUE(MainWindows().empty());
}

// A value the panel must read as a number and cannot: the framework's error box names it and stays
// until the user closes it; then the panel ends without a window.
TEST(MainWindowStart, AValueThatIsNotANumberStaysInItsErrorBoxUntilClosed) {
  struct Case {
    const char* name;
    const char* mode;         // [GPIO] MODE of the program's configuration
    const char* enable;       // [GPIO] ENABLE
    const char* active3;      // [GPIOActive] 3
    const char* languageIni;  // the English Language.ini, or null for the shipped one
  };
  const Case cases[] = {
      {"GPIO MODE", "abc", "0,0,0,0,0,0,0,0,0,0", "1", nullptr},
      {"GPIO ENABLE item", "0", "0,1,abc", "1", nullptr},
      {"GPIOActive 3", "1", "0,0,0,1,0,0,0,0,0,0", "abc", nullptr},
      {"GlobalFont ColorUp", "0", "0,0,0,0,0,0,0,0,0,0", "1", "[GlobalFont]\r\nColorUp=abc\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::PanelFolder folder(VORMA_PANEL_EXE);
    folder.AddSdk(VORMA_SDK_DLL);
    folder.AddProductContent(VORMA_PRODUCT_DIR);
    folder.WriteBytes(L"AudioConfig.cfg",
                      std::string("[Install]\r\nInstallAppTitle=Vorma Main Window Test\r\nInstallFolderName=Vorma\r\n"
                                  "[Language]\r\nLanguageFolderName=Languages\r\nDefaultLanguage=English\r\n"
                                  "[Skin]\r\nSkinFolderName=Skins\r\nDefaultSkin=Graphite\r\nRegionCut=0\r\n"
                                  "[GPIO]\r\nMODE=") + c.mode + "\r\nENABLE=" + c.enable +
                          "\r\n[GPIOActive]\r\n0=1\r\n1=1\r\n2=1\r\n3=" + c.active3 +
                          "\r\n4=1\r\n5=1\r\n6=1\r\n7=1\r\n8=1\r\n9=1\r\n");
    if (c.languageIni) folder.WriteBytes(L"Languages\\English\\Language.ini", c.languageIni);
    test::UserAppData appData(L"Vorma", "English", "Graphite");
    test::ScopedEnvironmentVariable appDataVariable(L"APPDATA", appData.Path());
    virtual72xx::VirtualHost host;
    ASSERT_EQ(host.Start(), 0u);

    PanelProcess panel(folder.Exe());
    HWND box = nullptr;
    test::PumpMessagesUntil(
        [&] {
          for (HWND candidate : ForeignWindows(L"#32770"))
            if (test::BoxText(candidate) == L"'abc' is not a valid integer value") box = candidate;
          return box != nullptr || panel.Finished();
        },
        40000);
    ASSERT_NE(box, nullptr) << "no error box";
    // Nobody has answered: the panel waits, however long that takes.
    EXPECT_FALSE(panel.WaitFinished(2000));
    EXPECT_TRUE(IsWindow(box));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ClosePanel(panel, nullptr);
    EXPECT_TRUE(panel.Wrote(L"TAudioMainForm: 'abc' is not a valid integer value\n"));
    EXPECT_FALSE(panel.Wrote(kStartedLine));
    EXPECT_TRUE(MainWindows().empty());
  }
}

TEST(MainWindowStart, SecondStartRaisesTheFirstPanelAndEnds) {
  virtual72xx::VirtualHost host;
  ASSERT_EQ(host.Start(), 0u);
  PanelFolder folder(true);
  PanelProcess first(folder.Exe());
  const HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);

  PanelProcess second(folder.Exe());
  EXPECT_TRUE(second.WaitFinished(kRunTimeoutMs));
  second.Join();
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(second.Wrote(L"===== Another panel instance runs: activating its window =====\n"));
  EXPECT_FALSE(second.Wrote(L"***** The running panel's window was not found *****\n"));
  EXPECT_FALSE(second.Wrote(L"FormCreate"));
  EXPECT_EQ(MainWindows(), std::vector<HWND>{window});
  EXPECT_FALSE(first.Finished());
  ClosePanel(first, window);
}

}  // namespace
}  // namespace vorma
