#pragma once
// A delivery folder for the setup tests: AudioConfig.cfg with valid device-ID entries, two
// languages with their [Setup] texts, a skin, the shared files, a manual and the plug-in folders.
// Names that reach machine-wide places (install folder, per-user folder, Start-menu folder,
// panel file name) are unique per delivery, and everything made there is removed again.

#include "tests/support/TestFiles.h"

#include <map>
#include <string>

namespace vorma::setup::test {

struct DeliveryOptions {
  std::map<std::wstring, std::wstring> install;  // [Install] keys over the defaults
  std::wstring pluginFolderName = L"Plugin";
  std::wstring defaultSet = L"EncEnable=1\r\nRuvavIzezoLevel=14\r\nV7ch1Scalar=20,x\r\nEncScalar=10\r\nEncGpio=2\r\n";
  std::wstring encValueMap = L"1=VID_1E4B&PID_7201,3\r\n";
  bool manual = true;
};

class Delivery {
public:
  explicit Delivery(const DeliveryOptions& options = {});
  ~Delivery();

  const std::wstring& Folder() const { return folder_.Path(); }
  std::wstring SetupPath() const { return folder_.Path() + L"Vormasetup.exe"; }
  const std::wstring& Name() const { return name_; }  // install folder, shortcut folder and panel name
  std::wstring InstallFolder() const;
  std::wstring PerUserFolder() const;

private:
  void WriteText(const std::wstring& relativePath, const std::wstring& text) const;
  vorma::test::TempFolder folder_;
  std::wstring name_;
};

// The text of a UTF-16 file.
std::wstring ReadUtf16OrAnsi(const std::wstring& path);

// Removes a folder tree; nothing when it does not exist.
void RemoveTree(const std::wstring& folder);

}  // namespace vorma::setup::test
