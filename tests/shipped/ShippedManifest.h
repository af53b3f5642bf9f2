#pragma once
// What Windows makes of a program's application manifest: the manifest resource is read from the
// file (of either architecture) and handed to the system's own activation-context parser, so a
// manifest that Windows would refuse is found here too.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vorma::test {

// The bytes of the manifest resource (type 24, id 1) of an image; none when the image has none or
// cannot be loaded as data.
std::optional<std::string> ReadManifestResource(const std::wstring& imagePath);

struct ManifestFacts {
  DWORD createError = ERROR_SUCCESS;  // CreateActCtx's error; the other fields are empty then
  ACTCTX_REQUESTED_RUN_LEVEL runLevel = ACTCTX_RUN_LEVEL_UNSPECIFIED;
  std::vector<GUID> supportedOs;
  std::vector<std::wstring> assemblies;  // encoded identities; the first is the program's own
  std::wstring dpiAware;
  std::wstring dpiAwareness;
};

// Builds an activation context from a manifest file and reads back what the system took from it.
ManifestFacts ParseManifestFile(const std::wstring& manifestPath);

}  // namespace vorma::test
