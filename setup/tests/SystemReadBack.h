#pragma once
// What an installation left in Wine's registry, files and shell, read back as a test checks it.

#include <windows.h>

#include <string>

namespace vorma::setup::test {

// A string value ("<missing>" when there is none) and a DWORD value (0xdeadbeef when there is none).
std::wstring RegistryString(HKEY root, const std::wstring& path, const wchar_t* name);
DWORD RegistryDword(const std::wstring& path, const wchar_t* name);
bool KeyExists(const std::wstring& path);  // below HKEY_LOCAL_MACHINE
bool ValueExists(const std::wstring& keyPath, const wchar_t* name);
bool PathExists(const std::wstring& path);

// The target of a shortcut, read back through the shell-link object ("<unreadable>" when it cannot).
std::wstring ShortcutTarget(const std::wstring& lnk);

}  // namespace vorma::setup::test
