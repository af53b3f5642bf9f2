// The 3D page's controls: the four alpha and beta sliders and the two link buttons.

#include "panel/features/threed/ThreeDPage.h"

namespace vorma::features {
namespace {

SliderSide Opposite(SliderSide side) { return side == SliderSide::Left ? SliderSide::Right : SliderSide::Left; }

}  // namespace

forms::Image* CThreeDPage::Slider(SliderIdentity identity) { return window_.ImageNamed(SliderName(identity)); }

void CThreeDPage::Update3DFromSlider(std::wstring_view sliderName, int top) {
  SliderIdentity moved;
  if (!IdentifySlider(sliderName, moved)) return;
  forms::Image* slider = Slider(moved);
  if (!slider) return;
  top = ClampSliderTop(top);
  slider->SetTop(top);
  const int mode = moved.kind == SliderKind::Alpha ? m_nAlphaMode : m_nBetaMode;
  int linkedTop = 0;
  if (LinkedTop(mode, top, linkedTop))
    if (forms::Image* counterpart = Slider({Opposite(moved.side), moved.kind})) counterpart->SetTop(linkedTop);

  const int travel = window_.EqSliderRange().range;
  auto valueOf = [&](SliderSide side, SliderKind kind, std::uint8_t current) {
    forms::Image* image = Slider({side, kind});
    return image ? SliderValue(image->Top(), travel) : current;
  };
  // Two transactions per move, as the device has always seen them: the first carries the new left
  // values with the right ones as they were, the second both.
  m_record.leftAlpha = valueOf(SliderSide::Left, SliderKind::Alpha, m_record.leftAlpha);
  m_record.leftBeta = valueOf(SliderSide::Left, SliderKind::Beta, m_record.leftBeta);
  StoreRecord();
  WriteRecordTransaction();
  m_record.rightAlpha = valueOf(SliderSide::Right, SliderKind::Alpha, m_record.rightAlpha);
  m_record.rightBeta = valueOf(SliderSide::Right, SliderKind::Beta, m_record.rightBeta);
  StoreRecord();
  WriteRecordTransaction();
}

void CThreeDPage::LinkButton(int tag) {
  if (tag != kTagAlphaLink && tag != kTagBetaLink) return;
  const bool alpha = tag == kTagAlphaLink;
  int& mode = alpha ? m_nAlphaMode : m_nBetaMode;
  mode = NextLinkMode(mode);
  forms::Image* image = window_.ImageNamed(alpha ? L"D3AlphaImage" : L"D3BetaImage");
  if (!image) return;
  const std::wstring name = skin_.pictureName ? skin_.pictureName(LinkPictureKey(alpha, mode)) : std::wstring();
  if (name.empty() || !skin_.skinDirectory) {
    image->ClearPicture();
    return;
  }
  image->LoadPicture(skin_.skinDirectory() + L"3D\\" + name);
}

}  // namespace vorma::features
