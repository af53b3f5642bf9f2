#pragma once
// Serves one pipe connection until the client disconnects or the server stops: request messages
// that come over the pipe are answered over the pipe; once the client has asked for a shared
// channel (SharedChannel.h), requests signalled through the channel are answered there too. One
// read of the pipe is always pending, so a client that goes away ends the loop at once.

#include "outside/virtual72xx/OverlappedIo.h"
#include "outside/virtual72xx/SharedChannel.h"
#include "outside/virtual72xx/VirtualBusService.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

class ConnectionLoop {
public:
  // `stopping` is set before `stopEvent`; the loop reads it where waiting on the event would cost a call.
  ConnectionLoop(HANDLE pipe, HANDLE stopEvent, const std::atomic<bool>& stopping, VirtualBusService& service,
                 std::function<std::wstring()> channelName);
  ~ConnectionLoop();
  ConnectionLoop(const ConnectionLoop&) = delete;
  ConnectionLoop& operator=(const ConnectionLoop&) = delete;

  void Run();

private:
  bool StartRead();
  // Takes the finished read; false when the client has gone.
  bool CollectRead();
  bool AnswerPipeMessage();
  bool AnswerChannelRequest();
  std::string OpenChannel();
  bool WriteOnPipe(const std::string& reply);

  HANDLE pipe_;
  HANDLE stopEvent_;
  const std::atomic<bool>& stopping_;
  VirtualBusService& service_;
  std::function<std::wstring()> channelName_;
  UniqueHandle readEvent_;
  UniqueHandle writeEvent_;
  OVERLAPPED read_{};
  bool reading_ = false;
  std::vector<char> buffer_;
  std::string message_;   // the pipe message read so far
  bool messageComplete_ = false;
  std::unique_ptr<SharedChannel> channel_;
  bool replyDue_ = false;  // a channel reply is written but not yet signalled
};

}  // namespace vorma::virtual72xx
