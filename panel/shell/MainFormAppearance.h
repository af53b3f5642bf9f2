#pragma once
// The skin and the language as the main window uses them: loading, applying them to the controls,
// and the single records the buttons and pages look at.

#include "panel/device/DeviceActivationHost.h"
#include "forms/PopupMenu.h"
#include "panel/shell/MainWindowControls.h"
#include "panel/shell/WindowButtonStates.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorma::shell {

class TAudioMainForm;
struct SkinApplyState;

class MainFormAppearance {
public:
  explicit MainFormAppearance(TAudioMainForm& window);
  MainFormAppearance(const MainFormAppearance&) = delete;
  MainFormAppearance& operator=(const MainFormAppearance&) = delete;
  ~MainFormAppearance();

  // The per-user choice of language and skin (left empty when the per-user file does not exist).
  void ReadUserLanguageAndSkin(const std::wstring& installFolderName, std::wstring& language, std::wstring& skin);
  int BuildLanguageMenu();
  int BuildSkinMenu();
  void LoadLanguage(const std::wstring& language);
  void ApplyLanguageToControls();
  void LoadSkin(const std::wstring& skin);
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
  WindowButtonStates CurrentButtonStates() const;
  SkinApplyState CurrentSkinState() const;

  TAudioMainForm& window_;
  std::unique_ptr<State> state_;
};

}  // namespace vorma::shell
