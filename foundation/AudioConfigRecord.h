#pragma once
// Filling the settings record from the values of a configuration file; the Windows folders the
// record also holds are added by ReadAudioConfig (AudioConfig.cpp).

#include "foundation/AudioConfig.h"

#include <functional>
#include <string>

namespace vorma {

// Reads one value of the configuration file as ReadProfileValue does: 0 and the value stored when
// it is non-empty, 1 and the destination untouched otherwise.
using ConfigValueReader = std::function<int(const wchar_t* section, const wchar_t* key, std::wstring& destination)>;

// The folder of the running program, up to and including the last backslash of its full path.
std::wstring ProgramFolder(const std::wstring& programFullPath);

// Splits the program path into SourceAppFileName and SourceFolderFullPath (and AppFolder), reads
// every key of the record in the file's order (the installer's two extra keys where given) and
// sets the debug levels that stay empty to "0".
void FillAudioConfigRecord(const std::wstring& programFullPath, const ConfigValueReader& read, AudioConfigInfo& r,
                           std::wstring* shortcutFolderNameUp, std::wstring* soundEffectAppFileName);

}  // namespace vorma
