// Stands in for the service program's registration run in the install tests: records its command
// line in the file named by VORMA_SETUP_PROBE_LOG and takes VORMA_SETUP_PROBE_DELAY_MS to end.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t value[1024] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? value : L"";
}

}  // namespace

int wmain() {
  const std::wstring log = Environment(L"VORMA_SETUP_PROBE_LOG");
  if (!log.empty()) {
    if (FILE* file = _wfopen(log.c_str(), L"ab")) {
      const std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
      fwrite(line.data(), sizeof(wchar_t), line.size(), file);
      fclose(file);
    }
  }
  const std::wstring delay = Environment(L"VORMA_SETUP_PROBE_DELAY_MS");
  if (!delay.empty()) Sleep(static_cast<DWORD>(_wtoi(delay.c_str())));
  return 0;
}
