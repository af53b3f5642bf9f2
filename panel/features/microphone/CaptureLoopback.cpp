#include "panel/features/microphone/CaptureLoopback.h"

#include "foundation/DebugOutput.h"
#include "panel/features/microphone/LevelMeter.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <list>
#include <memory>

namespace vorma::features {
namespace {

constexpr DWORD kReplayIntervalMs = 1000;

WAVEFORMATEX LoopbackFormat() { return MonoPcmFormat(8000, 16); }

// The playback side: each replay is one header over the part of the buffer recorded since the
// previous one; finished headers are unprepared and dropped at the next replay.
class Replay {
public:
  ~Replay() { Close(); }
  void Play(const char* data, DWORD from, DWORD to) {
    if (!out_) {
      WAVEFORMATEX format = LoopbackFormat();
      if (waveOutOpen(&out_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_.get()), 0, CALLBACK_EVENT) !=
          MMSYSERR_NOERROR) {
        out_ = nullptr;
        return;
      }
    }
    DropFinished();
    if (to <= from) return;
    WAVEHDR& header = headers_.emplace_back();
    header.lpData = const_cast<char*>(data) + from;
    header.dwBufferLength = to - from;
    if (waveOutPrepareHeader(out_, &header, sizeof(header)) != MMSYSERR_NOERROR ||
        waveOutWrite(out_, &header, sizeof(header)) != MMSYSERR_NOERROR) {
      waveOutUnprepareHeader(out_, &header, sizeof(header));
      headers_.pop_back();
    }
  }
  void Close() {
    if (!out_) return;
    waveOutReset(out_);
    for (WAVEHDR& header : headers_) waveOutUnprepareHeader(out_, &header, sizeof(header));
    headers_.clear();
    waveOutClose(out_);
    out_ = nullptr;
  }

private:
  void DropFinished() {
    for (auto it = headers_.begin(); it != headers_.end();) {
      if (!(it->dwFlags & WHDR_DONE)) {
        ++it;
        continue;
      }
      waveOutUnprepareHeader(out_, &*it, sizeof(*it));
      it = headers_.erase(it);
    }
  }

  UniqueHandle done_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  HWAVEOUT out_ = nullptr;
  std::list<WAVEHDR> headers_;  // stable addresses while the device holds them
};

// Bytes recorded into the queued buffer so far.
DWORD RecordedSoFar(HWAVEIN in, const WAVEHDR& header) {
  if (header.dwFlags & WHDR_DONE) return header.dwBytesRecorded;
  MMTIME position = {};
  position.wType = TIME_BYTES;
  if (waveInGetPosition(in, &position, sizeof(position)) != MMSYSERR_NOERROR || position.wType != TIME_BYTES) return 0;
  return std::min<DWORD>(position.u.cb & ~1u, header.dwBufferLength);
}

}  // namespace

void CaptureLoopback::Start() {
  if (Running()) return;
  stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  thread_ = std::thread([this] { Run(); });
}

void CaptureLoopback::Stop() {
  if (!Running()) return;
  SetEvent(stop_.get());
  thread_.join();
  stop_.reset();
}

void CaptureLoopback::Run() {
  UniqueHandle recorded(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  WAVEFORMATEX format = LoopbackFormat();
  HWAVEIN in = nullptr;
  if (waveInOpen(&in, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(recorded.get()), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    DebugWrite(L"***** StartLoopback waveInOpen FAIL! *****\n");
    WaitForSingleObject(stop_.get(), INFINITE);
    return;
  }
  std::FILE* file = _wfopen(kLoopbackFileName, L"wb");
  auto buffer = std::make_unique<char[]>(kLoopbackBufferBytes);
  WAVEHDR header = {};
  header.lpData = buffer.get();
  header.dwBufferLength = kLoopbackBufferBytes;
  waveInPrepareHeader(in, &header, sizeof(header));
  waveInAddBuffer(in, &header, sizeof(header));
  waveInStart(in);

  Replay replay;
  DWORD played = 0;
  while (WaitForSingleObject(stop_.get(), kReplayIntervalMs) == WAIT_TIMEOUT) {
    const DWORD now = RecordedSoFar(in, header);
    replay.Play(buffer.get(), played, now);
    played = std::max(played, now);
  }

  waveInStop(in);
  waveInReset(in);
  lastRecorded_ = header.dwBytesRecorded;
  waveInUnprepareHeader(in, &header, sizeof(header));
  waveInClose(in);
  if (file) {
    std::fwrite(buffer.get(), 1, header.dwBytesRecorded, file);
    std::fclose(file);
  }
  replay.Close();
  DeleteFileW(kLoopbackFileName);
}

}  // namespace vorma::features
