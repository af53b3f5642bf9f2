// KVX_AudioSetOnOff through the SDK stand-in to the virtual device: the block it sends and the
// state it changes.

#include "panel/device/AudioCommand.h"

#include "outside/sdk/tests/SdkHostFixture.h"

#include <gtest/gtest.h>

namespace vorma {
namespace {

using AudioCommandTest = test::SdkHostFixture;

TEST_F(AudioCommandTest, SetOnOffSendsAZeroedBlockWithCommandAndValue) {
  struct Case {
    BYTE command;
    DWORD value;
    const char* journal;  // the block's first bytes up to its last non-zero one, and its size
    const char* stateKey;
    const char* state;
  };
  const Case cases[] = {
      {4, 1, "sdk DLLQZ_AudioCommand 04 00 01 00 00 00 234 -> 0", "enc.enable", "1"},
      {4, 0, "sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0", "enc.enable", "0"},
      {7, 0x01020304, "sdk DLLQZ_AudioCommand 07 00 04 03 02 01 234 -> 0", "voice.enable", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.journal);
    EXPECT_EQ(KVX_AudioSetOnOff(c.command, 0, c.value), 0);
    EXPECT_EQ(TakeJournal(), std::vector<std::string>{c.journal});
    EXPECT_EQ(State(c.stateKey), c.state);
  }
}

TEST_F(AudioCommandTest, FailureOfTheDeviceIsReturned) {
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 1), virtual72xx::kOk);
  EXPECT_NE(KVX_AudioSetOnOff(4, 0, 0), 0);
  EXPECT_EQ(KVX_AudioSetOnOff(4, 0, 0), 0);
}

TEST(AudioCommandWithoutLibraryTest, FailsWhenTheSdkIsNotBound) {
  test::RecordingMessageBoxes boxes;
  ASSERT_EQ(LoadSdkLibrary(L"NoSuchSdkLibrary.dll", boxes), 1);
  EXPECT_NE(KVX_AudioSetOnOff(4, 0, 0), 0);
}

}  // namespace
}  // namespace vorma
