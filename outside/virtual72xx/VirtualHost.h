#pragma once
// Hosts a virtual 72xx bus inside this process and serves it on a named pipe, so that code in this
// process (through the in-process client), the SDK stand-in loaded here, and child processes
// (through the pipe) all reach the same devices. Starting it points this process's environment
// variable VORMA_VIRTUAL72XX_PIPE at the pipe, which children inherit.
//
//   VirtualHost host;                    // a pipe name unique to this process
//   host.Start();                        // plugs nothing; use host.Client().Plug(...)
//   auto client = host.Client();         // in-process, no pipe involved
//
// Tests use one host per fixture; VormaVirtual72xx.exe serve uses one for its whole run.

#include "outside/virtual72xx/Virtual72xxClient.h"

#include <memory>
#include <string>

namespace vorma::virtual72xx {

class VirtualBus;

// A transport that hands each request straight to the bus, on the caller's thread.
std::shared_ptr<Transport> InProcessTransport(VirtualBus& bus);

class VirtualHost {
public:
  // An empty name picks "\\.\pipe\vorma-virtual72xx-<process id>-<counter>".
  explicit VirtualHost(std::wstring pipeName = {});
  ~VirtualHost();
  VirtualHost(const VirtualHost&) = delete;
  VirtualHost& operator=(const VirtualHost&) = delete;

  // Starts serving the pipe and sets VORMA_VIRTUAL72XX_PIPE (unless setEnvironment is false).
  // Returns kOk or the Win32 error of creating the pipe.
  unsigned long Start(bool setEnvironment = true);
  // Stops serving: waiting clients are woken, connections closed, the listener joined. The
  // destructor does the same; the bus and its journals stay readable until the host is destroyed.
  void Stop();

  VirtualBus& Bus();
  // An in-process client; it and its copies must not outlive the host.
  Virtual72xxClient Client();
  const std::wstring& PipeName() const;

  // Blocks until a client sent "stop" (VormaVirtual72xx.exe stop) or timeoutMs passed; true when
  // a stop was asked for.
  bool WaitForStopRequest(unsigned long timeoutMs);

private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorma::virtual72xx
