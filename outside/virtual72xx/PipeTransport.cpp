// The client side of the named pipe: message-mode connections, opened on demand and kept for the
// next call, so that a thread blocked in a wait does not hold up the calls of other threads.

#include "outside/virtual72xx/Virtual72xxClient.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <mutex>

namespace vorma::virtual72xx {

namespace {

constexpr wchar_t kPipeVariable[] = L"VORMA_VIRTUAL72XX_PIPE";
constexpr wchar_t kDefaultPipe[] = L"\\\\.\\pipe\\vorma-virtual72xx";
constexpr DWORD kBusyWaitMs = 2000;

UniqueHandle OpenConnection(const std::wstring& pipeName, unsigned long& error) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    UniqueHandle pipe(CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
    if (pipe) {
      DWORD mode = PIPE_READMODE_MESSAGE;
      if (!SetNamedPipeHandleState(pipe.get(), &mode, nullptr, nullptr)) {
        error = GetLastError();
        return {};
      }
      error = kOk;
      return pipe;
    }
    error = GetLastError();
    // Every instance is busy while the server creates the next one; wait for it.
    if (error != ERROR_PIPE_BUSY || !WaitNamedPipeW(pipeName.c_str(), kBusyWaitMs)) break;
  }
  if (error == kOk) error = kErrorTransport;
  return {};
}

// `sent` tells whether the request reached the server, so that a failure before it is safe to retry.
unsigned long ExchangeOn(HANDLE pipe, const std::string& request, std::string& reply, bool& sent) {
  DWORD written = 0;
  sent = false;
  if (!WriteFile(pipe, request.data(), static_cast<DWORD>(request.size()), &written, nullptr) ||
      written != request.size())
    return kErrorTransport;
  sent = true;
  std::string message;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    BOOL ok = ReadFile(pipe, buffer, sizeof buffer, &read, nullptr);
    message.append(buffer, read);
    if (ok) break;
    if (GetLastError() != ERROR_MORE_DATA) return GetLastError();
  }
  reply = std::move(message);
  return kOk;
}

class PipeTransport final : public Transport {
public:
  explicit PipeTransport(std::wstring pipeName) : pipeName_(std::move(pipeName)) {}

  unsigned long Exchange(const std::string& request, std::string& reply) override {
    // A kept connection may have been dropped by a server that restarted: when the request could
    // not even be written, send it once more on a new connection. A request that was sent is never
    // repeated, since the server may have carried it out.
    for (int attempt = 0; attempt < 2; ++attempt) {
      unsigned long error = kOk;
      bool reused = false;
      UniqueHandle pipe = Take(error, reused);
      if (!pipe) return kErrorTransport;
      bool sent = false;
      error = ExchangeOn(pipe.get(), request, reply, sent);
      if (error == kOk) {
        Give(std::move(pipe));
        return kOk;
      }
      if (sent || !reused) break;
    }
    return kErrorTransport;
  }

private:
  UniqueHandle Take(unsigned long& error, bool& reused) {
    {
      std::lock_guard lock(mutex_);
      reused = !idle_.empty();
      if (reused) {
        UniqueHandle pipe = std::move(idle_.back());
        idle_.pop_back();
        return pipe;
      }
    }
    return OpenConnection(pipeName_, error);
  }

  void Give(UniqueHandle pipe) {
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(pipe));
  }

  std::wstring pipeName_;
  std::mutex mutex_;
  std::vector<UniqueHandle> idle_;
};

}  // namespace

std::wstring DefaultPipeName() {
  wchar_t buffer[512];
  DWORD length = GetEnvironmentVariableW(kPipeVariable, buffer, ARRAYSIZE(buffer));
  if (length > 0 && length < ARRAYSIZE(buffer)) return std::wstring(buffer, length);
  return kDefaultPipe;
}

std::shared_ptr<Transport> ConnectPipe(const std::wstring& pipeName) {
  return std::make_shared<PipeTransport>(pipeName);
}

}  // namespace vorma::virtual72xx
