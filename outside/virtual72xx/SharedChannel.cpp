#include "outside/virtual72xx/SharedChannel.h"

#include <new>

namespace vorma::virtual72xx {

namespace {

std::wstring Part(const std::wstring& name, const wchar_t* suffix) { return name + L"-" + suffix; }

}  // namespace

std::unique_ptr<SharedChannel> SharedChannel::Create(const std::wstring& name, unsigned long& error) {
  std::unique_ptr<SharedChannel> channel(new SharedChannel);
  channel->mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             static_cast<DWORD>(kChannelBlockSize), Part(name, L"block").c_str()));
  // A name that exists already belongs to somebody else: never share a block by accident.
  if (channel->mapping_ && GetLastError() == ERROR_ALREADY_EXISTS) {
    error = ERROR_ALREADY_EXISTS;
    return nullptr;
  }
  if (channel->mapping_) channel->view_.reset(MapViewOfFile(channel->mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (channel->view_) {
    new (channel->view_.get()) ChannelHeader;
    channel->requestEvent_.reset(CreateEventW(nullptr, FALSE, FALSE, Part(name, L"request").c_str()));
    channel->replyEvent_.reset(CreateEventW(nullptr, FALSE, FALSE, Part(name, L"reply").c_str()));
  }
  if (!channel->requestEvent_ || !channel->replyEvent_) {
    error = GetLastError();
    return nullptr;
  }
  error = ERROR_SUCCESS;
  return channel;
}

std::unique_ptr<SharedChannel> SharedChannel::Open(const std::wstring& name, unsigned long& error) {
  std::unique_ptr<SharedChannel> channel(new SharedChannel);
  channel->mapping_.reset(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Part(name, L"block").c_str()));
  if (channel->mapping_) channel->view_.reset(MapViewOfFile(channel->mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (channel->view_) {
    constexpr DWORD kAccess = SYNCHRONIZE | EVENT_MODIFY_STATE;
    channel->requestEvent_.reset(OpenEventW(kAccess, FALSE, Part(name, L"request").c_str()));
    channel->replyEvent_.reset(OpenEventW(kAccess, FALSE, Part(name, L"reply").c_str()));
  }
  if (!channel->requestEvent_ || !channel->replyEvent_) {
    error = GetLastError();
    return nullptr;
  }
  error = ERROR_SUCCESS;
  return channel;
}

}  // namespace vorma::virtual72xx
