#include "foundation/DeviceIdCipher.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <cstring>
#include <utility>

namespace vorma {
namespace {

constexpr wchar_t kProviderName[] = L"Microsoft Enhanced Cryptographic Provider v1.0";
constexpr size_t kBlockBytes = 8;

// The layout CryptImportKey expects for a plain-text key: header, key length, key bytes.
struct PlainTextDesKeyBlob {
  BLOBHEADER header;
  DWORD keyLength;
  BYTE key[8];
};
static_assert(sizeof(kDeviceIdDesKey) - 1 == sizeof(PlainTextDesKeyBlob::key));

// Members are destroyed in reverse order, so the key is always destroyed before its provider.
struct DeviceIdKey {
  UniqueCryptProvider provider;
  UniqueCryptKey key;
};

bool OpenDeviceIdKey(DeviceIdKey& key) {
  // Verify-context mode needs no key container, so nothing is left behind in the user's profile.
  if (!CryptAcquireContextW(key.provider.put(), nullptr, kProviderName, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
    DebugWin32Failure(L"CryptAcquireContext", GetLastError());
    return false;
  }
  PlainTextDesKeyBlob blob{};
  blob.header.bType = PLAINTEXTKEYBLOB;
  blob.header.bVersion = CUR_BLOB_VERSION;
  blob.header.reserved = 0;
  blob.header.aiKeyAlg = CALG_DES;
  blob.keyLength = sizeof(blob.key);
  std::memcpy(blob.key, kDeviceIdDesKey, sizeof(blob.key));
  if (!CryptImportKey(key.provider.get(), reinterpret_cast<const BYTE*>(&blob), sizeof(blob), 0, 0,
                      key.key.put())) {
    DebugWin32Failure(L"CryptImportKey", GetLastError());
    return false;
  }
  return true;
}

}  // namespace

bool DesDecryptDeviceIdBlocks(unsigned char* data, size_t length, size_t& plainLength) {
  if (length == 0 || length % kBlockBytes != 0) return false;
  DeviceIdKey key;
  if (!OpenDeviceIdKey(key)) return false;
  size_t total = 0;
  for (size_t offset = 0; offset < length; offset += kBlockBytes) {
    const BOOL isFinal = offset + kBlockBytes == length ? TRUE : FALSE;
    DWORD blockLength = kBlockBytes;
    // Non-final blocks come back whole, so the plain text stays contiguous in the buffer.
    if (!CryptDecrypt(key.key.get(), 0, isFinal, 0, data + offset, &blockLength)) return false;
    total += blockLength;
  }
  plainLength = total;
  return true;
}

bool DesEncryptDeviceIdText(const unsigned char* text, size_t length, std::vector<unsigned char>& cipher) {
  // PKCS #5 always adds between 1 and 8 bytes.
  const size_t paddedLength = (length / kBlockBytes + 1) * kBlockBytes;
  if (paddedLength > MAXDWORD) return false;
  DeviceIdKey key;
  if (!OpenDeviceIdKey(key)) return false;
  std::vector<unsigned char> buffer(paddedLength);
  if (length) std::memcpy(buffer.data(), text, length);
  DWORD dataLength = static_cast<DWORD>(length);
  if (!CryptEncrypt(key.key.get(), 0, TRUE, 0, buffer.data(), &dataLength, static_cast<DWORD>(buffer.size()))) {
    DebugWin32Failure(L"CryptEncrypt", GetLastError());
    return false;
  }
  buffer.resize(dataLength);
  cipher = std::move(buffer);
  return true;
}

}  // namespace vorma
