#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "forms/Image.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/FilterControl.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/virtual/PortSelection.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/OsClass.h"

#include <dbt.h>
#include <mmsystem.h>

#include <cwchar>
#include <string>

namespace vorma::shell {
namespace {

}  // namespace

TAudioMainForm::TAudioMainForm(forms::Application& application)
    : forms::Form(application, FormArgsFor(MainFormResource())) {
  // 1-2: the window from its resource; the program path and the settings record.
  BuildFromResource();
  m_strProgramPath = ThisProgramFolder();
  m_strConfigPath = m_strProgramPath + kAudioConfigFileName;
  appearance_ = std::make_unique<MainFormAppearance>(static_cast<AppearanceWindow&>(*this));
  // 3: without the SDK nothing else can work.
  if (!BindSdkLibrary()) return;
  // 4-8
  EnableTimer(L"Timer1", false);
  RegisterWindowMessages();
  DetermineOsClass();
  m_bActivated = false;
  ReadAudioConfig(kAudioConfigFileName, ThisProgramPath(), m_Settings);
  EnableTimer(L"Timer1", false);
  // 9-11: the user's language and skin, and the screen-size folder both have.
  appearance_->ReadUserLanguageAndSkin();
  appearance_->ChooseResolutionFolder(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  // 12: the application's title; icons and the tray hint come with the tray.
  LoadAppIcons();
  App().SetTitle(m_Settings.InstallAppTitle);
  // 13: the window's own configuration values (a strictly read value that is not a number ends here).
  config_ = ReadMainFormSettings(m_strConfigPath);
  // The feature pages hold the button states the skin and language show from now on.
  ports_ = std::make_unique<DevicePorts>(CreateDevicePorts());
  featureContext_ = std::make_unique<MainFormFeatureContext>(*this, *ports_, activation_, m_nCurrentPage);
  features_ = std::make_unique<MainFormFeatures>(*featureContext_, MakeFeatureLinks(), config_, UserFolder());
  buttons_ = std::make_unique<buttons::CHardwareButtons>(
      static_cast<buttons::ButtonHost&>(*this),
      buttons::ButtonSettings{config_.gpio, config_.encButtonMode, config_.encGpio});
  resync_ = std::make_unique<FeatureResync>(static_cast<ResyncWindow&>(*this), *features_, *buttons_, *ports_, config_,
                                            m_nOsClass);
  CreateProfiles();
  // 14-18: languages, skins, plug-ins; the outline; the skin.
  appearance_->BuildLanguageMenu();
  appearance_->BuildSkinMenu();
  m_nPluginCount = BuildPluginMenu();
  appearance_->LoadLanguage();
  appearance_->ApplyLanguageToControls();
  if (m_nPluginCount == 0)
    if (forms::MenuItem* modeMenu = popupMenu_.FindItem(L"ModeMenu")) modeMenu->SetVisible(false);
  if (config_.regionCut != 0) appearance_->CutWindowRegion();
  appearance_->LoadSkin();
  appearance_->ApplySkinToControls();
  appearance_->ApplyLanguageToControls();
  // 19-22: the device.
  activation_ = std::make_unique<DeviceActivation>(*ports_, static_cast<DeviceEvents&>(*this), m_strConfigPath);
  activation_->ActivateAtStartup();
  // 23-35: the features.
  StartFeatures();
  DebugWrite(L"===== TAudioMainForm: start-up done =====\n");
}

// The window goes before the members: its destruction runs FormDestroy (the last profile, the
// device's functions off) and its last messages reach features that still exist.
TAudioMainForm::~TAudioMainForm() { DestroyWindowNow(); }

FeatureLinks TAudioMainForm::MakeFeatureLinks() {
  FeatureLinks links;
  links.testToneTicked = [this] { return BeeBoxTicked(); };
  links.gpioOnOff = [this] { return GpioOnOff(); };
  links.gpioScanMode = [this] { return GpioScanMode() != 0; };
  links.setAnimationTimer = [this](bool enabled) { EnableTimer(L"Timer", enabled); };
  links.skinDirectory = [this] { return appearance_->SkinDirectory(); };
  links.pictureName = [this](std::wstring_view key) { return appearance_->SkinRecordName(key); };
  links.encSliderRange = [this] { return appearance_->EncSlider(); };
  links.showEncoderWarning = [this] { ShowEncoderWarning(); };
  links.findShape = [this](int tag) { return FindShapeByTag(tag); };
  links.chooseColour = [this](COLORREF& colour) { return App().Dialogs().ChooseColour(Hwnd(), colour); };
  links.showLedDialog = [this] { ShowLedDialog(); };
  links.osClass = m_nOsClass;
  links.programFolder = m_strProgramPath;
  links.window = [this] { return Hwnd(); };
  links.meterLength = [this] { return appearance_->MeterLength(); };
  links.setEndpointReady = [this](bool ready) {
    if (resync_) resync_->SetEndpointReady(ready);
  };
  links.setTestToneTimers = [this](bool enabled) {
    EnableTimer(L"BeeTimer", enabled);
    EnableTimer(L"BeePlayTimer", enabled);
  };
  return links;
}

// %APPDATA%\<InstallFolderName>: the user's own profiles and choices.
std::wstring TAudioMainForm::UserFolder() const {
  wchar_t appData[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(appData, length) + L"\\" + m_Settings.InstallFolderName;
}

void TAudioMainForm::BuildFromResource() {
  const FormBuildReport report = AddResourceToForm(MainFormResource(), *this, *this);
  const FormBuildReport menuReport = AddMenuToPopup(MainFormResource(), L"PopupMenu", popupMenu_, *this);
  for (std::wstring_view name : menuReport.unboundHandlers)
    DebugPrint(L"***** TAudioMainForm: the form resource names a menu handler %.*s that nothing binds *****\n", static_cast<int>(name.size()), name.data());
  for (std::wstring_view name : report.unboundHandlers)
    DebugPrint(L"***** TAudioMainForm: the form resource names a handler %.*s that nothing binds *****\n", static_cast<int>(name.size()), name.data());
  if (!Create()) DebugWin32Failure(L"TAudioMainForm: creating the window", GetLastError());
  OnActivate = [this](forms::Form&) { FormActivate(); };
  OnDestroy = [this](forms::Form&) { FormDestroy(); };
  OnMouseDown = [this](forms::Form&, const forms::MouseEventArgs& args) { FormMouseDown(args); };
  OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnWindowMessage(message, wParam, lParam, result);
  };
}

bool TAudioMainForm::BindSdkLibrary() {
  sdkLoadResult_ = LoadSdkLibrary(kSdkLibraryFileName, App().Dialogs());
  if (sdkLoadResult_ == 0) return true;
  wchar_t text[96];
  std::swprintf(text, std::size(text), L"***** Open_DLLQZ_UsbAudio72xx, ret = %d *****", sdkLoadResult_);
  App().MessageBox(text, L"", MB_OK);
  DebugWrite(std::wstring(text) + L"\n");
  // The message loop ends on this before it shows anything, and the process ends cleanly.
  PostMessageW(Hwnd(), WM_QUIT, 0, 0);
  return false;
}

void TAudioMainForm::RegisterWindowMessages() {
  m_uMsgAppExit = RegisterWindowMessageW(L"WM_KVX72xxAPP_EXIT");
  m_uMsgEffectExit = RegisterWindowMessageW(L"WM_AUDIO_EFFECT_EXIT");
  m_uMsgExitResume = RegisterWindowMessageW(L"WM_APP_EXIT_RESUME");
}

void TAudioMainForm::DetermineOsClass() {
  const OsVersion version = CurrentOsVersion();
  m_nOsClass = OsClassOf(version);
  m_bPreVista = (version.major & 0xFF) <= 5;
}

void TAudioMainForm::StartFeatures() {
  MainFormFeatures& features = *features_;
  // 23-26
  features.Eq().InitEqDefaults();
  for (int slot = 0; slot < 4; ++slot) features.Eq().ShowEqPreset(slot);
  if (config_.defaultIni == 1) profiles_->LoadDefaultProfile();
  features.ThreeD().InitThreeD();
  features.Effects().StartUp();
  features.Virtual7ch1().ComputeInitialLayout();
  // 27-31
  const bool active = DeviceActive();
  bool endpointFound = false;
  if (active) {
    features.Virtual7ch1().SendStartupOff();
    std::uint32_t value = 0;
    QueryFilterState(*ports_->filter, value);
    QueryFilterValue(*ports_->filter, 0, value);
    // Boost and mute cleared, the meter empty; with the endpoint found (or on the mixer path) the
    // display comes from Windows while the meter capture is open.
    endpointFound = features.StartupMic();
    features.Virtual7ch1().SendScalar();
  }
  features.Virtual7ch1().LoadProfileValues();
  features.Effects().SendApply();
  if (!activation_->RegisterDeviceNotifications(Hwnd()))
    DebugWin32Failure(L"TAudioMainForm: registering for device notifications", GetLastError());
  if (endpointFound) features.Mic().ReleaseEndpoint();
  // 32-35
  if (forms::Image* bee = ImageNamed(L"BeeImage")) bee->SetVisible(false);
  ShowPageControls(1);
  const bool lastProfileFound = profiles_->LoadLastProfile();
  if (!lastProfileFound) features.ReadEncoderAndVoiceFromRegistry();
  if (active) {
    buttons_->ReadGPIOAndSetUI();
    resync_->SyncEqualizerFromEeprom();
    resync_->SyncThreeDFromEeprom();
    if (config_.gpio.SwitchMode() ||
        (features.EncEnabled() && config_.encButtonMode == 1 && buttons_->SetEncGpioMode() == 0))
      buttons_->ScanENCGPIO();
    SyncLedIndicator();
    features.Led().StartLEDWorker();
  }
  buttons_->ClearStartScanGPIO();
}

void TAudioMainForm::FormCreate() {
  // Every message of the application passes here before it is dispatched; the controls still get
  // it, so a slider follows the cursor without taking the mouse capture.
  App().SetMessageHook([this](const MSG& message) { OnApplicationMessage(message); });
  DebugWrite(L"FormCreate");
}

void TAudioMainForm::FormActivate() {
  DebugWrite(L"FormActivate");
  if (m_bActivated) return;
  m_bActivated = true;
  if (CommandLineAsksServiceBoot(GetCommandLineW())) {
    DebugWrite(L"-serviceboot");
    PostMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  }
  SaveSnapshotsWhenAsked();
}

void TAudioMainForm::FormDestroy() {
  if (!activation_ || !features_) return;  // the start-up ended before the device was looked at
  MainFormFeatures& features = *features_;
  profiles_->SaveLastProfile();
  features.CloseMediaPlayer();
  // The software monitor's thread ends before the window it belongs to; Windows keeps the
  // microphone settings as they are.
  features.Mic().ShutDown();
  features.Eq().ResetEq();
  features.Eq().ApplyEqOnOff(0);
  features.ThreeD().ShutDown();
  std::unique_ptr<HidConnection> hid = OpenHidDevice(*ports_->hid, activation_->VendorId(), activation_->ProductId());
  if (hid) {
    WriteDeviceRegister(*hid, 256, 0);
    features.Effects().ShutDown();
    features.Virtual7ch1().Shutdown();
    features.EncVoice().Shutdown();
    features.Led().ShutDown();
    EndRegisterWrites(*hid);
    hid.reset();
    activation_->CloseDevice();
  }
  // Without the device's interface the worker still ends here, before the SDK can go away.
  features.Led().CloseLEDWorkerHandle();
  if (UniqueHandle mutex{OpenMutexW(SYNCHRONIZE, FALSE, App().Title().c_str())}) ReleaseMutex(mutex.get());
}

void TAudioMainForm::TimerTimer() {
  if (!features_ || !DeviceActive()) return;
  features_->Virtual7ch1().TimerTimer();
}

bool TAudioMainForm::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
  // Setup closes a running panel with its registered message; a companion program that ends
  // lets the panel out of the tray again.
  if (m_uMsgAppExit != 0 && message == m_uMsgAppExit) SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
  else if (m_uMsgExitResume != 0 && message == m_uMsgExitResume) UncheckPlugins();
  else if (message == WM_DEVICECHANGE && activation_) activation_->OnDeviceChange(wParam, lParam);
  else if (message == MM_WIM_DATA && features_) features_->CaptureLevel(wParam, lParam);
  // The default handling follows in every case.
  return false;
}

void TAudioMainForm::OnApplicationMessage(const MSG& message) {
  switch (message.message) {
    case WM_MOUSEMOVE: OnMsgMouseMove(); break;
    case WM_LBUTTONDOWN: OnMsgLButtonDown(); break;
    case WM_LBUTTONUP: OnMsgLButtonUp(); break;
    default: break;
  }
}

void TAudioMainForm::EnableTimer(std::wstring_view name, bool enabled) {
  if (forms::Timer* timer = FindTimer(name)) timer->SetEnabled(enabled);
}

bool TAudioMainForm::DeviceActive() const { return activation_ && activation_->DeviceActive(); }

void TAudioMainForm::ProcessPendingMessages() { App().ProcessMessages(); }

bool CommandLineAsksServiceBoot(const std::wstring& rawCommandLine) {
  return rawCommandLine.find(L"-serviceboot") != std::wstring::npos;
}

}  // namespace vorma::shell
