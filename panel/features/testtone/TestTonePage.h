#pragma once
// The test tone of the virtual 7.1 page: while BeeCheckBox is ticked, "bee.wav" plays in a loop
// and a bee icon and all eight speaker icons orbit the listener together; each step goes to the
// device as a virtual 7.1 arrangement, so the sound travels around the head. Unticking puts the
// speakers back where they were. The window's BeeTimer (10 ms) and BeePlayTimer (100 ms) drive it.

#include "forms/MediaPlayer.h"
#include "panel/features/FeatureContext.h"
#include "panel/features/virtual7ch1/Virtual7ch1Page.h"

#include <string>

namespace vorma::features {

inline constexpr wchar_t kTestToneFileName[] = L"bee.wav";

class TestToneHost {
public:
  virtual ~TestToneHost() = default;
  virtual bool BoxTicked() = 0;  // BeeCheckBox
  virtual void SetTestToneTimersEnabled(bool enabled) = 0;  // BeeTimer and BeePlayTimer
};

class CTestTonePage {
public:
  // `programFolder` ends with a separator; the tone is programFolder + "bee.wav".
  CTestTonePage(FeatureContext& context, CVirtual7ch1Page& virtual7ch1, TestToneHost& host, std::wstring programFolder);

  void BeeCheckBoxClick();
  void BeeTimerTimer();      // one orbit step; sent to the device only while one is active
  void BeePlayTimerTimer();  // starts the file again exactly when it has played to its end
  void CloseMediaPlayer();   // window destruction
  const forms::MediaPlayer& Player() const { return player_; }

private:
  double OrbitDistance();

  MainWindowControls& controls_;
  CVirtual7ch1Page& virtual7ch1_;
  TestToneHost& host_;
  std::wstring programFolder_;
  forms::MediaPlayer player_;
  SpeakerPolar bee_{};
  SpeakerPolarRecord saved_{};
};

}  // namespace vorma::features
