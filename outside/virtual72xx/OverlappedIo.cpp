#include "outside/virtual72xx/OverlappedIo.h"

namespace vorma::virtual72xx {

IoOutcome Finish(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, HANDLE stopEvent, DWORD& bytes, DWORD& error) {
  if (!started) {
    error = GetLastError();
    if (error != ERROR_IO_PENDING && error != ERROR_MORE_DATA) return IoOutcome::Failed;
  }
  if (!started && error == ERROR_IO_PENDING) {
    HANDLE waits[2] = {overlapped.hEvent, stopEvent};
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
      CancelAndAwait(pipe, overlapped);
      return IoOutcome::Stopped;
    }
  }
  BOOL ok = GetOverlappedResult(pipe, &overlapped, &bytes, TRUE);
  error = ok ? ERROR_SUCCESS : GetLastError();
  return ok || error == ERROR_MORE_DATA ? IoOutcome::Done : IoOutcome::Failed;
}

void CancelAndAwait(HANDLE pipe, OVERLAPPED& overlapped) {
  CancelIoEx(pipe, &overlapped);
  DWORD bytes = 0;
  GetOverlappedResult(pipe, &overlapped, &bytes, TRUE);
}

}  // namespace vorma::virtual72xx
