// The device-ID lists of AudioConfig.cfg: loading a section, the "pattern,code" entries, Base64
// and DES of their codes. DES is the native reference implementation, checked once against the
// standard's known answer so that a broken reference cannot hide the entries it should accept.

#include "foundation/DeviceIdCode.h"
#include "foundation/DeviceIdManager.h"
#include "tests/fuzz/support/FuzzCheck.h"
#include "tests/fuzz/support/ReferenceDes.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  VORMA_FUZZ_CHECK(vorma::ReferenceDesEncryptBlock(0x133457799BBCDFF1ull, 0x0123456789ABCDEFull) ==
                   0x85E813540F0AB405ull);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  for (const wchar_t* section : {kUsbDeviceIdSection, kHidDeviceIdSection}) {
    CDeviceIdMgr manager;
    const int result = manager.LoadFromConfigText(fuzz::Bytes(data, size), section);
    VORMA_FUZZ_CHECK(result >= kDeviceIdConfigLoaded && result <= kDeviceIdConfigEmptySide);
    VORMA_FUZZ_CHECK(manager.Entries().size() <= manager.RawEntries().size());
  }
  // The code decoder on its own, with the decoder's own capacity and with one too small.
  std::vector<unsigned char> text(4096);
  size_t length = text.size();
  const int decoded = DecodeDeviceIdCode(data, size, text.data(), length);
  VORMA_FUZZ_CHECK(decoded >= kDeviceIdCodeDone && decoded <= kDeviceIdCodeDesFailure);
  if (decoded == kDeviceIdCodeDone) {
    VORMA_FUZZ_CHECK(length < size);
    size_t small = length / 2;
    std::vector<unsigned char> tooSmall(small + 1);
    DecodeDeviceIdCode(data, size, tooSmall.data(), small);
  }
  return 0;
}
