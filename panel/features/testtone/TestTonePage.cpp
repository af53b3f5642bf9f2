#include "panel/features/testtone/TestTonePage.h"

namespace vorma::features {

CTestTonePage::CTestTonePage(FeatureContext& context, CVirtual7ch1Page& virtual7ch1, TestToneHost& host,
                     std::wstring programFolder)
    : controls_(context.Window()), virtual7ch1_(virtual7ch1), host_(host), programFolder_(std::move(programFolder)) {}

// Half the circle's radius (integer division first) times 1.6.
double CTestTonePage::OrbitDistance() { return (controls_.VirtualCenter().radius / 2) * 1.6; }

void CTestTonePage::BeeCheckBoxClick() {
  const bool ticked = host_.BoxTicked();
  forms::Image* bee = controls_.ImageNamed(L"BeeImage");
  if (bee) bee->SetVisible(ticked);
  bee_ = {0.0f, OrbitDistance()};
  if (bee) virtual7ch1_.PlaceSpeakerAtPolar(*bee, bee_, -1);

  SpeakerPolarRecord& speakers = virtual7ch1_.SpeakerPolarEntries();
  for (int i = 0; i < kSpeakerCount; ++i) {
    if (forms::Image* icon = controls_.ImageNamed(kSpeakers[i].imageName); icon && bee)
      icon->SetBounds(bee->Left(), bee->Top(), icon->Width(), icon->Height());
    if (ticked) {
      saved_[i] = speakers[i];
      speakers[i] = {0.0f, OrbitDistance()};
    } else {
      speakers[i] = saved_[i];
    }
  }

  if (ticked) {
    // A missing file leaves the player closed and silent; the orbit runs all the same.
    if (player_.Open(programFolder_ + kTestToneFileName)) player_.Play();
  } else {
    player_.Close();
  }
  // Every speaker to its entry and one degree on: back in place when the tone was switched off.
  virtual7ch1_.RotateCounterclockwise();
  host_.SetTestToneTimersEnabled(ticked);
}

void CTestTonePage::BeeTimerTimer() {
  if (forms::Image* bee = controls_.ImageNamed(L"BeeImage")) virtual7ch1_.PlaceSpeakerAtPolar(*bee, bee_, -1);
  virtual7ch1_.RotateCounterclockwise();
  virtual7ch1_.ApplySpeakerLayout();  // sends nothing without an active device
}

void CTestTonePage::BeePlayTimerTimer() {
  if (player_.IsOpen() && player_.Position() >= player_.Length()) player_.Play();
}

void CTestTonePage::CloseMediaPlayer() { player_.Close(); }

}  // namespace vorma::features
