#include "forms/ListControls.h"

#include "foundation/DebugOutput.h"

#include <commctrl.h>

#include <algorithm>

namespace vorma::forms {

ListBox::ListBox(Form& owner, const ListBoxArgs& args)
    : WindowedControl(owner, ControlKind::ListBox, args), items_(args.items), itemIndex_(args.itemIndex) {}

bool ListBox::CreateControlWindow(HWND parent) {
  window_.reset(MakeWindow(parent, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           BoundsRect()));
  if (!window_) return false;
  FillWindow();
  return true;
}

void ListBox::FillWindow() {
  SendMessageW(window_.get(), LB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items_) {
    SendMessageW(window_.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(window_.get(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ListBox::SaveState() { itemIndex_ = ItemIndex(); }

void ListBox::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  itemIndex_ = -1;
  if (window_) FillWindow();
}

int ListBox::ItemIndex() const {
  if (!window_) return itemIndex_;
  return static_cast<int>(SendMessageW(window_.get(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  if (window_) SendMessageW(window_.get(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ListBox::HandleCommand(HWND, WORD code) {
  if (code != LBN_SELCHANGE) return;
  itemIndex_ = ItemIndex();
  if (OnClick) OnClick(*this);
}

ComboBox::ComboBox(Form& owner, const ComboBoxArgs& args)
    : WindowedControl(owner, ControlKind::ComboBox, args),
      items_(args.items),
      itemIndex_(args.itemIndex >= 0 && args.itemIndex < static_cast<int>(args.items.size()) ? args.itemIndex : -1),
      dropDownHeight_(args.dropDownHeight) {}

bool ComboBox::CreateControlWindow(HWND parent) {
  // The height of a combo box window is the height with its list open.
  RECT bounds = BoundsRect();
  bounds.bottom = bounds.top + std::max(Height(), dropDownHeight_);
  window_.reset(MakeWindow(parent, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, bounds));
  if (!window_) return false;
  FillWindow();
  return true;
}

void ComboBox::FillWindow() {
  SendMessageW(window_.get(), CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items_) {
    SendMessageW(window_.get(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(window_.get(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ComboBox::SaveState() { itemIndex_ = ItemIndex(); }

void ComboBox::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  itemIndex_ = -1;
  if (window_) FillWindow();
}

int ComboBox::ItemIndex() const {
  if (!window_) return itemIndex_;
  return static_cast<int>(SendMessageW(window_.get(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  if (window_) SendMessageW(window_.get(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

std::wstring ComboBox::Text() const {
  const int index = ItemIndex();
  return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index)] : std::wstring();
}

void ComboBox::HandleCommand(HWND, WORD code) {
  if (code != CBN_SELCHANGE) return;
  itemIndex_ = ItemIndex();
  if (OnChange) OnChange(*this);
}

ProgressBar::ProgressBar(Form& owner, const ProgressBarArgs& args)
    : WindowedControl(owner, ControlKind::ProgressBar, args),
      min_(args.min),
      max_(std::max(args.min, args.max)),
      position_(std::clamp(args.position, args.min, std::max(args.min, args.max))),
      smooth_(args.smooth) {}

bool ProgressBar::CreateControlWindow(HWND parent) {
  window_.reset(MakeWindow(parent, PROGRESS_CLASSW, L"", smooth_ ? PBS_SMOOTH : 0, BoundsRect()));
  if (!window_) return false;
  SendMessageW(window_.get(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
  SendMessageW(window_.get(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
  return true;
}

void ProgressBar::SaveState() { position_ = Position(); }

int ProgressBar::Position() const {
  if (!window_) return position_;
  return static_cast<int>(SendMessageW(window_.get(), PBM_GETPOS, 0, 0));
}

void ProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (window_) SendMessageW(window_.get(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

TrackBar::TrackBar(Form& owner, const TrackBarArgs& args)
    : WindowedControl(owner, ControlKind::TrackBar, args),
      min_(args.min),
      max_(std::max(args.min, args.max)),
      position_(std::clamp(args.position, args.min, std::max(args.min, args.max))),
      orientation_(args.orientation) {}

bool TrackBar::CreateControlWindow(HWND parent) {
  const DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (orientation_ == TrackBarOrientation::Vertical ? TBS_VERT : TBS_HORZ);
  window_.reset(MakeWindow(parent, TRACKBAR_CLASSW, L"", style, BoundsRect()));
  if (!window_) return false;
  SendMessageW(window_.get(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(window_.get(), TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(window_.get(), TBM_SETPOS, TRUE, position_);
  return true;
}

void TrackBar::SaveState() { position_ = Position(); }

void TrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  if (window_) {
    SendMessageW(window_.get(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(window_.get(), TBM_SETRANGEMAX, TRUE, max_);
  }
  SetPosition(Position());
}

int TrackBar::Position() const {
  if (!window_) return position_;
  return static_cast<int>(SendMessageW(window_.get(), TBM_GETPOS, 0, 0));
}

void TrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  const bool changed = position != position_;
  position_ = position;
  if (window_) SendMessageW(window_.get(), TBM_SETPOS, TRUE, position);
  if (changed && OnChange) OnChange(*this);
}

void TrackBar::HandleScroll(WORD) {
  // The window moved its thumb already; report the new place once.
  const int position = Position();
  if (position == position_) return;
  position_ = position;
  if (OnChange) OnChange(*this);
}

RadioGroup::RadioGroup(Form& owner, const RadioGroupArgs& args)
    : WindowedControl(owner, ControlKind::RadioGroup, args),
      caption_(args.caption),
      items_(args.items),
      itemIndex_(args.itemIndex >= 0 && args.itemIndex < static_cast<int>(args.items.size()) ? args.itemIndex : -1),
      columns_(std::max(args.columns, 1)) {}

bool RadioGroup::CreateControlWindow(HWND parent) {
  window_.reset(MakeWindow(parent, L"BUTTON", caption_, BS_GROUPBOX, BoundsRect()));
  if (!window_) return false;
  buttons_.clear();
  for (const std::wstring& item : items_) {
    buttons_.emplace_back(MakeWindow(parent, L"BUTTON", item, WS_TABSTOP | BS_RADIOBUTTON, RECT{}));
  }
  PlaceButtons();
  ShowCheck();
  return true;
}

void RadioGroup::SaveState() {
  // The form's window took the buttons with it.
  for (UniqueWindow& button : buttons_) button.release();
  buttons_.clear();
}

void RadioGroup::PlaceButtons() {
  if (buttons_.empty()) return;
  // Below the caption line, rows of equal height, columns of equal width.
  constexpr int kCaptionHeight = 16;
  const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
  const int columnWidth = std::max((Width() - 16) / columns_, 1);
  const int rowHeight = std::max((Height() - kCaptionHeight - 4) / std::max(rows, 1), 1);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int column = static_cast<int>(i) / rows;
    const int row = static_cast<int>(i) % rows;
    MoveWindow(buttons_[i].get(), Left() + 8 + column * columnWidth, Top() + kCaptionHeight + row * rowHeight,
               columnWidth, std::min(rowHeight, 20), TRUE);
  }
}

void RadioGroup::ShowCheck() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SendMessageW(buttons_[i].get(), BM_SETCHECK, static_cast<int>(i) == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void RadioGroup::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  ShowCheck();
}

void RadioGroup::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

bool RadioGroup::OwnsWindow(HWND window) const {
  return std::any_of(buttons_.begin(), buttons_.end(), [&](const UniqueWindow& b) { return b.get() == window; });
}

HWND RadioGroup::ItemWindow(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(index)].get() : nullptr;
}

void RadioGroup::HandleCommand(HWND from, WORD code) {
  if (code != BN_CLICKED) return;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].get() != from || static_cast<int>(i) == itemIndex_) continue;
    SetItemIndex(static_cast<int>(i));
    if (OnClick) OnClick(*this);
  }
}

void RadioGroup::BoundsChanged() {
  WindowedControl::BoundsChanged();
  PlaceButtons();
}

void RadioGroup::VisibilityChanged() {
  WindowedControl::VisibilityChanged();
  for (UniqueWindow& button : buttons_) ShowWindow(button.get(), Showing() ? SW_SHOW : SW_HIDE);
}

}  // namespace vorma::forms
