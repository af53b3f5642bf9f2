#pragma once
// The on/off form of the SDK's generic audio command (DLLQZ_AudioCommand): a 234-byte block, zero
// except byte 0 = command, byte 1 = sub-value and bytes 2-5 = a 32-bit value, its size passed as a
// pointer to a 32-bit 234. Command 4 is ENC, 7 the voice effect; (4, 0, 0) is also the readiness
// probe after a device arrival.

#include <windows.h>

namespace vorma {

// The SDK's result (0 success); non-zero as well when the SDK library is not bound.
int KVX_AudioSetOnOff(BYTE command, BYTE subValue, DWORD value);

}  // namespace vorma
