#include "outside/uninstaller/Uninstaller.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "outside/uninstaller/SelfRemoval.h"
#include "outside/uninstaller/SystemRemoval.h"
#include "outside/uninstaller/UninstallTargets.h"

#include <windows.h>

#include <string>

namespace vorma::uninstall {
namespace {

bool Confirmed(const UninstallTargets& targets) {
  const std::wstring product = targets.productTitle.empty() ? L"the program" : targets.productTitle;
  const std::wstring question = L"Do you want to remove " + product + L" and all of its components?";
  return MessageBoxW(nullptr, question.c_str(), targets.uninstallTitle.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
}

std::wstring KeptText(const UninstallTargets& targets) {
  if (targets.perUserFolder.empty()) return {};
  return L"Your settings and sound profiles in " + targets.perUserFolder + L" were kept.";
}

}  // namespace

UninstallResult RunUninstall(bool silent) {
  DebugTraceEntry(L"Uninstall::RunUninstall");
  const std::wstring self = ThisProgramPath();
  const UninstallTargets targets = FindUninstallTargets(self);
  if (!targets.haveConfig)
    DebugWrite(L"***** No AudioConfig.cfg beside the uninstaller: only fixed names are removed *****\n");
  if (!silent && !Confirmed(targets)) {
    DebugWrite(L"===== Uninstall cancelled =====\n");
    return kUninstallCancelled;
  }
  AskRunningProgramsToEnd();
  RemoveBackgroundService(targets);
  RemoveFilterDriver(targets);
  RemoveRegistryEntries(targets);
  RemoveShortcuts(targets);
  if (!targets.perUserFolder.empty()) DebugPrint(L"##### Kept = %s\n", targets.perUserFolder.c_str());
  if (LooksLikeInstallFolder(targets.installFolder))
    HandFolderToTemporaryCopy(self, targets.installFolder);
  else
    DebugPrint(L"***** Not an install folder, kept: %s *****\n", targets.installFolder.c_str());
  DebugWrite(L"===== Uninstall done =====\n");
  if (!silent) {
    const std::wstring product = targets.productTitle.empty() ? L"The program" : targets.productTitle;
    const std::wstring text = product + L" has been removed.\n\n" + KeptText(targets);
    MessageBoxW(nullptr, text.c_str(), targets.uninstallTitle.c_str(), MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  }
  return kUninstallDone;
}

}  // namespace vorma::uninstall
