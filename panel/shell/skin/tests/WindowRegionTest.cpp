// The window outline from a skin's region file: a whole file cuts the window, a cut or missing one
// is reported and the window stays whole.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "forms/GdiHandles.h"
#include "panel/shell/skin/SkinApplying.h"
#include "panel/shell/skin/WindowRegion.h"
#include "panel/shell/skin/tests/SkinWindowFixture.h"
#include "tests/support/DebugLines.h"

namespace vorma::shell::test {
namespace {

// The region data GetRegionData writes for two rectangles: 0,0-300,200 and 50,200-250,260.
std::string TwoRectangleRegionData() {
  UniqueGdiObject top(CreateRectRgn(0, 0, 300, 200));
  UniqueGdiObject foot(CreateRectRgn(50, 200, 250, 260));
  CombineRgn(static_cast<HRGN>(top.get()), static_cast<HRGN>(top.get()), static_cast<HRGN>(foot.get()), RGN_OR);
  const DWORD size = GetRegionData(static_cast<HRGN>(top.get()), 0, nullptr);
  std::string data(size, '\0');
  GetRegionData(static_cast<HRGN>(top.get()), size, reinterpret_cast<RGNDATA*>(data.data()));
  return data;
}

// A region block written field by field: header bounds, then the rectangles.
std::string RegionData(RECT bounds, std::initializer_list<RECT> rectangles) {
  RGNDATAHEADER header{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rectangles.size()),
                       static_cast<DWORD>(rectangles.size() * sizeof(RECT)), bounds};
  std::string data(reinterpret_cast<const char*>(&header), sizeof(header));
  for (const RECT& r : rectangles) data.append(reinterpret_cast<const char*>(&r), sizeof(r));
  return data;
}

// What GetRegionData writes for an empty region: a header without rectangles.
std::string EmptyRegionData() {
  UniqueGdiObject empty(CreateRectRgn(0, 0, 0, 0));
  const DWORD size = GetRegionData(static_cast<HRGN>(empty.get()), 0, nullptr);
  std::string data(size, '\0');
  GetRegionData(static_cast<HRGN>(empty.get()), size, reinterpret_cast<RGNDATA*>(data.data()));
  return data;
}

// The window's region box; empty when the window has no region.
RECT WindowRegionBox(HWND window) {
  UniqueGdiObject region(CreateRectRgn(0, 0, 0, 0));
  RECT box{};
  if (GetWindowRgn(window, static_cast<HRGN>(region.get())) == ERROR) return box;
  GetRgnBox(static_cast<HRGN>(region.get()), &box);
  return box;
}

TEST(RegionDataTest, OnlyAWholeRectangleBlockIsAccepted) {
  const std::string good = TwoRectangleRegionData();
  ASSERT_GE(good.size(), 32u + 16u);
  const auto bounds = CheckRegionData(good);
  ASSERT_TRUE(bounds.has_value());
  EXPECT_EQ(bounds->right, 300);
  EXPECT_EQ(bounds->bottom, 260);
  std::string wrongHeader = good;
  wrongHeader[0] = 40;
  std::string wrongType = good;
  wrongType[4] = 2;
  for (const std::string& bad : {good.substr(0, 31), good.substr(0, 32), good.substr(0, good.size() - 1), wrongHeader,
                                 wrongType, std::string()})
    EXPECT_FALSE(CheckRegionData(bad).has_value()) << bad.size();
}

TEST(RegionDataTest, ARegionWithoutAreaOrWithBoundsOtherThanItsRectanglesIsRefused) {
  const std::string empty = EmptyRegionData();
  ASSERT_EQ(empty.size(), sizeof(RGNDATAHEADER));
  EXPECT_FALSE(CheckRegionData(empty).has_value());
  const struct {
    const char* what;
    std::string data;
    bool accepted;
  } cases[] = {
      {"bounds of its rectangles", RegionData({0, 0, 300, 260}, {{0, 0, 300, 200}, {50, 200, 250, 260}}), true},
      {"an empty rectangle beside them", RegionData({0, 0, 300, 200}, {{0, 0, 300, 200}, {5, 5, 5, 9}}), true},
      {"only empty rectangles", RegionData({5, 5, 5, 9}, {{5, 5, 5, 9}}), false},
      {"bounds larger", RegionData({0, 0, 4000, 260}, {{0, 0, 300, 200}, {50, 200, 250, 260}}), false},
      {"bounds smaller", RegionData({0, 0, 300, 100}, {{0, 0, 300, 200}}), false},
      {"negative bounds", RegionData({-10, 0, 300, 200}, {{-10, 0, 300, 200}}), false},
      {"inverted bounds", RegionData({300, 200, 0, 0}, {{0, 0, 300, 200}}), false},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckRegionData(c.data).has_value(), c.accepted) << c.what;
}

TEST_F(SkinWindowTest, ARegionFileCutsTheWindowAndAnUnusableOneLeavesItWhole) {
  ASSERT_TRUE(form_->Create());
  folder_.WriteBytes(L"main.bmp", TinyBmp(9, 6));
  ASSERT_TRUE(ImageNamed(L"MainFormImage").LoadPicture(folder_.File(L"main.bmp")));
  const std::string data = TwoRectangleRegionData();
  const std::wstring good = folder_.WriteBytes(L"MainForm_Frame.rgn", data);

  EXPECT_TRUE(SetWindowRegionFromFile(*form_, good));
  const RECT box = WindowRegionBox(form_->Hwnd());
  EXPECT_EQ(std::vector({box.left, box.top, box.right, box.bottom}), std::vector<LONG>({0, 0, 300, 260}));
  EXPECT_EQ(form_->ClientWidth(), 9);
  EXPECT_EQ(form_->ClientHeight(), 6);

  const std::wstring cut = folder_.WriteBytes(L"cut.rgn", data.substr(0, 40));
  // An empty region would make the window invisible.
  const std::wstring empty = folder_.WriteBytes(L"empty.rgn", EmptyRegionData());
  for (const std::wstring& path : {cut, empty, folder_.File(L"missing.rgn")}) {
    vorma::test::DebugLineRecorder lines;
    EXPECT_FALSE(SetWindowRegionFromFile(*form_, path));
    bool reported = false;
    for (const std::wstring& line : lines.Lines()) reported = reported || line.find(L"FAIL") != std::wstring::npos;
    EXPECT_TRUE(reported);
    const RECT none = WindowRegionBox(form_->Hwnd());
    EXPECT_EQ(none.right - none.left, 0);
    EXPECT_EQ(form_->ClientWidth(), 9);
  }
}

TEST_F(SkinWindowTest, ApplyingASkinWithRegionCutUsesItsRegionFile) {
  ASSERT_TRUE(form_->Create());
  WriteSkinSetting(folder_, "[Main]\r\nMainFormImage=main.bmp\r\n");
  folder_.WriteBytes(L"main.bmp", TinyBmp(9, 6));
  folder_.WriteBytes(L"MainForm_Frame.rgn", TwoRectangleRegionData());
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.dir, 0).ok);
  SkinApplyState state;
  state.regionCut = 1;
  ApplySkinToControls(*form_, setting_, skin_, state);
  EXPECT_EQ(WindowRegionBox(form_->Hwnd()).bottom, 260);
  EXPECT_EQ(form_->ClientWidth(), 9);
}

}  // namespace
}  // namespace vorma::shell::test
