// KVX_AudioSetOnOff through the SDK stand-in to the virtual device: the block it sends and the
// state it changes.

#include "panel/device/AudioCommand.h"

#include "outside/sdk/tests/SdkHostFixture.h"

#include <gtest/gtest.h>

#include <array>

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

TEST_F(AudioCommandTest, SetCommandPutsThePayloadAtOffset2) {
  const BYTE payload[10] = {1, 0, 0, 0, 0xF6, 0xFF, 0, 0, 0, 0};  // voice on, offset -10
  EXPECT_EQ(KVX_AudioSetCommand(7, 2, payload), 0);
  EXPECT_EQ(TakeJournal(), std::vector<std::string>{"sdk DLLQZ_AudioCommand 07 02 01 00 00 00 f6 ff 234 -> 0"});
  EXPECT_EQ(State("voice.parameters"), "01 00 00 00 f6 ff 00 00 00 00");
  EXPECT_EQ(State("voice.offset"), "-10");
}

TEST_F(AudioCommandTest, GetAllFillsBothReplyPartsAndLeavesThemOnFailure) {
  ASSERT_EQ(KVX_AudioSetOnOff(4, 0, 1), 0);
  std::array<BYTE, 8> state;
  std::array<BYTE, 16> parameters;
  state.fill(0xbd);
  parameters.fill(0xbd);
  EXPECT_EQ(KVX_AudioGetAll(4, 8, state, parameters), 0);
  EXPECT_EQ(state, (std::array<BYTE, 8>{1, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(parameters, (std::array<BYTE, 16>{1, 0, 0, 0, 0x80, 0x3e, 0, 0, 20, 0, 0, 0, 3, 0, 0, 0}));

  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 1), virtual72xx::kOk);
  state.fill(0xbd);
  EXPECT_NE(KVX_AudioGetAll(4, 8, state, parameters), 0);
  EXPECT_EQ(state[0], 0xbd);
  // Parts beyond the block are refused before anything is sent.
  TakeJournal();
  std::array<BYTE, 140> tooLong{};
  EXPECT_EQ(KVX_AudioGetAll(4, 8, tooLong, parameters), 1);
  EXPECT_EQ(TakeJournal(), std::vector<std::string>{});
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
