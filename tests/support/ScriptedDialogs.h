#pragma once
// A dialog port for tests: records every message box and file or colour dialog and answers each
// from a script queued beforehand. A dialog without a queued answer is cancelled (message boxes
// answer IDOK), so an unexpected dialog shows up in the record instead of blocking the test.

#include "forms/DialogPort.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vorma::test {

class ScriptedDialogs final : public forms::DialogPort {
public:
  enum class Kind { MessageBox, OpenFile, SaveFile, Colour };

  struct Shown {
    Kind kind;
    HWND owner = nullptr;
    std::wstring text;     // message text or dialog title
    std::wstring caption;  // message box caption
    UINT type = 0;
    std::wstring initialFolder;  // file dialogs: where they start, and the proposed name
    std::wstring fileName;
  };

  void AnswerMessageBox(int button) { boxAnswers_.push_back(button); }
  // std::nullopt cancels the dialog.
  void AnswerFile(std::optional<std::wstring> path) { fileAnswers_.push_back(std::move(path)); }
  void AnswerColour(std::optional<COLORREF> colour) { colourAnswers_.push_back(colour); }

  int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override {
    shown.push_back({Kind::MessageBox, owner, text, caption, type, L"", L""});
    if (boxAnswers_.empty()) return IDOK;
    const int answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
  }

  bool OpenFile(const forms::FileDialogArgs& args, std::wstring& path) override {
    return AnswerFileDialog(Kind::OpenFile, args, path);
  }

  bool SaveFile(const forms::FileDialogArgs& args, std::wstring& path) override {
    return AnswerFileDialog(Kind::SaveFile, args, path);
  }

  bool ChooseColour(HWND owner, COLORREF& colour) override {
    shown.push_back({Kind::Colour, owner, L"", L"", 0, L"", L""});
    if (colourAnswers_.empty()) return false;
    const std::optional<COLORREF> answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    if (!answer) return false;
    colour = *answer;
    return true;
  }

  std::vector<Shown> shown;

private:
  bool AnswerFileDialog(Kind kind, const forms::FileDialogArgs& args, std::wstring& path) {
    shown.push_back({kind, args.owner, args.title, L"", 0, args.initialFolder, args.fileName});
    if (fileAnswers_.empty()) return false;
    const std::optional<std::wstring> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
  }

  std::deque<int> boxAnswers_;
  std::deque<std::optional<std::wstring>> fileAnswers_;
  std::deque<std::optional<COLORREF>> colourAnswers_;
};

}  // namespace vorma::test
