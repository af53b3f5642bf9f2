#pragma once
// Windows a test creates in its own thread to stand for another program's, and the message pump
// that must run while another process talks to them.

#include "foundation/UniqueHandles.h"

#include <functional>
#include <string>

namespace vorma::test {

// A visible top-level window of class "TApplication" (the form framework's application window,
// as a running panel has one) with the caption.
UniqueWindow CreateApplicationWindow(const std::wstring& caption);

// Dispatches this thread's messages until the condition holds or the time-out passes; returns
// whether the condition held.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace vorma::test
