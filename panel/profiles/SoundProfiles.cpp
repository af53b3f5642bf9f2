#include "panel/profiles/SoundProfiles.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "foundation/ValueItems.h"
#include "panel/features/encvoice/EncVoicePage.h"
#include "panel/features/equalizer/EqualizerPage.h"
#include "panel/features/threed/ThreeDPage.h"
#include "panel/features/virtual7ch1/Virtual7ch1Page.h"
#include "panel/profiles/ProfileWriter.h"

#include <cwchar>

namespace vorma::profiles {
namespace {

constexpr int kPresetCount = 4;
constexpr int kEffectCount = 5;

std::wstring Read(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  ReadProfileString(path, section, key, value);
  return value;
}

// Flags and enables: a missing key is 0, other text counts by its leading digits.
int ReadFlag(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  return LenientInteger(Read(path, section, key));
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void CreateFolder(const std::wstring& folder) {
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    DebugWin32Failure((L"profiles: creating " + folder).c_str(), GetLastError());
}

std::wstring PresetKey(int preset) { return L"S" + std::to_wstring(preset); }

std::vector<forms::FileFilter> IniFilter() { return {forms::FileFilter{L"INI (*.ini)", L"*.ini"}}; }

}  // namespace

CSoundProfiles::CSoundProfiles(SoundProfilePages pages, SoundProfileHost& host, forms::DialogPort& dialogs,
                               ProfileFolders folders)
    : pages_(pages), host_(host), dialogs_(dialogs), folders_(std::move(folders)) {}

// ------------------------------------------------------------------------------------------ save

bool CSoundProfiles::SaveProfile(const std::wstring& path) {
  ProfileWriter writer(path);
  // The preset walk must not write the band registers while it unpacks each slot.
  pages_.eq.SetSaving(true);
  WriteEqKeys(writer);
  pages_.eq.SetSaving(false);
  WriteThreeDKeys(writer);
  writer.Write(L"Effect", L"CurrentEffect", host_.CurrentEffect());
  if (writer.Ready() && !pages_.virtual7ch1.SaveProfile(writer.Path())) writer.MarkFailed();
  host_.SaveLedKeys(writer);
  WriteEncVoiceKeys(writer);
  if (!writer.Commit()) {
    DebugPrint(L"[CSoundProfiles::SaveProfile] \"%ls\" not saved; the file stays as it was\n", path.c_str());
    return false;
  }
  return true;
}

void CSoundProfiles::WriteEqKeys(ProfileWriter& writer) {
  features::CEqualizerPage& eq = pages_.eq;
  for (int preset = 1; preset <= kPresetCount; ++preset) {
    eq.ApplyEqPreset(preset);
    const auto& codes = eq.CurrentRecord().codes;
    wchar_t text[96];
    std::swprintf(text, 96, L"0x%X,0x%X,0x%X,0x%X,0x%X,%d", codes[0], codes[1], codes[2], codes[3], codes[4],
                  eq.EqEnable());
    writer.Write(L"EQ", PresetKey(preset).c_str(), text);
  }
  eq.ApplyEqPreset(eq.EqPreset());
  writer.Write(L"EQ", L"EQEN", eq.EqEnable());
  writer.Write(L"EQ", L"EQFromEEPROM", eq.EqFromEeprom());
}

void CSoundProfiles::WriteThreeDKeys(ProfileWriter& writer) {
  features::CThreeDPage& threeD = pages_.threeD;
  const features::ThreeDRecord& record = threeD.Record();
  writer.Write(L"3D", L"LeftAlpha", record.leftAlpha);
  writer.Write(L"3D", L"LeftBeta", record.leftBeta);
  writer.Write(L"3D", L"RightAlpha", record.rightAlpha);
  writer.Write(L"3D", L"RightBeta", record.rightBeta);
  writer.Write(L"3D", L"FBM", threeD.Fbm());
  writer.Write(L"3D", L"3DEN", threeD.ThreeDEnable());
  writer.Write(L"3D", L"3DFromEEPROM", threeD.ThreeDFromEeprom());
}

void CSoundProfiles::WriteEncVoiceKeys(ProfileWriter& writer) {
  const features::CEncVoicePage& page = pages_.encVoice;
  writer.Write(L"ENC", L"ENCEN", page.EncEnable());
  writer.Write(L"ENC", L"ENCValue", page.EncLevel());
  writer.Write(L"RuvavIzezo", L"RuvavIzezoEN", page.VoiceEffectEnable());
  writer.Write(L"RuvavIzezo", L"RuvavIzezoMode", page.VoiceEffectMode());
}

// ------------------------------------------------------------------------------------------ load

void CSoundProfiles::LoadProfile(const std::wstring& path) {
  DebugPrint(L"[CSoundProfiles::LoadProfile] \"%ls\"\n", path.c_str());
  pages_.eq.ClearDeviceSyncWithoutDevice();
  LoadEq(path);
  LoadThreeD(path);
  LoadEffect(path);
  pages_.virtual7ch1.LoadProfile(path, pages_.threeD.ThreeDEnable());
  currentPath_ = path;
  host_.LoadLedKeys(path);
  // ENC and the voice effect keep their settings in the registry; the profile's keys are a record.
  pages_.encVoice.InitEnc();
  pages_.encVoice.InitVoiceEffect();
  host_.RefreshPage();
}

void CSoundProfiles::LoadEq(const std::wstring& path) {
  features::CEqualizerPage& eq = pages_.eq;
  eq.SetEqFromEeprom(ReadFlag(path, L"EQ", L"EQFromEEPROM"));
  for (int slot = 0; slot < kPresetCount; ++slot) {
    const std::wstring value = Read(path, L"EQ", PresetKey(slot + 1).c_str());
    // A preset that is missing or not five codes and an enable keeps what the slot holds.
    if (!eq.LoadEqPresetValues(SplitValueItems(value), slot, eq.EqPreset() - 1) && !value.empty())
      DebugPrint(L"[CSoundProfiles::LoadProfile] S%d = \"%ls\" is not a preset\n", slot + 1, value.c_str());
  }
  eq.SetEqEnable(ReadFlag(path, L"EQ", L"EQEN") != 0 ? 1 : 0);
  eq.WriteEqEnableAndBands(eq.EqEnable());
  eq.ApplyEqOnOff(eq.EqEnable());
}

void CSoundProfiles::LoadThreeD(const std::wstring& path) {
  features::CThreeDPage& threeD = pages_.threeD;
  threeD.SetThreeDEnable(ReadFlag(path, L"3D", L"3DEN") != 0 ? 1 : 0);
  threeD.Apply3DOnOff(threeD.ThreeDEnable());
  threeD.Show3DButtons(threeD.Fbm(), threeD.ThreeDEnable());
  threeD.SetThreeDFromEeprom(ReadFlag(path, L"3D", L"3DFromEEPROM"));
}

void CSoundProfiles::LoadEffect(const std::wstring& path) {
  const std::wstring value = Read(path, L"Effect", L"CurrentEffect");
  const std::optional<std::int32_t> effect = ParseStrictInteger(value);
  // An effect that is missing, not a number or not one of the five keeps the current one.
  if (!effect || *effect < 1 || *effect > kEffectCount) {
    if (!value.empty()) DebugPrint(L"[CSoundProfiles::LoadProfile] CurrentEffect = \"%ls\" kept\n", value.c_str());
    return;
  }
  host_.LoadEffect(*effect);
}

// ------------------------------------------------------------------------------- start and close

void CSoundProfiles::LoadDefaultProfile() {
  const std::wstring path = DefaultProfilePath();
  if (!FileExists(path)) return;
  LoadProfile(path);
  ReadDefaultEnables(path);
}

void CSoundProfiles::ReadDefaultEnables(const std::wstring& path) {
  pages_.eq.SetDefaultEqEnable(ReadFlag(path, L"EQ", L"EQEN"));
  pages_.threeD.SetDefault3DEnable(ReadFlag(path, L"3D", L"3DEN"));
  pages_.virtual7ch1.ReadDefaultEnable(path);
}

bool CSoundProfiles::LoadLastProfile() {
  const std::wstring path = LastProfilePath();
  if (!FileExists(path)) return false;
  LoadProfile(path);
  return true;
}

void CSoundProfiles::SaveLastProfile() {
  CreateFolder(folders_.userAppFolder);
  SaveProfile(LastProfilePath());
}

// --------------------------------------------------------------------------------------- dialogs

void CSoundProfiles::SaveProfileDialog(HWND owner) {
  if (!host_.HidDeviceOpens()) return;
  CreateFolder(folders_.userFolder);
  forms::FileDialogArgs args;
  args.owner = owner;
  args.filters = IniFilter();
  args.initialFolder = folders_.userFolder;
  args.fileName = L"AudioSetting.ini";
  std::wstring path;
  if (!dialogs_.SaveFile(args, path)) return;
  if (path.find(L".ini") == std::wstring::npos) path += L".ini";
  SaveProfile(path);
  // The program folder is usually not writable for the user; the profile is saved all the same.
  if (!TryWriteProfileString(folders_.configPath, L"LastINI", L"Path", path))
    DebugWin32Failure((L"profiles: remembering the last profile in " + folders_.configPath).c_str(), GetLastError());
}

void CSoundProfiles::LoadProfileDialog(HWND owner) {
  if (!host_.HidDeviceOpens()) return;
  forms::FileDialogArgs args;
  args.owner = owner;
  args.filters = IniFilter();
  const std::wstring last = Read(folders_.configPath, L"LastINI", L"Path");
  if (!last.empty()) {
    args.initialFolder = last.substr(0, last.find_last_of(L'\\'));
  } else {
    CreateFolder(folders_.userFolder);
    args.initialFolder = folders_.userFolder;
  }
  std::wstring path;
  if (!dialogs_.OpenFile(args, path)) return;
  LoadProfile(path);
}

}  // namespace vorma::profiles
