#include "panel/shell/WebLabelLink.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace vorma::shell {

void Win32ShellOpen::Open(const std::wstring& target) {
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOW);
}

std::wstring WebAddressThroughAnsi(std::wstring_view text) {
  if (text.size() > kWebAddressLimit) text = text.substr(0, kWebAddressLimit);
  if (text.empty()) return {};
  const int wideLength = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, ansi.data(), bytes, nullptr, nullptr);
  const int characters = MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, nullptr, 0);
  if (characters <= 0) return {};
  std::wstring back(static_cast<size_t>(characters), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, back.data(), characters);
  return back;
}

void WebLabelClick(const forms::Label& webLabel, ShellOpenPort& shell) {
  const std::wstring address = WebAddressThroughAnsi(webLabel.Caption());
  // An empty text would ask the shell to open the current folder.
  if (address.empty()) return;
  shell.Open(address);
}

forms::NotifyHandler AboutFormEvents::NotifyHandlerNamed(std::wstring_view name) {
  // The handler outlives this source (the panel builds the form with a source of its own on the
  // stack): it holds the shell port, never the source.
  if (name == L"WebLabelClick")
    return [&shell = shell_](forms::Control& sender) {
      if (auto* label = dynamic_cast<forms::Label*>(&sender)) WebLabelClick(*label, shell);
    };
  return {};
}

}  // namespace vorma::shell
