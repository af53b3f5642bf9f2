#include "setup/tests/RemoteWizard.h"

#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/TestWindows.h"

#include <commctrl.h>

namespace vorma::setup::test {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM out) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

std::wstring CommandLineOf(const std::wstring& program, const std::wstring& arguments) {
  return L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
}

ChildProgram::ChildProgram(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  CloseHandle(process.hThread);
  process_.reset(process.hProcess);
  id_ = process.dwProcessId;
}

ChildProgram::~ChildProgram() {
  if (Running()) {
    TerminateProcess(process_.get(), 0xdead);
    WaitForSingleObject(process_.get(), 10000);
  }
}

bool ChildProgram::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool ChildProgram::WaitForExit(DWORD timeoutMs) const {
  return process_ && vorma::test::PumpMessagesUntil([&] { return !Running(); }, timeoutMs);
}

DWORD ChildProgram::ExitCode() const {
  DWORD code = 0xdeadbeef;
  if (!process_ || Running() || !GetExitCodeProcess(process_.get(), &code)) return 0xdeadbeef;
  return code;
}

std::vector<HWND> ChildProgram::Windows(const wchar_t* className) const {
  std::vector<HWND> windows;
  for (HWND window : vorma::test::ForeignWindows(className)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == id_ && IsWindowVisible(window)) windows.push_back(window);
  }
  return windows;
}

std::vector<ShownBox> ChildProgram::Boxes() const {
  std::vector<ShownBox> boxes;
  for (HWND window : Windows(L"#32770")) {
    ShownBox box{window, vorma::test::WindowCaption(window), vorma::test::BoxText(window)};
    // A box shows its text once it is made; an empty one is still being built.
    if (!box.text.empty()) boxes.push_back(box);
  }
  return boxes;
}

ShownBox ChildProgram::WaitForBox(DWORD timeoutMs) const {
  ShownBox found;
  vorma::test::PumpMessagesUntil(
      [&] {
        const auto boxes = Boxes();
        if (!boxes.empty()) found = boxes.front();
        return found.window != nullptr || !Running();
      },
      timeoutMs);
  return found;
}

bool ChildProgram::Answer(const ShownBox& box, int button, DWORD timeoutMs) {
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  return vorma::test::PumpMessagesUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); },
                                        timeoutMs);
}

bool RemoteWizard::WaitForWindow(DWORD timeoutMs) {
  vorma::test::PumpMessagesUntil(
      [&] {
        for (HWND form : setup_.Windows(L"VormaForm")) {
          for (HWND child : ChildrenOf(form))
            if (ClassOf(child) == L"ComboBox") window_ = form;
        }
        return window_ != nullptr || !setup_.Running();
      },
      timeoutMs);
  return window_ != nullptr;
}

std::wstring RemoteWizard::Caption() const { return vorma::test::WindowCaption(window_); }

HWND RemoteWizard::Child(const wchar_t* className) const {
  for (HWND child : ChildrenOf(window_))
    if (ClassOf(child) == className) return child;
  return nullptr;
}

std::vector<std::wstring> RemoteWizard::Languages() const {
  std::vector<std::wstring> names;
  const HWND list = Child(L"ComboBox");
  const LRESULT count = list ? SendMessageW(list, CB_GETCOUNT, 0, 0) : 0;
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t name[128] = {};
    if (SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 128)
      SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    names.push_back(name);
  }
  return names;
}

std::wstring RemoteWizard::SelectedLanguage() const {
  const HWND list = Child(L"ComboBox");
  const LRESULT selected = list ? SendMessageW(list, CB_GETCURSEL, 0, 0) : CB_ERR;
  const auto names = Languages();
  return selected >= 0 && static_cast<size_t>(selected) < names.size() ? names[static_cast<size_t>(selected)]
                                                                       : L"<none selected>";
}

bool RemoteWizard::SelectLanguage(const std::wstring& displayName) {
  const HWND list = Child(L"ComboBox");
  const auto names = Languages();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] != displayName) continue;
    // What the list does for a user's pick: the selection, then the notice to its parent. Sent, so
    // that the wizard has handled it on return (a pick shows no message box).
    SendMessageW(list, CB_SETCURSEL, i, 0);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(list), SMTO_NORMAL, 10000, &result) != 0;
  }
  return false;
}

HWND RemoteWizard::Button(const std::wstring& caption) const {
  for (HWND child : ChildrenOf(window_))
    if (ClassOf(child) == L"Button" && IsWindowVisible(child) && vorma::test::WindowCaption(child) == caption)
      return child;
  return nullptr;
}

bool RemoteWizard::ButtonEnabled(const std::wstring& caption) const {
  const HWND button = Button(caption);
  return button && IsWindowEnabled(button);
}

bool RemoteWizard::Click(const std::wstring& caption) {
  const HWND button = Button(caption);
  if (!button || !IsWindowEnabled(button)) return false;
  // Posted: the click may open a message box, which a sent message would wait for.
  PostMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return true;
}

int RemoteWizard::ProgressPosition() const {
  const HWND bar = Child(PROGRESS_CLASSW);
  return bar ? static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)) : -1;
}

bool RemoteWizard::WaitForButton(const std::wstring& caption, DWORD timeoutMs, std::vector<ShownBox>& boxes) {
  return vorma::test::PumpMessagesUntil(
      [&] {
        for (const ShownBox& box : setup_.Boxes()) {
          boxes.push_back(box);
          ChildProgram::Answer(box, IDOK, 10000);
        }
        return ButtonEnabled(caption) || !setup_.Running();
      },
      timeoutMs) &&
         ButtonEnabled(caption) && WaitUntilHandled(timeoutMs);  // the rest of the page change too
}

bool RemoteWizard::WaitUntilHandled(DWORD timeoutMs) const { return vorma::test::WaitUntilHandled(window_, timeoutMs); }

}  // namespace vorma::setup::test
