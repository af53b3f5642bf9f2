#include "outside/virtual72xx/ConnectionLoop.h"

#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include <cstring>

namespace vorma::virtual72xx {

namespace {

// How long the loop waits for the client's next channel request in the same call that answers the
// current one. Requests come in bursts; after a pause the loop goes back to waiting for the stop
// event and the pipe too.
constexpr DWORD kNextRequestWaitMs = 20;

}  // namespace

ConnectionLoop::ConnectionLoop(HANDLE pipe, HANDLE stopEvent, const std::atomic<bool>& stopping,
                               VirtualBusService& service, std::function<std::wstring()> channelName)
    : pipe_(pipe),
      stopEvent_(stopEvent),
      stopping_(stopping),
      service_(service),
      channelName_(std::move(channelName)),
      readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      writeEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      buffer_(kPipeBufferSize) {}

ConnectionLoop::~ConnectionLoop() {
  if (reading_) CancelAndAwait(pipe_, read_);
  if (channel_) {
    // A reply still due goes out with this signal; a client that signals from now on, or waits
    // already, learns that nobody answers.
    channel_->Header().closed = 1;
    SetEvent(channel_->ReplyEvent());
  }
}

void ConnectionLoop::Run() {
  if (!readEvent_ || !writeEvent_) return;
  for (;;) {
    if (!reading_ && !StartRead()) return;
    if (replyDue_) {
      // One call signals the answer and waits for the next request.
      replyDue_ = false;
      const DWORD woke = SignalObjectAndWait(channel_->ReplyEvent(), channel_->RequestEvent(), kNextRequestWaitMs, FALSE);
      if (woke == WAIT_OBJECT_0 && !stopping_) {
        if (!AnswerChannelRequest()) return;
        continue;
      }
      if (woke != WAIT_TIMEOUT) return;  // stopping (the request stays untaken), or the call failed
    }
    HANDLE waits[3] = {stopEvent_, readEvent_.get(), channel_ ? channel_->RequestEvent() : nullptr};
    const DWORD woke = WaitForMultipleObjects(channel_ ? 3 : 2, waits, FALSE, INFINITE);
    if (woke == WAIT_OBJECT_0 + 1) {
      if (!CollectRead()) return;
      if (messageComplete_ && !AnswerPipeMessage()) return;
    } else if (woke == WAIT_OBJECT_0 + 2) {
      if (!AnswerChannelRequest()) return;
    } else {
      return;  // stopped, or the wait failed
    }
  }
}

bool ConnectionLoop::StartRead() {
  read_ = OVERLAPPED{};
  read_.hEvent = readEvent_.get();  // ReadFile resets it
  if (!ReadFile(pipe_, buffer_.data(), static_cast<DWORD>(buffer_.size()), nullptr, &read_)) {
    const DWORD error = GetLastError();
    if (error != ERROR_IO_PENDING && error != ERROR_MORE_DATA) return false;
  }
  reading_ = true;
  return true;
}

bool ConnectionLoop::CollectRead() {
  reading_ = false;
  DWORD bytes = 0;
  const BOOL ok = GetOverlappedResult(pipe_, &read_, &bytes, FALSE);
  if (!ok && GetLastError() != ERROR_MORE_DATA) return false;
  if (messageComplete_) message_.clear();
  message_.append(buffer_.data(), bytes);
  messageComplete_ = ok;  // ERROR_MORE_DATA: the rest of the message follows
  return true;
}

bool ConnectionLoop::AnswerPipeMessage() {
  const bool asksForChannel = !channel_ && message_ == kChannelRequestVerb;
  return WriteOnPipe(asksForChannel ? OpenChannel() : service_.Handle(message_));
}

std::string ConnectionLoop::OpenChannel() {
  const std::wstring name = channelName_();
  unsigned long error = 0;
  channel_ = SharedChannel::Create(name, error);
  if (!channel_) return protocol::ErrorReply(error, "no shared channel");
  return protocol::OkReply({protocol::Utf8FromWide(name), std::to_string(GetCurrentProcessId())});
}

bool ConnectionLoop::AnswerChannelRequest() {
  ChannelHeader& header = channel_->Header();
  header.takenNumber = header.requestNumber.load();
  const std::string request(channel_->Message(), std::min<size_t>(header.length, kChannelCapacity));
  const std::string reply = service_.Handle(request);
  if (reply.size() <= kChannelCapacity) {
    std::memcpy(channel_->Message(), reply.data(), reply.size());
    header.length = static_cast<std::uint32_t>(reply.size());
    header.replyOnPipe = 0;
    replyDue_ = true;
    return true;
  }
  // Signal first: the client reads the pipe only after the signal, and a reply longer than the
  // pipe's buffer is not written before it reads.
  header.length = 0;
  header.replyOnPipe = 1;
  return SetEvent(channel_->ReplyEvent()) && WriteOnPipe(reply);
}

bool ConnectionLoop::WriteOnPipe(const std::string& reply) {
  OVERLAPPED write{};
  write.hEvent = writeEvent_.get();
  DWORD bytes = 0, error = 0;
  const BOOL started = WriteFile(pipe_, reply.data(), static_cast<DWORD>(reply.size()), nullptr, &write);
  return Finish(pipe_, write, started, stopEvent_, bytes, error) == IoOutcome::Done;
}

}  // namespace vorma::virtual72xx
