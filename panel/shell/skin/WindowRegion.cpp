#include "panel/shell/skin/WindowRegion.h"

#include "forms/GdiHandles.h"
#include "forms/Image.h"
#include "foundation/DebugOutput.h"
#include "foundation/FileBytes.h"

#include <optional>

namespace vorma::shell {
namespace {

constexpr size_t kLargestRegionFile = 16 * 1024 * 1024;

std::optional<std::string> ReadRegionFile(const std::wstring& path) {
  std::string data;
  switch (ReadFileBytes(path, kLargestRegionFile, data)) {
    case FileBytesResult::kRead: return data;
    case FileBytesResult::kCannotOpen: DebugPrint(L"***** Region file %s cannot be opened FAIL! *****\n", path.c_str()); break;
    default: DebugPrint(L"***** Region file %s too large or unreadable FAIL! *****\n", path.c_str()); break;
  }
  return std::nullopt;
}

}  // namespace

bool SetWindowRegionFromFile(forms::Form& form, const std::wstring& path) {
  DebugPrint(L"==> TAudioMainForm::SetWindowRegionFromFile %s\n", path.c_str());
  bool set = false;
  if (const auto data = ReadRegionFile(path)) {
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
