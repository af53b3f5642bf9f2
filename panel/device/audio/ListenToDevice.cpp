#include "panel/device/audio/ListenToDevice.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <cwchar>
#include <cwctype>
#include <string>

namespace vorma {
namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

bool ReadText(HKEY key, const wchar_t* name, std::wstring& text) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return false;
  buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
  text = std::move(buffer);
  return true;
}

// The path holds each ID somewhere after its first character; paths are compared without case,
// since Windows writes them in either.
bool PathHoldsIds(const std::wstring& path, std::uint16_t vendorId, std::uint16_t productId) {
  wchar_t vendor[8], product[8];
  std::swprintf(vendor, 8, L"%x", vendorId);
  std::swprintf(product, 8, L"%x", productId);
  const std::wstring lower = Lower(path);
  const size_t v = lower.find(vendor), p = lower.find(product);
  return v != std::wstring::npos && v > 0 && p != std::wstring::npos && p > 0;
}

bool WriteListen(HKEY capture, const std::wstring& endpoint, bool on) {
  UniqueRegKey properties;
  const std::wstring path = endpoint + L"\\Properties";
  if (RegOpenKeyExW(capture, path.c_str(), 0, KEY_SET_VALUE | KEY_WOW64_64KEY, properties.put()) != ERROR_SUCCESS) {
    DebugPrint(L"***** SetListenToDevice open %ls for writing FAIL! *****\n", endpoint.c_str());
    return false;
  }
  BYTE bytes[kListenValueSize];
  ListenValueBytes(on, bytes);
  bool ok = RegSetValueExW(properties.get(), kListenValue1, 0, REG_BINARY, bytes, kListenValueSize) == ERROR_SUCCESS;
  ok = RegSetValueExW(properties.get(), kListenValue4, 0, REG_BINARY, bytes, kListenValueSize) == ERROR_SUCCESS && ok;
  RegFlushKey(properties.get());
  return ok;
}

}  // namespace

void ListenValueBytes(bool on, BYTE (&bytes)[kListenValueSize]) {
  const WORD words[6] = {0x000B, 0, 1, 0, static_cast<WORD>(on ? 0xFFFF : 0), 0};
  for (int i = 0; i < 6; ++i) {
    bytes[2 * i] = static_cast<BYTE>(words[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<BYTE>(words[i] >> 8);
  }
  for (DWORD i = 12; i < kListenValueSize; ++i) bytes[i] = 0;
}

int SetListenToDevice(bool on, std::uint16_t vendorId, std::uint16_t productId, int* written) {
  if (written) *written = 0;
  UniqueRegKey capture;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCaptureEndpointsKey, 0, KEY_ENUMERATE_SUB_KEYS | KEY_WOW64_64KEY,
                    capture.put()) != ERROR_SUCCESS) {
    DebugWrite(L"***** SetListenToDevice open Capture FAIL! *****\n");
    return kListenNoCaptureKey;
  }
  int result = kListenDone;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(capture.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    UniqueRegKey properties;
    const std::wstring path = std::wstring(name) + L"\\Properties";
    if (RegOpenKeyExW(capture.get(), path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, properties.put()) != ERROR_SUCCESS)
      continue;
    std::wstring devicePath;
    if (!ReadText(properties.get(), kEndpointDevicePathValue, devicePath)) continue;
    if (!PathHoldsIds(devicePath, vendorId, productId)) continue;
    properties.reset();
    if (!WriteListen(capture.get(), name, on)) {
      result = kListenWriteFailed;
      continue;
    }
    if (written) ++*written;
  }
  return result;
}

int RestartAudioService() {
  UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) {
    DebugWin32Failure(L"RestartAudioService OpenSCManagerW", GetLastError());
    return kAudioServiceStartFailed;
  }
  UniqueServiceHandle service(OpenServiceW(manager.get(), kAudioServiceName, SERVICE_ALL_ACCESS));
  if (!service) {
    DebugWin32Failure(L"RestartAudioService OpenServiceW", GetLastError());
    return kAudioServiceStartFailed;
  }
  SERVICE_STATUS status = {};
  if (QueryServiceStatus(service.get(), &status) && status.dwCurrentState == SERVICE_RUNNING) {
    if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) {
      DebugWin32Failure(L"RestartAudioService ControlService stop", GetLastError());
      return kAudioServiceStopRefused;
    }
    bool stopped = false;
    for (int query = 0; query < 1000 && !stopped; ++query) {
      stopped = QueryServiceStatus(service.get(), &status) && status.dwCurrentState == SERVICE_STOPPED;
      if (!stopped) Sleep(10);
    }
    if (!stopped) return kAudioServiceDidNotStop;
  }
  if (!StartServiceW(service.get(), 0, nullptr)) {
    DebugWin32Failure(L"RestartAudioService StartServiceW", GetLastError());
    return kAudioServiceStartFailed;
  }
  return kAudioServiceRestarted;
}

}  // namespace vorma
