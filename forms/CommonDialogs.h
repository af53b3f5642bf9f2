#pragma once
// The common dialog functions, bound when first needed. Importing comdlg32 would load it and the
// printing DLLs it imports at every start (about 30 ms under Wine), for dialogs most runs never show.

#include <windows.h>
#include <commdlg.h>

namespace vorma::forms {

struct CommonDialogFunctions {
  decltype(&GetOpenFileNameW) getOpenFileName = nullptr;
  decltype(&GetSaveFileNameW) getSaveFileName = nullptr;
  decltype(&ChooseColorW) chooseColor = nullptr;
  decltype(&CommDlgExtendedError) extendedError = nullptr;
};

// The functions of comdlg32, loaded once and kept for the process; null (with a debug line) when the
// library or one of them cannot be found.
const CommonDialogFunctions* CommonDialogs();

}  // namespace vorma::forms
