#include "tests/support/TestSound.h"

#include "foundation/UniqueHandles.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace vorma::test {
namespace {

constexpr DWORD kToneRate = 44100;
constexpr DWORD kToneSamples = kToneRate / 10;  // 100 ms, a whole number of 1 kHz periods

WAVEFORMATEX Format(DWORD rate, WORD bits) {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = rate;
  format.wBitsPerSample = bits;
  format.nBlockAlign = bits / 8;
  format.nAvgBytesPerSec = rate * format.nBlockAlign;
  return format;
}

}  // namespace

bool SoundDevicesPresent() { return waveOutGetNumDevs() > 0 && waveInGetNumDevs() > 0; }

TestTone::TestTone() : samples_(new short[kToneSamples]) {
  for (DWORD i = 0; i < kToneSamples; ++i)
    samples_[i] = static_cast<short>(12000 * std::sin(2 * 3.14159265358979 * 1000 * i / kToneRate));
  WAVEFORMATEX format = Format(kToneRate, 16);
  if (waveOutOpen(&out_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    out_ = nullptr;
    return;
  }
  header_.lpData = reinterpret_cast<LPSTR>(samples_.get());
  header_.dwBufferLength = kToneSamples * sizeof(short);
  header_.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
  header_.dwLoops = 0xFFFFFFFF;
  if (waveOutPrepareHeader(out_, &header_, sizeof(header_)) != MMSYSERR_NOERROR) return;
  playing_ = waveOutWrite(out_, &header_, sizeof(header_)) == MMSYSERR_NOERROR;
}

TestTone::~TestTone() { Stop(); }

void TestTone::Stop() {
  if (!out_) return;
  waveOutReset(out_);
  waveOutUnprepareHeader(out_, &header_, sizeof(header_));
  waveOutClose(out_);
  out_ = nullptr;
  playing_ = false;
}

double RecordedLevel(DWORD milliseconds) {
  UniqueHandle done(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  WAVEFORMATEX format = Format(8000, 8);
  HWAVEIN in = nullptr;
  if (waveInOpen(&in, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done.get()), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR)
    return -1;
  std::vector<unsigned char> samples(8 * milliseconds, 128);
  WAVEHDR header = {};
  header.lpData = reinterpret_cast<LPSTR>(samples.data());
  header.dwBufferLength = static_cast<DWORD>(samples.size());
  double level = -1;
  if (waveInPrepareHeader(in, &header, sizeof(header)) == MMSYSERR_NOERROR) {
    if (waveInAddBuffer(in, &header, sizeof(header)) == MMSYSERR_NOERROR && waveInStart(in) == MMSYSERR_NOERROR) {
      const ULONGLONG deadline = GetTickCount64() + milliseconds + 5000;
      while (!(header.dwFlags & WHDR_DONE) && GetTickCount64() < deadline) WaitForSingleObject(done.get(), 50);
      if (header.dwFlags & WHDR_DONE && header.dwBytesRecorded > 0) {
        long sum = 0;
        for (DWORD i = 0; i < header.dwBytesRecorded; ++i) sum += std::abs(samples[i] - 128);
        level = static_cast<double>(sum) / header.dwBytesRecorded;
      }
    }
    waveInReset(in);
    waveInUnprepareHeader(in, &header, sizeof(header));
  }
  waveInClose(in);
  return level;
}

bool WaitForRecordedLevel(const std::function<bool(double)>& accept, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    const double level = RecordedLevel(200);
    if (level >= 0 && accept(level)) return true;
  } while (GetTickCount64() < deadline);
  return false;
}

}  // namespace vorma::test
