// How long the install sequence takes without its fixed pauses (100 ms before the steps, 1 s
// before the update package, 500 ms before the finish page, the closing beep):
//   setup_install_bench.exe [RUNS]
// Each run installs a fresh delivery folder with the real panel program and this program's other
// payloads (the service's registration run is a probe that ends at once) into Wine's Program
// Files, registry and Start menu, then prints min/median/max milliseconds.

#include "setup/InstallSequence.h"
#include "setup/SetupSettings.h"
#include "setup/tests/SetupDelivery.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace vorma::setup;

class CountingReporter final : public InstallReporter {
public:
  void Progress(int position) override { last = position; }
  void Message(const std::wstring& text) override { messages.push_back(text); }
  int last = 0;
  std::vector<std::wstring> messages;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_DELAY_MS", nullptr);
  std::vector<double> millis;
  for (int run = 0; run < runs; ++run) {
    test::Delivery delivery;
    SetupSettings settings = ReadSetupSettings(delivery.SetupPath(), ReadSystemFacts());
    ReadInstallFlags(settings, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    CountingReporter reporter;
    InstallContext context;
    context.settings = settings;
    context.resources = GetModuleHandleW(nullptr);
    context.reporter = &reporter;
    context.timings.fixedWaits = false;
    context.names = InstallNames{L"VormaSetupBench", L"VORMA_SETUP_BENCH_EXIT"};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Install(context);
    QueryPerformanceCounter(&end);
    if (!reporter.messages.empty()) {
      fwprintf(stderr, L"run %d failed: %ls\n", run + 1, reporter.messages.front().c_str());
      return 1;
    }
    millis.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    fwprintf(stdout, L"run %d: %.1f ms (progress ended at %d)\n", run + 1, millis.back(), reporter.last);
    DeleteFileW((settings.config.SystemDirectoryPath + L"VormaSetupBench.exe").c_str());
  }
  std::sort(millis.begin(), millis.end());
  fwprintf(stdout, L"install without fixed waits: min %.1f ms, median %.1f ms, max %.1f ms over %d runs\n",
           millis.front(), millis[millis.size() / 2], millis.back(), runs);
  fwprintf(stdout, L"the fixed waits add 1700 ms (100 + 1000 + 500 + beep 100)\n");
  return 0;
}
