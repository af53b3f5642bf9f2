#pragma once
// Test programs learn where the build tree's other programs are through compile definitions, which
// hold host paths; Windows calls need them as Windows paths.

#include <string>

namespace vorma::test {

// The Windows path of a file given by its host path (under Wine, the drive that maps the host's
// root); on Windows the path is returned as it is.
std::wstring HostPathToWindows(const char* hostPath);

}  // namespace vorma::test
