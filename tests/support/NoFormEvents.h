#pragma once
// A form event source that binds no handler: tests that build a form from a resource call the code
// under test directly.

#include "panel/shell/FormBuilder.h"

namespace vorma::test {

class NoFormEvents final : public shell::FormEventSource {
public:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }
};

}  // namespace vorma::test
