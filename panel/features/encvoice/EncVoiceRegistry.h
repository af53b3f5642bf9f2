#pragma once
// Where the ENC level and the voice effect live between runs: per machine, below
// HKEY_LOCAL_MACHINE\SOFTWARE\KVX 72xx Software. Setup writes the factory values; the panel reads
// them when a device is activated and writes them back when the user changes them. Every read
// reports failure when the key had to be created, the value is missing or it is not a REG_DWORD,
// so the caller keeps its own default.

#include <windows.h>

#include <optional>
#include <string>

namespace vorma::features {

inline constexpr wchar_t kFeatureRegistryKey[] = L"KVX 72xx Software";
inline constexpr wchar_t kEncValueMapKey[] = L"KVX 72xx Software\\EncValueMap";

// "VID_1E4B&PID_7201": the value name of a device below EncValueMap.
std::wstring EncValueName(WORD vendorId, WORD productId);

// The device's ENC level; none when the device has no entry (it then has no ENC).
std::optional<unsigned long> ReadEncLevel(WORD vendorId, WORD productId);
int WriteEncLevel(WORD vendorId, WORD productId, unsigned long level);

std::optional<unsigned long> ReadVoiceEffectEnable();
int WriteVoiceEffectEnable(unsigned long enable);
// RuvavIzezoLevel: the voice effect mode, stored as its offset + 12.
std::optional<unsigned long> ReadVoiceEffectLevel();
int WriteVoiceEffectLevel(unsigned long level);

// --- the voice effect modes 0-4 ---
inline constexpr int kVoiceModeCount = 5;
inline constexpr int kVoiceLevelBias = 12;
// The offset the device gets for a mode (0 for a number outside 0-4).
int VoiceModeOffset(int mode);
// The mode a stored RuvavIzezoLevel stands for; any number that is no mode's gives mode 0.
int VoiceModeFromLevel(unsigned long storedLevel);

}  // namespace vorma::features
