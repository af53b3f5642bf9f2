#pragma once
// The wizard: a small window with three pages (language, progress, finish). Showing it prepares
// the machine (device-ID groups, per-user folder, feature defaults); Next starts the installation
// on a worker thread, which reports back only through the two private messages and message boxes
// owned by this window; Finish restarts Windows or starts the installed panel.

#include "forms/Application.h"
#include "forms/Form.h"
#include "foundation/UniqueHandles.h"
#include "setup/BackgroundForm.h"
#include "setup/InstallContext.h"
#include "setup/SetupPorts.h"
#include "setup/SetupSettings.h"
#include "setup/SetupTexts.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace vorma::setup {

inline constexpr UINT WM_INSTALL_PROGRESS = WM_USER + 32;  // wParam: the bar position
inline constexpr UINT WM_INSTALL_DONE = WM_USER + 33;      // wParam: 1 when a restart is advised

enum WizardPage { kLanguagePage = 0, kInstallPage = 1, kFinishPage = 2 };

struct MainFormPorts {
  SetupActions& actions;
  HMODULE resources;        // the module whose resources are installed
  InstallTimings timings;
  PackageRunner* packageRunner = nullptr;
  InstallNames names;
};

class TMainForm {
public:
  TMainForm(forms::Application& application, TBackgroundForm& background, SetupSettings settings,
            MainFormPorts ports);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  bool Create();
  // Prepares the machine and shows the language page. False when setup must end (WM_QUIT posted).
  bool FormShow(int screenWidth, int screenHeight);

  void NextBitBtnClick();
  void BackBitBtnClick();
  void FinishBitBtnClick();
  void CancelBitBtnClick();
  void ComboBoxChange();

  forms::Form& Form() { return form_; }
  const SetupSettings& Settings() const { return settings_; }
  int PageIndex() const { return notebook_->PageIndex(); }
  const std::vector<std::wstring>& LanguageFolders() const { return languageFolders_; }
  const std::wstring& LanguageFile() const { return languageFile_; }
  bool InstallRunning() const;
  forms::Button& NextButton() { return *next_; }
  forms::Button& BackButton() { return *back_; }
  forms::Button& FinishButton() { return *finish_; }
  forms::Button& CancelButton() { return *cancel_; }
  forms::ComboBox& LanguageBox() { return *comboBox_; }
  forms::ProgressBar& Progress() { return *progress_; }
  forms::RadioButton& RebootRadio() { return *reboot_; }
  forms::RadioButton& NoRebootRadio() { return *noReboot_; }

private:
  void BuildControls();
  void PreparePerUserFolder();
  void FillLanguageList(const std::wstring& defaultLanguage);
  std::wstring LanguageFileOf(const std::wstring& language);
  void LoadTexts(const std::wstring& language);
  void ApplyTexts();
  void StartInstall();
  void OnInstallDone(bool rebootNeeded);
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  forms::Application& application_;
  TBackgroundForm& background_;
  SetupSettings settings_;
  MainFormPorts ports_;
  SetupTexts texts_;
  forms::Form form_;
  forms::Notebook* notebook_ = nullptr;
  forms::Label* selectLang_ = nullptr;
  forms::Label* version_ = nullptr;
  forms::Label* zurudOvo_ = nullptr;
  forms::ComboBox* comboBox_ = nullptr;
  forms::Label* install_ = nullptr;
  forms::ProgressBar* progress_ = nullptr;
  forms::Label* rebootLabel_ = nullptr;
  forms::RadioButton* reboot_ = nullptr;
  forms::RadioButton* noReboot_ = nullptr;
  forms::Button* back_ = nullptr;
  forms::Button* next_ = nullptr;
  forms::Button* finish_ = nullptr;
  forms::Button* cancel_ = nullptr;
  std::vector<std::wstring> languageFolders_;  // the folder of each entry of the language list
  std::wstring languageFile_;
  bool antivirusTipShown_ = false;
  bool rebootNeeded_ = false;
  UniqueHandle installThread_;
  std::shared_ptr<std::atomic<bool>> cancelRequested_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace vorma::setup
