#include "panel/shell/skin/SkinApplying.h"

#include "forms/Bevel.h"
#include "forms/Shape.h"
#include "foundation/DebugOutput.h"
#include "panel/features/MainWindowTags.h"
#include "panel/shell/skin/WindowRegion.h"

#include <array>

namespace vorma::shell {
namespace {

// The state a two-state button of the Tag table shows; none for the members whose buttons the
// skin application leaves alone (the device indicators follow the device, the sync button has no
// pictures).
std::optional<int> ShownState(const SkinApplyState& state, ButtonState kind) {
  if (kind == ButtonState::LedIndicator) return state.ledIndicator;
  return StateShown(state, kind);
}

// Buttons that always show their up picture after a skin load.
constexpr std::array<std::array<std::wstring_view, 2>, 15> kUpImages{{
    {L"CloseImage", L"CloseImageUp"},
    {L"MinimizeImage", L"MinimizeImageUp"},
    {L"Menu1Image", L"Menu1ImageUp"},
    {L"Menu2Image", L"Menu2ImageUp"},
    {L"Menu3Image", L"Menu3ImageUp"},
    {L"EQResetImage", L"EQResetImageUp"},
    {L"D3ResetImage", L"D3ResetImageUp"},
    {L"VirtualResetImage", L"VirtualResetUpImage"},
    {L"ENCFunctionImage", L"ENCFunctionUpImage"},
    {L"VMFunctionImage", L"VMFunctionUpImage"},
    {L"VMEffectNoneImage", L"VMEffectNoneUpImage"},
    {L"VMEffect1Image", L"VMEffect1UpImage"},
    {L"VMEffect2Image", L"VMEffect2UpImage"},
    {L"VMEffect3Image", L"VMEffect3UpImage"},
    {L"VMEffect4Image", L"VMEffect4UpImage"},
}};

constexpr std::array<std::wstring_view, 5> kEffectNames{L"Non", L"Theater", L"Bathroom", L"Livingroom",
                                                        L"StoneGallery"};

// The page buttons that have a page image (the 3D page has none).
const WindowTag* PageImageNamed(std::wstring_view name) {
  const WindowTag* row = WindowTagOfImage(name);
  return row && row->opensPage != 0 && !row->upKey.empty() ? row : nullptr;
}

std::optional<ImageAtt> EffectRecord(const forms::Image& image, const SkinSetting& setting,
                                     const SkinApplyState& state) {
  if (image.Name() == L"EffectPicImage") {
    if (state.effect < 1 || state.effect > 5) return std::nullopt;
    return setting.Record(L"EffectPic" + std::wstring(kEffectNames[state.effect - 1]) + L"Image");
  }
  const WindowTag* row = WindowTagOf(image.Tag());
  const int effect = EffectOfTag(image.Tag());
  if (!row || effect == 0 || !image.Name().starts_with(L"EffectButton")) return std::nullopt;
  return setting.Record(effect == state.effect ? row->downKey : row->upKey);
}

std::optional<ImageAtt> ModeRecord(std::wstring_view prefix, int mode, const SkinSetting& setting) {
  const std::wstring base(prefix);
  if (mode == -1 || mode == 2) return setting.Record(base + L"IndepImage");
  if (mode == 0) return setting.Record(base + L"DepImage");
  if (mode == 1) return setting.Record(base + L"InvImage");
  return std::nullopt;
}

bool IsPictureKey(std::wstring_view name) {
  for (const PictureKey& key : PictureKeys())
    if (key.usedByControls && key.key == name) return true;
  return false;
}

std::optional<std::wstring_view> UpKeyOf(std::wstring_view name) {
  for (const auto& entry : kUpImages)
    if (entry[0] == name) return entry[1];
  return std::nullopt;
}

void ApplyPageImage(forms::Form& form, forms::Image& image, const WindowTag& page, const SkinSetting& setting,
                    const SkinFolder& skin, const SkinApplyState& state) {
  const bool current = page.opensPage == state.currentPage;
  ChangeImageAttr(setting.Record(current ? page.downKey : page.upKey), image, skin);
  if (current) {
    if (auto* left = dynamic_cast<forms::Image*>(form.FindControlByName(L"MainLeftImage")))
      ChangeImageAttr(setting.MainLeftRecord(page.opensPage), *left, skin);
  }
  if (page.tag == kTagPageLed) {
    if (state.applyLedPageSkin)
      state.applyLedPageSkin();
    else
      DebugWrite(L"[ApplySkinToControls] LED page skin not built: the LED page keeps its pictures\n");
  }
}

void SetVisibleNamed(forms::Form& form, std::wstring_view name, bool visible) {
  if (forms::Control* control = form.FindControlByName(name)) control->SetVisible(visible);
}

void ApplyBevelLines(forms::Form& form, const SkinLayout& layout) {
  for (std::wstring_view name : {L"Bevel2", L"Bevel3", L"Bevel4"}) SetVisibleNamed(form, name, layout.bevelLine != 0);
  for (std::wstring_view name : {L"Bevel5", L"Bevel6", L"Bevel7"})
    SetVisibleNamed(form, name, layout.bevelLine2 != 0);
  if (layout.bevelLine2 == 1)
    for (std::wstring_view name : {L"Bevel6", L"Bevel7"}) SetVisibleNamed(form, name, layout.bevelLine3 != 0);
}

void ApplyColorShapes(forms::Form& form, const SkinLayout& layout) {
  for (const ColorShapeBounds& bounds : layout.colorShapes) {
    forms::Control* shape = form.FindControlByName(bounds.key);
    if (shape == nullptr) continue;
    shape->SetBounds(bounds.left.value_or(shape->Left()), bounds.top.value_or(shape->Top()),
                     bounds.width.value_or(shape->Width()), bounds.height.value_or(shape->Height()));
  }
}

void ApplyOutline(forms::Form& form, const SkinFolder& skin, const SkinApplyState& state) {
  if (state.regionCut != 0) {
    SetWindowRegionFromFile(form, skin.dir + L"MainForm_Frame.rgn");
    return;
  }
  FitClientToMainFormImage(form);
}

}  // namespace

void ChangeImageAttr(const ImageAtt& record, forms::Image& image, const SkinFolder& skin) {
  DebugPrint(L"[TAudioMainForm::ChangeImageAttr] ImageAtt->Name = %s,ImageAtt->HasLeft = %d,ImageAtt->Left = %d",
             record.Name.c_str(), record.HasLeft, record.Left);
  DebugPrint(L"[TAudioMainForm::ChangeImageAttr] m_tcSkin = %s", skin.name.c_str());
  DebugPrint(L"[TAudioMainForm::ChangeImageAttr] ImageAtt->Name = %s", record.Name.c_str());
  if (!record.Name.empty()) {
    image.SetVisible(true);
    // A picture that does not load is reported by the image; its place and size still apply.
    image.LoadPicture(skin.dir + record.Name);
  } else {
    image.SetVisible(false);
  }
  if (record.HasLeft) image.SetLeft(record.Left);
  if (record.HasTop) image.SetTop(record.Top);
  image.SetAutoSize(false);
  if (record.HasWidth) image.SetWidth(record.Width);
  if (record.HasHeight) image.SetHeight(record.Height);
  if (!record.HasWidth && !record.HasHeight) image.SetAutoSize(true);
}

std::optional<ImageAtt> SkinRecordForImage(const forms::Image& image, const SkinSetting& setting,
                                           const SkinApplyState& state) {
  const std::wstring_view name = image.Name();
  // The 3D page's own 3D-EN button shares the state of the equaliser page's.
  if (name == L"D33DENImage") return setting.Record(state.threeDEnable == 1 ? L"D33DENImageDown" : L"D33DENImageUp");
  if (const WindowTag* row = WindowTagOfImage(name)) {
    if (const std::optional<int> shown = ShownState(state, row->state); shown && !row->upKey.empty())
      return setting.Record(*shown == 1 ? row->downKey : row->upKey);
    if (const int preset = EqPresetOfTag(row->tag))
      return setting.Record(preset == state.eqPreset ? row->downKey : row->upKey);
  }
  if (name == L"D3AlphaImage") return ModeRecord(L"D3Alpha", state.alphaMode, setting);
  if (name == L"D3BetaImage") return ModeRecord(L"D3Beta", state.betaMode, setting);
  if (name == L"EffectPicImage" || name.starts_with(L"EffectButton")) {
    if (auto record = EffectRecord(image, setting, state)) return record;
  }
  if (auto up = UpKeyOf(name)) return setting.Record(*up);
  if (const WindowTag* page = PageImageNamed(name))
    return setting.Record(page->opensPage == state.currentPage ? page->downKey : page->upKey);
  if (name == L"MicProgressImage") {
    // The level meter grows from nothing; its width is the capture level's.
    ImageAtt record = setting.Record(name);
    record.Width = 0;
    record.HasWidth = 1;
    return record;
  }
  if (IsPictureKey(name)) return setting.Record(name);
  return std::nullopt;
}

void ApplySkinToControls(forms::Form& form, const SkinSetting& setting, const SkinFolder& skin,
                         const SkinApplyState& state) {
  DebugTraceEntry(L"TAudioMainForm::ApplySkinToControls");
  for (const auto& control : form.Controls()) {
    if (control->Kind() != forms::ControlKind::Image) continue;
    auto& image = static_cast<forms::Image&>(*control);
    if (const WindowTag* page = PageImageNamed(image.Name())) {
      ApplyPageImage(form, image, *page, setting, skin, state);
      continue;
    }
    if (auto record = SkinRecordForImage(image, setting, state)) ChangeImageAttr(*record, image, skin);
  }
  ApplyBevelLines(form, setting.layout);
  ApplyColorShapes(form, setting.layout);
  ApplyOutline(form, skin, state);
}

}  // namespace vorma::shell
