#pragma once
// The ordinary Windows private-profile reads and writes used for every INI file except the
// device-ID sections.

#include "foundation/ProfileLimits.h"

#include <windows.h>

#include <string>

// windows.h maps this name to the win.ini function; our programs never use win.ini.
#undef WriteProfileString

namespace vorma {

// Reads with an empty default into `value` (at most 255 characters); an empty result means the key
// is missing or empty. Always returns 0.
int ReadProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key, std::wstring& value);

// Writes the value, creating section and key when needed. Always returns 0.
int WriteProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key, const std::wstring& value);

// The same write for callers that must know: false when the file could not be written.
bool TryWriteProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key,
                           const std::wstring& value);

}  // namespace vorma
