// The panel in the notification area: the tray icon with its hint and popup menu (languages,
// skins, companion programs, Close), the icons, the companion programs and the registered
// messages the panel, setup and the companion programs coordinate with.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace vorma::shell {
namespace {

constexpr size_t kTrayHintLimit = 31;
constexpr size_t kPluginNameLimit = 31;

// Sends the registered message to every top-level window, waiting at most `timeoutMs` for each.
void Broadcast(const wchar_t* message, UINT timeoutMs) {
  const UINT number = RegisterWindowMessageW(message);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, number, 0, 0, SMTO_NORMAL, timeoutMs, &result);
}

UniqueIcon LoadIconFile(const std::wstring& path) {
  UniqueIcon icon{static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE))};
  if (!icon) DebugWin32Failure((L"loading the icon " + path).c_str(), GetLastError());
  return icon;
}

// The direct sub-folders of a folder, in name order.
std::vector<std::wstring> SubFolders(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(),
            [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
  return names;
}

// A menu caption back to its text: each "&" goes, the character after it stays.
std::wstring WithoutAccelerators(const std::wstring& caption) {
  std::wstring text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (++i < caption.size()) text += caption[i];
    } else {
      text += caption[i];
    }
  }
  return text;
}

}  // namespace

void TAudioMainForm::LoadAppIcons() {
  const std::wstring iconPath = m_strProgramPath + m_Settings.InstallIconFileName;
  if (UniqueIcon icon = LoadIconFile(iconPath)) App().SetIcon(std::move(icon));
  trayIconImage_ = LoadIconFile(iconPath);
  std::wstring hint;
  ReadProfileString(m_strConfigPath, L"TrayIconHint", L"HintName", hint);
  if (hint.size() > kTrayHintLimit) hint.resize(kTrayHintLimit);
  trayIcon_ = std::make_unique<forms::TrayIcon>(App());
  trayIcon_->SetIcon(trayIconImage_.get());
  trayIcon_->SetHint(hint);
  trayIcon_->SetMenu(&popupMenu_);
  trayIcon_->OnDblClick = [this](forms::TrayIcon&) {
    App().Restore();
    CTrayIconRestore();
  };
  if (!trayIcon_->SetVisible(true)) DebugWrite(L"***** TAudioMainForm: the tray icon could not be added *****\n");
}

int TAudioMainForm::BuildPluginMenu() {
  forms::MenuItem* menu = popupMenu_.FindItem(L"ModeMenu");
  if (!menu) return 0;
  int count = 0;
  for (std::wstring name : SubFolders(m_strProgramPath + m_Settings.PluginFolderName + L"\\")) {
    if (name.size() > kPluginNameLimit) name.resize(kPluginNameLimit);
    std::wstring enabled;
    ReadProfileString(m_strConfigPath, L"Application", name.c_str(), enabled);
    if (LenientInteger(enabled) == 0) continue;
    forms::MenuItemArgs item;
    item.name = L"Plugin" + std::to_wstring(count);
    item.caption = name;
    item.radioItem = true;
    item.autoCheck = true;
    item.onClick = [this](forms::MenuItem& clicked) { PluginMenuClick(clicked); };
    menu->AddItem(item);
    ++count;
  }
  return count;
}

void TAudioMainForm::PluginMenuClick(forms::MenuItem& item) {
  // Any companion program still running ends first; ours answer these broadcasts.
  Broadcast(L"WM_AUDIO_EFFECT_EXIT", 100);
  DebugWrite(L"WM_APP_EXIT_RESUME");
  Broadcast(L"WM_APP_EXIT_RESUME", 1000);
  Sleep(300);
  for (int i = 0; i < 2; ++i) {
    DebugWrite(L"WM_APP_EXIT_EFFECT");
    Broadcast(L"WM_AUDIO_EFFECT_EXIT", 1000);
    Sleep(300);
  }
  item.SetChecked(true);
  const std::wstring name = WithoutAccelerators(item.Caption());
  const std::wstring program = m_strProgramPath + m_Settings.PluginFolderName + L"\\" + name + L"\\" + name + L".exe";
  DebugWrite(program);
  ShellExecuteW(nullptr, nullptr, program.c_str(), program.c_str(), nullptr, SW_HIDE);
  Hide();
}

void TAudioMainForm::UncheckPlugins() {
  forms::MenuItem* menu = popupMenu_.FindItem(L"ModeMenu");
  if (!menu) return;
  const auto& items = menu->Items();
  for (int i = 0; i < m_nPluginCount && i < static_cast<int>(items.size()); ++i) items[i]->SetChecked(false);
}

bool TAudioMainForm::PluginRunning() {
  forms::MenuItem* menu = popupMenu_.FindItem(L"ModeMenu");
  if (!menu) return false;
  const auto& items = menu->Items();
  for (int i = 0; i < m_nPluginCount && i < static_cast<int>(items.size()); ++i)
    if (items[i]->Checked()) return true;
  return false;
}

// While a companion program runs the panel stays in the tray.
void TAudioMainForm::CTrayIconRestore() {
  if (PluginRunning()) App().Minimize();
  else Show();
}

void TAudioMainForm::CloseMenuClick() {
  Broadcast(L"WM_AUDIO_EFFECT_EXIT", 100);
  Close();
}

}  // namespace vorma::shell
