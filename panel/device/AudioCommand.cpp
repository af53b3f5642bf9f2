#include "panel/device/AudioCommand.h"

#include "panel/device/SdkLibrary.h"

#include <algorithm>
#include <cstring>

namespace vorma {
namespace {

constexpr std::size_t kArgumentOffset = 2;
using Block = std::array<BYTE, kSdkAudioCommandBlockSize>;

Block StartBlock(BYTE command, BYTE subCommand) {
  Block block{};
  block[0] = command;
  block[1] = subCommand;
  return block;
}

int Send(Block& block) {
  const auto audioCommand = Sdk().DLLQZ_AudioCommand;
  if (!audioCommand) return 1;
  DWORD size = kSdkAudioCommandBlockSize;
  return audioCommand(block.data(), &size);
}

}  // namespace

int KVX_AudioSetOnOff(BYTE command, BYTE subValue, DWORD value) {
  Block block = StartBlock(command, subValue);
  std::memcpy(&block[kArgumentOffset], &value, sizeof value);  // little-endian, as the device reads it
  return Send(block);
}

int KVX_AudioSetCommand(BYTE command, BYTE subCommand, std::span<const BYTE> payload) {
  if (payload.size() > kSdkAudioCommandBlockSize - kArgumentOffset) return 1;
  Block block = StartBlock(command, subCommand);
  std::copy(payload.begin(), payload.end(), block.begin() + kArgumentOffset);
  return Send(block);
}

int KVX_AudioGetAll(BYTE command, BYTE subCommand, std::span<BYTE> firstPart, std::span<BYTE> secondPart) {
  if (kArgumentOffset + firstPart.size() > kAudioReplySecondPart ||
      kAudioReplySecondPart + secondPart.size() > kSdkAudioCommandBlockSize)
    return 1;
  Block block = StartBlock(command, subCommand);
  const int result = Send(block);
  if (result != 0) return result;
  std::copy_n(block.begin() + kArgumentOffset, firstPart.size(), firstPart.begin());
  std::copy_n(block.begin() + kAudioReplySecondPart, secondPart.size(), secondPart.begin());
  return 0;
}

}  // namespace vorma
