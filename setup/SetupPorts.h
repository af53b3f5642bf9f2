#pragma once
// Where the wizard touches the machine beyond files and registry: restarting Windows, starting the
// installed panel, and ending the setup process while the install runs. Tests put recorders here;
// a test never restarts the machine.

#include <string>

namespace vorma::setup {

class SetupActions {
public:
  virtual ~SetupActions() = default;
  // Enables the shutdown privilege and asks Windows to restart.
  virtual void Reboot() = 0;
  // Starts a program through the shell (hidden, no error dialogs).
  virtual void StartProgram(const std::wstring& path) = 0;
  // Ends the setup process at once; called by the install thread when Cancel stopped it.
  virtual void EndSetup() = 0;
};

class Win32SetupActions final : public SetupActions {
public:
  void Reboot() override;
  void StartProgram(const std::wstring& path) override;
  void EndSetup() override;
};

}  // namespace vorma::setup
