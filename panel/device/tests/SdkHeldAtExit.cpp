// Loads the SDK library beside this program and returns from wmain while a thread of its own is
// still calling into the library, as a panel that ends with a worker running does. Exit code 0 when
// the process ended cleanly, 2 when the library did not load, 3 when a thread crashed (a library
// released during the exit would pull its code out from under the thread).

#include "foundation/MessageBoxPort.h"
#include "panel/device/SdkLibrary.h"

#include <windows.h>

#include <atomic>
#include <thread>

namespace {

class NoBoxes final : public vorma::MessageBoxPort {
public:
  int Show(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
};

// Outlives wmain: the thread keeps writing it while the process ends.
std::atomic<bool> g_calling = false;

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) {
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int wmain() {
  SetUnhandledExceptionFilter(EndOnCrash);
  NoBoxes boxes;
  if (vorma::LoadSdkLibrary(vorma::kSdkLibraryFileName, boxes) != 0) return 2;
  std::thread caller([] {
    for (;;) {
      vorma::Sdk().DLLQZ_ConfigEQ_ById(0);
      g_calling = true;
    }
  });
  while (!g_calling) Sleep(1);
  caller.detach();
  return 0;
}
