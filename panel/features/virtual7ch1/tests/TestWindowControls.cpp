#include "panel/features/virtual7ch1/tests/TestWindowControls.h"

#include <gtest/gtest.h>

#include <map>

namespace vorma::test {

namespace {

struct TwoStateButton {
  const wchar_t* up;
  const wchar_t* down;
  const wchar_t* language;
};

const std::map<int, TwoStateButton> kTwoStateButtons = {
    {8, {L"EQ3DENImageUp", L"EQ3DENImageDown", L"LableEQ3DEnable"}},
    {47, {L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"Label7ch1Enable"}},
    {49, {L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage", L"LabelVirtualClockwise"}},
    {50, {L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage", L"LabelVirtualCounterclockwise"}},
    {52, {L"VirtualNarrowUpImage", L"VirtualNarrowDownImage", L"LabelVirtualNarrow"}},
    {53, {L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage", L"LabelVirtualEnlarge"}},
};

}  // namespace

void TestWindowControls::ToggleButtonState(int tag, int& state) {
  const auto button = kTwoStateButtons.find(tag);
  if (button == kTwoStateButtons.end()) return;
  state = state ? 0 : 1;
  if (forms::Image* image = FindImageByTag(tag)) ChangeImageAttr(*image, state ? button->second.down : button->second.up);
  if (forms::Label* label = FindLabelByTag(tag)) SetLabelColor(*label, button->second.language, state != 0);
}

forms::Image& TestWindowControls::Image(std::wstring_view name) {
  forms::Image* image = ImageNamed(name);
  EXPECT_NE(image, nullptr) << std::string(name.begin(), name.end());
  return *image;
}

}  // namespace vorma::test
