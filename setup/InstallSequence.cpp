#include "setup/InstallSequence.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "foundation/UniqueHandles.h"
#include "panel/startup/ServiceControl.h"
#include "setup/DevicePass.h"
#include "setup/DriverAndService.h"
#include "setup/Registration.h"
#include "setup/SetupFiles.h"
#include "setup/SetupResourceIds.h"
#include "setup/UpdatePackage.h"

#include <cstdio>

namespace vorma::setup {
namespace {

constexpr wchar_t kSdkLibraryFileName[] = L"DLLQZ_UsbAudio72xx_x32.dll";

void Pause(const InstallContext& context, DWORD ms) {
  if (context.timings.fixedWaits) Sleep(ms);
}

void EndBeep(const InstallContext& context) {
  if (context.timings.fixedWaits) Beep(500, 100);
}

// A resource written to a file: the step's "missing" code, or its "write failed" code.
unsigned WriteResource(const InstallContext& context, const wchar_t* type, WORD id, const std::wstring& path,
                       unsigned missingCode, unsigned writeCode) {
  if (!HasResource(context.resources, type, id)) return missingCode;
  return ExtractResourceToFile(context.resources, type, id, path) == kExtractDone ? 0 : writeCode;
}

bool FilterDriverActive() {
  UniqueHandle device(CreateFileW(kFilterControlDevice, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
  return static_cast<bool>(device);
}

// Whether Cancel was pressed; the install then ends where it stands, between two steps.
bool StopsHere(const InstallContext& context) {
  if (!context.Cancelled()) return false;
  DebugWrite(L"===== Install stopped by Cancel =====\n");
  return true;
}

// Runs one step; a failure shows LabelWarning2 with the step's message code. True to go on.
bool RunStep(InstallContext& context, const wchar_t* milestone, unsigned messageCode, unsigned (*step)(InstallContext&)) {
  if (StopsHere(context)) return false;
  DebugWrite(milestone);
  const unsigned result = step(context);
  if (result == 0) return true;
  DebugPrint(L"***** Install step result 0x%08X *****\n", result);
  if (context.reporter) context.reporter->Message(context.warningStepFailed + StepCodeText(messageCode));
  return false;
}

unsigned EffectCompanionStep(InstallContext& context) {
  return InstallCompanion(context, kEffectCompanionId, context.settings.config.EffectAPPFileName);
}

unsigned SoundEffectCompanionStep(InstallContext& context) {
  return InstallCompanion(context, kSoundEffectCompanionId, context.settings.config.SoundEffectAPPFileName);
}

unsigned UpdatePackageStep(InstallContext& context) {
  ShellPackageRunner shell;
  PackageRunner& runner = context.packageRunner ? *context.packageRunner : shell;
  return Install_KB3033929(context.settings.facts, runner);
}

}  // namespace

std::wstring StepCodeText(unsigned messageCode) {
  wchar_t text[32];
  swprintf(text, 32, L"(Code = 0x%08X)", messageCode);
  return text;
}

unsigned InstallPanel(InstallContext& context) {
  const SetupSettings& s = context.settings;
  if (!HasResource(context.resources, kAppResourceType, kPanelId)) return 0x80000301;
  CreateFolderWithParents(s.config.InstallFolderFullPath);
  if (WriteResource(context, kAppResourceType, kPanelId, s.PanelPath(), 0x80000301, 0x80000302) != 0) return 0x80000302;
  if (RegisterAutostart(s.config.APPFileName, AutostartCommandLine(s.PanelPath())) != kAutostartWritten) {
    return 0x80000303;
  }
  CreateStartMenuShortcut(s.config.ShortcutFolderName, s.config.ShortcutFolderNameUp, s.config.AppShortcutName,
                          s.PanelPath());
  if (s.desktopShortcut) CreateDesktopShortcut(s.config.AppShortcutName, s.PanelPath());
  context.Progress(70);
  return 0;
}

unsigned InstallUninstaller(InstallContext& context) {
  const SetupSettings& s = context.settings;
  const unsigned written =
      WriteResource(context, kUninstallResourceType, kUninstallerId, s.UninstallerPath(), 0x80000401, 0x80000402);
  if (written != 0) return written;
  CreateStartMenuShortcut(s.config.ShortcutFolderName, s.config.ShortcutFolderNameUp, s.config.UninstallShortcutName,
                          s.UninstallerPath());
  RegisterUninstall(s.uninstall);
  context.Progress(80);
  return 0;
}

unsigned InstallSharedFiles(InstallContext& context) {
  const SetupAudioConfigInfo& c = context.settings.config;
  CopyFolderTree(c.SourceFolderFullPath + c.SkinFolderName + L"\\", c.InstallFolderFullPath);
  CopyFolderTree(c.SourceFolderFullPath + c.LanguageFolderName + L"\\", c.InstallFolderFullPath);
  for (const std::wstring& name : {std::wstring(kAudioConfigFileName), c.InstallIconFileName, std::wstring(L"bee.wav"),
                                   std::wstring(kSdkLibraryFileName)}) {
    CopyFileNormal(c.SourceFolderFullPath + name, c.InstallFolderFullPath + name);
  }
  if (Copy_KB3033929(context.resources) != 0) Copy_KB3033929(context.resources);
  context.Progress(90);
  return 0;
}

unsigned InstallUserManual(InstallContext& context) {
  const SetupSettings& s = context.settings;
  std::wstring language;
  ReadProfileString(s.PerUserConfigPath(), L"Language", L"DefaultLanguage", language);
  const std::wstring source = s.config.SourceFolderFullPath + L"Manual\\" + language + L"\\";
  const std::wstring target = s.config.InstallFolderFullPath + L"Manual\\";
  const std::wstring manual = FirstPlainFile(source);
  if (language.empty() || manual.empty()) return 0;
  CreateFolderWithParents(target);
  CopyFolderTree(source, target);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  CreateFolderShortcut(s.config.ShortcutFolderName, s.config.UserManualShortcutName,
                       target + language + L"\\" + manual);
  return 0;
}

unsigned InstallPluginFolder(InstallContext& context) {
  const SetupAudioConfigInfo& c = context.settings.config;
  const std::wstring target = c.InstallFolderFullPath + c.PluginFolderName + L"\\";
  CreateFolderWithParents(target);
  CopyFolderTree(c.SourceFolderFullPath + c.PluginFolderName + L"\\", target);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  context.Progress(95);
  return 0;
}

unsigned InstallCompanion(InstallContext& context, WORD resourceId, const std::wstring& fileName) {
  const SetupSettings& s = context.settings;
  if (!HasResource(context.resources, kAppResourceType, resourceId)) return 0x80000301;
  CreateFolderWithParents(s.config.InstallFolderFullPath);
  // The program's own folder comes with the plug-in folder of step 7; without it the write fails.
  const unsigned written =
      WriteResource(context, kAppResourceType, resourceId, s.CompanionPath(fileName), 0x80000301, 0x80000302);
  if (written != 0) return written;
  context.Progress(98);
  return 0;
}

void Install(InstallContext& context) {
  DebugTraceEntry(L"TMainForm::Install");
  BroadcastPanelExit(context.names.panelExitMessage);
  const std::wstring& service = context.names.serviceName;
  ControlTheService(service, kServiceControlStart, ServiceAccess::Setup);
  ControlTheService(service, 128, ServiceAccess::Setup);
  ControlTheService(service, kServiceControlStop, ServiceAccess::Setup);
  RemoveFilterFromDevices(CDeviceIdMgr{});
  if (FilterDriverActive()) {
    if (context.reporter) context.reporter->Message(context.warningFilterActive);
    return;
  }
  Pause(context, 100);
  context.Progress(1);

  const struct {
    const wchar_t* milestone;
    unsigned messageCode;
    unsigned (*step)(InstallContext&);
  } kSteps[] = {
      {L"===== Install STEP1 =====\n", 0x80000001, Install_FilterDriver},
      {L"===== Install STEP2 =====\n", 0x80000002, InstallService},
      {L"===== Install STEP3 =====\n", 0x80000003, InstallPanel},
      {L"===== Install STEP4 =====\n", 0x80000004, InstallUninstaller},
      {L"===== Install STEP5 =====\n", 0x80000005, InstallSharedFiles},
  };
  for (const auto& step : kSteps) {
    if (!RunStep(context, step.milestone, step.messageCode, step.step)) return;
  }
  if (StopsHere(context)) return;
  DebugWrite(L"===== Install STEP6 =====\n");
  InstallUserManual(context);

  if (context.settings.pluginFlag) {
    const struct {
      const wchar_t* milestone;
      unsigned (*step)(InstallContext&);
    } kPluginSteps[] = {
        {L"===== Install STEP7 =====\n", InstallPluginFolder},
        {L"===== Install STEP8 =====\n", EffectCompanionStep},
        {L"===== Install STEP8.1 =====\n", SoundEffectCompanionStep},
    };
    for (const auto& step : kPluginSteps) {
      const unsigned code = step.step == InstallPluginFolder ? 0x80000007 : 0x80000008;
      if (!RunStep(context, step.milestone, code, step.step)) return;
    }
  }
  if (StopsHere(context)) return;
  DebugWrite(L"===== Install STEP9 =====\n");
  Pause(context, 1000);

  if (!context.settings.updatePackage) {
    EndBeep(context);
    return;
  }
  if (!RunStep(context, L"===== Install STEP10 =====\n", 0x80000006, UpdatePackageStep)) return;
  context.rebootNeeded = true;
  context.Progress(100);
  EndBeep(context);
}

}  // namespace vorma::setup
