// The real companion programs, started the way the panel starts them: each shows its window, ends
// on the broadcast exit message or when the user closes it, and then broadcasts the resume message
// that a window of this test receives as the panel's would.

#include "foundation/UniqueHandles.h"
#include "outside/companions/CompanionMessages.h"
#include "outside/companions/CompanionWindow.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace vorma::companion {
namespace {

constexpr DWORD kStepTimeoutMs = 20000;

// A top-level window standing for the panel's: it counts the resume broadcasts it receives.
class ResumeListener {
public:
  ResumeListener() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VormaTestResumeListener";
    RegisterClassW(&windowClass);
    window_.reset(CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  windowClass.hInstance, this));
  }
  int Received() const { return received_; }
  bool Created() const { return static_cast<bool>(window_); }

private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ResumeListener*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == self->resume_) {
      ++self->received_;
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  UINT resume_ = RegisterWindowMessageW(kExitResumeMessage);
  int received_ = 0;
  UniqueWindow window_;
};

// Started as the panel starts a plug-in: the shell's execute call, the path as the parameters, a
// hidden show state.
UniqueHandle StartAsThePanelDoes(const std::wstring& program) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpFile = program.c_str();
  info.lpParameters = program.c_str();
  info.nShow = SW_HIDE;
  if (!ShellExecuteExW(&info)) return UniqueHandle();
  return UniqueHandle(info.hProcess);
}

HWND FindCompanionWindow(const wchar_t* caption) { return FindWindowW(kCompanionWindowClass, caption); }

struct Case {
  const char* name;
  const char* programHostPath;
  const wchar_t* caption;
  bool closedByUser;  // otherwise the exit message ends it
};

class CompanionProgram : public testing::TestWithParam<Case> {};

TEST_P(CompanionProgram, EndsAndTellsThePanel) {
  const Case& c = GetParam();
  ResumeListener listener;
  ASSERT_TRUE(listener.Created());
  const UniqueHandle process = StartAsThePanelDoes(test::HostPathToWindows(c.programHostPath));
  ASSERT_TRUE(process);
  HWND window = nullptr;
  ASSERT_TRUE(test::PumpMessagesUntil(
      [&] {
        window = FindCompanionWindow(c.caption);
        return window != nullptr && IsWindowVisible(window);
      },
      kStepTimeoutMs))
      << "the companion's window was not shown";
  EXPECT_EQ(listener.Received(), 0);

  if (c.closedByUser) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(kEffectExitMessage), 0, 0, SMTO_NORMAL, 100, &answer);
  }
  ASSERT_TRUE(test::PumpMessagesUntil(
      [&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0 && listener.Received() > 0; },
      kStepTimeoutMs));
  EXPECT_EQ(listener.Received(), 1);
  DWORD exitCode = 0xdeadbeef;
  GetExitCodeProcess(process.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(FindCompanionWindow(c.caption), nullptr);
}

const Case kCases[] = {
    {"EffectOnTheExitMessage", VORMA_EFFECT_EXE, L"VormaEffect", false},
    {"EffectClosedByTheUser", VORMA_EFFECT_EXE, L"VormaEffect", true},
    {"SoundEffectOnTheExitMessage", VORMA_SOUND_EFFECT_EXE, L"VormaSoundEffect", false},
    {"SoundEffectClosedByTheUser", VORMA_SOUND_EFFECT_EXE, L"VormaSoundEffect", true},
};

INSTANTIATE_TEST_SUITE_P(Table, CompanionProgram, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorma::companion
