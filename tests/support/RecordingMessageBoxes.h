#pragma once
// A message-box port that records every box instead of showing it and answers with a fixed button.

#include "foundation/MessageBoxPort.h"

#include <string>
#include <vector>

namespace vorma::test {

class RecordingMessageBoxes final : public MessageBoxPort {
public:
  struct Box {
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT type = 0;
  };

  explicit RecordingMessageBoxes(int answer = IDOK) : answer_(answer) {}

  int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override {
    shown.push_back({owner, text, caption, type});
    return answer_;
  }

  std::vector<Box> shown;

private:
  int answer_;
};

}  // namespace vorma::test
