#include "tests/shipped/ShippedManifest.h"

#include "foundation/UniqueHandles.h"

#include <cstddef>
#include <cstring>
#include <iterator>

namespace vorma::test {
namespace {

constexpr WORD kManifestType = 24;
constexpr WORD kProcessManifestId = 1;
constexpr wchar_t kWindowsSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr wchar_t kWindowsSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

// A variable-sized query result: asks for the size first, then for the data.
std::vector<BYTE> Query(HANDLE context, DWORD* index, ULONG infoClass) {
  SIZE_T needed = 0;
  QueryActCtxW(0, context, index, infoClass, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !QueryActCtxW(0, context, index, infoClass, buffer.data(), needed, &needed)) buffer.clear();
  return buffer;
}

ACTCTX_REQUESTED_RUN_LEVEL RunLevel(HANDLE context) {
  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION info{};
  SIZE_T written = 0;
  if (!QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &info, sizeof(info), &written))
    return ACTCTX_RUN_LEVEL_UNSPECIFIED;
  return info.RunLevel;
}

// Newer systems answer with elements that also carry the highest version tested, which moves the
// first element to an 8-byte boundary; older headers (and systems) have the short element.
struct CompatibilityElementWithVersion {
  GUID Id;
  ACTCTX_COMPATIBILITY_ELEMENT_TYPE Type;
  ULONGLONG MaxVersionTested;
};
struct CompatibilityInformationWithVersion {
  DWORD ElementCount;
  CompatibilityElementWithVersion Elements[1];
};

std::vector<GUID> SupportedOs(HANDLE context) {
  const std::vector<BYTE> buffer = Query(context, nullptr, CompatibilityInformationInActivationContext);
  std::vector<GUID> ids;
  if (buffer.size() < sizeof(DWORD)) return ids;
  DWORD count = 0;
  std::memcpy(&count, buffer.data(), sizeof(count));
  size_t offset = offsetof(ACTIVATION_CONTEXT_COMPATIBILITY_INFORMATION, Elements);
  size_t elementSize = sizeof(COMPATIBILITY_CONTEXT_ELEMENT);
  if (buffer.size() == offsetof(CompatibilityInformationWithVersion, Elements) + count * sizeof(CompatibilityElementWithVersion)) {
    offset = offsetof(CompatibilityInformationWithVersion, Elements);
    elementSize = sizeof(CompatibilityElementWithVersion);
  }
  if (buffer.size() < offset + count * elementSize) return ids;
  for (DWORD i = 0; i < count; ++i) {
    COMPATIBILITY_CONTEXT_ELEMENT element{};
    std::memcpy(&element, buffer.data() + offset + i * elementSize, sizeof(element));
    if (element.Type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) ids.push_back(element.Id);
  }
  return ids;
}

std::vector<std::wstring> Assemblies(HANDLE context) {
  std::vector<std::wstring> identities;
  const std::vector<BYTE> basic = Query(context, nullptr, ActivationContextDetailedInformation);
  if (basic.size() < sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION)) return identities;
  const DWORD count = reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(basic.data())->ulAssemblyCount;
  for (DWORD index = 1; index <= count; ++index) {
    DWORD queryIndex = index;
    const std::vector<BYTE> buffer = Query(context, &queryIndex, AssemblyDetailedInformationInActivationContext);
    if (buffer.size() < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) continue;
    const auto* info = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    if (info->lpAssemblyEncodedAssemblyIdentity) identities.emplace_back(info->lpAssemblyEncodedAssemblyIdentity);
  }
  return identities;
}

std::wstring Setting(HANDLE context, const wchar_t* nameSpace, const wchar_t* name) {
  wchar_t value[64] = {};
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, context, nameSpace, name, value, std::size(value), &written)) return L"";
  return value;
}

}  // namespace

std::optional<std::string> ReadManifestResource(const std::wstring& imagePath) {
  const UniqueModule image(LoadLibraryExW(imagePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!image) return std::nullopt;
  HRSRC found = FindResourceW(image.get(), MAKEINTRESOURCEW(kProcessManifestId), MAKEINTRESOURCEW(kManifestType));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(image.get(), found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), SizeofResource(image.get(), found));
}

ManifestFacts ParseManifestFile(const std::wstring& manifestPath) {
  ACTCTXW request{};
  request.cbSize = sizeof(request);
  request.lpSource = manifestPath.c_str();
  const UniqueActivationContext context(CreateActCtxW(&request));
  ManifestFacts facts;
  if (!context) {
    facts.createError = GetLastError();
    return facts;
  }
  facts.runLevel = RunLevel(context.get());
  facts.supportedOs = SupportedOs(context.get());
  facts.assemblies = Assemblies(context.get());
  facts.dpiAware = Setting(context.get(), kWindowsSettings2005, L"dpiAware");
  facts.dpiAwareness = Setting(context.get(), kWindowsSettings2016, L"dpiAwareness");
  return facts;
}

}  // namespace vorma::test
