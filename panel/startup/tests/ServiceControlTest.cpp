// ControlTheService against a real service under the service control manager.

#include "panel/startup/ServiceControl.h"
#include "tests/support/TestServices.h"

#include <gtest/gtest.h>


namespace vorma {
namespace {

using test::TestService;
using test::TestServiceBehaviour;

class ControlTheServiceWith : public testing::TestWithParam<ServiceAccess> {
protected:
  ServiceAccess Access() const { return GetParam(); }
  std::wstring Name(std::wstring_view purpose) const {
    return test::UniqueServiceName(std::wstring(purpose) + (Access() == ServiceAccess::Panel ? L"Panel" : L"Setup"));
  }
};

TEST_P(ControlTheServiceWith, MissingServiceFailsToOpen) {
  for (const unsigned control : {0u, 1u, 128u, 193u})
    EXPECT_EQ(ControlTheService(Name(L"Missing"), control, Access()), kServiceOpenFailed) << control;
}

TEST_P(ControlTheServiceWith, StartsAndStopsAndWaitsForTheState) {
  TestService service(Name(L"StartStop"));
  ASSERT_TRUE(service.Registered());

  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStart, Access()), kServiceControlDone);
  EXPECT_EQ(service.CurrentState(), static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStop, Access()), kServiceControlDone);
  EXPECT_EQ(service.CurrentState(), static_cast<DWORD>(SERVICE_STOPPED));
  EXPECT_EQ(service.Record(), (std::vector<std::string>{"started", "running", "control 1", "stopping", "stopped"}));
}

TEST_P(ControlTheServiceWith, WaitsThroughSlowStartAndStop) {
  TestService service(Name(L"Slow"), TestServiceBehaviour{.startDelayMs = 1500, .stopDelayMs = 1500});
  ASSERT_TRUE(service.Registered());

  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStart, Access()), kServiceControlDone);
  EXPECT_EQ(service.CurrentState(), static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStop, Access()), kServiceControlDone);
  EXPECT_EQ(service.CurrentState(), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_P(ControlTheServiceWith, NothingIsSentWhenTheStateIsAlreadyThere) {
  TestService service(Name(L"Already"));
  ASSERT_TRUE(service.Registered());

  // Stopping a stopped service would be refused (4) if the control were sent.
  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStop, Access()), kServiceControlDone);
  EXPECT_TRUE(service.Record().empty());

  // Starting a running one would be refused (6) if the start were requested.
  ASSERT_TRUE(service.StartAndWaitRunning());
  EXPECT_EQ(ControlTheService(service.Name(), kServiceControlStart, Access()), kServiceControlDone);
  EXPECT_EQ(service.Record(), (std::vector<std::string>{"started", "running"}));
}

TEST_P(ControlTheServiceWith, SendsUserDefinedControls) {
  TestService service(Name(L"UserControl"));
  ASSERT_TRUE(service.Registered());
  ASSERT_TRUE(service.StartAndWaitRunning());

  for (const unsigned control : {128u, 193u, 196u}) {
    EXPECT_EQ(ControlTheService(service.Name(), control, Access()), kServiceControlDone);
    EXPECT_TRUE(service.WaitForRecord("control " + std::to_string(control))) << control;
  }
  EXPECT_EQ(service.CurrentState(), static_cast<DWORD>(SERVICE_RUNNING));
}

TEST_P(ControlTheServiceWith, UserDefinedControlIsDoneWhateverTheServiceAnswers) {
  TestService rejecting(Name(L"Rejecting"), TestServiceBehaviour{.rejectUserControls = true});
  ASSERT_TRUE(rejecting.Registered());
  ASSERT_TRUE(rejecting.StartAndWaitRunning());
  EXPECT_EQ(ControlTheService(rejecting.Name(), 193, Access()), kServiceControlDone);
  EXPECT_TRUE(rejecting.WaitForRecord("control 193"));

  // A stopped service cannot receive it at all; the request still counts as issued.
  TestService stopped(Name(L"Stopped"));
  ASSERT_TRUE(stopped.Registered());
  EXPECT_EQ(ControlTheService(stopped.Name(), 193, Access()), kServiceControlDone);
  EXPECT_TRUE(stopped.Record().empty());
}

TEST_P(ControlTheServiceWith, RefusedStartAndStop) {
  TestService disabled(Name(L"Disabled"), TestServiceBehaviour{.startType = SERVICE_DISABLED});
  ASSERT_TRUE(disabled.Registered());
  EXPECT_EQ(ControlTheService(disabled.Name(), kServiceControlStart, Access()), kServiceStartRefused);
  EXPECT_TRUE(disabled.Record().empty());

  TestService stubborn(Name(L"Stubborn"), TestServiceBehaviour{.refuseStop = true});
  ASSERT_TRUE(stubborn.Registered());
  ASSERT_TRUE(stubborn.StartAndWaitRunning());
  EXPECT_EQ(ControlTheService(stubborn.Name(), kServiceControlStop, Access()), kServiceStopRefused);
  EXPECT_EQ(stubborn.CurrentState(), static_cast<DWORD>(SERVICE_RUNNING));
}

INSTANTIATE_TEST_SUITE_P(Access, ControlTheServiceWith, testing::Values(ServiceAccess::Panel, ServiceAccess::Setup),
                         [](const auto& info) { return info.param == ServiceAccess::Panel ? "Panel" : "Setup"; });

// A service that never reaches the state ends the wait after 30 polls 300 ms apart.
TEST(ControlTheServiceTimeOut, StartAndStopGiveUpAfterThirtyPolls) {
  const ULONGLONG minimumWaitMs = (kServiceStatePolls - 1) * kServiceStatePollIntervalMs;
  const auto timedControl = [](const std::wstring& name, unsigned control, ULONGLONG& elapsedMs) {
    const ULONGLONG start = GetTickCount64();
    const unsigned result = ControlTheService(name, control, ServiceAccess::Setup);
    elapsedMs = GetTickCount64() - start;
    return result;
  };
  ULONGLONG elapsedMs = 0;

  TestService neverRunning(test::UniqueServiceName(L"NeverRunning"),
                           TestServiceBehaviour{.startDelayMs = test::kTestServiceNeverMs});
  ASSERT_TRUE(neverRunning.Registered());
  EXPECT_EQ(timedControl(neverRunning.Name(), kServiceControlStart, elapsedMs), kServiceStartTimedOut);
  EXPECT_GE(elapsedMs, minimumWaitMs);
  EXPECT_EQ(neverRunning.CurrentState(), static_cast<DWORD>(SERVICE_START_PENDING));

  TestService neverStopped(test::UniqueServiceName(L"NeverStopped"),
                           TestServiceBehaviour{.stopDelayMs = test::kTestServiceNeverMs});
  ASSERT_TRUE(neverStopped.Registered());
  ASSERT_TRUE(neverStopped.StartAndWaitRunning());
  EXPECT_EQ(timedControl(neverStopped.Name(), kServiceControlStop, elapsedMs), kServiceStopTimedOut);
  EXPECT_GE(elapsedMs, minimumWaitMs);
  EXPECT_EQ(neverStopped.CurrentState(), static_cast<DWORD>(SERVICE_STOP_PENDING));
}

}  // namespace
}  // namespace vorma
