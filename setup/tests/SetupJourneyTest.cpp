// The installer's whole journey with the real programs as a user meets them: Vormasetup.exe run
// from the built delivery folder and driven through its wizard by window messages, everything it
// put in place, the panel that Finish starts through the service on the virtual device, a setting
// that survives a restart from the Start menu, a second setup over the first, and the uninstaller
// of the uninstall entry. Cancel on the progress page ends the setup where the install stands, and
// a later setup completes it.

#include "foundation/DeviceIdManager.h"
#include "foundation/FileVersion.h"
#include "foundation/ProfileStrings.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "setup/Registration.h"
#include "setup/SetupSettings.h"
#include "setup/SetupTexts.h"
#include "setup/tests/InstalledProduct.h"
#include "setup/tests/RemoteWizard.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/mainwindow/PanelWindowTest.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/DebugBufferListener.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestServices.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vorma::setup::test {
namespace {

constexpr DWORD kStepTimeoutMs = 30000;
constexpr DWORD kInstallTimeoutMs = 180000;

struct Language {
  const wchar_t* folder;
  const wchar_t* displayName;  // [MultiLanguageFolderMap] of the delivery
  const wchar_t* manual;       // the delivery's manual of the language
};
const Language kEnglish{L"English", L"English", L"Vorma User Manual.html"};
const Language kGerman{L"German", L"Deutsch", L"Vorma Benutzerhandbuch.html"};

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

std::wstring Delivery() { return vorma::test::HostPathToWindows(VORMA_DELIVERY_DIR) + L"\\"; }

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

SetupTexts TextsOf(const Language& language) {
  SetupTexts texts;
  texts.Load(Delivery() + L"Languages\\" + language.folder + L"\\Language.ini");
  return texts;
}

std::wstring SetupVersion() {
  std::wstring version;
  GetFileVersionText(Delivery() + L"Vormasetup.exe", version);
  return version;
}

// The programs of the product that still run, with their process ids.
void PrintRunningPrograms() {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
    const std::wstring name = entry.szExeFile;
    if (name.find(L"Vorma") != std::wstring::npos || name.find(L"Halvorn") != std::wstring::npos)
      std::printf("running: [%lu] %s\n", static_cast<unsigned long>(entry.th32ProcessID), Narrow(name).c_str());
  }
}

class SetupJourneyTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(listener_.Listening()) << "another debug-output viewer runs";
    RemoveShippedProduct(product_);
    ASSERT_EQ(host_.Start(), 0u);
    ASSERT_EQ(client_.Plug({}, device_), 0u);
  }

  void TearDown() override {
    // The milestones and failures the setup, the service and the panels wrote say where a failed
    // journey went wrong.
    if (HasFailure())
      for (const auto& line : listener_.Lines())
        if (line.text.find("=====") != std::string::npos || line.text.find("*****") != std::string::npos)
          std::printf("[%lu] %s", static_cast<unsigned long>(line.processId), line.text.c_str());
    if (HasFailure()) PrintRunningPrograms();
    RemoveShippedProduct(product_);
  }

  std::wstring PerUserLanguage() const {
    std::wstring language;
    ReadProfileString(product_.perUserFolder + L"AudioConfig.cfg", L"Language", L"DefaultLanguage", language);
    return language;
  }

  size_t LinesFrom(DWORD processId, const std::string& fragment) const {
    const auto lines = listener_.Lines();
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
      return (processId == 0 || line.processId == processId) && line.text.find(fragment) != std::string::npos;
    }));
  }

  std::string State(const char* key) {
    std::string value;
    client_.StateValue(device_, key, value);
    return value;
  }

  bool WaitJournal(const std::string& fragment) {
    return vorma::test::PumpMessagesUntil(
        [&] {
          std::vector<std::string> lines;
          client_.ReadJournal(device_, lines, false);
          return std::any_of(lines.begin(), lines.end(),
                             [&](const std::string& line) { return line.find(fragment) != std::string::npos; });
        },
        kStepTimeoutMs);
  }

  // Opens the setup of the delivery folder and takes its wizard to the progress page: the language
  // page shows `shown`, the user picks `chosen`, the first Next shows the antivirus tip.
  void StartInstall(ChildProgram& setup, RemoteWizard& wizard, const Language& shown, const Language& chosen);
  // The whole wizard through its finish page and Finish.
  void RunSetup(const Language& shown, const Language& chosen);
  void ExpectInstalled(const Language& language);
  void ExpectRemoved();

  // Waits until the service has started the installed panel `launches` times and its window is up.
  HWND WaitForLaunchedPanel(size_t launches);
  void ClickPanel(HWND panel, POINT client);
  void ClosePanel(HWND panel);

  vorma::test::DebugBufferListener listener_;
  const ShippedProduct product_ = ShippedProductPlaces();
  virtual72xx::VirtualHost host_;
  virtual72xx::Virtual72xxClient client_ = host_.Client();
  virtual72xx::DeviceNumber device_ = 0;
  // The service starts the panel with the user's environment: the virtual device, and its pipe.
  const vorma::test::UserEnvironmentValue deviceSelection_{L"VORMA_DEVICE", L"virtual"};
  vorma::test::UserEnvironmentValue pipe_{L"VORMA_VIRTUAL72XX_PIPE", host_.PipeName()};
};

void SetupJourneyTest::StartInstall(ChildProgram& setup, RemoteWizard& wizard, const Language& shown,
                                    const Language& chosen) {
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(wizard.WaitForWindow(kStepTimeoutMs)) << "the wizard did not come up";
  EXPECT_EQ(wizard.Languages(), (std::vector<std::wstring>{L"English", L"Deutsch", L"\u7b80\u4f53\u4e2d\u6587"}));
  EXPECT_EQ(Narrow(wizard.SelectedLanguage()), Narrow(shown.displayName));
  EXPECT_EQ(wizard.Caption(), TextsOf(shown).Text(L"LabelTitle") + L" (V" + SetupVersion() + L")");
  if (std::wstring(chosen.folder) != shown.folder) {
    ASSERT_TRUE(wizard.SelectLanguage(chosen.displayName));
    EXPECT_EQ(wizard.Caption(), TextsOf(chosen).Text(L"LabelTitle") + L" (V" + SetupVersion() + L")");
  }
  EXPECT_EQ(PerUserLanguage(), chosen.folder);

  const SetupTexts texts = TextsOf(chosen);
  const std::wstring next = texts.Text(L"LabelNextBtn");
  ASSERT_TRUE(wizard.Click(next)) << "no Next button " << Narrow(next);
  const ShownBox tip = setup.WaitForBox(kStepTimeoutMs);
  EXPECT_EQ(tip.caption, L"Install");
  EXPECT_EQ(tip.text, texts.Text(L"AntivirusTip")) << "the first Next shows the tip";
  ASSERT_TRUE(ChildProgram::Answer(tip, IDOK, kStepTimeoutMs));
  ASSERT_TRUE(wizard.WaitUntilHandled(kStepTimeoutMs));
  ASSERT_TRUE(wizard.Click(next)) << "the tip left the language page";
}

void SetupJourneyTest::RunSetup(const Language& shown, const Language& chosen) {
  ChildProgram setup(CommandLineOf(Delivery() + L"Vormasetup.exe"));
  RemoteWizard wizard(setup);
  ASSERT_NO_FATAL_FAILURE(StartInstall(setup, wizard, shown, chosen));
  const SetupTexts texts = TextsOf(chosen);
  std::vector<ShownBox> boxes;
  ASSERT_TRUE(wizard.WaitForButton(texts.Text(L"LabelFinishBtn"), kInstallTimeoutMs, boxes))
      << "the finish page did not come";
  for (const ShownBox& box : boxes) ADD_FAILURE() << "setup said: " << Narrow(box.text);
  EXPECT_EQ(wizard.ProgressPosition(), 98) << "companions installed, no update package";
  EXPECT_EQ(wizard.Button(texts.Text(L"LabelNextBtn")), nullptr) << "Next stays on the finish page";
  EXPECT_EQ(wizard.Button(texts.Text(L"LabelCancelBtn")), nullptr) << "Cancel stays on the finish page";
  std::vector<std::string> lines;
  client_.ReadJournal(device_, lines, true);  // what the panel does from now on
  ASSERT_TRUE(wizard.Click(texts.Text(L"LabelFinishBtn")));
  EXPECT_TRUE(setup.WaitForExit(kStepTimeoutMs)) << "Finish did not end the setup";
  EXPECT_EQ(setup.ExitCode(), 0u);
}

void SetupJourneyTest::ExpectInstalled(const Language& language) {
  const std::wstring& install = product_.installFolder;
  const std::wstring delivery = Delivery();
  const std::wstring manual = install + L"Manual\\" + language.folder + L"\\" + language.manual;
  const struct {
    std::wstring installed;
    std::wstring original;
  } files[] = {
      {product_.panel, vorma::test::HostPathToWindows(VORMA_PANEL_EXE)},
      {product_.uninstaller, vorma::test::HostPathToWindows(VORMA_UNINSTALL_EXE)},
      {product_.Companion(L"VormaEffect"), vorma::test::HostPathToWindows(VORMA_EFFECT_EXE)},
      {product_.Companion(L"VormaSoundEffect"), vorma::test::HostPathToWindows(VORMA_SOUND_EFFECT_EXE)},
      {product_.serviceProgram, vorma::test::HostPathToWindows(VORMA_HALVORN_EXE)},
      {product_.driverFile, vorma::test::HostPathToWindows(VORMA_XAFILT_SYS)},
      {install + L"AudioConfig.cfg", delivery + L"AudioConfig.cfg"},
      {install + L"Vorma.ico", delivery + L"Vorma.ico"},
      {install + L"bee.wav", delivery + L"bee.wav"},
      {install + L"DLLQZ_UsbAudio72xx_x32.dll", delivery + L"DLLQZ_UsbAudio72xx_x32.dll"},
      {install + L"Skins\\Graphite\\SkinSetting.ini", delivery + L"Skins\\Graphite\\SkinSetting.ini"},
      {install + L"Languages\\SChinese\\Language.ini", delivery + L"Languages\\SChinese\\Language.ini"},
      {manual, delivery + L"Manual\\" + language.folder + L"\\" + language.manual},
  };
  for (const auto& file : files) {
    const std::string bytes = vorma::test::ReadFileBytes(file.installed);
    EXPECT_FALSE(bytes.empty()) << Narrow(file.installed) << " missing";
    EXPECT_TRUE(bytes == vorma::test::ReadFileBytes(file.original)) << Narrow(file.installed) << " differs";
  }

  EXPECT_EQ(RegistryDword(kDriverKeyPath, L"ErrorControl"), 1u);
  EXPECT_EQ(RegistryDword(kDriverKeyPath, L"Start"), 3u);
  EXPECT_EQ(RegistryDword(kDriverKeyPath, L"Type"), 1u);
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kDriverKeyPath, L"ImagePath"), L"System32\\DRIVERS\\Xafilt.sys");
  EXPECT_EQ(ServiceBinaryPath(kServiceName), Quoted(product_.serviceProgram));
  EXPECT_EQ(ServiceState(kServiceName), static_cast<DWORD>(SERVICE_RUNNING));

  const struct {
    wchar_t group;
    std::wstring program;
  } groups[] = {{L'C', product_.panel},
                {L'B', product_.Companion(L"VormaEffect")},
                {L'D', product_.Companion(L"VormaSoundEffect")}};
  const wchar_t* const prefixes[] = {L"UserPrivilegeExecution_", L"AdminPrivilegeExecution_",
                                     L"SystemPrivilegeExecution_", L"SystemPrivilegeExecutionOnBoot_",
                                     L"AdminPrivilegeExecutionOnBoot_"};
  for (const auto& g : groups) {
    for (int i = 0; i < 5; ++i) {
      const std::wstring name = prefixes[i] + std::wstring(1, g.group) + std::to_wstring(i);
      const wchar_t* flag = i < 3 ? L" -servicestart" : L" -serviceboot";
      EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kSoftwareKeyPath, name.c_str()), Quoted(g.program) + flag)
          << Narrow(name);
    }
  }

  // The factory defaults are the delivery's [DefaultSet] numbers (first item of each entry).
  const struct {
    const wchar_t* configKey;
    const wchar_t* valueName;
  } defaults[] = {{L"EncEnable", L"EncEnable"},     {L"RuvavIzezoEnable", L"RuvavIzezoEnable"},
                  {L"RuvavIzezoLevel", L"RuvavIzezoLevel"}, {L"V7ch1Scalar", L"Virtual7ch1Scalar"},
                  {L"EncScalar", L"EncScalar"},     {L"EncGpio", L"EncGpio"}};
  for (const auto& d : defaults) {
    std::wstring text;
    ReadProfileString(delivery + L"AudioConfig.cfg", L"DefaultSet", d.configKey, text);
    ASSERT_FALSE(text.empty()) << Narrow(d.configKey);
    EXPECT_EQ(RegistryDword(kSoftwareKeyPath, d.valueName), static_cast<DWORD>(_wtoi(text.c_str())))
        << Narrow(d.valueName);
  }
  EXPECT_EQ(RegistryDword(std::wstring(kSoftwareKeyPath) + L"\\EncValueMap", L"VID_1E4B&PID_7201"), 20u);

  const struct {
    const wchar_t* group;
    const wchar_t* hardwareId;
  } idGroups[] = {{kUsbDeviceIdGroup, L"USB\\VID_1E4B&PID_7201&REV_0100&MI_00"},
                  {kHidDeviceIdGroup, L"HID\\VID_1E4B&PID_7201&REV_0100&MI_03"}};
  for (const auto& g : idGroups) {
    CDeviceIdMgr ids;
    EXPECT_EQ(ids.LoadFromRegistry(g.group), kDeviceIdRegistryLoaded) << Narrow(g.group);
    EXPECT_TRUE(ids.Matches(g.hardwareId)) << Narrow(g.group);
    EXPECT_FALSE(ids.Matches(L"USB\\VID_16C0&PID_05DF&REV_0100&MI_00")) << Narrow(g.group);
  }

  EXPECT_EQ(ShortcutTarget(product_.appShortcut), product_.panel);
  EXPECT_EQ(ShortcutTarget(product_.uninstallShortcut), product_.uninstaller);
  EXPECT_EQ(ShortcutTarget(product_.manualShortcut), manual);
  EXPECT_EQ(ShortcutTarget(product_.desktopShortcut), product_.panel);

  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"UninstallString"), Quoted(product_.uninstaller));
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"DisplayIcon"), product_.uninstaller);
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"DisplayName"), L"Vorma Audio Center");
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"DisplayVersion"), SetupVersion());
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"Publisher"), L"Vorma Audio");
  EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kRunKeyPath, kRunValueName), Quoted(product_.panel) + L" -boot");

  EXPECT_EQ(PerUserLanguage(), language.folder);
  EXPECT_TRUE(PathExists(product_.perUserFolder + L"DefaultProfile.ini"));
}

void SetupJourneyTest::ExpectRemoved() {
  EXPECT_EQ(ServiceState(kServiceName), 0u) << "the service is still registered";
  for (const std::wstring& file : {product_.serviceProgram, product_.driverFile, product_.appShortcut,
                                   product_.uninstallShortcut, product_.manualShortcut, product_.desktopShortcut,
                                   product_.menuFolder, product_.manualFolder})
    EXPECT_FALSE(PathExists(file)) << Narrow(file);
  for (const wchar_t* key : {kDriverKeyPath, kSoftwareKeyPath, kUsbGroupKey, kHidGroupKey, kUninstallKeyPath})
    EXPECT_FALSE(KeyExists(key)) << Narrow(key);
  EXPECT_FALSE(ValueExists(kRunKeyPath, kRunValueName));
  EXPECT_TRUE(vorma::test::PumpMessagesUntil([&] { return !PathExists(product_.installFolder); }, kStepTimeoutMs))
      << "the install folder stays";
  EXPECT_TRUE(vorma::test::PanelMainWindows().empty()) << "the panel still runs";
}

HWND SetupJourneyTest::WaitForLaunchedPanel(size_t launches) {
  const std::string launched = "##### Launched = " + Narrow(Quoted(product_.panel)) + " -servicestart";
  HWND window = nullptr;
  vorma::test::PumpMessagesUntil(
      [&] {
        const auto windows = vorma::test::PanelMainWindows();
        window = windows.size() == 1 ? windows.front() : nullptr;
        return window && LinesFrom(0, launched) >= launches;
      },
      60000);
  EXPECT_EQ(LinesFrom(0, launched), launches) << "launches of the panel through the service";
  return window;
}

void SetupJourneyTest::ClickPanel(HWND panel, POINT client) {
  DWORD processId = 0;
  GetWindowThreadProcessId(panel, &processId);
  POINT screen = client;
  ClientToScreen(panel, &screen);
  ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
  // Each half of the click is posted once the panel has handled the one before, as a hand does.
  for (const auto& [message, line] : {std::pair{WM_LBUTTONDOWN, "OnMsgLButtonDown"}, {WM_LBUTTONUP, "OnMsgLButtonUp"}}) {
    const size_t before = LinesFrom(processId, line);
    PostMessageW(panel, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
    ASSERT_TRUE(vorma::test::PumpMessagesUntil([&] { return LinesFrom(processId, line) > before; }, kStepTimeoutMs));
    ASSERT_TRUE(vorma::test::WaitUntilHandled(panel, kStepTimeoutMs));
  }
}

void SetupJourneyTest::ClosePanel(HWND panel) {
  DWORD processId = 0;
  GetWindowThreadProcessId(panel, &processId);
  const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  ASSERT_TRUE(process);
  PostMessageW(panel, WM_CLOSE, 0, 0);
  ASSERT_TRUE(vorma::test::PumpMessagesUntil(
      [&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, kStepTimeoutMs));
}

TEST_F(SetupJourneyTest, InstallUseReinstallAndUninstall) {
  // First installation, in German.
  ASSERT_NO_FATAL_FAILURE(RunSetup(kEnglish, kGerman));
  ExpectInstalled(kGerman);
  HWND panel = WaitForLaunchedPanel(1);
  ASSERT_NE(panel, nullptr) << "Finish started no panel through the service";
  EXPECT_TRUE(WaitJournal("DLLQZ_SetActive_Device")) << "the panel did not activate the virtual device";

  // A setting of the user's: virtual 7.1 on. It comes back after closing and a start from the
  // Start menu.
  ASSERT_NO_FATAL_FAILURE(ClickPanel(panel, vorma::test::CentreOf(vorma::test::SkinRect(L"PageVirtual7p1UpImage"))));
  ASSERT_NO_FATAL_FAILURE(ClickPanel(panel, vorma::test::CentreOf(vorma::test::SkinRect(L"VirtualEnableImageUp"))));
  ASSERT_TRUE(vorma::test::PumpMessagesUntil([&] { return State("v71.enable") == "1"; }, kStepTimeoutMs));
  ASSERT_NO_FATAL_FAILURE(ClosePanel(panel));
  EXPECT_EQ(State("v71.enable"), "0") << "closing switches the device's functions off";
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_FLAG_NO_UI;
  open.lpFile = product_.appShortcut.c_str();
  open.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&open)) << "the Start-menu shortcut does not open";
  panel = WaitForLaunchedPanel(2);
  ASSERT_NE(panel, nullptr) << "the shortcut's panel was not started through the service";
  EXPECT_TRUE(vorma::test::PumpMessagesUntil([&] { return State("v71.enable") == "1"; }, kStepTimeoutMs))
      << "the setting did not come back";

  // Setup again over the running installation: the user's language stays, everything is as before.
  ASSERT_NO_FATAL_FAILURE(RunSetup(kGerman, kGerman));
  EXPECT_FALSE(IsWindow(panel)) << "the install did not close the running panel";
  ExpectInstalled(kGerman);
  panel = WaitForLaunchedPanel(3);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(vorma::test::PumpMessagesUntil([&] { return State("v71.enable") == "1"; }, kStepTimeoutMs))
      << "the reinstall lost the user's setting";

  // The uninstall entry's command, confirmed.
  ChildProgram uninstall(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"UninstallString"));
  ASSERT_TRUE(uninstall.Started());
  const ShownBox question = uninstall.WaitForBox(kStepTimeoutMs);
  EXPECT_EQ(question.text, L"Do you want to remove Vorma Audio Center and all of its components?");
  ASSERT_TRUE(ChildProgram::Answer(question, IDYES, kStepTimeoutMs));
  const ShownBox done = uninstall.WaitForBox(60000);
  EXPECT_EQ(done.text.rfind(L"Vorma Audio Center has been removed.", 0), 0u) << Narrow(done.text);
  ASSERT_TRUE(ChildProgram::Answer(done, IDOK, kStepTimeoutMs));
  ASSERT_TRUE(uninstall.WaitForExit(kStepTimeoutMs));
  EXPECT_EQ(uninstall.ExitCode(), 0u);
  ExpectRemoved();
  EXPECT_EQ(PerUserLanguage(), kGerman.folder) << "the user's own folder stays";
}

// Cancel on the progress page, early (driver and service) and late (files): the setup ends there
// without a message, and the next setup over what it left completes the installation.
TEST_F(SetupJourneyTest, CancelDuringTheInstallEndsTheSetupAndTheNextSetupCompletesIt) {
  for (const int cancelAt : {1, 60}) {
    SCOPED_TRACE(cancelAt);
    ChildProgram setup(CommandLineOf(Delivery() + L"Vormasetup.exe"));
    RemoteWizard wizard(setup);
    ASSERT_NO_FATAL_FAILURE(StartInstall(setup, wizard, kEnglish, kEnglish));
    const SetupTexts texts = TextsOf(kEnglish);
    ASSERT_TRUE(vorma::test::PumpMessagesUntil([&] { return wizard.ProgressPosition() >= cancelAt; },
                                               kInstallTimeoutMs));
    ASSERT_TRUE(wizard.Click(texts.Text(L"LabelCancelBtn"))) << "Cancel is not enabled during the install";
    EXPECT_TRUE(setup.WaitForExit(10000)) << "Cancel did not end the setup";
    EXPECT_EQ(setup.ExitCode(), 0u);
    EXPECT_TRUE(setup.Boxes().empty());
    EXPECT_EQ(LinesFrom(setup.Id(), "===== Setup cancelled during the install ====="), 1u)
        << "the install had ended before Cancel";
    EXPECT_EQ(LinesFrom(setup.Id(), "===== Install stopped by Cancel ====="), 1u);
    EXPECT_EQ(LinesFrom(setup.Id(), "===== Install STEP9 ====="), 0u) << "the install went on after Cancel";
    EXPECT_TRUE(vorma::test::PanelMainWindows().empty()) << "a cancelled setup started the panel";
  }
  ASSERT_NO_FATAL_FAILURE(RunSetup(kEnglish, kEnglish));
  ExpectInstalled(kEnglish);
  EXPECT_NE(WaitForLaunchedPanel(1), nullptr);
}

}  // namespace
}  // namespace vorma::setup::test
