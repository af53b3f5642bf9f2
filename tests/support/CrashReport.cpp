#include "tests/support/CrashReport.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace vorma::test {
namespace {

void PrintAddress(const char* what, DWORD64 address) {
  HMODULE module = nullptr;
  char name[MAX_PATH] = "?";
  if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(address), &module))
    GetModuleFileNameA(module, name, MAX_PATH);
  const char* base = std::strrchr(name, '\\');
  std::fprintf(stderr, "  %s %s+0x%llx\n", what, base ? base + 1 : name,
               static_cast<unsigned long long>(address - reinterpret_cast<DWORD64>(module)));
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pointers) {
  std::fprintf(stderr, "*** crash: exception 0x%08lx at %p\n", pointers->ExceptionRecord->ExceptionCode,
               pointers->ExceptionRecord->ExceptionAddress);
#if defined(__x86_64__)
  CONTEXT context = *pointers->ContextRecord;
  // A call through a null pointer leaves the caller's return address on top of the stack.
  if (context.Rip == 0) {
    context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
    context.Rsp += 8;
  }
  for (int frame = 0; frame < 32 && context.Rip != 0; ++frame) {
    PrintAddress("at", context.Rip);
    DWORD64 imageBase = 0;
    RUNTIME_FUNCTION* function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
    if (!function) {  // a leaf function: the return address is on top of the stack
      context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
      context.Rsp += 8;
      continue;
    }
    void* handlerData = nullptr;
    DWORD64 establisher = 0;
    RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData, &establisher,
                     nullptr);
  }
#endif
  std::fflush(stderr);
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void PrintStackOnCrash() { SetUnhandledExceptionFilter(ReportCrash); }

}  // namespace vorma::test
