#pragma once
// The panel's main window: a borderless skinned window whose every control comes from its form
// resource. Its construction runs the start-up in a fixed order (SDK, configuration, skin and
// language, device, features); its input side routes every press through the controls' Tags.
//
// The class is split over several files by responsibility:
//   AudioMainForm.cpp            construction, form events, timers, message routing, tear-down
//   MainFormInput.cpp            mouse-down/up dispatch by Tag, labels, page switch
//   MainFormButtons.cpp          two-state buttons, radio groups, page buttons, feature reset
//   MainFormPages.cpp            which controls a page shows
//   MainFormDrag.cpp             slider and speaker drag through the application message hook
//   MainFormAppearance.cpp       skin and language records as the window applies them
//   MainFormAppearanceHost.cpp   what the skin and language side asks of the window
//   MainFormFeatures.cpp         the feature operations the window calls
//   MainFormDeviceEvents.cpp     what device activation tells the window (FeatureResync.cpp: the
//                                features' side of it)
//   MainFormButtonHost.cpp       what the hardware buttons ask of the window
//   MainFormEvents.cpp           the handler names of the form resource
//   MainFormSnapshots.cpp        pictures of every page for checking skins and translations
//   MainFormTray.cpp             tray icon, popup menu, companion programs

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/PopupMenu.h"
#include "forms/TrayIcon.h"
#include "foundation/AudioConfig.h"
#include "panel/buttons/HardwareButtons.h"
#include "panel/device/DeviceActivation.h"
#include "panel/device/DeviceEvents.h"
#include "panel/device/DevicePorts.h"
#include "panel/features/MainWindowTags.h"
#include "panel/profiles/SoundProfiles.h"
#include "panel/shell/FeatureResync.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatureContext.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/MainFormSettings.h"
#include "panel/features/MainWindowControls.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vorma::led {
class TLEDForm;
}

namespace vorma::shell {

// One state member of a two-state button, read and written through the feature that owns it.
struct ButtonStateAccess {
  std::function<int()> get;
  std::function<void(int)> set;
};

// The drag kinds of a press on a slider or speaker.
enum class DragMode { None = 0, EqBand = 1, Mic = 2, Speaker = 3, ThreeD = 4, Encoder = 5 };

class TAudioMainForm final : public forms::Form,
                             private FormEventSource,
                             public MainWindowControls,
                             private DeviceEvents,
                             private ResyncWindow,
                             private buttons::ButtonHost,
                             private profiles::SoundProfileHost,
                             private AppearanceWindow {
public:
  // Builds the window and runs the start-up. When the SDK library cannot be bound, the failure is
  // shown and WM_QUIT is posted, so the application leaves its message loop and the process ends.
  // A configuration value that must be a number and is not throws ConversionError.
  explicit TAudioMainForm(forms::Application& application);
  ~TAudioMainForm() override;

  // 0 when the start-up ran, otherwise the SDK binding's result.
  int SdkLoadResult() const { return sdkLoadResult_; }

  // The LED settings dialog; while it is shown the window's drags and window moves stand still.
  void SetLedDialog(led::TLEDForm* dialog) { ledDialog_ = dialog; }
  // The About dialog the About button fills and shows while a device is active.
  void SetAboutDialog(forms::Form* dialog) { aboutDialog_ = dialog; }

  // Form events bound in the form resource.
  void FormCreate();
  void FormActivate();
  void FormDestroy();

  // --- input side ---
  void OnImageMouseDown(forms::Control& sender, const forms::MouseEventArgs& args);
  void OnImageMouseUp(forms::Control& sender, const forms::MouseEventArgs& args);
  void OnLabelMouseDown(forms::Control& sender, const forms::MouseEventArgs& args);
  void OnLabelMouseUp(forms::Control& sender, const forms::MouseEventArgs& args);
  void OnLabelPageMouseDown(forms::Control& sender, const forms::MouseEventArgs& args);
  void FormMouseDown(const forms::MouseEventArgs& args);
  void CloseImageClick();
  void MinimizeImageClick();
  void OnMsgLButtonDown();
  void OnMsgMouseMove();
  void OnMsgLButtonUp();

  void PageButtonShow(int pageButton);
  void ShowPageControls(int page);
  void ResetFeatureButtons();

  // --- MainWindowControls ---
  forms::Image* ImageNamed(std::wstring_view name) override;
  forms::Label* LabelNamed(std::wstring_view name) override;
  forms::Image* FindImageByTag(int tag) override;
  forms::Label* FindLabelByTag(int tag) override;
  forms::Shape* FindShapeByTag(int tag);
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) override;
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) override;
  std::wstring LanguageText(std::wstring_view languageKey) override;
  void ToggleButtonState(int tag, int& state) override;
  SliderRange EqSliderRange() override;
  SliderRange MicSliderRange() override;
  SpeakerCircle VirtualCenter() override;
  void ProcessPendingMessages() override;

  // --- state read by tests and other parts ---
  buttons::CHardwareButtons& Buttons() { return *buttons_; }
  // m_nGPIOOnOff and m_bGPIOScanMode of the hardware buttons, which the switch lock reads.
  int GpioOnOff() const { return buttons_ ? buttons_->GpioOnOff() : 1; }
  int GpioScanMode() const { return buttons_ ? buttons_->GpioScanMode() : 0; }
  int CurrentPage() override { return m_nCurrentPage; }
  bool DeviceActive() const override;
  // The selected sound-field effect, 1..5 (0 before the start-up chose one).
  int Effect() const { return features_ ? features_->Effects().CurrentEffect() : 0; }
  profiles::CSoundProfiles& Profiles() { return *profiles_; }
  // The state member a two-state button with this Tag flips (0 for a Tag without one).
  int FeatureState(int tag);
  int EqPreset() { return features_->Eq().EqPreset(); }
  // The drag in progress; None once the button is released.
  DragMode CurrentDragMode() const { return m_bDragging ? static_cast<DragMode>(m_nDragMode) : DragMode::None; }
  const MainFormSettings& Settings() const { return config_; }
  const std::wstring& ResolutionFolder() const;
  const std::wstring& SkinName() const;
  const std::wstring& LanguageName() const;
  // The tray icon's menu.
  forms::PopupMenu& Popup() override { return popupMenu_; }

private:
  // --- construction ---
  void BuildFromResource();
  bool BindSdkLibrary();
  void RegisterWindowMessages();
  void DetermineOsClass();
  void StartFeatures();
  // The start-up's activation passes the pins once, as every later one does (GpioReadSettingOn).
  void SyncLedIndicator();
  FeatureLinks MakeFeatureLinks();
  std::wstring UserFolder() const;
  void SaveSnapshotsWhenAsked();

  // --- tray, popup menu, companion programs (MainFormTray.cpp) ---
  void LoadAppIcons();
  int BuildPluginMenu();
  void PluginMenuClick(forms::MenuItem& item);
  void UncheckPlugins();
  bool PluginRunning();
  void CTrayIconRestore();
  void CloseMenuClick();

  // --- FormEventSource ---
  forms::MouseHandler MouseHandlerNamed(std::wstring_view name) override;
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view name) override;

  // --- messages and timers ---
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnApplicationMessage(const MSG& message);
  void TimerTimer();
  void EnableTimer(std::wstring_view name, bool enabled);

  // --- input helpers (MainFormInput.cpp) ---
  bool SwitchLockIgnores(int tag) const;
  void ShowDeviceWarning();
  void ShowEncoderWarning();
  void RunMouseDownAction(int tag);
  void RunMouseUpAction(int tag);
  void PageImageDown(const WindowTag& pageButton);
  void ButtonPictureDown(const WindowTag& button);
  void ButtonPictureUp(const WindowTag& button);
  void ShowAboutDialog();
  void ShowLedDialog();
  bool LedDialogShown() const;
  bool BeeBoxTicked();
  void Toggle3DEnable();

  // --- drag helpers (MainFormDrag.cpp) ---
  void StartDrag(forms::Control& control, DragMode mode);
  int JumpSlider(int sliderTag, int clickY, SliderRange range);
  void PressSliderOrBar(forms::Control& control, POINT client);

  // --- state members the two-state buttons flip (the feature pages own theirs) ---
  // The member a state kind of the Tag table names, read and written through its owner.
  ButtonStateAccess StateOf(ButtonState kind);
  // The two-state primitive on the member of the Tag's row.
  void ToggleTagState(int tag);

  // --- DeviceEvents and ResyncWindow (MainFormDeviceEvents.cpp) ---
  void ShowDeviceLabel(DeviceLabelKind kind) override;
  void ShowDeviceIndicators(bool active) override;
  void RefreshPage() override;
  void SetPollRunning(bool running) override;
  void InterfaceArrived() override;
  void DeviceActivated(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) override;
  void DeviceRemoved() override;
  void StartupInterfaceClosed() override;
  bool LedIndicatorOn() override { return m_nLEDIndicator != 0; }

  // --- buttons::ButtonHost (MainFormButtonHost.cpp) ---
  WORD VendorId() override;
  WORD ProductId() override;
  void ImageMouseDown(int tag) override;
  void ImageMouseUp(int tag) override;
  void LabelMouseDown(int tag) override;
  void LabelMouseUp(int tag) override;
  void ToggleFeatureButton(int tag) override;
  void ShowPage(int page, int pageButton) override;
  void ENCFunctionImageClick() override;
  void VMFunctionImageClick() override;
  void ToggleEncFromButton() override;
  void RestoreWindow() override;
  void Wait(DWORD milliseconds) override;

  // --- profiles::SoundProfileHost (MainFormProfiles.cpp) ---
  void CreateProfiles();
  bool HidDeviceOpens() override;
  int CurrentEffect() override { return Effect(); }
  void LoadEffect(int effect) override;
  void SaveLedKeys(profiles::ProfileWriter& writer) override;
  void LoadLedKeys(const std::wstring& path) override;

  // --- AppearanceWindow (MainFormAppearanceHost.cpp) ---
  forms::Form& DressedForm() override { return *this; }
  const std::wstring& ProgramFolder() const override { return m_strProgramPath; }
  const std::wstring& ConfigPath() const override { return m_strConfigPath; }
  const AudioConfigInfo& ConfigInfo() const override { return m_Settings; }
  int OldVersion() const override { return config_.oldVersion; }
  int OsClass() override { return m_nOsClass; }
  WindowButtonStates ButtonStates() override;
  SkinApplyState SkinState() override;
  MainFormFeatures* Features() override { return features_.get(); }
  void SkinChanged() override;
  void LanguageChanged() override;
  void ShowError(const std::wstring& text) override;

  // --- members ---
  int sdkLoadResult_ = 0;
  forms::PopupMenu popupMenu_;
  UniqueIcon trayIconImage_;
  std::unique_ptr<forms::TrayIcon> trayIcon_;  // shows popupMenu_, so it goes first
  led::TLEDForm* ledDialog_ = nullptr;
  forms::Form* aboutDialog_ = nullptr;
  std::unique_ptr<DevicePorts> ports_;
  std::unique_ptr<DeviceActivation> activation_;
  std::unique_ptr<MainFormFeatureContext> featureContext_;  // reads activation_, which comes later
  std::unique_ptr<MainFormAppearance> appearance_;
  std::unique_ptr<MainFormFeatures> features_;
  std::unique_ptr<buttons::CHardwareButtons> buttons_;
  std::unique_ptr<FeatureResync> resync_;
  std::unique_ptr<profiles::CSoundProfiles> profiles_;

  std::wstring m_strProgramPath;  // the program's folder, ending in a separator
  std::wstring m_strConfigPath;   // AudioConfig.cfg in that folder
  AudioConfigInfo m_Settings;
  MainFormSettings config_;
  UINT m_uMsgAppExit = 0;
  UINT m_uMsgEffectExit = 0;
  UINT m_uMsgExitResume = 0;
  int m_nOsClass = 0;
  bool m_bPreVista = false;
  bool m_bActivated = false;
  int m_nPluginCount = 0;
  int m_nCurrentPage = 1;

  // Feature states of the two-state buttons (the feature pages own the others).
  int m_nLEDIndicator = 1;
  int m_nDeviceIn = 0;
  int m_nDeviceOut = 0;

  // Drag state.
  unsigned char m_bDragging = 0;
  POINT m_ptDragStart{};
  forms::Control* m_pDragControl = nullptr;
  int m_nDragStartLeft = 0;
  int m_nDragStartTop = 0;
  int m_nDragMode = 0;
};

// Whether the raw process command line asks for a start minimised to the tray.
bool CommandLineAsksServiceBoot(const std::wstring& rawCommandLine);

}  // namespace vorma::shell
