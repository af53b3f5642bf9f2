#pragma once
// Plays one WAV file with PlaySoundW, asynchronously. Only one sound of the process plays at a time.

#include <string>

namespace vorma::forms {

class MediaPlayer {
public:
  MediaPlayer() = default;
  ~MediaPlayer();
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Remembers the file; fails when it does not exist.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return !path_.empty(); }
  const std::wstring& FileName() const { return path_; }
  // Starts playing from the beginning; loop repeats until Stop.
  bool Play(bool loop = false);
  void Stop();
  void Close();

private:
  std::wstring path_;
  bool playing_ = false;
};

}  // namespace vorma::forms
