#include "outside/sdk/SdkSession.h"

#include <mutex>
#include <string>

namespace vorma::sdk {
namespace {

using virtual72xx::DeviceNumber;
using virtual72xx::Virtual72xxClient;

struct Session {
  std::mutex mutex;
  std::wstring pipeName;
  std::shared_ptr<virtual72xx::Transport> transport;
  DeviceNumber device = 0;
};
Session g_session;

// Call with the mutex held.
void FollowPipeName(Session& session) {
  std::wstring pipeName = virtual72xx::DefaultPipeName();
  if (session.transport && pipeName == session.pipeName) return;
  session.transport = virtual72xx::ConnectPipe(pipeName);
  session.pipeName = std::move(pipeName);
  session.device = 0;
}

}  // namespace

SdkTarget CurrentTarget() {
  std::lock_guard lock(g_session.mutex);
  FollowPipeName(g_session);
  return SdkTarget{Virtual72xxClient(g_session.transport), g_session.device};
}

void SelectDevice(DeviceNumber device) {
  std::lock_guard lock(g_session.mutex);
  FollowPipeName(g_session);
  g_session.device = device;
}

}  // namespace vorma::sdk
