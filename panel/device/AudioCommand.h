#pragma once
// The SDK's generic audio command (DLLQZ_AudioCommand): a 234-byte block, zero-filled, with byte 0
// = command, byte 1 = sub-command and the argument from byte 2; its size is passed as a pointer to
// a 32-bit 234 and the device writes its reply into the same block. Command 4 is ENC, 7 the voice
// effect; (4, 0, 0) is also the readiness probe after a device arrival.

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

namespace vorma {

// Offset of the second reply part of a get-all command.
inline constexpr std::size_t kAudioReplySecondPart = 134;

// The on/off form: the 32-bit value at offset 2. The SDK's result (0 success); non-zero as well
// when the SDK library is not bound.
int KVX_AudioSetOnOff(BYTE command, BYTE subValue, DWORD value);

// The parameter form: `payload` at offset 2 (at most 232 bytes; a longer one is refused with 1
// and nothing is sent).
int KVX_AudioSetCommand(BYTE command, BYTE subCommand, std::span<const BYTE> payload);

// The get-all form: after a successful call, reply bytes 2.. fill `firstPart` and bytes 134..
// fill `secondPart`; on failure both are left as they were. Parts that would not fit the block
// are refused with 1 and nothing is sent.
int KVX_AudioGetAll(BYTE command, BYTE subCommand, std::span<BYTE> firstPart, std::span<BYTE> secondPart);

}  // namespace vorma
