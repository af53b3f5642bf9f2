#include "forms/DialogPort.h"

#include "forms/CommonDialogs.h"
#include "foundation/DebugOutput.h"

namespace vorma::forms {
namespace {

// "Text\0pattern\0...\0\0", as OPENFILENAME wants its filter.
std::wstring FilterText(const std::vector<FileFilter>& filters) {
  std::wstring text;
  for (const FileFilter& filter : filters) {
    text += filter.description;
    text.push_back(L'\0');
    text += filter.pattern;
    text.push_back(L'\0');
  }
  text.push_back(L'\0');
  return text;
}

bool RunFileDialog(const FileDialogArgs& args, bool save, std::wstring& path) {
  const CommonDialogFunctions* dialogs = CommonDialogs();
  if (!dialogs) return false;
  std::wstring buffer = args.fileName;
  buffer.resize(32768, L'\0');
  const std::wstring filter = FilterText(args.filters);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = args.owner;
  dialog.lpstrFilter = args.filters.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir = args.initialFolder.empty() ? nullptr : args.initialFolder.c_str();
  dialog.lpstrTitle = args.title.empty() ? nullptr : args.title.c_str();
  dialog.lpstrDefExt = args.defaultExtension.empty() ? nullptr : args.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (save && args.overwritePrompt) dialog.Flags |= OFN_OVERWRITEPROMPT;
  if (!save) dialog.Flags |= OFN_FILEMUSTEXIST;
  const BOOL confirmed = save ? dialogs->getSaveFileName(&dialog) : dialogs->getOpenFileName(&dialog);
  if (!confirmed) {
    // Zero means the user cancelled; anything else is a real failure worth recording.
    if (const DWORD error = dialogs->extendedError(); error != 0) {
      DebugPrint(L"***** %s FAIL! error 0x%lx *****\n", save ? L"GetSaveFileNameW" : L"GetOpenFileNameW", error);
    }
    return false;
  }
  path.assign(buffer.c_str());
  return true;
}

}  // namespace

int Win32Dialogs::Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

bool Win32Dialogs::OpenFile(const FileDialogArgs& args, std::wstring& path) { return RunFileDialog(args, false, path); }

bool Win32Dialogs::SaveFile(const FileDialogArgs& args, std::wstring& path) { return RunFileDialog(args, true, path); }

bool Win32Dialogs::ChooseColour(HWND owner, COLORREF& colour) {
  const CommonDialogFunctions* dialogs = CommonDialogs();
  if (!dialogs) return false;
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.rgbResult = colour;
  dialog.lpCustColors = customColours_;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!dialogs->chooseColor(&dialog)) return false;
  colour = dialog.rgbResult;
  return true;
}

}  // namespace vorma::forms
