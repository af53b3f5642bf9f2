// A skin's SkinSetting.ini: every picture record and the layout values, in the current and in the
// old layout (whose offsets must never wrap a position around).

#include "foundation/ProfileFile.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/fuzz/support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  const ProfileFile file = ProfileFile::FromBytes(fuzz::Bytes(data, size));
  for (int oldVersion : {0, 1}) {
    shell::SkinSetting setting;
    int shapesColoured = 0;
    shell::SkinLoadHooks hooks{[] {}, [&shapesColoured](std::wstring_view) { ++shapesColoured; }};
    const shell::SkinLoadResult result = shell::LoadSkinSetting(setting, file, oldVersion, hooks);
    VORMA_FUZZ_CHECK(result.ok == result.error.empty());
    for (const shell::ImageAtt& record : setting.Records())
      VORMA_FUZZ_CHECK(record.Name.size() <= shell::kImageNameCapacity);
    VORMA_FUZZ_CHECK(shapesColoured <= static_cast<int>(shell::kColorShapeCount));
  }
  return 0;
}
