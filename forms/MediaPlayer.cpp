#include "forms/MediaPlayer.h"

#include "foundation/DebugOutput.h"

#include <windows.h>
#include <mmsystem.h>

namespace vorma::forms {

MediaPlayer::~MediaPlayer() { Close(); }

bool MediaPlayer::Open(const std::wstring& path) {
  Close();
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    DebugPrint(L"***** MediaPlayer Open %s FAIL! *****\n", path.c_str());
    return false;
  }
  path_ = path;
  return true;
}

bool MediaPlayer::Play(bool loop) {
  if (path_.empty()) return false;
  // SND_NODEFAULT: a file that cannot be played stays silent instead of ringing the system sound.
  DWORD flags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
  if (loop) flags |= SND_LOOP;
  if (!PlaySoundW(path_.c_str(), nullptr, flags)) {
    DebugPrint(L"***** PlaySoundW %s FAIL! *****\n", path_.c_str());
    return false;
  }
  playing_ = true;
  return true;
}

void MediaPlayer::Stop() {
  if (!playing_) return;
  PlaySoundW(nullptr, nullptr, 0);
  playing_ = false;
}

void MediaPlayer::Close() {
  Stop();
  path_.clear();
}

}  // namespace vorma::forms
