// The 216 exports the panel binds but never calls. Each only tells the server that it was called
// (the call is journaled as unsupported on the current device) and fails, so a caller that starts
// to use one notices at once. Their arguments are unknown here: declared without any, they must
// not be called with some on i686, where the callee removes its arguments from the stack.

#include "outside/sdk/SdkSession.h"

#include <windows.h>

namespace {

int Unsupported(const char* name) {
  vorma::sdk::SdkTarget target = vorma::sdk::CurrentTarget();
  const int result = target.client.SdkUnsupported(target.device, name);
  return result != 0 ? result : vorma::virtual72xx::kSdkFailed;
}

}  // namespace

extern "C" {

#define VORMA_SDK_CALLED(name)
#define VORMA_SDK_OTHER(name) \
  int WINAPI name() { return Unsupported(#name); }
#include "panel/device/SdkFunctionList.h"
#undef VORMA_SDK_CALLED
#undef VORMA_SDK_OTHER

}  // extern "C"
