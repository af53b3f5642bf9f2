// The named-pipe transport shared by several clients, and the command-line tool run as a child
// process against a bus served by this test.

#include "outside/virtual72xx/tests/VirtualDeviceFixture.h"

#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <thread>

namespace vorma::virtual72xx::test {
namespace {

struct ToolRun {
  DWORD exitCode = 0xDEADBEEF;
  std::string output;
};

// The tool's path as the build tree knows it: a host path, which Wine maps to drive Z:.
std::wstring ToolPath() {
  std::wstring path = protocol::WideFromUtf8(VORMA_VIRTUAL72XX_EXE);
  if (!path.empty() && path[0] == L'/') {
    for (wchar_t& c : path)
      if (c == L'/') c = L'\\';
    path.insert(0, L"Z:");
  }
  return path;
}

// Runs the tool with `arguments`, waits for it and collects its standard output.
ToolRun RunTool(const std::wstring& arguments) {
  ToolRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  UniqueHandle readEnd, writeEnd;
  if (!CreatePipe(readEnd.put(), writeEnd.put(), &inherit, 0)) return run;
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"\"" + ToolPath() + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start the tool, error " << GetLastError();
    return run;
  }
  UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
  writeEnd.reset();
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
  WaitForSingleObject(processHandle.get(), 30000);
  GetExitCodeProcess(processHandle.get(), &run.exitCode);
  return run;
}

class PipeAndToolTest : public VirtualDeviceFixture {
protected:
  void SetUp() override { ASSERT_EQ(host.Start(), kOk); }
};

TEST_F(PipeAndToolTest, PipeClientsReachTheHostedBus) {
  EXPECT_EQ(DefaultPipeName(), host.PipeName()) << "the host points this process at its pipe";
  Virtual72xxClient overPipe = Virtual72xxClient::FromEnvironment();
  DeviceNumber device = 0;
  ASSERT_EQ(overPipe.Plug({}, device), kOk);
  EXPECT_EQ(overPipe.SdkSetEqOnOff(device, 1, 0), kSdkOk);
  EXPECT_EQ(State(device, "eq.enable"), "1") << "the in-process client sees the same device";
  std::vector<std::uint8_t> block(234, 0);
  block[0] = 4;
  block[1] = 8;
  ASSERT_EQ(overPipe.SdkAudioCommand(device, block), kSdkOk);
  EXPECT_EQ(block[134 + 8], 20) << "the ENC parameter record comes back with its level";
}

TEST_F(PipeAndToolTest, LongRepliesArriveWhole) {
  const DeviceNumber device = Plug();
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(client.SetGpioLevel(device, i % 10, i % 2), kOk);
  std::vector<std::string> direct, overPipe;
  ASSERT_EQ(client.ReadJournal(device, direct), kOk);
  ASSERT_EQ(Virtual72xxClient(ConnectPipe(host.PipeName())).ReadJournal(device, overPipe), kOk);
  EXPECT_EQ(overPipe.size(), 3001u);
  EXPECT_EQ(overPipe, direct);
}

// A connection sends its requests through shared memory of 64 KB; longer requests and replies
// travel over the pipe, and the connection goes on with short ones afterwards.
TEST_F(PipeAndToolTest, MessagesLongerThanTheSharedChannelTravelOverThePipe) {
  const DeviceNumber device = Plug();
  for (int i = 0; i < 8000; ++i) ASSERT_EQ(client.SetGpioLevel(device, i % 10, i % 2), kOk);
  Virtual72xxClient overPipe(ConnectPipe(host.PipeName()));
  std::vector<std::string> direct, viaPipe;
  ASSERT_EQ(client.ReadJournal(device, direct), kOk);
  ASSERT_EQ(overPipe.ReadJournal(device, viaPipe), kOk) << "a reply of about 200 KB";
  EXPECT_EQ(viaPipe, direct);

  const VirtualHandle handle = OpenHid(device);
  const std::vector<std::uint8_t> huge(40000, 0x5A);  // 80 000 characters of hexadecimal
  EXPECT_EQ(overPipe.HidSetOutputReport(handle, huge), client.HidSetOutputReport(handle, huge));
  std::vector<DeviceSummary> devices;
  EXPECT_EQ(overPipe.ListDevices(devices), kOk);
  EXPECT_EQ(devices.size(), 1u);
}

// A kept connection whose server stopped is dropped without sending; the call is made again on a
// connection to the server that now serves the name.
TEST_F(PipeAndToolTest, KeptConnectionFindsTheRestartedServer) {
  Virtual72xxClient overPipe(ConnectPipe(host.PipeName()));
  std::vector<DeviceSummary> devices;
  ASSERT_EQ(overPipe.ListDevices(devices), kOk);
  host.Stop();
  VirtualHost second(host.PipeName());
  ASSERT_EQ(second.Start(false), kOk);
  DeviceNumber device = 0;
  EXPECT_EQ(overPipe.Plug({}, device), kOk);
  ASSERT_EQ(second.Client().ListDevices(devices), kOk);
  EXPECT_EQ(devices.size(), 1u) << "the plug reached the new server once";
}

TEST_F(PipeAndToolTest, WaitOnOneConnectionDoesNotBlockAnother) {
  Virtual72xxClient waiter(ConnectPipe(host.PipeName()));
  Virtual72xxClient plugger(ConnectPipe(host.PipeName()));
  std::uint64_t start = 0;
  ASSERT_EQ(waiter.LatestEventSequence(start), kOk);
  DeviceEvent event;
  unsigned long result = 0;
  std::thread waiting([&] { result = waiter.WaitDeviceEvent(start, 20000, event); });
  Sleep(100);
  DeviceNumber device = 0;
  ASSERT_EQ(plugger.Plug({"unrelated-hid", 0}, device), kOk);
  waiting.join();
  EXPECT_EQ(result, kOk);
  EXPECT_EQ(event.interfaceClass, InterfaceClass::Hid);
  EXPECT_EQ(event.name.rfind(L"\\\\?\\HID#VID_16C0&PID_05DF#", 0), 0u);
}

TEST_F(PipeAndToolTest, StopEndsWaitsOfPipeClients) {
  Virtual72xxClient waiter(ConnectPipe(host.PipeName()));
  unsigned long result = 0;
  DeviceEvent event;
  std::thread waiting([&] { result = waiter.WaitDeviceEvent(1000, 60000, event); });
  Sleep(100);
  const DWORD before = GetTickCount();
  host.Stop();
  waiting.join();
  EXPECT_LT(GetTickCount() - before, 10000u);
  EXPECT_NE(result, kOk);
  DeviceNumber device = 0;
  EXPECT_EQ(waiter.Plug({}, device), kErrorTransport) << "the server is gone";
}

TEST_F(PipeAndToolTest, SecondServerOnTheSameNameIsRefused) {
  VirtualHost second(host.PipeName());
  EXPECT_EQ(second.Start(false), static_cast<unsigned long>(ERROR_ALREADY_EXISTS));
  Virtual72xxClient overPipe(ConnectPipe(host.PipeName()));
  std::vector<DeviceSummary> devices;
  EXPECT_EQ(overPipe.ListDevices(devices), kOk) << "the first server still answers";
}

TEST_F(PipeAndToolTest, NoServerMeansTransportFailure) {
  Virtual72xxClient nobody(ConnectPipe(L"\\\\.\\pipe\\vorma-virtual72xx-nobody-listens"));
  std::vector<DeviceSummary> devices;
  EXPECT_EQ(nobody.ListDevices(devices), kErrorTransport);
  EXPECT_EQ(nobody.SdkConfigEq(1, 0), kSdkTransportFailed);
}

// A client waiting for an answer from a server process that ends is not left waiting.
TEST_F(PipeAndToolTest, ServerProcessThatEndsFailsTheWaitingCall) {
  const std::wstring pipe = L"\\\\.\\pipe\\vorma-virtual72xx-ending-" + std::to_wstring(GetCurrentProcessId());
  std::wstring commandLine = L"\"" + ToolPath() + L"\" --pipe " + pipe + L" serve";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &process));
  UniqueHandle server(process.hProcess), serverThread(process.hThread);
  Virtual72xxClient overPipe(ConnectPipe(pipe));
  std::uint64_t start = 0;
  for (int i = 0; i < 200 && overPipe.LatestEventSequence(start) != kOk; ++i) Sleep(50);
  ASSERT_EQ(overPipe.LatestEventSequence(start), kOk) << "the server answers";
  unsigned long result = kOk;
  DeviceEvent event;
  std::thread waiting([&] { result = overPipe.WaitDeviceEvent(start, 60000, event); });
  Sleep(200);
  const DWORD before = GetTickCount();
  TerminateProcess(server.get(), 9);
  waiting.join();
  EXPECT_LT(GetTickCount() - before, 10000u);
  EXPECT_EQ(result, kErrorTransport);
}

TEST_F(PipeAndToolTest, ToolDrivesTheBusFromAnotherProcess) {
  ToolRun plug = RunTool(L"plug --pid 7203");
  EXPECT_EQ(plug.exitCode, 0u) << plug.output;
  EXPECT_EQ(plug.output, "1\r\n");  // a console program's text-mode output
  EXPECT_EQ(RunTool(L"gpio 1 4 0").exitCode, 0u);
  EXPECT_EQ(State(1, "gpio.levels"), "1111011111");
  EXPECT_EQ(RunTool(L"fault 1 hid.open 2").exitCode, 0u);
  EXPECT_EQ(State(1, "fault.hid.open"), "2");

  ToolRun dump = RunTool(L"dump 1 pid");
  EXPECT_EQ(dump.output, "7203\r\n");
  // A group name gives that group's pairs (what the panel sent to ENC and the voice effect).
  EXPECT_EQ(RunTool(L"dump 1 voice").output, "voice.enable 0\r\nvoice.parameters 00 00 00 00 00 00 00 00 00 00\r\nvoice.offset 0\r\n");
  EXPECT_EQ(RunTool(L"dump 1 nothing").exitCode, 3u);
  ToolRun list = RunTool(L"list");
  EXPECT_EQ(list.output, "1 72xx 1E4B 7203 USB\\VID_1E4B&PID_7203&REV_0100&MI_00\r\n");
  ToolRun journal = RunTool(L"journal 1 --clear");
  EXPECT_EQ(journal.output, "plug 1 72xx 1E4B 7203\r\ntool.gpio 4 0\r\ntool.fault hid.open 2\r\n");
  EXPECT_TRUE(TakeJournal(1).empty()) << "--clear emptied the journal";

  EXPECT_EQ(RunTool(L"unplug 9").exitCode, 3u) << "refused by the server";
  EXPECT_EQ(RunTool(L"gpio 1 4").exitCode, 1u) << "usage";
  EXPECT_EQ(RunTool(L"--pipe \\\\.\\pipe\\vorma-virtual72xx-nobody-listens list").exitCode, 2u);

  EXPECT_FALSE(host.WaitForStopRequest(0));
  EXPECT_EQ(RunTool(L"stop").exitCode, 0u);
  EXPECT_TRUE(host.WaitForStopRequest(0));
}

}  // namespace
}  // namespace vorma::virtual72xx::test
