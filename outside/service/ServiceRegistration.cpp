#include "outside/service/ServiceRegistration.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>


namespace vorma::service {
namespace {

void SetDescription(SC_HANDLE service) {
  SERVICE_DESCRIPTIONW description{};
  std::wstring text = kServiceDescription;
  description.lpDescription = text.data();
  if (!ChangeServiceConfig2W(service, SERVICE_CONFIG_DESCRIPTION, &description))
    DebugWin32Failure(L"ChangeServiceConfig2W(SERVICE_CONFIG_DESCRIPTION)", GetLastError());
}

}  // namespace

RegistrationResult RegisterThisProgramAsService() {
  DebugTraceEntry(L"Halvorn::RegisterThisProgramAsService");
  const std::wstring path = ThisProgramPath();
  if (path.empty()) return kRegistrationNoProgramPath;
  // Quoted: the program usually lies in a folder whose name may hold blanks.
  const std::wstring binaryPath = L"\"" + path + L"\"";
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) {
    DebugWin32Failure(L"OpenSCManagerW", GetLastError());
    return kRegistrationNoManager;
  }
  UniqueServiceHandle service(OpenServiceW(manager.get(), kServiceName, SERVICE_ALL_ACCESS));
  if (service) {
    // A reinstall may have moved the program or a user may have changed the start type.
    if (!ChangeServiceConfigW(service.get(), SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                              binaryPath.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr,
                              kServiceDisplayName)) {
      DebugWin32Failure(L"ChangeServiceConfigW", GetLastError());
      return kRegistrationUpdateFailed;
    }
    DebugWrite(L"===== Halvorn registration updated =====\n");
  } else {
    service.reset(CreateServiceW(manager.get(), kServiceName, kServiceDisplayName, SERVICE_ALL_ACCESS,
                                 SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                 binaryPath.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    if (!service) {
      DebugWin32Failure(L"CreateServiceW", GetLastError());
      return kRegistrationCreateFailed;
    }
    DebugWrite(L"===== Halvorn registered =====\n");
  }
  SetDescription(service.get());
  return kRegistrationDone;
}

}  // namespace vorma::service
