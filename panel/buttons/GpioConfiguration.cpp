#include "panel/buttons/GpioConfiguration.h"

#include "foundation/ValueItems.h"

namespace vorma::buttons {

int GpioFunctionNumber(std::wstring_view text) {
  if (text.empty() || text[0] != L'F') return -1;
  return LenientInteger(text.substr(1));
}

}  // namespace vorma::buttons
