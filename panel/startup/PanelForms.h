#pragma once
// The running panel's user interface: its forms and the message loop.

#include <string>

namespace vorma {

// Initialises the application object titled from the program folder's configuration, creates the
// forms in their order (main form, About, LED, simple mode, LED colour) and runs the message loop
// until the main window closes or start-up posts WM_QUIT.
void RunPanelForms(const std::wstring& programFullPath);

}  // namespace vorma
