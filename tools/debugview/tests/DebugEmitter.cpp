// VormaDebugEmitter <exit code> <item>...
// A debuggee for the capture tests. Each item is written to the debugger output: "a:text" with
// OutputDebugStringA, "w:text" with OutputDebugStringW; "x:" throws and catches a C++ exception,
// which a debugger must leave to the program's own handler; "s:<ms>" sleeps.

#include <windows.h>

#include <cwchar>
#include <stdexcept>
#include <string>

int wmain(int argc, wchar_t** argv) {
  for (int i = 2; i < argc; ++i) {
    const std::wstring item = argv[i];
    const std::wstring text = item.size() >= 2 ? item.substr(2) : std::wstring();
    if (item.starts_with(L"a:")) {
      OutputDebugStringA(std::string(text.begin(), text.end()).c_str());
    } else if (item.starts_with(L"w:")) {
      OutputDebugStringW(text.c_str());
    } else if (item.starts_with(L"s:")) {
      Sleep(wcstoul(text.c_str(), nullptr, 10));
    } else if (item.starts_with(L"x:")) {
      try {
        throw std::runtime_error("caught by the program");
      } catch (const std::runtime_error&) {
        OutputDebugStringW(L"exception handled");
      }
    }
  }
  return argc > 1 ? static_cast<int>(wcstoul(argv[1], nullptr, 10)) : 0;
}
