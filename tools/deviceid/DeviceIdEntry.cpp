#include "tools/deviceid/DeviceIdEntry.h"

#include "foundation/DeviceIdCode.h"

namespace vorma {

int MakeDeviceIdEntry(std::wstring_view pattern, std::string& entry) {
  const size_t first = pattern.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return kDeviceIdEntryEmptyPattern;
  pattern = pattern.substr(first, pattern.find_last_not_of(L' ') - first + 1);

  std::string text;
  for (wchar_t c : pattern) {
    // The panel compares the decrypted bytes with the pattern's characters one to one, and the
    // entry's first comma separates pattern and code.
    if (c < 0x20 || c > 0x7E || c == L',') return kDeviceIdEntryBadCharacter;
    text.push_back(static_cast<char>(c));
  }

  std::string code;
  const int result = EncodeDeviceIdCode(reinterpret_cast<const unsigned char*>(text.data()), text.size(), code);
  if (result == kDeviceIdCodeTextTooLong) return kDeviceIdEntryTooLong;
  if (result != kDeviceIdCodeDone) return kDeviceIdEntryEncryptFailed;
  if (text.size() + 1 + code.size() > kDeviceIdEntryMaxLength) return kDeviceIdEntryTooLong;
  entry = text + "," + code;
  return kDeviceIdEntryMade;
}

const char* DeviceIdEntryFailureText(int result) {
  switch (result) {
    case kDeviceIdEntryEmptyPattern:
      return "the pattern is empty";
    case kDeviceIdEntryBadCharacter:
      return "only printable ASCII characters other than the comma are allowed";
    case kDeviceIdEntryTooLong:
      return "the pattern is too long: its entry must fit in 1023 characters";
    case kDeviceIdEntryEncryptFailed:
      return "CryptoAPI could not encrypt the pattern";
    default:
      return "";
  }
}

}  // namespace vorma
