#pragma once
// A profile save that is all or nothing: the keys are written into a temporary copy of the file in
// the same folder (so keys the save does not name stay), and the copy replaces the file only when
// every key was written. A save that stops half-way leaves the old file as it was.

#include <windows.h>

#include <string>

namespace vorma::profiles {

class ProfileWriter {
public:
  // Starts the copy; Ready() tells whether it could be made (the folder may not be writable).
  explicit ProfileWriter(std::wstring target);
  ~ProfileWriter();  // removes a copy that was not committed
  ProfileWriter(const ProfileWriter&) = delete;
  ProfileWriter& operator=(const ProfileWriter&) = delete;

  bool Ready() const { return !copy_.empty(); }
  // The path the keys go to; private-profile writes with it land in the copy.
  const std::wstring& Path() const { return copy_; }
  // Writes one key into the copy; a failure is remembered and makes Commit refuse.
  void Write(const wchar_t* section, const wchar_t* key, const std::wstring& value);
  void Write(const wchar_t* section, const wchar_t* key, int value) { Write(section, key, std::to_wstring(value)); }
  // A write made by someone else with Path() failed.
  void MarkFailed() { failed_ = true; }
  // Replaces the target with the copy; false (and the target unchanged) when a write failed or
  // the target could not be replaced.
  bool Commit();

private:
  std::wstring target_;
  std::wstring copy_;
  bool failed_ = false;
};

}  // namespace vorma::profiles
