// A language's Language.ini: the [GlobalFont] values and every label record, in the current and in
// the old layout (whose offsets must never wrap a position around).

#include "foundation/ProfileFile.h"
#include "panel/shell/language/LanguageSetting.h"
#include "tests/fuzz/support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  const ProfileFile file = ProfileFile::FromBytes(fuzz::Bytes(data, size));
  for (int oldVersion : {0, 1}) {
    shell::LanguageSetting setting;
    const shell::LanguageLoadResult result = shell::LoadLanguageSetting(file, oldVersion, setting);
    VORMA_FUZZ_CHECK(result.Succeeded() == result.key.empty());
  }
  return 0;
}
