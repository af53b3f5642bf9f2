#pragma once
// Message boxes and the common dialogs go through this one seam so tests can answer them by
// script. Win32Dialogs shows the real ones.

#include "foundation/MessageBoxPort.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vorma::forms {

struct FileFilter {
  std::wstring description;  // "Profile files (*.ini)"
  std::wstring pattern;      // "*.ini"; several patterns separated by ';'
};

struct FileDialogArgs {
  HWND owner = nullptr;
  std::wstring title;
  std::vector<FileFilter> filters;
  std::wstring defaultExtension;  // without the dot
  std::wstring initialFolder;
  std::wstring fileName;          // proposed name
  bool overwritePrompt = true;    // save dialog only
};

class DialogPort : public MessageBoxPort {
public:
  // Returns true and the chosen full path when the user confirmed.
  virtual bool OpenFile(const FileDialogArgs& args, std::wstring& path) = 0;
  virtual bool SaveFile(const FileDialogArgs& args, std::wstring& path) = 0;
  // Starts from colour and returns true with the chosen colour when the user confirmed.
  virtual bool ChooseColour(HWND owner, COLORREF& colour) = 0;
};

class Win32Dialogs final : public DialogPort {
public:
  int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override;
  bool OpenFile(const FileDialogArgs& args, std::wstring& path) override;
  bool SaveFile(const FileDialogArgs& args, std::wstring& path) override;
  bool ChooseColour(HWND owner, COLORREF& colour) override;

private:
  COLORREF customColours_[16] = {};  // kept between colour dialogs as the user expects
};

}  // namespace vorma::forms
