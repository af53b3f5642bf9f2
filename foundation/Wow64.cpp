#include "foundation/Wow64.h"

#include <windows.h>

namespace vorma {
namespace {

template <typename Function>
Function FindKernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32");
  return kernel32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel32, name))) : nullptr;
}

}  // namespace

bool IsWow64Process() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto isWow64Process = FindKernel32Function<IsWow64ProcessFn>("IsWow64Process");
  BOOL wow64 = FALSE;
  if (!isWow64Process || !isWow64Process(GetCurrentProcess(), &wow64)) return false;
  return wow64 != FALSE;
}

int DisableFsRedirection(void** oldValue) {
  using DisableFn = BOOL(WINAPI*)(PVOID*);
  auto disable = FindKernel32Function<DisableFn>("Wow64DisableWow64FsRedirection");
  return disable ? disable(oldValue) : 0;
}

int RevertFsRedirection(void* oldValue) {
  using RevertFn = BOOL(WINAPI*)(PVOID);
  auto revert = FindKernel32Function<RevertFn>("Wow64RevertWow64FsRedirection");
  return revert ? revert(oldValue) : 0;
}

}  // namespace vorma
