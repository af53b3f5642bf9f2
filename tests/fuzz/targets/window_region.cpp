// A skin's MainForm_Frame.rgn: the region block handed to the region API only when it is whole.

#include "panel/shell/skin/RegionData.h"
#include "tests/fuzz/support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  if (const auto bounds = shell::CheckRegionData(fuzz::Bytes(data, size))) {
    VORMA_FUZZ_CHECK(size >= 48);
    VORMA_FUZZ_CHECK(bounds->right > 0 && bounds->bottom > 0);
  }
  return 0;
}
