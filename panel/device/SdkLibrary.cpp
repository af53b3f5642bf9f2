#include "panel/device/SdkLibrary.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "foundation/UniqueHandles.h"

#include <string>
#include <utility>

namespace vorma {
namespace {

static_assert(kSdkFunctionNames.back() != nullptr, "SdkFunctionList.h must name exactly 249 functions");

// The library and the table bound from it: one per process, held until the process ends. Nothing
// frees the library while the process exits: threads that call into it (the SDK's own scan thread,
// our workers) may still run then, and the system ends them before it unloads the library. Only
// an explicit reload, with nothing else calling, releases the library loaded before.
HMODULE g_sdkModule = nullptr;
SdkFunctionTable g_sdkTable;


// The library's full path in the program's folder. Loading by full path keeps the loader from
// searching the current folder or PATH for it.
std::wstring LibraryPathBesideProgram(std::wstring_view fileName) {
  std::wstring path = ThisProgramPath();
  const size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return path.append(fileName);
}

template <typename Entry>
bool BindEntry(HMODULE module, int position, const char* name, Entry& entry) {
  const FARPROC address = GetProcAddress(module, name);
  if (!address) {
    if (position >= 3) {
      std::wstring line = L"***** ";
      for (const char* c = name; *c; ++c) line += static_cast<wchar_t>(*c);
      DebugWrite(line + L" *****\n");
    }
    return false;
  }
  // A function pointer may be converted to another function pointer type; the detour through
  // void(*)() tells the compiler that the signature change is intended.
  entry = reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(address));
  return true;
}

// 0, or the position of the first missing export plus 1.
int BindAll(HMODULE module, SdkFunctionTable& table) {
  int position = 0;
#define VORMA_SDK_CALLED(name) \
  if (!BindEntry(module, ++position, #name, table.name)) return position + 1;
#define VORMA_SDK_OTHER(name) VORMA_SDK_CALLED(name)
#include "panel/device/SdkFunctionList.h"
#undef VORMA_SDK_CALLED
#undef VORMA_SDK_OTHER
  return 0;
}

}  // namespace

int LoadSdkLibrary(std::wstring_view fileName, MessageBoxPort& messageBoxes) {
  g_sdkTable = SdkFunctionTable{};
  UniqueModule(std::exchange(g_sdkModule, nullptr)).reset();

  const std::wstring path = LibraryPathBesideProgram(fileName);
  // The altered search path lets the library's own dependencies be found beside it as well.
  g_sdkModule = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!g_sdkModule) {
    ShowLastErrorMessage(messageBoxes);
    return 1;
  }
  // Entries bound before a missing one stay filled, so the library stays loaded in that case too.
  return BindAll(g_sdkModule, g_sdkTable);
}

int LoadSdkLibrary(std::wstring_view fileName) { return LoadSdkLibrary(fileName, Win32MessageBoxes()); }

const SdkFunctionTable& Sdk() { return g_sdkTable; }

void ShowLastErrorMessage(MessageBoxPort& messageBoxes) {
  const DWORD error = GetLastError();
  const std::wstring text = SystemErrorText(error);
  const std::wstring message = L"error " + std::to_wstring(static_cast<int>(error)) + L": " + text;
  messageBoxes.Show(nullptr, message, L"Error", MB_OK);
}

}  // namespace vorma
