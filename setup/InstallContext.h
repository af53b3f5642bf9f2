#pragma once
// What the install thread works with: its own copy of the wizard's settings, the module whose
// resources it writes, where it reports to, and the limits it waits with.

#include "setup/SetupSettings.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

namespace vorma::setup {

class PackageRunner;

// How the install reports: progress positions and message boxes. The wizard posts the positions
// to its window and shows the boxes owned by it.
class InstallReporter {
public:
  virtual ~InstallReporter() = default;
  virtual void Progress(int position) = 0;
  virtual void Message(const std::wstring& text) = 0;
};

struct InstallTimings {
  DWORD registrationLimitMs = 100000;  // the service program's " /Service" run
  // The pauses of the sequence (100 ms before the steps, 1 s before the update package, the
  // beep); a benchmark switches them off to measure the work alone.
  bool fixedWaits = true;
};

// The names through which the install reaches programs of an earlier installation. Tests give
// their own, so that they neither stop a service nor close a panel of another test.
struct InstallNames {
  std::wstring serviceName = L"Halvorn";
  std::wstring panelExitMessage = L"WM_KVX72xxAPP_EXIT";
};

struct InstallContext {
  SetupSettings settings;
  HMODULE resources = nullptr;
  InstallReporter* reporter = nullptr;
  PackageRunner* packageRunner = nullptr;  // opens the update package (the shell when null)
  InstallTimings timings;
  InstallNames names;
  std::wstring warningFilterActive;  // LabelWarning1
  std::wstring warningStepFailed;    // LabelWarning2
  bool rebootNeeded = false;         // set by a successful update-package step
  // Set by the wizard's Cancel; the install stops before its next step.
  std::shared_ptr<std::atomic<bool>> cancelRequested;

  bool Cancelled() const { return cancelRequested && cancelRequested->load(); }

  void Progress(int position) const {
    if (reporter) reporter->Progress(position);
  }
};

}  // namespace vorma::setup
