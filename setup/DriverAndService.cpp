#include "setup/DriverAndService.h"

#include "foundation/DebugOutput.h"
#include "foundation/RegistryValues.h"
#include "foundation/UniqueHandles.h"
#include "foundation/Wow64.h"
#include "panel/startup/ServiceControl.h"
#include "setup/FeatureDefaults.h"
#include "setup/SetupFiles.h"
#include "setup/SetupResourceIds.h"

namespace vorma::setup {
namespace {

// File-system redirection off for a scope under WOW64 (the native system folder is wanted).
class RedirectionOff {
public:
  explicit RedirectionOff(bool wow64) : active_(wow64) {
    if (active_) DisableFsRedirection(&old_);
  }
  ~RedirectionOff() {
    if (active_) RevertFsRedirection(old_);
  }
  RedirectionOff(const RedirectionOff&) = delete;
  RedirectionOff& operator=(const RedirectionOff&) = delete;

private:
  bool active_;
  void* old_ = nullptr;
};

void SetDword(HKEY key, const wchar_t* name, DWORD value) {
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

enum RegistrationRun { kRegistrationEnded, kRegistrationNotStarted, kRegistrationTimedOut };

RegistrationRun RunServiceRegistration(const std::wstring& servicePath, DWORD limitMs) {
  std::wstring commandLine = servicePath + L" /Service";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, HIGH_PRIORITY_CLASS, nullptr, nullptr,
                      &startup, &process)) {
    DebugWin32Failure(L"CreateProcessW /Service", GetLastError());
    return kRegistrationNotStarted;
  }
  UniqueHandle processHandle(process.hProcess);
  UniqueHandle threadHandle(process.hThread);
  return WaitForSingleObject(processHandle.get(), limitMs) == WAIT_OBJECT_0 ? kRegistrationEnded
                                                                              : kRegistrationTimedOut;
}

}  // namespace

void BroadcastPanelExit(const std::wstring& messageName) {
  const UINT message = RegisterWindowMessageW(messageName.c_str());
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_NORMAL, 100, &result);
}

int RegisterDriverService(const std::wstring& driverName) {
  const std::wstring path = std::wstring(kServicesKeyPrefix) + driverName;
  UniqueRegKey key;
  std::wstring keyClass = driverName;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, keyClass.data(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
    return kDriverServiceKeyFailed;
  }
  SetDword(key.get(), L"ErrorControl", SERVICE_ERROR_NORMAL);
  SetDword(key.get(), L"Start", SERVICE_DEMAND_START);
  SetDword(key.get(), L"Type", SERVICE_KERNEL_DRIVER);
  const std::wstring imagePath = L"System32\\DRIVERS\\" + driverName + L".sys";
  RegSetValueExW(key.get(), L"ImagePath", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(imagePath.c_str()),
                 static_cast<DWORD>(imagePath.size() * sizeof(wchar_t)));
  RegFlushKey(key.get());
  return kDriverServiceRegistered;
}

unsigned Install_FilterDriver(InstallContext& context) {
  DebugTraceEntry(L"TMainForm::Install_FilterDriver");
  if (RegisterDriverService(kFilterDriverName) != kDriverServiceRegistered) return 0x80000101;
  context.Progress(10);
  const bool wow64 = context.settings.facts.wow64;
  RedirectionOff redirection(wow64);
  const WORD id = DriverResourceId(wow64);
  if (!HasResource(context.resources, kDriverResourceType, id)) return 0x80000102;
  const std::wstring driverPath =
      context.settings.config.SystemDirectoryPath + L"drivers\\" + kFilterDriverName + L".sys";
  if (ExtractResourceToFile(context.resources, kDriverResourceType, id, driverPath) != kExtractDone) return 0x80000103;
  context.Progress(20);
  return 0;
}

void WriteLaunchValues(const SetupSettings& settings) {
  const struct {
    wchar_t group;
    std::wstring path;
  } programs[] = {
      {L'C', settings.PanelPath()},
      {L'B', settings.CompanionPath(settings.config.EffectAPPFileName)},
      {L'D', settings.CompanionPath(settings.config.SoundEffectAPPFileName)},
  };
  const struct {
    const wchar_t* name;
    const wchar_t* flag;
  } values[] = {
      {L"UserPrivilegeExecution_", L" -servicestart"},          {L"AdminPrivilegeExecution_", L" -servicestart"},
      {L"SystemPrivilegeExecution_", L" -servicestart"},        {L"SystemPrivilegeExecutionOnBoot_", L" -serviceboot"},
      {L"AdminPrivilegeExecutionOnBoot_", L" -serviceboot"},
  };
  for (const auto& program : programs) {
    DebugPrint(L"##### Group %c = %s\n", program.group, program.path.c_str());
    for (size_t i = 0; i < std::size(values); ++i) {
      const std::wstring name = values[i].name + std::wstring(1, program.group) + std::to_wstring(i);
      SetRegistryString(kSoftwareKey, name, L"\"" + program.path + L"\"" + values[i].flag);
    }
  }
}

unsigned InstallService(InstallContext& context) {
  ControlTheService(context.names.serviceName, kServiceControlStop, ServiceAccess::Setup);
  BroadcastPanelExit(context.names.panelExitMessage);
  context.Progress(30);
  {
    const bool wow64 = context.settings.facts.wow64;
    RedirectionOff redirection(wow64);
    const WORD id = ServiceResourceId(wow64);
    if (!HasResource(context.resources, kServiceResourceType, id)) return 0x80000201;
    const std::wstring servicePath =
        context.settings.config.SystemDirectoryPath + context.names.serviceName + L".exe";
    if (ExtractResourceToFile(context.resources, kServiceResourceType, id, servicePath) != kExtractDone) {
      return 0x80000202;
    }
    context.Progress(40);
    switch (RunServiceRegistration(servicePath, context.timings.registrationLimitMs)) {
      case kRegistrationNotStarted:
        return 0x80000204;
      case kRegistrationTimedOut:
        return 0x80000203;
      case kRegistrationEnded:
        break;
    }
    WriteLaunchValues(context.settings);
  }
  context.Progress(50);
  ControlTheService(context.names.serviceName, kServiceControlStart, ServiceAccess::Setup);
  context.Progress(60);
  return 0;
}

}  // namespace vorma::setup
