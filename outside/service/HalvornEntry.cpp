// Halvorn.exe: with "/Service" it registers itself with the service control manager and ends;
// started by the service control manager it runs as the service "Halvorn".

#include "foundation/DebugOutput.h"
#include "outside/service/HalvornService.h"
#include "outside/service/ServiceRegistration.h"

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    // Setup passes "/Service"; the case of a hand-typed switch does not matter.
    if (_wcsicmp(argv[i], L"/Service") == 0 || _wcsicmp(argv[i], L"-Service") == 0)
      return vorma::service::RegisterThisProgramAsService();
  }
  if (vorma::service::RunAsService()) return 0;
  vorma::DebugWrite(L"***** Halvorn runs as a service only; \"Halvorn.exe /Service\" registers it *****\n");
  return 2;
}
