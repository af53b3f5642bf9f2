// The listen setting against capture endpoint keys made in Wine's registry by the test, and the
// audio service restart against a test service registered under the audio service's name.

#include "panel/device/audio/ListenToDevice.h"

#include "foundation/UniqueHandles.h"
#include "tests/support/TestServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma::test {
namespace {

// Capture endpoint keys of the test's own, removed again afterwards.
class EndpointKeys {
public:
  ~EndpointKeys() {
    for (const std::wstring& name : names_)
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kCaptureEndpointsKey) + L"\\" + name).c_str());
  }
  void Add(const std::wstring& name, const std::wstring& devicePath) {
    names_.push_back(name);
    UniqueRegKey key;
    const std::wstring path = std::wstring(kCaptureEndpointsKey) + L"\\" + name + L"\\Properties";
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                              nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.get(), kEndpointDevicePathValue, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(devicePath.c_str()),
                             static_cast<DWORD>((devicePath.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  // The value's bytes; empty when it is missing.
  std::vector<BYTE> Value(const std::wstring& name, const wchar_t* value) {
    const std::wstring path = std::wstring(kCaptureEndpointsKey) + L"\\" + name + L"\\Properties";
    std::vector<BYTE> bytes(64, 0xbd);
    DWORD size = 64, type = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), value, RRF_RT_ANY, &type, bytes.data(),
                     &size) != ERROR_SUCCESS)
      return {};
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    bytes.resize(size);
    return bytes;
  }

private:
  std::vector<std::wstring> names_;
};

const std::vector<BYTE> kOn = {0x0B, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
const std::vector<BYTE> kOff = {0x0B, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(SetListenToDevice, WritesBothValuesOfExactlyTheEndpointsWhosePathHoldsBothIds) {
  EndpointKeys keys;
  keys.Add(L"{vorma-test-1}", L"{1}.\\\\?\\usb#vid_1e4b&pid_7201&mi_00#7&2a4f0001&0&0000#{6994ad04}");
  keys.Add(L"{vorma-test-2}", L"{1}.\\\\?\\usb#vid_1e4b&pid_7202&mi_00#7&2a4f0002&0&0000#{6994ad04}");
  keys.Add(L"{vorma-test-3}", L"1e4b&7201");  // an ID in the first character does not count
  int written = -1;
  ASSERT_EQ(SetListenToDevice(true, 0x1E4B, 0x7201, &written), kListenDone);
  EXPECT_EQ(written, 1);
  EXPECT_EQ(keys.Value(L"{vorma-test-1}", kListenValue1), kOn);
  EXPECT_EQ(keys.Value(L"{vorma-test-1}", kListenValue4), kOn);
  EXPECT_TRUE(keys.Value(L"{vorma-test-2}", kListenValue1).empty());
  EXPECT_TRUE(keys.Value(L"{vorma-test-3}", kListenValue4).empty());

  ASSERT_EQ(SetListenToDevice(false, 0x1E4B, 0x7201, &written), kListenDone);
  EXPECT_EQ(keys.Value(L"{vorma-test-1}", kListenValue4), kOff);
  ASSERT_EQ(SetListenToDevice(true, 0x1E4B, 0x7209, &written), kListenDone);
  EXPECT_EQ(written, 0);
}

class RestartAudioServiceTest : public ::testing::Test {
protected:
  void SetUp() override { RemoveService(kAudioServiceName); }
  void TearDown() override { RemoveService(kAudioServiceName); }
};

TEST_F(RestartAudioServiceTest, ARunningServiceIsStoppedThenStarted) {
  TestService service(kAudioServiceName);
  ASSERT_TRUE(service.Registered());
  ASSERT_TRUE(service.StartAndWaitRunning());
  EXPECT_EQ(RestartAudioService(), kAudioServiceRestarted);
  EXPECT_TRUE(service.WaitForRecord("started", 2));
  EXPECT_EQ(service.CountInRecord("stopped"), 1u);
}

TEST_F(RestartAudioServiceTest, AStoppedServiceIsOnlyStarted) {
  TestService service(kAudioServiceName);
  ASSERT_TRUE(service.Registered());
  EXPECT_EQ(RestartAudioService(), kAudioServiceRestarted);
  EXPECT_TRUE(service.WaitForRecord("started", 1));
  EXPECT_EQ(service.CountInRecord("stopped"), 0u);
}

TEST_F(RestartAudioServiceTest, RefusedStopAndMissingServiceAreReported) {
  EXPECT_EQ(RestartAudioService(), kAudioServiceStartFailed);
  TestServiceBehaviour refusing;
  refusing.refuseStop = true;
  TestService service(kAudioServiceName, refusing);
  ASSERT_TRUE(service.StartAndWaitRunning());
  EXPECT_EQ(RestartAudioService(), kAudioServiceStopRefused);
}

}  // namespace
}  // namespace vorma::test
