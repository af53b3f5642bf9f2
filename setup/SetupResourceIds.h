#pragma once
// The programs and files the setup program carries, by resource type and id. The driver and the
// service come in two builds: the setup picks the one for the Windows it runs on.

#include <windows.h>

namespace vorma::setup {

inline constexpr wchar_t kDriverResourceType[] = L"DRIVER";
inline constexpr wchar_t kServiceResourceType[] = L"Service";
inline constexpr wchar_t kAppResourceType[] = L"APP";
inline constexpr wchar_t kUninstallResourceType[] = L"UNINSTALL";
inline constexpr wchar_t kUpdatePackageResourceType[] = L"WindowPatch";

inline constexpr WORD kDriverNativeId = 102;   // 32-bit Windows
inline constexpr WORD kDriverWow64Id = 103;    // a 32-bit setup on 64-bit Windows
inline constexpr WORD kServiceNativeId = 105;
inline constexpr WORD kServiceWow64Id = 106;
inline constexpr WORD kPanelId = 107;
inline constexpr WORD kUninstallerId = 108;
inline constexpr WORD kUpdatePackageId = 110;
inline constexpr WORD kEffectCompanionId = 111;
inline constexpr WORD kSoundEffectCompanionId = 112;

inline WORD DriverResourceId(bool wow64) { return wow64 ? kDriverWow64Id : kDriverNativeId; }
inline WORD ServiceResourceId(bool wow64) { return wow64 ? kServiceWow64Id : kServiceNativeId; }

}  // namespace vorma::setup
