#include "setup/MainForm.h"

#include "foundation/DebugOutput.h"
#include "foundation/FileVersion.h"
#include "foundation/ProfileStrings.h"
#include "panel/shell/language/LabelAttr.h"
#include "setup/FeatureDefaults.h"
#include "setup/InstallSequence.h"
#include "setup/SetupFiles.h"

#include "foundation/DeviceIdManager.h"

#include <memory>

namespace vorma::setup {
namespace {

constexpr int kClientWidth = 430;
constexpr int kClientHeight = 153;

forms::FormArgs WizardArgs() {
  forms::FormArgs args;
  args.name = L"MainForm";
  args.clientWidth = kClientWidth;
  args.clientHeight = kClientHeight;
  args.minimizeBox = false;
  args.color = GetSysColor(COLOR_BTNFACE);
  return args;
}

template <typename Args>
Args At(const wchar_t* name, int left, int top, int width, int height) {
  Args args;
  args.name = name;
  args.left = left;
  args.top = top;
  args.width = width;
  args.height = height;
  return args;
}

// Text, visibility and place of a record on a windowed control (colours and fonts are the
// system's there).
template <typename Control>
void ApplyRecord(const shell::LabelAtt& record, Control& control) {
  const bool shown = !record.Text.empty() && record.Text != L"(null)";
  control.SetVisible(shown);
  if (shown) control.SetCaption(record.Text);
  control.SetBounds(record.HasLeft ? record.Left : control.Left(), record.HasTop ? record.Top : control.Top(),
                    record.HasWidth ? record.Width : control.Width(), record.HasHeight ? record.Height : control.Height());
}

// The install thread's reports: positions are posted, messages are boxes owned by the wizard.
class WizardReporter final : public InstallReporter {
public:
  WizardReporter(HWND window, forms::DialogPort& dialogs) : window_(window), dialogs_(dialogs) {}
  void Progress(int position) override { PostMessageW(window_, WM_INSTALL_PROGRESS, static_cast<WPARAM>(position), 0); }
  void Message(const std::wstring& text) override { dialogs_.Show(window_, text, L"Install", MB_OK); }

private:
  HWND window_;
  forms::DialogPort& dialogs_;
};

struct InstallThreadData {
  InstallContext context;
  std::unique_ptr<WizardReporter> reporter;
  HWND window;
  SetupActions* actions;
};

DWORD WINAPI InstallThread(void* parameter) {
  std::unique_ptr<InstallThreadData> data(static_cast<InstallThreadData*>(parameter));
  Install(data->context);
  // Cancelled: the setup ends here, between two steps, while the wizard it reports to still exists.
  if (data->context.Cancelled()) data->actions->EndSetup();
  if (data->context.timings.fixedWaits) Sleep(500);
  PostMessageW(data->window, WM_INSTALL_DONE, data->context.rebootNeeded ? 1 : 0, 0);
  return 0;
}

}  // namespace

TMainForm::TMainForm(forms::Application& application, TBackgroundForm& background, SetupSettings settings,
                     MainFormPorts ports)
    : application_(application),
      background_(background),
      settings_(std::move(settings)),
      ports_(ports),
      form_(application, WizardArgs()) {
  DebugTraceEntry(L"TMainForm::TMainForm");
  const std::wstring iconPath = settings_.config.SourceFolderFullPath + settings_.config.InstallIconFileName;
  if (!settings_.config.InstallIconFileName.empty() && FileExists(iconPath)) {
    form_.SetIcons(UniqueIcon(static_cast<HICON>(LoadImageW(nullptr, iconPath.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE))),
                   UniqueIcon(static_cast<HICON>(LoadImageW(nullptr, iconPath.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE))));
  }
  if (!settings_.config.InstallAppTitle.empty()) application_.SetTitle(settings_.config.InstallAppTitle);
  BuildControls();
  form_.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnMessage(message, wParam, lParam, result);
  };
  form_.OnClose = [this](forms::Form&, forms::CloseAction& action) {
    // Closing the wizard closes the background window too, and with it the application.
    action = forms::CloseAction::Hide;
    background_.Form().Close();
  };
}

TMainForm::~TMainForm() {
  // Cancel on the progress page ends the process from the install thread; an install still running
  // here (a test's wizard) finds no window for its reports, which are dropped.
}

void TMainForm::BuildControls() {
  forms::NotebookArgs notebookArgs = At<forms::NotebookArgs>(L"Notebook", 0, 0, kClientWidth, 112);
  notebookArgs.pages = {L"Language", L"InstallPage", L"FinishPage"};
  notebook_ = &form_.AddNotebook(notebookArgs);

  selectLang_ = &form_.AddLabel(At<forms::LabelArgs>(L"SelectLangLabel", 16, 12, 398, 16));
  comboBox_ = &form_.AddComboBox(At<forms::ComboBoxArgs>(L"ComboBox", 16, 34, 220, 24));
  version_ = &form_.AddLabel(At<forms::LabelArgs>(L"VersionLabel", 250, 38, 164, 16));
  forms::LabelArgs zurudOvo = At<forms::LabelArgs>(L"ZurudOvoLabel", 16, 70, 398, 34);
  zurudOvo.wordWrap = true;
  zurudOvo_ = &form_.AddLabel(zurudOvo);
  for (forms::Control* control : std::initializer_list<forms::Control*>{selectLang_, comboBox_, version_, zurudOvo_}) {
    notebook_->AddToPage(kLanguagePage, *control);
  }
  comboBox_->OnChange = [this](forms::ComboBox&) { ComboBoxChange(); };

  install_ = &form_.AddLabel(At<forms::LabelArgs>(L"InstallLabel", 16, 24, 398, 16));
  progress_ = &form_.AddProgressBar(At<forms::ProgressBarArgs>(L"ProgressBar", 16, 52, 398, 20));
  notebook_->AddToPage(kInstallPage, *install_);
  notebook_->AddToPage(kInstallPage, *progress_);

  forms::LabelArgs reboot = At<forms::LabelArgs>(L"RebootLabel", 16, 12, 398, 32);
  reboot.wordWrap = true;
  rebootLabel_ = &form_.AddLabel(reboot);
  forms::RadioButtonArgs yes = At<forms::RadioButtonArgs>(L"RebootRadioButton", 24, 52, 300, 20);
  yes.caption = L"Yes, reboot now";
  reboot_ = &form_.AddRadioButton(yes);
  forms::RadioButtonArgs no = At<forms::RadioButtonArgs>(L"NoRebootRadioButton", 24, 76, 300, 20);
  no.caption = L"No, reboot later";
  no.checked = true;
  noReboot_ = &form_.AddRadioButton(no);
  for (forms::Control* control : std::initializer_list<forms::Control*>{rebootLabel_, reboot_, noReboot_}) {
    notebook_->AddToPage(kFinishPage, *control);
  }

  forms::ButtonArgs back = At<forms::ButtonArgs>(L"BackBitBtn", 88, 120, 78, 25);
  back.visible = false;
  back.enabled = false;
  back_ = &form_.AddButton(back);
  forms::ButtonArgs next = At<forms::ButtonArgs>(L"NextBitBtn", 170, 120, 78, 25);
  next.isDefault = true;
  next_ = &form_.AddButton(next);
  forms::ButtonArgs finish = At<forms::ButtonArgs>(L"FinishBitBtn", 252, 120, 78, 25);
  finish.enabled = false;
  finish_ = &form_.AddButton(finish);
  cancel_ = &form_.AddButton(At<forms::ButtonArgs>(L"CancelBitBtn", 340, 120, 78, 25));
  back_->OnClick = [this](forms::Control&) { BackBitBtnClick(); };
  next_->OnClick = [this](forms::Control&) { NextBitBtnClick(); };
  finish_->OnClick = [this](forms::Control&) { FinishBitBtnClick(); };
  cancel_->OnClick = [this](forms::Control&) { CancelBitBtnClick(); };
}

bool TMainForm::Create() { return form_.Create(background_.Form().Hwnd()); }

bool TMainForm::InstallRunning() const {
  return installThread_ && WaitForSingleObject(installThread_.get(), 0) == WAIT_TIMEOUT;
}

bool TMainForm::FormShow(int screenWidth, int screenHeight) {
  DebugTraceEntry(L"TMainForm::FormShow");
  GetFileVersionText(settings_.setupFullPath, settings_.setupVersion);
  if (SetupPathTooLong(settings_.setupFullPath)) {
    application_.Dialogs().Show(form_.Hwnd(), L"***** Install folder path is over windows max setting! *****",
                                L"", MB_OK);
    PostQuitMessage(0);
    return false;
  }
  background_.MoveToOrigin();
  const std::wstring config = settings_.ConfigPath();
  if (WriteDeviceIdGroup(config, kUsbDeviceIdSection, kUsbDeviceIdGroup) != kDeviceIdGroupStored ||
      WriteDeviceIdGroup(config, kHidDeviceIdSection, kHidDeviceIdGroup) != kDeviceIdGroupStored) {
    DebugWrite(L"***** Write device ID group FAIL! *****\n");
    PostQuitMessage(0);
    return false;
  }
  notebook_->SetPageIndex(kLanguagePage);
  PreparePerUserFolder();
  std::wstring defaultLanguage;
  ReadProfileString(settings_.PerUserConfigPath(), L"Language", L"DefaultLanguage", defaultLanguage);
  ReadInstallFlags(settings_, screenWidth, screenHeight);
  reboot_->SetVisible(settings_.showReboot);
  noReboot_->SetVisible(settings_.showReboot);
  FillLanguageList(defaultLanguage);
  LoadTexts(defaultLanguage);
  WriteFeatureDefaults(config);
  form_.Show();
  return true;
}

void TMainForm::PreparePerUserFolder() {
  // A folder that starts with the user's AudioConfig.cfg was made by an earlier installation:
  // leave it, so the user's language and skin survive a reinstall.
  if (_wcsicmp(FirstPlainFile(settings_.perUserFolder).c_str(), kAudioConfigFileName) == 0) return;
  CreateFolderWithParents(settings_.perUserFolder);
  const std::wstring& source = settings_.config.SourceFolderFullPath;
  CopyFileNormal(source + kAudioConfigFileName, settings_.perUserFolder + kAudioConfigFileName);
  CopyFileNormal(source + L"DefaultProfile.ini", settings_.perUserFolder + L"DefaultProfile.ini");
}

void TMainForm::FillLanguageList(const std::wstring& defaultLanguage) {
  const std::wstring folder = settings_.config.SourceFolderFullPath + settings_.config.LanguageFolderName;
  std::vector<std::wstring> names;
  languageFolders_.clear();
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L"..") continue;
      languageFolders_.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  // Find order is the file system's; the list is shown in folder-name order.
  std::sort(languageFolders_.begin(), languageFolders_.end());
  int selected = -1;
  for (size_t i = 0; i < languageFolders_.size(); ++i) {
    std::wstring caption;
    ReadProfileString(settings_.ConfigPath(), L"MultiLanguageFolderMap", languageFolders_[i].c_str(), caption);
    names.push_back(caption);
    if (selected < 0 && _wcsicmp(languageFolders_[i].c_str(), defaultLanguage.c_str()) == 0) selected = static_cast<int>(i);
  }
  comboBox_->SetItems(names);
  comboBox_->SetItemIndex(selected);
}

std::wstring TMainForm::LanguageFileOf(const std::wstring& language) {
  const std::wstring base = settings_.config.SourceFolderFullPath + settings_.config.LanguageFolderName + L"\\";
  if (settings_.multiDisplay) {
    const std::wstring withResolution = base + language + L"\\" + settings_.resolutionFolder + L"Language.ini";
    if (FileExists(withResolution)) return withResolution;
    settings_.resolutionFolder.clear();
  }
  return base + language + L"\\Language.ini";
}

void TMainForm::LoadTexts(const std::wstring& language) {
  languageFile_ = LanguageFileOf(language);
  texts_.Load(languageFile_);
  ApplyTexts();
}

void TMainForm::ApplyTexts() {
  const double scale = shell::ScreenFontScale(settings_.facts.osClass >= 6 ? 6 : settings_.facts.osClass);
  const shell::GlobalFont global;
  const struct {
    const wchar_t* key;
    forms::Label* label;
  } labels[] = {{L"LabelSelectLang", selectLang_}, {L"LabelVersion", version_}, {L"LabelZurudOvo", zurudOvo_},
                {L"LabelInstall", install_},        {L"LabelReboot", rebootLabel_}};
  for (const auto& entry : labels) {
    shell::LabelAtt record = texts_.Record(entry.key);
    shell::ApplyLabelAttr(record, *entry.label, true, global, scale);
  }
  ApplyRecord(texts_.Record(L"LabelBackBtn"), *back_);
  back_->SetVisible(false);  // the wizard never goes back past a started installation
  ApplyRecord(texts_.Record(L"LabelNextBtn"), *next_);
  ApplyRecord(texts_.Record(L"LabelFinishBtn"), *finish_);
  ApplyRecord(texts_.Record(L"LabelCancelBtn"), *cancel_);
  if (settings_.showReboot) {
    ApplyRecord(texts_.Record(L"LabelRebootRadioBtn"), *reboot_);
    ApplyRecord(texts_.Record(L"LabelNoRebootRadioBtn"), *noReboot_);
  }
  form_.SetCaption(texts_.Text(L"LabelTitle") + L" (V" + settings_.setupVersion + L")");
}

void TMainForm::ComboBoxChange() {
  const int index = comboBox_->ItemIndex();
  if (index < 0 || index >= static_cast<int>(languageFolders_.size())) return;
  const std::wstring& language = languageFolders_[static_cast<size_t>(index)];
  LoadTexts(language);
  WriteProfileString(settings_.PerUserConfigPath(), L"Language", L"DefaultLanguage", language);
}

void TMainForm::NextBitBtnClick() {
  if (notebook_->PageIndex() != kLanguagePage) return;
  const std::wstring tip = texts_.Text(L"AntivirusTip");
  if (!tip.empty() && !antivirusTipShown_) {
    antivirusTipShown_ = true;
    application_.Dialogs().Show(form_.Hwnd(), tip, L"Install", MB_OK);
    return;
  }
  notebook_->SetPageIndex(kInstallPage);
  back_->SetEnabled(false);
  next_->SetEnabled(false);
  StartInstall();
}

void TMainForm::StartInstall() {
  auto data = std::make_unique<InstallThreadData>();
  data->window = form_.Hwnd();
  data->reporter = std::make_unique<WizardReporter>(form_.Hwnd(), application_.Dialogs());
  data->context.settings = settings_;
  data->context.resources = ports_.resources;
  data->context.reporter = data->reporter.get();
  data->context.packageRunner = ports_.packageRunner;
  data->context.timings = ports_.timings;
  data->context.names = ports_.names;
  data->context.cancelRequested = cancelRequested_;
  data->actions = &ports_.actions;
  data->context.warningFilterActive = texts_.Text(L"LabelWarning1");
  data->context.warningStepFailed = texts_.Text(L"LabelWarning2");
  installThread_.reset(CreateThread(nullptr, 0, InstallThread, data.get(), 0, nullptr));
  if (!installThread_) {
    DebugWin32Failure(L"CreateThread install", GetLastError());
    OnInstallDone(false);
    return;
  }
  data.release();  // the thread owns it now
}

void TMainForm::BackBitBtnClick() {
  if (notebook_->PageIndex() == kInstallPage) {
    notebook_->SetPageIndex(kLanguagePage);
    back_->SetEnabled(false);
    next_->SetEnabled(true);
  } else if (notebook_->PageIndex() == kFinishPage) {
    notebook_->SetPageIndex(kInstallPage);
    back_->SetEnabled(false);
    next_->SetEnabled(true);
  }
}

void TMainForm::OnInstallDone(bool rebootNeeded) {
  rebootNeeded_ = rebootNeeded;
  notebook_->SetPageIndex(kFinishPage);
  if (rebootNeeded_) reboot_->SetChecked(true);
  // Without the choice on screen nobody picked a restart, whatever the installation advised.
  if (!settings_.showReboot) {
    reboot_->SetChecked(false);
    noReboot_->SetChecked(true);
  }
  back_->SetEnabled(false);
  next_->SetEnabled(false);
  cancel_->SetEnabled(false);
  finish_->SetEnabled(true);
  next_->SetVisible(false);
  cancel_->SetVisible(false);
  if (form_.Hwnd()) EnableMenuItem(GetSystemMenu(form_.Hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
}

void TMainForm::FinishBitBtnClick() {
  if (reboot_->Checked()) {
    ports_.actions.Reboot();
  } else {
    ports_.actions.StartProgram(settings_.PanelPath());
  }
  PostMessageW(form_.Hwnd(), WM_CLOSE, 0, 0);
}

void TMainForm::CancelBitBtnClick() {
  // During the install the setup ends with the install where it stands: the install thread stops
  // before its next step and ends the process. Closing the windows instead would let the install
  // run on and be cut off at an arbitrary point (a half-written program, a registration run
  // orphaned), while it may still report to the wizard being destroyed.
  if (InstallRunning()) {
    DebugWrite(L"===== Setup cancelled during the install =====\n");
    cancelRequested_->store(true);
    cancel_->SetEnabled(false);
    return;
  }
  form_.Close();
}

bool TMainForm::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_INSTALL_PROGRESS) {
    progress_->SetPosition(static_cast<int>(wParam));
    result = 0;
    return true;
  }
  if (message == WM_INSTALL_DONE) {
    OnInstallDone(wParam != 0);
    result = 0;
    return true;
  }
  return false;
}

}  // namespace vorma::setup
