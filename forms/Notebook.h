#pragma once
// A notebook of pages: each page is a set of the form's controls, and only the controls of the
// active page are on screen. The controls stay the form's own (painted, hit-tested and notified as
// any other); the notebook only hides those of the other pages, without touching their own
// visibility, so a control a page hides for its own reasons stays hidden when its page comes back.

#include "forms/Control.h"

#include <string>
#include <vector>

namespace vorma::forms {

struct NotebookArgs : ControlArgs {
  std::vector<std::wstring> pages;  // page names, in page order
  int pageIndex = 0;
};

class Notebook final : public Control {
public:
  Notebook(Form& owner, const NotebookArgs& args);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  const std::wstring& PageName(int page) const { return pages_.at(static_cast<size_t>(page)).name; }
  // Puts a control on a page (a control belongs to at most one page; adding it again moves it).
  void AddToPage(int page, Control& control);
  int PageOf(const Control& control) const;

  int PageIndex() const { return pageIndex_; }
  // Shows the page; an index outside the pages changes nothing. OnPageChanged runs when it changed.
  void SetPageIndex(int page);
  const std::wstring& ActivePage() const { return PageName(pageIndex_); }

  NotifyHandler OnPageChanged;

  // The notebook draws nothing itself; its pages' controls draw themselves.
  void Paint(HDC) const override {}

private:
  struct Page {
    std::wstring name;
    std::vector<Control*> controls;
  };
  void VisibilityChanged() override;
  void ShowActivePage();

  std::vector<Page> pages_;
  int pageIndex_;
};

}  // namespace vorma::forms
