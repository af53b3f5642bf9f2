#pragma once
// The skin and the language as the main window uses them: loading, applying them to the controls,
// and the single records the buttons and pages look at.

#include "forms/Form.h"
#include "forms/PopupMenu.h"
#include "foundation/AudioConfig.h"
#include "panel/device/DeviceEvents.h"
#include "panel/features/MainWindowControls.h"
#include "panel/shell/WindowButtonStates.h"
#include "panel/shell/skin/SkinApplying.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorma::shell {

class MainFormFeatures;

// What the appearance reads of the window it dresses, and what it asks of it.
class AppearanceWindow {
public:
  virtual forms::Form& DressedForm() = 0;
  virtual forms::PopupMenu& Popup() = 0;
  virtual const std::wstring& ProgramFolder() const = 0;  // ending in a separator
  virtual const std::wstring& ConfigPath() const = 0;     // the program's AudioConfig.cfg
  virtual const AudioConfigInfo& ConfigInfo() const = 0;  // folder names of skins and languages
  virtual int OldVersion() const = 0;                     // [Version] OldVersion: the old layout's offsets
  virtual int OsClass() = 0;
  virtual bool DeviceActive() const = 0;
  // The state of the window's two-state buttons and pages, and with it what decides which record
  // each skinned image shows.
  virtual WindowButtonStates ButtonStates() = 0;
  virtual SkinApplyState SkinState() = 0;
  // None before the features are made.
  virtual MainFormFeatures* Features() = 0;
  // The window shows its page again after the user chose another skin or language.
  virtual void SkinChanged() = 0;
  virtual void LanguageChanged() = 0;
  virtual void ShowError(const std::wstring& text) = 0;

protected:
  ~AppearanceWindow() = default;
};

class MainFormAppearance {
public:
  explicit MainFormAppearance(AppearanceWindow& window);
  MainFormAppearance(const MainFormAppearance&) = delete;
  MainFormAppearance& operator=(const MainFormAppearance&) = delete;
  ~MainFormAppearance();

  // The per-user choice of language and skin (left empty when the per-user file does not exist).
  void ReadUserLanguageAndSkin();
  // The screen-size folder below the skin and language folders that holds both choices.
  void ChooseResolutionFolder(int screenWidth, int screenHeight);
  const std::wstring& LanguageName() const { return language_; }
  const std::wstring& SkinName() const { return skin_; }
  const std::wstring& ResolutionFolder() const { return resolutionFolder_; }

  void BuildLanguageMenu();
  void BuildSkinMenu();
  // The chosen language and skin.
  void LoadLanguage();
  void ApplyLanguageToControls();
  void LoadSkin();
  void ApplySkinToControls();
  void CutWindowRegion();

  // One record applied to one control.
  void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey);
  void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down);
  void ApplyLabelRecord(forms::Label& label, std::wstring_view languageKey, bool up);
  std::wstring LanguageText(std::wstring_view languageKey);
  // The About dialog's logo: the skin's [About] LogoImage.
  void ShowAboutLogo(forms::Image& logo);

  // The loaded skin's folder (ending in a backslash) and a record's picture name.
  std::wstring SkinDirectory();
  std::wstring SkinRecordName(std::wstring_view skinKey);

  // Whether the skin record names a picture file.
  bool SkinRecordHasPicture(std::wstring_view skinKey);

  // Page visibility: a record shows its control when it names a picture (or text) that is not
  // "(null)" and its page is 0 or `page`. None for a control whose visibility the page does not
  // decide (the 3D page's pictures, MainLeftImage, controls without a record).
  std::optional<bool> ImageShownOn(const forms::Image& image, int page);
  std::optional<bool> LabelShownOn(const forms::Label& label, int page);
  // The check images, bars, sliders and labels of the LED settings.
  bool IsLedPageControl(const forms::Control& control);

  SliderRange EqSlider();
  SliderRange MicSlider();
  int MeterLength();  // [Mic] MicProgressLength: the level meter's widest width
  SliderRange EncSlider();
  SpeakerCircle VirtualCenter();
  int LedPageMode();

private:
  struct State;
  void SkinMenuClick(forms::MenuItem& item);
  void LanguageMenuClick(forms::MenuItem& item);
  void WriteUserChoice();
  double FontScale() const;

  AppearanceWindow& window_;
  std::unique_ptr<State> state_;
  std::wstring language_;          // the language folder's name
  std::wstring skin_;              // the skin folder's name
  std::wstring resolutionFolder_;  // "" or the screen-size folder
  int languageCount_ = 0;          // items of the language menu
  int skinCount_ = 0;              // items of the skin menu
};

}  // namespace vorma::shell
