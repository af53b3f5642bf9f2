#pragma once
// Helpers of the form tests: an initialised application, pixel access and bounded waits.

#include "forms/Application.h"
#include "forms/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vorma::forms::test {

// Pixels come back as 0x00RRGGBB; RGB() builds 0x00BBGGRR.
constexpr DWORD Pixel(BYTE r, BYTE g, BYTE b) { return (DWORD{r} << 16) | (DWORD{g} << 8) | b; }

inline DWORD PixelAt(const std::vector<DWORD>& pixels, int width, int x, int y) {
  return pixels.at(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x));
}

// Runs the application's pending messages until the condition holds or about two seconds passed.
inline bool PumpUntil(Application& application, const std::function<bool()>& condition, DWORD timeoutMs = 2000) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    application.ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// A 24-bit bottom-up BMP of one colour.
inline std::string SolidBmp(int width, int height, BYTE r, BYTE g, BYTE b) {
  const int stride = (width * 3 + 3) & ~3;
  const DWORD imageSize = static_cast<DWORD>(stride * height);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + imageSize;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
  std::string row(static_cast<size_t>(stride), '\0');
  for (int x = 0; x < width; ++x) {
    row[static_cast<size_t>(x) * 3] = static_cast<char>(b);
    row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(g);
    row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(r);
  }
  for (int y = 0; y < height; ++y) bytes += row;
  return bytes;
}

// Argument structs with the position filled in; the rest keeps its defaults.
template <typename Args>
Args Placed(const std::wstring& name, int left, int top, int width, int height) {
  Args args;
  args.name = name;
  args.left = left;
  args.top = top;
  args.width = width;
  args.height = height;
  return args;
}

inline ShapeArgs SolidShape(const std::wstring& name, int left, int top, int width, int height, COLORREF colour) {
  ShapeArgs args = Placed<ShapeArgs>(name, left, top, width, height);
  args.penColor = colour;
  args.brushColor = colour;
  return args;
}

inline FormArgs BorderlessForm(const std::wstring& name, int width, int height, COLORREF colour = RGB(255, 255, 255)) {
  FormArgs args;
  args.name = name;
  args.clientWidth = width;
  args.clientHeight = height;
  args.borderless = true;
  args.color = colour;
  return args;
}

inline FormArgs NamedForm(const std::wstring& name) {
  FormArgs args;
  args.name = name;
  args.caption = name;
  return args;
}

class FormTest : public ::testing::Test {
protected:
  void SetUp() override {
    // A main form destroyed by an earlier test left its quit message in this thread's queue.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ASSERT_TRUE(application.Initialize());
  }

  Application application{GetModuleHandleW(nullptr)};
};

}  // namespace vorma::forms::test
