#pragma once
// The form's media player for one PCM WAV file: Open reads the file, Play starts it from the
// beginning on the default playback device (asynchronously), Position and Length say how far it
// has played, in milliseconds, so a caller can start it again exactly when it reaches the end.

#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <string>
#include <vector>

namespace vorma::forms {

class MediaPlayer {
public:
  MediaPlayer() = default;
  ~MediaPlayer();
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Reads the file's format and samples; fails (and stays closed) when it is missing or is not a
  // PCM WAV file.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return !path_.empty(); }
  const std::wstring& FileName() const { return path_; }
  // Starts playing from the beginning (stopping a play in progress).
  bool Play();
  bool Playing() const { return out_ != nullptr; }
  // Milliseconds played; equal to Length() once the whole file has played.
  unsigned long Position() const;
  unsigned long Length() const;
  void Stop();
  void Close();

private:
  std::wstring path_;
  WAVEFORMATEX format_{};
  std::vector<char> samples_;
  HWAVEOUT out_ = nullptr;
  std::unique_ptr<WAVEHDR> header_;  // its address stays fixed while the device holds it
};

}  // namespace vorma::forms
