#pragma once
// The sound server for the tests that need real Windows audio (the test command runs a private
// PulseAudio: a null sink as the default playback device, a source fed by its monitor as the
// default capture device): a tone played into the default playback device, and the level that
// the default capture device records.

#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <memory>

namespace vorma::test {

// The description the sound session gives the source that records the sink's output.
inline constexpr wchar_t kTestMicrophoneDescription[] = L"Microphone (72xx USB Audio 7201)";

// True when Windows has a playback and a capture device (the sound session runs).
bool SoundDevicesPresent();

// A 1 kHz tone played in a loop into the default playback device from construction until Stop()
// or destruction.
class TestTone {
public:
  TestTone();
  ~TestTone();
  TestTone(const TestTone&) = delete;
  TestTone& operator=(const TestTone&) = delete;
  bool Playing() const { return playing_; }
  void Stop();

private:
  HWAVEOUT out_ = nullptr;
  WAVEHDR header_{};
  std::unique_ptr<short[]> samples_;
  bool playing_ = false;
};

// Records `milliseconds` from the default capture device at 8 kHz, 8 bits, mono and gives the
// mean distance of the samples from silence (128); -1 when recording failed.
double RecordedLevel(DWORD milliseconds = 200);

// Records in short pieces until `accept` holds for a piece's level or the time is up.
bool WaitForRecordedLevel(const std::function<bool(double)>& accept, DWORD timeoutMs = 10000);

}  // namespace vorma::test
