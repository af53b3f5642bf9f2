// The comma-separated item rule and the lenient and strict integer conversions of every value the
// panel reads from its skin, language and configuration files.

#include "foundation/ValueItems.h"
#include "panel/buttons/GpioConfiguration.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  const std::wstring value = fuzz::Characters(data, size);
  const std::vector<std::wstring> items = SplitValueItems(value);
  // Without quotes every comma separates exactly two items.
  if (!value.empty() && value.find(L'"') == std::wstring::npos)
    VORMA_FUZZ_CHECK(items.size() == static_cast<size_t>(std::count(value.begin(), value.end(), L',')) + 1);
  for (const std::wstring& item : items) {
    VORMA_FUZZ_CHECK(LenientInteger(item) >= 0);
    if (const auto number = ParseStrictInteger(item)) {
      VORMA_FUZZ_CHECK(ParseStrictInteger(std::to_wstring(*number)) == number);
      OffsetInteger(*number, 392);
      OffsetInteger(*number, -392);
    }
    buttons::GpioFunctionNumber(item);
  }
  return 0;
}
