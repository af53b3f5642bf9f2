#pragma once
// The companion program's one window: it names the program, ends on the broadcast exit message or
// when the user closes it, and the program then tells the panel that it has ended.

#include <windows.h>

#include <string>

namespace vorma::companion {

inline constexpr wchar_t kCompanionWindowClass[] = L"VormaCompanion";

struct CompanionIdentity {
  const wchar_t* name;   // the program's file name without ".exe", also the window caption
  const wchar_t* title;  // what the window says it is
};

// Creates and shows the window, runs the message loop until the window is gone and broadcasts the
// resume message. Returns the exit code of the program.
int RunCompanion(HINSTANCE instance, const CompanionIdentity& identity);

}  // namespace vorma::companion
