#pragma once
// The installation itself: a fixed chain of numbered steps run on the wizard's worker thread. The
// first step that fails ends the chain with a message that carries the step's code; nothing is
// rolled back.

#include "setup/InstallContext.h"

namespace vorma::setup {

// The filter driver's control device; when it opens, a driver of an earlier installation is still
// loaded and nothing is installed.
inline constexpr wchar_t kFilterControlDevice[] = L"\\\\.\\Class#UsbZurudOvoension&1E4B&00";

// What the user's message shows for a failing step: "(Code = 0x80000003)" and so on.
std::wstring StepCodeText(unsigned messageCode);

// Runs the whole sequence. context.rebootNeeded is set when the update-package step succeeded.
void Install(InstallContext& context);

// The steps after the service (each 0 or its code).
unsigned InstallPanel(InstallContext& context);        // step 3
unsigned InstallUninstaller(InstallContext& context);  // step 4
unsigned InstallSharedFiles(InstallContext& context);  // step 5
unsigned InstallUserManual(InstallContext& context);   // step 6
unsigned InstallPluginFolder(InstallContext& context); // step 7
unsigned InstallCompanion(InstallContext& context, WORD resourceId, const std::wstring& fileName);  // steps 8, 8.1

}  // namespace vorma::setup
