#pragma once
// The running panel's user interface: its forms and the message loop.

namespace vorma {

// Creates the forms in their order (main form, About, LED, simple mode, LED colour) and runs the
// message loop until the main window closes.
void RunPanelForms();

}  // namespace vorma
