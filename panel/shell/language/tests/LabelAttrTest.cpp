// One record applied to one label: visibility, colours with the [GlobalFont] values, font face
// and size scaled by screen resolution, position.

#include <gtest/gtest.h>

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/shell/language/LabelAttr.h"

namespace vorma::shell {
namespace {

TEST(FontScaleTest, SizesFollowPixelsPerInchAndOsClass) {
  struct Case {
    int pixelsPerInch;
    int osClass;
    int points;
    int scaled;
  };
  const Case cases[] = {
      {96, 6, 10, 10}, {96, 4, 10, 9},   {120, 6, 10, 8},  {120, 4, 10, 7},  {120, 0, 10, 7},
      {144, 6, 10, 7}, {144, 2, 12, 8},  {96, 4, 5, 5},    // 4.5 rounds up
      {192, 6, 10, 5}, {192, 4, 20, 9},  // beyond the table: 96 / 192 of the 96 pixels-per-inch factor
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaledFontSize(c.points, FontScaleFactor(c.pixelsPerInch, c.osClass)), c.scaled)
        << c.pixelsPerInch << " ppi, class " << c.osClass << ", " << c.points << " pt";
  }
  EXPECT_DOUBLE_EQ(FontScaleFactor(144, 6), 0.6664);
  EXPECT_DOUBLE_EQ(FontScaleFactor(144, 1), 0.6664);
  EXPECT_GT(ScreenPixelsPerInch(), 0);
}

TEST(ColorFromValueTest, NegativeValuesAreSystemColours) {
  EXPECT_EQ(ColorFromValue(255), RGB(255, 0, 0));
  EXPECT_EQ(ColorFromValue(0x00FF8000), RGB(0, 0x80, 0xFF));
  EXPECT_EQ(ColorFromValue(static_cast<std::int32_t>(0xFF00000F)), GetSysColor(COLOR_BTNFACE));
}

class ApplyLabelAttrTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(application_.Initialize());
    forms::LabelArgs args;
    args.name = L"SyncLabel";
    args.caption = L"before";
    args.left = 1;
    args.top = 2;
    args.width = 3;
    args.height = 4;
    args.fontColor = kOriginal;
    args.fontFace = L"Tahoma";
    args.fontSize = 8;
    args.fontSizeInPixels = true;
    label_ = &form_.AddLabel(args);
  }

  static constexpr COLORREF kOriginal = RGB(1, 2, 3);
  forms::Application application_{GetModuleHandleW(nullptr)};
  forms::Form form_{application_, forms::FormArgs{}};
  forms::Label* label_ = nullptr;
};

TEST_F(ApplyLabelAttrTest, EmptyOrNullTextHidesAndOtherTextShows) {
  struct Case {
    const wchar_t* text;
    bool visible;
    const wchar_t* caption;
  };
  const Case cases[] = {{L"Sync", true, L"Sync"}, {L"", false, L"before"}, {L"(null)", false, L"before"},
                        {L"(NULL)", true, L"(NULL)"}};
  for (const Case& c : cases) {
    label_->SetCaption(L"before");
    label_->SetVisible(!c.visible);
    LabelAtt record;
    record.Text = c.text;
    ApplyLabelAttr(record, *label_, true, GlobalFont{}, 1.0);
    EXPECT_EQ(label_->Visible(), c.visible) << c.text;
    EXPECT_EQ(label_->Caption(), c.caption) << c.text;
  }
}

TEST_F(ApplyLabelAttrTest, ColoursComeFromRecordThenGlobalAndGlobalsAreKeptInTheRecord) {
  struct Case {
    const char* name;
    bool hasUp;
    std::int32_t globalUp, globalDown;
    bool up;
    COLORREF drawn;
    std::int32_t recordUp, recordDown;
  };
  // The record's own colours are ColorUp 0x0000FF (red) and ColorDown 0x00FF00 when given.
  const Case cases[] = {
      {"own up colour wins", true, 0xFF0000, 0, true, RGB(255, 0, 0), 0x0000FF, 0},
      {"global up colour", false, 255, 0, true, RGB(255, 0, 0), 255, 0},
      {"no colour keeps the label's", false, 0, 0, true, kOriginal, 0, 0},
      {"down uses global down", false, 0, 0x00FF00, false, RGB(0, 255, 0), 0, 0x00FF00},
      {"down without down colour keeps", false, 255, 0, false, kOriginal, 255, 0},
  };
  for (const Case& c : cases) {
    label_->SetFontColor(kOriginal);
    LabelAtt record;
    record.Text = L"x";
    if (c.hasUp) {
      record.ColorUp = 0x0000FF;
      record.HasColorUp = 1;
    }
    GlobalFont global;
    global.ColorUp = c.globalUp;
    global.ColorDown = c.globalDown;
    ApplyLabelAttr(record, *label_, c.up, global, 1.0);
    EXPECT_EQ(label_->FontColor(), c.drawn) << c.name;
    EXPECT_EQ(record.ColorUp, c.recordUp) << c.name;
    EXPECT_EQ(record.ColorDown, c.recordDown) << c.name;
    EXPECT_EQ(record.HasColorUp != 0, c.hasUp) << c.name;
    EXPECT_FALSE(record.HasColorDown) << c.name;
    // What the later redraws of the label use.
    EXPECT_EQ(LabelRecordColor(record, false), ColorFromValue(c.recordUp)) << c.name;
    EXPECT_EQ(LabelRecordColor(record, true), ColorFromValue(c.recordDown)) << c.name;
  }
}

TEST_F(ApplyLabelAttrTest, FontFromRecordOrGlobalScaledAndPositionsWhenGiven) {
  GlobalFont global;
  global.Font = L"Verdana";
  global.FontSize = 10;
  LabelAtt record;
  record.Text = L"x";
  record.Left = 50;
  record.HasLeft = 1;
  record.Height = 30;
  record.HasHeight = 1;
  ApplyLabelAttr(record, *label_, true, global, FontScaleFactor(120, 4));
  EXPECT_EQ(label_->FontFace(), L"Verdana");
  EXPECT_EQ(label_->FontSize(), 7);
  EXPECT_FALSE(label_->FontSizeInPixels());
  EXPECT_EQ(label_->Left(), 50);
  EXPECT_EQ(label_->Top(), 2);
  EXPECT_EQ(label_->Width(), 3);
  EXPECT_EQ(label_->Height(), 30);

  record.Font = L"Arial";
  record.HasFont = 1;
  record.FontSize = 10;
  record.HasFontSize = 1;
  global.FontSize = 20;
  ApplyLabelAttr(record, *label_, true, global, FontScaleFactor(120, 6));
  EXPECT_EQ(label_->FontFace(), L"Arial");
  EXPECT_EQ(label_->FontSize(), 8);

  // Nothing given anywhere: face and size stay.
  LabelAtt plain;
  plain.Text = L"x";
  ApplyLabelAttr(plain, *label_, true, GlobalFont{}, 0.5);
  EXPECT_EQ(label_->FontFace(), L"Arial");
  EXPECT_EQ(label_->FontSize(), 8);
}

}  // namespace
}  // namespace vorma::shell
