// How long the real Vormapanel.exe takes from process start until its main window is shown,
// painted and active on a device: it runs the panel N times (default 5) with the shipped content on
// a virtual device served here and prints min/median/max in milliseconds.
//
// Marks, in milliseconds from CreateProcess:
//   built   "===== TAudioMainForm: start-up done =====", the end of construction, after the device
//           was activated; the run counts only when the device received the start-up's 7.1 scalar,
//           which the panel sends only to an active device
//   active  "FormActivate" (the window was activated)
//   ready   the window is visible with nothing left to paint (GetUpdateRect empty) after "active"
//   plain   as "ready", but the panel runs without the debug capture, as users run it: a debugger
//           makes every debug line a round trip, which the marks above include
// Usage: panel_start_bench [N]   (VORMA_BENCH_TRACE=1 also prints every debug line with its time)

#include "outside/virtual72xx/VirtualHost.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/TestWindows.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace vorma;

struct Marks {
  double built = 0;
  double active = 0;
  double ready = 0;
  double longestStep = 0;  // the longest time between two debug strings up to "built"
  std::wstring stepEnd;    // the string that ended it
};

void FindLongestStep(const std::vector<test::PanelProcess::Entry>& strings, double until, Marks& marks) {
  double previous = 0;
  for (const auto& entry : strings) {
    if (entry.ms > until) break;
    if (entry.ms - previous > marks.longestStep) {
      marks.longestStep = entry.ms - previous;
      marks.stepEnd = entry.text.substr(0, entry.text.find_last_not_of(L"\r\n") + 1).substr(0, 60);
    }
    previous = entry.ms;
  }
}

bool DeviceWasActive(virtual72xx::VirtualHost& host, virtual72xx::DeviceNumber device) {
  std::vector<std::string> journal;
  host.Client().ReadJournal(device, journal, true);
  return std::any_of(journal.begin(), journal.end(), [](const std::string& line) {
    return line.find("sdk DLLQZ_SetVirtual7ch1_Scalar") != std::string::npos && line.find("-> 0") != std::string::npos;
  });
}

// The panel's main window of the process, once it is visible and fully painted; null otherwise.
HWND PaintedMainWindowOf(DWORD processId) {
  for (HWND window : test::PanelMainWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT pending{};
    if (owner == processId && IsWindowVisible(window) && !GetUpdateRect(window, &pending, FALSE)) return window;
  }
  return nullptr;
}

// Milliseconds from CreateProcess to the painted main window, with no debugger attached.
std::optional<double> RunPlain(const test::PanelFolder& folder) {
  std::wstring commandLine = L"\"" + folder.Exe() + L"\" -servicestart";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return std::nullopt;
  std::optional<double> ready;
  HWND window = nullptr;
  test::PumpMessagesUntil(
      [&] {
        window = PaintedMainWindowOf(process.dwProcessId);
        if (!window) return false;
        QueryPerformanceCounter(&now);
        ready = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        return true;
      },
      60000);
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ready;
}

std::optional<Marks> RunOnce(const test::PanelFolder& folder) {
  test::PanelProcess panel(folder.Exe());
  HWND window = test::WaitForMainWindow(panel, 60000);
  std::optional<Marks> marks;
  if (window) {
    // A window that still has an update region has not been painted yet.
    double ready = 0;
    const bool painted = test::PumpMessagesUntil(
        [&] {
          RECT pending{};
          if (!IsWindowVisible(window) || GetUpdateRect(window, &pending, FALSE)) return false;
          ready = panel.MillisecondsSinceStart();
          return true;
        },
        10000);
    const auto built = panel.FirstTimeOf(L"TAudioMainForm: start-up done");
    const auto active = panel.FirstTimeOf(L"FormActivate");
    // VORMA_BENCH_TRACE=1 prints every debug line with its time, to find the slow steps.
    if (GetEnvironmentVariableW(L"VORMA_BENCH_TRACE", nullptr, 0) != 0)
      for (const auto& entry : panel.Strings()) std::printf("%9.1f %ls\n", entry.ms, entry.text.c_str());
    if (painted && built && active) {
      marks = Marks{*built, *active, ready, 0, {}};
      FindLongestStep(panel.Strings(), *built, *marks);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  panel.WaitFinished(30000);
  panel.Join();
  return marks;
}

void PrintRow(const char* name, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  std::printf("%-8s min %8.1f  median %8.1f  max %8.1f\n", name, values.front(), median, values.back());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  virtual72xx::VirtualHost host;
  if (host.Start() != 0) {
    std::fprintf(stderr, "the virtual device could not be served\n");
    return 2;
  }
  virtual72xx::DeviceNumber plugged = 0;
  if (host.Client().Plug({}, plugged) != 0) {
    std::fprintf(stderr, "the virtual device could not be plugged\n");
    return 2;
  }
  test::ScopedEnvironmentVariable deviceSelection(L"VORMA_DEVICE", L"virtual");
  test::UserAppData appData(L"Vorma", "English", "Graphite");
  test::ScopedEnvironmentVariable appDataVariable(L"APPDATA", appData.Path());
  test::PanelFolder folder(VORMA_PANEL_EXE);
  folder.AddSdk(VORMA_SDK_DLL);
  folder.AddProductContent(VORMA_PRODUCT_DIR);

  std::vector<double> built, active, ready;
  for (int i = 0; i < runs; ++i) {
    const auto marks = RunOnce(folder);
    if (!DeviceWasActive(host, plugged)) {
      std::fprintf(stderr, "run %d: the device was not active\n", i + 1);
      return 1;
    }
    if (!marks) {
      std::fprintf(stderr, "run %d: the panel did not come up painted and active\n", i + 1);
      return 1;
    }
    std::printf("run %d: built %.1f  active %.1f  ready %.1f ms; longest step %.1f ms, up to \"%ls\"\n", i + 1,
                marks->built, marks->active, marks->ready, marks->longestStep, marks->stepEnd.c_str());
    built.push_back(marks->built);
    active.push_back(marks->active);
    ready.push_back(marks->ready);
  }
  std::vector<double> plain;
  for (int i = 0; i < runs; ++i) {
    const auto time = RunPlain(folder);
    if (!time || !DeviceWasActive(host, plugged)) {
      std::fprintf(stderr, "plain run %d: the panel did not come up painted and active\n", i + 1);
      return 1;
    }
    std::printf("plain run %d: ready %.1f ms\n", i + 1, *time);
    plain.push_back(*time);
  }
  std::printf("%d runs, milliseconds from process start:\n", runs);
  PrintRow("built", built);
  PrintRow("active", active);
  PrintRow("ready", ready);
  PrintRow("plain", plain);
  return 0;
}
