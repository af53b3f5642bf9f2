// Prints how long the window's thread goes without processing a message while the capture
// loopback and the test tone run: the window's BeeTimer (10 ms) steps the orbit and sends each
// step to a virtual device, BeePlayTimer (100 ms) loops "bee.wav", the level meter's capture
// buffers arrive as MM_WIM_DATA, and the loopback records and replays on its own thread. A window
// that stays responsive never goes much longer than its 10 ms timer between two messages.
// Needs the sound server the test command runs (scripts/pulse-session.sh).
//
//   ToneLoopbackBench [SECONDS]    (default 5 per phase)

#include "forms/Application.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/device/DevicePorts.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/audio/AudioEndpoints.h"
#include "panel/device/virtual/PortSelection.h"
#include "panel/features/microphone/MicrophonePage.h"
#include "panel/features/testtone/TestTonePage.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vorma;

constexpr UINT_PTR kBeeTimer = 1;
constexpr UINT_PTR kBeePlayTimer = 2;
// A 10 ms timer of the window's own keeps messages coming in every phase, so a gap much longer
// than 10 ms means the thread was busy, not idle.
constexpr UINT_PTR kProbeTimer = 3;

class NoMessageBoxes final : public MessageBoxPort {
public:
  int Show(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
};

struct Hosts final : features::Virtual7ch1Host, features::TestToneHost, features::MicrophoneHost {
  bool TestToneTicked() override { return ticked; }
  int GpioOnOff() override { return 1; }
  bool GpioScanMode() override { return false; }
  void SetAnimationTimerEnabled(bool) override {}
  void SwitchThreeDOff() override {}
  bool BoxTicked() override { return ticked; }
  void SetTestToneTimersEnabled(bool enabled) override {
    if (enabled) {
      SetTimer(window, kBeeTimer, 10, nullptr);
      SetTimer(window, kBeePlayTimer, 100, nullptr);
    } else {
      KillTimer(window, kBeeTimer);
      KillTimer(window, kBeePlayTimer);
    }
  }
  void SetEndpointReady(bool) override {}
  HWND MeterWindow() override { return window; }
  int MeterLength() override { return 203; }

  bool ticked = false;
  HWND window = nullptr;
};

features::CTestTonePage* g_tone = nullptr;
features::CMicrophonePage* g_mic = nullptr;

LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kBeeTimer && g_tone) g_tone->BeeTimerTimer();
  else if (message == WM_TIMER && wParam == kBeePlayTimer && g_tone) g_tone->BeePlayTimerTimer();
  else if (message == MM_WIM_DATA && g_mic) g_mic->OnMeterData(wParam, lParam);
  else if (message == WM_TIMER && wParam == kProbeTimer) return 0;
  else return DefWindowProcW(window, message, wParam, lParam);
  return 0;
}

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

struct Gaps {
  double longest = 0;
  double median = 0;
  size_t messages = 0;
  double longestHandling = 0;  // the longest time one message took to handle
  UINT slowestMessage = 0;
};

// Runs the window's message loop for the time and measures the gaps between two messages taken.
Gaps RunLoop(DWORD milliseconds) {
  std::vector<double> gaps;
  Gaps result;
  LARGE_INTEGER last, now, handled;
  QueryPerformanceCounter(&last);
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  while (GetTickCount64() < end) {
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_TIMEOUT) continue;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      QueryPerformanceCounter(&now);
      gaps.push_back(Milliseconds(now.QuadPart - last.QuadPart));
      last = now;
      TranslateMessage(&message);
      DispatchMessageW(&message);
      QueryPerformanceCounter(&handled);
      const double handling = Milliseconds(handled.QuadPart - now.QuadPart);
      if (handling > result.longestHandling) {
        result.longestHandling = handling;
        result.slowestMessage = message.message == WM_TIMER ? 0x10000 + static_cast<UINT>(message.wParam) : message.message;
      }
    }
  }
  result.messages = gaps.size();
  if (gaps.empty()) return result;
  std::sort(gaps.begin(), gaps.end());
  result.longest = gaps.back();
  result.median = gaps[gaps.size() / 2];
  return result;
}

void Print(const char* phase, const Gaps& gaps) {
  std::printf("%-24s longest gap %6.1f ms   median %5.1f ms   %5zu messages   longest handling %5.1f ms (0x%X)\n",
              phase, gaps.longest, gaps.median, gaps.messages, gaps.longestHandling, gaps.slowestMessage);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)) : 5;
  if (waveInGetNumDevs() == 0 || waveOutGetNumDevs() == 0) {
    std::printf("no sound devices: run inside scripts/pulse-session.sh\n");
    return 1;
  }
  virtual72xx::VirtualHost bus;
  if (bus.Start() != virtual72xx::kOk) return 1;
  auto client = bus.Client();
  virtual72xx::DeviceNumber device = 0;
  client.Plug({"72xx", 0x7201}, device);
  SetEnvironmentVariableW(kDeviceSelectionVariable, kVirtualDeviceSelection);
  NoMessageBoxes boxes;
  if (LoadSdkLibrary(kSdkLibraryFileName, boxes) != 0 || Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201) != 0) {
    std::printf("the SDK stand-in did not load\n");
    return 1;
  }

  forms::Application application(GetModuleHandleW(nullptr));
  application.Initialize();
  test::FormMainWindowControls controls(application);
  test::TestFeatureContext context(controls);  // the pages reach the device through the SDK and the audio port
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = BenchWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VormaToneLoopbackBench";
  RegisterClassW(&windowClass);
  Hosts hosts;
  hosts.window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);

  std::unique_ptr<AudioEndpointPort> audio = CreateAudioEndpointPort();
  features::MicrophoneSettings micSettings;
  micSettings.monitorMode = 2;
  features::CMicrophonePage mic(context, hosts, *audio, micSettings);
  features::CVirtual7ch1Page virtual7ch1(context, hosts, {});
  virtual7ch1.ComputeInitialLayout();
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder(program);
  folder.resize(folder.find_last_of(L'\\') + 1);
  features::CTestTonePage tone(context, virtual7ch1, hosts, folder);
  g_tone = &tone;
  g_mic = &mic;

  const DWORD phase = seconds * 1000;
  SetTimer(hosts.window, kProbeTimer, 10, nullptr);
  mic.OpenMeterCapture(hosts.window);  // the Mic page is shown: the meter runs throughout
  RunLoop(1000);                       // the sound devices' first start is not measured
  Print("meter only", RunLoop(phase));
  mic.SetMicMonitor(true);
  Print("capture loopback", RunLoop(phase));
  mic.SetMicMonitor(false);
  hosts.ticked = true;
  tone.BeeCheckBoxClick();
  std::printf("test tone file %s\n", tone.Player().IsOpen() ? "playing" : "missing (orbit only)");
  Print("test tone", RunLoop(phase));
  mic.SetMicMonitor(true);
  Print("test tone and loopback", RunLoop(phase));
  mic.SetMicMonitor(false);
  hosts.ticked = false;
  tone.BeeCheckBoxClick();
  mic.ShutDown();
  KillTimer(hosts.window, kProbeTimer);
  g_tone = nullptr;
  g_mic = nullptr;
  DestroyWindow(hosts.window);
  return 0;
}
