#pragma once
// The real Vormapanel.exe run from a folder of its own under the debug capture, and the windows it
// shows, seen from the test process.

#include "tests/support/TestFiles.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vorma::test {

// Top-level windows of other processes with the class (and caption, when given).
std::vector<HWND> ForeignWindows(const wchar_t* className, const wchar_t* caption = nullptr);

// The text of a message box: its longest static control (the icon's static has none).
std::wstring BoxText(HWND box);
std::wstring WindowCaption(HWND window);

// The panel's main windows (class "VormaForm", caption "Vormapanel").
std::vector<HWND> PanelMainWindows();

// A temporary panel folder holding a copy of the program, and on request the SDK stand-in, the
// shipped content or a file of the test's own.
class PanelFolder {
public:
  explicit PanelFolder(const char* panelExeHostPath);
  void AddSdk(const char* sdkHostPath) const;
  // Copies AudioConfig.cfg, DefaultProfile.ini, bee.wav, the two icons, Skins and Languages from the
  // product folder.
  void AddProductContent(const char* productHostPath) const;
  void WriteBytes(std::wstring_view name, std::string_view bytes) const { folder_.WriteBytes(name, bytes); }
  std::wstring Exe() const { return folder_.File(L"Vormapanel.exe"); }
  const std::wstring& Path() const { return folder_.Path(); }

private:
  TempFolder folder_;
};

// One panel process under the debug capture, on its own thread. Every debug string is kept with
// the milliseconds since the process was started.
class PanelProcess {
public:
  struct Entry {
    double ms;  // since the process was started
    std::wstring text;
  };

  explicit PanelProcess(const std::wstring& exe, DWORD runTimeoutMs = 60000);
  ~PanelProcess() { Join(); }
  PanelProcess(const PanelProcess&) = delete;
  PanelProcess& operator=(const PanelProcess&) = delete;

  void Join();
  bool WaitFinished(DWORD timeoutMs);
  bool Finished() const { return finished_; }

  bool Wrote(std::wstring_view text) const;
  size_t IndexOf(std::wstring_view text) const;  // the count of strings when there is none
  // Strings that contain the fragment.
  size_t CountContaining(std::wstring_view fragment) const;
  // Milliseconds from the start to the first string that contains the fragment.
  std::optional<double> FirstTimeOf(std::wstring_view fragment) const;
  // Pumps this thread's messages until the panel has written `count` strings with the fragment.
  bool WaitCount(std::wstring_view fragment, size_t count, DWORD timeoutMs);
  double MillisecondsSinceStart() const;
  std::vector<Entry> Strings() const;

  unsigned Result() const { return result_; }
  DWORD ExitCode() const { return exitCode_; }

private:
  std::thread runner_;
  mutable std::mutex mutex_;
  std::vector<Entry> strings_;
  std::atomic<bool> finished_ = false;
  unsigned result_ = 0xdeadbeef;
  DWORD exitCode_ = 0xdeadbeef;
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER started_{};
};

// Waits for the panel's main window and its first activation; null when it never came (or the
// process ended first).
HWND WaitForMainWindow(PanelProcess& panel, DWORD timeoutMs = 30000);

// Returns once the window's thread has finished handling the message it took last: a message sent
// from another thread is taken only when that thread asks for its next message. False when the
// thread did not ask within the time.
bool WaitUntilHandled(HWND window, DWORD timeoutMs);

// Sets an environment variable of this process (inherited by the programs it starts) and restores
// the earlier value on destruction.
class ScopedEnvironmentVariable {
public:
  ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// A per-user folder for APPDATA with <InstallFolderName>\AudioConfig.cfg choosing the language and
// the skin, as the user's last choice would have left it.
class UserAppData {
public:
  UserAppData(std::wstring_view installFolderName, std::string_view language, std::string_view skin);
  std::wstring Path() const;  // without the trailing backslash, as APPDATA holds it

private:
  TempFolder folder_;
};

}  // namespace vorma::test
