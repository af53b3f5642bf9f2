#pragma once
// The binding of the vendor SDK library: one table of its 249 exports, filled by name in the fixed
// binding order of SdkFunctionList.h. Every other part of the panel calls the SDK through Sdk():
//
//   if (int ret = LoadSdkLibrary(kSdkLibraryFileName); ret != 0) { ... fatal ... }
//   Sdk().DLLQZ_SetActive_Device(vendorId, productId);
//
// The library is one per process and stays loaded until the process ends, so the table is
// process-wide. It is loaded from the panel's own folder by full path, never through the DLL search
// path, so that a library of the same name planted in the current folder or on PATH is never used.

#include "foundation/MessageBoxPort.h"
#include "panel/device/SdkFunctions.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace vorma {

inline constexpr wchar_t kSdkLibraryFileName[] = L"DLLQZ_UsbAudio72xx_x32.dll";

// The entries the panel binds but never calls; their arguments are the library's business.
using SdkOtherFunction = int(WINAPI*)();

struct SdkFunctionTable {
#define VORMA_SDK_CALLED(name) decltype(&::name) name = nullptr;
#define VORMA_SDK_OTHER(name) SdkOtherFunction name = nullptr;
#include "panel/device/SdkFunctionList.h"
#undef VORMA_SDK_CALLED
#undef VORMA_SDK_OTHER
};

inline constexpr int kSdkFunctionCount = 249;

// The export names in binding order; position k is index k - 1.
inline constexpr std::array<const char*, kSdkFunctionCount> kSdkFunctionNames = {
#define VORMA_SDK_CALLED(name) #name,
#define VORMA_SDK_OTHER(name) #name,
#include "panel/device/SdkFunctionList.h"
#undef VORMA_SDK_CALLED
#undef VORMA_SDK_OTHER
};

// Loads the library file named `fileName` from the folder of this program's executable and binds
// all 249 entries in order. A library loaded before is released first. Results:
//   0      every entry bound;
//   1      the library did not load (ShowLastErrorMessage has shown why);
//   k + 1  the export at position k is missing (2..250); for positions 3..249 the debug line
//          "***** <name> *****\n" was written first. Entries before position k stay bound.
int LoadSdkLibrary(std::wstring_view fileName, MessageBoxPort& messageBoxes);
int LoadSdkLibrary(std::wstring_view fileName);  // with Win32 message boxes

// The table; its entries are usable after LoadSdkLibrary returned 0 (all null before any load).
const SdkFunctionTable& Sdk();

// The system's text for GetLastError(), as "error %d: %s", in a message box captioned "Error"
// with an OK button.
void ShowLastErrorMessage(MessageBoxPort& messageBoxes);

}  // namespace vorma
