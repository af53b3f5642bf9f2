#include "outside/virtual72xx/PipeServer.h"

#include "foundation/DebugOutput.h"

#include <windows.h>

namespace vorma::virtual72xx {

namespace {

constexpr DWORD kBufferSize = 64 * 1024;

enum class IoOutcome { Done, Failed, Stopped };

UniqueHandle CreateInstance(const std::wstring& name, bool first) {
  DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
  return UniqueHandle(CreateNamedPipeW(name.c_str(), openMode, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                       PIPE_UNLIMITED_INSTANCES, kBufferSize, kBufferSize, 0, nullptr));
}

// Finishes an overlapped operation started on `pipe` (`started` is what the call returned):
// waits for it or for the stop event; on stop the operation is cancelled and its completion
// awaited, so nothing stays pending. `error` is the operation's Win32 result, ERROR_MORE_DATA for
// the first part of a longer message.
IoOutcome Finish(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, HANDLE stopEvent, DWORD& bytes, DWORD& error) {
  if (!started) {
    error = GetLastError();
    if (error != ERROR_IO_PENDING && error != ERROR_MORE_DATA) return IoOutcome::Failed;
  }
  bool stopped = false;
  HANDLE waits[2] = {overlapped.hEvent, stopEvent};
  if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
    stopped = true;
    CancelIoEx(pipe, &overlapped);
  }
  BOOL ok = GetOverlappedResult(pipe, &overlapped, &bytes, TRUE);
  error = ok ? ERROR_SUCCESS : GetLastError();
  if (stopped) return IoOutcome::Stopped;
  return ok || error == ERROR_MORE_DATA ? IoOutcome::Done : IoOutcome::Failed;
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
  listener_ = std::thread([this, pipe = std::move(first)]() mutable { Listen(std::move(pipe)); });
  return ERROR_SUCCESS;
}

void PipeServer::Stop() {
  if (!listener_.joinable()) return;
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
  UniqueHandle ioEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::string request;
  std::vector<char> buffer(kBufferSize);
  bool open = static_cast<bool>(ioEvent);
  while (open) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = ioEvent.get();
    ResetEvent(ioEvent.get());
    DWORD bytes = 0, error = 0;
    BOOL started = ReadFile(pipe.get(), buffer.data(), kBufferSize, &bytes, &overlapped);
    IoOutcome outcome = Finish(pipe.get(), overlapped, started, stopEvent_.get(), bytes, error);
    if (outcome != IoOutcome::Done) break;
    request.append(buffer.data(), bytes);
    if (error == ERROR_MORE_DATA) continue;  // the rest of the message follows

    std::string reply = service_.Handle(request);
    request.clear();
    OVERLAPPED writeOverlapped{};
    writeOverlapped.hEvent = ioEvent.get();
    ResetEvent(ioEvent.get());
    started = WriteFile(pipe.get(), reply.data(), static_cast<DWORD>(reply.size()), &bytes, &writeOverlapped);
    open = Finish(pipe.get(), writeOverlapped, started, stopEvent_.get(), bytes, error) == IoOutcome::Done;
  }
  DisconnectNamedPipe(pipe.get());
  connection.done = true;
}

}  // namespace vorma::virtual72xx
