#include "foundation/DeviceIdCode.h"

#include "foundation/DeviceIdCipher.h"

#include <array>
#include <cstring>
#include <vector>

namespace vorma {
namespace {

constexpr size_t kBase64BufferBytes = kDeviceIdCodeMaxEncryptedBytes + 1;
constexpr int kPadding = 64;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// 0-63 for the alphabet, 64 for "=", -1 for anything else.
int Base64Value(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  if (c == '=') return kPadding;
  return -1;
}

// How many bytes a group of four values gives, or 0 when its padding is malformed. Padding may only
// close the code: an "=" anywhere else would otherwise feed its value 64 into the bits of a byte.
size_t GroupByteCount(const int (&values)[4], bool isLastGroup) {
  if (values[0] == kPadding || values[1] == kPadding) return 0;
  if (values[2] == kPadding) return isLastGroup && values[3] == kPadding ? 1 : 0;
  if (values[3] == kPadding) return isLastGroup ? 2 : 0;
  return 3;
}

bool DecodeBase64(const unsigned char* code, size_t length, std::array<unsigned char, kBase64BufferBytes>& out,
                  size_t& outLength) {
  if (length == 0 || length % 4 != 0) return false;
  if (length / 4 * 3 >= kBase64BufferBytes) return false;
  size_t written = 0;
  for (size_t group = 0; group < length; group += 4) {
    int values[4];
    for (size_t i = 0; i < 4; ++i) {
      values[i] = Base64Value(code[group + i]);
      if (values[i] < 0) return false;
    }
    const size_t byteCount = GroupByteCount(values, group + 4 == length);
    if (byteCount == 0) return false;
    const unsigned bits = static_cast<unsigned>(values[0]) << 18 | static_cast<unsigned>(values[1]) << 12 |
                          static_cast<unsigned>(values[2] & 63) << 6 | static_cast<unsigned>(values[3] & 63);
    out[written++] = static_cast<unsigned char>(bits >> 16);
    if (byteCount > 1) out[written++] = static_cast<unsigned char>(bits >> 8);
    if (byteCount > 2) out[written++] = static_cast<unsigned char>(bits);
  }
  outLength = written;
  return true;
}

std::string EncodeBase64(const std::vector<unsigned char>& data) {
  std::string text;
  text.reserve((data.size() + 2) / 3 * 4);
  for (size_t i = 0; i < data.size(); i += 3) {
    const size_t remaining = data.size() - i;
    const unsigned bits = static_cast<unsigned>(data[i]) << 16 |
                          (remaining > 1 ? static_cast<unsigned>(data[i + 1]) << 8 : 0u) |
                          (remaining > 2 ? static_cast<unsigned>(data[i + 2]) : 0u);
    text += kAlphabet[bits >> 18 & 63];
    text += kAlphabet[bits >> 12 & 63];
    text += remaining > 1 ? kAlphabet[bits >> 6 & 63] : '=';
    text += remaining > 2 ? kAlphabet[bits & 63] : '=';
  }
  return text;
}

}  // namespace

int DecodeDeviceIdCode(const unsigned char* code, size_t length, unsigned char* output, size_t& outputLength) {
  std::array<unsigned char, kBase64BufferBytes> encrypted;
  size_t encryptedLength = 0;
  if (!DecodeBase64(code, length, encrypted, encryptedLength)) return kDeviceIdCodeBase64Failure;
  if (encryptedLength % kDesBlockBytes != 0) return kDeviceIdCodeDesFailure;
  // The plain text is never longer than the cipher text, so this capacity always suffices.
  if (outputLength < encryptedLength) return kDeviceIdCodeDesFailure;
  size_t plainLength = 0;
  if (!DesDecryptDeviceIdBlocks(encrypted.data(), encryptedLength, plainLength)) return kDeviceIdCodeDesFailure;
  if (plainLength) std::memcpy(output, encrypted.data(), plainLength);
  outputLength = plainLength;
  return kDeviceIdCodeDone;
}

int EncodeDeviceIdCode(const unsigned char* text, size_t length, std::string& code) {
  if (length > kDeviceIdCodeMaxTextBytes) return kDeviceIdCodeTextTooLong;
  std::vector<unsigned char> cipher;
  if (!DesEncryptDeviceIdText(text, length, cipher)) return kDeviceIdCodeDesFailure;
  code = EncodeBase64(cipher);
  return kDeviceIdCodeDone;
}

}  // namespace vorma
