// The form paints its controls in declaration order into a memory bitmap; these tests read the
// pixels back, straight and through a PNG file.

#include "forms/tests/FormTestSupport.h"
#include "tests/support/TestFiles.h"

namespace vorma::forms::test {
namespace {

constexpr DWORD kWhite = Pixel(255, 255, 255);
constexpr DWORD kRed = Pixel(255, 0, 0);
constexpr DWORD kGreen = Pixel(0, 255, 0);
constexpr DWORD kBlue = Pixel(0, 0, 255);
constexpr DWORD kYellow = Pixel(255, 255, 0);

class FormRenderingTest : public FormTest {
protected:
  vorma::test::TempFolder folder;
  Form form{application, BorderlessForm(L"RenderForm", 120, 90)};

  Image& AddPicture(int left, int top, int width, int height, const std::wstring& picture, bool autoSize,
                    bool stretch) {
    ImageArgs args = Placed<ImageArgs>(L"", left, top, width, height);
    args.picture = picture;
    args.autoSize = autoSize;
    args.stretch = stretch;
    return form.AddImage(args);
  }
};

TEST_F(FormRenderingTest, ControlsAreDrawnInDeclarationOrderAndHiddenOnesNot) {
  const std::wstring bluePicture = folder.WriteBytes(L"blue.bmp", SolidBmp(8, 6, 0, 0, 255));
  form.AddShape(SolidShape(L"Below", 10, 10, 30, 30, RGB(255, 0, 0)));
  Image& above = AddPicture(30, 30, 0, 0, bluePicture, true, false);
  ShapeArgs hidden = SolidShape(L"Hidden", 60, 10, 20, 20, RGB(0, 255, 0));
  hidden.visible = false;
  form.AddShape(hidden);
  LabelArgs opaque = Placed<LabelArgs>(L"Opaque", 90, 60, 25, 20);
  opaque.transparent = false;
  opaque.color = RGB(255, 255, 0);
  form.AddLabel(opaque);

  EXPECT_EQ(8, above.Width()) << "AutoSize takes the picture's size";
  EXPECT_EQ(6, above.Height());

  const std::vector<DWORD> pixels = form.RenderToPixels();
  ASSERT_EQ(120u * 90u, pixels.size());
  struct Case {
    int x, y;
    DWORD expected;
    const char* what;
  } cases[] = {
      {2, 2, kWhite, "form colour"},
      {20, 20, kRed, "shape fill"},
      {32, 32, kBlue, "image drawn over the shape declared before it"},
      {37, 35, kBlue, "last pixel of the picture"},
      {38, 36, kRed, "shape again right of the picture"},
      {70, 20, kWhite, "hidden shape not drawn"},
      {100, 70, kYellow, "opaque label background"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, PixelAt(pixels, 120, c.x, c.y)) << c.what << " at " << c.x << "," << c.y;
  }

  form.FindControlByName(L"Hidden")->SetVisible(true);
  above.SetVisible(false);
  const std::vector<DWORD> changed = form.RenderToPixels();
  EXPECT_EQ(kGreen, PixelAt(changed, 120, 70, 20));
  EXPECT_EQ(kRed, PixelAt(changed, 120, 32, 32));
}

TEST_F(FormRenderingTest, ChangesWhileHiddenArePaintedWhenTheWindowShows) {
  Shape& shape = form.AddShape(SolidShape(L"Moved", 0, 0, 10, 10, RGB(255, 0, 0)));
  ASSERT_TRUE(form.Create());
  shape.SetBounds(50, 40, 20, 20);
  RECT pending{};
  EXPECT_FALSE(GetUpdateRect(form.Hwnd(), &pending, FALSE)) << "a hidden window collects nothing to paint";

  form.Show();
  ASSERT_TRUE(GetUpdateRect(form.Hwnd(), &pending, FALSE)) << "showing it asks for all of it";
  const RECT client{0, 0, 120, 90};
  EXPECT_TRUE(EqualRect(&pending, &client));
  EXPECT_TRUE(PumpUntil(application, [&] { return !GetUpdateRect(form.Hwnd(), nullptr, FALSE); }));

  shape.SetBounds(0, 0, 10, 10);
  ASSERT_TRUE(GetUpdateRect(form.Hwnd(), &pending, FALSE)) << "a shown window repaints what changed";
  const RECT oldAndNewPlace{0, 0, 70, 60};
  EXPECT_TRUE(EqualRect(&pending, &oldAndNewPlace));
}

TEST_F(FormRenderingTest, ImageStretchesOrIsCutAtItsBounds) {
  const std::wstring picture = folder.WriteBytes(L"red.bmp", SolidBmp(4, 4, 255, 0, 0));
  Image& stretched = AddPicture(0, 0, 40, 40, picture, false, true);
  AddPicture(50, 0, 40, 40, picture, false, false);
  AddPicture(0, 50, 2, 2, picture, false, false);

  const std::vector<DWORD> pixels = form.RenderToPixels();
  EXPECT_EQ(kRed, PixelAt(pixels, 120, 39, 39)) << "stretched to its bounds";
  EXPECT_EQ(kRed, PixelAt(pixels, 120, 53, 3)) << "unstretched picture at its own size";
  EXPECT_EQ(kWhite, PixelAt(pixels, 120, 55, 5)) << "beyond the unstretched picture";
  EXPECT_EQ(kRed, PixelAt(pixels, 120, 1, 51));
  EXPECT_EQ(kWhite, PixelAt(pixels, 120, 2, 52)) << "a picture is cut at a smaller control's bounds";

  EXPECT_TRUE(stretched.HasPicture());
  EXPECT_FALSE(stretched.LoadPicture(folder.File(L"missing.png")));
  EXPECT_FALSE(stretched.HasPicture()) << "a failed load leaves no stale picture";
  EXPECT_EQ(kWhite, PixelAt(form.RenderToPixels(), 120, 20, 20));
}

TEST_F(FormRenderingTest, ShapeKindsKeepTheirGeometry) {
  // A wide 60x20 area: the square and the circle use the 20-pixel side, centred.
  struct Case {
    ShapeKind kind;
    int x, y;
    DWORD expected;
    const char* what;
  } cases[] = {
      {ShapeKind::Rectangle, 2, 10, kBlue, "rectangle fills the width"},
      {ShapeKind::Square, 2, 10, kWhite, "square is centred, left part empty"},
      {ShapeKind::Square, 30, 10, kBlue, "square centre"},
      {ShapeKind::Circle, 21, 1, kWhite, "circle corner is empty"},
      {ShapeKind::Circle, 30, 10, kBlue, "circle centre"},
      {ShapeKind::Ellipse, 1, 1, kWhite, "ellipse corner is empty"},
      {ShapeKind::Ellipse, 5, 10, kBlue, "ellipse reaches wide"},
      {ShapeKind::RoundRect, 0, 0, kWhite, "rounded corner is empty"},
      {ShapeKind::RoundRect, 30, 0, kBlue, "rounded rectangle top edge"},
      {ShapeKind::RoundSquare, 30, 10, kBlue, "rounded square centre"},
      {ShapeKind::RoundSquare, 5, 10, kWhite, "rounded square is centred"},
  };
  Shape& shape = form.AddShape(SolidShape(L"Figure", 0, 0, 60, 20, RGB(0, 0, 255)));
  for (const Case& c : cases) {
    shape.SetFigure(c.kind);
    EXPECT_EQ(c.expected, PixelAt(form.RenderToPixels(), 120, c.x, c.y)) << c.what;
  }
}

TEST_F(FormRenderingTest, LabelDrawsItsCaptionInItsColour) {
  LabelArgs args = Placed<LabelArgs>(L"Caption", 0, 0, 120, 40);
  args.caption = L"WWWW";
  args.fontSize = 20;
  args.fontColor = RGB(255, 0, 0);
  args.bold = true;
  Label& label = form.AddLabel(args);
  const auto count = [&](DWORD colour) {
    const std::vector<DWORD> pixels = form.RenderToPixels();
    return std::count(pixels.begin(), pixels.end(), colour);
  };
  EXPECT_GT(count(kRed), 20) << "caption drawn in the font colour";
  label.SetCaption(L"");
  EXPECT_EQ(0, count(kRed));
}

TEST_F(FormRenderingTest, RenderToPngWritesWhatThePaintingCodeDraws) {
  ShapeArgs ellipse = SolidShape(L"Ellipse", 10, 10, 50, 40, RGB(0, 128, 255));
  ellipse.shape = ShapeKind::Ellipse;
  ellipse.penColor = RGB(0, 0, 0);
  ellipse.penWidth = 2;
  form.AddShape(ellipse);
  LabelArgs label = Placed<LabelArgs>(L"Text", 5, 60, 110, 25);
  label.caption = L"Vorma forms";
  label.fontSize = 10;
  form.AddLabel(label);
  const std::wstring path = folder.File(L"form.png");
  ASSERT_TRUE(form.RenderToPng(path));
  Gdiplus::Bitmap saved(path.c_str());
  ASSERT_EQ(Gdiplus::Ok, saved.GetLastStatus());
  EXPECT_EQ(120u, saved.GetWidth());
  EXPECT_EQ(90u, saved.GetHeight());
  Gdiplus::Color centre;
  ASSERT_EQ(Gdiplus::Ok, saved.GetPixel(35, 30, &centre));
  EXPECT_EQ(Pixel(0, 128, 255), centre.GetValue() & 0x00FFFFFF);

  // Keep a copy beside the test program to look at.
  CopyFileW(path.c_str(), (vorma::test::ProgramFolder() + L"forms_render.png").c_str(), FALSE);
}

}  // namespace
}  // namespace vorma::forms::test
