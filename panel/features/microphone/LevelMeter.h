#pragma once
// The microphone page's level meter: the width rule for one capture buffer, and the 8 kHz 8-bit
// capture from the default capture device that feeds it, delivered as MM_WIM_DATA to a window.

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <memory>
#include <span>

namespace vorma::features {

inline constexpr DWORD kMeterBufferBytes = 400;

// One-channel PCM at the rate and sample size (the meter's 8 kHz 8 bits, the loopback's 16 bits).
WAVEFORMATEX MonoPcmFormat(DWORD samplesPerSecond, WORD bitsPerSample);

// The meter's width for one buffer: the samples' mean distance from silence (128, integer mean
// over the buffer) scaled to the meter length; 0 for silence, otherwise 10 + 4 j for the largest
// j below the level that still fits the length (0 when not even 10 fits).
int MeterWidth(std::span<const std::uint8_t> samples, int meterLength);

class LevelMeterCapture {
public:
  LevelMeterCapture() = default;
  ~LevelMeterCapture();
  LevelMeterCapture(const LevelMeterCapture&) = delete;
  LevelMeterCapture& operator=(const LevelMeterCapture&) = delete;

  // Opens the wave mapper's capture with window notification, queues two buffers and starts.
  // Already open: kept as it is. False when the capture device cannot be opened.
  bool Open(HWND window);
  // Stop, reset, close; the buffers are freed. Buffers still on their way count for nothing.
  void Close();
  bool IsOpen() const { return in_ != nullptr; }

  // For MM_WIM_DATA: the buffer's recorded samples when the message is about a filled buffer of
  // this capture as it is open now; false for anything else (a buffer of a closed capture).
  bool FilledBuffer(WPARAM wParam, LPARAM lParam, std::span<const std::uint8_t>& samples) const;
  // Queues the buffer again for recording.
  void GiveBack(LPARAM lParam);

private:
  struct Buffers {
    WAVEHDR headers[2] = {};
    std::uint8_t samples[2][kMeterBufferBytes] = {};
  };
  HWAVEIN in_ = nullptr;
  std::unique_ptr<Buffers> buffers_;
};

}  // namespace vorma::features
