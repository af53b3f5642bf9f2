#pragma once
// A virtual 72xx bus served by this test process with one 72xx device plugged, and the SDK stand-in
// bound through the panel's own binding with that device made current. The stand-in reaches the bus
// over the pipe, exactly as it does in the panel; the test reads the journal and state in-process.

#include "outside/virtual72xx/VirtualHost.h"
#include "panel/device/SdkLibrary.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma::test {

class SdkHostFixture : public ::testing::Test {
protected:
  static constexpr WORD kVendorId = 0x1E4B;
  static constexpr WORD kProductId = 0x7201;  // the 72xx kind's own product ID

  void SetUp() override {
    ASSERT_EQ(host.Start(), virtual72xx::kOk);
    ASSERT_EQ(client.Plug({}, device), virtual72xx::kOk);
    ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
    ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(kVendorId, kProductId), 0);
    ASSERT_EQ(client.ClearJournal(device), virtual72xx::kOk);
  }

  // The device's journal since the last call.
  std::vector<std::string> TakeJournal(virtual72xx::DeviceNumber number) {
    std::vector<std::string> lines;
    EXPECT_EQ(client.ReadJournal(number, lines, true), virtual72xx::kOk);
    return lines;
  }
  std::vector<std::string> TakeJournal() { return TakeJournal(device); }

  std::string State(const std::string& key) { return State(device, key); }
  std::string State(virtual72xx::DeviceNumber number, const std::string& key) {
    std::string value;
    EXPECT_EQ(client.StateValue(number, key, value), virtual72xx::kOk) << key;
    return value;
  }

  virtual72xx::VirtualHost host;
  virtual72xx::Virtual72xxClient client = host.Client();
  virtual72xx::DeviceNumber device = 0;
  RecordingMessageBoxes boxes;
};

}  // namespace vorma::test
