// The INI document of the device-ID lists: byte-order marks, every text encoding, line splitting,
// sections and pairs, and the lookups on what was loaded.

#include "foundation/IniDocument.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  CIniMgr document;
  const int result = document.LoadBytes(fuzz::Bytes(data, size));
  VORMA_FUZZ_CHECK(result == kIniLoaded || result == kIniCannotDecode);
  // Each section name once, and the lookups of its first keys (a lookup scans the section, so all
  // keys of a long section would make this check, not the parser, quadratic).
  std::set<std::wstring> names;
  for (const std::wstring& line : document.Lines())
    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') names.insert(line.substr(1, line.size() - 2));
  for (const std::wstring& name : names) {
    VORMA_FUZZ_CHECK(document.HasSection(name));
    std::vector<std::wstring> keys;
    document.GetKeys(name, keys);
    const auto* entries = document.Entries(name);
    VORMA_FUZZ_CHECK(entries && entries->size() == keys.size());
    for (size_t i = 0; i < keys.size() && i < 32; ++i) {
      VORMA_FUZZ_CHECK(!keys[i].empty() && keys[i].find(L'=') == std::wstring::npos);
      // The first entry of a key is the one a lookup gives.
      size_t first = 0;
      while (keys[first] != keys[i]) ++first;
      VORMA_FUZZ_CHECK(document.GetValue(name, keys[i]) == (*entries)[first].second);
    }
  }
  return 0;
}
