#include "forms/MediaPlayer.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vorma::forms {
namespace {

std::uint32_t U32(const char* p) {
  std::uint32_t value;
  std::memcpy(&value, p, 4);
  return value;
}

// The "fmt " and "data" chunks of a RIFF WAVE file.
bool ParseWave(const std::vector<char>& file, WAVEFORMATEX& format, std::vector<char>& samples) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
    return false;
  bool haveFormat = false, haveData = false;
  for (size_t at = 12; at + 8 <= file.size();) {
    const char* chunk = file.data() + at;
    const std::uint32_t size = U32(chunk + 4);
    if (size > file.size() - at - 8) return false;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
      std::memcpy(&format, chunk + 8, 16);
      format.cbSize = 0;
      haveFormat = format.wFormatTag == WAVE_FORMAT_PCM && format.nAvgBytesPerSec > 0;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      samples.assign(chunk + 8, chunk + 8 + size);
      haveData = true;
    }
    at += 8 + size + (size & 1);
  }
  return haveFormat && haveData;
}

bool ReadWholeFile(const std::wstring& path, std::vector<char>& bytes) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return false;
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return false;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  return ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
}

}  // namespace

MediaPlayer::~MediaPlayer() { Close(); }

bool MediaPlayer::Open(const std::wstring& path) {
  Close();
  std::vector<char> file;
  if (!ReadWholeFile(path, file) || !ParseWave(file, format_, samples_)) {
    DebugPrint(L"***** MediaPlayer Open %s FAIL! *****\n", path.c_str());
    samples_.clear();
    return false;
  }
  path_ = path;
  return true;
}

bool MediaPlayer::Play() {
  if (path_.empty()) return false;
  // Playing again keeps the device open: the reset takes the buffer back, still prepared, and it
  // is written once more (opening a playback device takes tens of milliseconds).
  if (out_) {
    waveOutReset(out_);
    if (waveOutWrite(out_, header_.get(), sizeof(WAVEHDR)) == MMSYSERR_NOERROR) return true;
    Stop();
  }
  HWAVEOUT out = nullptr;
  MMRESULT result = waveOutOpen(&out, WAVE_MAPPER, &format_, 0, 0, CALLBACK_NULL);
  if (result != MMSYSERR_NOERROR) {
    DebugPrint(L"***** MediaPlayer waveOutOpen FAIL! result = %u *****\n", result);
    return false;
  }
  out_ = out;
  header_ = std::make_unique<WAVEHDR>();
  header_->lpData = samples_.data();
  header_->dwBufferLength = static_cast<DWORD>(samples_.size());
  if (waveOutPrepareHeader(out_, header_.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR ||
      waveOutWrite(out_, header_.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
    DebugWrite(L"***** MediaPlayer waveOutWrite FAIL! *****\n");
    Stop();
    return false;
  }
  return true;
}

unsigned long MediaPlayer::Length() const {
  if (path_.empty()) return 0;
  return static_cast<unsigned long>(static_cast<unsigned long long>(samples_.size()) * 1000 / format_.nAvgBytesPerSec);
}

unsigned long MediaPlayer::Position() const {
  if (!out_) return 0;
  if (header_->dwFlags & WHDR_DONE) return Length();
  MMTIME time = {};
  time.wType = TIME_BYTES;
  if (waveOutGetPosition(out_, &time, sizeof(time)) != MMSYSERR_NOERROR || time.wType != TIME_BYTES) return 0;
  const unsigned long position =
      static_cast<unsigned long>(static_cast<unsigned long long>(time.u.cb) * 1000 / format_.nAvgBytesPerSec);
  return std::min(position, Length());
}

void MediaPlayer::Stop() {
  if (!out_) return;
  waveOutReset(out_);
  waveOutUnprepareHeader(out_, header_.get(), sizeof(WAVEHDR));
  waveOutClose(out_);
  out_ = nullptr;
  header_.reset();
}

void MediaPlayer::Close() {
  Stop();
  path_.clear();
  samples_.clear();
}

}  // namespace vorma::forms
