// Loads a device-ID section of N keys from a file (as setup does with a delivery folder's
// AudioConfig.cfg) and prints the milliseconds it took, for a few section sizes. The entries have
// a pattern but a code that is no Base64, so the figure is the load and the section walk, not the
// DES decryption of each entry.
//
//   DeviceIdLoadBench.exe [KEYS ...]      (default 10000 40000 100000)

#include "foundation/DeviceIdManager.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring WriteSection(size_t keys) {
  std::string text = "[USB_VID_PID]\r\n";
  for (size_t i = 0; i < keys; ++i) text += "Key" + std::to_string(i) + "=USB\\VID_1E4B&PID_72XX,not-a-code\r\n";
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"DeviceIdLoadBench-" + std::to_wstring(keys) + L".cfg";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::wcstoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {10000, 40000, 100000};
  for (size_t keys : sizes) {
    const std::wstring path = WriteSection(keys);
    vorma::CDeviceIdMgr manager;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const int result = manager.LoadFromConfig(path, vorma::kUsbDeviceIdSection);
    QueryPerformanceCounter(&end);
    std::printf("%zu keys: %.1f ms (result %d, %zu entries read)\n", keys, Milliseconds(start, end), result,
                manager.RawEntries().size());
    DeleteFileW(path.c_str());
  }
  return 0;
}
