// The program's AudioConfig.cfg as the panel reads it: the settings record and the main window's
// values, the strict ones failing only with their conversion error.

#include "foundation/AudioConfigRecord.h"
#include "foundation/ProfileFile.h"
#include "panel/shell/MainFormSettings.h"
#include "tests/fuzz/support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vorma;
  const ProfileFile file = ProfileFile::FromBytes(fuzz::Bytes(data, size));
  SetupAudioConfigInfo record;
  // As ReadProfileValue: a value of at most 1023 characters, stored only when not empty.
  FillAudioConfigRecord(
      L"C:\\Program Files\\Vorma\\Vormapanel.exe",
      [&file](const wchar_t* section, const wchar_t* key, std::wstring& destination) {
        std::wstring value;
        file.Read(section, key, value, kConfigValueCapacity);
        if (value.empty()) return 1;
        destination = value;
        return 0;
      },
      record, &record.ShortcutFolderNameUp, &record.SoundEffectAPPFileName);
  VORMA_FUZZ_CHECK(record.SourceFolderFullPath == L"C:\\Program Files\\Vorma\\");
  VORMA_FUZZ_CHECK(!record.DebugLevelApplication.empty() && !record.DebugLevelService.empty());
  try {
    const shell::MainFormSettings settings = shell::ReadMainFormSettings(file);
    for (int function : settings.gpio.function) VORMA_FUZZ_CHECK(function >= -1);
  } catch (const shell::ConversionError& error) {
    VORMA_FUZZ_CHECK(error.Text().ends_with(L"' is not a valid integer value"));
  }
  return 0;
}
