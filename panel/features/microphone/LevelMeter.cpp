#include "panel/features/microphone/LevelMeter.h"

#include "foundation/DebugOutput.h"

#include <cstdlib>

namespace vorma::features {

WAVEFORMATEX MonoPcmFormat(DWORD samplesPerSecond, WORD bitsPerSample) {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = samplesPerSecond;
  format.wBitsPerSample = bitsPerSample;
  format.nBlockAlign = bitsPerSample / 8;
  format.nAvgBytesPerSec = samplesPerSecond * format.nBlockAlign;
  return format;
}

int MeterWidth(std::span<const std::uint8_t> samples, int meterLength) {
  if (samples.empty()) return 0;
  long sum = 0;
  for (std::uint8_t sample : samples) sum += std::abs(static_cast<int>(sample) - 128);
  const long average = sum / static_cast<long>(samples.size());
  const long level = (static_cast<long>(meterLength) * 2 * average) >> 7;
  if (level == 0 || meterLength < 10) return 0;
  long j = std::min(level - 1, static_cast<long>((meterLength - 10) / 4));
  return static_cast<int>(10 + 4 * j);
}

LevelMeterCapture::~LevelMeterCapture() { Close(); }

bool LevelMeterCapture::Open(HWND window) {
  if (in_) return true;
  WAVEFORMATEX format = MonoPcmFormat(8000, 8);
  HWAVEIN in = nullptr;
  MMRESULT result = waveInOpen(&in, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW);
  if (result != MMSYSERR_NOERROR) {
    DebugPrint(L"***** waveInOpen FAIL! result = %u *****\n", result);
    return false;
  }
  in_ = in;
  buffers_ = std::make_unique<Buffers>();
  for (int i = 0; i < 2; ++i) {
    WAVEHDR& header = buffers_->headers[i];
    header.lpData = reinterpret_cast<LPSTR>(buffers_->samples[i]);
    header.dwBufferLength = kMeterBufferBytes;
    waveInPrepareHeader(in_, &header, sizeof(header));
    waveInAddBuffer(in_, &header, sizeof(header));
  }
  waveInStart(in_);
  return true;
}

void LevelMeterCapture::Close() {
  if (!in_) return;
  waveInStop(in_);
  waveInReset(in_);
  for (WAVEHDR& header : buffers_->headers) waveInUnprepareHeader(in_, &header, sizeof(header));
  waveInClose(in_);
  in_ = nullptr;
  buffers_.reset();
}

bool LevelMeterCapture::FilledBuffer(WPARAM wParam, LPARAM lParam, std::span<const std::uint8_t>& samples) const {
  if (!in_ || reinterpret_cast<HWAVEIN>(wParam) != in_) return false;
  const auto* header = reinterpret_cast<const WAVEHDR*>(lParam);
  for (const WAVEHDR& own : buffers_->headers) {
    if (header != &own) continue;
    // A message left over from an earlier capture may name a header of this one that is queued
    // again (same address, same handle value): only a done, not queued header is filled.
    if (!(own.dwFlags & WHDR_DONE) || (own.dwFlags & WHDR_INQUEUE)) return false;
    samples = {reinterpret_cast<const std::uint8_t*>(own.lpData), own.dwBytesRecorded};
    return true;
  }
  return false;
}

void LevelMeterCapture::GiveBack(LPARAM lParam) {
  if (!in_) return;
  auto* header = reinterpret_cast<WAVEHDR*>(lParam);
  for (WAVEHDR& own : buffers_->headers)
    if (header == &own) waveInAddBuffer(in_, &own, sizeof(own));
}

}  // namespace vorma::features
