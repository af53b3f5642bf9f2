#pragma once
// A program of the product run as a child process (the real setup, the uninstaller) and its windows
// driven from the test as a user's clicks arrive: posted button and list notifications, message
// boxes answered. A process still running when its owner goes is ended, so a failing test leaves
// no setup behind.

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vorma::setup::test {

// A message box of another process: its caption and its text.
struct ShownBox {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
};

// A program path in double quotes, then the arguments: a command line.
std::wstring CommandLineOf(const std::wstring& program, const std::wstring& arguments = {});

class ChildProgram {
public:
  // Starts the command line; Started() tells whether it runs.
  explicit ChildProgram(std::wstring commandLine);
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  DWORD Id() const { return id_; }
  bool Running() const;
  // Pumps this thread's messages (the programs broadcast) until the process ended.
  bool WaitForExit(DWORD timeoutMs) const;
  DWORD ExitCode() const;  // 0xdeadbeef while it runs or when it never started

  // Visible top-level windows of the process with the class.
  std::vector<HWND> Windows(const wchar_t* className) const;
  // The message boxes the process shows now.
  std::vector<ShownBox> Boxes() const;
  // Waits for a message box; an empty result when none came.
  ShownBox WaitForBox(DWORD timeoutMs) const;
  // Presses a button of a message box (IDOK, IDYES, ...) and waits until the box has gone.
  static bool Answer(const ShownBox& box, int button, DWORD timeoutMs);

private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// The setup program's wizard window, found among the windows of the setup process.
class RemoteWizard {
public:
  explicit RemoteWizard(const ChildProgram& setup) : setup_(setup) {}

  // Waits for the visible wizard (the window with the language list).
  bool WaitForWindow(DWORD timeoutMs);
  HWND Window() const { return window_; }
  std::wstring Caption() const;

  std::vector<std::wstring> Languages() const;
  std::wstring SelectedLanguage() const;
  // Picks a language by its display name as the user does in the list.
  bool SelectLanguage(const std::wstring& displayName);

  // A visible button of the wizard with the caption; null when there is none.
  HWND Button(const std::wstring& caption) const;
  // Clicks the visible, enabled button with the caption; false when there is none.
  bool Click(const std::wstring& caption);
  bool ButtonEnabled(const std::wstring& caption) const;
  int ProgressPosition() const;  // -1 without the progress bar

  // Waits until the button with the caption is visible and enabled. Message boxes the setup shows
  // meanwhile are answered with OK and collected.
  bool WaitForButton(const std::wstring& caption, DWORD timeoutMs, std::vector<ShownBox>& boxes);

  // Returns once the wizard's thread has handled what was posted to it.
  bool WaitUntilHandled(DWORD timeoutMs) const;

private:
  HWND Child(const wchar_t* className) const;

  const ChildProgram& setup_;
  HWND window_ = nullptr;
};

}  // namespace vorma::setup::test
