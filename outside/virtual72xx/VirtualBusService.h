#pragma once
// Answers protocol request lines (Virtual72xxProtocol.h) from a VirtualBus. The in-process
// transport and every pipe connection hand their requests to one service.

#include "outside/virtual72xx/VirtualBus.h"

#include <functional>
#include <string>

namespace vorma::virtual72xx {

class VirtualBusService {
public:
  explicit VirtualBusService(VirtualBus& bus) : bus_(bus) {}

  // Called when a client sends "stop"; without it "stop" is refused.
  void SetStopHandler(std::function<void()> onStop) { onStop_ = std::move(onStop); }

  // One request line in, one reply line out. Safe to call from several threads at once.
  std::string Handle(const std::string& request);

private:
  VirtualBus& bus_;
  std::function<void()> onStop_;
};

}  // namespace vorma::virtual72xx
