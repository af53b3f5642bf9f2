#include "forms/Notebook.h"

#include <algorithm>

namespace vorma::forms {

Notebook::Notebook(Form& owner, const NotebookArgs& args)
    : Control(owner, ControlKind::Notebook, args), pageIndex_(0) {
  for (const std::wstring& name : args.pages) pages_.push_back({name, {}});
  if (pages_.empty()) pages_.push_back({L"Default", {}});
  if (args.pageIndex >= 0 && args.pageIndex < PageCount()) pageIndex_ = args.pageIndex;
}

void Notebook::AddToPage(int page, Control& control) {
  if (page < 0 || page >= PageCount() || &control == this) return;
  for (Page& each : pages_) std::erase(each.controls, &control);
  pages_[static_cast<size_t>(page)].controls.push_back(&control);
  control.SetHiddenByPage(!Showing() || page != pageIndex_);
}

int Notebook::PageOf(const Control& control) const {
  for (size_t page = 0; page < pages_.size(); ++page) {
    const auto& controls = pages_[page].controls;
    if (std::find(controls.begin(), controls.end(), &control) != controls.end()) return static_cast<int>(page);
  }
  return -1;
}

void Notebook::SetPageIndex(int page) {
  if (page < 0 || page >= PageCount() || page == pageIndex_) return;
  pageIndex_ = page;
  ShowActivePage();
  if (OnPageChanged) OnPageChanged(*this);
}

void Notebook::VisibilityChanged() { ShowActivePage(); }

void Notebook::ShowActivePage() {
  // Hide the leaving page first, so its windows never overlap the coming one on screen.
  for (size_t page = 0; page < pages_.size(); ++page) {
    if (static_cast<int>(page) == pageIndex_) continue;
    for (Control* control : pages_[page].controls) control->SetHiddenByPage(true);
  }
  for (Control* control : pages_[static_cast<size_t>(pageIndex_)].controls) control->SetHiddenByPage(!Showing());
}

}  // namespace vorma::forms
