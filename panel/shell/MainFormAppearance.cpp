#include "panel/shell/MainFormAppearance.h"

#include "foundation/DebugOutput.h"
#include "forms/PopupMenu.h"
#include "panel/shell/AudioMainForm.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/language/LabelAttr.h"
#include "panel/shell/language/LanguageControls.h"
#include "panel/shell/language/LanguageKeys.h"
#include "panel/shell/language/LanguageMenu.h"
#include "panel/shell/language/LanguageSetting.h"
#include "panel/shell/skin/SkinApplying.h"
#include "panel/shell/skin/SkinFolder.h"
#include "panel/shell/skin/SkinLoading.h"
#include "panel/shell/skin/SkinMenu.h"
#include "panel/shell/skin/SkinSetting.h"
#include "panel/shell/skin/UserSkinChoice.h"
#include "panel/shell/skin/WindowRegion.h"

#include <vector>

namespace vorma::shell {

struct MainFormAppearance::State {
  SkinSetting skin;
  SkinFolder skinFolder;
  LanguageSetting language;
  std::vector<std::wstring> languageFolders;  // entry i is the folder of language menu item i
};

namespace {

bool RecordShows(const std::wstring& name, int recordPage, int page) {
  return !name.empty() && name != L"(null)" && (recordPage == 0 || recordPage == page);
}

// MainLeftImage follows the page buttons; a page switch does not test it. The 3D page's pictures
// are tested like every other page's: left as the skin application made them they would stay
// visible on every page and cover the page shown beneath them.
bool PageLeavesImageAlone(std::wstring_view name) { return name == L"MainLeftImage"; }

}  // namespace

MainFormAppearance::MainFormAppearance(TAudioMainForm& window) : window_(window), state_(std::make_unique<State>()) {}

MainFormAppearance::~MainFormAppearance() = default;

void MainFormAppearance::ReadUserLanguageAndSkin(const std::wstring& installFolderName, std::wstring& language,
                                                 std::wstring& skin) {
  const UserLanguageAndSkin choice = shell::ReadUserLanguageAndSkin(installFolderName);
  language = choice.language;
  skin = choice.skin;
}

int MainFormAppearance::BuildLanguageMenu() {
  forms::MenuItem* menu = window_.popupMenu_.FindItem(L"LanguageMenu");
  if (!menu) return 0;
  LanguageMenuSource source;
  source.programPath = window_.m_strProgramPath;
  source.languageFolderName = window_.m_Settings.LanguageFolderName;
  source.resolutionFolder = window_.m_tcResolutionFolder;
  source.configPath = window_.m_strConfigPath;
  source.currentLanguage = window_.m_tcLanguage;
  return shell::BuildLanguageMenu(*menu, source, [this](forms::MenuItem& item) { LanguageMenuClick(item); },
                                  state_->languageFolders);
}

int MainFormAppearance::BuildSkinMenu() {
  forms::MenuItem* menu = window_.popupMenu_.FindItem(L"SkinMenu");
  if (!menu) return 0;
  const std::wstring folder =
      SkinListFolder(window_.m_strProgramPath, window_.m_Settings.SkinFolderName, window_.m_tcResolutionFolder);
  return shell::BuildSkinMenu(*menu, folder, window_.m_tcSkin, [this](forms::MenuItem& item) { SkinMenuClick(item); });
}

void MainFormAppearance::LoadLanguage(const std::wstring& language) {
  const std::wstring dir = LanguageDirectory(window_.m_strProgramPath, window_.m_Settings.LanguageFolderName,
                                             window_.m_tcResolutionFolder, language);
  const LanguageLoadResult result = LoadLanguageSetting(dir, window_.config_.oldVersion, state_->language);
  if (!result.Succeeded()) throw ConversionError(result.message);
}

void MainFormAppearance::ApplyLanguageToControls() {
  TAudioMainForm& w = window_;
  LanguageViewState view;
  static_cast<WindowButtonStates&>(view) = CurrentButtonStates();
  view.deviceActive = w.DeviceActive();
  shell::ApplyLanguageToControls(w, w.popupMenu_, state_->language, view, FontScale());
}

void MainFormAppearance::LoadSkin(const std::wstring& skin) {
  state_->skinFolder =
      MakeSkinFolder(window_.m_strProgramPath, window_.m_Settings.SkinFolderName, window_.m_tcResolutionFolder, skin);
  // The LED page takes its mode, its speed direction and its colour defaults while the skin is read.
  led::CLedPage& page = window_.features_->Led();
  SkinLoadHooks hooks;
  hooks.resetLedColorTable = [this, &page] {
    page.TakeSkinValues(state_->skin.layout.ledPageMode, state_->skin.layout.ledFastRightSide);
  };
  hooks.applyShapeDefaultColor = [&page](std::wstring_view key) { page.ApplyShapeDefaultColour(key); };
  const SkinLoadResult result =
      LoadSkinSetting(state_->skin, state_->skinFolder.dir, window_.config_.oldVersion, hooks);
  if (!result.ok) {
    DebugPrint(L"***** SkinSetting.ini [%ls] %ls: %ls *****\n", result.section.c_str(), result.key.c_str(),
               result.error.c_str());
    window_.App().ShowError(result.error);
  }
}

WindowButtonStates MainFormAppearance::CurrentButtonStates() const {
  TAudioMainForm& w = window_;
  WindowButtonStates states;
  states.eqEnable = w.EqEnableState();
  states.threeDEnable = w.ThreeDEnableState();
  states.fbm = w.FbmState();
  states.micBoost = w.StateOfTag(21);
  states.micMute = w.StateOfTag(22);
  states.micMonitor = w.StateOfTag(89);
  states.virtualEnable = w.Virtual7ch1State();
  states.clockwise = w.CwState();
  states.counterclockwise = w.CcwState();
  states.enlarge = w.EnlargeState();
  states.narrow = w.NarrowState();
  states.eqPreset = w.EqPresetState();
  states.effect = w.Effect();
  states.currentPage = w.m_nCurrentPage;
  return states;
}

// The window state that decides which record each skinned image shows.
SkinApplyState MainFormAppearance::CurrentSkinState() const {
  TAudioMainForm& w = window_;
  SkinApplyState apply;
  static_cast<WindowButtonStates&>(apply) = CurrentButtonStates();
  apply.ledIndicator = w.m_nLEDIndicator;
  apply.alphaMode = w.AlphaModeState();
  apply.betaMode = w.BetaModeState();
  apply.regionCut = w.config_.regionCut;
  apply.applyLedPageSkin = [&w] { w.features_->Led().ApplySkinPictures(); };
  return apply;
}

void MainFormAppearance::ApplySkinToControls() {
  shell::ApplySkinToControls(window_, state_->skin, state_->skinFolder, CurrentSkinState());
}

void MainFormAppearance::CutWindowRegion() {
  const SkinFolder folder = MakeSkinFolder(window_.m_strProgramPath, window_.m_Settings.SkinFolderName,
                                           window_.m_tcResolutionFolder, window_.m_tcSkin);
  SetWindowRegionFromFile(window_, folder.dir + L"MainForm_Frame.rgn");
}

void MainFormAppearance::SkinMenuClick(forms::MenuItem& item) {
  forms::MenuItem* menu = window_.popupMenu_.FindItem(L"SkinMenu");
  if (!menu) return;
  window_.m_tcSkin = SelectSkinMenuItem(*menu, window_.m_nSkinCount, item);
  LoadSkin(window_.m_tcSkin);
  ApplySkinToControls();
  ApplyLanguageToControls();
  window_.features_->RefreshEncoderPage();
  window_.features_->RefreshVoiceEffectPage();
  window_.ShowPageControls(window_.m_nCurrentPage);
  window_.features_->Eq().ShowEqPreset(window_.EqPresetState() - 1);
  window_.features_->RefreshMicDisplay();
  window_.features_->Virtual7ch1().RescaleSpeakers();
  WriteUserChoice();
}

void MainFormAppearance::LanguageMenuClick(forms::MenuItem& item) {
  forms::MenuItem* menu = window_.popupMenu_.FindItem(L"LanguageMenu");
  if (!menu) return;
  const std::wstring language = shell::LanguageMenuClick(item, *menu, window_.m_nLanguageCount, state_->languageFolders);
  if (language.empty()) return;
  window_.m_tcLanguage = language;
  try {
    LoadLanguage(language);
  } catch (const ConversionError& error) {
    window_.App().ShowError(error.Text());
  }
  ApplyLanguageToControls();
  window_.ShowPageControls(window_.m_nCurrentPage);
  WriteUserChoice();
}

void MainFormAppearance::WriteUserChoice() {
  UserLanguageAndSkin choice;
  choice.language = window_.m_tcLanguage;
  choice.skin = window_.m_tcSkin;
  WriteUserLanguageAndSkin(window_.m_Settings.InstallFolderName, choice);
}

double MainFormAppearance::FontScale() const { return FontScaleFactor(ScreenPixelsPerInch(), window_.m_nOsClass); }

void MainFormAppearance::ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) {
  shell::ChangeImageAttr(skinKey.empty() ? SkinSetting::EmptyRecord() : state_->skin.Record(skinKey), image,
                         state_->skinFolder);
}

void MainFormAppearance::SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) {
  const LabelAtt* record = state_->language.Record(languageKey);
  const std::int32_t value = record ? (down ? record->ColorDown : record->ColorUp) : 0;
  label.SetFontColor(ColorFromValue(value));
}

void MainFormAppearance::ApplyLabelRecord(forms::Label& label, std::wstring_view languageKey, bool up) {
  if (LabelAtt* record = state_->language.Record(languageKey))
    ApplyLabelAttr(*record, label, up, state_->language.Global(), FontScale());
}

void MainFormAppearance::ShowAboutLogo(forms::Image& logo) {
  shell::ChangeImageAttr(state_->skin.Record(L"About", L"LogoImage"), logo, state_->skinFolder);
}

std::wstring MainFormAppearance::LanguageText(std::wstring_view languageKey) { return state_->language.Text(languageKey); }

std::wstring MainFormAppearance::SkinDirectory() { return state_->skinFolder.dir; }

std::wstring MainFormAppearance::SkinRecordName(std::wstring_view skinKey) { return state_->skin.Record(skinKey).Name; }

bool MainFormAppearance::SkinRecordHasPicture(std::wstring_view skinKey) {
  return !state_->skin.Record(skinKey).Name.empty();
}

std::optional<bool> MainFormAppearance::ImageShownOn(const forms::Image& image, int page) {
  TAudioMainForm& w = window_;
  const std::wstring_view name = image.Name();
  if (PageLeavesImageAlone(name)) return std::nullopt;
  const bool active = w.DeviceActive();
  std::wstring_view key;
  if (name == L"DeviceInImage") key = active ? L"DeviceActiveDownImage" : L"DeviceActiveUpImage";
  else if (name == L"DeviceOutImage") key = active ? L"DeviceUnActiveUpImage" : L"DeviceUnActiveDownImage";
  // The voice-effect buttons: "None" is tested against its Down record while no effect is chosen,
  // the four effects against their Up record while selected and their Down record otherwise.
  else if (name == L"VMEffectNoneImage")
    key = w.features_->EncVoice().VoiceEffectMode() == 0 ? L"VMEffectNoneDownImage" : L"VMEffectNoneUpImage";
  else if (name.starts_with(L"VMEffect") && name.ends_with(L"Image") && name.size() == 14)
  {
    const bool selected = w.features_->EncVoice().VoiceEffectMode() == name[8] - L'0';
    const ImageAtt& record =
        state_->skin.Record(std::wstring(name.substr(0, 9)) + (selected ? L"UpImage" : L"DownImage"));
    return RecordShows(record.Name, record.Page, page);
  }
  else if (name == L"ENCFunctionImage")
    key = w.features_->EncVoice().EncEnable() ? L"ENCFunctionDownImage" : L"ENCFunctionUpImage";
  else if (name == L"VMFunctionImage")
    key = w.features_->EncVoice().VoiceEffectEnable() ? L"VMFunctionDownImage" : L"VMFunctionUpImage";
  // The LED page's check images and sliders show the record of their state.
  else if (const std::wstring_view led = w.features_->Led().PictureKeyOf(name); !led.empty())
    key = led;
  if (!key.empty()) {
    const ImageAtt& record = state_->skin.Record(key);
    return RecordShows(record.Name, record.Page, page);
  }
  const std::optional<ImageAtt> record = SkinRecordForImage(image, state_->skin, CurrentSkinState());
  if (!record) return std::nullopt;
  return RecordShows(record->Name, record->Page, page);
}

std::optional<bool> MainFormAppearance::LabelShownOn(const forms::Label& label, int page) {
  const std::wstring_view name = label.Name();
  std::wstring_view key;
  if (name == L"DeviceActiveLabel") {
    key = window_.DeviceActive() ? L"LabelActive" : L"LabelUnactive";
  } else {
    for (const LanguageKey& entry : LanguageKeys())
      if (entry.control == name && entry.role != LabelRole::MenuCaption && entry.role != LabelRole::AboutDialog &&
          entry.role != LabelRole::MessageText) {
        key = entry.key;
        break;
      }
  }
  if (key.empty()) return std::nullopt;
  const LabelAtt* record = state_->language.Record(key);
  if (!record) return false;
  // The LED page name shows only when its record belongs to every page.
  return RecordShows(record->Text, record->Page, name == L"PageLEDLabel" ? -1 : page);
}

bool MainFormAppearance::IsLedPageControl(const forms::Control& control) {
  return control.Name().starts_with(L"Color");
}

SliderRange MainFormAppearance::EqSlider() { return state_->skin.layout.eqSlider; }
SliderRange MainFormAppearance::MicSlider() { return state_->skin.layout.micSlider; }
int MainFormAppearance::MeterLength() { return state_->skin.layout.micProgressLength; }
SliderRange MainFormAppearance::EncSlider() { return state_->skin.layout.encSlider; }
SpeakerCircle MainFormAppearance::VirtualCenter() { return state_->skin.layout.virtualCenter; }
// The skin sets it and a profile may override it; the LED page keeps the current value.
int MainFormAppearance::LedPageMode() {
  return window_.features_ ? window_.features_->Led().PageMode() : state_->skin.layout.ledPageMode;
}

}  // namespace vorma::shell
