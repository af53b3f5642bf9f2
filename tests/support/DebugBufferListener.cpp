#include "tests/support/DebugBufferListener.h"

#include <cstring>

namespace vorma::test {
namespace {

constexpr DWORD kBufferSize = 4096;

// The names every writer opens. Under Wine services and the test share one namespace; the
// "Global\\" forms of these names are not seen by the writers there.
constexpr wchar_t kBufferName[] = L"DBWIN_BUFFER";
constexpr wchar_t kBufferReadyName[] = L"DBWIN_BUFFER_READY";
constexpr wchar_t kDataReadyName[] = L"DBWIN_DATA_READY";

}  // namespace

DebugBufferListener::DebugBufferListener() {
  mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, kBufferName));
  if (!mapping_ || GetLastError() == ERROR_ALREADY_EXISTS) return;
  view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, kBufferSize));
  bufferReady_.reset(CreateEventW(nullptr, FALSE, FALSE, kBufferReadyName));
  dataReady_.reset(CreateEventW(nullptr, FALSE, FALSE, kDataReadyName));
  if (!view_ || !bufferReady_ || !dataReady_) return;
  listening_ = true;
  reader_ = std::thread([this] { Run(); });
}

DebugBufferListener::~DebugBufferListener() {
  stop_ = true;
  if (reader_.joinable()) reader_.join();
}

void DebugBufferListener::Run() {
  SetEvent(bufferReady_.get());
  while (!stop_) {
    if (WaitForSingleObject(dataReady_.get(), 50) != WAIT_OBJECT_0) continue;
    const auto* bytes = static_cast<const char*>(view_.get());
    Line line;
    std::memcpy(&line.processId, bytes, sizeof(DWORD));
    line.text.assign(bytes + sizeof(DWORD), strnlen(bytes + sizeof(DWORD), kBufferSize - sizeof(DWORD)));
    {
      std::lock_guard lock(mutex_);
      lines_.push_back(std::move(line));
    }
    SetEvent(bufferReady_.get());
  }
}

std::vector<DebugBufferListener::Line> DebugBufferListener::Lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

bool DebugBufferListener::Contains(const std::string& fragment) const {
  std::lock_guard lock(mutex_);
  for (const auto& line : lines_)
    if (line.text.find(fragment) != std::string::npos) return true;
  return false;
}

DWORD DebugBufferListener::WaitForLine(const std::string& fragment, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      for (const auto& line : lines_)
        if (line.text.find(fragment) != std::string::npos) return line.processId;
    }
    if (GetTickCount64() >= deadline) return 0;
    Sleep(20);
  }
}

}  // namespace vorma::test
