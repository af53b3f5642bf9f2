#pragma once
// Starting a program from the service on the desktop of the user at the console.

#include "outside/service/LaunchCommand.h"

namespace vorma::service {

enum LaunchResult : unsigned {
  kLaunchedInUserSession = 0,   // with the console user's token and environment
  kLaunchedPlainly = 1,         // no user token to be had: started as the service itself
  kLaunchProgramMissing = 2,
  kLaunchFailed = 3,            // CreateProcess refused
};

// Starts the program on the interactive desktop ("winsta0\default") in its own folder and does not
// wait for it. Every outcome is written to the debug output.
LaunchResult LaunchOnUserDesktop(const LaunchCommand& command);

}  // namespace vorma::service
