// How long the real Vormapanel.exe keeps its window waiting while the sound functions run: the
// panel runs with the shipped content (the microphone monitor set to the capture loopback) on a
// virtual device served here, without a debugger. For a few seconds each, first on the EQ page with
// nothing running (the baseline), then on the Mic page, whose level meter records throughout, with
// nothing more, with the loopback switched on by the Monitor button, with the test tone ticked on
// the 7.1 page, and with both, this program sends the window WM_NULL every few milliseconds and
// prints the longest, the 99th percentile and the median time until the window's thread answered,
// and how many answers took longer than the 50 ms goal. A message waits at most as long as the
// thread is busy with another, so the longest answer bounds the longest gap between two messages
// the thread takes. The longest call into the Wine server a thread of this program saw meanwhile
// tells a stall of the server or the machine from work of the panel.
// Needs the sound server the test command runs (scripts/pulse-session.sh).
//
// Usage: panel_audio_bench [SECONDS]    (default 5 a phase)

#include "foundation/UniqueHandles.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/shell/language/LanguageSetting.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace vorma;

constexpr DWORD kStepTimeoutMs = 15000;
constexpr double kGoalMs = 50.0;

std::wstring ProductFolder() { return test::HostPathToWindows(VORMA_PRODUCT_DIR); }

// The shipped AudioConfig.cfg with the Monitor button running the capture loopback.
std::string LoopbackConfig() {
  std::ifstream in(std::filesystem::path(VORMA_PRODUCT_DIR) / "AudioConfig.cfg", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  const std::wstring from = L"[Mic]\r\nMonitor=1";
  const size_t at = text.find(from);
  if (at != std::wstring::npos) text.replace(at, from.size(), L"[Mic]\r\nMonitor=2");
  std::string out("\xFF\xFE", 2);
  out.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return out;
}

POINT SkinCentre(std::wstring_view key) {
  shell::SkinSetting skin;
  shell::LoadSkinSetting(skin, ProductFolder() + L"\\Skins\\Graphite\\", 0);
  const shell::ImageAtt& record = skin.Record(key);
  return POINT{record.Left + record.Width / 2, record.Top + record.Height / 2};
}

POINT LabelCentre(std::wstring_view key) {
  shell::LabelAtt record;
  shell::ReadLabelRecord(ProductFolder() + L"\\Languages\\English\\Language.ini", L"Main", key, 0, record);
  return POINT{record.Left + record.Width / 2, record.Top + record.Height / 2};
}

// A click as a user makes it; returns once the window has handled it.
bool Click(HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  return test::WaitUntilHandled(window, kStepTimeoutMs);
}

double Milliseconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Measures, on a thread of its own, the longest time a trivial call into the Wine server takes
// while a phase runs. Under Wine every window message passes through that server, so a long
// answer of the window that comes with a long call here is a stall of the server or of the
// machine, not work of the panel.
class ServerStallProbe {
public:
  ServerStallProbe() : event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)), thread_([this] { Run(); }) {}
  ~ServerStallProbe() {
    stop_ = true;
    thread_.join();
  }
  double Longest() const { return longest_.load(); }

private:
  void Run() {
    while (!stop_) {
      const double before = Milliseconds();
      SetEvent(event_.get());
      const double took = Milliseconds() - before;
      if (took > longest_.load()) longest_ = took;
      Sleep(1);
    }
  }

  UniqueHandle event_;
  std::atomic<bool> stop_{false};
  std::atomic<double> longest_{0.0};
  std::thread thread_;
};

void Measure(const char* phase, HWND window, DWORD seconds) {
  std::vector<double> answers;
  const ServerStallProbe probe;
  const double end = Milliseconds() + 1000.0 * seconds;
  while (Milliseconds() < end) {
    const double sent = Milliseconds();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) {
      std::printf("%-24s the window did not answer within 5 s\n", phase);
      return;
    }
    answers.push_back(Milliseconds() - sent);
    Sleep(5);
  }
  std::sort(answers.begin(), answers.end());
  const auto over = static_cast<size_t>(answers.end() - std::lower_bound(answers.begin(), answers.end(), kGoalMs));
  std::printf("%-24s longest answer %6.1f ms   99th percentile %5.1f ms   median %5.2f ms   %5zu messages, %zu over %.0f ms"
              "   (longest server call meanwhile %5.1f ms)\n",
              phase, answers.back(), answers[answers.size() * 99 / 100], answers[answers.size() / 2], answers.size(),
              over, kGoalMs, probe.Longest());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::max(1, _wtoi(argv[1]))) : 5;
  if (waveInGetNumDevs() == 0 || waveOutGetNumDevs() == 0) {
    std::fprintf(stderr, "no sound devices: run inside scripts/pulse-session.sh\n");
    return 1;
  }
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
  folder.WriteBytes(L"AudioConfig.cfg", LoopbackConfig());

  std::wstring commandLine = L"\"" + folder.Exe() + L"\" -servicestart";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "the panel did not start\n");
    return 2;
  }
  HWND window = nullptr;
  test::PumpMessagesUntil(
      [&] {
        for (HWND candidate : test::PanelMainWindows())
          if (IsWindowVisible(candidate)) window = candidate;
        return window != nullptr;
      },
      60000);
  int result = 0;
  if (!window) {
    std::fprintf(stderr, "the panel did not come up\n");
    result = 1;
  } else {
    Sleep(2000);  // the start-up's last work settles
    // The baseline: the same window with no sound function running.
    Measure("EQ page, nothing runs", window, seconds);
    Click(window, LabelCentre(L"LabelPageMic"));
    Sleep(1000);  // the meter capture's first start is not measured
    Measure("Mic page, meter", window, seconds);
    const POINT monitor = SkinCentre(L"MicMonitorImageUp");
    Click(window, monitor);
    Measure("capture loopback", window, seconds);
    Click(window, monitor);
    Click(window, LabelCentre(L"LabelPageVirtual7ch1"));
    HWND bee = FindWindowExW(window, nullptr, L"Button", L"Bee");
    DWORD_PTR answer = 0;
    if (!bee || !SendMessageTimeoutW(bee, BM_CLICK, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer)) {
      std::fprintf(stderr, "the test-tone box was not there\n");
      result = 1;
    } else {
      Measure("test tone", window, seconds);
      // The Monitor button lives on the Mic page; the tone goes on playing while that page shows.
      Click(window, LabelCentre(L"LabelPageMic"));
      Click(window, monitor);
      Measure("test tone and loopback", window, seconds);
      Click(window, monitor);
      Click(window, LabelCentre(L"LabelPageVirtual7ch1"));
      SendMessageTimeoutW(bee, BM_CLICK, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer);
    }
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
