// What the real Vormapanel.exe costs while nobody uses it: the panel runs with the shipped content
// on a virtual device served here, without a debugger, and for 30 s (or the seconds given) each
// with its window shown and with it hidden in the tray, the program prints the panel's CPU time
// as a share of one core and how often its threads woke up.
//
// The figures come from the Linux side of the panel's process (/proc/<pid>/stat and the
// context switches of /proc/<pid>/task/*/status), reached through Wine's Z: drive: a wake-up of
// a Windows thread (a timer message, an event) is a context switch of its Unix thread. Work that
// wineserver does for the panel (it keeps the timers) is printed separately for the whole prefix.
//
// Usage: panel_idle_bench [SECONDS]

#include "outside/virtual72xx/VirtualHost.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/TestWindows.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vorma;

std::string ReadLinuxFile(const std::string& path) {
  std::ifstream in("Z:" + path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> LinuxFolderNames(const std::string& path) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(("Z:" + path + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = data.cFileName;
    if (name != "." && name != ".." && std::all_of(name.begin(), name.end(), ::isdigit)) names.push_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

// The Unix process whose command line holds `fragment` (Wine shows the Windows command line there).
std::optional<std::string> UnixProcessWith(const std::string& fragment) {
  for (const std::string& pid : LinuxFolderNames("\\proc")) {
    std::string commandLine = ReadLinuxFile("\\proc\\" + pid + "\\cmdline");
    std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
    if (commandLine.find(fragment) != std::string::npos) return pid;
  }
  return std::nullopt;
}

struct Usage {
  double cpuSeconds = 0;    // user + system time of the process
  long long wakeUps = 0;    // context switches of all its threads
};

Usage UsageOf(const std::string& pid) {
  Usage usage;
  // Fields 14 and 15 of stat, after the command name in parentheses: user and system ticks.
  const std::string stat = ReadLinuxFile("\\proc\\" + pid + "\\stat");
  const size_t close = stat.rfind(')');
  if (close != std::string::npos) {
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
      if (i == 14) user = std::stoll(field);
      if (i == 15) system = std::stoll(field);
    }
    usage.cpuSeconds = static_cast<double>(user + system) / 100.0;  // USER_HZ
  }
  for (const std::string& tid : LinuxFolderNames("\\proc\\" + pid + "\\task")) {
    std::istringstream status(ReadLinuxFile("\\proc\\" + pid + "\\task\\" + tid + "\\status"));
    std::string line;
    while (std::getline(status, line))
      if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:"))
        usage.wakeUps += std::stoll(line.substr(line.find(':') + 1));
  }
  return usage;
}

// The wineserver of this program's prefix: the one whose environment names the same WINEPREFIX.
std::optional<std::string> OurWineserver() {
  char prefix[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH)) return std::nullopt;
  const std::string wanted = std::string("WINEPREFIX=") + prefix;
  for (const std::string& pid : LinuxFolderNames("\\proc")) {
    const std::string name = ReadLinuxFile("\\proc\\" + pid + "\\comm");
    if (!name.starts_with("wineserver")) continue;
    std::string environment = ReadLinuxFile("\\proc\\" + pid + "\\environ");
    std::replace(environment.begin(), environment.end(), '\0', '\n');
    if (("\n" + environment).find("\n" + wanted + "\n") != std::string::npos) return pid;
  }
  return std::nullopt;
}

double Seconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Lets the time pass, answering this thread's messages, without waking up for anything else: the
// wineserver figure then holds little of this program's own.
void PumpFor(double seconds) {
  const double end = Seconds() + seconds;
  for (double now = Seconds(); now < end; now = Seconds()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((end - now) * 1000) + 1, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void Measure(const char* name, const std::string& panel, const std::optional<std::string>& server, double seconds) {
  const Usage panelBefore = UsageOf(panel);
  const Usage serverBefore = server ? UsageOf(*server) : Usage{};
  const double start = Seconds();
  PumpFor(seconds);
  const double elapsed = Seconds() - start;
  const Usage panelAfter = UsageOf(panel);
  const Usage serverAfter = server ? UsageOf(*server) : Usage{};
  std::printf("%-6s %5.1f s: panel CPU %6.3f %% of a core, %6.1f wake-ups/s", name, elapsed,
              100.0 * (panelAfter.cpuSeconds - panelBefore.cpuSeconds) / elapsed,
              static_cast<double>(panelAfter.wakeUps - panelBefore.wakeUps) / elapsed);
  if (server)
    std::printf("; wineserver (whole prefix) %6.3f %%", 100.0 * (serverAfter.cpuSeconds - serverBefore.cpuSeconds) / elapsed);
  std::printf("\n");
}

HWND PaintedMainWindowOf(DWORD processId) {
  for (HWND window : test::PanelMainWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT pending{};
    if (owner == processId && IsWindowVisible(window) && !GetUpdateRect(window, &pending, FALSE)) return window;
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const double seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 30;
  virtual72xx::VirtualHost host;
  virtual72xx::DeviceNumber plugged = 0;
  if (host.Start() != 0 || host.Client().Plug({}, plugged) != 0) {
    std::fprintf(stderr, "the virtual device could not be served and plugged\n");
    return 2;
  }
  test::ScopedEnvironmentVariable deviceSelection(L"VORMA_DEVICE", L"virtual");
  test::UserAppData appData(L"Vorma", "English", "Graphite");
  test::ScopedEnvironmentVariable appDataVariable(L"APPDATA", appData.Path());
  test::PanelFolder folder(VORMA_PANEL_EXE);
  folder.AddSdk(VORMA_SDK_DLL);
  folder.AddProductContent(VORMA_PRODUCT_DIR);

  std::wstring commandLine = L"\"" + folder.Exe() + L"\" -servicestart";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "the panel did not start\n");
    return 2;
  }
  HWND window = nullptr;
  test::PumpMessagesUntil([&] { return (window = PaintedMainWindowOf(process.dwProcessId)) != nullptr; }, 60000);
  // The folder's name is unique to this run, so it finds the panel's Unix process.
  const std::wstring& path = folder.Path();
  const std::wstring unique = path.substr(path.find_last_of(L'\\', path.size() - 2) + 1, std::wstring::npos);
  const std::optional<std::string> panel = UnixProcessWith(std::string(unique.begin(), unique.end() - 1));
  int result = 0;
  if (!window || !panel) {
    std::fprintf(stderr, window ? "the panel's Unix process was not found\n" : "the panel did not come up\n");
    result = 1;
  } else {
    const std::optional<std::string> server = OurWineserver();
    PumpFor(3);  // the start-up's last work settles
    Measure("shown", *panel, server, seconds);
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);  // into the tray, as -serviceboot does
    test::PumpMessagesUntil([&] { return !IsWindowVisible(window); }, 30000);
    PumpFor(3);
    Measure("tray", *panel, server, seconds);
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
