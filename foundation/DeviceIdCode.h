#pragma once
// The code that signs each device-ID pattern: the pattern encrypted with DES and written in Base64.
// Only the vendor's key makes a code that decrypts to its pattern, so editing a list by hand cannot
// add or alter a pattern.

#include <cstddef>
#include <string>

namespace vorma {

// Results of DecodeDeviceIdCode and EncodeDeviceIdCode.
enum DeviceIdCodeResult : int {
  kDeviceIdCodeDone = 0,
  kDeviceIdCodeBase64Failure = 1,
  kDeviceIdCodeDesFailure = 2,
  kDeviceIdCodeTextTooLong = 3,  // encoding only: the code would not fit the decoder's buffer
};

// The Base64 decoder works in a 1024-byte buffer, so a code carries at most 1023 encrypted bytes.
inline constexpr size_t kDeviceIdCodeMaxEncryptedBytes = 1023;
inline constexpr size_t kDesBlockBytes = 8;
// The longest text whose padded cipher text still fits: 127 whole blocks hold 1015 text bytes.
inline constexpr size_t kDeviceIdCodeMaxTextBytes =
    kDeviceIdCodeMaxEncryptedBytes / kDesBlockBytes * kDesBlockBytes - 1;

// Decodes the Base64 code and decrypts it. outputLength holds the capacity of output on entry and
// the decrypted length on return; on failure neither output nor outputLength is touched.
int DecodeDeviceIdCode(const unsigned char* code, size_t length, unsigned char* output, size_t& outputLength);

// Encrypts the text with the same key and parameters and returns its Base64 code in `code`
// (left untouched on failure).
int EncodeDeviceIdCode(const unsigned char* text, size_t length, std::string& code);

}  // namespace vorma
