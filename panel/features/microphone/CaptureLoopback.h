#pragma once
// The software microphone monitor: records the default capture device (16-bit, 8 kHz, mono) into
// one 1 MiB buffer and, once a second, plays what was recorded since the last second on the default
// playback device. It runs on a thread of its own, so the window never waits for the sound devices;
// Stop() ends it and waits for the thread. When it stops, the recording is written to
// "RecordTest.pcm" in the working folder, which is deleted again.

#include "foundation/UniqueHandles.h"

#include <string>
#include <thread>

namespace vorma::features {

inline constexpr wchar_t kLoopbackFileName[] = L"RecordTest.pcm";
inline constexpr unsigned long kLoopbackBufferBytes = 0x100000;

class CaptureLoopback {
public:
  CaptureLoopback() = default;
  ~CaptureLoopback() { Stop(); }
  CaptureLoopback(const CaptureLoopback&) = delete;
  CaptureLoopback& operator=(const CaptureLoopback&) = delete;

  // Starts the loopback thread; nothing when it already runs.
  void Start();
  // Asks the thread to finish and waits for it; nothing when it does not run.
  void Stop();
  bool Running() const { return thread_.joinable(); }
  // Bytes the last loopback recorded (set when it stopped); 0 before.
  unsigned long LastRecordedBytes() const { return lastRecorded_; }

private:
  void Run();

  UniqueHandle stop_;
  std::thread thread_;
  unsigned long lastRecorded_ = 0;
};

}  // namespace vorma::features
