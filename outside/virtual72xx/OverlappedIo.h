#pragma once
// Overlapped pipe operations of the server that always end: each waits on the server's stop event
// too, and a stopped operation is cancelled and awaited, so nothing stays pending.

#include <windows.h>

namespace vorma::virtual72xx {

inline constexpr DWORD kPipeBufferSize = 64 * 1024;

enum class IoOutcome { Done, Failed, Stopped };

// Finishes an overlapped operation started on `pipe` (`started` is what the call returned): an
// operation that completed at once is collected without waiting; otherwise waits for it or for the
// stop event. `error` is the operation's Win32 result, ERROR_MORE_DATA for the first part of a
// longer message.
IoOutcome Finish(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, HANDLE stopEvent, DWORD& bytes, DWORD& error);

// Cancels an operation still pending on `pipe` and waits until it has ended.
void CancelAndAwait(HANDLE pipe, OVERLAPPED& overlapped);

}  // namespace vorma::virtual72xx
