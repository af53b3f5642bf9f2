#pragma once
// What the service starts for a control: the launch value that holds the command line, and the
// command line taken apart into the program and its arguments.

#include <optional>
#include <string>
#include <string_view>

namespace vorma::service {

// The user-defined controls the service knows. 128 is setup's probe during an installation.
inline constexpr unsigned kControlInstallProbe = 128;
inline constexpr unsigned kControlStartPanel = 193;      // a plain start of the panel
inline constexpr unsigned kControlStartPanelBoot = 196;  // the panel's start at logon

// The launch value of a control that starts a program; null for every other control.
const wchar_t* LaunchValueName(unsigned control);

struct LaunchCommand {
  std::wstring program;    // without quotes
  std::wstring arguments;  // what follows the program, leading blanks removed
  // The command line handed to CreateProcess: the program quoted, then the arguments.
  std::wstring CommandLine() const;
};

// Takes a stored command line apart: a program in double quotes (spaces allowed inside) or, without
// quotes, everything up to the first blank. Nothing when the text is blank, a quote is not closed
// or the quotes hold nothing.
std::optional<LaunchCommand> ParseLaunchCommand(std::wstring_view text);

}  // namespace vorma::service
