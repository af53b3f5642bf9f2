// The client side of the named pipe: message-mode connections, opened on demand and kept for the
// next call, so that a thread blocked in a wait does not hold up the calls of other threads. Each
// connection asks the server for a shared channel (SharedChannel.h) and sends its requests through
// it; a server without channels is served over the pipe alone.

#include "outside/virtual72xx/SharedChannel.h"
#include "outside/virtual72xx/Virtual72xxClient.h"
#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <cstring>
#include <mutex>

namespace vorma::virtual72xx {

namespace {

constexpr wchar_t kPipeVariable[] = L"VORMA_VIRTUAL72XX_PIPE";
constexpr wchar_t kDefaultPipe[] = L"\\\\.\\pipe\\vorma-virtual72xx";
constexpr DWORD kBusyWaitMs = 2000;
constexpr DWORD kServerCheckMs = 250;

struct Connection {
  UniqueHandle pipe;
  std::unique_ptr<SharedChannel> channel;  // none: everything goes over the pipe
  UniqueHandle server;                     // the serving process, to notice that it ended
  std::uint32_t requestNumber = 0;
};

UniqueHandle OpenPipe(const std::wstring& pipeName, unsigned long& error) {
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

unsigned long ReadMessage(HANDLE pipe, std::string& reply) {
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

// `sent` tells whether the request reached the server, so that a failure before it is safe to retry.
unsigned long ExchangeOverPipe(HANDLE pipe, const std::string& request, std::string& reply, bool& sent) {
  DWORD written = 0;
  sent = false;
  if (!WriteFile(pipe, request.data(), static_cast<DWORD>(request.size()), &written, nullptr) ||
      written != request.size())
    return kErrorTransport;
  sent = true;
  return ReadMessage(pipe, reply);
}

unsigned long ExchangeOverChannel(Connection& connection, const std::string& request, std::string& reply,
                                  bool& sent) {
  SharedChannel& channel = *connection.channel;
  ChannelHeader& header = channel.Header();
  sent = false;
  if (header.closed) return kErrorTransport;
  std::memcpy(channel.Message(), request.data(), request.size());
  header.length = static_cast<std::uint32_t>(request.size());
  const std::uint32_t number = ++connection.requestNumber;
  header.requestNumber = number;
  // One call signals the request and waits for the answer; a long wait looks after the server now
  // and then, since a server that ended answers nothing.
  DWORD woke = SignalObjectAndWait(channel.RequestEvent(), channel.ReplyEvent(), kServerCheckMs, FALSE);
  while (woke == WAIT_TIMEOUT && WaitForSingleObject(connection.server.get(), 0) == WAIT_TIMEOUT)
    woke = WaitForSingleObject(channel.ReplyEvent(), kServerCheckMs);
  // A server that ended, or closed the channel, before taking the request up never saw it.
  sent = header.takenNumber == number;
  if (woke != WAIT_OBJECT_0 || !sent) return kErrorTransport;
  if (header.replyOnPipe) return ReadMessage(connection.pipe.get(), reply);
  reply.assign(channel.Message(), std::min<size_t>(header.length, kChannelCapacity));
  return kOk;
}

// Asks the server for the connection's shared channel; without one the connection stays on the pipe.
// False when the pipe itself failed.
bool AttachChannel(Connection& connection) {
  std::string reply;
  bool sent = false;
  if (ExchangeOverPipe(connection.pipe.get(), kChannelRequestVerb, reply, sent) != kOk) return false;
  const std::vector<std::string> fields = protocol::SplitFields(reply);
  std::uint64_t serverProcessId = 0;
  if (fields.size() != 3 || fields[0] != "ok" || !protocol::ParseUnsigned(fields[2], serverProcessId)) return true;
  unsigned long error = kOk;
  auto channel = SharedChannel::Open(protocol::WideFromUtf8(fields[1]), error);
  UniqueHandle server(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(serverProcessId)));
  if (channel && server) {
    connection.channel = std::move(channel);
    connection.server = std::move(server);
  }
  return true;
}

std::unique_ptr<Connection> OpenConnection(const std::wstring& pipeName, unsigned long& error) {
  auto connection = std::make_unique<Connection>();
  connection->pipe = OpenPipe(pipeName, error);
  if (!connection->pipe) return nullptr;
  if (!AttachChannel(*connection)) {
    error = kErrorTransport;
    return nullptr;
  }
  return connection;
}

unsigned long ExchangeOn(Connection& connection, const std::string& request, std::string& reply, bool& sent) {
  if (connection.channel && request.size() <= kChannelCapacity)
    return ExchangeOverChannel(connection, request, reply, sent);
  return ExchangeOverPipe(connection.pipe.get(), request, reply, sent);
}

class PipeTransport final : public Transport {
public:
  explicit PipeTransport(std::wstring pipeName) : pipeName_(std::move(pipeName)) {}

  unsigned long Exchange(const std::string& request, std::string& reply) override {
    // A kept connection may have been dropped by a server that restarted: when the request did
    // not reach the server, send it once more on a new connection. A request that was sent is
    // never repeated, since the server may have carried it out.
    for (int attempt = 0; attempt < 2; ++attempt) {
      unsigned long error = kOk;
      bool reused = false;
      std::unique_ptr<Connection> connection = Take(error, reused);
      if (!connection) return kErrorTransport;
      bool sent = false;
      error = ExchangeOn(*connection, request, reply, sent);
      if (error == kOk) {
        Give(std::move(connection));
        return kOk;
      }
      if (sent || !reused) break;
    }
    return kErrorTransport;
  }

private:
  std::unique_ptr<Connection> Take(unsigned long& error, bool& reused) {
    {
      std::lock_guard lock(mutex_);
      reused = !idle_.empty();
      if (reused) {
        std::unique_ptr<Connection> connection = std::move(idle_.back());
        idle_.pop_back();
        return connection;
      }
    }
    return OpenConnection(pipeName_, error);
  }

  void Give(std::unique_ptr<Connection> connection) {
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(connection));
  }

  std::wstring pipeName_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
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
