// The page's buttons, the speaker drag and the 20 ms animation step.

#include "panel/features/virtual7ch1/Virtual7ch1Page.h"

#include "foundation/DebugOutput.h"

#include <algorithm>

namespace vorma::features {

namespace {

// Narrowing keeps every speaker at least this far out; enlarging stops at the next.
constexpr double kNarrowestDistance = 10.0;
constexpr double kWidestDistance = 111.0;
// A dragged speaker keeps this distance from the picture's edges.
constexpr int kPictureMargin = 10;

}  // namespace

void CVirtual7ch1Page::ToggleOff(int tag, int& state) {
  if (state) controls_.ToggleButtonState(tag, state);
}

void CVirtual7ch1Page::SwitchRotationOff() {
  ToggleOff(kTagVirtualClockwise, clockwise_);
  ToggleOff(kTagVirtualCounterclockwise, counterclockwise_);
}

void CVirtual7ch1Page::SwitchResizeOff() {
  ToggleOff(kTagVirtualNarrow, narrow_);
  ToggleOff(kTagVirtualEnlarge, enlarge_);
}

bool CVirtual7ch1Page::MotionOn() const { return clockwise_ || counterclockwise_ || narrow_ || enlarge_; }

// The 20 ms timer acts only while something moves; idle, it does not wake the panel at all.
void CVirtual7ch1Page::FollowMotion() { host_.SetAnimationTimerEnabled(MotionOn()); }

void CVirtual7ch1Page::EnableClick() {
  if (settings_.switchMode) {
    // The hardware switch owns 7.1 in switch mode; only its own presses reach the button.
    if (!host_.GpioScanMode()) return;
    const int on = host_.GpioOnOff();
    enable_ = on != 0 ? 1 : 0;
    if (forms::Image* button = controls_.ImageNamed(L"VirtualEnableImage"))
      controls_.ChangeImageAttr(*button, on ? L"VirtualDisableImageDown" : L"VirtualDisableImageUp");
    if (forms::Label* label = controls_.LabelNamed(L"VirtualENLabel"))
      controls_.SetLabelColor(*label, L"Label7ch1Enable", false);
  } else {
    controls_.ToggleButtonState(kTagVirtual7ch1Enable, enable_);
  }
  if (settings_.exclusive3DV7ch1 == 1 && enable_ == 1) {
    host_.SwitchThreeDOff();
    int shown = 1;
    controls_.ToggleButtonState(kTag3DEnable, shown);
    if (forms::Image* button = controls_.ImageNamed(L"EQ3DENImage")) button->SetVisible(false);
  }
  ApplySpeakerLayout();
  if (enable_ == 0) {
    ToggleOff(kTagVirtualCounterclockwise, counterclockwise_);
    ToggleOff(kTagVirtualClockwise, clockwise_);
    FollowMotion();
  }
}

void CVirtual7ch1Page::ShowResetButton(bool down) {
  // While the test tone plays, RESET neither works nor looks pressed.
  if (host_.TestToneTicked()) return;
  if (forms::Image* button = controls_.ImageNamed(L"VirtualResetImage"))
    controls_.ChangeImageAttr(*button, down ? L"VirtualResetDownImage" : L"VirtualResetUpImage");
  if (forms::Label* label = controls_.LabelNamed(L"VirtualResetLabel"))
    controls_.SetLabelColor(*label, L"Label7ch1Reset", down);
}

void CVirtual7ch1Page::ResetClick() {
  if (host_.TestToneTicked()) return;
  if (settings_.switchMode && host_.GpioOnOff() == 0) return;
  ResetVirtual7ch1();
}

void CVirtual7ch1Page::ClockwiseClick() {
  if (host_.TestToneTicked() || enable_ == 0) return;
  controls_.ToggleButtonState(kTagVirtualClockwise, clockwise_);
  ToggleOff(kTagVirtualCounterclockwise, counterclockwise_);
  SwitchResizeOff();
  FollowMotion();
}

void CVirtual7ch1Page::CounterclockwiseClick() {
  if (host_.TestToneTicked() || enable_ == 0) return;
  controls_.ToggleButtonState(kTagVirtualCounterclockwise, counterclockwise_);
  ToggleOff(kTagVirtualClockwise, clockwise_);
  SwitchResizeOff();
  FollowMotion();
}

void CVirtual7ch1Page::NarrowClick() {
  if (host_.TestToneTicked()) return;
  controls_.ToggleButtonState(kTagVirtualNarrow, narrow_);
  ToggleOff(kTagVirtualEnlarge, enlarge_);
  SwitchRotationOff();
  FollowMotion();
}

void CVirtual7ch1Page::EnlargeClick() {
  if (host_.TestToneTicked()) return;
  controls_.ToggleButtonState(kTagVirtualEnlarge, enlarge_);
  ToggleOff(kTagVirtualNarrow, narrow_);
  SwitchRotationOff();
  FollowMotion();
}

void CVirtual7ch1Page::DragSpeaker(forms::Image& speaker, int left, int top) {
  if (host_.GpioOnOff() == 0 && !host_.GpioScanMode()) return;
  const SpeakerCircle circle = controls_.VirtualCenter();
  const long long dx = left - circle.x;
  const long long dy = top - circle.y;
  if (dx * dx + dy * dy > static_cast<long long>(circle.radius) * circle.radius) return;
  int newLeft = speaker.Left();
  int newTop = speaker.Top();
  if (forms::Image* picture = controls_.ImageNamed(L"VirtualPicImage")) {
    if (picture->Left() + kPictureMargin < left &&
        left + speaker.Width() <= picture->Left() + picture->Width() - kPictureMargin)
      newLeft = left;
    if (picture->Top() + kPictureMargin <= top &&
        top + speaker.Height() <= picture->Top() + picture->Height() - kPictureMargin)
      newTop = top;
  }
  speaker.SetBounds(newLeft, newTop, speaker.Width(), speaker.Height());
  host_.SetAnimationTimerEnabled(false);
  SpeakerDragged();
}

void CVirtual7ch1Page::SpeakerDragged() {
  ComputeSpeakerPolar(polar_);
  ApplyVirtual7ch1();
}

void CVirtual7ch1Page::SpeakerMouseUp() { FollowMotion(); }

void CVirtual7ch1Page::PlaceAllSpeakers(int step) {
  for (int i = 0; i < kSpeakerCount; ++i)
    if (forms::Image* image = Speaker(i)) PlaceSpeakerAtPolar(*image, polar_[i], step);
}

void CVirtual7ch1Page::RotateClockwise() { PlaceAllSpeakers(+1); }

void CVirtual7ch1Page::RotateCounterclockwise() { PlaceAllSpeakers(-1); }

void CVirtual7ch1Page::NarrowSpeakers() {
  if (!std::ranges::all_of(polar_, [](const SpeakerPolar& p) { return p.distance >= kNarrowestDistance; })) return;
  for (SpeakerPolar& polar : polar_) polar.distance -= 1.0;
  PlaceAllSpeakers(0);
}

void CVirtual7ch1Page::EnlargeSpeakers() {
  if (!std::ranges::all_of(polar_, [](const SpeakerPolar& p) { return p.distance < kWidestDistance; })) return;
  for (SpeakerPolar& polar : polar_) polar.distance += 1.0;
  PlaceAllSpeakers(0);
}

void CVirtual7ch1Page::ApplySpeakerLayout() {
  SpeakerPolarRecord scratch{};
  ComputeSpeakerPolar(scratch);
  ApplyVirtual7ch1();
}

void CVirtual7ch1Page::TimerTimer() {
  if (!context_.DeviceActive()) return;
  if (clockwise_) {
    RotateClockwise();
  } else if (counterclockwise_) {
    RotateCounterclockwise();
  } else if (narrow_) {
    NarrowSpeakers();
  } else if (enlarge_) {
    EnlargeSpeakers();
  }
  if (clockwise_ || counterclockwise_ || narrow_ || enlarge_) ApplySpeakerLayout();
}

}  // namespace vorma::features
