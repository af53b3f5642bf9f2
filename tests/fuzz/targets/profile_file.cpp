// The one-load reader of private-profile files: byte-order marks and code pages, lines, sections
// and keys, and values trimmed, unquoted and cut as the profile functions hand them out.

#include "foundation/ProfileFile.h"
#include "tests/fuzz/support/FuzzCheck.h"

namespace {

// Names the shipped files use, names with blanks and case the lookups fold, and the empty name.
constexpr const wchar_t* kSections[] = {L"", L"Main", L"main", L" EQ ", L"GPIO", L"GlobalFont", L"Version", L"S"};
constexpr const wchar_t* kKeys[] = {L"", L"MainFormImage", L"EQSlider", L"ENABLE", L" Key ", L"a", L"A", L"Font"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  const ProfileFile file = ProfileFile::FromBytes(fuzz::Bytes(data, size));
  for (const wchar_t* section : kSections) {
    for (const wchar_t* key : kKeys) {
      // The panel reads with 256 characters, the settings record with 1024.
      for (size_t capacity : {kProfileValueCapacity, size_t{1024}}) {
        std::wstring value = L"poison";
        VORMA_FUZZ_CHECK(file.Read(section, key, value, capacity) == 0);
        VORMA_FUZZ_CHECK(value.size() < capacity);
        VORMA_FUZZ_CHECK(value.find(L'\0') == std::wstring::npos);
      }
    }
  }
  return 0;
}
