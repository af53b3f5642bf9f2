#pragma once
// Sound profiles: the whole sound state of the panel in an INI file, written and read with the
// private-profile API. The window saves LastProfile.ini when it closes and loads it when it opens,
// reads DefaultProfile.ini for defaults, and offers Save and Load dialogs for profiles of the user's
// own. The pages keep their state; this class knows the keys, their order and formats, and the
// order in which a load applies them.

#include "forms/DialogPort.h"

#include <string>

namespace vorma::features {
class CEqualizerPage;
class CThreeDPage;
class CVirtual7ch1Page;
class CEncVoicePage;
}  // namespace vorma::features

namespace vorma::profiles {

class ProfileWriter;

// What profiles need of the window beyond the four pages below.
class SoundProfileHost {
public:
  // The active device's HID interface opens (the dialogs do nothing when it does not).
  virtual bool HidDeviceOpens() = 0;
  virtual int CurrentEffect() = 0;
  // Shows the sound-field effect 1-5 and sends it to the device.
  virtual void LoadEffect(int effect) = 0;
  // The [LED] keys: written from the LED state; a load applies LEDON when present and then the
  // other keys.
  virtual void SaveLedKeys(ProfileWriter& writer) = 0;
  virtual void LoadLedKeys(const std::wstring& path) = 0;
  virtual void RefreshPage() = 0;

protected:
  ~SoundProfileHost() = default;
};

struct SoundProfilePages {
  features::CEqualizerPage& eq;
  features::CThreeDPage& threeD;
  features::CVirtual7ch1Page& virtual7ch1;
  features::CEncVoicePage& encVoice;
};

struct ProfileFolders {
  std::wstring userAppFolder;  // %APPDATA%\<InstallFolderName>: LastProfile.ini, DefaultProfile.ini
  std::wstring userFolder;     // %USERPROFILE%\<InstallFolderName>: where the dialogs start
  std::wstring configPath;     // the program folder's AudioConfig.cfg, [LastINI] Path
};

class CSoundProfiles {
public:
  CSoundProfiles(SoundProfilePages pages, SoundProfileHost& host, forms::DialogPort& dialogs, ProfileFolders folders);

  // Writes every key; false when the file could not be written (it is then left as it was).
  bool SaveProfile(const std::wstring& path);
  void LoadProfile(const std::wstring& path);
  void SaveProfileDialog(HWND owner);
  void LoadProfileDialog(HWND owner);

  // Window creation: DefaultProfile.ini loaded and its enables read (the window calls this only
  // when the configuration asks for it); LastProfile.ini loaded when it exists.
  void LoadDefaultProfile();
  bool LoadLastProfile();
  // Window destruction, first of all.
  void SaveLastProfile();

  // The profile loaded last, from which the LED page takes its keys.
  const std::wstring& CurrentProfilePath() const { return currentPath_; }
  std::wstring LastProfilePath() const { return folders_.userAppFolder + L"\\LastProfile.ini"; }
  std::wstring DefaultProfilePath() const { return folders_.userAppFolder + L"\\DefaultProfile.ini"; }

private:
  void WriteEqKeys(ProfileWriter& writer);
  void WriteThreeDKeys(ProfileWriter& writer);
  void WriteEncVoiceKeys(ProfileWriter& writer);
  void LoadEq(const std::wstring& path);
  void LoadThreeD(const std::wstring& path);
  void LoadEffect(const std::wstring& path);
  void ReadDefaultEnables(const std::wstring& path);

  SoundProfilePages pages_;
  SoundProfileHost& host_;
  forms::DialogPort& dialogs_;
  ProfileFolders folders_;
  std::wstring currentPath_;
};

}  // namespace vorma::profiles
