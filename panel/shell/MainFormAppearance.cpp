#include "panel/shell/MainFormAppearance.h"

#include "foundation/DebugOutput.h"
#include "forms/PopupMenu.h"
#include "panel/features/MainWindowTags.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/ResolutionFolder.h"
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

MainFormAppearance::MainFormAppearance(AppearanceWindow& window) : window_(window), state_(std::make_unique<State>()) {}

MainFormAppearance::~MainFormAppearance() = default;

void MainFormAppearance::ReadUserLanguageAndSkin() {
  const UserLanguageAndSkin choice = shell::ReadUserLanguageAndSkin(window_.ConfigInfo().InstallFolderName);
  language_ = choice.language;
  skin_ = choice.skin;
}

void MainFormAppearance::ChooseResolutionFolder(int screenWidth, int screenHeight) {
  const AudioConfigInfo& info = window_.ConfigInfo();
  resolutionFolder_ = UsableResolutionFolder(ResolutionFolderForScreen(screenWidth, screenHeight),
                                             window_.ProgramFolder(), info.SkinFolderName, skin_,
                                             info.LanguageFolderName, language_);
  DebugPrint(L"TAudioMainForm: resolution folder \"%ls\"\n", resolutionFolder_.c_str());
}

void MainFormAppearance::BuildLanguageMenu() {
  forms::MenuItem* menu = window_.Popup().FindItem(L"LanguageMenu");
  if (!menu) return;
  LanguageMenuSource source;
  source.programPath = window_.ProgramFolder();
  source.languageFolderName = window_.ConfigInfo().LanguageFolderName;
  source.resolutionFolder = resolutionFolder_;
  source.configPath = window_.ConfigPath();
  source.currentLanguage = language_;
  languageCount_ = shell::BuildLanguageMenu(*menu, source, [this](forms::MenuItem& item) { LanguageMenuClick(item); },
                                            state_->languageFolders);
}

void MainFormAppearance::BuildSkinMenu() {
  forms::MenuItem* menu = window_.Popup().FindItem(L"SkinMenu");
  if (!menu) return;
  const std::wstring folder = SkinListFolder(window_.ProgramFolder(), window_.ConfigInfo().SkinFolderName, resolutionFolder_);
  skinCount_ = shell::BuildSkinMenu(*menu, folder, skin_, [this](forms::MenuItem& item) { SkinMenuClick(item); });
}

void MainFormAppearance::LoadLanguage() {
  const std::wstring dir =
      LanguageDirectory(window_.ProgramFolder(), window_.ConfigInfo().LanguageFolderName, resolutionFolder_, language_);
  const LanguageLoadResult result = LoadLanguageSetting(dir, window_.OldVersion(), state_->language);
  if (!result.Succeeded()) throw ConversionError(result.message);
}

void MainFormAppearance::ApplyLanguageToControls() {
  LanguageViewState view;
  static_cast<WindowButtonStates&>(view) = window_.ButtonStates();
  view.deviceActive = window_.DeviceActive();
  shell::ApplyLanguageToControls(window_.DressedForm(), window_.Popup(), state_->language, view, FontScale());
}

void MainFormAppearance::LoadSkin() {
  state_->skinFolder = MakeSkinFolder(window_.ProgramFolder(), window_.ConfigInfo().SkinFolderName, resolutionFolder_, skin_);
  // The LED page takes its mode, its speed direction and its colour defaults while the skin is read.
  led::CLedPage& page = window_.Features()->Led();
  SkinLoadHooks hooks;
  hooks.resetLedColorTable = [this, &page] {
    page.TakeSkinValues(state_->skin.layout.ledPageMode, state_->skin.layout.ledFastRightSide);
  };
  hooks.applyShapeDefaultColor = [&page](std::wstring_view key) { page.ApplyShapeDefaultColour(key); };
  const SkinLoadResult result =
      LoadSkinSetting(state_->skin, state_->skinFolder.dir, window_.OldVersion(), hooks);
  if (!result.ok) {
    DebugPrint(L"***** SkinSetting.ini [%ls] %ls: %ls *****\n", result.section.c_str(), result.key.c_str(),
               result.error.c_str());
    window_.ShowError(result.error);
  }
}

void MainFormAppearance::ApplySkinToControls() {
  shell::ApplySkinToControls(window_.DressedForm(), state_->skin, state_->skinFolder, window_.SkinState());
}

void MainFormAppearance::CutWindowRegion() {
  const SkinFolder folder =
      MakeSkinFolder(window_.ProgramFolder(), window_.ConfigInfo().SkinFolderName, resolutionFolder_, skin_);
  SetWindowRegionFromFile(window_.DressedForm(), folder.dir + L"MainForm_Frame.rgn");
}

void MainFormAppearance::SkinMenuClick(forms::MenuItem& item) {
  forms::MenuItem* menu = window_.Popup().FindItem(L"SkinMenu");
  if (!menu) return;
  skin_ = SelectSkinMenuItem(*menu, skinCount_, item);
  LoadSkin();
  ApplySkinToControls();
  ApplyLanguageToControls();
  window_.SkinChanged();
  WriteUserChoice();
}

void MainFormAppearance::LanguageMenuClick(forms::MenuItem& item) {
  forms::MenuItem* menu = window_.Popup().FindItem(L"LanguageMenu");
  if (!menu) return;
  const std::wstring language = shell::LanguageMenuClick(item, *menu, languageCount_, state_->languageFolders);
  if (language.empty()) return;
  language_ = language;
  try {
    LoadLanguage();
  } catch (const ConversionError& error) {
    window_.ShowError(error.Text());
  }
  ApplyLanguageToControls();
  window_.LanguageChanged();
  WriteUserChoice();
}

void MainFormAppearance::WriteUserChoice() {
  UserLanguageAndSkin choice;
  choice.language = language_;
  choice.skin = skin_;
  WriteUserLanguageAndSkin(window_.ConfigInfo().InstallFolderName, choice);
}

double MainFormAppearance::FontScale() const { return FontScaleFactor(ScreenPixelsPerInch(), window_.OsClass()); }

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
  const std::wstring_view name = image.Name();
  if (PageLeavesImageAlone(name)) return std::nullopt;
  const bool active = window_.DeviceActive();
  MainFormFeatures& features = *window_.Features();
  std::wstring_view key;
  const WindowTag* row = WindowTagOfImage(name);
  // The device indicators show the device: device-in is down while one is active, device-out
  // while none is.
  if (row && (row->tag == kTagDeviceIn || row->tag == kTagDeviceOut))
    key = (row->tag == kTagDeviceIn) == active ? row->downKey : row->upKey;
  // The voice-effect buttons: "None" is tested against its Down record while no effect is chosen,
  // the four effects against their Up record while selected and their Down record otherwise.
  else if (name == L"VMEffectNoneImage")
    key = features.EncVoice().VoiceEffectMode() == 0 ? L"VMEffectNoneDownImage" : L"VMEffectNoneUpImage";
  else if (name.starts_with(L"VMEffect") && name.ends_with(L"Image") && name.size() == 14)
  {
    const bool selected = features.EncVoice().VoiceEffectMode() == name[8] - L'0';
    const ImageAtt& record =
        state_->skin.Record(std::wstring(name.substr(0, 9)) + (selected ? L"UpImage" : L"DownImage"));
    return RecordShows(record.Name, record.Page, page);
  }
  else if (name == L"ENCFunctionImage")
    key = features.EncVoice().EncEnable() ? L"ENCFunctionDownImage" : L"ENCFunctionUpImage";
  else if (name == L"VMFunctionImage")
    key = features.EncVoice().VoiceEffectEnable() ? L"VMFunctionDownImage" : L"VMFunctionUpImage";
  // The LED page's check images and sliders show the record of their state.
  else if (const std::wstring_view led = features.Led().PictureKeyOf(name); !led.empty())
    key = led;
  if (!key.empty()) {
    const ImageAtt& record = state_->skin.Record(key);
    return RecordShows(record.Name, record.Page, page);
  }
  const std::optional<ImageAtt> record = SkinRecordForImage(image, state_->skin, window_.SkinState());
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
  MainFormFeatures* features = window_.Features();
  return features ? features->Led().PageMode() : state_->skin.layout.ledPageMode;
}

}  // namespace vorma::shell
