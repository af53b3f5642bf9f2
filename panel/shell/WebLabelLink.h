#pragma once
// The About dialog's web address: WebLabelClick hands the label's text to the shell. The shell call
// goes through ShellOpenPort so tests can record it instead of starting a browser.

#include "forms/Label.h"
#include "panel/shell/FormBuilder.h"

#include <string>
#include <string_view>

namespace vorma::shell {

class ShellOpenPort {
public:
  virtual ~ShellOpenPort() = default;
  // Opens the text with the shell's "open" verb; the result is not looked at.
  virtual void Open(const std::wstring& target) = 0;
};

// ShellExecuteW with "open" and SW_SHOW.
class Win32ShellOpen final : public ShellOpenPort {
public:
  void Open(const std::wstring& target) override;
};

inline constexpr size_t kWebAddressLimit = 256;

// The text as it comes back from the ANSI code page, cut to 256 characters; characters the code
// page lacks come back as the code page's default character.
std::wstring WebAddressThroughAnsi(std::wstring_view text);

// Opens the label's address; a label with no text opens nothing.
void WebLabelClick(const forms::Label& webLabel, ShellOpenPort& shell);

// The About dialog's handlers: WebLabelClick.
class AboutFormEvents final : public FormEventSource {
public:
  explicit AboutFormEvents(ShellOpenPort& shell) : shell_(shell) {}
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }

private:
  ShellOpenPort& shell_;
};

}  // namespace vorma::shell
