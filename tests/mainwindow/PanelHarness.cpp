#include "tests/mainwindow/PanelHarness.h"

#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <algorithm>
#include <stdexcept>

namespace vorma::test {
namespace {

struct WindowMatch {
  const wchar_t* className;
  const wchar_t* caption;
  std::vector<HWND> found;
};

// Copies a folder's files and sub-folders into `to`, which is created.
void CopyFolder(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW entry{};
  HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot list a product folder");
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyFolder(from + L"\\" + name, to + L"\\" + name);
    else if (!CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE))
      throw std::runtime_error("cannot copy a product file");
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

void CopyOrThrow(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy a program file");
}

}  // namespace

std::vector<HWND> ForeignWindows(const wchar_t* className, const wchar_t* caption) {
  WindowMatch match{className, caption, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& m = *reinterpret_cast<WindowMatch*>(parameter);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[64] = {};
        wchar_t text[128] = {};
        GetClassNameW(window, name, 64);
        GetWindowTextW(window, text, 128);
        if (process != GetCurrentProcessId() && wcscmp(name, m.className) == 0 &&
            (!m.caption || wcscmp(text, m.caption) == 0))
          m.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&match));
  return match.found;
}

std::wstring BoxText(HWND box) {
  std::wstring longest;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM parameter) -> BOOL {
        auto& best = *reinterpret_cast<std::wstring*>(parameter);
        wchar_t name[32] = {};
        wchar_t text[512] = {};
        GetClassNameW(child, name, 32);
        GetWindowTextW(child, text, 512);
        if (_wcsicmp(name, L"Static") == 0 && wcslen(text) > best.size()) best = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&longest));
  return longest;
}

std::wstring WindowCaption(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::vector<HWND> PanelMainWindows() { return ForeignWindows(L"VormaForm", L"Vormapanel"); }

PanelFolder::PanelFolder(const char* panelExeHostPath) { CopyOrThrow(HostPathToWindows(panelExeHostPath), Exe()); }

void PanelFolder::AddSdk(const char* sdkHostPath) const {
  CopyOrThrow(HostPathToWindows(sdkHostPath), folder_.File(L"DLLQZ_UsbAudio72xx_x32.dll"));
}

void PanelFolder::AddProductContent(const char* productHostPath) const {
  const std::wstring product = HostPathToWindows(productHostPath);
  for (const wchar_t* file : {L"AudioConfig.cfg", L"DefaultProfile.ini", L"bee.wav", L"Vorma.ico", L"Uninstall.ico"})
    CopyOrThrow(product + L"\\" + file, folder_.File(file));
  for (const wchar_t* sub : {L"Skins", L"Languages"}) CopyFolder(product + L"\\" + sub, folder_.File(sub));
}

PanelProcess::PanelProcess(const std::wstring& exe, DWORD runTimeoutMs) {
  QueryPerformanceFrequency(&frequency_);
  QueryPerformanceCounter(&started_);
  runner_ = std::thread([this, exe, runTimeoutMs] {
    result_ = RunCapturingDebugOutput(
        BuildCommandLine({exe, L"-servicestart"}),
        [this](std::wstring_view text) {
          const double ms = MillisecondsSinceStart();
          std::lock_guard lock(mutex_);
          strings_.push_back({ms, std::wstring(text)});
        },
        exitCode_, runTimeoutMs);
    finished_ = true;
  });
}

void PanelProcess::Join() {
  if (runner_.joinable()) runner_.join();
}

bool PanelProcess::WaitFinished(DWORD timeoutMs) {
  return PumpMessagesUntil([&] { return finished_.load(); }, timeoutMs);
}

bool PanelProcess::Wrote(std::wstring_view text) const {
  std::lock_guard lock(mutex_);
  return std::any_of(strings_.begin(), strings_.end(), [&](const Entry& e) { return e.text == text; });
}

size_t PanelProcess::IndexOf(std::wstring_view text) const {
  std::lock_guard lock(mutex_);
  const auto found = std::find_if(strings_.begin(), strings_.end(), [&](const Entry& e) { return e.text == text; });
  return static_cast<size_t>(found - strings_.begin());
}

size_t PanelProcess::CountContaining(std::wstring_view fragment) const {
  std::lock_guard lock(mutex_);
  return static_cast<size_t>(std::count_if(strings_.begin(), strings_.end(), [&](const Entry& e) {
    return e.text.find(fragment) != std::wstring::npos;
  }));
}

std::optional<double> PanelProcess::FirstTimeOf(std::wstring_view fragment) const {
  std::lock_guard lock(mutex_);
  for (const Entry& e : strings_)
    if (e.text.find(fragment) != std::wstring::npos) return e.ms;
  return std::nullopt;
}

bool PanelProcess::WaitCount(std::wstring_view fragment, size_t count, DWORD timeoutMs) {
  return PumpMessagesUntil([&] { return CountContaining(fragment) >= count || finished_.load(); }, timeoutMs) &&
         CountContaining(fragment) >= count;
}

double PanelProcess::MillisecondsSinceStart() const {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - started_.QuadPart) * 1000.0 / static_cast<double>(frequency_.QuadPart);
}

std::vector<PanelProcess::Entry> PanelProcess::Strings() const {
  std::lock_guard lock(mutex_);
  return strings_;
}

bool WaitUntilHandled(HWND window, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

HWND WaitForMainWindow(PanelProcess& panel, DWORD timeoutMs) {
  HWND window = nullptr;
  PumpMessagesUntil(
      [&] {
        const auto windows = PanelMainWindows();
        window = windows.empty() ? nullptr : windows.front();
        return (window && panel.Wrote(L"FormActivate")) || panel.Finished();
      },
      timeoutMs);
  return panel.Wrote(L"FormActivate") ? window : nullptr;
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
  wchar_t old[1024] = {};
  const DWORD length = GetEnvironmentVariableW(name, old, 1024);
  if (length > 0 && length < 1024) previous_ = std::wstring(old, length);
  SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

UserAppData::UserAppData(std::wstring_view installFolderName, std::string_view language, std::string_view skin) {
  CreateDirectoryW(folder_.File(installFolderName).c_str(), nullptr);
  const std::string text = "[Language]\r\nDefaultLanguage=" + std::string(language) + "\r\n[Skin]\r\nDefaultSkin=" +
                           std::string(skin) + "\r\n";
  folder_.WriteBytes(std::wstring(installFolderName) + L"\\AudioConfig.cfg", text);
}

std::wstring UserAppData::Path() const { return folder_.Path().substr(0, folder_.Path().size() - 1); }

}  // namespace vorma::test
