#pragma once
// DES with the device-ID key through CryptoAPI: cipher-block chaining, an all-zero initial vector and
// PKCS #5 padding, which are the defaults of an imported DES key. Decoder and encoder both go through
// here, so the two can never disagree about provider, key or mode. The Windows build does it with
// CryptoAPI (DeviceIdCipher.cpp); a build without Windows plugs in its own DES behind these two
// functions.

#include <cstddef>
#include <vector>

namespace vorma {

// The vendor's DES key: these 8 ASCII bytes, imported as a plain-text key.
inline constexpr char kDeviceIdDesKey[] = "Qm7rTvLw";

// Decrypts `length` bytes (a non-zero multiple of 8) in place, one 8-byte block at a time with only
// the last block final, so its padding is checked and removed. Returns false when the provider or key
// is unavailable or a block fails (a wrong padding fails the last block); plainLength is then untouched.
bool DesDecryptDeviceIdBlocks(unsigned char* data, size_t length, size_t& plainLength);

// Encrypts the text with padding; returns false when CryptoAPI fails.
bool DesEncryptDeviceIdText(const unsigned char* text, size_t length, std::vector<unsigned char>& cipher);

}  // namespace vorma
