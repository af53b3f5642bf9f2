#include "panel/features/virtual7ch1/Virtual7ch1Page.h"

#include "foundation/DebugOutput.h"
#include "panel/device/SdkLibrary.h"

namespace vorma::features {

namespace {

// The old layout put one speaker exactly here; the device mis-reads that spot, so it is nudged.
constexpr PixelPoint kOldLayoutNudgedPosition{664, 355};

int SdkOnOff(int enable) {
  const auto onOff = Sdk().DLLQZ_SetVirtual7ch1_OnOff;
  if (!onOff) return 1;
  const int ret = onOff(static_cast<DWORD>(enable));
  if (ret != 0) DebugPrint(L"***** DLLQZ_SetVirtual7ch1_OnOff(%d) FAIL! ret = %d *****\n", enable, ret);
  return ret;
}

}  // namespace

CVirtual7ch1Page::CVirtual7ch1Page(FeatureContext& context, Virtual7ch1Host& host, Virtual7ch1Settings settings)
    : context_(context), controls_(context.Window()), host_(host), settings_(std::move(settings)) {}

forms::Image* CVirtual7ch1Page::Speaker(int index) { return controls_.ImageNamed(kSpeakers[index].imageName); }

PixelPoint CVirtual7ch1Page::Centre() {
  const SpeakerCircle circle = controls_.VirtualCenter();
  return {circle.x, circle.y};
}

void CVirtual7ch1Page::ComputeSpeakerPolar(SpeakerPolarRecord& target) {
  const PixelPoint centre = Centre();
  for (int i = 0; i < kSpeakerCount; ++i) {
    forms::Image* image = Speaker(i);
    if (!image) continue;
    // A speaker on the centre is the listener's own spot and is never nudged, even where the old
    // layout's centre falls on the nudged position.
    const PixelPoint at{image->Left(), image->Top()};
    if (at != centre && settings_.oldVersion != 0 && at == kOldLayoutNudgedPosition)
      image->SetBounds(image->Left() + 1, image->Top() + 1, image->Width(), image->Height());
    target[i] = PolarOfPosition({image->Left(), image->Top()}, centre);
    distance_[i] = static_cast<float>(target[i].distance);
    angle_[i] = target[i].angle;
  }
}

int CVirtual7ch1Page::SendVirtual7ch1(int enable) {
  const auto block = BuildVirtual7ch1Block(enable, distance_, angle_, controls_.VirtualCenter().radius);
  if (!context_.DeviceActive()) return 0;
  const auto send = Sdk().DLLQZ_SetVirtual7ch1;
  const int ret = send ? send(block.data()) : 1;
  if (ret == 0) return 0;
  DebugPrint(L"***** DLLQZ_SetVirtual7ch1 FAIL! ret = %d *****\n", ret);
  return 1;
}

void CVirtual7ch1Page::ApplyVirtual7ch1() {
  if (!context_.DeviceActive()) return;
  SdkOnOff(enable_);
  SendVirtual7ch1(enable_);
}

void CVirtual7ch1Page::SendScalar() {
  if (!context_.DeviceActive()) return;
  const auto setScalar = Sdk().DLLQZ_SetVirtual7ch1_Scalar;
  const int ret = setScalar ? setScalar(settings_.scalar) : 1;
  if (ret != 0) DebugPrint(L"***** DLLQZ_SetVirtual7ch1_Scalar FAIL! ret = %d *****\n", ret);
}

void CVirtual7ch1Page::PlaceSpeakerAtPolar(forms::Image& image, SpeakerPolar& polar, int step) {
  const PixelPoint at = PositionOfPolar(polar, Centre());
  image.SetBounds(at.x, at.y, image.Width(), image.Height());
  polar.angle = static_cast<float>(polar.angle + step * kOneDegree);
}

void CVirtual7ch1Page::ShowEnableButton() {
  if (forms::Image* button = controls_.ImageNamed(L"VirtualEnableImage"))
    controls_.ChangeImageAttr(*button, enable_ ? L"VirtualEnableImageDown" : L"VirtualEnableImageUp");
  if (forms::Label* label = controls_.LabelNamed(L"VirtualENLabel"))
    controls_.SetLabelColor(*label, L"Label7ch1Enable", enable_ != 0);
}

void CVirtual7ch1Page::Update7ch1UI() {
  DebugWrite(L"[Update7ch1UI]");
  ShowEnableButton();
}

void CVirtual7ch1Page::PlaceResetArrangement() {
  const auto arrangement = DefaultSpeakerArrangement(Centre(), controls_.VirtualCenter().radius);
  if (settings_.defaultIni != 0) {
    ReadProfileSpeakers(settings_.defaultProfilePath, &arrangement);
    return;
  }
  for (int i = 0; i < kSpeakerCount; ++i)
    if (forms::Image* image = Speaker(i))
      image->SetBounds(arrangement[i].x, arrangement[i].y, image->Width(), image->Height());
}

void CVirtual7ch1Page::ResetVirtual7ch1() {
  DebugTraceEntry(L"TAudioMainForm::ResetVirtual7ch1");
  PlaceResetArrangement();
  ComputeSpeakerPolar(polar_);
  ApplyVirtual7ch1();
}

void CVirtual7ch1Page::ComputeInitialLayout() { ComputeSpeakerPolar(polar_); }

void CVirtual7ch1Page::SendStartupOff() {
  if (!context_.DeviceActive()) return;
  SdkOnOff(0);
  SendVirtual7ch1(0);
}

void CVirtual7ch1Page::LoadProfileValues() {
  ResetVirtual7ch1();
  // Creation places the reset arrangement once more; the result is the same.
  PlaceResetArrangement();
}

void CVirtual7ch1Page::SwitchOffFor3D() {
  enable_ = 0;
  ApplyVirtual7ch1();
  SendScalar();
  int shown = 1;
  controls_.ToggleButtonState(kTagVirtual7ch1Enable, shown);
  if (forms::Image* button = controls_.ImageNamed(L"VirtualEnableImage")) button->SetVisible(false);
  if (counterclockwise_) {
    controls_.ToggleButtonState(kTagVirtualCounterclockwise, counterclockwise_);
    if (forms::Image* button = controls_.ImageNamed(L"VirtualCounterclockwiseImage")) button->SetVisible(false);
  }
  if (clockwise_) {
    controls_.ToggleButtonState(kTagVirtualClockwise, clockwise_);
    if (forms::Image* button = controls_.ImageNamed(L"VirtualClockwiseImage")) button->SetVisible(false);
  }
  FollowMotion();
}

void CVirtual7ch1Page::Shutdown() {
  enable_ = 0;
  ResetVirtual7ch1();
}

}  // namespace vorma::features
