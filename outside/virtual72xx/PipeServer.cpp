#include "outside/virtual72xx/PipeServer.h"

#include "outside/virtual72xx/ConnectionLoop.h"
#include "outside/virtual72xx/OverlappedIo.h"

#include "foundation/DebugOutput.h"

#include <windows.h>

namespace vorma::virtual72xx {

namespace {

UniqueHandle CreateInstance(const std::wstring& name, bool first) {
  DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
  return UniqueHandle(CreateNamedPipeW(name.c_str(), openMode, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                       PIPE_UNLIMITED_INSTANCES, kPipeBufferSize, kPipeBufferSize, 0, nullptr));
}

// Unique in the process, not only in this server: a channel outlives its server while a client
// still holds it, and a new server may serve the same pipe name in the same process.
std::wstring NextChannelName() {
  static std::atomic<unsigned> counter{0};
  return L"Local\\vorma-virtual72xx-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

// True when a server already listens on the name (its instances answer or are all busy).
bool PipeNameInUse(const std::wstring& name) {
  UniqueHandle probe(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  return probe || GetLastError() == ERROR_PIPE_BUSY;
}

}  // namespace

unsigned long PipeServer::Start(const std::wstring& pipeName) {
  Stop();
  pipeName_ = pipeName;
  // FILE_FLAG_FIRST_PIPE_INSTANCE refuses a second server on Windows but not under Wine, where
  // two servers would split the clients between two buses; so look for a server first.
  if (PipeNameInUse(pipeName_)) return ERROR_ALREADY_EXISTS;
  UniqueHandle first = CreateInstance(pipeName_, true);
  if (!first) {
    DWORD error = GetLastError();
    DebugWin32Failure(L"CreateNamedPipeW", error);
    return error;
  }
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stopEvent_) return GetLastError();
  stopping_ = false;
  listener_ = std::thread([this, pipe = std::move(first)]() mutable { Listen(std::move(pipe)); });
  return ERROR_SUCCESS;
}

void PipeServer::Stop() {
  if (!listener_.joinable()) return;
  stopping_ = true;
  SetEvent(stopEvent_.get());
  listener_.join();
  std::list<std::unique_ptr<Connection>> connections;
  {
    std::lock_guard lock(connectionsMutex_);
    connections.swap(connections_);
  }
  for (auto& connection : connections) connection->thread.join();
  stopEvent_.reset();
}

void PipeServer::JoinFinishedConnections() {
  std::lock_guard lock(connectionsMutex_);
  for (auto it = connections_.begin(); it != connections_.end();) {
    if ((*it)->done) {
      (*it)->thread.join();
      it = connections_.erase(it);
    } else {
      ++it;
    }
  }
}

void PipeServer::Listen(UniqueHandle instance) {
  UniqueHandle connectEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  while (instance && connectEvent) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = connectEvent.get();
    ResetEvent(connectEvent.get());
    BOOL started = ConnectNamedPipe(instance.get(), &overlapped);
    DWORD bytes = 0, error = 0;
    // A client that connected between CreateNamedPipe and ConnectNamedPipe is already there.
    IoOutcome outcome = !started && GetLastError() == ERROR_PIPE_CONNECTED
                            ? IoOutcome::Done
                            : Finish(instance.get(), overlapped, started, stopEvent_.get(), bytes, error);
    if (WaitForSingleObject(stopEvent_.get(), 0) == WAIT_OBJECT_0) outcome = IoOutcome::Stopped;
    if (outcome == IoOutcome::Stopped) break;
    // Keep one instance listening while this one is served, so clients find the pipe busy (and
    // wait) rather than missing.
    UniqueHandle next = CreateInstance(pipeName_, false);
    if (outcome == IoOutcome::Done) {
      JoinFinishedConnections();
      auto connection = std::make_unique<Connection>();
      Connection& c = *connection;
      std::lock_guard lock(connectionsMutex_);
      c.thread = std::thread([this, &c, pipe = std::move(instance)]() mutable { Serve(std::move(pipe), c); });
      connections_.push_back(std::move(connection));
    }
    instance = std::move(next);
    if (!instance) DebugWin32Failure(L"CreateNamedPipeW", GetLastError());
  }
}

void PipeServer::Serve(UniqueHandle pipe, Connection& connection) {
  {
    ConnectionLoop loop(pipe.get(), stopEvent_.get(), stopping_, service_, NextChannelName);
    loop.Run();
  }
  DisconnectNamedPipe(pipe.get());
  connection.done = true;
}

}  // namespace vorma::virtual72xx
