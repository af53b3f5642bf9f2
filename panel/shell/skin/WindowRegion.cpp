#include "panel/shell/skin/WindowRegion.h"

#include "forms/Image.h"
#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <cstring>

namespace vorma::shell {
namespace {

constexpr size_t kRegionHeaderSize = sizeof(RGNDATAHEADER);  // 32
constexpr LONGLONG kLargestRegionFile = 16 * 1024 * 1024;

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    DebugWin32Failure(L"CreateFile (region file)", GetLastError());
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestRegionFile) {
    DebugPrint(L"***** Region file %s too large or unreadable FAIL! *****\n", path.c_str());
    return std::nullopt;
  }
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!data.empty() && (!ReadFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) ||
                        read != data.size())) {
    DebugWin32Failure(L"ReadFile (region file)", GetLastError());
    return std::nullopt;
  }
  return data;
}

}  // namespace

std::optional<RegionFileBounds> CheckRegionData(std::string_view data) {
  if (data.size() < kRegionHeaderSize) return std::nullopt;
  RGNDATAHEADER header;
  std::memcpy(&header, data.data(), kRegionHeaderSize);
  if (header.dwSize != kRegionHeaderSize || header.iType != RDH_RECTANGLES) return std::nullopt;
  const unsigned long long rectangles = header.nCount;
  if (rectangles * sizeof(RECT) > data.size() - kRegionHeaderSize) return std::nullopt;
  return RegionFileBounds{header.rcBound.right, header.rcBound.bottom};
}

bool SetWindowRegionFromFile(forms::Form& form, const std::wstring& path) {
  DebugPrint(L"==> TAudioMainForm::SetWindowRegionFromFile %s\n", path.c_str());
  bool set = false;
  if (const auto data = ReadWholeFile(path)) {
    if (const auto bounds = CheckRegionData(*data)) {
      form.SetClientSize(bounds->right, bounds->bottom);
      UniqueGdiObject region(ExtCreateRegion(nullptr, static_cast<DWORD>(data->size()),
                                             reinterpret_cast<const RGNDATA*>(data->data())));
      if (!region)
        DebugWin32Failure(L"ExtCreateRegion", GetLastError());
      else
        set = form.SetWindowRegion(std::move(region));
    } else {
      DebugPrint(L"***** Region file %s is no whole region (%u bytes) FAIL! *****\n", path.c_str(),
                 static_cast<unsigned>(data->size()));
    }
  }
  // Without a usable region the window shows whole rather than keeping another skin's outline.
  if (!set) form.SetWindowRegion(UniqueGdiObject());
  FitClientToMainFormImage(form);
  return set;
}

void FitClientToMainFormImage(forms::Form& form) {
  auto* image = dynamic_cast<forms::Image*>(form.FindControlByName(L"MainFormImage"));
  if (image == nullptr || !image->HasPicture()) {
    DebugWrite(L"[TAudioMainForm] MainFormImage has no picture: the window keeps its size\n");
    return;
  }
  form.SetClientSize(image->PictureWidth(), image->PictureHeight());
}

}  // namespace vorma::shell
