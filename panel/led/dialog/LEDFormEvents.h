#pragma once
// The handler names of the LED dialogs' form resources, bound to the dialogs' members.

#include "panel/shell/FormBuilder.h"

namespace vorma::led {

class TLEDForm;
class TLEDColorForm;

class TLEDFormEvents final : public shell::FormEventSource {
public:
  explicit TLEDFormEvents(TLEDForm& form) : form_(form) {}
  forms::MouseHandler MouseHandlerNamed(std::wstring_view name) override;
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }

private:
  TLEDForm& form_;
};

class TLEDColorFormEvents final : public shell::FormEventSource {
public:
  explicit TLEDColorFormEvents(TLEDColorForm& form) : form_(form) {}
  forms::MouseHandler MouseHandlerNamed(std::wstring_view name) override;
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }

private:
  TLEDColorForm& form_;
};

}  // namespace vorma::led
