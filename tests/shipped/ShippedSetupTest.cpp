// The real Vormasetup.exe started from the delivery folder as a user starts it: the program asks
// for administrator rights in its manifest, and the system still starts it for a caller that has
// them; its wizard shows the project's version in its caption.

#include "foundation/UniqueHandles.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace vorma {
namespace {

struct ProcessWindow {
  DWORD process;
  std::wstring captionSuffix;
  HWND found = nullptr;
};

// A visible top-level window of the process whose caption ends with the suffix.
HWND FindWindowOf(DWORD process, const std::wstring& captionSuffix) {
  ProcessWindow search{process, captionSuffix};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<ProcessWindow*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        const std::wstring caption = text;
        if (owner == s.process && IsWindowVisible(window) && caption.size() > s.captionSuffix.size() &&
            caption.compare(caption.size() - s.captionSuffix.size(), s.captionSuffix.size(), s.captionSuffix) == 0)
          s.found = window;
        return s.found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ShippedSetup, StartsFromTheDeliveryAndShowsTheProjectVersion) {
  const std::wstring folder = test::HostPathToWindows(VORMA_DELIVERY_DIR);
  const std::wstring setup = folder + L"\\Vormasetup.exe";
  std::wstring commandLine = L"\"" + setup + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(setup.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                             &startup, &started))
      << "CreateProcess failed with " << GetLastError();
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);

  HWND wizard = nullptr;
  const std::wstring suffix = L" (V" VORMA_PROJECT_VERSION L")";
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return (wizard = FindWindowOf(started.dwProcessId, suffix)) != nullptr; }, 30000));
  // The wizard's close is its Cancel: the setup ends without installing anything.
  if (wizard) PostMessageW(wizard, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.get(), 1);
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace vorma
