#include "forms/CommonDialogs.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

namespace vorma::forms {
namespace {

template <typename Function>
bool Bind(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  if (!function) DebugPrint(L"***** GetProcAddress comdlg32 %hs FAIL! error %lu *****\n", name, GetLastError());
  return function != nullptr;
}

struct BoundDialogs {
  UniqueModule library;
  CommonDialogFunctions functions;
  bool complete = false;

  BoundDialogs() : library(LoadLibraryW(L"comdlg32.dll")) {
    if (!library) {
      DebugWin32Failure(L"LoadLibrary comdlg32.dll", GetLastError());
      return;
    }
    const HMODULE module = library.get();
    complete = Bind(module, "GetOpenFileNameW", functions.getOpenFileName) &&
               Bind(module, "GetSaveFileNameW", functions.getSaveFileName) &&
               Bind(module, "ChooseColorW", functions.chooseColor) &&
               Bind(module, "CommDlgExtendedError", functions.extendedError);
  }
};

}  // namespace

const CommonDialogFunctions* CommonDialogs() {
  // Dialogs run on the user-interface thread only; the static is made once all the same.
  static const BoundDialogs bound;
  return bound.complete ? &bound.functions : nullptr;
}

}  // namespace vorma::forms
