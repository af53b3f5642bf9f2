#include "outside/service/LaunchCommand.h"

namespace vorma::service {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view SkipBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

}  // namespace

const wchar_t* LaunchValueName(unsigned control) {
  switch (control) {
    case kControlStartPanel: return L"UserPrivilegeExecution_C0";
    case kControlStartPanelBoot: return L"SystemPrivilegeExecutionOnBoot_C3";
    default: return nullptr;
  }
}

std::wstring LaunchCommand::CommandLine() const {
  std::wstring line = L"\"" + program + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  return line;
}

std::optional<LaunchCommand> ParseLaunchCommand(std::wstring_view text) {
  text = SkipBlanks(text);
  if (text.empty()) return std::nullopt;
  LaunchCommand command;
  if (text.front() == L'"') {
    const size_t closing = text.find(L'"', 1);
    if (closing == std::wstring_view::npos || closing == 1) return std::nullopt;
    command.program = text.substr(1, closing - 1);
    text.remove_prefix(closing + 1);
  } else {
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    command.program = text.substr(0, end);
    text.remove_prefix(end);
  }
  command.arguments = SkipBlanks(text);
  while (!command.arguments.empty() && IsBlank(command.arguments.back())) command.arguments.pop_back();
  return command;
}

}  // namespace vorma::service
