#include "setup/tests/SetupDelivery.h"

#include "foundation/DeviceIdCode.h"
#include "setup/Registration.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

namespace vorma::setup::test {
namespace {

// An entry the device-ID manager accepts; a pattern that cannot be encoded gives an entry it drops.
std::wstring DeviceIdEntry(const std::string& pattern) {
  std::string code;
  if (EncodeDeviceIdCode(reinterpret_cast<const unsigned char*>(pattern.data()), pattern.size(), code) !=
      kDeviceIdCodeDone) {
    code = "invalid";
  }
  return std::wstring(pattern.begin(), pattern.end()) + L"," + std::wstring(code.begin(), code.end());
}

const wchar_t kSetupTexts[] =
    L"[Setup]\r\nLabelBackBtn=< Back\r\nLabelNextBtn=Next >\r\nLabelFinishBtn=Finish\r\nLabelCancelBtn=Cancel\r\n"
    L"LabelSelectLang=Select the language:\r\nLabelVersion=Version\r\nLabelZurudOvo=Connect the headset.\r\n"
    L"LabelInstall=Installing...\r\nLabelReboot=Done.\r\nLabelRebootRadioBtn=\"Yes, reboot now\",\r\n"
    L"LabelNoRebootRadioBtn=\"No, reboot later\",\r\nLabelWarning1=Close the programs.\r\n"
    L"LabelWarning2=Installation failed.\r\nAntivirusTip=Allow the driver.\r\n";

}  // namespace

Delivery::Delivery(const DeliveryOptions& options) {
  // GetTickCount plus the process id keeps two test programs apart.
  name_ = L"VormaT" + std::to_wstring(GetCurrentProcessId()) + L"x" + std::to_wstring(GetTickCount() % 100000);
  std::map<std::wstring, std::wstring> install = {
      {L"InstallAppTitle", L"Vorma Test"},      {L"InstallIconFileName", L"Vorma.ico"},
      {L"InstallFolderName", name_},            {L"ShortcutFolderName", name_},
      {L"ShortcutFolderNameUp", L""},           {L"AppShortcutName", L"Vorma Audio Center"},
      {L"APPFileName", name_},                  {L"UserManualShortcutName", L"User Manual"},
      {L"EffectAPPFileName", L"VormaEffect"},   {L"SoundEffectAPPFileName", L"VormaSoundEffect"},
      {L"InstallBackgroundFileName", L""},      {L"DesktopShortcutEnable", L"1"},
      {L"InstallWindowsKB", L"0"},              {L"ShowRebootScreen", L"0"},
  };
  for (const auto& [key, value] : options.install) install[key] = value;
  std::wstring config = L"[Language]\r\nLanguageFolderName=Languages\r\nDefaultLanguage=English\r\n"
                        L"[MultiLanguageFolderMap]\r\nEnglish=English\r\nGerman=Deutsch\r\n"
                        L"[Skin]\r\nSkinFolderName=Skins\r\n[Install]\r\n";
  for (const auto& [key, value] : install) config += key + L"=" + value + L"\r\n";
  config += L"[Uninstall]\r\nUninstallShortcutName=Uninstall Vorma\r\nPublisher=Vorma Audio\r\n"
            L"UninstallDisplayName=Vorma Audio Center\r\nUninstallFileName=Uninstall" + name_ + L"\r\n";
  config += L"[Plugin]\r\nPluginFolderName=" + options.pluginFolderName + L"\r\n";
  config += L"[DefaultSet]\r\n" + options.defaultSet + L"[EncValueMap]\r\n" + options.encValueMap;
  config += L"[USB_VID_PID]\r\n1=" + DeviceIdEntry("USB\\VID_1E4B&PID_72XX&REV_0100&MI_00") + L"\r\n";
  config += L"[HID_VID_PID]\r\n1=" + DeviceIdEntry("HID\\VID_1E4B&PID_72XX&REV_0100&MI_03") + L"\r\n";
  WriteText(L"AudioConfig.cfg", config);
  WriteText(L"DefaultProfile.ini", L"[EQ]\r\nPreset=0\r\n");
  WriteText(L"Languages\\English\\Language.ini", std::wstring(kSetupTexts) + L"LabelTitle=Vorma Setup\r\n");
  WriteText(L"Languages\\German\\Language.ini",
            std::wstring(kSetupTexts) + L"LabelTitle=Vorma Einrichtung\r\n");
  WriteText(L"Skins\\Graphite\\SkinSetting.ini", L"[Main]\r\n");
  WriteText(L"bee.wav", L"RIFF");
  WriteText(L"Vorma.ico", L"not an icon");
  WriteText(L"DLLQZ_UsbAudio72xx_x32.dll", L"MZ");
  if (options.manual) WriteText(L"Manual\\English\\Manual.pdf", L"%PDF");
  if (!options.pluginFolderName.empty()) {
    WriteText(options.pluginFolderName + L"\\VormaEffect\\readme.txt", L"effect");
    WriteText(options.pluginFolderName + L"\\VormaSoundEffect\\readme.txt", L"sound effect");
  }
}

Delivery::~Delivery() {
  RemoveTree(InstallFolder());
  RemoveTree(PerUserFolder());
  RemoveTree(SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + name_);
  DeleteFileW((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Vorma Audio Center.lnk").c_str());
  HKEY run = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueW(run, name_.c_str());
    RegCloseKey(run);
  }
}

std::wstring Delivery::InstallFolder() const {
  return SpecialFolder(CSIDL_PROGRAM_FILES) + L"\\" + name_ + L"\\";
}

std::wstring Delivery::PerUserFolder() const {
  wchar_t appData[MAX_PATH] = {};
  GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
  return std::wstring(appData) + L"\\" + name_ + L"\\";
}

void Delivery::WriteText(const std::wstring& relativePath, const std::wstring& text) const {
  const std::wstring path = folder_.Path() + relativePath;
  SHCreateDirectoryExW(nullptr, path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
  // UTF-16 with its byte-order mark, as the shipped files are.
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  folder_.WriteBytes(relativePath, bytes);
}

std::wstring ReadUtf16OrAnsi(const std::wstring& path) {
  const std::string bytes = vorma::test::ReadFileBytes(path);
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  }
  return std::wstring(bytes.begin(), bytes.end());
}

void RemoveTree(const std::wstring& folder) {
  std::wstring from = folder;
  while (!from.empty() && from.back() == L'\\') from.pop_back();
  if (GetFileAttributesW(from.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

}  // namespace vorma::setup::test
