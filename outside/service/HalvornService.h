#pragma once
// The service as the service control manager runs it: it reports its states, stops on request and
// starts the panel (or another stored program) for the user-defined controls.

namespace vorma::service {

// What the service does with one control; the control handler's answer follows from it.
enum class ControlAnswer { Accepted, Refused };

// The user-defined controls and the standard ones the service takes: 193 and 196 start the program
// of their launch value, 128 is accepted and changes nothing, any other user-defined control is
// refused. A launch that fails is written to the debug output and the service runs on.
ControlAnswer HandleUserControl(unsigned control);

// Connects to the service control manager and runs until the service is stopped. False when the
// program was not started by the service control manager.
bool RunAsService();

}  // namespace vorma::service
