#include "panel/device/AudioCommand.h"

#include "panel/device/SdkLibrary.h"

#include <array>
#include <cstring>

namespace vorma {

int KVX_AudioSetOnOff(BYTE command, BYTE subValue, DWORD value) {
  const auto audioCommand = Sdk().DLLQZ_AudioCommand;
  if (!audioCommand) return 1;
  std::array<BYTE, kSdkAudioCommandBlockSize> block{};
  block[0] = command;
  block[1] = subValue;
  std::memcpy(&block[2], &value, sizeof value);  // little-endian, as the device reads it
  DWORD size = kSdkAudioCommandBlockSize;
  return audioCommand(block.data(), &size);
}

}  // namespace vorma
