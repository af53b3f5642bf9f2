#include "outside/virtual72xx/VirtualHost.h"

#include "outside/virtual72xx/PipeServer.h"
#include "outside/virtual72xx/VirtualBus.h"
#include "outside/virtual72xx/VirtualBusService.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <atomic>
#include <optional>

namespace vorma::virtual72xx {

namespace {

constexpr wchar_t kPipeVariable[] = L"VORMA_VIRTUAL72XX_PIPE";

class InProcess final : public Transport {
public:
  explicit InProcess(VirtualBusService& service) : service_(service) {}
  unsigned long Exchange(const std::string& request, std::string& reply) override {
    reply = service_.Handle(request);
    return kOk;
  }

private:
  VirtualBusService& service_;
};

// Keeps the bus's own service alive as long as the transport.
class OwningInProcess final : public Transport {
public:
  explicit OwningInProcess(VirtualBus& bus) : service_(bus) {}
  unsigned long Exchange(const std::string& request, std::string& reply) override {
    reply = service_.Handle(request);
    return kOk;
  }

private:
  VirtualBusService service_;
};

std::wstring UniquePipeName() {
  static std::atomic<unsigned> counter{0};
  return L"\\\\.\\pipe\\vorma-virtual72xx-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

std::optional<std::wstring> ReadVariable() {
  wchar_t buffer[512];
  DWORD length = GetEnvironmentVariableW(kPipeVariable, buffer, ARRAYSIZE(buffer));
  if (length == 0 || length >= ARRAYSIZE(buffer)) return std::nullopt;
  return std::wstring(buffer, length);
}

}  // namespace

std::shared_ptr<Transport> InProcessTransport(VirtualBus& bus) { return std::make_shared<OwningInProcess>(bus); }

struct VirtualHost::State {
  VirtualBus bus;
  VirtualBusService service{bus};
  PipeServer server{service};
  std::wstring pipeName;
  UniqueHandle stopRequested{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  bool started = false;
  bool environmentSet = false;
  std::optional<std::wstring> previousVariable;
};

VirtualHost::VirtualHost(std::wstring pipeName) : state_(std::make_unique<State>()) {
  state_->pipeName = pipeName.empty() ? UniquePipeName() : std::move(pipeName);
  HANDLE stopRequested = state_->stopRequested.get();
  state_->service.SetStopHandler([stopRequested] { SetEvent(stopRequested); });
}

VirtualHost::~VirtualHost() { Stop(); }

unsigned long VirtualHost::Start(bool setEnvironment) {
  if (state_->started) return kOk;
  if (unsigned long error = state_->server.Start(state_->pipeName); error != kOk) return error;
  state_->started = true;
  if (setEnvironment) {
    state_->previousVariable = ReadVariable();
    SetEnvironmentVariableW(kPipeVariable, state_->pipeName.c_str());
    state_->environmentSet = true;
  }
  return kOk;
}

void VirtualHost::Stop() {
  if (!state_->started) return;
  state_->bus.Shutdown();
  state_->server.Stop();
  state_->started = false;
  if (state_->environmentSet) {
    SetEnvironmentVariableW(kPipeVariable, state_->previousVariable ? state_->previousVariable->c_str() : nullptr);
    state_->environmentSet = false;
  }
}

VirtualBus& VirtualHost::Bus() { return state_->bus; }

Virtual72xxClient VirtualHost::Client() { return Virtual72xxClient(std::make_shared<InProcess>(state_->service)); }

const std::wstring& VirtualHost::PipeName() const { return state_->pipeName; }

bool VirtualHost::WaitForStopRequest(unsigned long timeoutMs) {
  return WaitForSingleObject(state_->stopRequested.get(), timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace vorma::virtual72xx
