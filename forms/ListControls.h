#pragma once
// Windowed controls with a list or a range: list box, track bar and radio group.

#include "forms/WindowedControl.h"

#include <functional>
#include <string>
#include <vector>

namespace vorma::forms {

struct ListBoxArgs : ControlArgs {
  std::vector<std::wstring> items;
  int itemIndex = -1;  // -1: nothing selected
};

// OnClick runs when the user changes the selection.
class ListBox final : public WindowedControl {
public:
  ListBox(Form& owner, const ListBoxArgs& args);
  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  void HandleCommand(HWND from, WORD code) override;

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  void FillWindow();
  std::vector<std::wstring> items_;
  int itemIndex_;
};

struct ComboBoxArgs : ControlArgs {
  std::vector<std::wstring> items;
  int itemIndex = -1;  // -1: nothing selected
  int dropDownHeight = 160;  // height of the opened list
};

// A drop-down list (the user picks one of the items, typing is not possible). OnChange runs when
// the user picks another item; SetItemIndex does not run it.
class ComboBox final : public WindowedControl {
public:
  ComboBox(Form& owner, const ComboBoxArgs& args);
  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The text of the selected item; empty when none is selected.
  std::wstring Text() const;
  void HandleCommand(HWND from, WORD code) override;

  std::function<void(ComboBox& sender)> OnChange;

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  void FillWindow();
  std::vector<std::wstring> items_;
  int itemIndex_;
  int dropDownHeight_;
};

struct ProgressBarArgs : ControlArgs {
  int min = 0;
  int max = 100;
  int position = 0;
  bool smooth = true;  // one continuous bar instead of blocks
};

// Shows a position within a range; the user cannot change it.
class ProgressBar final : public WindowedControl {
public:
  ProgressBar(Form& owner, const ProgressBarArgs& args);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const;
  // Clamped to the range.
  void SetPosition(int position);
  void HandleCommand(HWND, WORD) override {}

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  int min_;
  int max_;
  int position_;
  bool smooth_;
};

enum class TrackBarOrientation { Horizontal, Vertical };

struct TrackBarArgs : ControlArgs {
  int min = 0;
  int max = 10;
  int position = 0;
  TrackBarOrientation orientation = TrackBarOrientation::Horizontal;
};

// OnChange runs whenever the position changed, by the user or by SetPosition.
class TrackBar final : public WindowedControl {
public:
  TrackBar(Form& owner, const TrackBarArgs& args);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const;
  // Clamped to the range.
  void SetPosition(int position);
  void HandleCommand(HWND, WORD) override {}
  void HandleScroll(WORD request) override;

  std::function<void(TrackBar& sender)> OnChange;

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  int min_;
  int max_;
  int position_;
  TrackBarOrientation orientation_;
};

struct RadioGroupArgs : ControlArgs {
  std::wstring caption;
  std::vector<std::wstring> items;
  int itemIndex = -1;
  int columns = 1;
};

// A group box with one radio button per item, laid out in columns. The buttons are siblings
// placed inside the box, so their notifications reach the form. OnClick runs when the user picks
// another item.
class RadioGroup final : public WindowedControl {
public:
  RadioGroup(Form& owner, const RadioGroupArgs& args);
  const std::vector<std::wstring>& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool OwnsWindow(HWND window) const override;
  void HandleCommand(HWND from, WORD code) override;
  // The button window of an item (for tests and for looking at it).
  HWND ItemWindow(int index) const;

private:
  bool CreateControlWindow(HWND parent) override;
  void SaveState() override;
  void BoundsChanged() override;
  void VisibilityChanged() override;
  void PlaceButtons();
  void ShowCheck();
  std::wstring caption_;
  std::vector<std::wstring> items_;
  int itemIndex_;
  int columns_;
  std::vector<UniqueWindow> buttons_;
};

}  // namespace vorma::forms
