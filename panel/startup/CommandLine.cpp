#include "panel/startup/CommandLine.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"

#include <windows.h>
#include <shellapi.h>

namespace vorma {
namespace {

std::wstring Lowered(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

LaunchRole ScanCommandLine(const std::vector<std::wstring>& arguments) {
  for (size_t i = 0; i < arguments.size(); ++i)
    DebugPrint(L"ParamStr(%d) = %s\n", static_cast<int>(i), arguments[i].c_str());

  for (size_t j = 1; j < arguments.size(); ++j) {
    const std::wstring argument = Lowered(arguments[j]);
    DebugWrite(argument);
    if (argument.empty()) continue;
    if (argument == L"-boot") return LaunchRole::BootRequester;
    if (argument == L"-servicestart" || argument == L"-serviceboot") return LaunchRole::ServiceLaunched;
  }
  return LaunchRole::PlainRequester;
}

std::vector<std::wstring> ProcessArguments() {
  std::vector<std::wstring> arguments;
  int count = 0;
  if (wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
    arguments.assign(argv, argv + count);
    LocalFree(argv);
  }
  // Argument 0 is the program's full path, whatever the starter wrote in front of the arguments.
  const std::wstring path = ThisProgramPath();
  if (arguments.empty()) arguments.push_back(path);
  else arguments[0] = path;
  return arguments;
}

}  // namespace vorma
