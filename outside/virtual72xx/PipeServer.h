#pragma once
// Serves a VirtualBusService on a named pipe: one listening instance is always waiting, and every
// connection gets a thread of its own that answers one request message with one reply message
// until the client disconnects, over the pipe or through the connection's shared channel
// (ConnectionLoop.h). All I/O is overlapped and waits on the stop event as well, so Stop never
// leaves an operation pending.

#include "outside/virtual72xx/VirtualBusService.h"

#include "foundation/UniqueHandles.h"

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace vorma::virtual72xx {

class PipeServer {
public:
  explicit PipeServer(VirtualBusService& service) : service_(service) {}
  ~PipeServer() { Stop(); }
  PipeServer(const PipeServer&) = delete;
  PipeServer& operator=(const PipeServer&) = delete;

  // Creates the first pipe instance and starts the listener. kOk, ERROR_ALREADY_EXISTS when
  // another server owns the name, or the Win32 error of creating the pipe.
  unsigned long Start(const std::wstring& pipeName);
  // Ends the listener and every connection and joins their threads. Waits in progress are ended
  // by the bus (VirtualBus::Shutdown), not here.
  void Stop();

private:
  struct Connection {
    std::thread thread;
    std::atomic<bool> done{false};
  };

  void Listen(UniqueHandle firstInstance);
  void Serve(UniqueHandle pipe, Connection& connection);
  void JoinFinishedConnections();

  VirtualBusService& service_;
  std::wstring pipeName_;
  UniqueHandle stopEvent_;
  std::thread listener_;
  std::mutex connectionsMutex_;
  std::list<std::unique_ptr<Connection>> connections_;
  std::atomic<bool> stopping_{false};
};

}  // namespace vorma::virtual72xx
