// The wizard and the install sequence together, in this process: a delivery folder, the real
// wizard window driven through its buttons, the install on its worker thread writing the small
// payloads of this test program, and what it left in Wine's files, registry and shell.

#include "forms/Application.h"
#include "foundation/ProfileStrings.h"
#include "foundation/RegistryValues.h"
#include "setup/BackgroundForm.h"
#include "setup/DriverAndService.h"
#include "setup/FeatureDefaults.h"
#include "setup/MainForm.h"
#include "setup/Registration.h"
#include "setup/SetupFiles.h"
#include "setup/tests/SetupDelivery.h"
#include "setup/tests/SystemReadBack.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <memory>

namespace vorma::setup::test {
namespace {

class RecordingActions final : public SetupActions {
public:
  void Reboot() override { ++reboots; }
  void StartProgram(const std::wstring& path) override { started.push_back(path); }
  void EndSetup() override { ++ends; }  // on the install thread
  int reboots = 0;
  std::atomic<int> ends = 0;
  std::vector<std::wstring> started;
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class WizardInstallTest : public ::testing::Test {
protected:
  void SetUp() override {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ASSERT_TRUE(application.Initialize());
    application.SetDialogs(dialogs);
    probeLog = probeFolder.Path() + L"probe.log";
    SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_LOG", probeLog.c_str());
    SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_DELAY_MS", nullptr);
  }

  void TearDown() override {
    wizard.reset();
    background.reset();
    const std::wstring servicePath = settings.config.SystemDirectoryPath + names.serviceName + L".exe";
    DeleteFileW(servicePath.c_str());
  }

  // Builds and shows the wizard for a delivery on a 1920 x 1080 screen.
  bool ShowWizard(const Delivery& delivery, InstallTimings timings = {1000, false}) {
    settings = ReadSetupSettings(delivery.SetupPath(), ReadSystemFacts());
    background = std::make_unique<TBackgroundForm>(application, settings, 1920, 1080);
    if (!background->Create()) return false;
    application.SetMainForm(background->Form());
    wizard = std::make_unique<TMainForm>(application, *background, settings,
                                         MainFormPorts{actions, GetModuleHandleW(nullptr), timings, nullptr, names});
    if (!wizard->Create()) return false;
    return wizard->FormShow(1920, 1080);
  }

  // Presses Next until the install runs (the first press may only show the tip) and waits for
  // the finish page.
  bool InstallToFinishPage() {
    wizard->NextBitBtnClick();
    if (wizard->PageIndex() == kLanguagePage) wizard->NextBitBtnClick();
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (wizard->PageIndex() != kFinishPage && GetTickCount64() < deadline) {
      application.ProcessMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return wizard->PageIndex() == kFinishPage;
  }

  void SelectLanguage(const std::wstring& folder) {
    const auto& folders = wizard->LanguageFolders();
    const auto found = std::find(folders.begin(), folders.end(), folder);
    ASSERT_NE(found, folders.end());
    wizard->LanguageBox().SetItemIndex(static_cast<int>(found - folders.begin()));
    wizard->ComboBoxChange();
  }

  // Every message shown, for failure output.
  std::string MessageTexts() const {
    std::wstring texts;
    for (const auto& shown : dialogs.shown) texts += L"[" + shown.caption + L": " + shown.text + L"] ";
    return Narrow(texts);
  }

  forms::Application application{GetModuleHandleW(nullptr)};
  vorma::test::ScriptedDialogs dialogs;
  RecordingActions actions;
  InstallNames names{L"VormaSetupTest" + std::to_wstring(GetCurrentProcessId()), L"VORMA_SETUP_TEST_PANEL_EXIT"};
  vorma::test::TempFolder probeFolder;
  std::wstring probeLog;
  SetupSettings settings;
  std::unique_ptr<TBackgroundForm> background;
  std::unique_ptr<TMainForm> wizard;
};

TEST_F(WizardInstallTest, InstallsEverythingTheDeliveryHoldsAndFinishStartsThePanel) {
  Delivery delivery;
  ASSERT_TRUE(ShowWizard(delivery));
  EXPECT_EQ(kLanguagePage, wizard->PageIndex());
  EXPECT_EQ((std::vector<std::wstring>{L"English", L"Deutsch"}), wizard->LanguageBox().Items());
  EXPECT_EQ(L"English", wizard->LanguageBox().Text()) << "the per-user DefaultLanguage is selected";
  EXPECT_EQ(L"Vorma Setup (V)", wizard->Form().Caption());
  EXPECT_NE(L"<missing>", RegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KVX USB DeviceId Group", L"1"));
  EXPECT_NE(L"<missing>", RegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KVX HID DeviceId Group", L"1"));
  EXPECT_TRUE(FileExists(delivery.PerUserFolder() + L"AudioConfig.cfg"));
  EXPECT_TRUE(FileExists(delivery.PerUserFolder() + L"DefaultProfile.ini"));

  wizard->NextBitBtnClick();
  ASSERT_EQ(1u, dialogs.shown.size());
  EXPECT_EQ(L"Allow the driver.", dialogs.shown[0].text);
  EXPECT_EQ(L"Install", dialogs.shown[0].caption);
  EXPECT_EQ(kLanguagePage, wizard->PageIndex()) << "the first Next only shows the antivirus tip";
  ASSERT_TRUE(InstallToFinishPage());
  EXPECT_EQ(1u, dialogs.shown.size()) << MessageTexts();
  EXPECT_EQ(98, wizard->Progress().Position()) << "companions installed, no update package";

  const std::wstring install = delivery.InstallFolder();
  const std::wstring panel = install + delivery.Name() + L".exe";
  const std::wstring uninstaller = install + L"Uninstall" + delivery.Name() + L".exe";
  EXPECT_EQ("test payload: Panel\n", vorma::test::ReadFileBytes(panel));
  EXPECT_EQ("test payload: Uninstaller\n", vorma::test::ReadFileBytes(uninstaller));
  EXPECT_EQ("test payload: Effect\n", vorma::test::ReadFileBytes(install + L"Plugin\\VormaEffect\\VormaEffect.exe"));
  EXPECT_EQ("test payload: SoundEffect\n",
            vorma::test::ReadFileBytes(install + L"Plugin\\VormaSoundEffect\\VormaSoundEffect.exe"));
  for (const wchar_t* copied : {L"AudioConfig.cfg", L"Vorma.ico", L"bee.wav", L"DLLQZ_UsbAudio72xx_x32.dll",
                                L"Skins\\Graphite\\SkinSetting.ini", L"Languages\\German\\Language.ini",
                                L"Manual\\English\\Manual.pdf", L"Plugin\\VormaEffect\\readme.txt"}) {
    EXPECT_TRUE(FileExists(install + copied)) << Narrow(copied);
  }

  const std::wstring driverKey = std::wstring(kServicesKeyPrefix) + L"Xafilt";
  EXPECT_EQ(1u, RegistryDword(driverKey, L"ErrorControl"));
  EXPECT_EQ(3u, RegistryDword(driverKey, L"Start"));
  EXPECT_EQ(1u, RegistryDword(driverKey, L"Type"));
  EXPECT_EQ(L"System32\\DRIVERS\\Xafilt.sys", RegistryString(HKEY_LOCAL_MACHINE, driverKey, L"ImagePath"));
  EXPECT_EQ("test payload: Driver\n",
            vorma::test::ReadFileBytes(settings.config.SystemDirectoryPath + L"drivers\\Xafilt.sys"));
  const std::string probe = vorma::test::ReadFileBytes(probeLog);
  const std::wstring probeLine(reinterpret_cast<const wchar_t*>(probe.data()), probe.size() / 2);
  EXPECT_EQ(settings.config.SystemDirectoryPath + names.serviceName + L".exe /Service\n", probeLine)
      << "the service program registers itself with an unquoted path and /Service";

  const std::wstring software = std::wstring(L"SOFTWARE\\") + kSoftwareKey;
  const std::wstring companion = install + L"Plugin\\VormaSoundEffect\\VormaSoundEffect.exe";
  EXPECT_EQ(L"\"" + panel + L"\" -servicestart", RegistryString(HKEY_LOCAL_MACHINE, software, L"UserPrivilegeExecution_C0"));
  EXPECT_EQ(L"\"" + panel + L"\" -servicestart", RegistryString(HKEY_LOCAL_MACHINE, software, L"AdminPrivilegeExecution_C1"));
  EXPECT_EQ(L"\"" + panel + L"\" -serviceboot",
            RegistryString(HKEY_LOCAL_MACHINE, software, L"AdminPrivilegeExecutionOnBoot_C4"));
  EXPECT_EQ(L"\"" + companion + L"\" -serviceboot",
            RegistryString(HKEY_LOCAL_MACHINE, software, L"SystemPrivilegeExecutionOnBoot_D3"));
  EXPECT_EQ(L"\"" + install + L"Plugin\\VormaEffect\\VormaEffect.exe\" -servicestart",
            RegistryString(HKEY_LOCAL_MACHINE, software, L"SystemPrivilegeExecution_B2"));
  EXPECT_EQ(1u, RegistryDword(software, L"EncEnable")) << "the feature defaults of the delivery";
  EXPECT_EQ(3u, RegistryDword(software + L"\\EncValueMap", L"VID_1E4B&PID_7201"));

  EXPECT_EQ(L"\"" + panel + L"\" -boot", RegistryString(HKEY_LOCAL_MACHINE, kRunKeyPath, delivery.Name().c_str()));
  EXPECT_EQ(L"\"" + uninstaller + L"\"", RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"UninstallString"));
  EXPECT_EQ(uninstaller, RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"DisplayIcon"));
  EXPECT_EQ(L"Vorma Audio Center", RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"DisplayName"));
  EXPECT_EQ(L"Vorma Audio", RegistryString(HKEY_LOCAL_MACHINE, kUninstallKeyPath, L"Publisher"));

  const std::wstring menu = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + delivery.Name() + L"\\";
  EXPECT_EQ(panel, ShortcutTarget(menu + L"Vorma Audio Center.lnk"));
  EXPECT_EQ(uninstaller, ShortcutTarget(menu + L"Uninstall Vorma.lnk"));
  EXPECT_EQ(install + L"Manual\\English\\Manual.pdf", ShortcutTarget(menu + L"User Manual.lnk"));
  EXPECT_EQ(panel, ShortcutTarget(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Vorma Audio Center.lnk"));

  EXPECT_FALSE(wizard->NextButton().Visible());
  EXPECT_FALSE(wizard->CancelButton().Visible());
  EXPECT_TRUE(wizard->FinishButton().Enabled());
  EXPECT_FALSE(wizard->RebootRadio().Visible()) << "ShowRebootScreen 0 hides the choice";
  wizard->FinishBitBtnClick();
  EXPECT_EQ(std::vector<std::wstring>{panel}, actions.started);
  EXPECT_EQ(0, actions.reboots);
}

TEST_F(WizardInstallTest, AFailingStepShowsItsCodeAndTheFinishPageStillComes) {
  Delivery delivery;
  SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_DELAY_MS", L"3000");
  ASSERT_TRUE(ShowWizard(delivery, InstallTimings{300, false}));
  ASSERT_TRUE(InstallToFinishPage());
  ASSERT_EQ(2u, dialogs.shown.size());
  EXPECT_EQ(L"Installation failed.(Code = 0x80000002)", dialogs.shown[1].text)
      << "a service program that does not end in time fails step 2";
  EXPECT_EQ(L"Install", dialogs.shown[1].caption);
  EXPECT_EQ(wizard->Form().Hwnd(), dialogs.shown[1].owner) << "the message is owned by the wizard";
  EXPECT_EQ(40, wizard->Progress().Position());
  EXPECT_TRUE(FileExists(settings.config.SystemDirectoryPath + L"drivers\\Xafilt.sys")) << "step 1 stays done";
  EXPECT_FALSE(FileExists(delivery.InstallFolder() + delivery.Name() + L".exe")) << "later steps do not run";
  Sleep(3000);  // the probe still runs; its file goes when it ended
}

TEST_F(WizardInstallTest, CancelEndsTheSetupDuringTheInstallAndClosesTheWizardBeforeIt) {
  {
    Delivery delivery;
    SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_DELAY_MS", L"2000");  // step 2 still runs at the press
    ASSERT_TRUE(ShowWizard(delivery, InstallTimings{10000, false}));
    wizard->NextBitBtnClick();
    wizard->NextBitBtnClick();
    ASSERT_TRUE(wizard->InstallRunning());
    ASSERT_TRUE(wizard->CancelButton().Enabled()) << "Cancel stays enabled during the install";
    wizard->CancelBitBtnClick();
    EXPECT_FALSE(wizard->CancelButton().Enabled());
    EXPECT_TRUE(IsWindowVisible(wizard->Form().Hwnd())) << "no window is closed before the process ends";
    ASSERT_TRUE(InstallToFinishPage());  // a test's setup goes on after the end it asked for
    EXPECT_EQ(1, actions.ends) << "the install thread ends the setup";
    EXPECT_FALSE(FileExists(delivery.InstallFolder() + delivery.Name() + L".exe"))
        << "the step after the one running at the press did not run";
    EXPECT_TRUE(FileExists(settings.config.SystemDirectoryPath + L"drivers\\Xafilt.sys")) << "step 1 stays done";
    EXPECT_EQ(1u, dialogs.shown.size()) << MessageTexts();
    wizard.reset();
    background.reset();
  }
  Delivery delivery;
  ASSERT_TRUE(ShowWizard(delivery));
  wizard->CancelBitBtnClick();
  application.ProcessMessages();
  EXPECT_EQ(1, actions.ends) << "nothing to end on the language page";
  EXPECT_FALSE(IsWindowVisible(wizard->Form().Hwnd())) << "Cancel on the language page closes the wizard";
  EXPECT_FALSE(IsWindowVisible(background->Form().Hwnd()));
}

TEST_F(WizardInstallTest, ConfigurationDecidesPluginsUpdateStepManualAndTheRebootChoice) {
  const struct {
    const char* name;
    const wchar_t* showReboot;
    int finalPosition;
    bool rebootChecked;
  } cases[] = {
      {"reboot choice hidden", L"0", 100, false},
      {"reboot choice shown", L"1", 100, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeliveryOptions options;
    options.pluginFolderName = L"";
    options.install = {{L"InstallWindowsKB", L"1"}, {L"ShowRebootScreen", c.showReboot}, {L"DesktopShortcutEnable", L"0"}};
    Delivery delivery(options);
    dialogs.shown.clear();
    actions.started.clear();
    ASSERT_TRUE(ShowWizard(delivery));
    SelectLanguage(L"German");
    EXPECT_EQ(L"Vorma Einrichtung (V)", wizard->Form().Caption());
    std::wstring chosen;
    ReadProfileString(delivery.PerUserFolder() + L"AudioConfig.cfg", L"Language", L"DefaultLanguage", chosen);
    EXPECT_EQ(L"German", chosen);
    ASSERT_TRUE(InstallToFinishPage());
    EXPECT_EQ(1u, dialogs.shown.size()) << MessageTexts();
    // Not under WOW64, so the update step finds nothing to do, succeeds and advises a restart.
    EXPECT_EQ(c.finalPosition, wizard->Progress().Position());
    EXPECT_EQ(c.rebootChecked, wizard->RebootRadio().Checked());
    EXPECT_FALSE(FileExists(delivery.InstallFolder() + L"VormaEffect\\VormaEffect.exe"));
    EXPECT_FALSE(FileExists(delivery.InstallFolder() + L"Manual\\German\\Manual.pdf")) << "no German manual delivered";
    const std::wstring menu = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + delivery.Name() + L"\\";
    EXPECT_FALSE(FileExists(menu + L"User Manual.lnk"));
    EXPECT_TRUE(FileExists(menu + L"Vorma Audio Center.lnk"));
    EXPECT_FALSE(FileExists(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Vorma Audio Center.lnk"));
    wizard->FinishBitBtnClick();
    EXPECT_EQ(c.rebootChecked ? 1 : 0, actions.reboots);
    EXPECT_EQ(c.rebootChecked ? 0u : 1u, actions.started.size());
    actions.reboots = 0;
    wizard.reset();
    background.reset();
  }
}

TEST_F(WizardInstallTest, AnEarlierPerUserFolderIsLeftAsItIs) {
  Delivery delivery;
  const std::wstring perUser = delivery.PerUserFolder();
  CreateFolderWithParents(perUser);
  WriteProfileString(perUser + L"AudioConfig.cfg", L"Language", L"DefaultLanguage", L"German");
  ASSERT_TRUE(ShowWizard(delivery));
  EXPECT_EQ(L"Deutsch", wizard->LanguageBox().Text()) << "the user's earlier choice is kept";
  EXPECT_FALSE(FileExists(perUser + L"DefaultProfile.ini")) << "nothing is copied over it";
}

}  // namespace
}  // namespace vorma::setup::test
