#pragma once
// A pipe connection's fast lane. A request and its reply through the named pipe cost about ten
// wineserver calls under Wine; through a block of shared memory and two events they cost three.
// The client asks for a channel over the pipe ("pipe.channel <client process ID>"); the server
// creates the block and the events under one name and answers "ok <name> <server process ID>".
// From then on the client writes a request into the block and signals the request event, and the
// server answers in the block and signals the reply event. A request that does not fit goes over
// the pipe as before; a reply that does not fit is announced in the block and follows on the pipe.
// The pipe stays connected: its end tells the server that the client has gone.

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace vorma::virtual72xx {

inline constexpr char kChannelRequestVerb[] = "pipe.channel";

// The head of the shared block; the message follows it. The events order the message: the client
// writes it before signalling the request event, the server before signalling the reply event.
// `closed` is read by the client while the server may write it, so every field is atomic.
struct ChannelHeader {
  std::atomic<std::uint32_t> requestNumber{0};  // counted up by the client for every request it signals
  std::atomic<std::uint32_t> takenNumber{0};    // the request number the server last took up
  std::atomic<std::uint32_t> length{0};         // of the message in the block
  std::atomic<std::uint32_t> replyOnPipe{0};    // 1: the reply did not fit and comes over the pipe
  std::atomic<std::uint32_t> closed{0};         // 1: the server ended the channel and serves no more requests
};
static_assert(std::atomic<std::uint32_t>::is_always_lock_free, "the header is shared between processes");

inline constexpr size_t kChannelBlockSize = 64 * 1024;
inline constexpr size_t kChannelCapacity = kChannelBlockSize - sizeof(ChannelHeader);

class SharedChannel {
public:
  // Creates the block and the events under a new name (server side); null with the Win32 error.
  static std::unique_ptr<SharedChannel> Create(const std::wstring& name, unsigned long& error);
  // Opens what the server created (client side); null with the Win32 error.
  static std::unique_ptr<SharedChannel> Open(const std::wstring& name, unsigned long& error);

  ChannelHeader& Header() const { return *static_cast<ChannelHeader*>(view_.get()); }
  char* Message() const { return static_cast<char*>(view_.get()) + sizeof(ChannelHeader); }
  HANDLE RequestEvent() const { return requestEvent_.get(); }
  HANDLE ReplyEvent() const { return replyEvent_.get(); }

private:
  SharedChannel() = default;

  UniqueHandle mapping_;
  UniqueMappedView view_;
  UniqueHandle requestEvent_;
  UniqueHandle replyEvent_;
};

}  // namespace vorma::virtual72xx
