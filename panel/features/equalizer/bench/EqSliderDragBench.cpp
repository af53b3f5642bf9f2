// Prints the panel's time for one EQ slider drag move on the virtual device: the slider moves, the
// band code goes to the device (on/off switch and band registers over a HID transaction), the
// preset is stored and shown again. The device is served in this process over its pipe, as the
// panel reaches it with VORMA_DEVICE=virtual.
//
//   EqSliderDragBench [MOVES]      (default 500)

#include "forms/Application.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"
#include "panel/device/virtual/PortSelection.h"
#include "panel/features/equalizer/EqualizerPage.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kVendorId = 0x1E4B;
constexpr std::uint16_t kProductId = 0x7201;

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// The user-mode and kernel time of this thread, in milliseconds.
double ThreadCpuMilliseconds() {
  FILETIME creation, exit, kernel, user;
  GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user);
  const auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

struct Figures {
  std::vector<double> wall;  // sorted
  double cpuMean = 0;
};

Figures Measure(int count, const std::function<void(int)>& step) {
  Figures figures;
  figures.wall.reserve(static_cast<size_t>(count));
  const double cpuStart = ThreadCpuMilliseconds();
  for (int i = 0; i < count; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    step(i);
    QueryPerformanceCounter(&end);
    figures.wall.push_back(Milliseconds(end.QuadPart - start.QuadPart));
  }
  figures.cpuMean = (ThreadCpuMilliseconds() - cpuStart) / count;
  std::sort(figures.wall.begin(), figures.wall.end());
  return figures;
}

void Print(const wchar_t* what, const Figures& f) {
  double total = 0;
  for (double t : f.wall) total += t;
  const size_t n = f.wall.size();
  std::wprintf(L"%-26ls wall mean %8.3f ms, median %8.3f, 95%% %8.3f, max %8.3f; thread CPU %7.3f ms\n", what,
               total / static_cast<double>(n), f.wall[n / 2], f.wall[n * 95 / 100], f.wall.back(), f.cpuMean);
}

// One pixel per move down the track and back up, as a drag would.
int SweepTop(const vorma::SliderRange& track, int i) {
  const int step = i % (2 * track.range);
  return track.top + (step < track.range ? step : 2 * track.range - step);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace vorma;
  const int moves = argc > 1 ? std::max(1, _wtoi(argv[1])) : 500;

  virtual72xx::VirtualHost host;
  if (host.Start() != virtual72xx::kOk) {
    std::fwprintf(stderr, L"the virtual device could not be served\n");
    return 1;
  }
  virtual72xx::Virtual72xxClient client = host.Client();
  virtual72xx::DeviceNumber device = 0;
  client.Plug({"72xx", kProductId}, device);
  SetEnvironmentVariableW(kDeviceSelectionVariable, kVirtualDeviceSelection);
  DevicePorts ports = CreateDevicePorts();
  if (LoadSdkLibrary(kSdkLibraryFileName) != 0) return 1;
  Sdk().DLLQZ_SetActive_Device(kVendorId, kProductId);

  forms::Application application(GetModuleHandleW(nullptr));
  if (!application.Initialize()) {
    std::fwprintf(stderr, L"the form framework did not start (no display?)\n");
    return 1;
  }
  test::FormMainWindowControls window(application);
  test::TestFeatureContext context(window, &ports);  // without ports the HID interface is gone
  context.vendorId = kVendorId;
  context.productId = kProductId;
  features::DeviceConfigImage image;
  features::CEqualizerPage equalizer(context, image, features::EqualizerSettings{}, features::EqualizerLinks{});
  equalizer.InitEqDefaults();
  equalizer.SetEqEnable(1);

  const SliderRange track = window.EqSliderRange();
  client.ClearJournal(device);
  const Figures drag = Measure(moves, [&](int i) { equalizer.MoveEqSlider(kTagEqSliderFirst, SweepTop(track, i)); });
  Print(L"drag move", drag);
  std::vector<std::string> journal;
  client.ReadJournal(device, journal, true);
  std::wprintf(L"%-26ls %.1f per move (SDK calls, HID opens, report-size queries, reports, closes)\n",
               L"  device transactions", static_cast<double>(journal.size()) / moves);

  // Where the time goes: the parts of one move on their own.
  Print(L"  HID open", Measure(moves, [&](int) { OpenHidDevice(*ports.hid, kVendorId, kProductId); }));
  {
    auto hid = OpenHidDevice(*ports.hid, kVendorId, kProductId);
    if (hid) Print(L"  register write", Measure(moves, [&](int) { WriteDeviceRegister(*hid, 0x120, 0); }));
  }
  Print(L"  SDK call", Measure(moves, [&](int) { Sdk().DLLQZ_ConfigEQ_ById(0); }));
  context.deviceSync = false;
  context.ports = nullptr;  // moves stay in memory
  Print(L"  screen and preset only",
        Measure(moves, [&](int i) { equalizer.MoveEqSlider(kTagEqSliderFirst, SweepTop(track, i)); }));
  client.ClearJournal(device);
  SetEnvironmentVariableW(kDeviceSelectionVariable, nullptr);
  return 0;
}
